#include "cli/CommandOptions.h"

std::optional<CommandOptions> CommandOptions::parse(const QStringList& arguments, const QStringList& known,
                                                    QTextStream& err, const QStringList& flags)
{
    CommandOptions options;
    for (qsizetype i = 0; i < arguments.size(); i += 2) {
        const QString& argument = arguments[i];
        const QString name = argument.startsWith(QStringLiteral("--")) ? argument.mid(2) : QString();
        if (!name.isEmpty() && flags.contains(name)) {
            options.m_values.insert(name, QString());
            --i;
            continue;
        }
        if (!known.contains(name)) {
            err << "Opzione sconosciuta: " << argument << '\n';
            return std::nullopt;
        }
        if (i + 1 >= arguments.size()) {
            err << "Manca il valore di " << argument << '\n';
            return std::nullopt;
        }
        options.m_values.insert(name, arguments[i + 1]);
    }
    return options;
}
