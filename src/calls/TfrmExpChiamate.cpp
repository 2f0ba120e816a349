#include "calls/TfrmExpChiamate.h"

#include "calls/CallSummary.h"

TfrmExpChiamate::TfrmExpChiamate(const RegisterSource& source, QWidget* parent)
    : ExportWindow(CallSummary::registerExport(source), parent)
{
    setObjectName(QStringLiteral("TfrmExpChiamate"));
}
