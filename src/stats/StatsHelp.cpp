#include "stats/StatsHelp.h"

using namespace Qt::StringLiterals;

namespace {

// What both charts share: the year window, the two kinds of chart and the print.
QStringList chartParagraphs(const QString& what, const QString& figures, const QString& archive)
{
    return {
        u"L'applicazione Grafici statistici "_s + what +
            u" mostra in un grafico tridimensionale, mese per mese, "_s + figures +
            u" di un anno solare, lette dall'archivio "_s + archive + u" di quell'anno."_s,
        u"Nella finestra di partenza si indica l'anno con quattro cifre: il campo propone l'anno in corso "
        u"e accetta soltanto cifre; premendo Invio si passa al pulsante Visualizza, che apre il grafico. "
        u"Se per l'anno scelto non esiste ancora un archivio, il grafico mostra dodici valori pari a "
        u"zero."_s,
        u"Il grafico si apre a barre, una barra per ogni mese con il proprio colore e il valore indicato "
        u"sopra. I pulsanti in calce mostrano gli stessi valori come grafico a torta o di nuovo a barre. "
        u"\"Stampa grafico\" chiede conferma e il numero di copie (da 1 a 99), poi apre la finestra di "
        u"stampa: il grafico, così come è visualizzato, viene stampato su un foglio in orizzontale."_s,
    };
}

} // namespace

namespace StatsHelp {

QStringList callsChartParagraphs()
{
    return chartParagraphs(u"telefonate mensili"_s, u"quante chiamate ai clienti sono state registrate"_s,
                           u"del Registro chiamate"_s);
}

HelpTopic callsChart()
{
    return HelpTopic::fromParagraphs(u"Grafici statistici telefonate mensili."_s, callsChartParagraphs());
}

QStringList profitSummaryParagraphs()
{
    return {
        u"L'applicazione Riepilogo profitti elenca le vendite di un anno solare registrate in un intervallo "
        u"di "
        u"date, di tutti i clienti e di tutti gli articoli oppure soltanto di un cliente e/o di un articolo, "
        u"e ne somma gli importi: il profitto di quel periodo."_s,
        u"Si indica l'anno con quattro cifre, il codice fiscale del cliente e/o il codice dell'articolo "
        u"(anche "
        u"soltanto una parte: vengono considerate tutte le vendite il cui codice la contiene; i pulsanti "
        u"accanto ai campi li prendono dall'anagrafica clienti e dal magazzino) e si scelgono dagli elenchi "
        u"il "
        u"giorno e il mese di inizio e di fine dell'intervallo. Per il riepilogo di tutte le vendite basta "
        u"lasciare in bianco i campi di testo. Una data che non esiste, o una fine anteriore all'inizio, non "
        u"viene accettata."_s,
        u"Il pulsante Visualizza riepilogo apre l'elenco delle vendite trovate, con l'intervallo scelto e il "
        u"totale dei profitti. Il campo Trova cerca una o più parole nell'elenco; premendo di nuovo Trova si "
        u"passa alla voce successiva. Stampa riepilogo, dopo una conferma, stampa l'elenco seguito "
        u"dall'intervallo e dal totale. Una vendita con una data o un importo non leggibili non viene "
        u"conteggiata, e un avviso dice quante vendite sono state escluse."_s,
    };
}

HelpTopic profitSummary()
{
    return HelpTopic::fromParagraphs(u"Applicazione Riepilogo profitti."_s, profitSummaryParagraphs());
}

QStringList incomeChartParagraphs()
{
    QStringList paragraphs = chartParagraphs(
        u"entrate mensili"_s, u"le entrate, cioè la somma degli importi delle vendite registrate"_s,
        u"del Registro vendite"_s);
    paragraphs.append(u"Gli importi di ogni mese sono arrotondati all'euro: da 50 centesimi in su si "
                      u"arrotonda per eccesso. Una vendita il cui importo non è leggibile non viene "
                      u"conteggiata, e al termine un avviso dice quante vendite sono state escluse."_s);
    return paragraphs;
}

HelpTopic incomeChart()
{
    return HelpTopic::fromParagraphs(u"Grafici statistici entrate mensili."_s, incomeChartParagraphs());
}

} // namespace StatsHelp
