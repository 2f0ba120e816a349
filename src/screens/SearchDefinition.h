#pragma once

#include "screens/FieldCriteria.h"
#include "screens/TextTable.h"
#include "storage/RecordLayout.h"

#include <functional>
#include <QList>
#include <QString>

class RecordFile;

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

    // Appends the line of every record that matches to lines (one column), in file order.
    // Throws StorageError; the lines found so far stay.
    void run(const RecordFile& file, const FieldCriteria& matching, TextTable& lines) const;
    // The same for a list without criteria (recontact, low stock, ...): the records that wanted accepts.
    void list(const RecordFile& file, const std::function<bool(const RecordView&)>& wanted,
              TextTable& lines) const;

    // What a list makes of a record whose date or number it has to read.
    enum class Listing { Listed, LeftOut, Unreadable };
    // The same for a list that reads dates or numbers: the records judged Listed. An unreadable record is
    // skipped and the list goes on; returns how many were skipped.
    qint64 list(const RecordFile& file, const std::function<Listing(const RecordView&)>& judge,
                TextTable& lines) const;

    // "Il presente riepilogo contiene N schede."
    QString countLine(qsizetype lines) const;

    // The records whose rebuilt line equals the chosen one (both trimmed), in file order: the caller
    // takes each in turn, so among identical lines the last in the file wins.
    QList<qint64> pick(const RecordFile& file, const QString& chosenLine) const;
    // The double click of a result list: opens the archive at path and delivers each of those records,
    // with its record number, to the caller named by tag (CallerTargets). Throws StorageError; what was
    // delivered before a failure stays.
    void deliverPick(const QString& path, const QString& chosenLine, const QString& tag) const;
};
