#pragma once

#include "cli/CommandOptions.h"
#include "schedule/ScheduleGrid.h"

#include <optional>
#include <QDate>

// Which list of the schedule "--giorno GG/MM", "--mese NOME" or "--imminenti" name, with "--anno AAAA"
// and "--oggi GG/MM/AAAA" (today when not given). The imminent list reads today's year, as the window
// does; "--anno", when given with it, must be that year.
struct ScheduleListChoice
{
    ScheduleGrid::List list;
    QDate date; // the day, a day of the month, or today
};

inline const QStringList kScheduleListOptions = {QStringLiteral("anno"), QStringLiteral("giorno"),
                                                 QStringLiteral("mese"), QStringLiteral("oggi")};
inline const QStringList kScheduleListFlags = {QStringLiteral("imminenti")};

// Nothing, and what is wrong said on err, when the options name no list or a list that cannot be.
std::optional<ScheduleListChoice> scheduleListChoice(const CommandOptions& options, QTextStream& err);
// True when the options name one of the lists at all.
bool namesScheduleList(const CommandOptions& options);
