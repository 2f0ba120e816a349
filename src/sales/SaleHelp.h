#pragma once

#include "screens/HelpTopic.h"

#include <QStringList>

// The help of the sales register (year menu, sale card, product picker and quick sale), also part of the
// general guide.
namespace SaleHelp {

QStringList paragraphs();
// The sale card's page.
HelpTopic topic();
// The year menu's page, which also opens the profit summary.
HelpTopic menuTopic();

} // namespace SaleHelp
