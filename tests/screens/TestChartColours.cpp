#include "screens/ChartColours.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The value written inside a chart's bar is black or white, whichever reads better on the bar's colour,
// and reads at least as well as the guidelines ask of large text.
class TestChartColours : public QObject
{
    Q_OBJECT

private slots:
    void theContrastOfKnownPairs_data()
    {
        QTest::addColumn<quint32>("first");
        QTest::addColumn<quint32>("second");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << 0x000000u << 0xFFFFFFu << 21.0;
        QTest::newRow("white on black") << 0xFFFFFFu << 0x000000u << 21.0;
        QTest::newRow("the same grey") << 0x808080u << 0x808080u << 1.0;
        QTest::newRow("white on blue") << 0xFFFFFFu << 0x0000FFu << 8.59;
        QTest::newRow("black on blue") << 0x000000u << 0x0000FFu << 2.44;
        QTest::newRow("white on mid grey") << 0xFFFFFFu << 0x777777u << 4.48;
    }

    void theContrastOfKnownPairs()
    {
        QFETCH(quint32, first);
        QFETCH(quint32, second);
        QFETCH(double, ratio);
        QVERIFY2(qAbs(ChartColours::contrast(first, second) - ratio) < 0.01,
                 qPrintable(QString::number(ChartColours::contrast(first, second))));
    }

    void eachMonthsBarGetsTheLabelThatReadsBetter_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<quint32>("bar");
        QTest::addColumn<quint32>("label");
        const quint32 black = 0x000000;
        const quint32 white = 0xFFFFFF;
        QTest::newRow("Gennaio, red") << 0 << 0xFF0000u << black;
        QTest::newRow("Febbraio, blue") << 1 << 0x0000FFu << white;
        QTest::newRow("Marzo, bisque") << 2 << 0xFFE4C4u << black;
        QTest::newRow("Aprile, magenta") << 3 << 0xFF00FFu << black;
        QTest::newRow("Maggio, money green") << 4 << 0xC0DCC0u << black;
        QTest::newRow("Giugno, yellow") << 5 << 0xFFFF00u << black;
        QTest::newRow("Luglio, lime") << 6 << 0x00FF00u << black;
        QTest::newRow("Agosto, silver") << 7 << 0xC0C0C0u << black;
        QTest::newRow("Settembre, sky white") << 8 << 0xF0FBFFu << black;
        QTest::newRow("Ottobre, sky blue") << 9 << 0x87CEEBu << black;
        QTest::newRow("Novembre, maroon") << 10 << 0x800000u << white;
        QTest::newRow("Dicembre, green") << 11 << 0x008000u << white;
    }

    void eachMonthsBarGetsTheLabelThatReadsBetter()
    {
        QFETCH(int, month);
        QFETCH(quint32, bar);
        QFETCH(quint32, label);
        QCOMPARE(ChartColours::months().at(std::size_t(month)), bar);
        QCOMPARE(ChartColours::labelOn(bar), label);
        const quint32 other = label == 0 ? 0xFFFFFFu : 0u;
        QVERIFY(ChartColours::contrast(bar, label) > ChartColours::contrast(bar, other));
        // Large bold text needs 3:1; every month's label reaches it.
        QVERIFY2(ChartColours::contrast(bar, label) >= 3.0,
                 qPrintable(QString::number(ChartColours::contrast(bar, label))));
    }
};

QTEST_GUILESS_MAIN(TestChartColours)
#include "TestChartColours.moc"
