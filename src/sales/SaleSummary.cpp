#include "sales/SaleSummary.h"

#include "sales/SaleGridHelp.h"
#include "sales/SchedaVendita.h"
#include "storage/RecordFile.h"

using namespace Qt::StringLiterals;

namespace SaleSummary {

const SummaryDefinition& definition(SaleGrid::Period period)
{
    using Selection = SummaryDefinition::Selection;
    static const auto make = [](Selection selection, const QString& caption, SaleGrid::Period of) {
        return SummaryDefinition{selection,
                                 caption,
                                 SaleGridHelp::summaries(),
                                 SchedaVendita::layout,
                                 SaleGrid::columns(),
                                 SaleGrid::summaryTarget(of),
                                 [](const QString& year, const QString& month, const QString& day) {
                                     return SaleGrid::filter(year, month, day);
                                 }};
    };
    static const SummaryDefinition daily =
        make(Selection::DayAndMonth, u" Riepilogo giornaliero vendite"_s, SaleGrid::Period::Day);
    static const SummaryDefinition monthly =
        make(Selection::Month, u" Riepilogo mensile vendite"_s, SaleGrid::Period::Month);
    static const SummaryDefinition annual =
        make(Selection::None, u" Riepilogo annuale vendite"_s, SaleGrid::Period::Year);
    switch (period) {
    case SaleGrid::Period::Day:
        return daily;
    case SaleGrid::Period::Month:
        return monthly;
    case SaleGrid::Period::Year:
        break;
    }
    return annual;
}

ExportDefinition registerExport(const RegisterSource& source)
{
    return {u" Esportazione Registro vendite in Microsoft Excel"_s, SaleGridHelp::registerExport(),
            SaleGrid::columns(), SaleGrid::registerTarget(), [source](TextTable& rows) {
                const RecordFile file(source.file(), SchedaVendita::layout);
                return RecordGrid::fill(file, SaleGrid::columns(), rows, SaleGrid::filter(source.year()));
            }};
}

} // namespace SaleSummary
