#pragma once

#include "storage/Record.h"

#include <QString>
#include <QStringView>

// The lines of the product lists, in fixed columns for a fixed-pitch font.
namespace ProductLines {

// The search and low-stock line: code (30), brand and model (40), "  Costo: " cost (12),
// "  Giacenza: " stock (12), "  Note: " notes.
QString stockLine(const RecordView& product);
// The same line built from the stored bytes, appended to out in Windows-1252.
void appendStockLine(const RecordView& product, QByteArray& out);

// The picker line: code (30), description (45), "  Prezzo: " price before VAT (15),
// "  Giacenza: " stock.
QString pickerLine(const RecordView& product);
// Whether a picker line, both trimmed, names this product: the same line but for its stock, which other
// stations' sales change while the line is on screen.
bool isSameArticle(const RecordView& product, QStringView line);

} // namespace ProductLines
