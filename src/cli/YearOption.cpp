#include "cli/YearOption.h"

#include "platform/ProgramFolder.h"

#include <QRegularExpression>

std::optional<QString> yearFile(const CommandOptions& options, const char* extension, QTextStream& err)
{
    static const QRegularExpression fourDigits(QStringLiteral("^[0-9]{4}$"));
    const QString year = options.value(QStringLiteral("anno"));
    if (!fourDigits.match(year).hasMatch()) {
        err << "Indicare l'anno con quattro cifre: --anno AAAA\n";
        return std::nullopt;
    }
    return ProgramFolder::yearFile(year, extension);
}
