#include "screens/ResultListModel.h"

ResultListModel::ResultListModel(QObject* parent)
    : QAbstractListModel(parent), m_lines(std::make_shared<TableLines>(TextTable(1, TextTable::Cells::AsGiven)))
{
}

int ResultListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_lines->count());
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
    setLines(std::make_shared<TableLines>(std::move(lines)));
}

void ResultListModel::setLines(std::shared_ptr<const ResultLines> lines)
{
    beginResetModel();
    m_lines = std::move(lines);
    m_unreadableTold = false;
    endResetModel();
}

void ResultListModel::clear()
{
    setLines(TextTable(1, TextTable::Cells::AsGiven));
}

QString ResultListModel::line(int row) const
{
    QString line = m_lines->line(row);
    if (!m_unreadableTold && !m_lines->failure().isEmpty()) {
        m_unreadableTold = true;
        emit linesUnreadable();
    }
    return line;
}

QStringList ResultListModel::allLines() const
{
    QStringList lines;
    lines.reserve(m_lines->count());
    for (qsizetype row = 0; row < m_lines->count(); ++row)
        lines.append(m_lines->line(row));
    return lines;
}

void ResultListModel::setItemSize(const QSize& size)
{
    m_itemSize = size;
    if (!m_lines->count())
        return;
    emit dataChanged(index(0), index(int(m_lines->count()) - 1), {Qt::SizeHintRole});
}
