#pragma once

#include "screens/HelpTopic.h"

#include <QStringList>

// The help of the operators and agents card, also part of the general guide, and of its export.
namespace OperatorHelp {

QStringList paragraphs();
HelpTopic topic();
HelpTopic exportTopic();

} // namespace OperatorHelp
