#pragma once

#include "grid/CellFormats.h"
#include "grid/GridStoreRecords.h"

#include <QList>
#include <QStringList>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <span>
#include <vector>

// The grid's content: its columns, its rows of cells, the two display orders, the per-column
// totals and the current cell, with the operations that add, insert, remove and address them.
//
// Two kinds of index are used. A column index addresses Columns() and each row's Cells and never
// changes while the column exists; a display position is a place in the header order, and
// ColOrder() maps it to a column index. A row index addresses the row records in insertion
// order, compacted on removal; a display row is a place in the shown order, and RowOrder() maps it
// to a row index. Row arguments are display rows and column arguments column indexes, except
// AddColumn's Index and CurCol(), which are display positions. -1 means none, or the current one.
//
// The store paints nothing. What the control around it does in answer (repaints, events, the
// current-cell move with its scrolling) goes through Hooks; an unset hook is skipped.
//
// Members that check their reference fail with error 9 (subscript out of range) and change
// nothing; a value that does not fit a 16-bit field fails with error 6 (overflow).
namespace grid {

class GridStore {
public:
    struct Hooks {
        std::function<void()> RowCountChanged;
        std::function<void()> SelectionChanged;
        // Asks for a repaint; the control only remembers it while painting is off.
        std::function<void()> RefreshIfRedraw;
        // Suspends (false) and restores (true) painting around a bulk change.
        std::function<void(bool)> SetRedrawFlag;
        // Paints at once with the current painting switch.
        std::function<void()> DrawGrid;
        // The rows were cleared: the control resets its own tracking and editing state, turns
        // painting off until the host turns it on, hides its editor and tooltip and shows the
        // empty grid once.
        std::function<void()> Cleared;
        // A removal moved the current row to Row (a display row, -1 when none).
        std::function<void(qint32 Row)> CurrentRowMoved;
        // Makes a cell current and its row the only selected one (Col a column index, -1 none).
        std::function<void(qint32 Row, qint32 Col)> RowColSet;
        // A row was added at display row Row; the control measures its height under word wrap.
        std::function<void(qint32 Row)> CalcRowHeight;
        // A width in container units as pixels, before rounding.
        std::function<double(double Width)> ScaleXToPixels;
        // The visible width in container units, given to the column AddRow makes on its own.
        std::function<double()> VisibleWidth;
    };

    // An empty store: no columns, no rows, no current cell.
    GridStore();

    void SetHooks(Hooks hooks) { m_hooks = std::move(hooks); }

    // Settings the control keeps in step with its properties.
    qint32 CacheIncrement() const { return m_cacheIncrement; }
    void SetCacheIncrement(qint32 Slots) { m_cacheIncrement = Slots < 0 ? 10 : Slots; }
    bool MultiSelect() const { return m_multiSelect; }
    void SetMultiSelect(bool On) { m_multiSelect = On; }
    qint32 RowHeightPx() const { return m_rowHeightPx; }
    void SetRowHeightPx(qint32 Height) { m_rowHeightPx = Height; }
    // The look new cells get: the grid's back colour, fore colour and font name.
    const CellFormat& DefaultLook() const { return m_defaultLook; }
    void SetDefaultLook(OleColor BackColor, OleColor ForeColor, const QString& FontName);

    // Appends a column record and places it at display position Index when 1 <= Index < Cols,
    // else last; answers its display position. Width is in container units and is stored one
    // unit wider. Existing rows get a cell with the column's alignment and the default look.
    qint32 AddColumn(const QString& Caption, float Width, qint32 Alignment, qint32 DataType, const QString& Format,
                     const QString& InputFilter, qint32 ImageAlignment, bool WordWrap, qint32 Index = 0,
                     bool bVisible = true, bool bLocked = false);

