#pragma once

#include "screens/HelpTopic.h"

#include <QStringList>

// The help of the client card, also part of the general guide.
namespace ClientHelp {

QStringList paragraphs();
HelpTopic topic();

} // namespace ClientHelp
