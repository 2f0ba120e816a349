// The program and its companion under a file-size limit (RLIMIT_FSIZE), a failure root cannot bypass:
// each is started as it is installed, with SIGXFSZ at its default, and must take the failure path of a
// full disk instead of being ended by the signal in the middle of a write.
#include "clients/SchedaCliente.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"

#include <csignal>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <sys/resource.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Run
{
    QProcess::ExitStatus exitStatus;
    int exitCode;
    QByteArray out;
    QByteArray err;
};

void limitFileSize(QProcess& process, rlim_t bytes)
{
    process.setChildProcessModifier([bytes] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{bytes, bytes};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
}

Run cliWithLimit(const QString& folder, const QStringList& arguments, rlim_t bytes)
{
    QProcess process;
    limitFileSize(process, bytes);
    process.start(QStringLiteral(TELVARA_CLI), QStringList{u"--cartella"_s, folder} + arguments);
    if (!process.waitForFinished(120000))
        return {QProcess::CrashExit, -1, {}, {}};
    return {process.exitStatus(), process.exitCode(), process.readAllStandardOutput(),
            process.readAllStandardError()};
}

// Whether the process ignores the signal, from the mask the kernel shows of it.
bool ignoresSignal(qint64 pid, int signal)
{
    QFile status(u"/proc/%1/status"_s.arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("SigIgn:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    return false;
}

} // namespace

class TestFileSizeLimit : public QObject
{
    Q_OBJECT

private slots:
    void programIgnoresTheSignal()
    {
        TempProgramFolder folder;
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        program.setProcessEnvironment(environment);
        limitFileSize(program, 1 << 20);
        program.start(QStringLiteral(TELVARA_PROGRAM), {u"--cartella"_s, folder.path()});
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(ignoresSignal(program.processId(), SIGXFSZ), 30000);
        program.kill();
        program.waitForFinished();
    }

    // A demo run stopped by the limit reports the whole batches that stayed and exits with a failure.
    void demoStoppedPartWayTellsWhatStayed()
    {
        TempProgramFolder folder;
        constexpr rlim_t kBatchBytes = 8192 * 1368;
        const Run run = cliWithLimit(folder.path(),
                                     {u"demo"_s, u"--clienti"_s, u"5"_s, u"--operatori"_s, u"0"_s,
                                      u"--articoli"_s, u"0"_s, u"--chiamate"_s, u"0"_s, u"--vendite"_s,
                                      u"0"_s, u"--appuntamenti"_s, u"9000"_s, u"--anno"_s, u"2023"_s},
                                     kBatchBytes + 1000);
        QCOMPARE(run.exitStatus, QProcess::NormalExit);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QByteArray("Clienti.pro\t5\n2023.sca\t8192\n"));
        QVERIFY2(run.err.contains("2023.sca: File too large\n"), run.err.constData());
        QVERIFY(run.err.endsWith("demo: interrotto, nei file restano le schede elencate\n"));
        QCOMPARE(QFileInfo(folder.file(u"2023.sca"_s)).size(), qint64(kBatchBytes));
    }

    // An export stopped by the limit fails with its message and leaves the earlier spreadsheet.
    void exportStoppedPartWayKeepsTheEarlierFile()
    {
        TempProgramFolder folder;
        {
            RecordFile file(folder.file(u"Clienti.pro"_s), SchedaCliente::layout);
            Record record(SchedaCliente::layout);
            for (int i = 0; i < 50; ++i) {
                record.setText(SchedaCliente::Cliente, u"Cliente %1"_s.arg(i));
                file.append(record);
            }
        }
        folder.writeAll(u"Clienti.xls"_s, "vecchio");
        const Run run = cliWithLimit(folder.path(), {u"esporta"_s, u"clienti"_s}, 4096);
        QCOMPARE(run.exitStatus, QProcess::NormalExit);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("File too large"), run.err.constData());
        QCOMPARE(folder.readAll(u"Clienti.xls"_s), QByteArray("vecchio"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                 (QStringList{u"Clienti.pro"_s, u"Clienti.xls"_s}));
    }
};

QTEST_GUILESS_MAIN(TestFileSizeLimit)
#include "TestFileSizeLimit.moc"
