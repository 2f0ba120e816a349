#include "sales/SaleSheet.h"

#include "platform/CardSheet.h"

using namespace Qt::StringLiterals;
using ReportUnits::fromMm;
using ReportUnits::rectFromMm;

namespace SaleSheet {

namespace {

ReportPiece control(const char16_t* name)
{
    return ReportPiece::control(QString::fromUtf16(name));
}

ReportPiece literal(const char16_t* text)
{
    return ReportPiece::literal(QString::fromUtf16(text));
}

Row row(const char16_t* field, const char16_t* caption, const char16_t* source)
{
    return {QString::fromUtf16(field), {QString::fromUtf16(caption), {control(source)}}};
}

// Page geometry in millimetres, inside the 10 mm margins (190 x 277).
constexpr double kWidth = 190;
constexpr double kTitleHeight = 9;
constexpr double kRowHeight = 8.5;
constexpr double kCaptionWidth = 50;
constexpr double kSignatureWidth = 110;
constexpr double kCopyBoxLeft = 120;
constexpr double kCopyBoxHeight = 10;
// Each copy: its title, 12 rows and its signature block take 131 mm; the second starts below the cut.
constexpr double kCopyTop[2] = {0, 134};
constexpr double kCutLine = 131;
constexpr double kFootTop = 267;
constexpr double kFootHeight = 10;

struct Copy
{
    char suffix;
    const char16_t* signature;
    const char16_t* destination;
};

void addCopy(ReportBand& page, const Copy& copy, double top, const ControlTexts& controls)
{
    const QString suffix = u'_' + QString(QLatin1Char(copy.suffix));
    ReportElement& title = page.addText(u"txtTitolo"_s + suffix, rectFromMm(0, top, kWidth, kTitleHeight),
                                        {u"Arial"_s, 13, true});
    title.text = u"SCHEDA ARTICOLO"_s;
    title.background = ReportColor::lightSteelBlue;
    title.alignment = Qt::AlignCenter;

    const QList<Row>& all = rows();
    const double firstRow = top + kTitleHeight + 1;
    for (qsizetype k = 0; k < all.size(); ++k) {
        const Row& entry = all[k];
        const double rowTop = firstRow + kRowHeight * double(k);
        const QString name = entry.field.mid(3) + suffix;

        ReportElement& caption = page.addText(
            u"lbl"_s + name, rectFromMm(0, rowTop, kCaptionWidth, kRowHeight), {u"Arial"_s, 9, true});
        caption.text = entry.row.caption;
        caption.frameWidth = 1;
        caption.padding = fromMm(2);

        // Descriptions and notes run to 250 characters: the value wraps inside its frame.
        ReportElement& value = page.addText(
            valueBox(entry, copy.suffix),
            rectFromMm(kCaptionWidth, rowTop, kWidth - kCaptionWidth, kRowHeight), {u"Arial"_s, 8, false});
        value.text = entry.row.valueFrom(controls);
        value.wordWrap = true;
        value.frameWidth = 1;
        value.padding = fromMm(2);

        page.addLine(u"lin"_s + name, {fromMm(kCaptionWidth), fromMm(rowTop)},
                     {fromMm(kCaptionWidth), fromMm(rowTop + kRowHeight)});
    }

    const double block = firstRow + kRowHeight * double(all.size()) + 2;
    ReportElement& signature =
        page.addText(u"lblFirma"_s + suffix, rectFromMm(0, block, kSignatureWidth, 6), {u"Arial"_s, 9, true});
    signature.text = QString::fromUtf16(copy.signature);
    page.addLine(u"linFirma"_s + suffix, {fromMm(0), fromMm(block + 13)},
                 {fromMm(kSignatureWidth), fromMm(block + 13)});
    ReportElement& destination = page.addText(
        u"txtCopia"_s + suffix, rectFromMm(kCopyBoxLeft, block + 2, kWidth - kCopyBoxLeft, kCopyBoxHeight),
        {u"Arial"_s, 11, true});
    destination.text = QString::fromUtf16(copy.destination);
    destination.background = ReportColor::lightSteelBlue;
    destination.alignment = Qt::AlignCenter;
}

} // namespace

const QList<Row>& rows()
{
    static const QList<Row> table = {
        {u"txtData"_s,
         {u"Data vendita:"_s,
          {control(u"txtGiornoRit"), literal(u" "), control(u"txtMeseRit"), literal(u" "),
           control(u"lblAnnoRit"), literal(u"   -   Ora:  "), control(u"txtOreRit"), literal(u":"),
           control(u"txtMinutiRit")}}},
        {u"txtArticolo"_s,
         {u"Articolo acquistato:"_s,
          {literal(u"Codice:  "), control(u"txtCodice"), literal(u"   -   Importo:  € "),
           control(u"txtImporto"), literal(u"   -   Tipologia:  "), control(u"txtTipologia")}}},
        row(u"txtDescrizione", u"Descrizione:", u"txtDescrizione"),
        row(u"txtConsegna", u"Modalità di consegna:", u"txtConsegna"),
        row(u"txtPagamento", u"Modalità di pagamento:", u"txtPagamento"),
        row(u"txtCliente", u"Cognome e nome cliente:", u"txtCliente"),
        row(u"txtCodFisc", u"Codice fiscale:", u"txtCodFisc"),
        row(u"txtRecapito", u"Recapito preferenziale:", u"txtRecapito"),
        row(u"txtTelCel", u"Tel. cellulare:", u"txtTelCel"),
        row(u"txtEmail", u"Indirizzo e-mail:", u"txtEmail"),
        row(u"txtNote", u"Note:", u"txtNote"),
        row(u"txtOperatore", u"Operatore / Agente:", u"txtOperatore"),
    };
    return table;
}

QString valueBox(const Row& row, char copy)
{
    return row.field + u'_' + QLatin1Char(copy);
}

ReportTemplate build(const ControlTexts& controls, const QDateTime& when)
{
    ReportTemplate report(u"repDocumento"_s);
    report.setPageA4(ReportTemplate::Orientation::Portrait, 10);
    report.setTitle(u"Scheda articolo"_s);
    report.setSubject(u"Scheda articolo"_s);

    ReportBand& page = report.addBand(ReportBand::Kind::Page, report.printableSize().height());
    addCopy(page, {'A', u"FIRMA DELL'OPERATORE / AGENTE:", u"COPIA PER IL CLIENTE"}, kCopyTop[0], controls);
    page.addLine(u"linTaglio"_s, {fromMm(0), fromMm(kCutLine)}, {fromMm(kWidth), fromMm(kCutLine)});
    addCopy(page, {'B', u"FIRMA DEL CLIENTE:", u"COPIA PER LA DITTA"}, kCopyTop[1], controls);

    ReportElement& footer =
        page.addText(footerBox, rectFromMm(0, kFootTop, kWidth, kFootHeight), {u"Arial"_s, 10, false});
    footer.text = CardSheet::printedAt(when, CardSheet::TimeFormat::Long);
    footer.background = ReportColor::gold;
    footer.alignment = Qt::AlignCenter;
    return report;
}

} // namespace SaleSheet
