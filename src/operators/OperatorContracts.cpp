#include "operators/OperatorContracts.h"

#include "operators/OperatorLines.h"
#include "operators/SchedaOperatore.h"

using namespace Qt::StringLiterals;

namespace OperatorContracts {

const SearchDefinition& definition()
{
    using namespace SchedaOperatore;
    // A large share of the staff may be due: the lines are built from the stored bytes, and the deadline
    // and notice the rule reads are fetched ahead.
    static const SearchDefinition list{
        layout,
        {},
        OperatorLines::contractLine,
        {},
        u"Riepilogo contratti in scadenza o scaduti"_s,
        OperatorLines::appendContractLine,
        {layout.offset(Scadenza), layout.offset(Preavviso)},
    };
    return list;
}

std::optional<bool> isDue(const RecordView& card, QDate today)
{
    using Contract = OperatorLines::Contract;
    switch (OperatorLines::contractOn(card, today)) {
    case Contract::Due:
        return true;
    case Contract::NotDue:
        return false;
    case Contract::Unreadable:
        break;
    }
    return std::nullopt;
}

qsizetype list(const RecordFile& file, QDate today, TextTable& lines)
{
    return definition().list(
        file, [today](const RecordView& card) { return isDue(card, today); }, lines);
}

} // namespace OperatorContracts
