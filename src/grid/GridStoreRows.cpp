// Adding, removing and changing rows of the grid store.

#include "grid/GridStore.h"

#include <QStringList>

#include <algorithm>

namespace grid {

qint32 GridStore::AddRow(const QString& vstrItem, qint32 vRow, bool vbRowChecked, bool vbMarkAsNew, bool vbRowLocked,
                         bool vbRowVisible, qint32 vRowData)
{
    if (Cols() == 0)
        AddColumn(QString(), float(m_hooks.VisibleWidth ? m_hooks.VisibleWidth() : 0.0), 4, ColText, QString(),
                  QString(), 4, false);

    const qint32 index = m_lastRow + 1;
    if (index >= Capacity())
        growRows(index);

    RowInfo record;
    record.Height = m_rowHeightPx;
    record.Cells.resize(Cols());
    const QStringList texts = vstrItem.split(QLatin1Char('\t'));
    for (qint32 c = 0; c < Cols(); ++c) {
        const ColumnInfo& column = m_columns[c];
        CellInfo& cell = record.Cells[c];
        cell.Alignment = qint16(column.Alignment);
        cell.FormatIndex = m_cellFormats.Repoint(-1, m_defaultLook);
        cell.Flags = column.Flags;
        if (c < texts.size()) {
            cell.Text = texts[c];
            const double value = rVal(cell.Text);
            if (column.ColType == ColCheckBox)
                SetFlagBit(cell.Flags, CellFlag::Checked, value != 0);
            m_totals[c] += value;
        }
    }
    record.RowData = vRowData;
    SetFlagBit(record.Flags, RowFlag::Checked, vbRowChecked);
    SetFlagBit(record.Flags, RowFlag::Locked, vbRowLocked);
    SetFlagBit(record.Flags, RowFlag::MarkedAsNew, vbMarkAsNew);
    record.Visible = vbRowVisible;
    m_rows[index] = std::move(record);

    m_lastRow = index;
    qint32 position = index;
    if (vRow >= 0 && vRow < index) {
        std::move_backward(m_rowOrder.begin() + vRow, m_rowOrder.begin() + index, m_rowOrder.begin() + index + 1);
        position = vRow;
    }
    m_rowOrder[position] = index;

    fire(m_hooks.CalcRowHeight, position);
    fire(m_hooks.RefreshIfRedraw);
    fire(m_hooks.RowCountChanged);
    return position;
}

void GridStore::RemoveRow(qint32 Row)
{
    if (m_lastRow == -1)
        return;
    if (Row == -1) {
        if (m_curRow == -1)
            return;
        Row = m_curRow;
    }
    checkRow(Row);

    const qint32 removed = m_rowOrder[Row];
    const bool wasSelected = FlagIsSet(m_rows[removed].Flags, RowFlag::Selected);
    releaseCells(m_rows[removed]);

    std::move(m_rows.begin() + removed + 1, m_rows.begin() + m_lastRow + 1, m_rows.begin() + removed);
    m_rows[m_lastRow] = RowInfo{};
    std::move(m_rowOrder.begin() + Row + 1, m_rowOrder.begin() + m_lastRow + 1, m_rowOrder.begin() + Row);
    m_rowOrder[m_lastRow] = 0;
    --m_lastRow;
    for (qint32 d = 0; d <= m_lastRow; ++d) {
        if (m_rowOrder[d] > removed)
            --m_rowOrder[d];
    }

    if (m_lastRow >= 0) {
        shrinkRows();
        if (wasSelected) {
            if (m_multiSelect)
                fire(m_hooks.SelectionChanged);
            else
                SetFlagBit(m_rows[m_rowOrder[std::min(Row, m_lastRow)]].Flags, RowFlag::Selected, true);
        }
        keepCurrentRowAfterRemoval(Row);
    } else {
        Clear();
    }

    fire(m_hooks.SetRedrawFlag, true);
    fire(m_hooks.RefreshIfRedraw);
    fire(m_hooks.RowCountChanged);
}

void GridStore::DeleteSelected()
{
    if (!m_multiSelect) {
        RemoveItem(-1);
        return;
    }
    fire(m_hooks.SetRedrawFlag, false);
    for (qint32 d = 0; d <= m_lastRow;) {
        if (FlagIsSet(RowAt(d).Flags, RowFlag::Selected))
            RemoveItem(d);
        else
            ++d;
    }
    fire(m_hooks.RowColSet, 0, -1);
    fire(m_hooks.SetRedrawFlag, true);
    fire(m_hooks.DrawGrid);
}

void GridStore::ChangeCellText(qint32 Row, qint32 Col, const QString& Text)
{
    CheckColumn(Col);
    CellInfo& cell = RowAt(Row).Cells[Col];
    const double value = rVal(Text);
    if (m_columns[Col].ColType == ColCheckBox)
        SetFlagBit(cell.Flags, CellFlag::Checked, value != 0);
    m_totals[Col] += value - rVal(cell.Text);
    cell.Text = Text;
}

// Room for row index NewRow: at least CacheIncrement spare slots beyond it, and at least twice
// the slots held so far, so that bulk loading copies each record a bounded number of times.
void GridStore::growRows(qint32 NewRow)
{
    const std::size_t wanted = std::max<std::size_t>(std::size_t(NewRow) + m_cacheIncrement + 1, 2 * m_rows.size());
    m_rows.resize(wanted);
    m_rowOrder.resize(wanted, 0);
}

// Gives spare slots back once more than CacheIncrement of them, and more than the rows in use,
// lie idle; the second bound keeps alternating adds and removals from reallocating each time.
void GridStore::shrinkRows()
{
    const std::size_t inUse = std::size_t(m_lastRow) + 1;
    const std::size_t spare = m_rows.size() - inUse;
    if (spare <= std::max<std::size_t>(m_cacheIncrement, inUse))
        return;
    m_rows.resize(inUse);
    m_rows.shrink_to_fit();
    m_rowOrder.resize(inUse);
    m_rowOrder.shrink_to_fit();
}

void GridStore::releaseCells(const RowInfo& record)
{
    for (qint32 c = 0; c < record.Cells.size(); ++c) {
        m_cellFormats.Release(record.Cells[c].FormatIndex);
        m_totals[c] -= rVal(record.Cells[c].Text);
    }
}

// After display row Removed is gone: a current row below it moves up with its record, and the
// current row never lies past the last row.
void GridStore::keepCurrentRowAfterRemoval(qint32 Removed)
{
    qint32 row = m_curRow;
    if (row > Removed)
        --row;
    row = std::min(row, m_lastRow);
    if (row != m_curRow) {
        m_curRow = row;
        fire(m_hooks.CurrentRowMoved, row);
    }
}

} // namespace grid
