#include "TempProgramFolder.h"
#include "calls/CallGrid.h"
#include "calls/CallLines.h"
#include "calls/CallSearch.h"
#include "calls/SchedaChiamata.h"
#include "storage/RecordFile.h"

#include <QTest>

using namespace SchedaChiamata;

namespace {

Record call(const QString& day, const QString& month, const QString& year, const QString& time,
            const QString& subject)
{
    Record record(layout);
    record.setText(GiornoRit, day);
    record.setText(MeseRit, month);
    record.setText(AnnoRit, year);
    record.setText(DataRit, day + u'/' + QStringLiteral("%1").arg(month == QStringLiteral("Maggio") ? 5 : 2, 2, 10, QLatin1Char('0')) + u'/' + year);
    record.setText(OraRit, time);
    record.setText(Oggetto, subject);
    record.setText(Cliente, QStringLiteral("Rossi Mario"));
    record.setText(CodFisc, QStringLiteral("RSSMRA80A01H501U"));
    record.setText(Recapito, QStringLiteral("ufficio"));
    return record;
}

} // namespace

class TestCallLists : public QObject
{
    Q_OBJECT

private slots:
    void searchLine()
    {
        QCOMPARE(CallLines::line(call(QStringLiteral("05"), QStringLiteral("Maggio"), QStringLiteral("2026"),
                                      QStringLiteral("09:30"), QStringLiteral("Offerta fibra"))
                                     .view()),
                 QStringLiteral("Data: 05/05/2026  Ora: 09:30  Oggetto: Offerta fibra                   "
                                "Cliente: Rossi Mario                     CF: RSSMRA80A01H501U  Tel. ufficio"));
    }

    void summariesKeepRegistrationOrder_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QStringList>("subjects");
        QTest::newRow("year") << QString() << QString()
                              << QStringList({QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("c")});
        QTest::newRow("month in capitals") << QStringLiteral("MAGGIO") << QString()
                                           << QStringList({QStringLiteral("b"), QStringLiteral("a")});
        QTest::newRow("day") << QStringLiteral("maggio") << QStringLiteral("05") << QStringList({QStringLiteral("a")});
        QTest::newRow("31 February") << QStringLiteral("FEBBRAIO") << QStringLiteral("31") << QStringList();
    }

    void summariesKeepRegistrationOrder()
    {
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(QStringList, subjects);
        TempProgramFolder folder;
        RecordFile file(folder.file(QStringLiteral("2026.tel")), layout);
        file.append(call(QStringLiteral("20"), QStringLiteral("Maggio"), QStringLiteral("2026"), QStringLiteral("18:00"), QStringLiteral("b")));
        file.append(call(QStringLiteral("05"), QStringLiteral("Maggio"), QStringLiteral("2026"), QStringLiteral("08:00"), QStringLiteral("a")));
        file.append(call(QStringLiteral("01"), QStringLiteral("Febbraio"), QStringLiteral("2026"), QStringLiteral("10:00"), QStringLiteral("c")));
        file.append(call(QStringLiteral("05"), QStringLiteral("Maggio"), QStringLiteral("2025"), QStringLiteral("10:00"), QStringLiteral("x")));
        TextTable grid(16);
        RecordGrid::fill(file, CallGrid::summaryColumns(), grid, CallGrid::filter(QStringLiteral("2026"), month, day));
        QStringList seen;
        for (qsizetype r = 0; r < grid.rowCount(); ++r)
            seen.append(grid.cell(r, 2));
        QCOMPARE(seen, subjects);
    }

    void searchByMonthAndDate()
    {
        TempProgramFolder folder;
        RecordFile file(folder.file(QStringLiteral("2026.tel")), layout);
        file.append(call(QStringLiteral("20"), QStringLiteral("Maggio"), QStringLiteral("2026"), QStringLiteral("18:00"), QStringLiteral("b")));
        file.append(call(QStringLiteral("01"), QStringLiteral("Febbraio"), QStringLiteral("2026"), QStringLiteral("10:00"), QStringLiteral("c")));
        const SearchDefinition& search = CallSearch::definition();
        FieldCriteria month;
        month.add(MeseRit, u"MAG");
        TextTable lines(1, TextTable::Cells::AsGiven);
        search.run(file, month, lines);
        QCOMPARE(lines.rowCount(), 1);
        FieldCriteria date;
        date.add(DataRit, u"02/2026");
        TextTable byDate(1, TextTable::Cells::AsGiven);
        search.run(file, date, byDate);
        QCOMPARE(byDate.rowCount(), 1);
        QVERIFY(byDate.cell(0, 0).contains(QStringLiteral("Oggetto: c ")));
    }
};

QTEST_GUILESS_MAIN(TestCallLists)
#include "TestCallLists.moc"
