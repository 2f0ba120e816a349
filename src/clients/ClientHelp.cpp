#include "clients/ClientHelp.h"

using namespace Qt::StringLiterals;

namespace ClientHelp {

QStringList paragraphs()
{
    return {
        u"L'applicazione Anagrafica Clienti raccoglie le schede dei clienti del call center: dati "
        u"anagrafici e di residenza, recapiti telefonici ed e-mail, dati fiscali e di pagamento, profilo "
        u"commerciale, questioni in sospeso e note. Ogni scheda viene mostrata una alla volta; all'apertura "
        u"la schermata è pronta per la registrazione di una nuova scheda."_s,
        u"Per inserire un nuovo cliente si compilano i campi e si preme Salva. Il cognome e nome e il "
        u"codice fiscale sono obbligatori: senza di essi la scheda non viene salvata. Premendo Invio si "
        u"passa al campo successivo; dall'ultimo campo, Note, si torna al primo. Il codice fiscale, "
        u"l'IBAN e le sigle delle province vengono scritti in maiuscolo; nei campi Carta di credito e "
        u"Partita IVA si possono digitare soltanto cifre. La casella Da ricontattare ricorda che il "
        u"cliente va richiamato per questioni ancora aperte."_s,
        u"Le frecce in basso a destra mostrano la prima, la precedente, la successiva e l'ultima scheda "
        u"in archivio; il numero della scheda visualizzata compare tra le frecce. Se si modifica una scheda "
        u"già archiviata e si preme Salva, le modifiche sostituiscono la scheda; le modifiche non salvate "
        u"vanno perse passando a un'altra scheda o premendo Nuovo. Le schede non vengono mai cancellate."_s,
        u"I pulsanti accanto ai campi controllano la correttezza del codice fiscale (o della partita IVA, "
        u"se il campo contiene soltanto cifre), del numero di carta di credito, della partita IVA e "
        u"dell'IBAN; il pulsante accanto all'indirizzo e-mail prepara un nuovo messaggio nel programma di "
        u"posta predefinito."_s,
        u"Con Allega file si possono abbinare alla scheda fino a tre documenti, ciascuno con una "
        u"descrizione: il pulsante Sfoglia... copia il file scelto nella cartella Documenti_Allegati del "
        u"programma, chiedendo conferma se vi si trova già un file con lo stesso nome, e il pulsante Apri lo "
        u"mostra con il programma associato. I riferimenti vengono riportati nella scheda con Applica e "
        u"chiudi e archiviati premendo Salva; togliendo un riferimento il file resta comunque nella "
        u"cartella. "
        u"Apri cartella apre invece la cartella personale del cliente, Cliente_ seguito dal numero della "
        u"scheda, creandola la prima volta: è disponibile soltanto per le schede già inserite in archivio."_s,
        u"Durante una telefonata i pulsanti Nuova chiamata, Nuova vendita e Nuovo appuntamento registrano "
        u"una chiamata, una vendita o un appuntamento per il cliente mostrato, riportandone i dati; i "
        u"pulsanti di riepilogo mostrano le chiamate, le vendite e gli appuntamenti del cliente in un anno "
        u"solare. Dalla colonna dei comandi si possono inoltre cercare le schede (Trova), stampare la scheda "
        u"o salvarla in formato PDF, allegare file e aprire la cartella abbinata al cliente, vedere i "
        u"clienti da ricontattare ed esportare l'archivio in un file di Microsoft Excel."_s,
    };
}

HelpTopic topic()
{
    return HelpTopic::fromParagraphs(u"Applicazione Anagrafica Clienti."_s, paragraphs());
}

} // namespace ClientHelp
