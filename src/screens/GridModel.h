#pragma once

#include "screens/TextTable.h"

#include <QAbstractTableModel>
#include <QStringList>

// A read-only grid as a model: the row number "N." first (1, 2, 3, ..., or the numbers a sorted grid
// carries over from file order), then the columns of a compact text table, decoded only when a cell is
// shown. No item is kept per row or cell, so a grid of half a
// million rows opens at once.
class GridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The headers of the table's columns, without "N.".
    explicit GridModel(const QStringList& headers, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void setTable(TextTable table);
    // A grid whose "N." are its own (one per row) rather than the row's place.
    void setTable(TextTable table, QList<qint64> numbers);
    const TextTable& table() const { return m_table; }

private:
    QStringList m_headers;
    TextTable m_table;
    QList<qint64> m_numbers;
};
