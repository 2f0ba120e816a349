#include "calls/CallSheet.h"

#include "platform/CardSheet.h"

using ReportUnits::fromMm;
using ReportUnits::rectFromMm;

namespace CallSheet {

namespace {

Row row(const char16_t* valueBox, const char16_t* caption, const char16_t* control)
{
    return {QString::fromUtf16(valueBox),
            {QString::fromUtf16(caption), {ReportPiece::control(QString::fromUtf16(control))}}};
}

// Page geometry in millimetres, inside the 10 mm margins (190 x 277).
constexpr double kWidth = 190;
constexpr double kTitleHeight = 12;
constexpr double kFirstRow = 18;
constexpr double kRowHeight = 14;
constexpr double kCaptionWidth = 55;
constexpr double kFootTop = 265;
constexpr double kFootHeight = 10;

} // namespace

const QList<Row>& rows()
{
    static const QList<Row> table = {
        {QStringLiteral("txtData"),
         {QStringLiteral("Data chiamata:"),
          {ReportPiece::control(QStringLiteral("txtGiornoRit")), ReportPiece::literal(QStringLiteral(" ")),
           ReportPiece::control(QStringLiteral("txtMeseRit")), ReportPiece::literal(QStringLiteral(" ")),
           ReportPiece::control(QStringLiteral("lblAnnoRit"))}}},
        {QStringLiteral("txtOra"),
         {QStringLiteral("Ora chiamata:"),
          {ReportPiece::control(QStringLiteral("txtOreRit")), ReportPiece::literal(QStringLiteral(":")),
           ReportPiece::control(QStringLiteral("txtMinutiRit"))}}},
        row(u"txtOggetto", u"Oggetto della chiamata:", u"txtOggetto"),
        row(u"txtProdotti", u"Prodotti e servizi proposti:", u"txtProdotti"),
        row(u"txtRisposta", u"Risposta del cliente:", u"txtRisposta"),
        row(u"txtGrado", u"Grado di interesse:", u"txtGrado"),
        row(u"txtConclusioni", u"Conclusioni:", u"txtConclusioni"),
        row(u"txtDurata", u"Durata:", u"txtDurata"),
        row(u"txtCliente", u"Cognome e nome cliente:", u"txtCliente"),
        row(u"txtCodFisc", u"Codice fiscale:", u"txtCodFisc"),
        row(u"txtZona", u"Zona di appartenenza:", u"txtZona"),
        row(u"txtRecapito", u"Recapito preferenziale:", u"txtRecapito"),
        row(u"txtTelCel", u"Tel. cellulare:", u"txtTelCel"),
        row(u"txtEmail", u"E-mail:", u"txtEmail"),
        row(u"txtNote", u"Note:", u"txtNote"),
        row(u"txtOperatore", u"Operatore / Agente:", u"txtOperatore"),
    };
    return table;
}

ReportTemplate build(const ControlTexts& controls, const QDateTime& when)
{
    ReportTemplate report(QStringLiteral("repDocumento"));
    report.setPageA4(ReportTemplate::Orientation::Portrait, 10);
    report.setTitle(QStringLiteral("Scheda chiamata"));
    report.setSubject(QStringLiteral("Scheda chiamata"));

    ReportBand& page = report.addBand(ReportBand::Kind::Page, report.printableSize().height());
    ReportElement& title =
        page.addText(titleBox, rectFromMm(0, 0, kWidth, kTitleHeight), {QStringLiteral("Arial"), 14, true});
    title.text = QStringLiteral("SCHEDA INFORMATIVA CHIAMATA");
    title.background = ReportColor::lightSteelBlue;
    title.alignment = Qt::AlignCenter;

    const QList<Row>& all = rows();
    for (qsizetype k = 0; k < all.size(); ++k) {
        const Row& entry = all[k];
        const double top = kFirstRow + kRowHeight * double(k);
        const QString suffix = entry.valueBox.mid(3);

        ReportElement& caption =
            page.addText(QStringLiteral("lbl") + suffix, rectFromMm(0, top, kCaptionWidth, kRowHeight),
                         {QStringLiteral("Arial"), 10, true});
        caption.text = entry.row.caption;
        caption.frameWidth = 1;
        caption.padding = fromMm(2);

        // Subjects, products and notes run to 250 characters: the value wraps inside its frame.
        ReportElement& value =
            page.addText(entry.valueBox, rectFromMm(kCaptionWidth, top, kWidth - kCaptionWidth, kRowHeight),
                         {QStringLiteral("Arial"), 9, false});
        value.text = entry.row.valueFrom(controls);
        value.wordWrap = true;
        value.frameWidth = 1;
        value.padding = fromMm(2);

        page.addLine(QStringLiteral("lin") + suffix, {fromMm(kCaptionWidth), fromMm(top)},
                     {fromMm(kCaptionWidth), fromMm(top + kRowHeight)});
    }

    ReportElement& footer = page.addText(footerBox, rectFromMm(0, kFootTop, kWidth, kFootHeight),
                                         {QStringLiteral("Arial"), 10, false});
    footer.text = CardSheet::printedAt(when, CardSheet::TimeFormat::Short);
    footer.background = ReportColor::gold;
    footer.alignment = Qt::AlignCenter;
    return report;
}

} // namespace CallSheet
