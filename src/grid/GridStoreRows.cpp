// Adding, removing and changing rows of the grid store.

#include "grid/GridStore.h"

#include <QStringList>

#include <algorithm>

namespace grid {

qint32 GridStore::AddRow(const QString& vstrItem, qint32 vRow, bool vbRowChecked, bool vbMarkAsNew, bool vbRowLocked,
                         bool vbRowVisible, qint32 vRowData)
{
    RowInfo record = newRecord();
    // The texts between tabs, taken one by one: no list of them is made.
    qsizetype start = 0;
    for (qint32 c = 0; c < Cols() && start >= 0; ++c) {
        const qsizetype tab = vstrItem.indexOf(QLatin1Char('\t'), start);
        setNewCellText(record, c, vstrItem.mid(start, tab < 0 ? -1 : tab - start));
        start = tab < 0 ? -1 : tab + 1;
    }
    return placeRecord(std::move(record), vRow, vbRowChecked, vbMarkAsNew, vbRowLocked, vbRowVisible, vRowData);
}

qint32 GridStore::AddRowTexts(const QStringList& Texts, qint32 vRow, bool vbRowChecked, bool vbMarkAsNew,
                              bool vbRowLocked, bool vbRowVisible, qint32 vRowData)
{
    RowInfo record = newRecord();
    for (qint32 c = 0; c < Cols() && c < Texts.size(); ++c)
        setNewCellText(record, c, Texts[c]);
    return placeRecord(std::move(record), vRow, vbRowChecked, vbMarkAsNew, vbRowLocked, vbRowVisible, vRowData);
}

RowInfo GridStore::newRecord()
{
    if (Cols() == 0)
        AddColumn(QString(), float(m_hooks.VisibleWidth ? m_hooks.VisibleWidth() : 0.0), 4, ColText, QString(),
                  QString(), 4, false);
    RowInfo record;
    record.Height = m_rowHeightPx;
    // Reserved first: growing to the size would round the block up.
    record.Cells.reserve(Cols());
    record.Cells.resize(Cols());
    const qint32 look = m_cellFormats.PointNewCells(m_defaultLook, Cols());
    for (qint32 c = 0; c < Cols(); ++c) {
        CellInfo& cell = record.Cells[c];
        cell.Alignment = qint16(m_columns[c].Alignment);
        cell.FormatIndex = look;
        cell.Flags = m_columns[c].Flags;
    }
    return record;
}

void GridStore::setNewCellText(RowInfo& Record, qint32 Col, const QString& Text)
{
    CellInfo& cell = Record.Cells[Col];
    cell.Text = Text;
    // Only a check box and a sum somebody has read need the text as a number.
    const bool checkBox = m_columns[Col].ColType == ColCheckBox;
    if (!checkBox && !m_totalKnown[Col])
        return;
    const double value = rVal(Text);
    if (checkBox)
        SetFlagBit(cell.Flags, CellFlag::Checked, value != 0);
    if (m_totalKnown[Col])
        m_totals[Col] += value;
}

qint32 GridStore::placeRecord(RowInfo&& Record, qint32 vRow, bool vbRowChecked, bool vbMarkAsNew, bool vbRowLocked,
                              bool vbRowVisible, qint32 vRowData)
{
    const qint32 index = m_lastRow + 1;
    if (index >= Capacity())
        growRows(index);
    RowInfo& record = m_rows[index];
    record = std::move(Record);
    record.RowData = vRowData;
    SetFlagBit(record.Flags, RowFlag::Checked, vbRowChecked);
    SetFlagBit(record.Flags, RowFlag::Locked, vbRowLocked);
    SetFlagBit(record.Flags, RowFlag::MarkedAsNew, vbMarkAsNew);
    record.Visible = vbRowVisible;

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
    deleteSelectedRows();
    fire(m_hooks.RowColSet, 0, -1);
    fire(m_hooks.SetRedrawFlag, true);
    fire(m_hooks.DrawGrid);
}

void GridStore::deleteSelectedRows()
{
    const qint32 rows = Rows();
    // The new index of each record, -1 for one that goes; and the current row as it ends up:
    // the rows kept above it, or above the next one kept when its own goes.
    std::vector<qint32> newIndex(rows, 0);
    qint32 keptAboveCurrent = 0;
    for (qint32 d = 0; d < rows; ++d) {
        const bool selected = FlagIsSet(m_rows[m_rowOrder[d]].Flags, RowFlag::Selected);
        newIndex[m_rowOrder[d]] = selected ? -1 : 0;
        if (!selected && d < m_curRow)
            ++keptAboveCurrent;
    }
    qint32 kept = 0;
    for (qint32 index = 0; index < rows; ++index) {
        if (newIndex[index] == -1) {
            releaseCells(m_rows[index]);
            continue;
        }
        newIndex[index] = kept;
        if (kept != index)
            m_rows[kept] = std::move(m_rows[index]);
        ++kept;
    }
    const qint32 removed = rows - kept;
    if (removed == 0)
        return;
    std::fill(m_rows.begin() + kept, m_rows.begin() + rows, RowInfo{});
    const auto keptEnd = std::remove_if(m_rowOrder.begin(), m_rowOrder.begin() + rows,
                                        [&newIndex](qint32 Index) { return newIndex[Index] == -1; });
    for (auto order = m_rowOrder.begin(); order != keptEnd; ++order)
        *order = newIndex[*order];
    std::fill(keptEnd, m_rowOrder.begin() + rows, 0);
    m_lastRow = kept - 1;

    // One at a time, the last removal would have cleared the grid and reported no selection.
    qint32 selectionChanges = removed;
    if (kept > 0) {
        shrinkRowsAfterRemovals(rows);
        if (m_curRow != -1) {
            const qint32 row = std::min(keptAboveCurrent, m_lastRow);
            if (row != m_curRow) {
                m_curRow = row;
                fire(m_hooks.CurrentRowMoved, row);
            }
        }
    } else {
        Clear();
        --selectionChanges;
    }

    fire(m_hooks.SetRedrawFlag, true);
    fire(m_hooks.RefreshIfRedraw);
    for (qint32 n = 0; n < removed; ++n) {
        if (n < selectionChanges)
            fire(m_hooks.SelectionChanged);
        fire(m_hooks.RowCountChanged);
    }
}

void GridStore::ChangeCellText(qint32 Row, qint32 Col, const QString& Text)
{
    CheckColumn(Col);
    CellInfo& cell = RowAt(Row).Cells[Col];
    const bool checkBox = m_columns[Col].ColType == ColCheckBox;
    if (checkBox || m_totalKnown[Col]) {
        const double value = rVal(Text);
        if (checkBox)
            SetFlagBit(cell.Flags, CellFlag::Checked, value != 0);
        if (m_totalKnown[Col])
            m_totals[Col] += value - rVal(cell.Text);
    }
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

// What shrinkRows after each removal would have left, had the rows gone one by one from Rows rows
// in use down to the rows in use now.
void GridStore::shrinkRowsAfterRemovals(qint32 Rows)
{
    std::size_t capacity = m_rows.size();
    for (std::size_t inUse = std::size_t(Rows) - 1; inUse > std::size_t(m_lastRow); --inUse)
        if (capacity - inUse > std::max<std::size_t>(m_cacheIncrement, inUse))
            capacity = inUse;
    if (capacity == m_rows.size())
        return;
    m_rows.resize(capacity);
    m_rows.shrink_to_fit();
    m_rowOrder.resize(capacity);
    m_rowOrder.shrink_to_fit();
}

void GridStore::releaseCells(const RowInfo& record)
{
    for (qint32 c = 0; c < record.Cells.size(); ++c) {
        m_cellFormats.Release(record.Cells[c].FormatIndex);
        if (m_totalKnown[c])
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
