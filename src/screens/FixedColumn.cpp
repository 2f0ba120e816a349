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
    const QByteArrayView trimmed = trimmedBytes(text);
    const QByteArrayView column = trimmed.first(std::min<qsizetype>(trimmed.size(), width));
    out.append(column);
    out.append(width - column.size(), ' ');
}

} // namespace FixedColumn
