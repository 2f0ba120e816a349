#pragma once

#include "screens/TextTable.h"

#include <QAbstractListModel>
#include <QSize>

// The lines of a result list as a model: one row per line, kept in a compact text table, decoded only
// when a line is shown. Every item has the same size, so a list of any length opens at once.
class ResultListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit ResultListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Takes the lines (one column, kept as built).
    void setLines(TextTable lines);
    void clear();

    QString line(int row) const;
    QStringList allLines() const;
    // Characters of the longest line, to size the items so that the list scrolls sideways.
    qsizetype longestLine() const { return m_longest; }
    // The size of every item; an invalid size leaves it to the view.
    void setItemSize(const QSize& size);

private:
    TextTable m_lines{1, TextTable::Cells::AsGiven};
    qsizetype m_longest = 0;
    QSize m_itemSize;
};
