#include "platform/SoundWorker.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QAudioDevice>
#include <QAudioSink>
#include <QFileInfo>
#include <QMediaDevices>
#include <QUrl>

SoundWorker::SoundWorker() = default;

SoundWorker::~SoundWorker()
{
    reset();
}

void SoundWorker::play(const QString& path)
{
    reset();
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull() || !QFileInfo(path).isFile()) {
        emit finished();
        return;
    }
    // The decoder converts to the output's own format, so the output never refuses what it is given.
    m_format = output.preferredFormat();
    m_decoder = std::make_unique<QAudioDecoder>();
    m_decoder->setAudioFormat(m_format);
    connect(m_decoder.get(), &QAudioDecoder::bufferReady, this, [this] {
        const QAudioBuffer buffer = m_decoder->read();
        if (buffer.isValid())
            m_samples.append(buffer.constData<char>(), buffer.byteCount());
    });
    connect(m_decoder.get(), &QAudioDecoder::finished, this, &SoundWorker::start);
    connect(m_decoder.get(), qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), this, &SoundWorker::stop);
    m_decoder->setSource(QUrl::fromLocalFile(path));
    m_decoder->start();
}

void SoundWorker::start()
{
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    m_decoder.release()->deleteLater(); // it is still inside its own signal
    if (output.isNull() || m_samples.isEmpty() || !output.isFormatSupported(m_format)) {
        stop();
        return;
    }
    m_buffer.setData(m_samples);
    if (!m_buffer.open(QIODevice::ReadOnly)) {
        stop();
        return;
    }
    m_sink = std::make_unique<QAudioSink>(output, m_format);
    connect(m_sink.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        // Idle: every sample was played. Stopped: the output failed or went away.
        if (state == QAudio::IdleState || state == QAudio::StoppedState)
            QMetaObject::invokeMethod(this, &SoundWorker::stop, Qt::QueuedConnection);
    });
    // The output pulls the samples itself: nothing writes into an output that failed to open.
    m_sink->start(&m_buffer);
    if (m_sink->error() != QAudio::NoError)
        stop();
}

void SoundWorker::stop()
{
    reset();
    emit finished();
}

void SoundWorker::reset()
{
    if (m_decoder) {
        m_decoder->disconnect(this);
        m_decoder.release()->deleteLater();
    }
    if (m_sink) {
        m_sink->disconnect(this);
        m_sink->stop();
        m_sink.reset();
    }
    m_buffer.close();
    m_buffer.setData(QByteArray());
    m_samples.clear();
}
