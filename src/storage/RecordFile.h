#pragma once

#include "storage/Record.h"

#include <QString>
#include <span>
#include <type_traits>

// A file of fixed-size records, open for the length of one user action: constructing it opens the file
// (creating a missing one), destroying it closes it. Records are numbered from 1; indexes count from 0.
// Every failure throws StorageError. Writers hold an exclusive advisory lock while they write and flush
// to disk before returning; readers do not lock. A trailing piece shorter than a record is never read.
class RecordFile
{
public:
    RecordFile(const QString& path, const RecordLayout& layout);
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    const QString& path() const { return m_path; }
    const RecordLayout& layout() const { return m_layout; }

    // Whole records in the file, and the bytes after them that do not make a record.
    qint64 count() const;
    qint64 trailingBytes() const;

    // The record at a 0-based index below count().
    Record read(qint64 index) const;

    // Writes over record number n (1-based, at most count()).
    void overwrite(qint64 number, const Record& record);

    // Writes at the true end of the file as seen under the lock, over any partial tail; returns the new
    // record's number.
    qint64 append(const Record& record);

    // Appends many records under one lock and one flush (imports, generated archives); returns the
    // number of the first. All or nothing: on failure the file is cut back to its old size (when that
    // fails too, the StorageError says so: cutBackFailed).
    qint64 append(std::span<const Record> records);

    // Calls visit(index, RecordView) for each whole record in file order; a visit that returns bool
    // stops the scan by returning false. The records are read straight from a mapping of the file.
    // readAhead lists the byte offsets within a record that the visit reads (fields' length bytes):
    // they are fetched kRecordsAhead records ahead, so the waits for memory overlap with the work on the
    // records before instead of stalling at every field. They are fetched into the second-level cache:
    // a grid reads two dozen lines of every record, which would crowd the first level out.
    template <typename Visit> void scan(Visit&& visit, std::span<const int> readAhead = {}) const
    {
        const Mapping mapping(*this);
        const int size = m_layout.size();
        const qint64 fetchedUpTo = mapping.count - kRecordsAhead;
        // A fetch ahead into a page not mapped yet is dropped, so a scan whose visit reads many fields
        // of every record (a grid) maps the pages ahead of itself: it reads one byte of each page
        // kPagesAhead pages before it gets there. For a visit that reads a field or two (a search) that
        // read costs more than the dropped fetches it would save.
        const bool mapAhead = readAhead.size() >= kMapAheadFields;
        const std::size_t mappedUpTo =
            mapAhead && mapping.bytes > kPagesAhead * kPage ? mapping.bytes - kPagesAhead * kPage : 0;
        std::size_t touched = 0;
        for (qint64 i = 0; i < mapping.count; ++i) {
            const std::size_t at = std::size_t(i * size);
            if (at >= touched && at < mappedUpTo) {
                touched = (at | (kPage - 1)) + 1;
                mapping.touch(touched + (kPagesAhead - 1) * kPage);
            }
            if (i < fetchedUpTo) {
                const char* ahead = mapping.data + (i + kRecordsAhead) * size;
                for (const int offset : readAhead)
                    __builtin_prefetch(ahead + offset, 0, 2);
            }
            const RecordView record(m_layout, mapping.data + i * size);
            if constexpr (std::is_same_v<std::invoke_result_t<Visit, qint64, const RecordView&>, bool>) {
                if (!visit(i, record))
                    return;
            } else {
                visit(i, record);
            }
        }
    }

private:
    struct Mapping
    {
        explicit Mapping(const RecordFile& file);
        ~Mapping();
        Mapping(const Mapping&) = delete;
        Mapping& operator=(const Mapping&) = delete;
        const char* data = nullptr;
        qint64 count = 0;
        std::size_t bytes = 0;
        // Reads the byte at offset, so that its page is mapped.
        void touch(std::size_t offset) const { *static_cast<const volatile char*>(data + offset); }
    };

    static constexpr qint64 kRecordsAhead = 16;
    static constexpr std::size_t kPage = 4096;
    static constexpr std::size_t kPagesAhead = 16;
    static constexpr std::size_t kMapAheadFields = 4;

    qint64 fileSize() const;
    void writeAt(qint64 offset, QByteArrayView bytes, const char* operation);

    QString m_path;
    const RecordLayout& m_layout;
    int m_fd = -1;
};
