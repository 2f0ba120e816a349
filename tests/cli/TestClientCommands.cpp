#include "TempProgramFolder.h"
#include "clients/SchedaCliente.h"
#include "storage/RecordFile.h"

#include <QProcess>
#include <QTest>

using namespace SchedaCliente;

namespace {

struct Run
{
    int exitCode;
    QString out;
};

Run cli(const TempProgramFolder& folder, const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(TELVARA_CLI), QStringList({QStringLiteral("--cartella"), folder.path()}) + arguments);
    process.waitForFinished();
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
}

void addCard(const TempProgramFolder& folder, const QString& name, const QString& town, const QString& province,
             const QString& note)
{
    RecordFile file(folder.file(QStringLiteral("Clienti.pro")), layout);
    Record record(layout);
    record.setText(Cliente, name);
    record.setText(ComuneNasc, town);
    record.setText(ProvNasc, province);
    record.setText(Note, note);
    file.append(record);
}

} // namespace

class TestClientCommands : public QObject
{
    Q_OBJECT

private slots:
    void searchPrintsTheLinesAndTheCount()
    {
        TempProgramFolder folder;
        addCard(folder, QStringLiteral("Rossi Mario"), {}, {}, QStringLiteral("cliente storico"));
        addCard(folder, QStringLiteral("Verdi Anna"), {}, {}, {});
        const Run run = cli(folder, {QStringLiteral("cerca"), QStringLiteral("clienti"), QStringLiteral("--cliente"),
                                     QStringLiteral("rossi")});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.out.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].startsWith(QStringLiteral("Rossi Mario ")));
        QVERIFY(lines[0].endsWith(QStringLiteral("  cliente storico")));
        QCOMPARE(lines[1], QStringLiteral("Il presente riepilogo contiene 1 schede."));

        QCOMPARE(cli(folder, {QStringLiteral("cerca"), QStringLiteral("clienti")}).out.count(QLatin1Char('\n')), 3);
        QCOMPARE(cli(folder, {QStringLiteral("cerca"), QStringLiteral("clienti"), QStringLiteral("--nome")}).exitCode, 2);
    }

    void exportWritesTheSpreadsheet()
    {
        TempProgramFolder folder;
        QCOMPARE(cli(folder, {QStringLiteral("esporta"), QStringLiteral("clienti")}).exitCode, 0);
        const QByteArray empty = folder.readAll(QStringLiteral("Clienti.xls"));
        QVERIFY(empty.endsWith("<td style=\"text-align: left; font-weight: bold;\" width=300>Note</td></tr>"
                               "</table></body></html>"));

        addCard(folder, QStringLiteral("Esposito Ciro"), QStringLiteral("Napoli"), QStringLiteral("NA"),
                QStringLiteral("Rossi & figli <srl>"));
        addCard(folder, QStringLiteral("Bianchi"), QStringLiteral("Torino"), {}, {});
        QCOMPARE(cli(folder, {QStringLiteral("esporta"), QStringLiteral("clienti")}).exitCode, 0);
        const QByteArray bytes = folder.readAll(QStringLiteral("Clienti.xls"));
        const QByteArray cell = "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">";
        QVERIFY(bytes.contains(cell + "Esposito Ciro</td>" + cell + "</td>" + cell + "Napoli NA</td>"));
        QVERIFY(bytes.contains(cell + "Bianchi</td>" + cell + "</td>" + cell + "Torino</td>"));
        QVERIFY(bytes.contains(cell + "Rossi &amp; figli &lt;srl&gt;</td></tr>"));
        QVERIFY(bytes.indexOf("Esposito") < bytes.indexOf("Bianchi"));
        QVERIFY(bytes.startsWith(empty.left(empty.size() - int(qstrlen("</table></body></html>")))));
    }
};

QTEST_GUILESS_MAIN(TestClientCommands)
#include "TestClientCommands.moc"
