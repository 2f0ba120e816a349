#include "cli/Command.h"
#include "cli/ControlCommand.h"
#include "cli/VerifyCommand.h"

const QList<Command>& commands()
{
    static const QList<Command> all = {
        {"verifica", "verifica", runVerify},
        {"controlla", "controlla cf|piva|carta|iban VALORE", runControl},
    };
    return all;
}
