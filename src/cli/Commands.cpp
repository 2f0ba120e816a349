#include "cli/Command.h"
#include "cli/ControlCommand.h"
#include "cli/DemoCommand.h"
#include "cli/VerifyCommand.h"

const QList<Command>& commands()
{
    static const QList<Command> all = {
        {"verifica", "verifica", runVerify},
        {"controlla", "controlla cf|piva|carta|iban VALORE", runControl},
        {"demo",
         "demo [--clienti N] [--operatori N] [--articoli N] [--chiamate N] [--vendite N] [--appuntamenti N] "
         "[--anno AAAA] [--seme S]",
         runDemo},
    };
    return all;
}
