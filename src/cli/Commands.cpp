#include "cli/ArchivesCommand.h"
#include "cli/ChartCommand.h"
#include "cli/Command.h"
#include "cli/ContractsCommand.h"
#include "cli/ControlCommand.h"
#include "cli/DemoCommand.h"
#include "cli/ExportCommand.h"
#include "cli/LowStockCommand.h"
#include "cli/ProfitCommand.h"
#include "cli/ScheduleCommand.h"
#include "cli/SearchCommand.h"
#include "cli/VerifyCommand.h"

const QList<Command>& commands()
{
    static const QList<Command> all = {
        {"verifica", "verifica", runVerify},
        {"controlla", "controlla cf|piva|carta|iban VALORE", runControl},
        {"cerca", "cerca clienti [--cliente T] [--comune T] [--piva T] [--cf T] [--documento T] "
                  "[--occupazione T] [--prodotti T] [--zona T] [--questioni T] [--note T]\n"
                  "  cerca operatori [--cognome T] [--nome T] [--mansione T] [--categoria T] [--cf T] [--piva T] "
                  "[--disponibilita T] [--equipaggiamento T] [--contratto T] [--note T]\n"
                  "  cerca chiamate --anno AAAA [--data T] [--mese T] [--oggetto T] [--prodotti T] [--risposta T] "
                  "[--operatore T] [--cliente T] [--cf T] [--zona T] [--note T]\n"
                  "  cerca articoli [--codice T] [--tipologia T] [--marca T] [--modello T] [--descrizione T] "
                  "[--accessori T] [--fornitore T] [--documento T] [--collocazione T] [--note T]\n"
                  "  cerca vendite --anno AAAA [--data T] [--mese T] [--codice T] [--tipologia T] [--descrizione T] "
                  "[--operatore T] [--cliente T] [--cf T] [--zona T] [--note T]\n"
                  "  cerca appuntamenti --anno AAAA [--data T] [--ora T] [--cliente T] [--cf T] [--zona T] "
                  "[--questioni T] [--operatore T] [--agente T] [--causale T] [--note T]",
         runSearch},
        {"esporta",
         "esporta clienti\n  esporta operatori\n"
         "  esporta chiamate --anno AAAA [--giorno GG --mese NOME | --mese NOME]\n"
         "  esporta articoli\n"
         "  esporta vendite --anno AAAA [--giorno GG --mese NOME | --mese NOME]\n"
         "  esporta appuntamenti --anno AAAA [--giorno GG/MM | --mese NOME | --imminenti] [--oggi GG/MM/AAAA]",
         runExport},
        {"contratti", "contratti [--oggi GG/MM/AAAA]", runContracts},
        {"sottoscorta", "sottoscorta", runLowStock},
        {"scadenze", "scadenze --anno AAAA (--giorno GG/MM | --mese NOME | --imminenti) [--oggi GG/MM/AAAA]",
         runSchedule},
        {"grafico", "grafico entrate|chiamate --anno AAAA", runChart},
        {"riepilogo", "riepilogo profitti --anno AAAA --dal GG/MM --al GG/MM [--cf T] [--articolo T]", runProfit},
        {"demo",
         "demo [--clienti N] [--operatori N] [--articoli N] [--chiamate N] [--vendite N] [--appuntamenti N] "
         "[--anno AAAA] [--seme S]",
         runDemo},
        {"archivi",
         "archivi copia --da CARTELLA|URI --a CARTELLA|URI\n  archivi prepara [--archivio URI] [--anno AAAA]",
         runArchives},
    };
    return all;
}
