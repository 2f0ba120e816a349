#include "sales/SaleHelp.h"

using namespace Qt::StringLiterals;

namespace SaleHelp {

namespace {

QString profitSummary()
{
    return u"Il secondo pulsante Apri della stessa finestra mostra il riepilogo dei profitti percepiti, "
           u"calcolato sulle vendite registrate; per aprirlo non occorre indicare l'anno."_s;
}

} // namespace

QStringList paragraphs()
{
    return {
        u"L'applicazione Registro vendite raccoglie, anno per anno, le vendite concluse con i clienti: per "
        u"ogni vendita la data e l'ora, il codice, la tipologia e la descrizione dell'articolo venduto, "
        u"l'importo in euro, le modalità di consegna e di pagamento, i dati del cliente, le note e "
        u"l'operatore o l'agente che l'ha registrata. Le vendite di ogni anno solare sono conservate in un "
        u"archivio separato nella cartella del programma."_s,
        u"All'apertura dell'applicazione si sceglie l'anno del registro: il campo Anno propone l'anno in "
        u"corso e accetta soltanto cifre; premendo Invio si passa al pulsante Apri. L'anno va indicato con "
        u"quattro cifre. Se per l'anno scelto non esiste ancora un archivio, questo viene creato alla prima "
        u"registrazione o consultazione."_s,
        u"La scheda della vendita si apre pronta per una nuova registrazione, con la data di oggi, l'ora "
        u"attuale e l'importo 0,00. Giorno, mese, ore e minuti si scelgono dagli elenchi a discesa; i "
        u"pulsanti Oggi e Adesso riportano la data e l'ora correnti. L'importo accetta soltanto cifre e la "
        u"virgola e viene completato con i decimali lasciando il campo o salvando: 7 diventa 7,00 e ,75 "
        u"diventa 0,75. Per salvare la scheda sono necessari la data, l'ora, il codice e la tipologia "
        u"dell'articolo, il cognome e nome e il codice fiscale del cliente."_s,
        u"Il pulsante accanto al codice articolo apre il magazzino: dopo la ricerca, un clic su un articolo "
        u"ne mostra il codice, la descrizione e la giacenza attuale. Il pulsante Importa articolo senza "
        u"aggiornare giacenza riporta nella scheda il codice, la tipologia, la descrizione e il prezzo "
        u"comprensivo di IVA; Importa articolo e aggiorna giacenza fa lo stesso e toglie inoltre dalla "
        u"giacenza dell'articolo la quantità indicata, che non può superare quella disponibile. L'importo "
        u"riportato è sempre il prezzo unitario dell'articolo."_s,
        u"Il pulsante accanto al nome del cliente apre la ricerca nell'anagrafica clienti: con un doppio "
        u"clic sul cliente scelto ne vengono riportati nella scheda il nome, il codice fiscale, la zona, "
        u"l'indirizzo e-mail, il cellulare, il recapito preferenziale e la modalità di pagamento, che "
        u"sostituisce quella eventualmente già scritta. Il pulsante E-mail prepara nel programma di posta "
        u"predefinito un messaggio di conferma dell'acquisto, con la data, l'ora, l'articolo e il prezzo "
        u"convenuto; non è necessario salvare prima la scheda."_s,
        u"La barra in alto contiene i pulsanti Nuovo, Duplica, Salva e Trova, l'anteprima e la stampa della "
        u"scheda, che riporta la vendita due volte sullo stesso foglio, una copia per il cliente e una per "
        u"la ditta, le frecce di scorrimento, l'esportazione in Microsoft Excel e i riepiloghi giornaliero "
        u"(G), mensile (M) e annuale (A). Duplica prepara una nuova vendita con gli stessi dati, senza data "
        u"e ora, da scegliere prima di salvare."_s,
        u"Una vendita si può registrare anche direttamente dalla scheda del cliente, con il pulsante Nuova "
        u"vendita: la finestra che si apre riporta i dati del cliente e la sua modalità di pagamento, la "
        u"data di oggi e l'ora attuale; l'anno si può cambiare per registrare la vendita nel registro di un "
        u"altro anno. Applica e chiudi salva la vendita e chiude la finestra; Annulla la chiude senza "
        u"salvare."_s,
        profitSummary(),
    };
}

HelpTopic topic()
{
    return HelpTopic::fromParagraphs(u"Applicazione Registro vendite."_s, paragraphs());
}

HelpTopic menuTopic()
{
    return HelpTopic::fromParagraphs(u"Applicazioni Registro vendite e Riepilogo profitti."_s, paragraphs());
}

} // namespace SaleHelp
