#include "screens/ResultListModel.h"

ResultListModel::ResultListModel(QObject* parent) : QAbstractListModel(parent) {}

int ResultListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_lines.rowCount());
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return line(index.row());
    case Qt::SizeHintRole:
        return m_itemSize.isValid() ? QVariant(m_itemSize) : QVariant();
    default:
        return {};
    }
}

void ResultListModel::setLines(TextTable lines)
{
    beginResetModel();
    m_lines = std::move(lines);
    // A Windows-1252 line holds one byte per character.
    m_longest = 0;
    for (qsizetype row = 0; row < m_lines.rowCount(); ++row)
        m_longest = std::max(m_longest, m_lines.encodedCell(row, 0).size());
    endResetModel();
}

void ResultListModel::clear()
{
    setLines(TextTable(1, TextTable::Cells::AsGiven));
}

QString ResultListModel::line(int row) const
{
    return m_lines.cell(row, 0);
}

QStringList ResultListModel::allLines() const
{
    QStringList lines;
    lines.reserve(m_lines.rowCount());
    for (qsizetype row = 0; row < m_lines.rowCount(); ++row)
        lines.append(m_lines.cell(row, 0));
    return lines;
}

void ResultListModel::setItemSize(const QSize& size)
{
    m_itemSize = size;
    if (!m_lines.rowCount())
        return;
    emit dataChanged(index(0), index(int(m_lines.rowCount()) - 1), {Qt::SizeHintRole});
}
