#include "screens/GridModel.h"

GridModel::GridModel(const QStringList& headers, QObject* parent)
    : QAbstractTableModel(parent), m_headers(headers), m_table(int(headers.size()))
{}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_table.rowCount());
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_headers.size()) + 1;
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    if (index.column() == 0)
        return QString::number(m_numbers.isEmpty() ? index.row() + 1 : m_numbers.at(index.row()));
    return m_table.cell(index.row(), index.column() - 1);
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section > m_headers.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == 0 ? QStringLiteral("N.") : m_headers.at(section - 1);
}

void GridModel::setTable(TextTable table)
{
    setTable(std::move(table), {});
}

void GridModel::setTable(TextTable table, QList<qint64> numbers)
{
    Q_ASSERT(table.columnCount() == m_headers.size());
    Q_ASSERT(numbers.isEmpty() || numbers.size() == table.rowCount());
    beginResetModel();
    m_table = std::move(table);
    m_numbers = std::move(numbers);
    endResetModel();
}
