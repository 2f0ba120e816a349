#include "stats/TfrmMenuStats.h"

#include "platform/Modal.h"
#include "platform/Services.h"
#include "stats/StatsHelp.h"
#include "stats/TfrmStatsEntrate.h"

using namespace Qt::StringLiterals;

namespace {

YearMenuDefinition menu()
{
    YearMenuEntry chart{u"Entrate mensili:"_s, u"txtAnnoPreventivi"_s, u"btnApriPreventivi"_s, {}, {}};
    chart.buttonCaption = u"Visualizza"_s;
    chart.openOver = [](QWidget* menu, const QString& year) {
        TfrmStatsEntrate window(year, menu);
        Services::modal().exec(window);
    };
    return {u"TfrmMenuStats"_s,
            u" Telvara 3.0 - Grafici statistici entrate mensili"_s,
            u":/artwork/stat_profitti.svg"_s,
            u"In questo ambiente è possibile visualizzare grafici statistici tridimensionali relativi alle "
            u"entrate mensili."_s,
            StatsHelp::incomeChart(),
            {chart}};
}

} // namespace

TfrmMenuStats::TfrmMenuStats(WindowRegistry& registry) : YearMenu(menu(), registry) {}
