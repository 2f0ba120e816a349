#include "sales/SaleGridHelp.h"

using namespace Qt::StringLiterals;

namespace SaleGridHelp {

HelpTopic summaries()
{
    return HelpTopic::fromParagraphs(
        u"Riepilogo vendite."_s,
        {
            u"I riepiloghi giornaliero, mensile e annuale mostrano in una tabella tutte le vendite "
            u"registrate in un giorno, in un mese o nell'intero anno del registro aperto nella scheda "
            u"vendite. Ogni riga riporta data e ora della vendita, codice, tipologia e descrizione "
            u"dell'articolo, importo, modalità di consegna e di pagamento, i dati del cliente, le note e "
            u"l'operatore o agente. Gli importi compaiono come sono stati registrati e non vengono sommati: "
            u"i totali sono quelli del riepilogo profitti."_s,
            u"Nel riepilogo giornaliero si scelgono un giorno e un mese dagli elenchi a discesa, nel "
            u"riepilogo mensile soltanto il mese; premendo Visualizza compare la tabella delle vendite "
            u"corrispondenti. Il riepilogo annuale si apre subito con tutte le vendite dell'anno, "
            u"nell'ordine in cui sono state registrate."_s,
            u"Il pulsante Esporta scrive la tabella in un file di Microsoft Excel nella cartella del "
            u"programma (Vendite_Giornaliere.xls, Vendite_Mensili.xls o Vendite_Annuali.xls), sostituendo "
            u"il file di un'esportazione precedente, e al termine propone di aprirlo. Se il file è già "
            u"aperto in Excel l'esportazione non è possibile: chiuderlo e riprovare."_s,
        });
}

HelpTopic registerExport()
{
    return HelpTopic::fromParagraphs(
        u"Esportazione Registro vendite in Microsoft Excel."_s,
        {
            u"La finestra mostra in una tabella tutte le vendite del registro aperto nella scheda vendite, "
            u"nell'ordine in cui sono state registrate, con gli importi come sono stati registrati."_s,
            u"Il pulsante Esporta, dopo una conferma, scrive la tabella nel file Registro_Vendite.xls nella "
            u"cartella del programma, sostituendo quello di un'esportazione precedente, e al termine "
            u"propone di aprirlo con Microsoft Excel. Un registro vuoto produce un file con la sola riga "
            u"delle intestazioni. Se il file è già aperto in Excel l'esportazione non è possibile: chiudere "
            u"il file e riprovare."_s,
        });
}

} // namespace SaleGridHelp
