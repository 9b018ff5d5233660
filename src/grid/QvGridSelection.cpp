// The current cell and the set of selected rows: the public position members, the one routine
// every move of the current cell goes through, and the row steps the keys and the scrolling use.

#include "grid/QvGrid.h"

#include "platform/runtime/RuntimeError.h"

#include <algorithm>

namespace grid {

qint32 QvGrid::Col() const
{
    if (m_store.Cols() == 0)
        return 0;
    const qint32 position = m_store.CurCol();
    return position == -1 ? -1 : m_store.ColOrder().at(position);
}

void QvGrid::SetCol(qint32 Col)
{
    RowColSet(-1, Col);
    drawGrid(m_paintEnabled);
}

qint32 QvGrid::MouseCol() const
{
    if (m_store.Cols() == 0)
        return 0;
    return m_hoverCol < 0 || m_hoverCol >= m_store.Cols() ? -1 : m_store.ColOrder().at(m_hoverCol);
}

void QvGrid::RowColSet(qint32 Row, qint32 Col)
{
    try {
        // A refused row or column leaves the current cell as it was.
        if (Col != -1 && !m_store.Column(Col).Visible)
            return;
        qint32 anyCol = -1;
        if (!m_store.FixRef(Row, anyCol) || !m_store.RowAt(Row).Visible)
            return;
        qint32 position = -1;
        if (Col != -1) {
            position = std::min(m_store.ColumnIndexFromId(Col), m_store.Cols() - 1);
            m_store.SetCurCol(position);
            SBSetValue(0, position);
        }

        bool selectionChanged = false;
        if (m_store.CurRow() != Row) {
            qint32 from = -1;
            qint32 to = -1;
            selectionChanged = SelectRowRange(false, from, to);
        }
        setCurrentCell(Row, position, false, true);
        qint16& flags = m_store.RowAt(Row).Flags;
        if (!FlagIsSet(flags, RowFlag::Selected)) {
            SetFlagBit(flags, RowFlag::Selected, true);
            selectionChanged = true;
            emit SelectionChanged();
        }
        // A refused column put the old one back in the first move; this one goes through then.
        if (setCurrentCell(Row, position, true, true) || selectionChanged) {
            m_store.SetCurRow(Row);
            if (Row < RowFirstVisible() || Row > RowLastVisible())
                SBSetValue(1, Row);
            drawGrid(m_paintEnabled);
        }
    } catch (const runtime::RuntimeError&) {
    }
}

void QvGrid::RowUnSelect()
{
    if (m_store.LastRow() == -1)
        return;
    SelectedClearAll();
    drawGrid(m_paintEnabled);
}

void QvGrid::SelectedClearAll()
{
    for (qint32 r = 0; r <= m_store.LastRow(); ++r)
        SetFlagBit(m_store.RowAt(r).Flags, RowFlag::Selected, false);
}

qint32 QvGrid::SelectedCount() const { return rowsFlagged(RowFlag::Selected); }

bool QvGrid::setCurrentCell(qint32 Row, qint32 Col, bool ScrollIntoView, bool MakeCurrent)
{
    if (RowLocked(Row))
        return false;
    if (m_store.CurCol() == Col && m_store.CurRow() == Row)
        return false;

    if (Col >= 0 && Col < m_store.Cols() && !columnSelectable(Col)) {
        Col = m_store.CurCol();
        m_lockedColHit = true;
    }
    if (Row >= 0 && Row <= m_store.LastRow() && !m_store.RowAt(Row).Visible) {
        Row = m_store.CurRow();
        m_lockedRowHit = true;
    }
    if (MakeCurrent) {
        // A position outside the store is left as it was, the rest of the move goes on.
        if (Col < m_store.Cols())
            m_store.SetCurCol(Col);
        if (Row <= m_store.LastRow())
            m_store.SetCurRow(Row);
        emit RowColChanged();
    }
    if (!ScrollIntoView)
        return true;

    if (Col >= 0 && Col < m_store.Cols())
        scrollColumnIntoView(Col);
    const qint32 top = SBGetValue(1);
    if (Row >= top) {
        if (Row > top + VisibleRowCount() - 1)
            SBSetValue(1, top + 1);
    } else {
        SBSetValue(1, top - 1);
    }
    emit Scroll();
    return true;
}

// Moves the horizontal bar a column at a time until column position Col lies inside the view:
// right while it reaches past the right edge, left while it starts left of the row numbers.
void QvGrid::scrollColumnIntoView(qint32 Col)
{
    const qint32 width = columnAt(Col).WidthPx;
    const auto left = [this, Col] {
        QRect rect;
        GetColRect(Col, rect);
        return rect.left();
    };
    if (left() >= m_metrics.RowNumberWidth) {
        for (qint32 v = SBGetValue(0); v <= SBGetMax(0); ++v) {
            if (viewport()->width() > left() + width)
                break;
            SBSetValue(0, v + 1);
        }
    } else {
        for (qint32 v = SBGetValue(0); v >= SBGetMin(0); --v) {
            if (left() - m_metrics.RowNumberWidth > 0)
                break;
            SBSetValue(0, v - 1);
        }
    }
    if (SBGetValue(0) == SBGetMin(0))
        UpdateScrollBars();
}

bool QvGrid::rowSelectable(qint32 Row, bool IncludeLocked) const
{
    if (Row < 0 || Row > m_store.LastRow())
        return false;
    const RowInfo& row = m_store.RowAt(Row);
    return row.Visible && (IncludeLocked || !FlagIsSet(row.Flags, RowFlag::Locked));
}

qint32 QvGrid::selectableRowBelow(qint32 FromRow, qint32 Step, bool IncludeLocked) const
{
    const qint32 lastRow = m_store.LastRow();
    qint32 row = FromRow < lastRow ? FromRow + Step : FromRow;
    for (; row <= lastRow; row += Step) {
        if (rowSelectable(row, IncludeLocked))
            return row;
    }
    return lastRow;
}

qint32 QvGrid::selectableRowAbove(qint32 FromRow, qint32 Step, bool IncludeLocked) const
{
    qint32 row = FromRow > 0 ? std::max(FromRow - Step, 0) : FromRow;
    for (; row >= 0; row -= Step) {
        if (rowSelectable(row, IncludeLocked))
            return row;
    }
    return 0;
}

qint32 QvGrid::findUnlockedRow(bool Upward) const
{
    const qint32 lastRow = m_store.LastRow();
    qint32 row = Upward ? selectableRowAbove(m_store.CurRow(), 1, false)
                        : selectableRowBelow(m_store.CurRow(), 1, false);
    while (RowLocked(row)) {
        row += Upward ? -1 : 1;
        if (row < 0)
            return 0;
        if (row > lastRow)
            return lastRow;
    }
    return row;
}

qint32 QvGrid::pageUpTopRow(qint32 FromRow) const
{
    if (FromRow < 0)
        return FromRow;
    qint32 height = m_metrics.HeaderHeight;
    for (qint32 r = std::min(FromRow, m_store.LastRow()); r >= 0; --r) {
        const RowInfo& row = m_store.RowAt(r);
        if (row.Visible)
            height += row.Height;
        if (height > viewport()->height())
            return r;
    }
    return -1;
}

} // namespace grid
