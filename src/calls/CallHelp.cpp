#include "calls/CallHelp.h"

using namespace Qt::StringLiterals;

namespace CallHelp {

QStringList paragraphs()
{
    return {
        u"L'applicazione Registro chiamate raccoglie, anno per anno, le telefonate fatte ai clienti: per "
        u"ogni chiamata la data e l'ora, l'oggetto, i prodotti e i servizi proposti, la risposta del "
        u"cliente, il grado di interesse, le conclusioni, la durata, i dati del cliente, le note e "
        u"l'operatore o l'agente che l'ha effettuata. Le chiamate di ogni anno solare sono conservate in un "
        u"archivio separato nella cartella del programma."_s,
        u"All'apertura dell'applicazione si sceglie l'anno del registro: il campo Anno propone l'anno in "
        u"corso e accetta soltanto cifre; premendo Invio si passa al pulsante Apri. L'anno va indicato con "
        u"quattro cifre. Se per l'anno scelto non esiste ancora un archivio, questo viene creato alla prima "
        u"registrazione o consultazione."_s,
        u"La scheda della chiamata si apre pronta per una nuova registrazione, con la data di oggi e l'ora "
        u"attuale; l'anno della data è sempre quello del registro aperto. Giorno, mese, ore e minuti si "
        u"scelgono dai rispettivi elenchi a discesa e non si possono digitare; i tasti Canc e Backspace "
        u"svuotano l'elenco. I pulsanti Oggi e Adesso riportano la data e l'ora correnti. Per salvare la "
        u"scheda sono necessari la data, l'ora, l'oggetto della chiamata e il cognome e nome del cliente; "
        u"una data che non esiste nel calendario, come il 31 aprile, non viene accettata."_s,
        u"Il pulsante accanto al nome del cliente apre la ricerca nell'anagrafica clienti: con un doppio "
        u"clic sul cliente scelto ne vengono riportati nella scheda il nome, il codice fiscale, la zona, "
        u"l'indirizzo e-mail, il cellulare e il recapito preferenziale. Il pulsante accanto al codice "
        u"fiscale ne controlla la correttezza (o quella della partita IVA, se il campo contiene soltanto "
        u"cifre); il pulsante E-mail prepara un nuovo messaggio al cliente nel programma di posta "
        u"predefinito."_s,
        u"La barra in alto contiene i pulsanti Nuovo, Duplica, Salva e Trova, l'anteprima e la stampa "
        u"della scheda, le frecce che mostrano la prima, la precedente, la successiva e l'ultima chiamata "
        u"con il numero della scheda visualizzata, l'esportazione in Microsoft Excel e i riepiloghi "
        u"giornaliero (G), mensile (M) e annuale (A). Salvando una scheda già archiviata le modifiche la "
        u"sostituiscono. Duplica prepara una nuova chiamata con gli stessi dati, senza data e ora, da "
        u"scegliere prima di salvare: è il modo più rapido per registrare più chiamate allo stesso "
        u"cliente."_s,
        u"Durante una telefonata una chiamata si può registrare anche direttamente dalla scheda del "
        u"cliente, con il pulsante Nuova chiamata: la finestra che si apre riporta i dati del cliente, la "
        u"data di oggi e l'ora attuale; l'anno si può cambiare per registrare la chiamata nel registro di "
        u"un altro anno. Qui il codice fiscale è obbligatorio. Applica e chiudi salva la chiamata e chiude "
        u"la finestra; Annulla la chiude senza salvare."_s,
    };
}

HelpTopic topic()
{
    return HelpTopic::fromParagraphs(u"Applicazione Registro chiamate."_s, paragraphs());
}

} // namespace CallHelp
