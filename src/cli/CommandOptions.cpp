#include "cli/CommandOptions.h"

#include <QCommandLineParser>

std::optional<CommandOptions> CommandOptions::parse(const QStringList& arguments, const QStringList& known,
                                                    QTextStream& err, const QStringList& flags)
{
    QCommandLineParser parser;
    QList<QCommandLineOption> options;
    for (const QString& name : known)
        options.append(QCommandLineOption(name, QString(), QStringLiteral("T")));
    for (const QString& name : flags)
        options.append(QCommandLineOption(name));
    parser.addOptions(options);
    // The parser reads its first argument as the program's name.
    if (!parser.parse(QStringList{QString()} + arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            err << "Opzione sconosciuta: " << (unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) << unknown.first()
                << '\n';
        } else {
            err << "Manca il valore di " << arguments.last() << '\n';
        }
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        err << "Argomento inatteso: " << parser.positionalArguments().first() << '\n';
        return std::nullopt;
    }
    CommandOptions result;
    for (const QCommandLineOption& option : options)
        if (parser.isSet(option))
            result.m_values.insert(option.names().first(), parser.value(option));
    return result;
}