    // Adds a row whose cell texts are vstrItem split at tabs (extra texts are dropped), shown at
    // display row vRow when 0 <= vRow <= LastRow, else last; answers its display row. Makes a
    // column of the visible width first when there is none.
    qint32 AddRow(const QString& vstrItem, qint32 vRow = -1, bool vbRowChecked = false, bool vbMarkAsNew = false,
                  bool vbRowLocked = false, bool vbRowVisible = true, qint32 vRowData = 0);
    // The same with the cell texts given one by one, in column index order; they may hold tabs.
    qint32 AddRowTexts(const QStringList& Texts, qint32 vRow = -1, bool vbRowChecked = false,
                       bool vbMarkAsNew = false, bool vbRowLocked = false, bool vbRowVisible = true,
                       qint32 vRowData = 0);
    qint32 AddItem(const QString& vstrItem, qint32 vRow = -1, bool vbRowChecked = false, bool vbMarkAsNew = false,
                   bool vbRowLocked = false, bool vbRowVisible = true, qint32 vRowData = 0)
    {
        return AddRow(vstrItem, vRow, vbRowChecked, vbMarkAsNew, vbRowLocked, vbRowVisible, vRowData);
    }

    // Removes display row Row, -1 the current row. Nothing happens on an empty grid or with -1 and
    // no current row; another row outside 0..LastRow is error 9. The same record stays current
    // where it is still there; removing the only row clears the grid.
    void RemoveRow(qint32 Row);
    void RemoveItem(qint32 Row) { RemoveRow(Row); }
    // With MultiSelect every selected row, else the current row. The rows go in one pass, which
    // ends as removing them one by one from the top would: the current row moves up with its
    // record (onto the next row kept when its own goes) and SelectionChanged and RowCountChanged
    // come once per row removed.
    void DeleteSelected();

    // Removes every row, keeping the columns.
    void Clear();
    // Removes every column and row.
    void ClearAll();

    qint32 Cols() const { return qint32(m_columns.size()); }
    qint32 Rows() const { return m_lastRow + 1; }
    qint32 ItemCount() const { return Rows(); }

    // Normalises a reference: Row -1 is the current row (0 when none) and a row past the last is
    // the last; Col -1 is the current column (0 when none). Answers false on an empty grid and
    // for a column past the last, which is left as it was.
    bool FixRef(qint32& Row, qint32& Col) const;
    static bool IsValidCell(qint32 Row, qint32 Col) { return Row >= 0 && Col >= 0; }
    // The display position showing column Col; 0 when none does.
    qint32 ColumnIndexFromId(qint32 Col) const;
    // The row's marked-as-new and changed flags (Row 0..LastRow).
    bool RowAdded(qint32 Row) const;
    bool RowChanged(qint32 Row) const;

    // Replaces the text of cell (Row, Col), keeping Totals and, in a check-box column, the check
    // mark (set when the text's value is not 0).
    void ChangeCellText(qint32 Row, qint32 Col, const QString& Text);

    // The tolerant number reading of cell texts: currency signs, blanks and "/" skipped, "&H"/"&O"
    // prefixes, a decimal point read in a comma-decimal locale as well, "True"/"False" as -1/0;
    // 0 when the text holds no number.
    static double rVal(const QString& s);
    // v folded to 16 bits (v - 65536 from 32768 on); error 6 when the result does not fit.
    static qint16 UnsignedToInteger(qint32 v);
    // v as a 16-bit field; error 6 when it does not fit.
    static qint16 ToInteger(qint32 v);

    // The store as the other parts of the grid read it.
    const QList<ColumnInfo>& Columns() const { return m_columns; }
    const QList<qint32>& ColOrder() const { return m_colOrder; }
    const std::vector<qint32>& RowOrder() const { return m_rowOrder; }
    qint32 LastRow() const { return m_lastRow; }
    qint32 CurRow() const { return m_curRow; }
    qint32 CurCol() const { return m_curCol; }
    // The sum of each column's cell values as rVal reads them. A column's sum is taken when it is
    // first asked for and kept up to date from then on, so that rows added to a grid whose sums
    // nobody reads are never read as numbers.
    const QList<double>& Totals() const;
    double Total(qint32 Col) const;
    const grid::CellFormats& CellFormats() const { return m_cellFormats; }
    QList<TotalsInfo>& TotalsSettings() { return m_totalsInfo; }
    const QList<TotalsInfo>& TotalsSettings() const { return m_totalsInfo; }
    // Slots held for row records, in use or spare.
    qint32 Capacity() const { return qint32(m_rows.size()); }

