#pragma once

#include "screens/HelpTopic.h"

#include <QStringList>

// The help of the product card, also part of the general guide, and of the product export window.
namespace ProductHelp {

QStringList paragraphs();
HelpTopic topic();
HelpTopic exportTopic();

} // namespace ProductHelp
