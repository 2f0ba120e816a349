#include "platform/MediaSound.h"
#include "platform/ProgramFolder.h"
#include "platform/Services.h"
#include "schedule/SchedaScadenza.h"
#include "schedule/TfrmScadenzario.h"
#include "screens/WindowRegistry.h"
#include "ServiceDoubles.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"
#include "WiredRegistry.h"

#include <csignal>
#include <cstdio>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The warning sound of the schedule through the real player process, media backend and audio stack.
// Each audio setting runs the schedule in a child process of its own (this program with kChildFlag),
// whose sound is played by the built program.
namespace {

const QString kChildFlag = u"--scadenzario"_s;
const QByteArray kBannerShown = "banner acceso";
const QByteArray kSoundEnded = "suono finito";

// Child: the schedule of a program folder holding an appointment two days ahead with three days of
// notice, opened with the real sound; prints what it saw and lives until the sound is over (or for
// waitMs at most), then closes the window.
int runSchedule(int argc, char* argv[])
{
    QApplication application(argc, argv);
    ProgramFolder::setPath(qEnvironmentVariable("TELVARA_CARTELLA"));
    ServiceDoubles services;
    services.clock.set(QDateTime(QDate(2024, 3, 8), QTime(10, 30)));
    MediaSound sound(QStringLiteral(TELVARA_PROGRAM));
    Services::setSound(&sound);
    {
        WiredRegistry registry;
        registry.create({WindowRegistry::entry<TfrmScadenzario>()});
        auto* card = registry.find<TfrmScadenzario>();
        card->open();
        if (card->findChild<QWidget*>(u"imgPresenti"_s)->isVisible())
            std::printf("%s\n", kBannerShown.constData());
        std::fflush(stdout);
        QElapsedTimer waited;
        waited.start();
        // The window keeps answering while the sound plays or hangs.
        while (sound.isPlaying() && waited.elapsed() < qEnvironmentVariableIntValue("TELVARA_ATTESA_MS"))
            QTest::qWait(50);
        const bool ended = !sound.isPlaying();
        QTest::qWait(100);
        card->close();
        if (ended)
            std::printf("%s\n", kSoundEnded.constData());
        std::fflush(stdout);
    }
    Services::setSound(nullptr);
    return 0;
}

void writeImminentAppointment(const TempProgramFolder& folder)
{
    using namespace SchedaScadenza;
    Record r(layout);
    r.setText(Giorno, u"10"_s);
    r.setText(Mese, u"Marzo"_s);
    r.setText(Anno, u"2024"_s);
    r.setText(Data, u"10/03/2024"_s);
    r.setText(OreApp, u"10"_s);
    r.setText(MinutiApp, u"00"_s);
    r.setText(Ora, u"10:00"_s);
    r.setText(Avviso, u"3"_s);
    r.setText(Pagatore, u"Rossi Anna"_s);
    r.setText(Dettagli, u"Rata"_s);
    RecordFile(folder.file(u"2024.sca"_s), layout).append(r);
}

QByteArray chime()
{
    QFile file(QStringLiteral(TELVARA_AVVISO_MP3));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Run
{
    int exitCode = -1;
    bool crashed = false;
    QByteArray output;
    QByteArray errors;
};

Run runChild(const TempProgramFolder& folder, const QProcessEnvironment& audio, int waitMs)
{
    QProcess child;
    QProcessEnvironment environment = audio;
    environment.insert(u"TELVARA_CARTELLA"_s, folder.path());
    environment.insert(u"TELVARA_ATTESA_MS"_s, QString::number(waitMs));
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {kChildFlag});
    Run run;
    if (!child.waitForFinished(waitMs + 20000)) {
        child.kill();
        child.waitForFinished();
    }
    run.crashed = child.exitStatus() == QProcess::CrashExit;
    run.exitCode = child.exitCode();
    run.output = child.readAllStandardOutput();
    run.errors = child.readAllStandardError();
    return run;
}

// The environment with no sound server to be found.
QProcessEnvironment withoutSound(const QTemporaryDir& runtime)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"PULSE_SERVER"_s, u"unix:"_s + runtime.filePath(u"nessun-server"_s));
    environment.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
    return environment;
}

// A PulseAudio server of its own, with one null output whose monitor can be recorded; stopped when
// this goes.
class NullSinkServer
{
public:
    NullSinkServer()
    {
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert(u"HOME"_s, m_runtime.path());
        m_environment.insert(u"XDG_RUNTIME_DIR"_s, m_runtime.path());
        m_environment.insert(u"PULSE_SERVER"_s, u"unix:"_s + socket());
        m_server.setProcessEnvironment(m_environment);
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        m_server.start(u"pulseaudio"_s,
                       {u"-n"_s, u"--daemonize=no"_s, u"--exit-idle-time=-1"_s, u"--disable-shm=yes"_s,
                        u"--load=module-null-sink sink_name=telvara"_s,
                        u"--load=module-native-protocol-unix auth-anonymous=1 socket="_s + socket()});
        m_server.waitForStarted();
        for (int i = 0; i < 100 && m_server.state() == QProcess::Running; ++i) {
            if (QFile::exists(socket()) && pactl({u"info"_s}))
                return;
            QTest::qWait(100);
        }
    }
    ~NullSinkServer()
    {
        resume();
        m_server.terminate();
        if (!m_server.waitForFinished(5000))
            m_server.kill();
        m_server.waitForFinished();
    }

