#include "platform/ListReport.h"
#include "platform/ReportPagination.h"

#include <cmath>
#include <QTest>

namespace {

QStringList numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("Riga %1").arg(i);
    return lines;
}

const QDate kPrintDate(2024, 3, 5);

} // namespace

class TestListReport : public QObject
{
    Q_OBJECT

private slots:
    void dataBoxHeight_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("extra");
        QTest::addColumn<double>("boxHeight");
        QTest::newRow("empty list") << 0 << 0 << 0.0;
        QTest::newRow("one line") << 1 << 0 << 12.822;
        QTest::newRow("hundred lines") << 100 << 0 << 1282.2;
        QTest::newRow("lines and a summary") << 100 << 3 << 1320.666;
    }

    void dataBoxHeight()
    {
        QFETCH(int, lines);
        QFETCH(int, extra);
        QFETCH(double, boxHeight);
        const ReportTemplate report = ListReport::build(QStringLiteral("Elenco"), numberedLines(lines),
                                                        numberedLines(extra), kPrintDate);
        const ReportElement* box = report.element(ListReport::linesBox);
        QVERIFY(box);
        QVERIFY(std::abs(box->rect.height() - boxHeight) < 1e-9);
        QVERIFY(std::abs(report.band(ReportBand::Kind::Data)->height - (boxHeight + 10)) < 1e-9);
    }

    void filledTexts()
    {
        const ReportTemplate report = ListReport::build(
            QStringLiteral("Riepilogo profitti"), {QStringLiteral("a  1"), QStringLiteral("b  2")},
            {QStringLiteral("TOTALE PROFITTI: € 3,00")}, kPrintDate);
        QCOMPARE(report.text(ListReport::titleBox), QStringLiteral("Riepilogo profitti"));
        QCOMPARE(report.text(ListReport::linesBox), QStringLiteral("a  1\nb  2\nTOTALE PROFITTI: € 3,00"));
        QCOMPARE(report.text(ListReport::footerBox), QStringLiteral("Stampa eseguita in data 05/03/2024"));
        QCOMPARE(report.orientation(), ReportTemplate::Orientation::Landscape);
        QCOMPARE(report.element(ListReport::linesBox)->font.family, QStringLiteral("Courier New"));
    }

    // Every line lands on exactly one page, whole, with the title on the first page only and the footer at
    // the foot of each.
    void pagination_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("pages");
        QTest::newRow("empty list") << 0 << 1;
        QTest::newRow("first page full") << 51 << 1;
        QTest::newRow("one line more") << 52 << 2;
        QTest::newRow("hundred lines") << 100 << 2;
        QTest::newRow("thousand lines") << 1000 << 19;
    }

    void pagination()
    {
        QFETCH(int, lines);
        QFETCH(int, pages);
        const ReportTemplate report =
            ListReport::build(QStringLiteral("Elenco"), numberedLines(lines), {}, kPrintDate);
        const QList<ReportPageLayout> layout = ReportPagination::paginate(report);
        QCOMPARE(layout.size(), pages);

        const QList<ReportBand>& bands = report.bands();
        const double pageHeight = report.printableSize().height();
        double shown = 0;
        for (qsizetype p = 0; p < layout.size(); ++p) {
            int titles = 0;
            int footers = 0;
            for (const ReportFragment& f : layout[p].fragments) {
                QVERIFY(f.top + f.sliceHeight <= pageHeight + 1e-6);
                switch (bands[f.band].kind) {
                case ReportBand::Kind::Title:
                    ++titles;
                    break;
                case ReportBand::Kind::PageFooter:
                    ++footers;
                    QVERIFY(std::abs(f.top + f.sliceHeight - pageHeight) < 1e-6);
                    break;
                case ReportBand::Kind::Data: {
                    QVERIFY(std::abs(f.sliceTop - shown) < 1e-6);
                    const double lines = f.sliceTop / ListReport::linePitch;
                    QVERIFY(std::abs(lines - std::round(lines)) < 1e-6);
                    shown += f.sliceHeight;
                    break;
                }
                case ReportBand::Kind::Page:
                    QFAIL("the list report has no page band");
                }
            }
            QCOMPARE(titles, p == 0 ? 1 : 0);
            QCOMPARE(footers, 1);
        }
        QVERIFY(shown >= lines * ListReport::linePitch - 1e-6);
    }

    // Bands that may not split move whole to the next page; one taller than any page is cut, not looped on.
    void unsplittableBands_data()
    {
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("second");
        QTest::addColumn<int>("pages");
        QTest::newRow("both fit") << 400.0 << 400.0 << 1;
        QTest::newRow("second moves") << 600.0 << 600.0 << 2;
        QTest::newRow("taller than a page") << 3000.0 << 10.0 << 2;
    }

    void unsplittableBands()
    {
        QFETCH(double, first);
        QFETCH(double, second);
        QFETCH(int, pages);
        ReportTemplate report;
        report.setPageA4(ReportTemplate::Orientation::Portrait, 10);
        for (const double height : {first, second}) {
            ReportBand& band = report.addBand(ReportBand::Kind::Data, height);
            band.addText(QStringLiteral("txt%1").arg(height), {0, 0, 100, height}, {});
        }
        const QList<ReportPageLayout> layout = ReportPagination::paginate(report);
        QCOMPARE(layout.size(), pages);
        QCOMPARE(layout.last().fragments.last().band, 1);
        QCOMPARE(layout.last().fragments.last().sliceHeight, second);
    }
};

QTEST_GUILESS_MAIN(TestListReport)
#include "TestListReport.moc"
