#include "platform/flexgrid/FlexFixedHeader.h"

#include "platform/flexgrid/FlexGrid.h"

#include "platform/ui/Colors.h"
#include "platform/ui/ElidedText.h"
#include "platform/ui/OneLineText.h"

#include <QPainter>
#include <functional>

namespace ui {

namespace {

// Finds the fixed index that holds an offset along stacked fixed rows or columns.
int stackedIndexAt(int offset, int count, const std::function<int(int)>& size)
{
    for (int i = 0, start = 0; i < count; ++i) {
        start += size(i);
        if (offset < start)
            return i;
    }
    return -1;
}

} // namespace

DrawnText FlexFixedHeader::drawnText(const QRect& rect, const FlexGrid& grid, int row, int col)
{
    const int margin = grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1;
    const QString& text = grid.m_cells.text(row, col);
    return {grid.wordWrap() ? text : shownOnOneLine(text), grid.cellFont(row, col).value_or(grid.font()),
            int(grid.cellQtAlignment(row, col)) | (grid.wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine),
            rect.adjusted(margin, 0, -margin, 0)};
}

void FlexFixedHeader::paintCell(QPainter& painter, const QRect& rect, const FlexGrid& grid, int row, int col)
{
    painter.save();
    painter.setClipRect(rect);
    painter.fillRect(rect, grid.cellBackground(row, col));
    const DrawnText text = drawnText(rect, grid, row, col);
    painter.setFont(text.font);
    painter.setPen(grid.cellForeground(row, col));
    painter.drawText(text.rect, text.flags, fittedText(painter.fontMetrics(), text.text, text.flags, text.rect.width()));
    painter.setPen(grid.palette().color(QPalette::Dark));
    painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.restore();
}

FlexFixedHeader::FlexFixedHeader(Qt::Orientation orientation, FlexGrid* grid)
    : QHeaderView(orientation, grid), m_grid(grid)
{
    setSectionsClickable(false);
    setHighlightSections(false);
    setMinimumSectionSize(0);
    setSectionResizeMode(QHeaderView::Fixed);
}

QSize FlexFixedHeader::sizeHint() const
{
    return orientation() == Qt::Horizontal ? QSize(length(), m_grid->fixedRowsHeight())
                                           : QSize(m_grid->fixedColsWidth(), length());
}

bool FlexFixedHeader::cellAt(const QPoint& pos, int& row, int& col) const
{
    const FlexGrid& g = *m_grid;
    if (orientation() == Qt::Horizontal) {
        const int section = logicalIndexAt(pos.x());
        row = stackedIndexAt(pos.y(), g.fixedRows(), [&g](int r) { return g.rowPixels(r); });
        col = section < 0 ? -1 : section + g.fixedCols();
    } else {
        const int section = logicalIndexAt(pos.y());
        row = section < 0 ? -1 : section + g.fixedRows();
        col = stackedIndexAt(pos.x(), g.fixedCols(), [&g](int c) { return g.columnPixels(c); });
    }
    return row >= 0 && col >= 0;
}

void FlexFixedHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    const FlexGrid& g = *m_grid;
    if (orientation() == Qt::Horizontal) {
        const int col = logicalIndex + g.fixedCols();
        for (int row = 0, y = rect.top(); row < g.fixedRows(); ++row) {
            const int height = g.rowPixels(row);
            if (height > 0)
                paintCell(*painter, QRect(rect.left(), y, rect.width(), height), g, row, col);
            y += height;
        }
    } else {
        const int row = logicalIndex + g.fixedRows();
        for (int col = 0, x = rect.left(); col < g.fixedCols(); ++col) {
            const int width = g.columnPixels(col);
            if (width > 0)
                paintCell(*painter, QRect(x, rect.top(), width, rect.height()), g, row, col);
            x += width;
        }
    }
}

FlexCorner::FlexCorner(FlexGrid* grid) : QWidget(grid), m_grid(grid) {}

bool FlexCorner::cellAt(const QPoint& pos, int& row, int& col) const
{
    const FlexGrid& g = *m_grid;
    row = stackedIndexAt(pos.y(), g.fixedRows(), [&g](int r) { return g.rowPixels(r); });
    col = stackedIndexAt(pos.x(), g.fixedCols(), [&g](int c) { return g.columnPixels(c); });
    return row >= 0 && col >= 0;
}

void FlexCorner::paintEvent(QPaintEvent*)
{
    const FlexGrid& g = *m_grid;
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(g.backColorBkg()));
    for (int row = 0, y = 0; row < g.fixedRows(); ++row) {
        const int height = g.rowPixels(row);
        for (int col = 0, x = 0; col < g.fixedCols(); ++col) {
            const int width = g.columnPixels(col);
            if (width > 0 && height > 0)
                FlexFixedHeader::paintCell(painter, QRect(x, y, width, height), g, row, col);
            x += width;
        }
        y += height;
    }
}

} // namespace ui
