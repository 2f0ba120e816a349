#pragma once

#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class QAudioDecoder;
class QAudioSink;

// Decodes a sound file into memory and plays it on the default audio output. The output is looked for at
// every sound: none, a failed decode or a failed output is silence. It never hands data to an output
// that did not open: the output pulls the samples itself.
class SoundWorker : public QObject
{
    Q_OBJECT

public:
    SoundWorker();
    ~SoundWorker() override;

public slots:
    void play(const QString& path);
    void stop();

signals:
    // The sound ended, was stopped or could not be played.
    void finished();

private:
    void start();
    // Drops the decoder, the output and the samples, saying nothing.
    void reset();

    std::unique_ptr<QAudioDecoder> m_decoder;
    std::unique_ptr<QAudioSink> m_sink;
    QByteArray m_samples;
    QAudioFormat m_format;
    QBuffer m_buffer;
};
