#include "stats/TfrmMenuStatsTel.h"

#include "platform/Modal.h"
#include "platform/Services.h"
#include "stats/StatsHelp.h"
#include "stats/TfrmStatsTelefonate.h"

using namespace Qt::StringLiterals;

namespace {

YearMenuDefinition menu()
{
    YearMenuEntry chart{u"Telefonate mensili:"_s, u"txtAnnoPreventivi"_s, u"btnApriPreventivi"_s, {}, {}};
    chart.buttonCaption = u"Visualizza"_s;
    chart.openOver = [](QWidget* menu, const QString& year) {
        TfrmStatsTelefonate window(year, menu);
        Services::modal().exec(window);
    };
    return {u"TfrmMenuStatsTel"_s,
            u" Telvara 3.0 - Grafici statistici telefonate mensili"_s,
            u":/artwork/stat_telefonate.svg"_s,
            u"In questo ambiente è possibile visualizzare grafici statistici tridimensionali relativi alle "
            u"telefonate mensili."_s,
            StatsHelp::callsChart(),
            {chart}};
}

} // namespace

TfrmMenuStatsTel::TfrmMenuStatsTel(WindowRegistry& registry) : YearMenu(menu(), registry) {}
