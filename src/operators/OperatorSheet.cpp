#include "operators/OperatorSheet.h"

#include "platform/CardSheet.h"

using ReportUnits::fromMm;
using ReportUnits::rectFromMm;

namespace OperatorSheet {

namespace {

Row row(const char16_t* caption, const char16_t* control)
{
    const QString name = QString::fromUtf16(control);
    return {name, {QString::fromUtf16(caption), {ReportPiece::control(name)}}};
}

// A town and its province code, one blank between them, in the town's value object.
Row town(const char16_t* caption, const char16_t* control, const char16_t* province)
{
    const QString name = QString::fromUtf16(control);
    return {name,
            {QString::fromUtf16(caption),
             {ReportPiece::control(name), ReportPiece::literal(QStringLiteral(" ")),
              ReportPiece::control(QString::fromUtf16(province))}}};
}

// Page geometry in millimetres, from the top left of the printable area.
constexpr double kWidth = 188;
constexpr double kTitleTop = 1;
constexpr double kBandHeight = 5.8;
constexpr double kFirstRow = 7;
constexpr double kRowPitch = 5;
constexpr double kRowHeight = 4.6;
constexpr double kCaptionLeft = 2;
constexpr double kCaptionWidth = 37.8;
constexpr double kRuleLeft = 42;
constexpr double kRuleLength = 204.6;
constexpr double kValueLeft = 44;
constexpr double kValueWidth = 144;
constexpr double kFootTop = 217;

} // namespace

const QList<Row>& rows()
{
    static const QList<Row> table = {
        {QStringLiteral("txtIstruttore"),
         {QStringLiteral("Cognome e nome:"),
          {ReportPiece::control(QStringLiteral("txtCognome")), ReportPiece::literal(QStringLiteral(" ")),
           ReportPiece::control(QStringLiteral("txtNome"))}}},
        row(u"Codice fiscale:", u"txtCodFisc"),
        row(u"Sesso:", u"txtSesso"),
        row(u"Data di nascita:", u"txtDataNasc"),
        town(u"Comune di nascita:", u"txtComuneNasc", u"txtProvNasc"),
        row(u"Partita IVA:", u"txtIva"),
        row(u"Via e numero civico:", u"txtIndirizzo"),
        row(u"CAP:", u"txtCap"),
        town(u"Comune di residenza:", u"txtComuneRes", u"txtProvRes"),
        row(u"Stato civile:", u"txtStato"),
        row(u"Giorni e orari disponibilità:", u"txtFamiliari"),
        row(u"Recapito preferenziale:", u"txtRecapito"),
        row(u"Tel. casa:", u"txtTelCasa"),
        row(u"Tel cellulare:", u"txtTelCel"),
        row(u"Tel. ufficio:", u"txtTelUff"),
        row(u"Fax:", u"txtFax"),
        row(u"E-mail:", u"txtEmail"),
        row(u"Qualifica principale:", u"txtQualifiche"),
        row(u"Altri titoli:", u"txtProfessione"),
        row(u"IBAN:", u"txtIban"),
        row(u"Intestatario C/C:", u"txtIntestatario"),
        row(u"Banca:", u"txtBanca"),
        row(u"Carta di credito n.", u"txtCarta"),
        row(u"Scadenza carta di credito:", u"txtScadeCarta"),
        row(u"Equipaggiamento assegnato:", u"txtProdotti"),
        row(u"Modalità di pagamento:", u"txtPagamento"),
        row(u"Note:", u"txtNote"),
        row(u"Tipo documento:", u"txtTipoDoc"),
        row(u"Numero documento:", u"txtNumDoc"),
        row(u"Ente di rilascio:", u"txtEnteRil"),
        row(u"Data di rilascio:", u"txtDataRil"),
        row(u"Data di scadenza:", u"txtDataSca"),
        row(u"Mansione:", u"txtCodice"),
        row(u"Categoria:", u"txtCategoria"),
        row(u"Livello:", u"txtZona"),
        row(u"Tipo di contratto:", u"txtAcquisto"),
        row(u"Data assunzione:", u"txtDecorrenza"),
        row(u"Prossima scadenza:", u"txtScadenza"),
        row(u"Compenso totale: €", u"txtTotale"),
        row(u"Frazionamento:", u"txtFrazionamento"),
        row(u"Importo rata: €", u"txtRata"),
    };
    return table;
}

ReportTemplate build(const ControlTexts& controls, const QDateTime& when)
{
    ReportTemplate report(QStringLiteral("repDocumento"));
    report.setPageA4(ReportTemplate::Orientation::Portrait, 10);
    report.setTitle(QStringLiteral("Scheda informativa dipendente"));
    report.setSubject(QStringLiteral("Scheda informativa dipendente"));

    ReportBand& page = report.addBand(ReportBand::Kind::Page, report.printableSize().height());
    ReportElement& title = page.addText(titleBox, rectFromMm(0, kTitleTop, kWidth, kBandHeight),
                                        {QStringLiteral("Arial"), 9, false});
    title.text = QStringLiteral("SCHEDA INFORMATIVA DIPENDENTE");
    title.background = ReportColor::lightSteelBlue;
    title.alignment = Qt::AlignCenter;

    const QList<Row>& all = rows();
    for (qsizetype k = 0; k < all.size(); ++k) {
        const Row& entry = all[k];
        const double top = kFirstRow + kRowPitch * double(k);
        const QString suffix = entry.valueBox.mid(3);

        ReportElement& frame =
            page.addText(QStringLiteral("shp") + suffix, rectFromMm(0, top, kWidth, kRowHeight),
                         {QStringLiteral("Arial"), 7, false});
        frame.frameWidth = 1;

        ReportElement& caption = page.addText(QStringLiteral("lbl") + suffix,
                                              rectFromMm(kCaptionLeft, top, kCaptionWidth, kRowHeight),
                                              {QStringLiteral("Arial"), 7, false});
        caption.text = entry.row.caption;
        caption.padding = 0;

        ReportElement& value =
            page.addText(entry.valueBox, rectFromMm(kValueLeft, top, kValueWidth, kRowHeight),
                         {QStringLiteral("Arial"), 7, false});
        value.text = entry.row.valueFrom(controls);
        value.padding = 0;
    }
    page.addLine(QStringLiteral("linColonna"), {fromMm(kRuleLeft), fromMm(kFirstRow)},
                 {fromMm(kRuleLeft), fromMm(kFirstRow + kRuleLength)});

    ReportElement& footer = page.addText(footerBox, rectFromMm(0, kFootTop, kWidth, kBandHeight),
                                         {QStringLiteral("Arial"), 8, false});
    footer.text = CardSheet::printedAt(when, CardSheet::TimeFormat::Long);
    footer.background = ReportColor::gold;
    footer.alignment = Qt::AlignCenter;
    return report;
}

} // namespace OperatorSheet
