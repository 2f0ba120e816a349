#include "platform/ListReport.h"

ReportTemplate ListReport::build(const QString& title, const QStringList& lines,
                                 const QStringList& extraLines, const QDate& printDate)
{
    ReportTemplate report(QStringLiteral("Elenco"));
    report.setPageA4(ReportTemplate::Orientation::Landscape, 10);
    report.setTitle(title);

    const ReportFont heading{QStringLiteral("Verdana"), 9, true};
    ReportBand& titleBand = report.addBand(ReportBand::Kind::Title, 30.24);
    ReportElement& titleText = titleBand.addText(titleBox, {7.56, 3.78, 1031.8, 18.9}, heading);
    titleText.text = title;
    titleText.color = ReportColor::white;
    titleText.background = ReportColor::slateGrey;
    titleText.alignment = Qt::AlignCenter;

    const qsizetype lineCount = lines.size() + extraLines.size();
    const double boxHeight = double(lineCount) * linePitch;
    ReportBand& dataBand = report.addBand(ReportBand::Kind::Data, boxHeight + 10);
    dataBand.canSplit = true;
    ReportElement& box =
        dataBand.addText(linesBox, {11.34, 0, 1031.8, boxHeight}, {QStringLiteral("Courier New"), 8, false});
    box.alignment = Qt::AlignLeft | Qt::AlignTop;
    box.linePitch = linePitch;
    box.padding = 0;
    QStringList all;
    all.reserve(lineCount);
    all << lines << extraLines;
    box.text = all.join(u'\n');

    ReportBand& footer = report.addBand(ReportBand::Kind::PageFooter, 30.24);
    ReportElement& footerText =
        footer.addText(footerBox, {11.34, 7.56, 1028, 18.9}, {QStringLiteral("Verdana"), 8, true});
    footerText.text = QStringLiteral("Stampa eseguita in data ") + printDate.toString(u"dd/MM/yyyy");
    footerText.color = ReportColor::white;
    footerText.background = ReportColor::slateGrey;
    footerText.alignment = Qt::AlignCenter;
    return report;
}
