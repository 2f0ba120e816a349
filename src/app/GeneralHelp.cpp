#include "app/GeneralHelp.h"

#include "calls/CallHelp.h"
#include "clients/ClientHelp.h"
#include "operators/OperatorHelp.h"
#include "products/ProductHelp.h"
#include "schedule/ScheduleHelp.h"
#include "stats/StatsHelp.h"

#include <QList>

namespace {

QStringList introduction()
{
    return {
        QStringLiteral(
            "Telvara 3.0 accompagna il lavoro quotidiano degli operatori di un piccolo call center: "
            "raccoglie in un unico ambiente l'anagrafica dei clienti, il registro delle chiamate "
            "effettuate, il registro delle vendite concluse, lo scadenzario degli appuntamenti e "
            "delle scadenze, il magazzino dei prodotti e dei servizi e l'archivio degli operatori "
            "e degli agenti. Tutti gli archivi sono conservati nella cartella del programma, senza "
            "bisogno di alcun server."),
        QStringLiteral(
            "La schermata di partenza presenta le otto applicazioni del programma: per aprirne una "
            "basta fare clic sulla sua immagine o sulla scritta sottostante. Quando si esce da "
            "un'applicazione, con il suo pulsante Esci o con il pulsante di chiusura della "
            "finestra, si torna alla schermata di partenza. Le quattro immagini agli angoli della "
            "schermata mostrano le informazioni sul programma, questa guida e i riconoscimenti, "
            "e permettono di uscire dal programma."),
        QStringLiteral(
            "Ogni schermata di lavoro ha il proprio pulsante Guida, che apre la pagina della guida "
            "dedicata all'ambiente in cui ci si trova. La guida completa è disponibile anche in "
            "formato PDF: basta fare clic su \"Visualizza guida in formato PDF\" in fondo alla "
            "finestra della guida."),
    };
}

// The paragraphs of each application, in the order of the guide: clients, operators and agents,
// products and services, appointments and deadlines, call register, calls chart, sales register,
// profit summary, income chart. Each application adds its own function here as it lands.
const QList<QStringList (*)()> applications = {&ClientHelp::paragraphs, &OperatorHelp::paragraphs,
                                               &ProductHelp::paragraphs,
                                               &ScheduleHelp::paragraphs,
                                               &CallHelp::paragraphs,
                                               &StatsHelp::callsChartParagraphs,
                                               &StatsHelp::profitSummaryParagraphs,
                                               &StatsHelp::incomeChartParagraphs};

QStringList closing()
{
    return {
        QStringLiteral("L'accesso al programma è protetto da una password, che l'utente autorizzato può "
                       "cambiare a piacere con il pulsante \"Cambia password\" della finestra di "
                       "autenticazione, digitando la vecchia password e due volte quella nuova. Nel "
                       "confronto non si distingue tra lettere maiuscole e minuscole. Al primo accesso dopo "
                       "ogni installazione la password da digitare è: telvara"),
        QStringLiteral("Il programma può essere utilizzato anche in una rete locale: avviandolo da una "
                       "cartella condivisa, più postazioni di lavoro consultano e aggiornano gli stessi "
                       "archivi."),
        QStringLiteral("La cartella del programma contiene anche tutti gli archivi: può essere copiata per "
                       "intero su una chiavetta USB e il programma può essere avviato direttamente da lì. "
                       "Copiare la cartella è anche il modo più rapido per fare una copia di sicurezza di "
                       "tutti gli archivi."),
        QStringLiteral("Telvara 3.0 nasce per semplificare il lavoro del call center: tenere in ordine i "
                       "contatti con i clienti, non dimenticare appuntamenti e scadenze, e avere sempre "
                       "sotto controllo l'andamento delle chiamate, delle vendite e dei profitti."),
    };
}

} // namespace

namespace GeneralHelp {

HelpTopic topic()
{
    QStringList paragraphs = introduction();
    for (const auto& application : applications)
        paragraphs += application();
    paragraphs += closing();
    return HelpTopic::fromParagraphs(QStringLiteral("Uno sguardo a Telvara 3.0."), paragraphs);
}

} // namespace GeneralHelp
