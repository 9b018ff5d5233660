// Sorting the rows: the display order is permuted by one or two columns; the rows stay where they
// are.

#include "grid/QvGrid.h"

#include "grid/GridSort.h"

#include <algorithm>
#include <numeric>

namespace grid {

namespace {

// The next state of a header click: 0 -> 2 -> 1 -> 0; any other state stays.
qint32 nextSortState(qint32 State)
{
    switch (State) {
    case SortNone: return SortSmallerFirst;
    case SortSmallerFirst: return SortLargerFirst;
    case SortLargerFirst: return SortNone;
    default: return State;
    }
}

// A custom column's comparison: the host answers each one through CustomSort with copies of the
// two texts. A column the host names in return is read from then on, in this range and in the
// ranges split from it, when it exists.
struct CustomRules {
    QvGrid* grid;
    qint32 col;
    bool ascending;

    bool Before(qint32 row, qint32 pivot)
    {
        bool Ascending = ascending;
        qint32 Col = col;
        QString Value1 = grid->store().Record(row).Cells[col].Text;
        QString Value2 = grid->store().Record(pivot).Cells[col].Text;
        bool Swap = false;
        emit grid->CustomSort(Ascending, Col, Value1, Value2, Swap);
        if (Col >= 0 && Col < grid->Cols())
            col = Col;
        return Swap;
    }
    bool SameKey(qint32, qint32) const { return false; }
};

} // namespace

void QvGrid::Sort(qint32 vCol1, qint32 vCol1SortType, qint32 vCol2, qint32 vCol2SortType)
{
    if (m_store.LastRow() == -1 || !UpdateCell(false))
        return;

    // The two sort columns as column indexes; -1 arguments take the stored display positions.
    qint32 col1 = vCol1 != -1 ? vCol1 : SortCol1;
    qint32 col2 = vCol2 != -1 ? vCol2 : SortCol2;
    if (col1 == -1 && col2 != -1) {
        col1 = col2;
        col2 = -1;
    } else if (col1 == col2) {
        col2 = -1;
    }
    const auto isColumn = [this](qint32 c) { return c >= 0 && c < Cols(); };
    bool resolved = true;
    const auto shownAt = [&](qint32 Position) {
        resolved = resolved && isColumn(Position);
        return resolved ? m_store.ColOrder()[Position] : -1;
    };
    if (vCol1 == -1)
        col1 = shownAt(col1);
    if (vCol2 == -1 && col2 != -1)
        col2 = shownAt(col2);
    if (!resolved || !isColumn(col1) || (col2 != -1 && !isColumn(col2)))
        return;
    SortCol1 = col1;
    SortCol2 = col2;

    ColumnInfo& primary = m_store.Column(SortCol1);
    primary.SortState = vCol1SortType != -1 ? vCol1SortType : nextSortState(primary.SortState);
    if (SortCol2 != -1)
        m_store.Column(SortCol2).SortState = vCol2SortType != -1 ? vCol2SortType : primary.SortState;

    const qint32 lastRow = m_store.LastRow();
    const qint32 currentRecord = m_store.CurRow() == -1 ? 0 : m_store.RowOrder()[m_store.CurRow()];
    std::vector<qint32> order(lastRow + 1);
    if (primary.SortState == SortNone) {
        std::iota(order.begin(), order.end(), 0);
        SortCol1 = -1;
        SortCol2 = -1;
    } else {
        std::copy_n(m_store.RowOrder().begin(), lastRow + 1, order.begin());
        sortDispatch(order, {{0, lastRow}}, SortCol1, primary.SortState);
        sortSecondary(order);
    }
    m_store.SetRowOrder(order);
    RowLayoutChanged();

    const auto current = std::find(order.begin(), order.end(), currentRecord);
    RowColSet(qint32(current - order.begin()), -1);
    emit SortComplete();
}

void QvGrid::sortDispatch(std::vector<qint32>& Order, const std::vector<std::pair<qint32, qint32>>& Ranges,
                          qint32 Col, qint32 SortType)
{
    if (Ranges.empty())
        return;
    const bool largerFirst = SortType == SortLargerFirst;
    const qint16 type = m_store.Column(Col).ColType;
    if (type == ColCustom) {
        for (const auto& [lo, hi] : Ranges)
            QuickSortRows(Order, lo, hi, CustomRules{this, Col, largerFirst});
        return;
    }

    const qint32 rows = m_store.LastRow() + 1;
    const auto keys = [&] {
        if (type == ColCheckBox) {
            std::vector<char> checked(rows);
            for (qint32 r = 0; r < rows; ++r)
                checked[r] = FlagIsSet(m_store.Record(r).Cells[Col].Flags, CellFlag::Checked);
            return ColumnSortKeys::Checked(std::move(checked));
        }
        std::vector<QString> texts(rows);
        for (qint32 r = 0; r < rows; ++r)
            texts[r] = m_store.Record(r).Cells[Col].Text;
        if (type == ColNumber)
            return ColumnSortKeys::Number(texts);
        if (type == ColDate)
            return ColumnSortKeys::Date(texts);
        return ColumnSortKeys::Text(std::move(texts));
    }();
    for (const auto& [lo, hi] : Ranges)
        keys.Sort(Order, lo, hi, largerFirst);
}

void QvGrid::sortSecondary(std::vector<qint32>& Order)
{
    if (SortCol2 == -1)
        return;
    const auto primaryText = [&](qint32 DisplayRow) -> const QString& {
        return m_store.Record(Order[DisplayRow]).Cells[SortCol1].Text;
    };
    std::vector<std::pair<qint32, qint32>> runs;
    const qint32 lastRow = qint32(Order.size()) - 1;
    for (qint32 first = 0, last = 0; first <= lastRow; first = last + 1) {
        last = first;
        while (last < lastRow && primaryText(last + 1) == primaryText(first))
            ++last;
        if (last > first)
            runs.emplace_back(first, last);
    }
    sortDispatch(Order, runs, SortCol2, m_store.Column(SortCol2).SortState);
}

} // namespace grid
