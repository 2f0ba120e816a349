#include "calls/SchedaChiamata.h"
#include "PdfTools.h"
#include "platform/QtReportOutput.h"
#include "RecordingReportOutput.h"
#include "sales/SchedaVendita.h"
#include "screens/ChartColours.h"
#include "screens/WindowRegistry.h"
#include "ServiceDoubles.h"
#include "stats/TfrmMenuStats.h"
#include "stats/TfrmMenuStatsTel.h"
#include "stats/TfrmStatsEntrate.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"
#include "WiredRegistry.h"

#include <QApplication>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTest>
#include <QValueAxis>

using namespace Qt::StringLiterals;
using Kind = Messages::Kind;
using Shown = RecordedMessages::Shown;

namespace {

void sale(RecordFile& file, const QString& date, const QString& amount)
{
    Record record(SchedaVendita::layout);
    record.setText(SchedaVendita::DataRit, date);
    record.setText(SchedaVendita::Importo, amount);
    file.append(record);
}

struct Fixture
{
    Fixture() { services.clock.set(QDateTime(QDate(2024, 3, 15), QTime(10, 30))); }

    TempProgramFolder folder;
    ServiceDoubles services;
    RecordingReportOutput reports;
    WiredRegistry registry;
};

QList<qint64> march(qint64 value)
{
    QList<qint64> values(12, 0);
    values[2] = value;
    return values;
}

// The texts the chart view shows: title, axis labels, legend, values.
QStringList shownTexts(ChartWindow& window)
{
    QStringList texts;
    for (const QGraphicsItem* item : window.findChild<QChartView*>(u"ChartStats"_s)->scene()->items()) {
        if (!item->isVisible())
            continue;
        if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item))
            texts.append(text->toPlainText());
        else if (const auto* simple = dynamic_cast<const QGraphicsSimpleTextItem*>(item))
            texts.append(simple->text());
    }
    return texts;
}

QAbstractSeries* drawn(ChartWindow& window)
{
    const QList<QAbstractSeries*> series = window.findChild<QChartView*>(u"ChartStats"_s)->chart()->series();
    return series.size() == 1 ? series.first() : nullptr;
}

// Whether the rows from top to bottom of the image are all of one colour.
bool blank(const QImage& image, int top, int bottom)
{
    const QRgb first = image.pixel(0, top);
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < image.width(); x += 2)
            if (image.pixel(x, y) != first)
                return false;
    return true;
}

} // namespace

// The year windows of the two charts and the chart window: the year check, what the chart draws from
// the year file, the switch between bars and pie, and the print with its copies on a landscape page.
class TestChartWindows : public QObject
{
    Q_OBJECT

private slots:
    void theYearWindowsOpenTheirChartForFourDigits_data()
    {
        QTest::addColumn<bool>("income");
        QTest::addColumn<QString>("chart");
        QTest::newRow("income") << true << u"TfrmStatsEntrate"_s;
        QTest::newRow("calls") << false << u"TfrmStatsTelefonate"_s;
    }

    void theYearWindowsOpenTheirChartForFourDigits()
    {
        QFETCH(bool, income);
        QFETCH(QString, chart);
        Fixture f;
        std::unique_ptr<YearMenu> menu(income ? static_cast<YearMenu*>(new TfrmMenuStats(f.registry))
                                              : new TfrmMenuStatsTel(f.registry));
        menu->open();
        auto* year = menu->findChild<QLineEdit*>(u"txtAnnoPreventivi"_s);
        auto* show = menu->findChild<QPushButton*>(u"btnApriPreventivi"_s);
        QCOMPARE(year->text(), u"2024"_s);
        QCOMPARE(show->text(), u"Visualizza"_s);

        year->setText(u"202"_s);
        show->click();
        const QList<Shown> warned{
            {Kind::Warning, u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_s}};
        QCOMPARE(f.services.messages.take(), warned);
        QVERIFY(f.services.modal.shown().isEmpty());

        year->setText(u"2023"_s);
        QString heading;
        f.services.modal.setNextScript([&heading](QDialog& window) {
            heading = window.findChild<QLabel*>(u"lblTitolo"_s)->text();
            return 0;
        });
        show->click();
        QCOMPARE(f.services.modal.shown(), QStringList{chart});
        QVERIFY(heading.endsWith(u"dell'anno 2023."_s));
        QVERIFY(menu->isVisible());
        QVERIFY(QFile::exists(f.folder.file(income ? u"2023.ven"_s : u"2023.tel"_s)));
    }

