#pragma once

#include "screens/ResultLines.h"

#include <memory>
#include <QAbstractListModel>
#include <QSize>

// The lines of a result list as a model: one row per line, asked of its lines only when a line is shown
// (decoded from a compact text table, or read from the records found). Every item has the same size, so
// a list of any length opens at once.
class ResultListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit ResultListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Takes the lines (one column, kept as built).
    void setLines(TextTable lines);
    void setLines(std::shared_ptr<const ResultLines> lines);
    void clear();

    QString line(int row) const;
    QStringList allLines() const;
    // Why a line asked for could not be read; empty while every line could.
    QString failure() const { return m_lines->failure(); }
    // Characters of the longest line, to size the items so that the list scrolls sideways.
    qsizetype longestLine() const { return m_lines->longestLine(); }
    // The size of every item; an invalid size leaves it to the view.
    void setItemSize(const QSize& size);

signals:
    // A line shown, found or picked could not be read: its lines no longer agree with the file. Once for
    // each set of lines.
    void linesUnreadable() const;

private:
    std::shared_ptr<const ResultLines> m_lines;
    QSize m_itemSize;
    mutable bool m_unreadableTold = false;
};
