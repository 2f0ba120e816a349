#pragma once

#include "screens/ResultLines.h"

#include <functional>
#include <QByteArray>
#include <QList>
#include <QStringList>

class RecordView;
class RecordLayout;
class StorageError;

// The lines of records found in a file, kept as the records' indexes and built from the file when the
// list asks for them: a list of a million records then holds eight bytes a line rather than the line.
// Lines are read a block at a time, so that scrolling, finding and printing open the file once per
// block. A record the file no longer holds (cut short, removed, unreadable) gives an empty line, and
// failure() says why from then on: such a list no longer agrees with what was counted from the file.
class RecordLines : public ResultLines
{
public:
    // Writes a record's line, in Windows-1252, at the end of the bytes given.
    using Encode = std::function<void(const RecordView&, QByteArray&)>;

    RecordLines(const QString& path, const RecordLayout& layout, QList<qint64> indexes, Encode encode,
                qsizetype longestLine);

    qsizetype count() const override { return m_indexes.size(); }
    QString line(qsizetype row) const override;
    qsizetype longestLine() const override { return m_longest; }
    QString failure() const override { return m_failure; }

private:
    static constexpr qsizetype kBlock = 256;
    void readBlock(qsizetype first) const;
    // Keeps the first failure.
    void fail(const StorageError& error) const;

    QString m_path;
    const RecordLayout& m_layout;
    QList<qint64> m_indexes;
    Encode m_encode;
    qsizetype m_longest;
    // The lines of the block read last, from its first row.
    mutable qsizetype m_blockFirst = -1;
    mutable QStringList m_block;
    mutable QString m_failure;
};
