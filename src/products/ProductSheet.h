#pragma once

#include "platform/ReportRow.h"
#include "platform/ReportTemplate.h"

#include <QDateTime>

// The product sheet "SCHEDA ARTICOLO": what the product card's controls hold, on one A4 sheet.
namespace ProductSheet {

// Caption and value of the 24 rows, in printing order.
const QList<ReportRow>& rows();

// The page filled from the card's control texts (by control name) as printed at the given moment.
ReportTemplate build(const ControlTexts& controls, const QDateTime& when);

} // namespace ProductSheet
