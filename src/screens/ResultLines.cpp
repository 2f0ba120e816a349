#include "screens/ResultLines.h"

#include <algorithm>

TableLines::TableLines(TextTable lines) : m_lines(std::move(lines))
{
    // A Windows-1252 line holds one byte per character.
    for (qsizetype row = 0; row < m_lines.rowCount(); ++row)
        m_longest = std::max(m_longest, m_lines.encodedCell(row, 0).size());
}
