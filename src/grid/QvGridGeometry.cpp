// The grid's layout: row metrics, header heights, row tops, the hit tests and the column edges.

#include "grid/QvGrid.h"
#include "grid/RoundHalfEven.h"

#include "platform/runtime/RuntimeError.h"

#include <QFontMetricsF>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <limits>

namespace grid {

namespace {

constexpr qint32 EndEllipsis = 0x40000;
constexpr double TwipsPerInch = 1440.0;

} // namespace

qint32 QvGrid::textHeight(const QFont& Font) const
{
    // The height of a line such as "ABCDWXYZ" in Font.
    return RoundHalfEven(QFontMetricsF(Font, viewport()).height());
}

void QvGrid::CalcRowMetrics()
{
    const qint32 previousRowHeight = RowHeightPx();
    m_metrics.CheckBoxSize = previousRowHeight > 16 ? 16 : previousRowHeight - 4;
    m_metrics.RowIndent = m_props.RowCheckBoxes ? m_metrics.CheckBoxSize + 2 : 3;
    m_metrics.CheckBoxIndent = m_metrics.RowIndent;

    m_metrics.HasImageList = m_imageList != nullptr;
    if (m_imageList) {
        m_metrics.ImageHeight = m_imageList->ImageHeight();
        m_metrics.ImageWidth = m_imageList->ImageWidth();
        bool anyRowImage = false;
        for (qint32 index = 0; index <= m_store.LastRow() && !anyRowImage; ++index)
            anyRowImage = m_store.Record(index).Image != 0;
        if (anyRowImage)
            m_metrics.RowIndent = m_metrics.ImageWidth + m_metrics.RowIndent + 2;
    }

    m_metrics.HeaderTextHeight = textHeight(m_props.FontHeader);
    m_metrics.CaptionHeight = m_props.Caption.isEmpty() ? 0 : RoundHalfEven(m_metrics.HeaderTextHeight * 1.5);
    m_metrics.HeaderHeight = CalcHeaderHeight();

    // MinRowHeight is in the container unit; a row is never lower than the header font's text.
    const double twipsPerUnit = scaleUnit() == ScaleUnit::Pixels ? TwipsPerInch / logicalDpiY() : twipsPerUnitX();
    qint32 rowHeight = RoundHalfEven(m_props.MinRowHeight * twipsPerUnit * logicalDpiY() / TwipsPerInch);
    rowHeight = std::max(rowHeight, m_metrics.HeaderTextHeight);
    m_store.SetRowHeightPx(rowHeight + 2 * m_props.MinVerticalOffset + 2);

    m_metrics.EllipsisFlag = m_props.DisplayEllipsis ? EndEllipsis : 0;
}

qint32 QvGrid::CalcHeaderHeight() const
{
    if (!m_props.ColumnHeaders)
        return m_metrics.CaptionHeight;
    const qint32 lineHeight = textHeight(m_props.FontHeader);
    const qint32 lines = m_props.ColumnHeaderLines;
    if (m_props.ColumnHeaderSmall)
        return RoundHalfEven(lines * lineHeight / 3.0 + lineHeight + m_metrics.CaptionHeight);
    return lines * lineHeight + lineHeight + m_metrics.CaptionHeight;
}

void QvGrid::CalcRowHeight(qint32 Row)
{
    if (!m_props.AllowWordWrap || Row < 0 || Row > m_store.LastRow())
        return;
    const QFontMetricsF metrics(m_font, viewport());
    RowInfo& row = m_store.RowAt(Row);
    qint32 contentHeight = 0;
    for (qint32 col = 0; col < m_store.Cols() && col < row.Cells.size(); ++col) {
        const CellInfo& cell = row.Cells[col];
        const qint32 width = m_store.Columns()[col].WidthPx;
        qint32 bottom = 0;
        if (FlagIsSet(cell.Flags, CellFlag::WordWrap)) {
            const QRectF room(0, 2, std::max(width - 5, 1), 0);
            bottom = 2 + RoundHalfEven(metrics.boundingRect(room, Qt::TextWordWrap, cell.Text).height());
        } else if (!cell.Text.isEmpty()) {
            bottom = RoundHalfEven(metrics.height());
        }
        contentHeight = std::max(contentHeight, bottom);
    }
    const qint32 lineHeight = RowHeightPx() - 2 * m_props.MinVerticalOffset - 2;
    if (contentHeight < lineHeight)
        contentHeight = lineHeight;
    else if (m_props.MaxLineCount >= 1 && contentHeight > m_props.MaxLineCount * lineHeight)
        contentHeight = m_props.MaxLineCount * lineHeight;
    row.Height = contentHeight + 2 * m_props.MinVerticalOffset;
    RowLayoutChanged();
}

const std::vector<qint64>& QvGrid::rowTops() const
{
    const std::size_t count = std::size_t(m_store.LastRow() + 2);
    if (m_rowTopsValid && m_rowTops.size() == count)
        return m_rowTops;
    m_rowTops.assign(count, 0);
    m_visibleRows.clear();
    m_paintedRows.clear();
    for (qint32 row = 0; row <= m_store.LastRow(); ++row) {
        const RowInfo& record = m_store.RowAt(row);
        m_rowTops[row + 1] = m_rowTops[row] + (record.Visible ? record.Height : 0);
        if (record.Visible)
            m_visibleRows.push_back(row);
        if (record.Visible || record.GroupHeader)
            m_paintedRows.push_back(row);
    }
    m_rowTopsValid = true;
    return m_rowTops;
}

qint32 QvGrid::NextVisibleRow(qint32 Row) const
{
    rowTops();
    const auto next = std::lower_bound(m_visibleRows.begin(), m_visibleRows.end(), Row);
    return next == m_visibleRows.end() ? m_store.LastRow() + 1 : *next;
}

qint32 QvGrid::NextPaintedRow(qint32 Row) const
{
    rowTops();
    const auto next = std::lower_bound(m_paintedRows.begin(), m_paintedRows.end(), Row);
    return next == m_paintedRows.end() ? m_store.LastRow() + 1 : *next;
}

qint32 QvGrid::GetRowTop(qint32 Row, qint32 TopRow) const
{
    if (TopRow == -1)
        TopRow = SBGetValue(1);
    if (Row < TopRow)
        return -1;
    const std::vector<qint64>& tops = rowTops();
    const qint32 end = qint32(tops.size()) - 1;
    const qint64 top = tops[std::clamp(TopRow, 0, end)];
    return qint32(m_metrics.HeaderHeight + tops[std::clamp(Row, 0, end)] - top);
}

qint32 QvGrid::VisibleRowCount() const
{
    if (RowHeightPx() <= 0)
        return 0;
    const qint32 border = frameBorder() == Border::Single ? 4 : 0;
    return RoundHalfEven(double(viewport()->height() - m_metrics.HeaderHeight - border) / RowHeightPx());
}

qint32 QvGrid::RowFromY(float Y) const
{
    if (m_store.Rows() == 0)
        return -1;
    if (m_metrics.HeaderHeight > 0 && Y <= m_metrics.HeaderHeight)
        return -1;
    const qint32 topRow = SBGetValue(1);
    if (topRow > m_store.LastRow())
        return -1;
    // The first row whose bottom edge is at or below Y; a hidden row shares its bottom with the
    // row before it, so only the topmost row can be a hidden one.
    const std::vector<qint64>& tops = rowTops();
    const double start = std::max(m_metrics.HeaderHeight, 0) - double(tops[topRow]);
    const auto bottom = std::lower_bound(tops.begin() + topRow + 1, tops.end(), double(Y),
                                         [start](qint64 Top, double Value) { return start + Top < Value; });
    if (bottom == tops.end())
        return -1;
    return qint32(bottom - tops.begin()) - 1;
}

const ColumnInfo& QvGrid::columnAt(qint32 Position) const
{
    return m_store.Columns().at(m_store.ColOrder().at(Position));
}

bool QvGrid::cellOnGrid(qint32 Row, qint32 Col) const
{
    return Row >= 0 && Row <= m_store.LastRow() && Col >= 0 && Col < m_store.Cols();
}

qint32 QvGrid::columnWidthPx(qint32 Position) const { return columnAt(Position).WidthPx; }

bool QvGrid::columnOnScreen(qint32 Position, qint32 FirstScrolled) const
{
    return Position >= FirstScrolled || Position <= m_props.FreezeAtCol;
}

qint32 QvGrid::ColFromX(float X) const
{
    if (m_store.Cols() == 0)
        return -1;
    const qint32 firstScrolled = SBGetValue(0);
    qint32 left = 0;
    for (qint32 position = 0; position < m_store.ColOrder().size(); ++position) {
        if (!columnOnScreen(position, firstScrolled))
            continue;
        if (!columnAt(position).Visible)
            continue;
        const qint32 width = columnWidthPx(position);
        if (X > left && X <= left + width + 4 + m_metrics.RowNumberWidth)
            return position;
        left += width;
    }
    return -1;
}

void QvGrid::GetColRect(qint32 Position, QRect& Rect) const
{
    const qint32 firstScrolled = SBGetValue(0);
    if (!columnOnScreen(Position, firstScrolled)) {
        Rect.setLeft(m_metrics.RowNumberWidth - 1);
        return;
    }
    qint32 left = m_metrics.RowNumberWidth;
    for (qint32 position = 0; position < Position; ++position) {
        if (columnOnScreen(position, firstScrolled) && columnAt(position).Visible)
            left += columnWidthPx(position);
    }
    qint32 right = left + columnWidthPx(Position);
    if (isIndentedColumn(Position))
        left = m_metrics.RowNumberWidth + m_metrics.RowIndent;
    Rect.setLeft(left);
    Rect.setRight(right - 1);
}

bool QvGrid::columnSelectable(qint32 Position) const
{
    const ColumnInfo& column = columnAt(Position);
    return column.Visible && !column.Locked;
}

qint32 QvGrid::selectableColFrom(qint32 Current, bool Forward, bool FromEdge) const
{
    const qint32 last = m_store.Cols() - 1;
    if (last < 0)
        return 0;
    qint32 start = 0;
    if (Forward)
        start = FromEdge || Current >= last || Current < -1 ? 0 : Current + 1;
    else
        start = FromEdge || Current <= 0 || Current > last ? last : Current - 1;
    qint32 position = start;
    while (!columnSelectable(position)) {
        if (Forward)
            position = position == last ? 0 : position + 1;
        else
            position = position == 0 ? last : position - 1;
        if (position == start)
            break;
    }
    return position;
}

qint32 QvGrid::PrevSelectableCol(bool FromEnd)
{
    return m_metrics.NavColumn = selectableColFrom(m_store.CurCol(), false, FromEnd);
}

qint32 QvGrid::NextSelectableCol(bool FromStart)
{
    return m_metrics.NavColumn = selectableColFrom(m_store.CurCol(), true, FromStart);
}

qint32 QvGrid::VisibleHeight()
{
    if (!m_paintEnabled)
        UpdateScrollBars();
    const double twipsPerPixel = TwipsPerInch / logicalDpiY();
    const qint32 border = frameBorder() == Border::Single ? RoundHalfEven(4 * twipsPerPixel) : 0;
    double result = height() * twipsPerPixel - border;
    if (SBGetVisible(0))
        result -= style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) * twipsPerPixel;
    return RoundHalfEven(result);
}

