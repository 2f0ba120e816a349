#pragma once

#include "screens/FieldCriteria.h"
#include "screens/TextTable.h"
#include "storage/RecordLayout.h"

#include <functional>
#include <optional>
#include <QList>
#include <QString>
#include <vector>

class RecordFile;
class ScanProgress;

// A search window as data: its criteria (each an input matched against one record field), the line
// each found record shows, the count line's opening words and the title of the printed list.
struct SearchDefinition
{
    struct Criterion
    {
        QString control; // the input's object name
        QString label;   // the input's label, also its accessible name
        QString option;  // the telvara-cli option, without "--"
        int field;
    };

    const RecordLayout& layout;
    QList<Criterion> criteria;
    std::function<QString(const RecordView&)> line;
    QString countPrefix;
    QString printTitle;
    // For searches and lists that may show a large share of their archive: the same line built straight
    // from the stored bytes, appended to out in Windows-1252 (used instead of line when given), and the
    // byte offsets within a record that a list's filter reads, fetched ahead. Optional.
    std::function<void(const RecordView&, QByteArray& out)> encodedLine = {};
    std::vector<int> filterReads = {};

    // Appends the line of every record that matches to lines (one column), in file order, telling
    // progress (when given) at each slice. Returns false when progress stopped it part way.
    // Throws StorageError; the lines found so far stay.
    bool run(const RecordFile& file, const FieldCriteria& matching, TextTable& lines,
             ScanProgress* progress = nullptr) const;
    // Whether a list shows a record; nothing when the record's numbers or dates cannot be read.
    using Wanted = std::function<std::optional<bool>(const RecordView&)>;
    // The same for a list without criteria (recontact, low stock, ...): the records that wanted accepts.
    // Returns how many records were left out because wanted could not judge them.
    qsizetype list(const RecordFile& file, const Wanted& wanted, TextTable& lines) const;

    // "Il presente riepilogo contiene N schede."
    QString countLine(qsizetype lines) const;

    // The records whose rebuilt line equals the chosen one (both trimmed), in file order: the caller
    // takes each in turn, so among identical lines the last in the file wins.
    QList<qint64> pick(const RecordFile& file, const QString& chosenLine) const;
    // The double click of a result list: opens the archive at path and delivers each of those records,
    // with its record number, to the caller named by tag (CallerTargets). Throws StorageError; what was
    // delivered before a failure stays.
    void deliverPick(const QString& path, const QString& chosenLine, const QString& tag) const;

private:
    // Appends the line of a record found; encoded is the room the lines are built in.
    void appendLine(const RecordView& record, TextTable& lines, QByteArray& encoded) const;
};
