#pragma once

#include "storage/ReplacementFile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <span>
#include <string_view>
#include <vector>

// One column of a spreadsheet export: its header and its width in pixels.
struct SpreadsheetColumn
{
    QString header;
    int width;
};

// Writes the HTML worksheet that Excel opens as an .xls file, in Windows-1252 with no line breaks,
// streamed row by row to a temporary file beside the target that replaces it only when finished. Cells
// are trimmed; "&", "<" and ">" are escaped so the spreadsheet shows exactly the stored value. Any failure
// throws StorageError and leaves an older file of that name as it was. Every cell is text for Excel and
// for LibreOffice alike: codes and postcodes keep their leading zeros, amounts and dates stay as written.
class SpreadsheetWriter
{
public:
    // Creates the temporary file and writes everything up to the header row.
    SpreadsheetWriter(const QString& path, const QString& sheetName, const QList<SpreadsheetColumn>& columns);
    SpreadsheetWriter(const SpreadsheetWriter&) = delete;
    SpreadsheetWriter& operator=(const SpreadsheetWriter&) = delete;

    // One data row, a cell per column.
    void addRow(std::span<const QString> cells);
    // The same from cells already in Windows-1252, each ended by a 0 byte (a grid's stored row): nothing
    // is decoded, and the row's markup is formatted in one pass.
    void addEncodedCells(QByteArrayView cells);
    // Writes the closing pieces and puts the file in place of an older one.
    void finish();

private:
    void put(std::string_view ascii) { append(ascii.data(), qsizetype(ascii.size())); }
    void append(const char* bytes, qsizetype size);
    void putText(QStringView text);
    void putEncoded(QByteArrayView bytes);
    void flush();

    ReplacementFile m_file;
    // Filled up to m_used and written out whole: few system calls, no growth, nothing zeroed per row.
    std::vector<char> m_buffer;
    qsizetype m_used = 0;
};
