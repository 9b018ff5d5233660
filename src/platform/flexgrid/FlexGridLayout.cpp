// The layout of a flex grid's columns and rows and the fixed area, in twips, and its behaviour
// settings.

#include "platform/flexgrid/FlexGrid.h"

#include "platform/flexgrid/FlexFixedHeader.h"

#include <QEvent>

namespace ui {

// ---- Column and row layout ----

int FlexGrid::colWidth(int col) const
{
    checkCol(col);
    const int twips = m_cells.column(col).widthTwips;
    return twips < 0 ? kDefaultColWidthTwips : twips;
}

void FlexGrid::setColWidth(int col, int twips)
{
    checkCol(col);
    if (twips < -1)
        raiseInvalidArgument();
    m_cells.column(col).widthTwips = twips;
    applyColumnWidths();
}

void FlexGrid::setColWidths(std::span<const int> twips)
{
    if (qsizetype(twips.size()) > cols())
        raiseInvalidArgument();
    for (const int width : twips)
        if (width < -1)
            raiseInvalidArgument();
    for (int col = 0; col < int(twips.size()); ++col)
        m_cells.column(col).widthTwips = twips[size_t(col)];
    applyColumnWidths();
}

int FlexGrid::rowHeight(int row) const
{
    checkRow(row);
    return m_cells.rowHeightTwips(row) == 0 ? 0 : pixelsToTwipsY(rowPixels(row));
}

void FlexGrid::setRowHeight(int row, int twips)
{
    checkRow(row);
    if (twips < -1)
        raiseInvalidArgument();
    m_cells.setRowHeightTwips(row, twips);
    applyRowHeight(row);
}

void FlexGrid::setRowHeights(int twips)
{
    if (twips < -1)
        raiseInvalidArgument();
    for (int row = 0; row < rows(); ++row)
        m_cells.setRowHeightTwips(row, twips);
    applyRowHeights();
}

void FlexGrid::setRowHeightMin(int twips)
{
    if (twips < 0)
        raiseInvalidArgument();
    m_rowHeightMinTwips = twips;
    applyRowHeights();
}

int FlexGrid::colAlignment(int col) const
{
    checkCol(col);
    return m_cells.column(col).alignment;
}

void FlexGrid::setColAlignment(int col, int alignment)
{
    checkCol(col);
    if (alignment < flexAlignLeftTop || alignment > flexAlignGeneral)
        raiseInvalidArgument();
    m_cells.column(col).alignment = alignment;
    cellsChanged({0, col, rows() - 1, col});
}

int FlexGrid::fixedAlignment(int col) const
{
    checkCol(col);
    const FlexColumn& column = m_cells.column(col);
    return column.fixedAlignment.value_or(column.alignment);
}

void FlexGrid::setFixedAlignment(int col, int alignment)
{
    checkCol(col);
    if (alignment < flexAlignLeftTop || alignment > flexAlignGeneral)
        raiseInvalidArgument();
    m_cells.column(col).fixedAlignment = alignment;
    cellsChanged({0, col, rows() - 1, col});
}

void FlexGrid::applyColumnWidths()
{
    m_applyingSizes = true;
    m_fixedRowsHeader->setDefaultSectionSize(twipsToPixelsX(kDefaultColWidthTwips));
    for (int col = m_fixedCols; col < cols(); ++col) {
        const int pixels = columnPixels(col);
        setColumnHidden(col - m_fixedCols, pixels == 0);
        if (pixels > 0)
            m_fixedRowsHeader->resizeSection(col - m_fixedCols, pixels);
    }
    m_applyingSizes = false;
    applyFixedGeometry();
}

void FlexGrid::applyRowHeight(int row)
{
    if (row < m_fixedRows) {
        applyFixedGeometry();
        return;
    }
    m_applyingSizes = true;
    const int pixels = rowPixels(row);
    setRowHidden(row - m_fixedRows, pixels == 0);
    if (pixels > 0)
        m_fixedColsHeader->resizeSection(row - m_fixedRows, pixels);
    m_applyingSizes = false;
}

void FlexGrid::applyRowHeights()
{
    m_applyingSizes = true;
    m_fixedColsHeader->setDefaultSectionSize(defaultRowPixels());
    m_applyingSizes = false;
    // A header that is not painting resizes a section without working out where every section
    // before it starts, which would make this pass quadratic in the rows; it repaints once after.
    const bool painting = m_fixedColsHeader->updatesEnabled();
    if (painting)
        m_fixedColsHeader->setUpdatesEnabled(false);
    // rows of the default height have it from the header now, but a hidden one is still hidden
    for (int row = m_fixedRows; row < rows(); ++row)
        if (m_cells.rowHeightTwips(row) >= 0 || isRowHidden(row - m_fixedRows))
            applyRowHeight(row);
    if (painting)
        m_fixedColsHeader->setUpdatesEnabled(true);
    applyFixedGeometry();
}

// The fixed rows and columns take the room their cells need; a header without room is hidden.
void FlexGrid::applyFixedGeometry()
{
    m_fixedRowsHeader->setVisible(fixedRowsHeight() > 0);
    m_fixedColsHeader->setVisible(fixedColsWidth() > 0);
    m_fixedRowsHeader->updateGeometry();
    m_fixedColsHeader->updateGeometry();
    updateGeometries();
    updateFixedArea();
}

void FlexGrid::updateFixedArea()
{
    m_fixedRowsHeader->viewport()->update();
    m_fixedColsHeader->viewport()->update();
    m_corner->update();
}

void FlexGrid::updateGeometries()
{
    QTableView::updateGeometries();
    if (!m_corner)
        return;
    if (m_fixedRowsHeader->isHidden() || m_fixedColsHeader->isHidden()) {
        m_corner->hide();
        return;
    }
    m_corner->setGeometry(m_fixedColsHeader->x(), m_fixedRowsHeader->y(), m_fixedColsHeader->width(),
                          m_fixedRowsHeader->height());
    m_corner->show();
    m_corner->raise();
}

void FlexGrid::onSectionResized(Qt::Orientation orientation, int section, int size)
{
    if (m_applyingSizes)
        return;
    if (orientation == Qt::Horizontal)
        m_cells.column(section + m_fixedCols).widthTwips = pixelsToTwipsX(size);
    else
        m_cells.setRowHeightTwips(section + m_fixedRows, pixelsToTwipsY(size));
}

void FlexGrid::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyRowHeights();
}

