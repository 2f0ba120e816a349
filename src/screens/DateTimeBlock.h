#pragma once

#include "screens/CardDefinition.h"

#include <QList>
#include <QString>

class FormTexts;

// The date and time of a register's card or quick entry: the day, month, hour and minute lists, the year,
// and the hidden labels that receive the composed date "dd/mm/yyyy" and time "hh:mm". The calls, sales
// and schedule each name their controls and word their warnings; the checks, the composition and the
// today and now pictures are the same.
struct DateTimeBlock
{
    QString day;
    QString month;
    QString year;
    QString date;
    QString hour;
    QString minute;
    QString time;

    // What the presence checks say, in the order they run.
    struct Warnings
    {
        QString dayMissing;
        QString dayDigits;
        QString monthMissing;
        QString hourMissing;
        QString minuteMissing;
        QString hourDigits;
        QString minuteDigits;
    };

    // Day given, day of two digits, month given, hour given, minutes given, hour of two digits, minutes
    // of two digits; each sends the user to its list.
    QList<CardCheck> checks(const Warnings& warnings) const;
    // The year field of a quick entry holds exactly four digits, the only year that names a year file.
    CardCheck yearCheck() const;

    // Puts the composed time in its label, refuses a month that is none of the twelve names, puts the
    // composed date in its label and refuses a date the calendar lacks (31/04, 29/02 of a common year).
    // A refusal shows its message, sends the user to the list concerned and returns false.
    bool compose(FormTexts& form) const;

    // Today's day and month (the year stays); the current hour and minutes.
    void putToday(FormTexts& form) const;
    void putNow(FormTexts& form) const;
};
