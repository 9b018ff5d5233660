// The row members: marks, user data, visibility, images, the row-wide setters, range selection,
// the image list and editor binding.

#include "grid/QvGrid.h"
#include "grid/RoundHalfEven.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/Val.h"

#include <optional>
#include <limits>

namespace grid {

namespace {

using runtime::ErrorNumber;
using runtime::RuntimeError;

// The display row a row member works on, after FixRef; none when the grid refuses it.
std::optional<qint32> fixedRow(const GridStore& store, qint32 Row)
{
    qint32 col = -1;
    if (!store.FixRef(Row, col))
        return std::nullopt;
    return Row;
}

} // namespace

bool QvGrid::RowChecked(qint32 Row) const
{
    const auto row = fixedRow(m_store, Row);
    return row && FlagIsSet(m_store.RowAt(*row).Flags, RowFlag::Checked);
}

void QvGrid::SetRowChecked(qint32 Row, bool NewValue)
{
    if (const auto row = fixedRow(m_store, Row)) {
        SetFlagBit(m_store.RowAt(*row).Flags, RowFlag::Checked, NewValue);
        Refresh();
    }
}

bool QvGrid::RowSelected(qint32 Row) const
{
    const auto row = fixedRow(m_store, Row);
    return row && FlagIsSet(m_store.RowAt(*row).Flags, RowFlag::Selected);
}

void QvGrid::SetRowSelected(qint32 Row, bool NewValue)
{
    if (const auto row = fixedRow(m_store, Row)) {
        SetFlagBit(m_store.RowAt(*row).Flags, RowFlag::Selected, NewValue);
        Refresh();
    }
}

bool QvGrid::RowLocked(qint32 Row) const
{
    // A refused move locks every row for the rest of the gesture.
    if (m_lockedRowHit)
        return true;
    const auto row = fixedRow(m_store, Row);
    return !row || FlagIsSet(m_store.RowAt(*row).Flags, RowFlag::Locked);
}

void QvGrid::SetRowLocked(qint32 Row, bool NewValue)
{
    if (const auto row = fixedRow(m_store, Row)) {
        SetFlagBit(m_store.RowAt(*row).Flags, RowFlag::Locked, NewValue);
        Refresh();
    }
}

qint32 QvGrid::RowData(qint32 Row) const
{
    const auto row = fixedRow(m_store, Row);
    return row ? m_store.RowAt(*row).RowData : 0;
}

void QvGrid::SetRowData(qint32 Row, qint32 NewValue)
{
    if (const auto row = fixedRow(m_store, Row))
        m_store.RowAt(*row).RowData = NewValue;
}

QString QvGrid::RowTag(qint32 Row) const
{
    const auto row = fixedRow(m_store, Row);
    return row ? m_store.RowAt(*row).Tag : QString();
}

void QvGrid::SetRowTag(qint32 Row, const QString& NewValue)
{
    if (const auto row = fixedRow(m_store, Row))
        m_store.RowAt(*row).Tag = NewValue;
}

bool QvGrid::RowGroupHeader(qint32 Row) const
{
    const auto row = fixedRow(m_store, Row);
    return row && m_store.RowAt(*row).GroupHeader;
}

void QvGrid::SetRowGroupHeader(qint32 Row, bool NewValue)
{
    if (const auto row = fixedRow(m_store, Row)) {
        m_store.RowAt(*row).GroupHeader = NewValue;
        RowLayoutChanged();
    }
}

bool QvGrid::RowVisible(qint32 Row) const
{
    const auto row = fixedRow(m_store, Row);
    return row && m_store.RowAt(*row).Visible;
}

void QvGrid::SetRowVisible(qint32 Row, bool NewValue)
{
    const auto row = fixedRow(m_store, Row);
    if (!row || m_store.RowAt(*row).Visible == NewValue)
        return;
    m_store.RowAt(*row).Visible = NewValue;
    RowLayoutChanged();
    Refresh();
}

qint32 QvGrid::imageIndexOf(const QVariant& Value) const
{
    if (runtime::IsNumeric(Value))
        return RoundHalfEven(runtime::Val(runtime::CStr(Value)).toDouble());
    if (!m_imageList)
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
    return -m_imageList->IndexOf(Value.toString());
}

QVariant QvGrid::imageValueOf(qint32 Index) const
{
    if (Index >= 0)
        return Index;
    if (!m_imageList)
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
    return m_imageList->Key(-Index);
}

QVariant QvGrid::RowImage(qint32 Row) const
{
    const auto row = fixedRow(m_store, Row);
    return row ? imageValueOf(m_store.RowAt(*row).Image) : QVariant();
}

void QvGrid::SetRowImage(qint32 Row, const QVariant& NewValue)
{
    const auto row = fixedRow(m_store, Row);
    if (!row)
        return;
    try {
        m_store.RowAt(*row).Image = imageIndexOf(NewValue);
    } catch (const RuntimeError&) {
        return;
    }
    Refresh();
}

QVariant QvGrid::ExpandRowImage() const { return imageValueOf(m_expandRowImage); }

void QvGrid::SetExpandRowImage(const QVariant& NewValue)
{
    try {
        const qint32 index = imageIndexOf(NewValue);
        if (index < std::numeric_limits<qint16>::min() || index > std::numeric_limits<qint16>::max())
            return;
        m_expandRowImage = qint16(index);
    } catch (const RuntimeError&) {
        return;
    }
    Refresh();
}

void QvGrid::setRowCells(qint32 Row, const std::function<void(qint32 Row, qint32 Col)>& SetCell)
{
    const auto row = fixedRow(m_store, Row);
    if (!row)
        return;
    for (qint32 c = 0; c < Cols(); ++c)
        SetCell(*row, c);
    Refresh();
}

void QvGrid::RowBackColor(qint32 Row, OleColor Color)
{
    setRowCells(Row, [this, Color](qint32 r, qint32 c) { SetCellBackColor(r, c, Color); });
}

void QvGrid::RowForeColor(qint32 Row, OleColor Color)
{
    setRowCells(Row, [this, Color](qint32 r, qint32 c) { SetCellForeColor(r, c, Color); });
}

void QvGrid::RowFontBold(qint32 Row, bool Bold)
{
    setRowCells(Row, [this, Bold](qint32 r, qint32 c) { SetCellFontBold(r, c, Bold); });
}

qint32 QvGrid::CheckedCount() const { return rowsFlagged(RowFlag::Checked); }

qint32 QvGrid::rowsFlagged(qint16 Flag) const
{
    qint32 count = 0;
    for (qint32 r = 0; r <= m_store.LastRow(); ++r) {
        if (FlagIsSet(m_store.RowAt(r).Flags, Flag))
            ++count;
    }
    return count;
}

bool QvGrid::SelectRowRange(bool Select, qint32& FromRow, qint32& ToRow)
{
    if (FromRow == -1)
        FromRow = 0;
    // The last row in use, not the last slot held: spare slots hold no rows.
    if (ToRow == -1)
        ToRow = m_store.LastRow();
    if (m_store.LastRow() == -1)
        return false;
    m_store.RowAt(FromRow);
    m_store.RowAt(ToRow);

    const qint32 step = FromRow < ToRow ? 1 : -1;
    bool changed = false;
    for (qint32 r = FromRow;; r += step) {
        qint16& flags = m_store.RowAt(r).Flags;
        if (Select || FlagIsSet(flags, RowFlag::Selected)) {
            SetFlagBit(flags, RowFlag::Selected, Select);
            changed = true;
        }
        if (r == ToRow)
            break;
    }
    return changed;
}

void QvGrid::SetImageList(const grid::ImageList* List)
{
    m_imageList = List;
    RefreshIfRedraw();
}

void QvGrid::BindControl(qint32 vCol, QWidget* Ctrl, qint32 MoveControl)
{
    ColumnInfo& column = m_store.Column(vCol);
    const qint16 option = GridStore::ToInteger(MoveControl);
    column.BoundControl = Ctrl;
    column.BindOption = option;
}

} // namespace grid
