#include "cli/ProfitCommand.h"

#include "cli/CommandOptions.h"
#include "cli/YearOption.h"
#include "rules/ValueLists.h"
#include "sales/SchedaVendita.h"
#include "stats/ProfitSummary.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"

namespace {

// "GG/MM" as the day and the month name the selection window's lists hold; blanks when unreadable, which
// the window's checks then refuse.
std::pair<QString, QString> dayAndMonth(const QString& text)
{
    const QStringList parts = text.split(u'/');
    bool ok = false;
    const int month = parts.value(1).toInt(&ok);
    if (parts.size() != 2 || !ok || month < 1 || month > 12)
        return {parts.value(0), QString()};
    return {parts.value(0), ValueLists::monthNames().at(month - 1)};
}

} // namespace

int runProfit(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.value(0) != QLatin1StringView("profitti")) {
        err << "Riepilogo sconosciuto: " << arguments.value(0) << '\n';
        return 2;
    }
    const std::optional<CommandOptions> options =
        CommandOptions::parse(arguments.mid(1),
                              {QStringLiteral("anno"), QStringLiteral("dal"), QStringLiteral("al"),
                               QStringLiteral("cf"), QStringLiteral("articolo")},
                              err);
    if (!options)
        return 2;
    const std::optional<QString> path = yearFile(*options, SchedaVendita::kExtension, err);
    if (!path)
        return 2;
    ProfitSummary::Selection selection{
        options->value(QStringLiteral("cf")), options->value(QStringLiteral("articolo")), {}, {}};
    const auto [startDay, startMonth] = dayAndMonth(options->value(QStringLiteral("dal")));
    const auto [endDay, endMonth] = dayAndMonth(options->value(QStringLiteral("al")));
    if (const auto refusal = ProfitSummary::check(options->value(QStringLiteral("anno")), startDay,
                                                  startMonth, endDay, endMonth, selection)) {
        err << QString(refusal->message).replace(QStringLiteral("\n\r"), QStringLiteral("\n")) << '\n';
        return 2;
    }
    ProfitSummary::Result result;
    try {
        ProfitSummary::collect(RecordFile(*path, SchedaVendita::layout), selection, result);
    } catch (const StorageError& error) {
        err << QString::fromLocal8Bit(error.what()) << '\n';
        return 1;
    }
    // The lines are read again from the file: one that cannot be had there fails the summary, which
    // would otherwise show a total of lines it does not show.
    const std::shared_ptr<const ResultLines> lines = ProfitSummary::lines(*path, result);
    for (qsizetype i = 0; i < lines->count(); ++i) {
        const QString line = lines->line(i);
        if (!lines->failure().isEmpty()) {
            err << lines->failure() << '\n';
            return 1;
        }
        out << line << '\n';
    }
    out << "INTERVALLO SELEZIONATO:    " << ProfitSummary::intervalText(selection) << '\n';
    out << "TOTALE PROFITTI:           € " << ProfitSummary::totalText(result.total) << '\n';
    if (result.skipped > 0)
        err << "Schede escluse perché contengono una data o un numero non leggibile: " << result.skipped
            << '\n';
    return 0;
}
