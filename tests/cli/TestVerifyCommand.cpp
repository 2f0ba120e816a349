#include "TempProgramFolder.h"
#include "calls/SchedaChiamata.h"
#include "clients/SchedaCliente.h"
#include "storage/RecordFile.h"
#include "storage/RollbackJournal.h"

#include <QDir>
#include <QProcess>
#include <sys/stat.h>
#include <QTest>

namespace {

struct Run
{
    int exitCode;
    QString out;
    QString err;
};

Run verify(const TempProgramFolder& folder)
{
    QProcess process;
    process.start(QStringLiteral(TELVARA_CLI),
                  {QStringLiteral("--cartella"), folder.path(), QStringLiteral("verifica")});
    process.waitForFinished();
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

void appendClients(const TempProgramFolder& folder, int n)
{
    RecordFile file(folder.file(QStringLiteral("Clienti.pro")), SchedaCliente::layout);
    for (int i = 0; i < n; ++i) {
        Record record(SchedaCliente::layout);
        record.setText(SchedaCliente::Cliente, QStringLiteral("Cliente %1").arg(i));
        file.append(record);
    }
}

} // namespace

class TestVerifyCommand : public QObject
{
    Q_OBJECT

private slots:
    void soundFolder()
    {
        TempProgramFolder folder;
        appendClients(folder, 3);
        RecordFile(folder.file(QStringLiteral("2030.tel")), SchedaChiamata::layout);
        folder.writeAll(QStringLiteral("note.txt"), "altro");
        const Run run = verify(folder);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("Clienti.pro\t3\t0\n2030.tel\t0\t0\n"));
    }

    void damagedFiles()
    {
        TempProgramFolder folder;
        appendClients(folder, 2);
        QByteArray bytes = folder.readAll(QStringLiteral("Clienti.pro"));
        bytes[3372 + SchedaCliente::layout.offset(SchedaCliente::CodFisc)] = char(17);
        folder.writeAll(QStringLiteral("Clienti.pro"), bytes + QByteArray(10, 'x'));
        const Run run = verify(folder);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QStringLiteral("Clienti.pro\t2\t10\nClienti.pro\t2\tCodFisc\n"));
    }

    // A journal left by an overwrite that never finished: verifica puts the old card back and says so.
    void interruptedOverwriteIsRolledBackAndReported()
    {
        TempProgramFolder folder;
        appendClients(folder, 3);
        const QString path = folder.file(QStringLiteral("Clienti.pro"));
        const QByteArray before = folder.readAll(QStringLiteral("Clienti.pro"));
        {
            RecordFile file(path, SchedaCliente::layout);
            const QByteArray old = file.read(1).bytes();
            const RollbackJournal journal(path, 2, old, QByteArray(old).replace(5, 80, QByteArray(80, 'Z')));
            QByteArray torn = before;
            torn.replace(3372 + 5, 40, QByteArray(40, 'Z'));
            folder.writeAll(QStringLiteral("Clienti.pro"), torn);
        }
        const Run run = verify(folder);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("Clienti.pro\t3\t0\nClienti.pro\t2\tmodifica interrotta annullata\n"));
        QCOMPARE(folder.readAll(QStringLiteral("Clienti.pro")), before);
        QVERIFY(!RollbackJournal::existsFor(path));
    }

    // A name the searches cannot read records from is a fault of the folder, reported as one.
    void namesThatAreNoFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("error");
        QTest::newRow("folder") << QStringLiteral("folder") << QStringLiteral("Magazzino.pro")
                                << QStringLiteral("Magazzino.pro: è una cartella, non un archivio\n");
        QTest::newRow("year folder") << QStringLiteral("folder") << QStringLiteral("2031.ven")
                                     << QStringLiteral("2031.ven: è una cartella, non un archivio\n");
        QTest::newRow("FIFO") << QStringLiteral("fifo") << QStringLiteral("2030.tel")
                              << QStringLiteral(
                                     "2030.tel: non è un file normale (FIFO, dispositivo o socket)\n");
        QTest::newRow("dangling link")
            << QStringLiteral("dangling") << QStringLiteral("Dipendenti.pro")
            << QStringLiteral("Dipendenti.pro: è un collegamento a un file che non "
                              "esiste\n");
        QTest::newRow("link to a file")
            << QStringLiteral("link") << QStringLiteral("2029.sca")
            << QStringLiteral("2029.sca: è un collegamento, non un file normale\n");
    }

    void namesThatAreNoFile()
    {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(QString, error);
        TempProgramFolder folder;
        appendClients(folder, 1);
        const QString path = folder.file(name);
        if (kind == u"folder")
            QVERIFY(QDir().mkdir(path));
        else if (kind == u"fifo")
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == u"dangling")
            QVERIFY(QFile::link(folder.file(QStringLiteral("manca.pro")), path));
        else {
            folder.writeAll(QStringLiteral("copia.bin"), QByteArray());
            QVERIFY(QFile::link(folder.file(QStringLiteral("copia.bin")), path));
        }
        const Run run = verify(folder);
        QCOMPARE(run.err, error);
        QCOMPARE(run.exitCode, error.isEmpty() ? 0 : 1);
        QVERIFY(run.out.startsWith(QStringLiteral("Clienti.pro\t1\t0\n")));
    }
};

QTEST_GUILESS_MAIN(TestVerifyCommand)
#include "TestVerifyCommand.moc"
