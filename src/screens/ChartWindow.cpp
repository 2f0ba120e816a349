#include "screens/ChartWindow.h"

#include "platform/InputBox.h"
#include "platform/Messages.h"
#include "platform/ProgramFolder.h"
#include "platform/ReportOutput.h"
#include "platform/ReportTemplate.h"
#include "platform/Services.h"
#include "rules/ValueLists.h"
#include "screens/ChartColours.h"
#include "screens/PieLabels.h"
#include "screens/PrintCopies.h"
#include "screens/StorageMessages.h"
#include "screens/TfrmGuida.h"
#include "storage/StorageError.h"
#include "widgets/Accessibility.h"
#include "widgets/HelpKey.h"
#include "widgets/KeyFilter.h"
#include "widgets/PictureButton.h"
#include "widgets/StatusHints.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// The chart's own arm length, which labels keep unless crowded, and its own pie size.
constexpr double kShortestArm = 0.15;
constexpr double kPieSize = 0.7;

QFont verdana(int pointSize)
{
    QFont font(u"Verdana"_s, pointSize);
    font.setBold(true);
    return font;
}

// Said once, after the chart is drawn, when records were left out of it.
QString leftOut(qint64 records)
{
    if (records == 1)
        return u"Attenzione: una scheda non è compresa nel grafico perché contiene un numero non leggibile."_s;
    return u"Attenzione: "_s + QString::number(records) +
           u" schede non sono comprese nel grafico perché contengono un numero non leggibile."_s;
}

QPushButton* button(const QString& name, const QString& text, const QString& hint)
{
    auto* push = new QPushButton(text);
    push->setObjectName(name);
    push->setAutoDefault(true);
    Accessibility::describe(push, text, hint);
    StatusHints::show(push, hint);
    return push;
}

// Bars and slices are outlined dark enough that the palest month shows on the white page and legend.
const QColor kOutline(0x40, 0x40, 0x40);
// Each bar takes most of its month's width, so that its figure fits inside it.
constexpr double kBarWidth = 0.85;
// The smallest type, against the chart's own, a figure across its bar is written in.
constexpr double kSmallestLabelScale = 0.75;

// The figures inside the bars run across them, in a smaller type where that makes the widest fit its
// bar, and along them where even that would not.
void fitBarLabels(QStackedBarSeries* series, const QFont& type, const QRectF& plot)
{
    const QList<QBarSet*> sets = series->barSets();
    if (sets.isEmpty() || plot.isEmpty())
        return;
    const QFontMetricsF metrics(type);
    double widest = 0;
    for (const QBarSet* set : sets)
        for (int i = 0; i < set->count(); ++i)
            if (set->at(i) > 0)
                widest = qMax(widest, metrics.horizontalAdvance(QString::number(qint64(set->at(i)))));
    const double room = plot.width() / double(sets.first()->count()) * series->barWidth() - 4;
    const double scale = widest > 0 ? qMin(1.0, room / widest) : 1.0;
    QFont fitted = type;
    if (scale >= kSmallestLabelScale)
        fitted.setPointSizeF(type.pointSizeF() * scale);
    for (QBarSet* set : sets)
        set->setLabelFont(fitted);
    series->setLabelsAngle(scale >= kSmallestLabelScale ? 0 : -90);
}

