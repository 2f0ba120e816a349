#include "TempProgramFolder.h"
#include "calls/SchedaChiamata.h"
#include "clients/ClientHistory.h"
#include "sales/SchedaVendita.h"
#include "platform/ProgramFolder.h"
#include "storage/RecordFile.h"

#include <QTest>

using ClientHistory::Kind;

namespace {

const QString kClient = QStringLiteral("RSSMRA80A01H501U");

void addSale(const TempProgramFolder& folder, const QString& codFisc, const QString& amount)
{
    RecordFile file(folder.file(QStringLiteral("2026.ven")), SchedaVendita::layout);
    Record sale(SchedaVendita::layout);
    sale.setText(SchedaVendita::DataRit, QStringLiteral("03/02/2026"));
    sale.setText(SchedaVendita::OraRit, QStringLiteral("10:15"));
    sale.setText(SchedaVendita::Codice, QStringLiteral("ART-1"));
    sale.setText(SchedaVendita::Importo, amount);
    sale.setText(SchedaVendita::Tipologia, QStringLiteral("Servizio"));
    sale.setText(SchedaVendita::Descrizione, QStringLiteral("Canone annuale"));
    sale.setText(SchedaVendita::CodFisc, codFisc);
    file.append(sale);
}

ClientHistory::Result collect(Kind kind, const QString& year = QStringLiteral("2026"))
{
    const ClientHistory::Definition& history = ClientHistory::definition(kind);
    ClientHistory::Result result;
    const RecordFile file(*ProgramFolder::yearFile(year, QString::fromLatin1(history.extension)),
                          history.layout);
    ClientHistory::collect(file, history, kClient, result);
    return result;
}

} // namespace

class TestClientHistory : public QObject
{
    Q_OBJECT

private slots:
    void salesTotal_data()
    {
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<QString>("total");
        QTest::newRow("none") << QStringList() << QStringLiteral("€ 0,00");
        QTest::newRow("10,5 + 2") << QStringList({QStringLiteral("10,5"), QStringLiteral("2")}) << QStringLiteral("€ 12,50");
        QTest::newRow("12") << QStringList({QStringLiteral("12")}) << QStringLiteral("€ 12,00");
        QTest::newRow("three decimals") << QStringList({QStringLiteral("12,345")}) << QStringLiteral("€ 12,345");
    }

    void salesTotal()
    {
        QFETCH(QStringList, amounts);
        QFETCH(QString, total);
        TempProgramFolder folder;
        for (const QString& amount : amounts)
            addSale(folder, kClient, amount);
        addSale(folder, kClient.toLower(), QStringLiteral("100"));
        const ClientHistory::Result result = collect(Kind::Sales);
        QVERIFY(result.complete);
        QCOMPARE(result.lines.rowCount(), amounts.size());
        QCOMPARE(ClientHistory::totalText(ClientHistory::definition(Kind::Sales), result), total);
    }

    void saleLine()
    {
        TempProgramFolder folder;
        addSale(folder, QStringLiteral(" ") + kClient, QStringLiteral("10,5"));
        QCOMPARE(collect(Kind::Sales).lines.cell(0, 0),
                 QStringLiteral("Data: 03/02/2026  Ora: 10:15  Cod. art. ART-1                 € 10,5          "
                                "Tipo: Servizio                   Canone annuale"));
    }

    void unreadableAmountStopsTheList()
    {
        TempProgramFolder folder;
        addSale(folder, kClient, QStringLiteral("5"));
        addSale(folder, kClient, QStringLiteral("cinque"));
        addSale(folder, kClient, QStringLiteral("7"));
        const ClientHistory::Result result = collect(Kind::Sales);
        QVERIFY(!result.complete);
        QCOMPARE(result.lines.rowCount(), 2);
    }

    void callsCountAndAMissingYearIsCreated()
    {
        TempProgramFolder folder;
        QCOMPARE(collect(Kind::Calls, QStringLiteral("2019")).lines.rowCount(), 0);
        QVERIFY(QFile::exists(folder.file(QStringLiteral("2019.tel"))));
        {
            RecordFile file(folder.file(QStringLiteral("2026.tel")), SchedaChiamata::layout);
            Record call(SchedaChiamata::layout);
            call.setText(SchedaChiamata::CodFisc, kClient);
            for (int i = 0; i < 3; ++i)
                file.append(call);
        }
        const ClientHistory::Definition& calls = ClientHistory::definition(Kind::Calls);
        const QString total = ClientHistory::totalText(calls, collect(Kind::Calls));
        QCOMPARE(total, QStringLiteral("3"));
        QCOMPARE(ClientHistory::printTitle(calls, kClient, total),
                 QStringLiteral("Chiamate fatte al cliente con codice fiscale RSSMRA80A01H501U   -   Totale chiamate: 3"));
    }
};

QTEST_GUILESS_MAIN(TestClientHistory)
#include "TestClientHistory.moc"
