#pragma once

#include "storage/Record.h"

#include <QByteArray>

// How a record lies in a row of its archive's table on a server: one text column per field, named after
// the field in lower case and as wide as it, holding the field's Windows-1252 text as characters. A
// record whose bytes those texts cannot give back exactly (a length byte past its field, bytes left
// after the text, a NUL inside it: a damaged or foreign file) keeps its bytes whole in the column
// "grezzo" as well, so that a copy to the server and back changes no byte.
namespace ServerRows {

inline constexpr char kNumberColumn[] = "numero";
inline constexpr char kBytesColumn[] = "grezzo";

// The column of a field, quoted.
QByteArray column(const RecordLayout& layout, int field);

// Whether the fields' texts give back the record's bytes exactly.
bool fieldsHoldAll(const RecordView& record);

// The field's text as UTF-8 for its column; a NUL, which a text column cannot hold, is left out.
QByteArray columnText(const RecordView& record, int field);

// Writes a field's length byte and bytes from its column's UTF-8 text: each character as its
// Windows-1252 byte, cut to the field's width, the rest zero.
void writeField(char* field, int width, QByteArrayView utf8);

} // namespace ServerRows
