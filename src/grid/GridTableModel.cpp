#include "grid/GridTableModel.h"

GridTableModel::GridTableModel(GridTable *grid, QObject *parent) : QAbstractTableModel(parent), m_grid(grid)
{
    if (m_grid)
        m_grid->addObserver(this);
}

GridTableModel::~GridTableModel()
{
    if (m_grid)
        m_grid->removeObserver(this);
}

int GridTableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_grid)
        return 0;
    return std::max(m_grid->rows() - 1, 0);
}

int GridTableModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_grid)
        return 0;
    return m_grid->cols();
}

QVariant GridTableModel::data(const QModelIndex &index, int role) const
{
    if (!m_grid || !index.isValid())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_grid->textAt(gridRowOf(index), index.column());
    return {};
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (!m_grid || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal)
        return m_grid->textAt(0, section);
    return section + 1;
}

void GridTableModel::rowsAboutToBeInserted(int first, int last)
{
    beginInsertRows(QModelIndex(), first - 1, last - 1);
}

void GridTableModel::rowsInserted()
{
    endInsertRows();
}

void GridTableModel::rowsAboutToBeRemoved(int first, int last)
{
    beginRemoveRows(QModelIndex(), first - 1, last - 1);
}

void GridTableModel::rowsRemoved()
{
    endRemoveRows();
}

void GridTableModel::cellChanged(int row, int col)
{
    if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, col, col);
        return;
    }
    const QModelIndex at = index(row - 1, col);
    emit dataChanged(at, at, {Qt::DisplayRole});
}

void GridTableModel::aboutToReset()
{
    beginResetModel();
}

void GridTableModel::resetDone()
{
    endResetModel();
}

void GridTableModel::gridDestroyed()
{
    beginResetModel();
    m_grid = nullptr;
    endResetModel();
}
