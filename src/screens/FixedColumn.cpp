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
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 0x20)
        ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 0x20)
        --end;
    return text.sliced(begin, end - begin);
}

void padBytes(QByteArray& out, QByteArrayView text, int width)
{
    const QByteArrayView trimmed = trimmedBytes(text);
    const QByteArrayView column = trimmed.first(std::min<qsizetype>(trimmed.size(), width));
    out.append(column);
    out.append(width - column.size(), ' ');
}

} // namespace FixedColumn
