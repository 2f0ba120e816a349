#include "calls/SchedaChiamata.h"
#include "sales/SchedaVendita.h"
#include "screens/PrintCopies.h"
#include "stats/MonthlyFigures.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Sales of the 2024 file as (date, amount).
using Sales = QList<std::pair<QString, QString>>;

void writeSales(const TempProgramFolder& folder, const Sales& sales)
{
    RecordFile file(folder.file(u"2024.ven"_s), SchedaVendita::layout);
    for (const auto& [date, amount] : sales) {
        Record record(SchedaVendita::layout);
        record.setText(SchedaVendita::DataRit, date);
        record.setText(SchedaVendita::Importo, amount);
        record.setText(SchedaVendita::Cliente, u"Rossi Mario"_s);
        file.append(record);
    }
}

MonthlyTotals income(const TempProgramFolder& folder)
{
    return MonthlyFigures::income(RecordFile(folder.file(u"2024.ven"_s), SchedaVendita::layout), u"2024"_s);
}

QList<qint64> rounded(const MonthlyTotals& totals)
{
    QList<qint64> values;
    for (const qint64 value : totals.rounded())
        values.append(value);
    return values;
}

QList<qint64> months(std::initializer_list<std::pair<int, qint64>> values)
{
    QList<qint64> all(12, 0);
    for (const auto& [month, value] : values)
        all[month - 1] = value;
    return all;
}

} // namespace

// The figures of the monthly charts, read from a year file as the chart windows and telvara-cli read them.
class TestMonthlyFigures : public QObject
{
    Q_OBJECT

private slots:
    void incomeByMonth_data()
    {
        QTest::addColumn<Sales>("sales");
        QTest::addColumn<QList<qint64>>("expected");
        QTest::newRow("two March sales rounded together")
            << Sales{{u"05/03/2024"_s, u"10,40"_s}, {u"20/03/2024"_s, u"20,20"_s}} << months({{3, 31}});
        QTest::newRow("a half goes up") << Sales{{u"01/01/2024"_s, u"0,50"_s}} << months({{1, 1}});
        QTest::newRow("under a half goes down") << Sales{{u"01/01/2024"_s, u"0,49"_s}} << months({{1, 0}});
        QTest::newRow("other years and odd dates count nowhere") << Sales{{u"01/02/2023"_s, u"100"_s},
                                                                          {u"01/13/2024"_s, u"100"_s},
                                                                          {u"1/2/2024"_s, u"100"_s},
                                                                          {u"31/12/2024"_s, u"7"_s}}
                                                                 << months({{12, 7}});
        QTest::newRow("no sale") << Sales{} << months({});
    }

    void incomeByMonth()
    {
        QFETCH(Sales, sales);
        QFETCH(QList<qint64>, expected);
        TempProgramFolder folder;
        writeSales(folder, sales);
        const MonthlyTotals totals = income(folder);
        QCOMPARE(rounded(totals), expected);
        QCOMPARE(totals.skipped, 0);
    }

    void anUnreadableAmountIsLeftOutAndCounted()
    {
        TempProgramFolder folder;
        writeSales(folder, {{u"01/04/2024"_s, u"10"_s},
                            {u"02/04/2024"_s, u"1,2,3"_s},
                            {u"03/04/2024"_s, u"5,5"_s},
                            {u"04/05/2024"_s, u""_s}});
        const MonthlyTotals totals = income(folder);
        QCOMPARE(rounded(totals), months({{4, 16}}));
        QCOMPARE(totals.skipped, 2);
    }

    void aYearWithoutItsFileChartsZerosAndMakesTheFile()
    {
        TempProgramFolder folder;
        QCOMPARE(rounded(income(folder)), months({}));
        QVERIFY(QFile::exists(folder.file(u"2024.ven"_s)));
    }

    void callsByMonth()
    {
        TempProgramFolder folder;
        {
            RecordFile file(folder.file(u"2024.tel"_s), SchedaChiamata::layout);
            for (const QString& date : {u"02/01/2024"_s, u"15/01/2024"_s, u"31/01/2024"_s, u"24/12/2024"_s,
                                        u"24/12/2023"_s, u"xx/00/2024"_s}) {
                Record record(SchedaChiamata::layout);
                record.setText(SchedaChiamata::DataRit, date);
                file.append(record);
            }
        }
        const MonthlyTotals totals =
            MonthlyFigures::calls(RecordFile(folder.file(u"2024.tel"_s), SchedaChiamata::layout), u"2024"_s);
        QCOMPARE(rounded(totals), months({{1, 3}, {12, 1}}));
    }

    // 0 stands for a number out of range, which is told instead of printed.
    void copiesToPrint_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("copies");
        QTest::newRow("one") << u"1"_s << 1;
        QTest::newRow("blanks around") << u" 3 "_s << 3;
        QTest::newRow("empty") << u""_s << 1;
        QTest::newRow("not a number") << u"due"_s << 1;
        QTest::newRow("a sign") << u"-2"_s << 1;
        QTest::newRow("zero") << u"0"_s << 0;
        QTest::newRow("the most") << u"99"_s << 99;
        QTest::newRow("past the most") << u"100"_s << 0;
        QTest::newRow("digits enough to overflow") << u"99999999999999999999999"_s << 0;
    }

    void copiesToPrint()
    {
        QFETCH(QString, answer);
        QFETCH(int, copies);
        QCOMPARE(printCopies(answer).value_or(0), copies);
    }
};

QTEST_GUILESS_MAIN(TestMonthlyFigures)
#include "TestMonthlyFigures.moc"
