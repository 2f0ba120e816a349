#include "stats/StatsCharts.h"

#include "calls/SchedaChiamata.h"
#include "sales/SchedaVendita.h"
#include "stats/MonthlyFigures.h"
#include "stats/StatsHelp.h"
#include "storage/RecordFile.h"

using namespace Qt::StringLiterals;

namespace {

const QString kShared =
    u"Servirsi dei pulsanti in calce per visualizzare il tipo di grafico desiderato e per "
    u"mandarlo in stampa."_s;

} // namespace

namespace StatsCharts {

const ChartDefinition& income()
{
    static const ChartDefinition chart{
        u"TfrmStatsEntrate"_s,
        u" Telvara 3.0 - Statistiche entrate mensili"_s,
        u"Rappresentazione grafica delle entrate mensili dell'anno "_s,
        {u"Il presente grafico statistico mostra le entrate relative a ciascun mese dell'anno in base alle "
         u"vendite registrate."_s,
         kShared},
        u"Statistiche entrate mensili"_s,
        u"Tutti gli importi sono arrotondati all'euro"_s,
        u"Entrate mensili:"_s,
        u"Grafico statistico delle entrate mensili."_s,
        u"Visualizza le statistiche delle entrate mensili sotto forma di grafico a torta tridimensionale."_s,
        u"Visualizza le statistiche delle entrate mensili sotto forma di grafico a barre tridimensionali."_s,
        StatsHelp::incomeChart(),
        SchedaVendita::kExtension,
        [](const QString& path, const QString& year) {
            return MonthlyFigures::income(RecordFile(path, SchedaVendita::layout), year);
        }};
    return chart;
}

const ChartDefinition& calls()
{
    static const ChartDefinition chart{
        u"TfrmStatsTelefonate"_s,
        u" Telvara 3.0 - Statistiche telefonate mensili"_s,
        u"Rappresentazione grafica delle telefonate mensili dell'anno "_s,
        {u"Il presente grafico statistico mostra quante telefonate sono state effettuate in ciascun mese "
         u"dell'anno."_s,
         kShared},
        u"Statistiche telefonate mensili"_s,
        u"Chiamate ai clienti effettuate nell'anno solare."_s,
        u"Telefonate mensili:"_s,
        u"Grafico statistico delle telefonate mensili."_s,
        u"Visualizza le statistiche delle telefonate mensili sotto forma di grafico a torta tridimensionale."_s,
        u"Visualizza le statistiche delle telefonate mensili sotto forma di grafico a barre tridimensionali."_s,
        StatsHelp::callsChart(),
        SchedaChiamata::kExtension,
        [](const QString& path, const QString& year) {
            return MonthlyFigures::calls(RecordFile(path, SchedaChiamata::layout), year);
        }};
    return chart;
}

} // namespace StatsCharts
