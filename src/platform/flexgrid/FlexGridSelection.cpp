// The current cell and the selection of a flex grid, what reads and writes through them (Text,
// Clip and the cell formats), and scrolling.

#include "platform/flexgrid/FlexGrid.h"

#include "platform/flexgrid/FlexGridModel.h"

#include <QScrollBar>

namespace ui {

FlexRange FlexGrid::selection() const
{
    return {std::min(m_row, m_rowSel), std::min(m_col, m_colSel), std::max(m_row, m_rowSel),
            std::max(m_col, m_colSel)};
}

void FlexGrid::setRow(int row)
{
    checkRow(row);
    setCurrent(row, m_col);
}

void FlexGrid::setCol(int col)
{
    checkCol(col);
    setCurrent(m_row, col);
}

void FlexGrid::setRowSel(int row)
{
    checkRow(row);
    setSelectionEnd(row, m_colSel);
}

void FlexGrid::setColSel(int col)
{
    checkCol(col);
    setSelectionEnd(m_rowSel, col);
}

// Makes a cell current and the selection that one cell.
void FlexGrid::setCurrent(int row, int col)
{
    const bool moved = row != m_row || col != m_col;
    const bool selectionChanged = moved || row != m_rowSel || col != m_colSel;
    if (moved)
        emit leaveCell();
    m_row = m_rowSel = row;
    m_col = m_colSel = col;
    viewport()->update();
    if (moved) {
        emit enterCell();
        emit rowColChange();
    }
    if (selectionChanged)
        emit selChange();
}

void FlexGrid::setSelectionEnd(int rowSel, int colSel)
{
    if (rowSel == m_rowSel && colSel == m_colSel)
        return;
    m_rowSel = rowSel;
    m_colSel = colSel;
    viewport()->update();
    emit selChange();
}

// Keeps the current cell and the selection inside the grid after rows or columns went away.
void FlexGrid::clampSelection()
{
    const auto clamp = [](int value, int count) { return std::clamp(value, 0, std::max(count - 1, 0)); };
    m_row = clamp(m_row, rows());
    m_rowSel = clamp(m_rowSel, rows());
    m_col = clamp(m_col, cols());
    m_colSel = clamp(m_colSel, cols());
}

int FlexGrid::topRow() const
{
    const int row = rowAt(0);
    return row < 0 ? m_fixedRows : row + m_fixedRows;
}

int FlexGrid::leftCol() const
{
    const int col = columnAt(0);
    return col < 0 ? m_fixedCols : col + m_fixedCols;
}

// The scroll bars count the shown scrolling rows (columns) above (left of) the first one in view.
void FlexGrid::setTopRow(int row)
{
    checkRow(row);
    if (row < m_fixedRows)
        raiseInvalidArgument();
    updateGeometries();
    int shown = 0;
    for (int body = 0; body < row - m_fixedRows; ++body)
        shown += isRowHidden(body) ? 0 : 1;
    verticalScrollBar()->setValue(shown);
}

void FlexGrid::setLeftCol(int col)
{
    checkCol(col);
    if (col < m_fixedCols)
        raiseInvalidArgument();
    updateGeometries();
    int shown = 0;
    for (int body = 0; body < col - m_fixedCols; ++body)
        shown += isColumnHidden(body) ? 0 : 1;
    horizontalScrollBar()->setValue(shown);
}

bool FlexGrid::rowIsVisible(int row) const
{
    checkRow(row);
    if (row < m_fixedRows)
        return rowPixels(row) > 0;
    const int body = row - m_fixedRows;
    if (isRowHidden(body))
        return false;
    const int top = rowViewportPosition(body);
    return top + QTableView::rowHeight(body) > 0 && top < viewport()->height();
}

bool FlexGrid::colIsVisible(int col) const
{
    checkCol(col);
    if (col < m_fixedCols)
        return columnPixels(col) > 0;
    const int body = col - m_fixedCols;
    if (isColumnHidden(body))
        return false;
    const int left = columnViewportPosition(body);
    return left + columnWidth(body) > 0 && left < viewport()->width();
}

// ---- Text, Clip and the cell formats ----

QString FlexGrid::text() const { return textMatrix(m_row, m_col); }

void FlexGrid::setText(const QString& text)
{
    applyToCells([&](int row, int col) { m_cells.setText(row, col, text); });
}

QString FlexGrid::clip(FlexCellStore::CellWriter appendCell) const
{
    if (rows() == 0 || cols() == 0)
        return {};
    return m_cells.clip(selection(), appendCell);
}

void FlexGrid::setClip(const QString& clip)
{
    if (rows() == 0 || cols() == 0)
        return;
    m_cells.paste(selection(), clip);
    cellsChanged(selection());
}

void FlexGrid::setClipFrom(const std::function<void(FlexClipPaste&)>& write)
{
    if (rows() == 0 || cols() == 0)
        return;
    FlexClipPaste paste(m_cells, selection());
    write(paste);
    paste.finish();
    cellsChanged(selection());
}

// Applies a change to the current cell, or to every selected cell with FillStyle repeat.
template <class Apply>
void FlexGrid::applyToCells(Apply apply)
{
    checkCurrentCell();
    const FlexRange range = m_fillStyle == flexFillRepeat ? selection() : FlexRange{m_row, m_col, m_row, m_col};
    for (int row = range.top; row <= range.bottom; ++row)
        for (int col = range.left; col <= range.right; ++col)
            apply(row, col);
    cellsChanged(range);
}

quint32 FlexGrid::cellBackColor() const
{
    checkCurrentCell();
    const FlexCellFormat* format = m_cells.format(m_row, m_col);
    return format && format->backColor ? *format->backColor : 0;
}

void FlexGrid::setCellBackColor(quint32 color)
{
    applyToCells([&](int row, int col) { m_cells.editFormat(row, col).backColor = color; });
}

quint32 FlexGrid::cellForeColor() const
{
    checkCurrentCell();
    const FlexCellFormat* format = m_cells.format(m_row, m_col);
    return format && format->foreColor ? *format->foreColor : 0;
}

void FlexGrid::setCellForeColor(quint32 color)
{
    applyToCells([&](int row, int col) { m_cells.editFormat(row, col).foreColor = color; });
}

bool FlexGrid::cellFontBold() const
{
    checkCurrentCell();
    return cellFont(m_row, m_col).value_or(font()).bold();
}

void FlexGrid::setCellFontBold(bool bold)
{
    applyToCells([&](int row, int col) { m_cells.editFormat(row, col).bold = bold; });
}

QString FlexGrid::cellFontName() const
{
    checkCurrentCell();
    return cellFont(m_row, m_col).value_or(font()).family();
}

void FlexGrid::setCellFontName(const QString& name)
{
    applyToCells([&](int row, int col) { m_cells.editFormat(row, col).fontName = name; });
}

double FlexGrid::cellFontSize() const
{
    checkCurrentCell();
    return cellFont(m_row, m_col).value_or(font()).pointSizeF();
}

void FlexGrid::setCellFontSize(double points)
{
    if (points <= 0)
        raiseInvalidArgument();
    applyToCells([&](int row, int col) { m_cells.editFormat(row, col).fontSize = points; });
}

int FlexGrid::cellAlignment() const
{
    checkCurrentCell();
    return effectiveAlignment(m_row, m_col);
}

void FlexGrid::setCellAlignment(int alignment)
{
    if (alignment < flexAlignLeftTop || alignment > flexAlignGeneral)
        raiseInvalidArgument();
    applyToCells([&](int row, int col) { m_cells.editFormat(row, col).alignment = alignment; });
}

} // namespace ui
