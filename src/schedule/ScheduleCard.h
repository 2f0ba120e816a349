#pragma once

#include "screens/CardDefinition.h"
#include "screens/DateTimeBlock.h"

// The appointment card as data: its fields, boxes, commands, Enter chain and the checks of saving.
namespace ScheduleCard {

CardDefinition definition();
// The card's fields, which the quick appointment entry takes its inputs from.
QList<CardField> fields();
// The card's date and time: its lists, the open year and the composed labels.
DateTimeBlock dateTime();
// What the date and time checks of the card and of the quick entry say, in the order they run.
DateTimeBlock::Warnings dateTimeWarnings();
// The checks after the date and time: notice, client, tax code, reason.
QList<CardCheck> detailChecks();
// Before writing, ahead of the date and time: an empty amount becomes "0,00".
void zeroEmptyAmount(FormTexts& form);

} // namespace ScheduleCard
