#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <span>

// One column of a spreadsheet export: its header and its width in pixels.
struct SpreadsheetColumn
{
    QString header;
    int width;
};

// Writes the HTML worksheet that Excel opens as an .xls file, in Windows-1252 with no line breaks,
// streamed to disk row by row. Cells are trimmed; "&", "<" and ">" are escaped so the spreadsheet shows
// exactly the stored value. Any failure throws StorageError; the file may then be left partly written.
class SpreadsheetWriter
{
public:
    // Creates the file (replacing an older one) and writes everything up to the header row.
    SpreadsheetWriter(const QString& path, const QString& sheetName, const QList<SpreadsheetColumn>& columns);
    ~SpreadsheetWriter();
    SpreadsheetWriter(const SpreadsheetWriter&) = delete;
    SpreadsheetWriter& operator=(const SpreadsheetWriter&) = delete;

    // One data row, a cell per column.
    void addRow(std::span<const QString> cells);
    // The same from cells already in Windows-1252 (a grid's stored texts): nothing is decoded.
    void addEncodedRow(std::span<const QByteArrayView> cells);
    // Writes the closing pieces and closes the file.
    void finish();

private:
    void put(const char* ascii);
    void putText(QStringView text);
    void putEncoded(QByteArrayView bytes);
    void flush();

    QString m_path;
    int m_fd = -1;
    qint64 m_written = 0;
    QByteArray m_buffer;
};
