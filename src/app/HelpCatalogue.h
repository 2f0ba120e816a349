#pragma once

#include "screens/HelpTopic.h"

#include <QList>

// Every help the program shows, in the order of the guide: the general help, then each application's
// help followed by the helps of its lists, summaries, exports and charts. Guida.pdf is made from it.
namespace HelpCatalogue {

QList<HelpTopic> topics();

} // namespace HelpCatalogue