// ---- Behaviour ----

void FlexGrid::setSelectionMode(int mode)
{
    if (mode < flexSelectionFree || mode > flexSelectionByColumn)
        raiseInvalidArgument();
    m_selectionMode = mode;
    viewport()->update();
}

void FlexGrid::setHighLight(int highLight)
{
    if (highLight < flexHighlightNever || highLight > flexHighlightWithFocus)
        raiseInvalidArgument();
    m_highLight = highLight;
    viewport()->update();
}

void FlexGrid::setFocusRect(int focusRect)
{
    if (focusRect < flexFocusNone || focusRect > flexFocusHeavy)
        raiseInvalidArgument();
    m_focusRect = focusRect;
    viewport()->update();
}

void FlexGrid::setAllowUserResizing(int resizing)
{
    if (resizing < flexResizeNone || resizing > flexResizeBoth)
        raiseInvalidArgument();
    m_allowUserResizing = resizing;
    m_fixedRowsHeader->setSectionResizeMode(resizing & flexResizeColumns ? QHeaderView::Interactive : QHeaderView::Fixed);
    m_fixedColsHeader->setSectionResizeMode(resizing & flexResizeRows ? QHeaderView::Interactive : QHeaderView::Fixed);
}

void FlexGrid::setScrollBars(int scrollBars)
{
    if (scrollBars < flexScrollBarNone || scrollBars > flexScrollBarBoth)
        raiseInvalidArgument();
    m_scrollBars = scrollBars;
    setHorizontalScrollBarPolicy(scrollBars & flexScrollBarHorizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(scrollBars & flexScrollBarVertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

} // namespace ui
