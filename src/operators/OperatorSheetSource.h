#pragma once

#include "platform/ReportTemplate.h"

#include <functional>

class QWidget;

// The operator sheet as the print and preview windows build it when the user confirms: from the controls
// the operator card shows at that moment (only the page's fixed texts when no card opened the window).
namespace OperatorSheetSource {

std::function<ReportTemplate()> fromCard(QWidget* card);

} // namespace OperatorSheetSource
