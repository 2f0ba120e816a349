#include "screens/SearchDefinition.h"

#include "screens/CallerTargets.h"
#include "storage/RecordFile.h"
#include "storage/ScanProgress.h"
#include "storage/TextField.h"

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

bool SearchDefinition::run(const RecordFile& file, const FieldCriteria& matching, TextTable& lines,
                           ScanProgress* progress) const
{
    // Only the first criterion's field is fetched ahead: the others are read for the few records it lets
    // through, and fetching them for every record would double the memory traffic. Its first block of
    // text may lie on the next cache line.
    std::vector<int> readAhead;
    const QList<int> fields = matching.fields();
    if (!fields.isEmpty())
        readAhead = {layout.offset(fields.first()),
                     std::min(layout.offset(fields.first()) + 17, layout.size() - 1)};
    const FieldCriteria::Probes probes = matching.probes(layout);
    QByteArray encoded;
    ScanProgress::Counter counter(progress, progress ? file.count() : 0);
    file.scanCandidates(
        matching.all(),
        [&](qint64, const RecordView& record) {
            if (probes.matches(record.bytes()))
                appendLine(record, lines, encoded);
            return counter.next();
        },
        readAhead);
    return !counter.stopped();
}

void SearchDefinition::appendLine(const RecordView& record, TextTable& lines, QByteArray& encoded) const
{
    if (encodedLine) {
        encoded.resize(0); // keeps its room for the next line
        encodedLine(record, encoded);
        const QByteArrayView cells[] = {encoded};
        lines.appendEncodedRow(cells);
        return;
    }
    const QString shown[] = {line(record)};
    lines.appendRow(shown);
}

qsizetype SearchDefinition::list(const RecordFile& file, const Wanted& wanted, TextTable& lines) const
{
    qsizetype unreadable = 0;
    QByteArray encoded;
    file.scan(
        [&](qint64, const RecordView& record) {
            const std::optional<bool> shows = wanted(record);
            if (!shows)
                ++unreadable;
            if (shows.value_or(false))
                appendLine(record, lines, encoded);
        },
        filterReads);
    return unreadable;
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

void SearchDefinition::deliverPick(const QString& path, const QString& chosenLine, const QString& tag) const
{
    const RecordFile file(path, layout);
    for (const qint64 index : pick(file, chosenLine))
        CallerTargets::deliver(tag, file.read(index), index + 1);
}
