#include "cli/Command.h"
#include "cli/ControlCommand.h"
#include "cli/ExportCommand.h"
#include "cli/SearchCommand.h"
#include "cli/VerifyCommand.h"

const QList<Command>& commands()
{
    static const QList<Command> all = {
        {"verifica", "verifica", runVerify},
        {"cerca", "cerca clienti [--cliente T] [--comune T] [--piva T] [--cf T] [--documento T] "
                  "[--occupazione T] [--prodotti T] [--zona T] [--questioni T] [--note T]",
         runSearch},
        {"esporta", "esporta clienti", runExport},
        {"controlla", "controlla cf|piva|carta|iban VALORE", runControl},
    };
    return all;
}
