#include "app/HelpCatalogue.h"

#include "app/GeneralHelp.h"
#include "calls/CallGridHelp.h"
#include "calls/CallHelp.h"
#include "clients/ClientExport.h"
#include "clients/ClientHelp.h"
#include "operators/OperatorHelp.h"
#include "products/ProductHelp.h"
#include "sales/SaleGridHelp.h"
#include "sales/SaleHelp.h"
#include "schedule/ScheduleHelp.h"
#include "screens/ExportDefinition.h"
#include "stats/StatsHelp.h"

namespace HelpCatalogue {

QList<HelpTopic> topics()
{
    return {
        GeneralHelp::topic(),
        ClientHelp::topic(),
        ClientExport::definition().help,
        OperatorHelp::topic(),
        OperatorHelp::exportTopic(),
        ProductHelp::topic(),
        ProductHelp::exportTopic(),
        ScheduleHelp::topic(),
        ScheduleHelp::dayAndMonthLists(),
        ScheduleHelp::imminentList(),
        ScheduleHelp::archiveExport(),
        CallHelp::topic(),
        CallGridHelp::summaries(),
        CallGridHelp::registerExport(),
        StatsHelp::callsChart(),
        SaleHelp::menuTopic(),
        SaleHelp::topic(),
        SaleGridHelp::summaries(),
        SaleGridHelp::registerExport(),
        StatsHelp::profitSummary(),
        StatsHelp::incomeChart(),
    };
}

} // namespace HelpCatalogue
