#include "cli/SearchCommand.h"

#include "cli/CommandOptions.h"
#include "calls/CallSearch.h"
#include "calls/SchedaChiamata.h"
#include "cli/YearOption.h"
#include "clients/ClientSearch.h"
#include "clients/SchedaCliente.h"
#include "operators/OperatorSearch.h"
#include "operators/SchedaOperatore.h"
#include "platform/ProgramFolder.h"
#include "products/ProductSearch.h"
#include "products/SchedaArticolo.h"
#include "schedule/SchedaScadenza.h"
#include "schedule/ScheduleSearch.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"

namespace {

struct SearchableArchive
{
    const char* name;
    const SearchDefinition& (*definition)();
    // The archive's file, or nothing (said on err) when the options do not name one.
    std::optional<QString> (*path)(const CommandOptions&, QTextStream& err);
    QStringList extraOptions;
};

const QList<SearchableArchive>& archives()
{
    static const QList<SearchableArchive> all = {
        {"clienti", ClientSearch::definition,
         [](const CommandOptions&, QTextStream&) -> std::optional<QString> {
             return ProgramFolder::file(QLatin1StringView(SchedaCliente::kFileName));
         },
         {}},
        {"operatori", OperatorSearch::definition,
         [](const CommandOptions&, QTextStream&) -> std::optional<QString> {
             return ProgramFolder::file(QLatin1StringView(SchedaOperatore::kFileName));
         },
         {}},
        {"chiamate", CallSearch::definition,
         [](const CommandOptions& options, QTextStream& err) { return yearFile(options, SchedaChiamata::kExtension, err); },
         {QStringLiteral("anno")}},
        {"articoli", ProductSearch::definition,
         [](const CommandOptions&, QTextStream&) -> std::optional<QString> {
             return ProgramFolder::file(QLatin1StringView(SchedaArticolo::kFileName));
         },
         {}},
        {"appuntamenti", ScheduleSearch::definition,
         [](const CommandOptions& options, QTextStream& err) { return yearFile(options, SchedaScadenza::kExtension, err); },
         {QStringLiteral("anno")}},
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
        const std::optional<QString> path = archive.path(*options, err);
        if (!path)
            return 2;
        FieldCriteria matching;
        for (const SearchDefinition::Criterion& criterion : search.criteria)
            matching.add(criterion.field, options->value(criterion.option));
        TextTable lines(1, TextTable::Cells::AsGiven);
        try {
            const RecordFile file(*path, search.layout);
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
