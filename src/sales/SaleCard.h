#pragma once

#include "screens/CardDefinition.h"

// The sale card as data: its fields, boxes, toolbar, Enter chain and the checks of saving.
namespace SaleCard {

CardDefinition definition();
// The card's fields, which the quick sale entry takes its inputs from.
QList<CardField> fields();
// The checks after the date and time: article code and type, client and tax code.
QList<CardCheck> detailChecks();
// What the confirmation e-mail needs, each a warning that sends the user to its field.
QList<CardCheck> mailChecks();

} // namespace SaleCard
