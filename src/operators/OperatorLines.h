#pragma once

#include "storage/Record.h"

#include <QByteArray>
#include <QDate>
#include <QString>

// The lines of the operator lists: the search's (name, tax code, job, contact, notes) and the contracts
// to renew (name, contact, deadline, pay, instalment, contract type), fixed columns then a free tail.
namespace OperatorLines {

QString searchLine(const RecordView& card);
QString contractLine(const RecordView& card);
// The same contract line built straight from the stored bytes, appended to out in Windows-1252.
void appendContractLine(const RecordView& card, QByteArray& out);

// Whether a card's contract is due on a day: its deadline, less its days of notice, is that day or
// earlier. Unreadable when the deadline is not a date or the notice not a whole number.
enum class Contract { Due, NotDue, Unreadable };
Contract contractOn(const RecordView& card, QDate today);

} // namespace OperatorLines
