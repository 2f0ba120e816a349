#include "cli/ChartCommand.h"

#include "cli/CommandOptions.h"
#include "cli/YearOption.h"
#include "rules/ValueLists.h"
#include "stats/StatsCharts.h"
#include "storage/StorageError.h"

namespace {

struct Chart
{
    const char* name;
    const ChartDefinition& (*definition)();
};

const Chart kCharts[] = {{"entrate", StatsCharts::income}, {"chiamate", StatsCharts::calls}};

} // namespace

int runChart(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const QString name = arguments.value(0);
    for (const Chart& chart : kCharts) {
        if (name != QLatin1StringView(chart.name))
            continue;
        const ChartDefinition& definition = chart.definition();
        const std::optional<CommandOptions> options =
            CommandOptions::parse(arguments.mid(1), {QStringLiteral("anno")}, err);
        if (!options)
            return 2;
        const std::optional<QString> path = yearFile(*options, definition.extension, err);
        if (!path)
            return 2;
        MonthlyTotals figures;
        try {
            figures = definition.figures(*path, options->value(QStringLiteral("anno")));
        } catch (const StorageError& error) {
            err << QString::fromLocal8Bit(error.what()) << '\n';
            return 1;
        }
        const std::array<qint64, 12> values = figures.rounded();
        for (std::size_t i = 0; i < values.size(); ++i)
            out << ValueLists::monthNames().at(qsizetype(i)) << ' ' << values[i] << '\n';
        if (figures.skipped > 0)
            err << "Schede escluse perché contengono un numero non leggibile: " << figures.skipped << '\n';
        return 0;
    }
    err << "Grafico sconosciuto: " << name << '\n';
    return 2;
}
