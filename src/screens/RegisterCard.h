#pragma once

#include "screens/CardDefinition.h"
#include "screens/DateTimeBlock.h"

#include <functional>

class CardScreen;

// What the register cards (calls, sales) declare alike: the date and time that open their record and their
// form, with the Oggi and Adesso pictures, the toolbar of the card cycle with print, export and the three
// summaries, the year file the year menu puts in lblFile, and a Duplicate that asks for the date and time
// again. Each register adds its own fields, boxes, pictures, checks and words.
namespace RegisterCard {

// The record fields of the date and time.
struct DateTimeFields
{
    int day;
    int month;
    int year;
    int date;
    int hour;
    int minute;
    int time;
};

// The day, month, hour and minute lists, the register's year and the labels of the composed date and time.
DateTimeBlock dateTime();

// The date and time controls; New proposes today's date and the present time in the register's year.
QList<CardField> dateTimeFields(const DateTimeFields& fields);
// The date box and, beside it, the time box, under the register's titles.
QList<CardSection> dateTimeSections(const QString& dateTitle, const QString& timeTitle);
// The Oggi and Adesso pictures of those boxes.
QList<CardButton> dateTimeButtons();
// New, Duplicate, Save, Find, Preview, Print, Export, the daily, monthly and annual summaries with their
// hints, Help and Exit.
QList<CardButton> commands(const QString& dailyHint, const QString& monthlyHint, const QString& annualHint);

// Completes a card whose fields are declared: the hidden lblFile with the year file, the toolbar with the
// navigation pictures before Export, the idle text, the date and time checks ahead of any other, saving
// that composes the date and time (after prepare, when given), and Duplicate, which empties the date and
// time.
void complete(CardDefinition& card, const DateTimeBlock::Warnings& warnings,
              const std::function<void(CardScreen&)>& prepare = {});

} // namespace RegisterCard
