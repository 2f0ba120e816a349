#pragma once

#include "storage/FieldCriterion.h"
#include "storage/Record.h"
#include "storage/ScanFields.h"

#include <functional>
#include <optional>
#include <QList>
#include <span>
#include <utility>

// Where one archive's records live: a record file in a folder, or a table on a database server. The
// record file handle (RecordFile) speaks to one of these; every mechanism above sees records of the same
// layout whichever it is. Records are numbered from 1; indexes count from 0. Every failure throws
// StorageError.
class RecordStore
{
public:
    virtual ~RecordStore() = default;

    // Whole records, and the bytes after them that do not make a record (a file's damaged tail).
    virtual qint64 count() const = 0;
    virtual qint64 trailingBytes() const = 0;

    // Reads up to wanted whole records from index first into buffer (room for wanted records); returns
    // how many were there, fewer only where the archive ends.
    virtual qint64 readBlock(char* buffer, qint64 first, qint64 wanted) const = 0;
    // The same for a scan that reads only some fields: a store may fetch those alone and hand over the
    // others empty; one that reads whole records anyway reads them whole.
    virtual qint64 readFields(char* buffer, qint64 first, qint64 wanted, const ScanFields& fields) const
    {
        Q_UNUSED(fields);
        return readBlock(buffer, first, wanted);
    }

    // Writes over record number n (1-based, at most count()): all of it or, after a failure, none.
    virtual void overwrite(qint64 number, const Record& record) = 0;

    // Reads record number n and hands it to change with no other writer able to come between the read
    // and the write; writes what change leaves when it returns true. Returns whether it wrote.
    virtual bool update(qint64 number, const std::function<bool(Record&)>& change) = 0;

    // Appends the records after the last one there is, all or nothing; returns the number of the first.
    virtual qint64 append(std::span<const Record> records) = 0;

    // Records handed over by readCandidates, a block at a time: how many, their indexes, their bytes.
    // Returns false to stop.
    using CandidateBlock = std::function<bool(qint64 count, const qint64* indexes, const char* records)>;

    // For a store that finds records by their criteria itself (a server and its indexes): hands over, in
    // order, the records that may match every criterion, never leaving out one that matches (the caller
    // tests each). Returns false, handing over nothing, where the store cannot: it is then read whole.
    virtual bool readCandidates(std::span<const FieldCriterion> criteria, const CandidateBlock& block) const
    {
        Q_UNUSED(criteria);
        Q_UNUSED(block);
        return false;
    }

    // The record number an interrupted overwrite put back when the archive was opened, or since by a
    // write of this handle, or 0.
    virtual qint64 rolledBack() const { return 0; }

    // Numbers missing among the stored ones, as ranges from first to last: rows of a server's table that
    // another tool deleted (records are numbered by their order, so the later ones come earlier).
    virtual QList<std::pair<qint64, qint64>> gaps() const { return {}; }
};
