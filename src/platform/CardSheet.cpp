#include "platform/CardSheet.h"

using ReportUnits::fromMm;
using ReportUnits::rectFromMm;

QString CardSheet::printedAt(const QDateTime& when, TimeFormat format)
{
    return QStringLiteral("Stampa eseguita in data ") + when.date().toString(u"dd/MM/yyyy") +
           QStringLiteral(" alle ore ") +
           when.time().toString(format == TimeFormat::Long ? u"HH:mm:ss" : u"HH:mm");
}

ReportTemplate CardSheet::build(const Heading& heading, const QList<ReportRow>& rows,
                                const ControlTexts& controls, const QDateTime& when)
{
    ReportTemplate report(heading.reportName);
    report.setPageA4(ReportTemplate::Orientation::Portrait, 10);
    report.setTitle(heading.document);
    report.setSubject(heading.document);

    ReportBand& page = report.addBand(ReportBand::Kind::Page, report.printableSize().height());
    page.addPicture(logoBox, rectFromMm(3, 3, 17, 13), logoSource);

    ReportElement& title =
        page.addText(titleBox, rectFromMm(23, 3, 165, 9), {QStringLiteral("Arial"), 16, false});
    title.text = heading.title;
    title.color = ReportColor::white;
    title.background = ReportColor::darkOrange;
    title.alignment = Qt::AlignCenter;
    page.addLine(QStringLiteral("linTitolo"), {fromMm(23), fromMm(16)}, {fromMm(23 + 165), fromMm(16)});

    for (int k = 1; k <= rows.size(); ++k) {
        const ReportRow& row = rows[k - 1];
        const QString number = QStringLiteral("%1").arg(k, heading.numberWidth, 10, QLatin1Char('0'));
        const double top = 24 + 10 * (k - 1);

        ReportElement& caption = page.addText(heading.captionPrefix + number, rectFromMm(3, top, 52, 6),
                                              {QStringLiteral("Arial"), 9, false});
        caption.text = row.caption;
        caption.color = ReportColor::white;
        caption.background = ReportColor::teal;

        ReportElement& value = page.addText(heading.valuePrefix + number, rectFromMm(60, top, 128, 6),
                                            {QStringLiteral("Arial"), 10, false});
        value.text = row.valueFrom(controls);
    }

    page.addLine(QStringLiteral("linCalce"), {fromMm(3), fromMm(265)}, {fromMm(3 + 185), fromMm(265)});
    ReportElement& footer =
        page.addText(footerBox, rectFromMm(3, 269, 185, 6), {QStringLiteral("Arial"), 10, false});
    footer.text = printedAt(when, TimeFormat::Long);
    footer.color = ReportColor::white;
    footer.background = ReportColor::darkOrange;
    footer.alignment = Qt::AlignCenter;
    return report;
}
