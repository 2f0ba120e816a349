#include "schedule/ScheduleHelp.h"

using namespace Qt::StringLiterals;

namespace ScheduleHelp {

namespace {

QString listParagraph()
{
    return u"L'elenco mostra le scadenze e gli appuntamenti in ordine di data e di ora, qualunque sia "
           u"l'ordine in cui sono stati registrati; la colonna N. indica l'ordine di registrazione e la "
           u"colonna Codice univoco riporta mese, giorno, ora e minuti su cui si basa l'ordinamento. Il "
           u"pulsante Esporta salva l'elenco in un file di Microsoft Excel nella cartella del programma e "
           u"propone di aprirlo; Esci chiude la finestra."_s;
}

} // namespace

QStringList paragraphs()
{
    return {
        u"L'applicazione Scadenzario e Appuntamenti raccoglie, anno per anno, gli appuntamenti e le "
        u"scadenze dei clienti: la data e l'ora, i giorni di preavviso, i dati del cliente, l'operatore e "
        u"l'agente incaricati, il luogo e la durata prevista, la causale, la modalità di pagamento, "
        u"l'importo, gli estremi della ricevuta e le note, con due caselle per annotare che l'appuntamento "
        u"attende conferma e che il pagamento è stato effettuato."_s,
        u"All'apertura un riquadro segnala se fra le scadenze dell'anno in corso ce ne sono di imminenti, "
        u"cioè scadenze la cui data cade entro i giorni di preavviso indicati nella scheda: in tal caso il "
        u"programma emette un avviso sonoro e il pulsante OK mostra l'elenco delle scadenze imminenti. Il "
        u"calendario e i pulsanti SCADENZE DEL GIORNO e SCADENZE DEL MESE mostrano le scadenze del giorno "
        u"o del mese selezionato. Per inserire o modificare le schede si indica l'anno solare con quattro "
        u"cifre e si preme Apri."_s,
        u"Nella scheda giorno, mese, ore e minuti si scelgono dagli elenchi a discesa; i tasti Canc e "
        u"Backspace svuotano l'elenco. Per salvare sono necessari la data, l'ora, i giorni di preavviso, "
        u"il cognome e nome del cliente, il codice fiscale e la causale; una data che non esiste nel "
        u"calendario, come il 31 aprile o il 29 febbraio di un anno non bisestile, non viene accettata. "
        u"L'importo si scrive con la virgola e viene completato con i decimali all'uscita dal campo."_s,
        u"I pulsanti accanto al nome del cliente, all'operatore e all'agente riportano nella scheda i dati "
        u"scelti dall'anagrafica clienti o dall'archivio degli operatori e agenti; il pulsante accanto al "
        u"codice fiscale ne controlla la correttezza (o quella della partita IVA, se il campo contiene "
        u"soltanto cifre)."_s,
        u"I pulsanti a destra preparano una nuova scheda, duplicano quella corrente (la copia conserva "
        u"tutto tranne data e ora: è il modo più rapido per registrare scadenze che si ripetono durante "
        u"l'anno), salvano, cercano, mostrano l'anteprima di stampa, stampano ed esportano l'archivio "
        u"dell'anno in Microsoft Excel. Da confermare, Da effettuare ed Effettuati elencano gli "
        u"appuntamenti in attesa di conferma, i pagamenti ancora da effettuare e quelli effettuati: un "
        u"doppio clic su una voce la riporta nella scheda. Le frecce in basso mostrano la prima, la "
        u"precedente, la successiva e l'ultima scheda."_s,
        u"Durante una telefonata un appuntamento si può registrare anche dalla scheda del cliente, con il "
        u"pulsante Nuovo appuntamento: la finestra riporta i dati del cliente e l'anno in corso, che si "
        u"può cambiare per registrare l'appuntamento nello scadenzario di un altro anno. Applica e chiudi "
        u"salva l'appuntamento e chiude la finestra; Annulla la chiude senza salvare."_s,
    };
}

HelpTopic topic()
{
    return HelpTopic::fromParagraphs(u"Applicazione Scadenzario e Appuntamenti."_s, paragraphs());
}

HelpTopic dayAndMonthLists()
{
    return HelpTopic::fromParagraphs(
        u"Visualizzazione scadenze e appuntamenti."_s,
        {u"Questa finestra elenca le scadenze e gli appuntamenti del giorno o del mese selezionato nel "
         u"calendario dello Scadenzario."_s,
         listParagraph()});
}

HelpTopic imminentList()
{
    return HelpTopic::fromParagraphs(
        u"Visualizzazione scadenze o appuntamenti."_s,
        {u"Questa finestra elenca le scadenze imminenti dell'anno in corso: quelle la cui data è oggi o "
         u"cade entro i giorni di preavviso indicati nella scheda."_s,
         listParagraph()});
}

HelpTopic archiveExport()
{
    return HelpTopic::fromParagraphs(
        u"Esportazione Scadenzario e appuntamenti in Microsoft Excel."_s,
        {u"Questa finestra mostra tutte le schede dell'anno aperto nello Scadenzario, nell'ordine in cui "
         u"sono state registrate; la colonna N. ne riporta il numero."_s,
         u"Il pulsante Esporta salva le schede nel file Scadenzario_e_Appuntamenti.xls nella cartella del "
         u"programma, che Microsoft Excel apre come foglio di lavoro, e propone di aprirlo; se il file è "
         u"già aperto in Excel l'esportazione non è possibile. Esci chiude la finestra."_s});
}

} // namespace ScheduleHelp
