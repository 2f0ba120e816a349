#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The fixed choices of the drop-down lists: days, months, hours, minutes and province codes.
namespace ValueLists {

// "01".."31".
const QStringList& days();
// "00".."23".
const QStringList& hours();
// "00".."59".
const QStringList& minutes();
// "Gennaio".."Dicembre".
const QStringList& monthNames();
// The 112 two-letter province codes, in the order the lists show them.
const QStringList& provinces();

// The name of month 1..12; empty for any other number.
QString monthName(int month);
// "01".."12" for a month name compared without regard to case ("marzo" gives "03"); empty when unknown.
QString monthNumber(QStringView name);

} // namespace ValueLists
