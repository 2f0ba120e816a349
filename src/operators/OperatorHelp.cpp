#include "operators/OperatorHelp.h"

using namespace Qt::StringLiterals;

namespace OperatorHelp {

QStringList paragraphs()
{
    return {
        u"L'applicazione Operatori e Agenti raccoglie le schede del personale del call center, interno ed "
        u"esterno: dati anagrafici e di residenza, disponibilità, recapiti, qualifiche, dati bancari e "
        u"della carta di credito, equipaggiamento assegnato, documento di riconoscimento, mansione e "
        u"contratto. Ogni scheda viene mostrata una alla volta; all'apertura la schermata è pronta per la "
        u"registrazione di una nuova scheda, con la data di assunzione e la prossima scadenza impostate "
        u"alla data odierna."_s,
        u"Per inserire un nuovo operatore o agente si compilano i campi e si preme Salva. Il cognome e il "
        u"nome sono obbligatori; la data di assunzione e la prossima scadenza del contratto devono essere "
        u"date valide nel formato gg/mm/aaaa e la scadenza non può precedere l'assunzione; i giorni di "
        u"preavviso vanno sempre indicati. Premendo Invio si passa al campo successivo; dall'ultimo campo, "
        u"Importo rata, si torna al cognome. Il codice fiscale, il sesso, l'IBAN e le sigle delle province "
        u"vengono scritti in maiuscolo; nei campi Partita IVA, Carta di credito e Giorni di preavviso si "
        u"possono digitare soltanto cifre; gli importi vengono completati con i decimali quando si lascia "
        u"il campo."_s,
        u"I pulsanti della barra in alto preparano una nuova scheda, la salvano e cercano le schede in "
        u"archivio; le frecce mostrano la prima, la precedente, la successiva e l'ultima scheda, e il "
        u"numero della scheda visualizzata compare tra le frecce. Se si modifica una scheda già archiviata "
        u"e si preme Salva, le modifiche sostituiscono la scheda; le modifiche non salvate vanno perse "
        u"passando a un'altra scheda o premendo Nuovo. Le schede non vengono mai cancellate."_s,
        u"I pulsanti accanto ai campi controllano la correttezza del codice fiscale (o della partita IVA, "
        u"se il campo contiene soltanto cifre), della partita IVA, dell'IBAN e del numero di carta di "
        u"credito; il pulsante accanto all'indirizzo e-mail prepara un nuovo messaggio nel programma di "
        u"posta predefinito. Con Allega file si possono abbinare alla scheda fino a tre documenti, "
        u"ciascuno con una descrizione, archiviati premendo Salva."_s,
        u"Stampa e Anteprima producono la scheda informativa del dipendente così come appare sullo "
        u"schermo, anche se non ancora salvata. Il pulsante dei contratti mostra gli operatori e gli agenti "
        u"il cui contratto è già scaduto o scade entro i giorni di preavviso indicati nella scheda: con un "
        u"doppio clic su una voce la scheda viene richiamata. Il pulsante Esporta copia l'archivio in un "
        u"file di Microsoft Excel."_s,
    };
}

HelpTopic topic()
{
    return HelpTopic::fromParagraphs(u"Applicazione Operatori e Agenti."_s, paragraphs());
}

HelpTopic exportTopic()
{
    return HelpTopic::fromParagraphs(
        u"Esportazione archivio operatori e agenti in Microsoft Excel."_s,
        {
            u"Questa finestra mostra in una tabella tutte le schede dell'archivio degli operatori e degli "
            u"agenti, nell'ordine in cui sono state inserite, e permette di esportarle in un foglio di "
            u"lavoro di Microsoft Excel."_s,
            u"Per esportare l'archivio fare clic sul pulsante Esporta e confermare. Il file "
            u"Personale_Interno.xls viene creato nella cartella di installazione del programma e "
            u"sostituisce quello di un'esportazione precedente. Al termine è possibile aprirlo subito con "
            u"Microsoft Excel o con un altro programma di fogli di calcolo."_s,
            u"La colonna N. della tabella numera le schede e non viene esportata. Il sesso, le province, il "
            u"CAP, lo stato civile, i dati bancari e della carta di credito, le date e gli importi del "
            u"contratto non fanno parte dell'esportazione."_s,
            u"Se l'esportazione non riesce, accertarsi che il file Personale_Interno.xls non sia già aperto "
            u"in Microsoft Excel e riprovare."_s,
            u"Per tornare alla scheda degli operatori e degli agenti fare clic sul pulsante Esci."_s,
        });
}

} // namespace OperatorHelp
