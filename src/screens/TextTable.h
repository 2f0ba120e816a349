#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <span>

// A compact, append-only table of trimmed texts for lists and grids over large archives: every cell is
// kept as its Windows-1252 bytes in one arena, a row costs one offset, and a cell is decoded only when
// it is shown. A million rows hold little more than their text.
class TextTable
{
public:
    enum class Cells { Trimmed, AsGiven };

    // Grids keep their cells trimmed; result lists keep each line exactly as built.
    explicit TextTable(int columns = 1, Cells cells = Cells::Trimmed) : m_columns(columns), m_cells(cells) {}
    ~TextTable();
    TextTable(const TextTable& other);
    TextTable(TextTable&& other) noexcept;
    TextTable& operator=(const TextTable& other);
    TextTable& operator=(TextTable&& other) noexcept;

    int columnCount() const { return m_columns; }
    qsizetype rowCount() const { return m_rowStarts.size(); }
    void clear();
    void reserve(qsizetype rows, qsizetype bytes);
    // Gives back the room kept for rows to come, once a table is complete.
    void squeeze();

    // Appends a row of exactly columnCount() cells, encoded (and trimmed, for a grid).
    void appendRow(std::span<const QString> cells);
    // The same from cells already encoded (stored field bytes). Cells that lie inside readable (the
    // record they were taken from) may be read past their end up to its end, sixteen bytes at a time.
    void appendEncodedRow(std::span<const QByteArrayView> cells, QByteArrayView readable = {});

    // Puts the rows in the order given (each row's present index, every row once) without moving their
    // bytes: only the rows' offsets change places.
    void reorder(std::span<const qsizetype> order);

    QString cell(qsizetype row, int column) const;
    QByteArrayView encodedCell(qsizetype row, int column) const;
    // A row's cells as held: their bytes, each cell ended by a 0 byte.
    QByteArrayView encodedRowBytes(qsizetype row) const;
    // Bytes held, for measuring.
    qsizetype memoryUsed() const;

private:
    void growTo(qsizetype bytes);
    // Has the kernel map the arena's pages a megabyte ahead of the rows, in one call rather than a
    // fault at the first write to each page.
    void mapAhead(qsizetype room);
    // Frees the arena, whichever way it is held.
    void release();

    int m_columns;
    Cells m_cells;
    // Cells, each followed by a 0 byte. A small arena is a heap block; a large one is a mapping of its
    // own that grows by moving its pages instead of copying them. Nothing is zeroed before the cells are
    // copied in.
    char* m_arena = nullptr;
    qsizetype m_used = 0;
    qsizetype m_capacity = 0;
    qsizetype m_mapped = 0;    // the arena's bytes known to have their pages mapped
    qsizetype m_reserved = 0;  // of a mapping of its own: its whole size, the usable m_capacity included
    bool m_ownMapping = false; // a large arena is a mapping of its own rather than a heap block
    QList<qint64> m_rowStarts; // offset of each row's first cell
    // Rows no longer lie in the arena in their order (reorder()): a row ends after its last cell rather
    // than where the next begins.
    bool m_reordered = false;
};
