#pragma once

#include "rules/DateText.h"
#include "schedule/SchedaScadenza.h"
#include "storage/Record.h"

#include <optional>
#include <QDate>
#include <QString>

class RecordFile;

// The rules every reader of the schedule shares: when an appointment is imminent and the key that puts
// the appointments of one year file in the order of their date and time.
namespace ScheduleRules {

// The date of `Data` ("dd/mm/yyyy", a real calendar day); nothing when it cannot be read. Inline: lists
// judge it for every record they take.
inline std::optional<QDate> date(const RecordView& appointment)
{
    return DateText::parseBytes(appointment.raw(SchedaScadenza::Data));
}
// The notice days of `Avviso`; nothing when it is not a whole number.
std::optional<int> notice(const RecordView& appointment);

// Imminent from its date minus its notice days up to its date, both included; nothing when the date or
// the notice cannot be read.
std::optional<bool> imminent(const RecordView& appointment, QDate today);

// Month (characters 4-5 of `Data`), day, hours and minutes, two digits each, as stored bytes: at most
// eight bytes, held in place (a list takes one for each of its rows).
class SortKey
{
public:
    explicit SortKey(const RecordView& appointment);
    QByteArrayView bytes() const { return {m_bytes, m_size}; }

private:
    char m_bytes[8];
    qsizetype m_size = 0;
};

struct ImminentCheck
{
    bool found = false;
    // Records met before the answer whose date, or whose notice on a date not yet past, could not be
    // read: left out, the answer comes from the rest.
    qint64 skipped = 0;
};

// Reads the file in file order up to the first imminent record. Throws StorageError.
ImminentCheck checkImminent(const RecordFile& file, QDate today);

} // namespace ScheduleRules
