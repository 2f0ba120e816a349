#include "platform/ReportOutput.h"

#include "platform/QtReportOutput.h"

namespace {
QtReportOutput g_qt;
ReportOutput* g_current = &g_qt;
} // namespace

ReportOutput& ReportOutput::current()
{
    return *g_current;
}

void ReportOutput::install(ReportOutput* output)
{
    g_current = output ? output : &g_qt;
}
