#pragma once

#include "screens/CardDefinition.h"

// The call card as data: its fields, boxes, toolbar, Enter chain and the checks of saving.
namespace CallCard {

CardDefinition definition();
// The card's fields, which the quick call entry takes its inputs from.
QList<CardField> fields();
// The checks after the date and time: subject and client.
QList<CardCheck> detailChecks();

} // namespace CallCard
