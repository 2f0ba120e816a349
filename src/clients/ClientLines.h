#pragma once

#include "storage/Record.h"

#include <QString>

// The lines of the client lists: name, contact, occupation and products in fixed columns, then a free
// tail (the notes in the search, the pending issues in the recontact list).
namespace ClientLines {

QString searchLine(const RecordView& card);
QString recontactLine(const RecordView& card);

// A card belongs in the recontact list when its flag is exactly "Sì".
bool wantsRecontact(const RecordView& card);

} // namespace ClientLines
