#include "cli/YearOption.h"

#include "platform/ProgramFolder.h"

std::optional<QString> yearFile(const CommandOptions& options, const char* extension, QTextStream& err)
{
    std::optional<QString> path =
        ProgramFolder::yearFile(options.value(QStringLiteral("anno")), QString::fromLatin1(extension));
    if (!path)
        err << "Indicare l'anno con quattro cifre: --anno AAAA\n";
    return path;
}
