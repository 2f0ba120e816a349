#include "calls/CallSummary.h"

#include "calls/CallGridHelp.h"
#include "calls/SchedaChiamata.h"
#include "storage/RecordFile.h"

using namespace Qt::StringLiterals;

namespace CallSummary {

const SummaryDefinition& definition(CallGrid::Period period)
{
    using Selection = SummaryDefinition::Selection;
    static const auto make = [](Selection selection, const QString& caption, CallGrid::Period of) {
        return SummaryDefinition{selection,
                                 caption,
                                 CallGridHelp::summaries(),
                                 SchedaChiamata::layout,
                                 CallGrid::summaryColumns(),
                                 CallGrid::summaryTarget(of),
                                 [](const QString& year, const QString& month, const QString& day) {
                                     return CallGrid::filter(year, month, day);
                                 }};
    };
    static const SummaryDefinition daily =
        make(Selection::DayAndMonth, u" Riepilogo giornaliero chiamate"_s, CallGrid::Period::Day);
    static const SummaryDefinition monthly =
        make(Selection::Month, u" Riepilogo mensile chiamate"_s, CallGrid::Period::Month);
    static const SummaryDefinition annual =
        make(Selection::None, u" Riepilogo annuale chiamate"_s, CallGrid::Period::Year);
    switch (period) {
    case CallGrid::Period::Day:
        return daily;
    case CallGrid::Period::Month:
        return monthly;
    case CallGrid::Period::Year:
        break;
    }
    return annual;
}

ExportDefinition registerExport(const RegisterSource& source)
{
    return {u" Esportazione Registro chiamate in Microsoft Excel"_s, CallGridHelp::registerExport(),
            CallGrid::registerColumns(), CallGrid::registerTarget(), [source](TextTable& rows) {
                const RecordFile file(source.file(), SchedaChiamata::layout);
                return RecordGrid::fill(file, CallGrid::registerColumns(), rows,
                                        CallGrid::filter(source.year()));
            }};
}

} // namespace CallSummary
