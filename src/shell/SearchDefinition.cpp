#include "shell/SearchDefinition.h"

#include "storage/RecordFile.h"
#include "storage/TextField.h"

using namespace Qt::StringLiterals;

void SearchDefinition::run(const RecordFile& file, const FieldCriteria& matching, TextTable& lines) const
{
    file.scan([&](qint64, const RecordView& record) {
        if (!matching.matches(record))
            return;
        const QString shown[] = {line(record)};
        lines.appendRow(shown);
    });
}

QString SearchDefinition::countLine(qsizetype lines) const
{
    return countPrefix + QString::number(lines) + u" schede."_s;
}

QList<qint64> SearchDefinition::pick(const RecordFile& file, const QString& chosenLine) const
{
    const QString wanted = TextField::trimmed(chosenLine);
    QList<qint64> found;
    file.scan([&](qint64 index, const RecordView& record) {
        if (TextField::trimmed(line(record)) == wanted)
            found.append(index);
    });
    return found;
}
