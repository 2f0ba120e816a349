#include "TempProgramFolder.h"
#include "calls/SchedaChiamata.h"
#include "clients/SchedaCliente.h"
#include "storage/RecordFile.h"

#include <QProcess>
#include <QTest>

namespace {

struct Run
{
    int exitCode;
    QString out;
};

Run verify(const TempProgramFolder& folder)
{
    QProcess process;
    process.start(QStringLiteral(TELVARA_CLI),
                  {QStringLiteral("--cartella"), folder.path(), QStringLiteral("verifica")});
    process.waitForFinished();
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
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
};

QTEST_GUILESS_MAIN(TestVerifyCommand)
#include "TestVerifyCommand.moc"