qint32 QvGrid::VisibleWidth()
{
    if (!m_paintEnabled)
        UpdateScrollBars();
    const double twipsPerPixel = TwipsPerInch / logicalDpiX();
    const qint32 border = frameBorder() == Border::Single ? RoundHalfEven(4 * twipsPerPixel) : 0;
    double result = width() * twipsPerPixel - border;
    if (SBGetVisible(1))
        result -= style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) * twipsPerPixel;
    return RoundHalfEven(result - twipsPerPixel - m_metrics.RowNumberWidth * twipsPerPixel);
}

float QvGrid::RowHeight(qint32 Row) const
{
    qint32 col = -1;
    if (!m_store.FixRef(Row, col))
        return 0;
    return float(m_store.RowAt(Row).Height);
}

void QvGrid::SetRowHeight(qint32 Row, float NewValue)
{
    qint32 col = -1;
    if (!m_store.FixRef(Row, col))
        return;
    if (NewValue == -1) {
        CalcRowHeight(Row);
    } else {
        const double height = std::nearbyint(double(NewValue));
        if (!(height >= std::numeric_limits<qint32>::min() && height <= std::numeric_limits<qint32>::max()))
            throw runtime::RuntimeError(runtime::ErrorNumber::Overflow);
        m_store.RowAt(Row).Height = qint32(height);
        RowLayoutChanged();
    }
    UpdateScrollBars();
    drawGrid(m_paintEnabled);
}

} // namespace grid
