#include "grid/GridStore.h"
#include "grid/RoundHalfEven.h"

#include "platform/runtime/RuntimeError.h"

#include <algorithm>
#include <limits>

namespace grid {

namespace {

using runtime::ErrorNumber;
using runtime::RuntimeError;

template <typename Order>
bool isPermutation(const Order& order, qint32 count)
{
    if (qint32(order.size()) != count)
        return false;
    std::vector<bool> seen(count, false);
    for (const qint32 index : order) {
        if (index < 0 || index >= count || seen[index])
            return false;
        seen[index] = true;
    }
    return true;
}

void prefetch([[maybe_unused]] const void* Address)
{
#if defined(__GNUC__)
    __builtin_prefetch(Address);
#endif
}

} // namespace

GridStore::GridStore()
    : m_rows(1)
    , m_rowOrder(1, 0)
{
}

void GridStore::SetDefaultLook(OleColor BackColor, OleColor ForeColor, const QString& FontName)
{
    m_defaultLook.BackColor = BackColor;
    m_defaultLook.ForeColor = ForeColor;
    m_defaultLook.FontName = FontName;
}

qint32 GridStore::AddColumn(const QString& Caption, float Width, qint32 Alignment, qint32 DataType,
                            const QString& Format, const QString& InputFilter, qint32 ImageAlignment, bool WordWrap,
                            qint32 Index, bool bVisible, bool bLocked)
{
    const qint16 cellAlignment = ToInteger(Alignment);
    const qint16 type = ToInteger(DataType);
    const qint32 n = Cols();

    ColumnInfo column;
    column.Heading = Caption;
    column.Width = Width + 1;
    if (m_hooks.ScaleXToPixels)
        column.WidthPx = RoundHalfEven(m_hooks.ScaleXToPixels(column.Width));
    column.Alignment = Alignment;
    column.ImageAlignment = ImageAlignment;
    column.ColType = type;
    column.Format = Format;
    if (!InputFilter.isEmpty())
        column.InputFilter = InputFilter;
    else if (type == ColNumber)
        column.InputFilter = QStringLiteral("1234567890.-,");
    else if (type == ColDate)
        column.InputFilter = QStringLiteral("1234567890./-");
    column.Flags = WordWrap ? CellFlag::WordWrap : 0;
    column.Visible = bVisible;
    column.Locked = bLocked;

    const qint32 position = (Index >= 1 && Index < n) ? Index : n;
    m_columns.append(column);
    m_colOrder.insert(position, n);
    m_totalsInfo.append(TotalsInfo{});
    m_totals.append(0.0);
    m_totalKnown.append(false);

    if (m_lastRow != -1) {
        fire(m_hooks.SetRedrawFlag, false);
        for (qint32 r = 0; r <= m_lastRow; ++r) {
            CellInfo cell;
            cell.Alignment = cellAlignment;
            cell.FormatIndex = m_cellFormats.Repoint(-1, m_defaultLook);
            m_rows[r].Cells.append(cell);
        }
        fire(m_hooks.SetRedrawFlag, true);
    }
    fire(m_hooks.RefreshIfRedraw);
    return position;
}

void GridStore::Clear()
{
    m_rows.assign(1, RowInfo{});
    m_rowOrder.assign(1, 0);
    m_totals.fill(0.0);
    m_totalKnown.fill(false);
    m_cellFormats.Clear();
    m_lastRow = -1;
    m_curRow = -1;
    m_curCol = -1;
    fire(m_hooks.Cleared);
}

void GridStore::ClearAll()
{
    m_columns.clear();
    m_colOrder.clear();
    m_totalsInfo.clear();
    m_totals.clear();
    m_totalKnown.clear();
    Clear();
}

bool GridStore::FixRef(qint32& Row, qint32& Col) const
{
    if (m_lastRow == -1)
        return false;
    if (Row < 0)
        Row = m_curRow == -1 ? 0 : m_curRow;
    else if (Row > m_lastRow)
        Row = m_lastRow;
    if (Col < 0)
        Col = m_curCol == -1 ? 0 : m_colOrder[m_curCol];
    return Col <= Cols() - 1;
}

qint32 GridStore::ColumnIndexFromId(qint32 Col) const
{
    const qsizetype position = m_colOrder.indexOf(Col);
    return position < 0 ? 0 : qint32(position);
}

bool GridStore::RowAdded(qint32 Row) const { return FlagIsSet(RowAt(Row).Flags, RowFlag::MarkedAsNew); }

bool GridStore::RowChanged(qint32 Row) const { return FlagIsSet(RowAt(Row).Flags, RowFlag::Changed); }

void GridStore::checkRow(qint32 Row) const
{
    if (Row < 0 || Row > m_lastRow)
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
}

void GridStore::CheckColumn(qint32 Col) const
{
    if (Col < 0 || Col >= Cols())
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
}

ColumnInfo& GridStore::Column(qint32 Col)
{
    CheckColumn(Col);
    return m_columns[Col];
}

qint16 GridStore::ToInteger(qint32 v)
{
    if (v < std::numeric_limits<qint16>::min() || v > std::numeric_limits<qint16>::max())
        throw RuntimeError(ErrorNumber::Overflow);
    return qint16(v);
}

const ColumnInfo& GridStore::Column(qint32 Col) const
{
    CheckColumn(Col);
    return m_columns[Col];
}

RowInfo& GridStore::RowAt(qint32 Row)
{
    checkRow(Row);
    return m_rows[m_rowOrder[Row]];
}

const RowInfo& GridStore::RowAt(qint32 Row) const
{
    checkRow(Row);
    return m_rows[m_rowOrder[Row]];
}

RowInfo& GridStore::Record(qint32 Index)
{
    checkRow(Index);
    return m_rows[Index];
}

CellInfo& GridStore::CellAt(qint32 Row, qint32 Col)
{
    CheckColumn(Col);
    return RowAt(Row).Cells[Col];
}

const CellInfo& GridStore::CellAt(qint32 Row, qint32 Col) const
{
    CheckColumn(Col);
    return RowAt(Row).Cells[Col];
}

void GridStore::FetchAhead(qint32 Row, std::span<const qint32> Cols) const
{
    // A text's address is in its cell record, which must be in the cache by the time the text
    // is asked for: the records are asked for twice as far ahead.
    constexpr qint32 TextsAhead = 8;
    constexpr qint32 RecordsAhead = 2 * TextsAhead;
    if (Row + RecordsAhead <= m_lastRow) {
        const CellInfo* cells = m_rows[m_rowOrder[Row + RecordsAhead]].Cells.constData();
        for (const qint32 col : Cols)
            prefetch(cells + col);
    }
    if (Row + TextsAhead <= m_lastRow) {
        const CellInfo* cells = m_rows[m_rowOrder[Row + TextsAhead]].Cells.constData();
        for (const qint32 col : Cols)
            prefetch(cells[col].Text.constData());
    }
}

CellFormat GridStore::CellLook(qint32 Row, qint32 Col) const
{
    return m_cellFormats.LookOf(CellAt(Row, Col).FormatIndex, m_defaultLook);
}

void GridStore::SetCellLook(qint32 Row, qint32 Col, const CellFormat& Look)
{
    CellInfo& cell = CellAt(Row, Col);
    cell.FormatIndex = m_cellFormats.Repoint(cell.FormatIndex, Look);
}

void GridStore::SetCurRow(qint32 Row)
{
    if (Row != -1)
        checkRow(Row);
    m_curRow = Row;
}

void GridStore::SetCurCol(qint32 Position)
{
    if (Position != -1)
        CheckColumn(Position);
    m_curCol = Position;
}

void GridStore::SetColOrder(const QList<qint32>& Order)
{
    if (!isPermutation(Order, Cols()))
        throw RuntimeError(ErrorNumber::InvalidProcedureCall);
    m_colOrder = Order;
}

void GridStore::SetRowOrder(const std::vector<qint32>& Order)
{
    if (!isPermutation(Order, Rows()))
        throw RuntimeError(ErrorNumber::InvalidProcedureCall);
    std::copy(Order.begin(), Order.end(), m_rowOrder.begin());
}

} // namespace grid
