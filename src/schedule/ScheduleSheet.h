#pragma once

#include "platform/ReportRow.h"
#include "platform/ReportTemplate.h"

#include <QDateTime>

// `repScheda`, the printed appointment "SCHEDA SCADENZA O APPUNTAMENTO": twenty rows filled from the
// schedule card's controls, saved or not, and four blank rows.
namespace ScheduleSheet {

const QList<ReportRow>& rows();

ReportTemplate build(const ControlTexts& controls, const QDateTime& when);

} // namespace ScheduleSheet
