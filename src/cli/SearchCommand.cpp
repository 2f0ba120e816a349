#include "cli/SearchCommand.h"

#include "cli/CommandOptions.h"
#include "clients/ClientSearch.h"
#include "clients/SchedaCliente.h"
#include "shell/ProgramFolder.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"

namespace {

struct SearchableArchive
{
    const char* name;
    const SearchDefinition& (*definition)();
    QString (*path)(const CommandOptions&);
    QStringList extraOptions;
};

const QList<SearchableArchive>& archives()
{
    static const QList<SearchableArchive> all = {
        {"clienti", ClientSearch::definition,
         [](const CommandOptions&) { return ProgramFolder::file(QLatin1StringView(SchedaCliente::kFileName)); },
         {}},
    };
    return all;
}

} // namespace

int runSearch(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const QString name = arguments.value(0);
    for (const SearchableArchive& archive : archives()) {
        if (name != QLatin1StringView(archive.name))
            continue;
        const SearchDefinition& search = archive.definition();
        QStringList known = archive.extraOptions;
        for (const SearchDefinition::Criterion& criterion : search.criteria)
            known.append(criterion.option);
        const std::optional<CommandOptions> options = CommandOptions::parse(arguments.mid(1), known, err);
        if (!options)
            return 2;
        FieldCriteria matching;
        for (const SearchDefinition::Criterion& criterion : search.criteria)
            matching.add(criterion.field, options->value(criterion.option));
        TextTable lines(1, TextTable::Cells::AsGiven);
        try {
            const RecordFile file(archive.path(*options), search.layout);
            search.run(file, matching, lines);
        } catch (const StorageError& error) {
            err << QString::fromLocal8Bit(error.what()) << '\n';
            return 1;
        }
        for (qsizetype i = 0; i < lines.rowCount(); ++i)
            out << lines.cell(i, 0) << '\n';
        out << search.countLine(lines.rowCount()) << '\n';
        return 0;
    }
    err << "Archivio sconosciuto: " << name << '\n';
    return 2;
}
