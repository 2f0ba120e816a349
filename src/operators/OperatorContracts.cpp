#include "operators/OperatorContracts.h"

#include "operators/OperatorLines.h"
#include "operators/SchedaOperatore.h"

using namespace Qt::StringLiterals;

namespace OperatorContracts {

const SearchDefinition& definition()
{
    static const SearchDefinition list{
        SchedaOperatore::layout,
        {},
        OperatorLines::contractLine,
        {},
        u"Riepilogo contratti in scadenza o scaduti"_s,
    };
    return list;
}

SearchDefinition::Listing judge(const RecordView& card, QDate today)
{
    using Contract = OperatorLines::Contract;
    using Listing = SearchDefinition::Listing;
    switch (OperatorLines::contractOn(card, today)) {
    case Contract::Due:
        return Listing::Listed;
    case Contract::NotDue:
        return Listing::LeftOut;
    case Contract::Unreadable:
        break;
    }
    return Listing::Unreadable;
}

qint64 list(const RecordFile& file, QDate today, TextTable& lines)
{
    return definition().list(
        file, [today](const RecordView& card) { return judge(card, today); }, lines);
}

} // namespace OperatorContracts
