#include "screens/PieLabels.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The labels outside a pie: those of neighbouring small slices are moved apart, the others keep the
// chart's own arm.
class TestPieLabels : public QObject
{
    Q_OBJECT

private slots:
    void noTwoLabelsOfASideShareALine_data()
    {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<double>("lineHeight");
        QTest::newRow("small May, June and July")
            << QList<double>{900, 800, 700, 600, 12, 10, 9, 700, 600, 500, 400, 300} << 0.12;
        QTest::newRow("small months at twelve o'clock")
            << QList<double>{3, 2, 4, 900, 800, 700, 600, 700, 600, 500, 400, 2} << 0.12;
        QTest::newRow("small months at six o'clock")
            << QList<double>{500, 500, 500, 500, 500, 2, 3, 2, 500, 500, 500, 500} << 0.12;
        QTest::newRow("one large month among small ones")
            << QList<double>{1000, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1} << 0.08;
        QTest::newRow("empty months have no label")
            << QList<double>{0, 0, 5, 0, 0, 6, 0, 0, 7, 0, 0, 0} << 0.12;
    }

    void noTwoLabelsOfASideShareALine()
    {
        QFETCH(QList<double>, values);
        QFETCH(double, lineHeight);
        const QList<PieLabels::Slice> slices = PieLabels::slices(values);
        const QList<double> arms = PieLabels::armLengths(slices, lineHeight, 0.15);
        QCOMPARE(arms.size(), values.size());
        for (qsizetype i = 0; i < slices.size(); ++i) {
            QVERIFY(arms.at(i) >= 0.15);
            for (qsizetype j = i + 1; j < slices.size(); ++j) {
                const PieLabels::Slice& a = slices.at(i);
                const PieLabels::Slice& b = slices.at(j);
                if (!a.labelled || !b.labelled || (a.middleAngle < 180) != (b.middleAngle < 180))
                    continue;
                const double apart = qAbs(PieLabels::baseline(a.middleAngle, arms.at(i)) -
                                          PieLabels::baseline(b.middleAngle, arms.at(j)));
                QVERIFY2(apart >= lineHeight - 1e-9,
                         qPrintable(u"months %1 and %2: %3"_s.arg(i + 1).arg(j + 1).arg(apart)));
            }
        }
    }

    // Labels with room to spare keep the chart's own arm.
    void uncrowdedLabelsKeepTheirArm()
    {
        const QList<double> arms = PieLabels::armLengths(PieLabels::slices(QList<double>(12, 1)), 0.1, 0.15);
        for (double arm : arms)
            QCOMPARE(arm, 0.15);
    }
};

QTEST_MAIN(TestPieLabels)
#include "TestPieLabels.moc"