    void barsAndPieDrawTheSameMonths()
    {
        Fixture f;
        {
            RecordFile file(f.folder.file(u"2024.ven"_s), SchedaVendita::layout);
            sale(file, u"05/03/2024"_s, u"10,40"_s);
            sale(file, u"20/03/2024"_s, u"20,20"_s);
        }
        TfrmStatsEntrate window(u"2024"_s);
        window.show();
        QCOMPARE(window.values(), march(31));
        QCOMPARE(window.findChild<QLabel*>(u"memMarzo"_s)->text(), u"31"_s);
        QVERIFY(f.services.messages.shown().isEmpty());

        auto* bars = qobject_cast<QStackedBarSeries*>(drawn(window));
        QVERIFY(bars);
        QCOMPARE(bars->count(), 12);
        QCOMPARE(bars->barSets().at(2)->label(), u"Marzo"_s);
        QCOMPARE(bars->barSets().at(2)->at(2), 31.0);
        QCOMPARE(bars->barSets().at(2)->color(), QColor(0xFF, 0xE4, 0xC4));
        // The value inside a bar reads against its colour: white on February's blue, black on March's.
        QCOMPARE(bars->barSets().at(1)->labelColor(), QColor(Qt::white));
        QCOMPARE(bars->barSets().at(2)->labelColor(), QColor(Qt::black));

        // Laid out and drawn as bars first, as a user sees it.
        QApplication::processEvents();
        QVERIFY(shownTexts(window).contains(u"Mar"_s));
        window.findChild<QPushButton*>(u"btnTorta"_s)->click();
        QApplication::processEvents();
        auto* pie = qobject_cast<QPieSeries*>(drawn(window));
        QVERIFY(pie);
        QCOMPARE(pie->count(), 12);
        QCOMPARE(pie->slices().at(2)->value(), 31.0);
        QCOMPARE(pie->slices().at(11)->color(), QColor(0x00, 0x80, 0x00));
        // The pie is drawn alone: no month axis of the bars is left behind it, and the legend names the
        // months, the figures being on the slices.
        QVERIFY(!shownTexts(window).contains(u"Mar"_s));
        QVERIFY(shownTexts(window).contains(u"Marzo 31"_s));
        const QList<QLegendMarker*> markers =
            window.findChild<QChartView*>(u"ChartStats"_s)->chart()->legend()->markers();
        QCOMPARE(markers.size(), 12);
        QCOMPARE(markers.at(2)->label(), u"Marzo"_s);
        // Every month's swatch shows on the white legend, the palest (September's) too: by its colour or
        // by its outline.
        for (const QLegendMarker* marker : markers) {
            const quint32 fill = marker->brush().color().rgb() & 0xFFFFFF;
            const quint32 outline =
                marker->pen().style() == Qt::NoPen ? 0xFFFFFF : marker->pen().color().rgb() & 0xFFFFFF;
            QVERIFY2(
                qMax(ChartColours::contrast(fill, 0xFFFFFF), ChartColours::contrast(outline, 0xFFFFFF)) >= 3,
                qPrintable(marker->label()));
        }

        window.findChild<QPushButton*>(u"btnBarre"_s)->click();
        QVERIFY(qobject_cast<QStackedBarSeries*>(drawn(window)));
        QVERIFY(shownTexts(window).contains(u"Mar"_s));
        QCOMPARE(window.values(), march(31));
    }

    // The labels of neighbouring small slices (May, June and July here) stand apart: every month's
    // label is drawn, and no two overlap, whatever the size of the window.
    // The figures inside the bars are the whole euros, however large, never in exponent form; and every
    // month's swatch in the legend stands out from the white by its outline.
    void barFiguresAreWholeEurosAndSwatchesAreOutlined()
    {
        Fixture f;
        {
            RecordFile file(f.folder.file(u"2024.ven"_s), SchedaVendita::layout);
            for (int month = 1; month <= 12; ++month)
                sale(file, u"05/%1/2024"_s.arg(month, 2, 10, QChar(u'0')), QString::number(month * 1234567));
        }
        TfrmStatsEntrate window(u"2024"_s);
        window.resize(1024, 700);
        window.show();
        QApplication::processEvents();
        const QStringList texts = shownTexts(window);
        QVERIFY2(texts.contains(u"14814804"_s), qPrintable(texts.join(u", "_s)));
        for (const QString& text : texts)
            QVERIFY2(!text.contains(u"e+"_s), qPrintable(text));
        for (const QLegendMarker* marker :
             window.findChild<QChartView*>(u"ChartStats"_s)->chart()->legend()->markers())
            QVERIFY2(ChartColours::contrast(marker->pen().color().rgb() & 0xFFFFFF, 0xFFFFFF) >= 7,
                     qPrintable(marker->label()));
    }

