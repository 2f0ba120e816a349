#include "schedule/ScheduleSheet.h"

#include "platform/CardSheet.h"

namespace {

ReportRow row(const char16_t* caption, const char16_t* control)
{
    return {QString::fromUtf16(caption), {ReportPiece::control(QString::fromUtf16(control))}};
}

ReportRow joined(const char16_t* caption, std::initializer_list<const char16_t*> controls,
                 const QString& between)
{
    ReportRow joined{QString::fromUtf16(caption), {}};
    for (const char16_t* control : controls) {
        if (!joined.value.isEmpty())
            joined.value.append(ReportPiece::literal(between));
        joined.value.append(ReportPiece::control(QString::fromUtf16(control)));
    }
    return joined;
}

ReportRow blank()
{
    return {QStringLiteral(" "), {ReportPiece::literal(QStringLiteral(" "))}};
}

} // namespace

const QList<ReportRow>& ScheduleSheet::rows()
{
    static const QList<ReportRow> table = {
        joined(u"Data scadenza:", {u"txtGiorno", u"txtMese", u"lblAnno"}, QStringLiteral(" ")),
        joined(u"Ora appuntamento:", {u"txtOreApp", u"txtMinutiApp"}, QStringLiteral(":")),
        row(u"Giorni preavviso:", u"txtAvviso"),
        row(u"Cognome e nome cliente:", u"txtPagatore"),
        row(u"Codice fiscale:", u"txtCodFisc"),
        row(u"Zona di appartenenza:", u"txtNumTessera"),
        row(u"Questioni in sospeso:", u"txtCarica"),
        row(u"Tel. cellulare:", u"txtTelCel"),
        row(u"Recapito preferenziale:", u"txtRecapito"),
        row(u"Operatore telefonico:", u"txtAnticipi"),
        row(u"Luogo appuntamento:", u"txtComplessivo"),
        row(u"Durata prevista:", u"txtRateazione"),
        row(u"Agente incaricato:", u"txtBeneficiario"),
        row(u"Causale scadenza:", u"txtDettagli"),
        row(u"Modalità di pagamento:", u"txtOfficina"),
        row(u"Importo in euro:", u"txtCosto"),
        row(u"Estremi ricevuta:", u"txtContatto"),
        row(u"Note:", u"txtNote"),
        row(u"Appuntamento da confermare:", u"chkDaConfermare"),
        row(u"Pagamento effettuato:", u"chkEffettuata"),
        blank(),
        blank(),
        blank(),
        blank(),
    };
    return table;
}

ReportTemplate ScheduleSheet::build(const ControlTexts& controls, const QDateTime& when)
{
    CardSheet::Heading heading;
    heading.reportName = QStringLiteral("repScheda");
    heading.title = QStringLiteral("SCHEDA SCADENZA O APPUNTAMENTO");
    heading.document = QStringLiteral("Scheda scadenza o appuntamento");
    return CardSheet::build(heading, rows(), controls, when);
}
