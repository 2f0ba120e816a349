#pragma once

#include "screens/HelpTopic.h"

#include <QStringList>

// The help of the schedule and of its lists and export, also part of the general guide.
namespace ScheduleHelp {

QStringList paragraphs();
HelpTopic topic();
// The day and month lists, the imminent list, the export of the year.
HelpTopic dayAndMonthLists();
HelpTopic imminentList();
HelpTopic archiveExport();

} // namespace ScheduleHelp