// Lengthens the arms of crowded labels so that no two overlap, and makes the pie smaller where the
// labels would otherwise reach out of the plot area, above or below it.
void spreadLabels(QPieSeries* series, const QRectF& plot)
{
    const QList<QPieSlice*> pieces = series->slices();
    if (pieces.isEmpty() || plot.isEmpty())
        return;
    QList<PieLabels::Slice> slices;
    double start = series->pieStartAngle();
    for (const QPieSlice* piece : pieces) {
        slices.append({start + piece->angleSpan() / 2, piece->isLabelVisible()});
        start += piece->angleSpan();
    }
    // A label's box is a little taller than its text; a few pixels keep two boxes apart.
    const double line = QFontMetricsF(pieces.first()->labelFont()).height() + 4;
    series->setPieSize(kPieSize);
    QList<double> arms;
    // A smaller pie takes shorter arms, while the labels keep their height: a few rounds settle it.
    for (int round = 0; round < 4; ++round) {
        const double radius = series->pieSize() * qMin(plot.width(), plot.height()) / 2;
        arms = PieLabels::armLengths(slices, line / radius, kShortestArm);
        double reach = 0;
        for (qsizetype i = 0; i < slices.size(); ++i)
            if (slices.at(i).labelled) {
                const double baseline = radius * PieLabels::baseline(slices.at(i).middleAngle, arms.at(i));
                // The chart draws a label's text from a line above its arm to half a line below.
                reach = qMax(reach, baseline < 0 ? line - baseline : baseline + line / 2);
            }
        if (reach <= plot.height() / 2)
            break;
        series->setPieSize(series->pieSize() * (plot.height() / 2 - line) / reach);
    }
    for (qsizetype i = 0; i < pieces.size(); ++i)
        pieces.at(i)->setLabelArmLengthFactor(arms.at(i));
}

} // namespace

ChartWindow::ChartWindow(const ChartDefinition& definition, const QString& year, QWidget* parent)
    : QDialog(parent), m_definition(definition), m_year(year), m_view(new QChartView)
{
    setObjectName(definition.window);
    setWindowTitle(definition.caption);

    auto* heading = new QLabel(definition.heading + year + u'.');
    heading->setObjectName(u"lblTitolo"_s);
    heading->setFont(verdana(20));
    heading->setStyleSheet(u"color: #6A5ACD;"_s);
    heading->setWordWrap(true);

    draw();
    m_view->setObjectName(u"ChartStats"_s);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setMinimumSize(640, 330);
    Accessibility::describe(m_view, definition.chartTitle);
    // The view's drawing surface is reached on its own by a screen reader: it is the same chart.
    Accessibility::describe(m_view->viewport(), definition.chartTitle);

    auto* legend = new QLabel(definition.legendTitle);
    legend->setObjectName(u"lblLegenda"_s);
    auto* foot = new QLabel(definition.foot);
    foot->setObjectName(u"lblCalce"_s);
    foot->setFont(verdana(11));
    foot->setStyleSheet(u"color: #7294F9;"_s);
    foot->setAlignment(Qt::AlignCenter);

    // The month figures, as the chart draws them; kept in hidden labels that name their month.
    for (std::size_t i = 0; i < m_months.size(); ++i) {
        m_months[i] = new QLabel(this);
        m_months[i]->setObjectName(u"mem"_s + ValueLists::monthNames().at(qsizetype(i)));
        m_months[i]->hide();
    }

    auto* status = new QLabel(definition.idleStatus);
    status->setObjectName(u"panInfo"_s);
    status->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusHints::setStatusLine(this, status);

    auto* btnTorta = button(u"btnTorta"_s, u"Visualizza grafico a torta"_s, definition.pieHint);
    auto* btnBarre = button(u"btnBarre"_s, u"Visualizza grafico a barre"_s, definition.barHint);
    auto* btnStampa = button(u"btnStampa"_s, u"Stampa grafico"_s, u"Stampa il grafico corrente."_s);
    auto* btnEsci = button(u"btnEsci"_s, u"Esci"_s, u"Esci da questo ambiente di lavoro."_s);
    const QString helpHint = u"Visualizza la pagina della guida sensibile al contesto."_s;
    auto* cmdGuida = new PictureButton(u"cmdGuida"_s, u":/artwork/guida.svg"_s, u"Guida"_s);
    cmdGuida->setFixedSize(36, 36);
    cmdGuida->setToolTip(cmdGuida->text());
    Accessibility::describe(cmdGuida, cmdGuida->text(), helpHint);
    StatusHints::show(cmdGuida, helpHint);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdGuida);
    buttons->addStretch(1);
    for (QPushButton* push : {btnTorta, btnBarre, btnStampa, btnEsci})
        buttons->addWidget(push);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(16, 12, 16, 8);
    root->setSpacing(8);
    root->addWidget(heading);
    for (const QString& line : definition.lines)
        root->addWidget(new QLabel(line));
    root->addWidget(m_view, 1);
    root->addWidget(legend);
    root->addWidget(foot);
    root->addLayout(buttons);
    root->addWidget(status);
    StatusHints::clearOver(this);

    connect(btnTorta, &QPushButton::clicked, this, &ChartWindow::btnTortaClick);
    connect(btnBarre, &QPushButton::clicked, this, &ChartWindow::btnBarreClick);
    connect(btnStampa, &QPushButton::clicked, this, &ChartWindow::btnStampaClick);
    connect(btnEsci, &QPushButton::clicked, this, &QDialog::reject);
    HelpKey::attach(cmdGuida);
    connect(cmdGuida, &PictureButton::clicked, this, [this] { showHelp(this, m_definition.help); });
    resize(960, 640);
}

void ChartWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous() || m_computed)
        return;
    m_computed = true;
    compute();
}

void ChartWindow::compute()
{
    // Only a four-digit year names a year file; any other leaves the chart empty.
    const std::optional<QString> file =
        ProgramFolder::yearFile(m_year.trimmed(), QString::fromLatin1(m_definition.extension));
    if (!file)
        return;
    MonthlyTotals figures;
    try {
        figures = m_definition.figures(*file, m_year.trimmed());
    } catch (const StorageError&) {
        // A file that cannot be read leaves the chart empty, as it was, and says so: no bar is not zero.
        Services::messages().warning(StorageMessages::archiveUnreadable());
        return;
    }
    m_values.clear();
    const std::array<qint64, 12> rounded = figures.rounded();
    for (std::size_t i = 0; i < rounded.size(); ++i) {
        m_values.append(rounded[i]);
        m_months[i]->setText(QString::number(rounded[i]));
    }
    draw();
    if (figures.skipped > 0)
        Services::messages().warning(leftOut(figures.skipped));
}

void ChartWindow::draw()
{
    // A fresh chart each time: the axes of bars removed from a chart stay drawn behind a pie.
    QChart* old = m_view->chart();
    m_view->setChart(makeChart());
    delete old;
}

QChart* ChartWindow::makeChart() const
{
    auto* chart = new QChart;
    chart->setTitle(m_definition.chartTitle);
    chart->setTitleFont(verdana(20));
    chart->setTitleBrush(QColor(0xD0, 0x44, 0x98));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setAnimationOptions(QChart::NoAnimation);
    if (m_values.isEmpty())
        return chart;
    const QStringList& months = ValueLists::monthNames();
    if (m_pie) {
        auto* series = new QPieSeries;
        series->setObjectName(u"Series1"_s);
        for (qsizetype i = 0; i < m_values.size(); ++i) {
            QPieSlice* slice = series->append(months.at(i), double(m_values.at(i)));
            slice->setColor(QColor::fromRgb(ChartColours::months()[std::size_t(i)]));
            // Outlined, as the bars are, so that a pale month shows on the white page and legend.
            slice->setBorderColor(kOutline);
            slice->setLabel(months.at(i) + u' ' + QString::number(m_values.at(i)));
            slice->setLabelVisible(m_values.at(i) > 0);
        }
        chart->addSeries(series);
        QObject::connect(chart, &QChart::plotAreaChanged, series,
                         [series](const QRectF& plot) { spreadLabels(series, plot); });
        // The legend names the months, as with bars; the figures are on the slices.
        const QList<QLegendMarker*> markers = chart->legend()->markers(series);
        for (qsizetype i = 0; i < markers.size() && i < months.size(); ++i)
            markers.at(i)->setLabel(months.at(i));
        return chart;
    }
    // One set a month, stacked on its own category, so that every bar keeps its month's colour and
    // the legend names the months.
    auto* series = new QStackedBarSeries;
    series->setObjectName(u"Series1"_s);
    qint64 highest = 0;
    for (qsizetype i = 0; i < m_values.size(); ++i) {
        auto* set = new QBarSet(months.at(i));
        const quint32 colour = ChartColours::months()[std::size_t(i)];
        set->setColor(QColor::fromRgb(colour));
        set->setBorderColor(kOutline);
        set->setLabelColor(QColor::fromRgb(ChartColours::labelOn(colour)));
        for (qsizetype month = 0; month < m_values.size(); ++month)
            set->append(month == i ? double(m_values.at(i)) : 0.0);
        series->append(set);
        highest = qMax(highest, m_values.at(i));
    }
    series->setBarWidth(kBarWidth);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
    // Whole euros in full, never in exponent form.
    series->setLabelsPrecision(15);
    chart->addSeries(series);
    QObject::connect(chart, &QChart::plotAreaChanged, series,
                     [series, type = series->barSets().first()->labelFont()](const QRectF& plot) {
                         fitBarLabels(series, type, plot);
                     });
    auto* categories = new QBarCategoryAxis;
    for (const QString& month : months)
        categories->append(month.left(3));
    chart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);
    auto* values = new QValueAxis;
    values->setRange(0, double(qMax<qint64>(highest, 1)));
    values->applyNiceNumbers();
    // Whole numbers only: a small range gets one tick per unit, so that no two ticks read the same.
    if (values->max() < values->tickCount() - 1)
        values->setTickCount(int(values->max()) + 1);
    values->setLabelFormat(u"%.0f"_s);
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);
    return chart;
}

