#include "TempProgramFolder.h"
#include "clients/ClientExport.h"
#include "clients/ClientLines.h"
#include "clients/ClientSearch.h"
#include "clients/SchedaCliente.h"
#include "storage/RecordFile.h"

#include <QTest>

using namespace SchedaCliente;

namespace {

Record card(std::initializer_list<std::pair<Field, QString>> fields)
{
    Record record(layout);
    for (const auto& [field, text] : fields)
        record.setText(field, text);
    return record;
}

} // namespace

class TestClientLists : public QObject
{
    Q_OBJECT

private slots:
    void searchAndRecontactLines()
    {
        const Record r = card({{Cliente, QStringLiteral("Rossi Mario")},
                               {Recapito, QStringLiteral("333 1234567 ufficio")},
                               {Occupazione, QStringLiteral("Impiegato")},
                               {Prodotti, QStringLiteral("Fibra")},
                               {Note, QStringLiteral("Richiamare")},
                               {Questioni, QStringLiteral("Fattura")}});
        QCOMPARE(ClientLines::searchLine(r.view()),
                 QStringLiteral("Rossi Mario                 Tel. 333 1234567 uff  Impiegato                  "
                                "Prod. Fibra                           Richiamare"));
        QVERIFY(ClientLines::recontactLine(r.view()).endsWith(QStringLiteral("Fibra                           Fattura")));
    }

    void recontactFlag_data()
    {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<bool>("listed");
        QTest::newRow("Sì") << QStringLiteral("Sì") << true;
        QTest::newRow("No") << QStringLiteral("No") << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("Si without accent") << QStringLiteral("Si") << false;
    }

    void recontactFlag()
    {
        QFETCH(QString, flag);
        QFETCH(bool, listed);
        QCOMPARE(ClientLines::wantsRecontact(card({{Ricontatta, flag}}).view()), listed);
    }

    void searchListsMatchesAndPicksTheLastIdenticalLine()
    {
        TempProgramFolder folder;
        RecordFile file(folder.file(QStringLiteral("Clienti.pro")), layout);
        file.append(card({{Cliente, QStringLiteral("Rossi Anna")}, {ComuneRes, QStringLiteral("Roma")}}));
        file.append(card({{Cliente, QStringLiteral("Verdi Luca")}, {ComuneRes, QStringLiteral("Roma")}}));
        file.append(card({{Cliente, QStringLiteral("Rossi Anna")}, {ComuneRes, QStringLiteral("Roma")},
                          {CodFisc, QStringLiteral("ALTRO")}}));
        const SearchDefinition& search = ClientSearch::definition();

        FieldCriteria criteria;
        criteria.add(Cliente, u"ROSS");
        criteria.add(ComuneRes, u"roma");
        TextTable lines(1, TextTable::Cells::AsGiven);
        search.run(file, criteria, lines);
        QCOMPARE(lines.rowCount(), 2);
        QCOMPARE(search.countLine(lines.rowCount()), QStringLiteral("Il presente riepilogo contiene 2 schede."));

        QCOMPARE(search.pick(file, QStringLiteral("  ") + lines.cell(0, 0)), QList<qint64>({0, 2}));
        QVERIFY(search.pick(file, QStringLiteral("nessuna")).isEmpty());

        TextTable all(1, TextTable::Cells::AsGiven);
        search.run(file, FieldCriteria(), all);
        QCOMPARE(all.rowCount(), 3);
    }

    void exportRowsJoinTheProvinces()
    {
        TempProgramFolder folder;
        RecordFile file(folder.file(QStringLiteral("Clienti.pro")), layout);
        file.append(card({{Cliente, QStringLiteral("Esposito Ciro")},
                          {ComuneNasc, QStringLiteral("Napoli")},
                          {ProvNasc, QStringLiteral("NA")},
                          {ComuneRes, QStringLiteral("Caserta")}}));
        TextTable grid(int(ClientExport::columns().size()));
        RecordGrid::fill(file, ClientExport::columns(), grid);
        QCOMPARE(grid.cell(0, 0), QStringLiteral("Esposito Ciro"));
        QCOMPARE(grid.cell(0, 2), QStringLiteral("Napoli NA"));
        QCOMPARE(grid.cell(0, 5), QStringLiteral("Caserta"));
    }
};

QTEST_GUILESS_MAIN(TestClientLists)
#include "TestClientLists.moc"
