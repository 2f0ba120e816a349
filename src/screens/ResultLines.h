#pragma once

#include "screens/TextTable.h"

#include <QString>

// The lines of a result list, as it asks for them: one at a time, when it shows, finds or prints them.
class ResultLines
{
public:
    virtual ~ResultLines() = default;

    virtual qsizetype count() const = 0;
    virtual QString line(qsizetype row) const = 0;
    // Characters of the longest line, to size the list's items so that it scrolls sideways.
    virtual qsizetype longestLine() const = 0;
    // Why a line asked for could not be had (it then came empty); empty while every line could.
    virtual QString failure() const { return {}; }
};

// Lines built in full beforehand and held in a text table (one column, kept as built).
class TableLines : public ResultLines
{
public:
    explicit TableLines(TextTable lines);

    qsizetype count() const override { return m_lines.rowCount(); }
    QString line(qsizetype row) const override { return m_lines.cell(row, 0); }
    qsizetype longestLine() const override { return m_longest; }

private:
    TextTable m_lines;
    qsizetype m_longest = 0;
};
