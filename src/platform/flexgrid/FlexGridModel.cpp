#include "platform/flexgrid/FlexGridModel.h"

#include "platform/flexgrid/FlexGrid.h"

#include <QBrush>

namespace ui {

FlexGridModel::FlexGridModel(FlexGrid* grid) : QAbstractTableModel(grid), m_grid(grid) {}

int FlexGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_grid->rows() - m_grid->fixedRows();
}

int FlexGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_grid->cols() - m_grid->fixedCols();
}

QVariant FlexGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row() + m_grid->fixedRows();
    const int col = index.column() + m_grid->fixedCols();
    switch (role) {
    case Qt::DisplayRole: return m_grid->m_cells.text(row, col);
    case Qt::BackgroundRole: return QBrush(m_grid->cellBackground(row, col));
    case Qt::ForegroundRole: return QBrush(m_grid->cellForeground(row, col));
    case Qt::TextAlignmentRole: return int(m_grid->cellQtAlignment(row, col));
    case Qt::FontRole: {
        const auto font = m_grid->cellFont(row, col);
        return font ? QVariant(*font) : QVariant();
    }
    default: return {};
    }
}

Qt::ItemFlags FlexGridModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

void FlexGridModel::beginRows(bool insert, int first, int count)
{
    if (insert)
        beginInsertRows({}, first, first + count - 1);
    else
        beginRemoveRows({}, first, first + count - 1);
}

void FlexGridModel::endRows(bool insert)
{
    if (insert)
        endInsertRows();
    else
        endRemoveRows();
}

void FlexGridModel::beginColumns(bool insert, int first, int count)
{
    if (insert)
        beginInsertColumns({}, first, first + count - 1);
    else
        beginRemoveColumns({}, first, first + count - 1);
}

void FlexGridModel::endColumns(bool insert)
{
    if (insert)
        endInsertColumns();
    else
        endRemoveColumns();
}

void FlexGridModel::cellsChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight)
{
    emit dataChanged(topLeft, bottomRight);
}

} // namespace ui
