#pragma once

#include "screens/HelpTopic.h"

#include <QStringList>

// The help of the call register (year menu and call card), also part of the general guide.
namespace CallHelp {

QStringList paragraphs();
HelpTopic topic();

} // namespace CallHelp
