#pragma once

#include "platform/ReportRow.h"
#include "platform/ReportTemplate.h"

#include <QDateTime>

// `repScheda`, the client card's printed page: what the card's controls hold, on one A4 sheet.
namespace ClientSheet {

// Caption and value of the 24 rows, in printing order.
const QList<ReportRow>& rows();

// The page filled from the card's control texts (by control name) as printed at the given moment.
ReportTemplate build(const ControlTexts& controls, const QDateTime& when);

} // namespace ClientSheet
