#pragma once

#include "storage/Record.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

// Records with a few fields set, as tests write them into archives and find them there again.
namespace TestRecords {

// Field number and text.
using Fields = QList<std::pair<int, QString>>;

// A record of layout with these fields set and every other one empty.
Record make(const RecordLayout& layout, const Fields& fields);
// Appends one such record per entry to the archive at path, creating it when missing.
void append(const QString& path, const RecordLayout& layout, const QList<Fields>& records);

// Record number (from 1) of an archive's bytes.
Record at(const QByteArray& archive, const RecordLayout& layout, qint64 number);
// A text field as the file holds it: its length byte, then its text in Windows-1252 padded with zeros
// to its width.
QByteArray field(int width, const QByteArray& text);

} // namespace TestRecords
