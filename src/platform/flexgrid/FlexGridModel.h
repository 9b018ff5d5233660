#pragma once

#include <QAbstractTableModel>

namespace ui {

class FlexGrid;

// The scrolling cells of a flex grid as the table view sees them: model row 0 is the grid's first
// row below the fixed rows, model column 0 its first column right of the fixed columns. The grid
// keeps the cells; the model reads them and tells the view when their layout changes.
class FlexGridModel : public QAbstractTableModel {
public:
    explicit FlexGridModel(FlexGrid* grid);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Wrap a change of the cell matrix, in model rows and columns.
    void beginRows(bool insert, int first, int count);
    void endRows(bool insert);
    void beginColumns(bool insert, int first, int count);
    void endColumns(bool insert);
    void beginReset() { beginResetModel(); }
    void endReset() { endResetModel(); }
    void cellsChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight);

private:
    FlexGrid* m_grid;
};

} // namespace ui
