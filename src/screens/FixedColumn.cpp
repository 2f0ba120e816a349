#include "screens/FixedColumn.h"

#include "storage/TextField.h"

#include <algorithm>

namespace FixedColumn {

QString pad(QStringView text, int width)
{
    QString column = TextField::trimmed(text);
    column.truncate(width);
    return column.leftJustified(width, QLatin1Char(' '));
}

QByteArrayView trimmedBytes(QByteArrayView text)
{
    return TextField::trimmedWhere(text, [](char c) { return static_cast<unsigned char>(c) <= 0x20; });
}

void padBytes(QByteArray& out, QByteArrayView text, int width)
{
    const QByteArrayView trimmed = trimmedBytes(text);
    const QByteArrayView column = trimmed.first(std::min<qsizetype>(trimmed.size(), width));
    out.append(column);
    out.append(width - column.size(), ' ');
}

} // namespace FixedColumn
