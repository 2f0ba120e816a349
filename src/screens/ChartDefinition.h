#pragma once

#include "screens/HelpTopic.h"
#include "screens/MonthlyTotals.h"

#include <functional>
#include <QString>
#include <QStringList>

// Everything that makes a monthly chart window what it is: its texts and how its figures are read
// from the year file it is opened on.
struct ChartDefinition
{
    QString window;
    QString caption;
    // The heading, followed by the year and a full stop.
    QString heading;
    QStringList lines;
    QString chartTitle;
    QString foot;
    QString legendTitle;
    QString idleStatus;
    QString pieHint;
    QString barHint;
    HelpTopic help;
    // The year files it reads (".ven", ".tel") and their figures; may throw StorageError.
    const char* extension;
    std::function<MonthlyTotals(const QString& path, const QString& year)> figures;
};
