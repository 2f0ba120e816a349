#include "cli/Command.h"
#include "cli/VerifyCommand.h"

const QList<Command>& commands()
{
    static const QList<Command> all = {
        {"verifica", "verifica", runVerify},
    };
    return all;
}
