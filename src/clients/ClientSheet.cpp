#include "clients/ClientSheet.h"

#include "platform/CardSheet.h"

namespace {

ReportRow row(const char16_t* caption, const char16_t* control)
{
    return {QString::fromUtf16(caption), {ReportPiece::control(QString::fromUtf16(control))}};
}

// Two controls with one blank between them, as a town and its province code.
ReportRow joined(const char16_t* caption, const char16_t* first, const char16_t* second)
{
    return {QString::fromUtf16(caption),
            {ReportPiece::control(QString::fromUtf16(first)), ReportPiece::literal(QStringLiteral(" ")),
             ReportPiece::control(QString::fromUtf16(second))}};
}

} // namespace

const QList<ReportRow>& ClientSheet::rows()
{
    static const QList<ReportRow> table = {
        row(u"Cognome e nome:", u"txtCliente"),
        row(u"Data di nascita:", u"txtDataNasc"),
        joined(u"Comune di nascita:", u"txtComuneNasc", u"txtProvNasc"),
        row(u"Sesso:", u"txtSesso"),
        row(u"Recapito preferenziale:", u"txtRecapito"),
        row(u"Indirizzo di residenza:", u"txtIndirizzoRes"),
        joined(u"Comune di residenza:", u"txtComuneRes", u"txtProvRes"),
        row(u"Modalità pagamento:", u"txtEstremi"),
        row(u"Tel. casa:", u"txtTelCasa"),
        row(u"Tel. ufficio:", u"txtTelUff"),
        row(u"Tel. cellulare:", u"txtTelCel"),
        row(u"Fax:", u"txtFax"),
        row(u"E-mail:", u"txtEmail"),
        row(u"Codice fiscale:", u"txtCodFisc"),
        row(u"Partita IVA:", u"txtPartitaIva"),
        {QStringLiteral("Carta di credito:"),
         {ReportPiece::literal(QStringLiteral("N. ")), ReportPiece::control(QStringLiteral("txtCarta")),
          ReportPiece::literal(QStringLiteral("  -  Scadenza: ")),
          ReportPiece::control(QStringLiteral("txtScadeCarta"))}},
        row(u"IBAN:", u"txtIban"),
        row(u"Estremi documento:", u"txtDocumento"),
        row(u"Occupazione:", u"txtOccupazione"),
        row(u"Titoli e qualifiche:", u"txtTitoli"),
        row(u"Prodotti e servizi:", u"txtProdotti"),
        row(u"Zona di appartenenza:", u"txtZona"),
        row(u"Questioni in sospeso:", u"txtQuestioni"),
        row(u"Note:", u"txtNote"),
    };
    return table;
}

ReportTemplate ClientSheet::build(const ControlTexts& controls, const QDateTime& when)
{
    CardSheet::Heading heading;
    heading.reportName = QStringLiteral("repScheda");
    heading.title = QStringLiteral("SCHEDA ANAGRAFICA CLIENTE");
    heading.document = QStringLiteral("Scheda informativa");
    return CardSheet::build(heading, rows(), controls, when);
}
