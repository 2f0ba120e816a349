#pragma once

#include "screens/CardDefinition.h"
#include "screens/DateTimeBlock.h"

// The appointment card as data: its fields, boxes, commands, Enter chain and the checks of saving.
namespace ScheduleCard {

CardDefinition definition();
// The card's date and time: its lists, the open year and the composed labels.
DateTimeBlock dateTime();
// What the date and time checks of the card and of the quick entry say, in the order they run.
DateTimeBlock::Warnings dateTimeWarnings();
// The checks after the date and time: notice, client, tax code, reason.
QList<CardCheck> detailChecks();
// Before writing: an empty amount becomes "0,00", then the time and the date are composed and checked.
bool prepareWrite(FormTexts& form, const DateTimeBlock& block);

} // namespace ScheduleCard
