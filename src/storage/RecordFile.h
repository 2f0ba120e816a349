#pragma once

#include "storage/Record.h"
#include "storage/RecordStore.h"
#include "storage/ScanFields.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <QString>
#include <span>
#include <type_traits>

// One archive of fixed-size records, open for the length of one user action: constructing it opens the
// archive (creating a missing one), destroying it closes it. The archive is a file in its folder or, where
// the folder's archives are on a database server (ArchiveLocation), that server's table of the same name;
// the path names it either way. Records are numbered from 1; indexes count from 0. Every failure throws
// StorageError. A write is all or nothing and durable when it returns; a file's trailing piece shorter
// than a record is never read; a file's overwrite interrupted by a kill is put back at the next open.
class RecordFile
{
public:
    RecordFile(const QString& path, const RecordLayout& layout);
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Whether the archive is there, without making it.
    static bool exists(const QString& path);

    const QString& path() const { return m_path; }
    const RecordLayout& layout() const { return m_layout; }

    // Whole records in the file, and the bytes after them that do not make a record.
    qint64 count() const { return m_store->count(); }
    qint64 trailingBytes() const { return m_store->trailingBytes(); }

    // The record at a 0-based index below count().
    Record read(qint64 index) const;
    // Reads up to count whole records from index first into records (room for count records); returns
    // how many were there, fewer only where the file ends.
    qint64 readRecords(qint64 first, qint64 count, char* records) const
    {
        return m_store->readBlock(records, first, count);
    }

    // Writes over record number n (1-based, at most count()): all of it or, after a failure, none.
    void overwrite(qint64 number, const Record& record)
    {
        Q_ASSERT(&record.layout() == &m_layout);
        m_store->overwrite(number, record);
    }

    // Reads record number n (1-based) under the file's exclusive lock and hands it to change; when
    // change returns true the record it leaves is written over number n before the lock is released, so
    // that no other writer comes between the read and the write (a computed update, such as stock taken
    // out, never works on a stale copy). Returns whether it wrote.
    bool update(qint64 number, const std::function<bool(Record&)>& change)
    {
        return m_store->update(number, change);
    }

    // The record number an interrupted overwrite's journal put back when the file was opened, or 0.
    qint64 rolledBack() const { return m_store->rolledBack(); }

    // Numbers missing among the stored ones (RecordStore::gaps).
    QList<std::pair<qint64, qint64>> gaps() const { return m_store->gaps(); }

    // Writes at the true end of the file as seen under the lock, over any partial tail; returns the new
    // record's number.
    qint64 append(const Record& record) { return append(std::span<const Record>(&record, 1)); }

    // Appends many records under one lock and one flush (imports, generated archives); returns the
    // number of the first. All or nothing: on failure the file is cut back to its old size (when that
    // fails too, the StorageError says so: cutBackFailed).
    qint64 append(std::span<const Record> records) { return m_store->append(records); }

    // Calls visit(index, RecordView) for each whole record in file order; a visit that returns bool
    // stops the scan by returning false. The records are read in blocks of whole records into one
    // buffer that the scan reuses, never mapped: a file that shrinks, grows or is replaced meanwhile is
    // read as far as it goes up to the size it had when the scan began, whole records only, and memory
    // stays at one block whatever the file's size. readAhead lists the byte offsets within a record
    // that the visit reads (fields' length bytes): they are fetched kRecordsAhead records ahead within
    // the block, so that the waits for the cache overlap with the work on the records before.
    template <typename Visit> void scan(Visit&& visit, std::span<const int> readAhead = {}) const
    {
        scanBlocks(visit, readAhead, nullptr);
    }

    // The same scan for a visit that reads only the fields listed (of this file's layout): the other
    // fields of the records it sees may be empty, and the fields are fetched ahead.
    template <typename Visit> void scan(Visit&& visit, const ScanFields& fields) const
    {
        Q_ASSERT(&fields.layout() == &m_layout);
        scanBlocks(visit, fields.readAhead(), &fields);
    }

    // The same scan for a search: visit sees at least every record that matches all of criteria (a store
    // that finds them by its own indexes hands over only those, a file hands over all) and tests each.
    template <typename Visit>
    void scanCandidates(std::span<const FieldCriterion> criteria, Visit&& visit, std::span<const int> readAhead = {}) const
    {
        const auto block = [&](qint64 count, const qint64* indexes, const char* records) {
            for (qint64 i = 0; i < count; ++i)
                if (!visitRecord(visit, indexes[i], RecordView(m_layout, records + i * m_layout.size())))
                    return false;
            return true;
        };
        if (criteria.empty() || !m_store->readCandidates(criteria, block))
            scan(std::forward<Visit>(visit), readAhead);
    }

    // The records of recordSize bytes a scan reads at a time: as many as fill kScanBlockBytes, at least one.
    static constexpr qint64 blockRecords(int recordSize)
    {
        return std::max<qint64>(1, kScanBlockBytes / recordSize);
    }

private:
    // The scans' loop; fields, where given, are all the visit reads.
    template <typename Visit>
    void scanBlocks(Visit& visit, std::span<const int> readAhead, const ScanFields* fields) const
    {
        const int size = m_layout.size();
        const qint64 total = count();
        const qint64 perBlock = std::min(blockRecords(size), total);
        if (perBlock == 0)
            return;
        const BlockBuffer buffer = allocateBlock(perBlock * size);
        for (qint64 first = 0; first < total;) {
            const qint64 wanted = std::min(perBlock, total - first);
            char* const block = buffer.get() + (first * size) % kCopyAlignment;
            const qint64 records = fields ? m_store->readFields(block, first, wanted, *fields)
                                          : m_store->readBlock(block, first, wanted);
#ifndef QT_NO_DEBUG
            if (fields)
                fields->emptyOthers(block, records);
#endif
            for (qint64 i = 0; i < records; ++i) {
                if (i + kRecordsAhead < records) {
                    const char* ahead = block + (i + kRecordsAhead) * size;
                    for (const int offset : readAhead)
                        __builtin_prefetch(ahead + offset, 0, 3);
                }
                if (!visitRecord(visit, first + i, RecordView(m_layout, block + i * size)))
                    return;
            }
            if (records < wanted)
                return; // the file has shrunk since the scan began
            first += records;
        }
    }

    // Calls visit; false when it asks the scan to stop.
    template <typename Visit> static bool visitRecord(Visit& visit, qint64 index, const RecordView& record)
    {
        if constexpr (std::is_same_v<std::invoke_result_t<Visit, qint64, const RecordView&>, bool>)
            return visit(index, record);
        else
            visit(index, record);
        return true;
    }

    // Blocks of a few megabytes: fewer, larger reads cost less per byte than a megabyte at a time.
    static constexpr qint64 kScanBlockBytes = 4 << 20;
    static constexpr qint64 kRecordsAhead = 16;
    // The kernel copies from the page cache at full speed only into memory at the same offset, modulo
    // this, as the file position: measured 18 GB/s when they agree, 8 GB/s when they differ by 16 bytes,
    // 3 GB/s by 8. A block goes into the buffer at the offset its file position has.
    static constexpr qint64 kCopyAlignment = 64;

    struct FreeBlock
    {
        void operator()(char* block) const { std::free(block); }
    };
    using BlockBuffer = std::unique_ptr<char[], FreeBlock>;
    // Room for bytes starting anywhere within the first kCopyAlignment bytes of an aligned buffer.
    static BlockBuffer allocateBlock(qint64 bytes);

    QString m_path;
    const RecordLayout& m_layout;
    std::unique_ptr<RecordStore> m_store;
};
