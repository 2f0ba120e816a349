#include "screens/FixedColumn.h"

#include "storage/TextField.h"

namespace FixedColumn {

QString pad(QStringView text, int width)
{
    QString column = TextField::trimmed(text);
    column.truncate(width);
    return column.leftJustified(width, QLatin1Char(' '));
}

} // namespace FixedColumn