    // Error 9 unless Col is a column index.
    void CheckColumn(qint32 Col) const;
    // The records, by column index and by display row (error 9 outside the store). Cell texts
    // change through ChangeCellText and each row keeps one cell per column.
    ColumnInfo& Column(qint32 Col);
    const ColumnInfo& Column(qint32 Col) const;
    RowInfo& RowAt(qint32 Row);
    const RowInfo& RowAt(qint32 Row) const;
    // A row record by row index, in insertion order (error 9 outside 0..LastRow).
    RowInfo& Record(qint32 Index);
    // The cell at display row Row, column index Col (error 9 outside the store).
    CellInfo& CellAt(qint32 Row, qint32 Col);
    const CellInfo& CellAt(qint32 Row, qint32 Col) const;
    // Asks the cache, while display row Row is being read, for the cells in column indexes Cols of
    // the rows ahead: their records further on, their texts nearer. The texts live in heap blocks
    // of their own, and waiting for each in turn is most of what a pass over many rows costs.
    void FetchAhead(qint32 Row, std::span<const qint32> Cols) const;
    // The first display row from FirstRow on (0..LastRow) whose cell text in column index Col
    // satisfies Match; -1 when none does.
    template <typename Predicate>
    qint32 FirstRowWhere(qint32 Col, qint32 FirstRow, Predicate&& Match) const;
    // The cell's look from the format table, the default look while it has no entry.
    CellFormat CellLook(qint32 Row, qint32 Col) const;
    // Points the cell at the table entry of Look, sharing an equal one.
    void SetCellLook(qint32 Row, qint32 Col, const CellFormat& Look);

    // Moves the current cell (a display row and a display position, -1 none); error 9 outside.
    void SetCurRow(qint32 Row);
    void SetCurCol(qint32 Position);
    // Replaces a display order with another permutation; error 5 for anything else.
    void SetColOrder(const QList<qint32>& Order);
    void SetRowOrder(const std::vector<qint32>& Order);

private:
    template <typename... Args, typename... Given>
    void fire(const std::function<void(Args...)>& hook, Given... args) const
    {
        if (hook)
            hook(args...);
    }
    void checkRow(qint32 Row) const;
    void growRows(qint32 NewRow);
    void shrinkRows();
    void shrinkRowsAfterRemovals(qint32 Rows);
    void releaseCells(const RowInfo& record);
    void keepCurrentRowAfterRemoval(qint32 Removed);
    void deleteSelectedRows();
    // A new row's record: a cell per column with the column's alignment and flags and the default
    // look, no text. Makes a column of the visible width first when there is none.
    RowInfo newRecord();
    // Gives a new row's cell its text, with the check mark and the totals it brings.
    void setNewCellText(RowInfo& Record, qint32 Col, const QString& Text);
    // Adds the new row's record with the row settings at display row vRow (see AddRow).
    qint32 placeRecord(RowInfo&& Record, qint32 vRow, bool vbRowChecked, bool vbMarkAsNew, bool vbRowLocked,
                       bool vbRowVisible, qint32 vRowData);

    Hooks m_hooks;
    qint32 m_cacheIncrement = 10;
    bool m_multiSelect = false;
    qint32 m_rowHeightPx = 0;
    CellFormat m_defaultLook;

    QList<ColumnInfo> m_columns;
    QList<qint32> m_colOrder;
    QList<TotalsInfo> m_totalsInfo;
    // A column's entry in m_totals holds its sum only while m_totalKnown says so.
    mutable QList<double> m_totals;
    mutable QList<bool> m_totalKnown;
    // Sized to the capacity; only 0..m_lastRow are in use.
    std::vector<RowInfo> m_rows;
    std::vector<qint32> m_rowOrder;
    qint32 m_lastRow = -1;
    qint32 m_curRow = -1;
    qint32 m_curCol = -1;
    grid::CellFormats m_cellFormats;
};

template <typename Predicate>
qint32 GridStore::FirstRowWhere(qint32 Col, qint32 FirstRow, Predicate&& Match) const
{
    CheckColumn(Col);
    checkRow(FirstRow);
    for (qint32 row = FirstRow; row <= m_lastRow; ++row) {
        FetchAhead(row, {&Col, 1});
        if (Match(m_rows[m_rowOrder[row]].Cells[Col].Text))
            return row;
    }
    return -1;
}

} // namespace grid