    // Pictures of the chart to look at: set TELVARA_SCREENSHOTS to a folder to get them.
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("TELVARA_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("TELVARA_SCREENSHOTS not set");
        QDir().mkpath(folder);
        Fixture f;
        {
            RecordFile file(f.folder.file(u"2024.ven"_s), SchedaVendita::layout);
            for (int month = 1; month <= 12; ++month)
                sale(file, u"05/%1/2024"_s.arg(month, 2, 10, QChar(u'0')), QString::number(month * 1234567));
        }
        TfrmStatsEntrate window(u"2024"_s);
        window.resize(1024, 700);
        window.show();
        QApplication::processEvents();
        window.grab().save(folder + u"/TfrmStatsEntrate-barre.png"_s);
        window.findChild<QPushButton*>(u"btnTorta"_s)->click();
        QApplication::processEvents();
        window.grab().save(folder + u"/TfrmStatsEntrate-torta.png"_s);
    }

    void pieLabelsOfSmallNeighboursStandApart_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("small") << QSize(700, 560);
        QTest::newRow("large") << QSize(1200, 900);
    }

    void pieLabelsOfSmallNeighboursStandApart()
    {
        QFETCH(QSize, size);
        Fixture f;
        {
            RecordFile file(f.folder.file(u"2024.ven"_s), SchedaVendita::layout);
            const int amounts[] = {900, 800, 700, 600, 12, 10, 9, 700, 600, 500, 400, 300};
            for (int month = 1; month <= 12; ++month)
                sale(file, u"01/%1/2024"_s.arg(month, 2, 10, QChar(u'0')),
                     QString::number(amounts[month - 1]));
        }
        TfrmStatsEntrate window(u"2024"_s);
        window.resize(size);
        window.show();
        window.findChild<QPushButton*>(u"btnTorta"_s)->click();
        QApplication::processEvents();
        QHash<QString, QRectF> drawnLabels;
        for (const QGraphicsItem* item : window.findChild<QChartView*>(u"ChartStats"_s)->scene()->items())
            if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item); text && text->isVisible())
                drawnLabels.insert(text->toPlainText(), text->sceneBoundingRect());
        QStringList labels;
        for (const QPieSlice* slice : qobject_cast<QPieSeries*>(drawn(window))->slices())
            labels << slice->label();
        for (qsizetype i = 0; i < labels.size(); ++i) {
            QVERIFY2(drawnLabels.contains(labels.at(i)), qPrintable(labels.at(i) + u" is not drawn"_s));
            for (qsizetype j = 0; j < i; ++j)
                QVERIFY2(!drawnLabels.value(labels.at(i)).intersects(drawnLabels.value(labels.at(j))),
                         qPrintable(labels.at(i) + u" overlaps "_s + labels.at(j)));
        }
    }

    // The value axis writes whole numbers; a small range must not write the same number on two ticks.
    void theValueAxisNeverRepeatsANumber_data()
    {
        QTest::addColumn<QStringList>("amounts");
        QTest::newRow("an empty year") << QStringList();
        QTest::newRow("one euro") << QStringList{u"1"_s};
        QTest::newRow("three euros") << QStringList{u"3"_s};
        QTest::newRow("thirty-one euros") << QStringList{u"10,40"_s, u"20,20"_s};
        QTest::newRow("thousands") << QStringList{u"1234"_s, u"5678,90"_s};
    }

    void theValueAxisNeverRepeatsANumber()
    {
        QFETCH(QStringList, amounts);
        Fixture f;
        {
            RecordFile file(f.folder.file(u"2024.ven"_s), SchedaVendita::layout);
            for (const QString& amount : amounts)
                sale(file, u"05/03/2024"_s, amount);
        }
        TfrmStatsEntrate window(u"2024"_s);
        window.show();
        const QList<QAbstractAxis*> axes =
            window.findChild<QChartView*>(u"ChartStats"_s)->chart()->axes(Qt::Vertical);
        QCOMPARE(axes.size(), 1);
        auto* axis = qobject_cast<QValueAxis*>(axes.first());
        QVERIFY(axis);
        QStringList ticks;
        for (int i = 0; i < axis->tickCount(); ++i)
            ticks.append(QString::asprintf("%.0f", axis->min() + (axis->max() - axis->min()) * i /
                                                                     (axis->tickCount() - 1)));
        QCOMPARE(ticks.removeDuplicates(), 0);
        QVERIFY(axis->max() >= double(window.values().at(2)));
    }

    void anUnreadableAmountIsLeftOutAndToldOnce()
    {
        Fixture f;
        {
            RecordFile file(f.folder.file(u"2024.ven"_s), SchedaVendita::layout);
            sale(file, u"05/03/2024"_s, u"12"_s);
            sale(file, u"06/03/2024"_s, u"1,2,3"_s);
        }
        TfrmStatsEntrate window(u"2024"_s);
        window.show();
        QCOMPARE(window.values(), march(12));
        const QList<Shown> told{{Kind::Warning, u"Attenzione: una scheda non è compresa nel grafico perché "
                                                u"contiene un numero non leggibile."_s}};
        QCOMPARE(f.services.messages.take(), told);
    }

    // The copies box takes digits only; a number out of 1-99 is told and nothing is printed.
    void printingAsksThenPrintsTheCopiesInLandscape_data()
    {
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<int>("copies");
        QTest::addColumn<bool>("outOfRange");
        QTest::newRow("no") << false << std::optional<QString>() << 0 << false;
        QTest::newRow("cancelled copies") << true << std::optional<QString>() << 0 << false;
        QTest::newRow("two") << true << std::optional<QString>(u"2"_s) << 2 << false;
        QTest::newRow("not a number") << true << std::optional<QString>(u"due"_s) << 1 << false;
        QTest::newRow("letters among digits") << true << std::optional<QString>(u"1o"_s) << 1 << false;
        QTest::newRow("zero") << true << std::optional<QString>(u"0"_s) << 0 << true;
        QTest::newRow("a long number")
            << true << std::optional<QString>(u"123456789012345678901234"_s) << 0 << true;
    }

    void printingAsksThenPrintsTheCopiesInLandscape()
    {
        QFETCH(bool, confirmed);
        QFETCH(std::optional<QString>, answer);
        QFETCH(int, copies);
        QFETCH(bool, outOfRange);
        Fixture f;
        TfrmStatsEntrate window(u"2024"_s);
        window.show();
        f.services.messages.setNextAnswer(confirmed);
        f.services.inputBox.setNextAnswer(answer);
        window.findChild<QPushButton*>(u"btnStampa"_s)->click();
        QList<Shown> asked{{Kind::Question, u"Si vuole stampare il presente grafico statistico?"_s}};
        if (outOfRange)
            asked.append({Kind::Warning,
                          u"Attenzione: il numero di copie da stampare deve essere compreso tra 1 e 99."_s});
        QCOMPARE(f.services.messages.take(), asked);
        QCOMPARE(f.services.inputBox.asked().size(), confirmed ? 1 : 0);
        if (confirmed)
            QCOMPARE(f.services.inputBox.asked().first(),
                     (QStringList{u"Numero copie da stampare"_s, u"Copie:"_s, u"1"_s}));
        QCOMPARE(f.reports.outputs.size(), copies ? 1 : 0);
        if (copies) {
            QCOMPARE(f.reports.outputs.first().copies, copies);
            QCOMPARE(f.reports.outputs.first().report.orientation(), ReportTemplate::Orientation::Landscape);
            const QImage printed =
                QImage::fromData(f.reports.outputs.first().report.element(u"imgGrafico"_s)->data);
            QVERIFY(!printed.isNull());
            // The chart fills the sheet, not only its upper half: the bottom rows carry the legend.
            QVERIFY(!blank(printed, printed.height() * 3 / 4, printed.height()));
        }
    }

    void theChartPageReadsBackFromItsPdfInLandscape()
    {
        if (!PdfTools::available())
            QSKIP("pdfinfo is not installed");
        Fixture f;
        TfrmStatsEntrate window(u"2024"_s);
        window.show();
        const QString path = f.folder.file(u"Grafico.pdf"_s);
        QtReportOutput output;
        QVERIFY(output.exportPdf(window.page(), path));
        const QMap<QString, QString> info = PdfTools::info(path);
        QCOMPARE(info.value(u"Pages"_s), u"1"_s);
        QCOMPARE(info.value(u"Title"_s), u"Statistiche entrate mensili"_s);
        QCOMPARE(info.value(u"Page size"_s), u"842 x 595 pts (A4)"_s);
        // Under the chart, as in the window, the legend's title and the foot.
        const QString text = PdfTools::text(path);
        QVERIFY2(text.contains(u"Entrate mensili:"_s), qPrintable(text));
        QVERIFY2(text.contains(u"Tutti gli importi sono arrotondati all'euro"_s), qPrintable(text));
    }
};

QTEST_MAIN(TestChartWindows)
#include "TestChartWindows.moc"
