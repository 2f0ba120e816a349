#include "screens/FixedColumn.h"

namespace FixedColumn {

QString pad(QStringView text, int width)
{
    QString column = TextField::trimmed(text);
    column.truncate(width);
    return column.leftJustified(width, QLatin1Char(' '));
}

void padBytes(QByteArray& out, QByteArrayView text, int width)
{
    appendWritten(out, width, [&](char* p) { return putPadded(p, text, width); });
}

} // namespace FixedColumn
