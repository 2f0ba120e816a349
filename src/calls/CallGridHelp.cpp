#include "calls/CallGridHelp.h"

using namespace Qt::StringLiterals;

namespace CallGridHelp {

HelpTopic summaries()
{
    return HelpTopic::fromParagraphs(
        u"Riepilogo chiamate."_s,
        {
            u"I riepiloghi giornaliero, mensile e annuale mostrano in una tabella tutte le chiamate "
            u"registrate in un giorno, in un mese o nell'intero anno del registro aperto nella scheda "
            u"chiamate. Ogni riga riporta data e ora della chiamata, oggetto, prodotti e servizi proposti, "
            u"risposta e grado di interesse del cliente, conclusioni, durata, i dati del cliente, le note e "
            u"l'operatore o agente che l'ha registrata."_s,
            u"Nel riepilogo giornaliero si scelgono un giorno e un mese dagli elenchi a discesa, nel "
            u"riepilogo mensile soltanto il mese; premendo Visualizza compare la tabella delle chiamate "
            u"corrispondenti. Se il registro dell'anno non contiene ancora nessuna chiamata, la scelta "
            u"resta sullo schermo. Il riepilogo annuale si apre subito con tutte le chiamate dell'anno."_s,
            u"Le chiamate compaiono nell'ordine in cui sono state registrate, numerate a partire da 1. "
            u"La tabella viene calcolata una sola volta: le chiamate registrate in seguito compaiono "
            u"aprendo di nuovo il riepilogo."_s,
            u"Il pulsante Esporta scrive la tabella in un file di Microsoft Excel nella cartella del "
            u"programma (Chiamate_Giornaliere.xls, Chiamate_Mensili.xls o Chiamate_Annuali.xls), "
            u"sostituendo il file di un'esportazione precedente, e al termine propone di aprirlo. Se il "
            u"file è già aperto in Excel l'esportazione non è possibile: chiuderlo e riprovare. Il "
            u"pulsante Esci chiude il riepilogo."_s,
        });
}

HelpTopic registerExport()
{
    return HelpTopic::fromParagraphs(
        u"Esportazione Registro chiamate in Microsoft Excel."_s,
        {
            u"La finestra mostra in una tabella tutte le chiamate del registro aperto nella scheda chiamate, "
            u"nell'ordine in cui sono state registrate: data e ora, oggetto, prodotti e servizi proposti, "
            u"risposta e grado di interesse, conclusioni, durata, i dati del cliente, le note e l'operatore "
            u"o agente."_s,
            u"Il pulsante Esporta, dopo una conferma, scrive la tabella nel file Registro_Chiamate.xls "
            u"nella cartella del programma, sostituendo quello di un'esportazione precedente, e al termine "
            u"propone di aprirlo con Microsoft Excel. La colonna dei numeri di riga non viene esportata; un "
            u"registro vuoto produce un file con la sola riga delle intestazioni."_s,
            u"Se il file è già aperto in Excel, o la cartella del programma non permette di scrivere, "
            u"l'esportazione non è possibile: chiudere il file e riprovare. Il pulsante Esci chiude la "
            u"finestra."_s,
        });
}

} // namespace CallGridHelp
