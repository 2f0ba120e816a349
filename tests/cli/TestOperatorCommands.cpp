#include "operators/OperatorContracts.h"
#include "operators/OperatorExport.h"
#include "operators/SchedaOperatore.h"
#include "screens/StorageMessages.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"

#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace SchedaOperatore;

namespace {

struct Run
{
    int exitCode;
    QString out;
    QString err;
};

Run cli(const TempProgramFolder& folder, const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(TELVARA_CLI), QStringList{u"--cartella"_s, folder.path()} + arguments);
    process.waitForFinished();
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

void addCards(const TempProgramFolder& folder, const QList<QList<std::pair<int, QString>>>& cards)
{
    RecordFile file(folder.file(u"Dipendenti.pro"_s), layout);
    for (const auto& fields : cards) {
        Record record(layout);
        for (const auto& [field, text] : fields)
            record.setText(field, text);
        file.append(record);
    }
}

void addStaff(const TempProgramFolder& folder)
{
    addCards(
        folder,
        {{{Cognome, u"Rossi"_s},
          {Nome, u"Anna"_s},
          {Codice, u"Operatrice"_s},
          {Acquisto, u"Tempo pieno"_s},
          {Prodotti, u"Cuffie & PC"_s},
          {Scadenza, u"20/06/2024"_s},
          {Preavviso, u"10"_s}},
         {{Cognome, u"Rossetti"_s}, {Nome, u"Nicolò"_s}, {Scadenza, u"31/02/2024"_s}, {Preavviso, u"5"_s}},
         {{Cognome, u"Verdi"_s}, {Nome, u"Luca"_s}, {Scadenza, u"20/06/2024"_s}, {Preavviso, u"9"_s}},
         {{Cognome, u"Neri"_s}, {Nome, u"Ugo"_s}, {Scadenza, u"09/06/2024"_s}, {Preavviso, u"0"_s}}});
}

} // namespace

class TestOperatorCommands : public QObject
{
    Q_OBJECT

private slots:
    void searchPrintsTheLinesAndTheCount()
    {
        TempProgramFolder folder;
        addStaff(folder);
        const Run run = cli(
            folder, {u"cerca"_s, u"operatori"_s, u"--cognome"_s, u"ROSS"_s, u"--contratto"_s, u"pieno"_s});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out,
                 u"Rossi Anna                    C.F.                   Mans. Operatrice              "
                 u"  Tel.                 Note: \nIl presente riepilogo contiene 1 schede.\n"_s);
        QCOMPARE(cli(folder, {u"cerca"_s, u"operatori"_s}).out.count(u'\n'), 5);
        QCOMPARE(cli(folder, {u"cerca"_s, u"operatori"_s, u"--nome"_s, u"nicolò"_s}).out.count(u'\n'), 2);
        QCOMPARE(cli(folder, {u"cerca"_s, u"operatori"_s, u"--zona"_s, u"x"_s}).exitCode, 2);
    }

    void contractsOfAGivenDay()
    {
        TempProgramFolder folder;
        addStaff(folder);
        const Run run = cli(folder, {u"contratti"_s, u"--oggi"_s, u"10/06/2024"_s});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0].startsWith(u"Rossi Anna "_s));
        QVERIFY(lines[1].startsWith(u"Neri Ugo "_s));
        QCOMPARE(run.err, StorageMessages::cardsLeftOut(1) + u'\n');

        // The same lines as the window's list.
        TextTable expected(1, TextTable::Cells::AsGiven);
        QCOMPARE(OperatorContracts::list(RecordFile(folder.file(u"Dipendenti.pro"_s), layout),
                                         QDate(2024, 6, 10), expected),
                 1);
        QCOMPARE(lines[0], expected.cell(0, 0));

        QCOMPARE(cli(folder, {u"contratti"_s, u"--oggi"_s, u"08/06/2024"_s}).out, QString());
        QCOMPARE(cli(folder, {u"contratti"_s, u"--oggi"_s, u"31/06/2024"_s}).exitCode, 2);
        QCOMPARE(cli(folder, {u"contratti"_s}).exitCode, 0);
    }

    void exportWritesTheWindowsBytes()
    {
        TempProgramFolder folder;
        addStaff(folder);
        const Run run = cli(folder, {u"esporta"_s, u"operatori"_s});
        QCOMPARE(run.exitCode, 0);
        const QByteArray written = folder.readAll(u"Personale_Interno.xls"_s);
        QVERIFY(written.contains("Cuffie &amp; PC"));

        TextTable rows(int(OperatorExport::columns().size()));
        OperatorExport::definition().fill(rows);
        RecordGrid::write(folder.file(u"Atteso.xls"_s), OperatorExport::target().sheetName,
                          OperatorExport::columns(), rows);
        QCOMPARE(written, folder.readAll(u"Atteso.xls"_s));
    }
};

QTEST_GUILESS_MAIN(TestOperatorCommands)
#include "TestOperatorCommands.moc"
