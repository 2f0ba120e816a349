#include "cli/ArchivesCommand.h"

#include "cli/CopyCommand.h"
#include "cli/PrepareCommand.h"

int runArchives(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.value(0) == QLatin1StringView("prepara"))
        return runPrepare(arguments.mid(1), out, err);
    return runCopy(arguments, out, err);
}
