#include "products/ProductHelp.h"

using namespace Qt::StringLiterals;

namespace ProductHelp {

QStringList paragraphs()
{
    return {
        u"L'applicazione Magazzino Prodotti e Servizi raccoglie le schede degli articoli e dei servizi "
        u"offerti dal call center: che cosa sono, chi li fornisce, quanto costano, a quale prezzo si "
        u"vendono, quanti pezzi sono in magazzino e sotto quale quantità iniziano a scarseggiare. Ogni "
        u"scheda viene mostrata una alla volta; all'apertura la schermata è pronta per la registrazione di "
        u"una nuova scheda, con le quantità a 0 e gli importi a 0,00."_s,
        u"Per inserire un nuovo articolo si compilano i campi e si preme Salva: il codice articolo è "
        u"obbligatorio, ma due articoli possono avere lo stesso codice. Premendo Invio si passa al campo "
        u"successivo; dall'ultimo campo, Note, si torna al primo. Nei campi Giacenza, Avviso sottoscorta e "
        u"Perc. IVA si possono digitare soltanto cifre; negli importi (costo, valore, prezzo e prezzo con "
        u"IVA) soltanto cifre e la virgola, e uscendo dal campo l'importo viene scritto con almeno due e "
        u"al massimo quattro decimali."_s,
        u"Calcola valore moltiplica il costo per la giacenza; Calcola ricava il prezzo con IVA dal prezzo e "
        u"dall'aliquota; Scorpora ricava il prezzo senza IVA dal prezzo con IVA e dall'aliquota. I risultati "
        u"sono arrotondati a due decimali. Al salvataggio la giacenza e la soglia di sottoscorta vengono "
        u"arrotondate a numeri interi, il prezzo con IVA viene ricalcolato dal prezzo e dall'aliquota e il "
        u"valore dal costo e dalla giacenza. Se uno di questi campi non contiene un numero valido la scheda "
        u"non viene salvata: un avviso indica il campo da correggere."_s,
        u"I pulsanti + e - accanto alla giacenza aprono la finestra di aggiornamento della giacenza: si "
        u"indica la quantità da aggiungere o da sottrarre, Calcola totale mostra la nuova giacenza e "
        u"Applica e chiudi la riporta nella scheda, che va poi salvata. La giacenza può anche diventare "
        u"negativa. Il pulsante Sottoscorta elenca gli articoli la cui giacenza è pari o inferiore alla "
        u"soglia di avviso; con un doppio clic su una voce l'articolo viene mostrato nella scheda."_s,
        u"Altre informazioni registra altezza, larghezza, lunghezza e scadenza dell'articolo: i dati "
        u"riportati con Applica e chiudi vengono archiviati premendo Salva. Cerca sul Web cerca con Google "
        u"la marca e il modello dell'articolo nel browser predefinito; la marca è necessaria. Con Allega "
        u"file si possono abbinare alla scheda fino a tre documenti, ciascuno con una descrizione."_s,
        u"Duplica prepara una nuova scheda con i dati di quella mostrata, senza i documenti allegati: "
        u"premendo Salva viene aggiunta all'archivio come nuova scheda. Dalla colonna dei comandi si possono "
        u"inoltre cercare gli articoli (Trova), stampare la scheda o salvarla nel file Articolo.pdf ed "
        u"esportare l'archivio nel file Magazzino.xls di Microsoft Excel. Le frecce in basso mostrano la "
        u"prima, la precedente, la successiva e l'ultima scheda in archivio. Le schede non vengono mai "
        u"cancellate."_s,
    };
}

HelpTopic topic()
{
    return HelpTopic::fromParagraphs(u"Applicazione Magazzino Prodotti e Servizi."_s, paragraphs());
}

HelpTopic exportTopic()
{
    return HelpTopic::fromParagraphs(
        u"Esportazione archivio prodotti e servizi in Microsoft Excel."_s,
        {
            u"Questa finestra mostra in una tabella tutte le schede del magazzino prodotti e servizi, "
            u"nell'ordine in cui sono state inserite, e permette di esportarle in un foglio di lavoro di "
            u"Microsoft Excel."_s,
            u"Per esportare l'archivio fare clic sul pulsante Esporta e confermare. Il file Magazzino.xls "
            u"viene creato nella cartella di installazione del programma e sostituisce quello di "
            u"un'esportazione precedente. Al termine è possibile aprirlo subito con Microsoft Excel o con un "
            u"altro programma di fogli di calcolo."_s,
            u"La colonna N. della tabella numera le schede e non viene esportata; la soglia di sottoscorta e "
            u"i documenti allegati non vengono esportati."_s,
            u"Se l'esportazione non riesce, accertarsi che il file Magazzino.xls non sia già aperto in "
            u"Microsoft Excel e riprovare."_s,
            u"Per tornare alla scheda del magazzino fare clic sul pulsante Esci."_s,
        });
}

} // namespace ProductHelp
