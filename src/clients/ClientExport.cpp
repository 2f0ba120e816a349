#include "clients/ClientExport.h"

#include "clients/SchedaCliente.h"
#include "platform/ProgramFolder.h"
#include "storage/RecordFile.h"

namespace ClientExport {

using namespace SchedaCliente;

const QList<GridColumn>& columns()
{
    static const QList<GridColumn> all = {
        {QStringLiteral("Cognome e nome"), 250, {Cliente}, QStringLiteral("Cognome e nome"), 250},
        {QStringLiteral("Data di nascita"), 200, {DataNasc}, QStringLiteral("Data di nascita"), 200},
        {QStringLiteral("Comune / Stato estero di nascita"),
         250,
         {ComuneNasc, ProvNasc},
         QStringLiteral("Comune di nascita"),
         250},
        {QStringLiteral("Recapito preferenziale"),
         250,
         {Recapito},
         QStringLiteral("Recapito preferenziale"),
         250},
        {QStringLiteral("Indirizzo di residenza"),
         300,
         {IndirizzoRes},
         QStringLiteral("Indirizzo di residenza"),
         300},
        {QStringLiteral("Comune di residenza"),
         250,
         {ComuneRes, ProvRes},
         QStringLiteral("Comune di residenza"),
         250},
        {QStringLiteral("Modalità di pagamento"),
         250,
         {Estremi},
         QStringLiteral("Modalità di pagamento"),
         250},
        {QStringLiteral("Tel. casa"), 250, {TelCasa}, QStringLiteral("Tel. casa"), 250},
        {QStringLiteral("Tel. ufficio"), 250, {TelUff}, QStringLiteral("Tel. ufficio"), 250},
        {QStringLiteral("Tel. cellulare"), 250, {TelCel}, QStringLiteral("Tel. cellulare"), 250},
        {QStringLiteral("Fax"), 250, {Fax}, QStringLiteral("Fax"), 250},
        {QStringLiteral("E-mail"), 250, {Email}, QStringLiteral("E-mail"), 250},
        {QStringLiteral("Codice fiscale"), 250, {CodFisc}, QStringLiteral("Codice fiscale"), 250},
        {QStringLiteral("Partita IVA"), 250, {PartitaIva}, QStringLiteral("Partita IVA"), 250},
        {QStringLiteral("Carta di credito n."), 300, {Carta}, QStringLiteral("Carta di credito n."), 300},
        {QStringLiteral("Scadenza"), 150, {ScadeCarta}, QStringLiteral("Scadenza"), 150},
        {QStringLiteral("IBAN"), 300, {Iban}, QStringLiteral("IBAN"), 300},
        {QStringLiteral("Estremi documento"), 280, {Documento}, QStringLiteral("Estremi documento"), 280},
        {QStringLiteral("Occupazione"), 250, {Occupazione}, QStringLiteral("Occupazione"), 250},
        {QStringLiteral("Stato civile"), 250, {Civile}, QStringLiteral("Stato civile"), 250},
        {QStringLiteral("Titoli e qualifiche"), 280, {Titoli}, QStringLiteral("Titoli e qualifiche"), 280},
        {QStringLiteral("Prodotti e servizi di interesse"),
         300,
         {Prodotti},
         QStringLiteral("Prodotti e servizi di interesse"),
         300},
        {QStringLiteral("Zona di appartenenza"), 250, {Zona}, QStringLiteral("Zona di appartenenza"), 250},
        {QStringLiteral("Questioni in sospeso"),
         300,
         {Questioni},
         QStringLiteral("Questioni in sospeso"),
         300},
        {QStringLiteral("Note"), 300, {Note}, QStringLiteral("Note"), 300},
    };
    return all;
}

const GridExport& target()
{
    static const GridExport exported{QStringLiteral("Riepilogo Clienti"), QStringLiteral("Clienti.xls")};
    return exported;
}

ExportDefinition definition()
{
    return {
        QStringLiteral(" Esporta archivio clienti in Microsoft Excel"),
        HelpTopic::fromParagraphs(
            QStringLiteral("Esportazione archivio clienti in Microsoft Excel."),
            {
                QStringLiteral(
                    "Questa finestra mostra in una tabella tutte le schede dell'archivio clienti, "
                    "nell'ordine in cui sono state inserite, e permette di esportarle in un foglio "
                    "di lavoro di Microsoft Excel."),
                QStringLiteral(
                    "Per esportare l'archivio fare clic sul pulsante Esporta e confermare. Il file "
                    "Clienti.xls viene creato nella cartella di installazione del programma e "
                    "sostituisce quello di un'esportazione precedente. Al termine è possibile "
                    "aprirlo subito con Microsoft Excel o con un altro programma di fogli di "
                    "calcolo."),
                QStringLiteral(
                    "La colonna N. della tabella numera le schede e non viene esportata. Il comune "
                    "di nascita e il comune di residenza sono seguiti dalla sigla della provincia."),
                QStringLiteral("Se l'esportazione non riesce, accertarsi che il file Clienti.xls non sia già "
                               "aperto in Microsoft Excel e riprovare."),
                QStringLiteral("Per tornare alla scheda clienti fare clic sul pulsante Esci."),
            }),
        columns(),
        target(),
        [](TextTable& rows) {
            const RecordFile file(ProgramFolder::file(QLatin1StringView(kFileName)), layout);
            return RecordGrid::fill(file, columns(), rows);
        },
    };
}

} // namespace ClientExport