void ChartWindow::btnTortaClick()
{
    m_pie = true;
    draw();
}

void ChartWindow::btnBarreClick()
{
    m_pie = false;
    draw();
}

ReportTemplate ChartWindow::page()
{
    ReportTemplate report(m_definition.window);
    report.setPageA4(ReportTemplate::Orientation::Landscape, 10);
    report.setTitle(m_definition.chartTitle);
    const QSizeF page = report.printableSize();
    // Under the chart, as in the window: the legend's title, then the foot.
    const double textHeight = ReportUnits::fromMm(9);
    const QSizeF area(page.width(), page.height() - 2 * textHeight);
    // Drawn at twice the page's resolution, so that the printed chart stays sharp.
    QImage image((area * 2).toSize(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        // A chart of its own, laid out as wide as the window's and as tall as the page's proportions
        // ask, so that it fills the sheet with the window's type sizes.
        QGraphicsScene scene;
        QChart* chart = makeChart();
        scene.addItem(chart);
        const qreal width = qMax<qreal>(m_view->width(), 900);
        chart->resize(width, width * area.height() / area.width());
        chart->layout()->activate();
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        scene.render(&painter, QRectF(QPointF(), image.size()), chart->geometry(), Qt::KeepAspectRatio);
    }
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    image.save(&encoded, "PNG");
    ReportBand& band = report.addBand(ReportBand::Kind::Page, page.height());
    band.addPicture(u"imgGrafico"_s, QRectF(QPointF(), area), QString()).data = encoded.data();
    ReportElement& legend = band.addText(u"lblLegenda"_s, QRectF(0, area.height(), page.width(), textHeight),
                                         ReportFont{u"Arial"_s, 11, true});
    legend.text = m_definition.legendTitle;
    legend.alignment = Qt::AlignCenter;
    ReportElement& foot =
        band.addText(u"lblCalce"_s, QRectF(0, area.height() + textHeight, page.width(), textHeight),
                     ReportFont{u"Verdana"_s, 11});
    foot.text = m_definition.foot;
    foot.color = ReportColor::rgb(0x7294F9);
    foot.alignment = Qt::AlignCenter;
    return report;
}

void ChartWindow::btnStampaClick()
{
    if (!Services::messages().question(u"Si vuole stampare il presente grafico statistico?"_s))
        return;
    // Digits only; room for a mistyped number long enough to be told as such rather than cut to size.
    const auto digits = [](QLineEdit* input) {
        input->setMaxLength(9);
        KeyFilter::digitsOnly(input);
    };
    const std::optional<QString> answer =
        Services::inputBox().text(this, u"Numero copie da stampare"_s, u"Copie:"_s, u"1"_s, digits);
    if (!answer)
        return;
    const std::optional<int> copies = printCopies(*answer);
    if (!copies) {
        Services::messages().warning(u"Attenzione: il numero di copie da stampare deve essere compreso tra 1 "
                                     u"e 99."_s);
        return;
    }
    ReportOutput::current().print(page(), *copies);
}
