// What each cell of a flex grid shows: colours, font and alignment, and the grid-wide colours.

#include "platform/flexgrid/FlexGrid.h"

#include "platform/flexgrid/FlexFixedHeader.h"
#include "platform/runtime/Val.h"
#include "platform/ui/Colors.h"

namespace ui {

bool FlexGrid::isHighlighted(int row, int col) const
{
    if (row < m_fixedRows || col < m_fixedCols)
        return false;
    if (m_highLight == flexHighlightNever || (m_highLight == flexHighlightWithFocus && !hasFocus()))
        return false;
    // The current cell carries the focus rectangle instead of the highlight.
    if (row == m_row && col == m_col && m_focusRect != flexFocusNone)
        return false;
    const FlexRange range = selection();
    const bool inRows = m_selectionMode == flexSelectionByColumn || (row >= range.top && row <= range.bottom);
    const bool inCols = m_selectionMode == flexSelectionByRow || (col >= range.left && col <= range.right);
    return inRows && inCols;
}

QColor FlexGrid::cellBackground(int row, int col) const
{
    if (isHighlighted(row, col))
        return toQColor(m_backColorSel);
    const FlexCellFormat* format = m_cells.format(row, col);
    if (format && format->backColor)
        return toQColor(*format->backColor);
    return toQColor(row < m_fixedRows || col < m_fixedCols ? m_backColorFixed : m_backColor);
}

QColor FlexGrid::cellForeground(int row, int col) const
{
    if (isHighlighted(row, col))
        return toQColor(m_foreColorSel);
    const FlexCellFormat* format = m_cells.format(row, col);
    if (format && format->foreColor)
        return toQColor(*format->foreColor);
    return toQColor(row < m_fixedRows || col < m_fixedCols ? m_foreColorFixed : m_foreColor);
}

std::optional<QFont> FlexGrid::cellFont(int row, int col) const
{
    const FlexCellFormat* format = m_cells.format(row, col);
    if (!format || (!format->bold && !format->fontName && !format->fontSize))
        return std::nullopt;
    QFont cell = font();
    if (format->bold)
        cell.setBold(*format->bold);
    if (format->fontName)
        cell.setFamily(*format->fontName);
    if (format->fontSize)
        cell.setPointSizeF(*format->fontSize);
    return cell;
}

int FlexGrid::effectiveAlignment(int row, int col) const
{
    const FlexCellFormat* format = m_cells.format(row, col);
    if (format && format->alignment)
        return *format->alignment;
    const FlexColumn& column = m_cells.column(col);
    if (row < m_fixedRows || col < m_fixedCols)
        return column.fixedAlignment.value_or(column.alignment);
    return column.alignment;
}

Qt::Alignment FlexGrid::cellQtAlignment(int row, int col) const
{
    static constexpr Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static constexpr Qt::Alignment vertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    const int alignment = effectiveAlignment(row, col);
    if (alignment == flexAlignGeneral) {
        const bool number = runtime::IsNumeric(QVariant(m_cells.text(row, col)));
        return (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    }
    return horizontal[alignment / 3] | vertical[alignment % 3];
}

// The area beyond the cells shows BackColorBkg; the grid lines are drawn in the palette's Mid role.
void FlexGrid::applyPalette()
{
    QPalette colours = palette();
    colours.setColor(QPalette::Base, toQColor(m_backColorBkg));
    colours.setColor(QPalette::Window, toQColor(m_backColorBkg));
    colours.setColor(QPalette::Mid, toQColor(m_gridColor));
    setPalette(colours);
    viewport()->update();
    updateFixedArea();
}

// Stores one of the grid's colours and repaints the grid in it.
void FlexGrid::changeColor(quint32& member, quint32 color)
{
    member = color;
    applyPalette();
}

void FlexGrid::setBackColor(quint32 color) { changeColor(m_backColor, color); }
void FlexGrid::setForeColor(quint32 color) { changeColor(m_foreColor, color); }
void FlexGrid::setBackColorFixed(quint32 color) { changeColor(m_backColorFixed, color); }
void FlexGrid::setForeColorFixed(quint32 color) { changeColor(m_foreColorFixed, color); }
void FlexGrid::setBackColorSel(quint32 color) { changeColor(m_backColorSel, color); }
void FlexGrid::setForeColorSel(quint32 color) { changeColor(m_foreColorSel, color); }
void FlexGrid::setBackColorBkg(quint32 color) { changeColor(m_backColorBkg, color); }
void FlexGrid::setGridColor(quint32 color) { changeColor(m_gridColor, color); }

void FlexGrid::setGridLines(int gridLines)
{
    if (gridLines < flexGridNone || gridLines > flexGridRaised)
        raiseInvalidArgument();
    m_gridLines = gridLines;
    setShowGrid(gridLines != flexGridNone);
}

void FlexGrid::setFontBold(bool bold)
{
    QFont grid = font();
    grid.setBold(bold);
    setFont(grid);
}

} // namespace ui