    bool isRunning() const { return m_server.state() == QProcess::Running; }
    QByteArray log() { return m_server.readAll(); }
    const QProcessEnvironment& environment() const { return m_environment; }
    QString recording() const { return m_runtime.filePath(u"registrazione.wav"_s); }
    void startRecording()
    {
        m_recorder.setProcessEnvironment(m_environment);
        m_recorder.start(u"parecord"_s, {u"--device=telvara.monitor"_s, u"--file-format=wav"_s, recording()});
        m_recorder.waitForStarted();
        QTest::qWait(300);
    }
    void stopRecording()
    {
        QTest::qWait(300);
        m_recorder.terminate();
        m_recorder.waitForFinished(5000);
    }
    // A server that accepts connections and never answers them.
    void hang() { ::kill(pid_t(m_server.processId()), SIGSTOP); }
    void resume() { ::kill(pid_t(m_server.processId()), SIGCONT); }

private:
    QString socket() const { return m_runtime.filePath(u"native"_s); }
    bool pactl(const QStringList& arguments) const
    {
        QProcess tool;
        tool.setProcessEnvironment(m_environment);
        tool.start(u"pactl"_s, arguments);
        return tool.waitForFinished(3000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
    }

    QTemporaryDir m_runtime;
    QProcessEnvironment m_environment;
    QProcess m_server;
    QProcess m_recorder;
};

// The RMS amplitude of a recording, as sox measures it (0 for silence), or -1.
double rmsAmplitude(const QString& recording)
{
    QProcess sox;
    sox.start(u"sox"_s, {recording, u"-n"_s, u"stat"_s});
    sox.waitForFinished(10000);
    const QString report = QString::fromUtf8(sox.readAllStandardError());
    const QRegularExpressionMatch match =
        QRegularExpression(u"RMS\\s+amplitude:\\s+([0-9.]+)"_s).match(report);
    return match.hasMatch() ? match.captured(1).toDouble() : -1;
}

} // namespace

class TestScheduleSound : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(!chime().isEmpty(), "the build's Avviso.mp3 is missing");
        QVERIFY2(!QStandardPaths::findExecutable(u"pulseaudio"_s).isEmpty(), "pulseaudio is not installed");
    }

    // No audio output at all, as on CI, remote desktops and office PCs without speakers, and a sound
    // file that is damaged or missing: the schedule opens with its banner, silent, and the program lives.
    void scheduleLivesWithoutSound_data()
    {
        QTest::addColumn<QByteArray>("sound");
        QTest::addColumn<bool>("present");
        QTest::newRow("no audio output") << chime() << true;
        QTest::newRow("damaged sound file") << QByteArrayLiteral("ID3\x03 non e un suono") << true;
        QTest::newRow("missing sound file") << QByteArray() << false;
    }

    void scheduleLivesWithoutSound()
    {
        QFETCH(QByteArray, sound);
        QFETCH(bool, present);
        TempProgramFolder folder;
        writeImminentAppointment(folder);
        if (present)
            folder.writeAll(u"Avviso.mp3"_s, sound);
        QTemporaryDir runtime;
        const Run run = runChild(folder, withoutSound(runtime), 3000);
        QVERIFY2(!run.crashed && run.exitCode == 0, run.errors.constData());
        QVERIFY(run.output.contains(kBannerShown));
        QVERIFY(run.output.contains(kSoundEnded));
    }

    // With an audio output the chime is really played: recorded from the output's monitor, not silence.
    void chimeIsHeardOnAnOutput()
    {
        NullSinkServer server;
        QVERIFY2(server.isRunning(), server.log().constData());
        TempProgramFolder folder;
        writeImminentAppointment(folder);
        folder.writeAll(u"Avviso.mp3"_s, chime());
        server.startRecording();
        const Run run = runChild(folder, server.environment(), 8000);
        server.stopRecording();
        QVERIFY2(!run.crashed && run.exitCode == 0, run.errors.constData());
        QVERIFY(run.output.contains(kBannerShown));
        QVERIFY(run.output.contains(kSoundEnded));
        const double rms = rmsAmplitude(server.recording());
        QVERIFY2(rms > 0.02, qPrintable(u"RMS amplitude of the recording: %1"_s.arg(rms)));
    }

    // A sound server that takes the connection and never answers holds the sound's thread only: the
    // window opens, answers and closes, and the program ends.
    void hungSoundServerHoldsNoWindow()
    {
        NullSinkServer server;
        QVERIFY2(server.isRunning(), server.log().constData());
        server.hang();
        TempProgramFolder folder;
        writeImminentAppointment(folder);
        folder.writeAll(u"Avviso.mp3"_s, chime());
        const Run run = runChild(folder, server.environment(), 1500);
        QVERIFY2(!run.crashed && run.exitCode == 0, run.errors.constData());
        QVERIFY(run.output.contains(kBannerShown));
        QVERIFY(!run.output.contains(kSoundEnded));
    }
};

int main(int argc, char* argv[])
{
    if (argc > 1 && QString::fromLocal8Bit(argv[1]) == kChildFlag)
        return runSchedule(argc, argv);
    QCoreApplication application(argc, argv);
    TestScheduleSound test;
    return QTest::qExec(&test, argc, argv);
}
#include "TestScheduleSound.moc"
