#include "screens/RegisterFilter.h"

#include "storage/TextField.h"
#include "storage/Windows1252.h"

namespace RegisterFilter {

RecordFilter of(DateFields fields, const QString& year, const QString& month, const QString& day)
{
    // Compared on the stored bytes: a million records are filtered without decoding a field.
    const QByteArray wantedYear = Windows1252::encode(TextField::trimmed(year));
    const QByteArray wantedMonth = Windows1252::encode(TextField::trimmed(month));
    const QByteArray wantedDay = Windows1252::encode(TextField::trimmed(day));
    const auto same = [](QByteArrayView stored, const QByteArray& wanted) {
        stored = stored.trimmed();
        if (stored.size() != wanted.size())
            return false;
        for (qsizetype i = 0; i < wanted.size(); ++i)
            if (Windows1252::toLower(static_cast<unsigned char>(stored[i])) !=
                Windows1252::toLower(static_cast<unsigned char>(wanted[i])))
                return false;
        return true;
    };
    return [=](const RecordView& record) {
        return record.raw(fields.year).trimmed() == wantedYear &&
               (wantedMonth.isEmpty() || same(record.raw(fields.month), wantedMonth)) &&
               (wantedDay.isEmpty() || same(record.raw(fields.day), wantedDay));
    };
}

} // namespace RegisterFilter
