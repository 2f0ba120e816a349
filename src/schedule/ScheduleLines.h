#pragma once

#include "storage/Record.h"

#include <QString>

namespace ScheduleLines {

// The line of an appointment in the appointment search, the confirmation and payment lists and the
// client's appointment history.
QString line(const RecordView& appointment);

// The confirmation and payment lists: appointments still to be confirmed, payments still to be made,
// payments made. A flag holding anything but "Sì" or "No" belongs to none of them.
bool toConfirm(const RecordView& appointment);
bool toPay(const RecordView& appointment);
bool paid(const RecordView& appointment);

} // namespace ScheduleLines
