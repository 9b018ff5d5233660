// The cell members: one cell's look, font style, marks, text, value, tag, picture and progress,
// and the range formatters.

#include "grid/QvGrid.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/Strings.h"
#include "platform/runtime/Val.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>

namespace grid {

namespace {

using runtime::ErrorNumber;
using runtime::RuntimeError;

// A whole number stored into a 16-bit field.
qint16 toInteger(double value)
{
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
        throw RuntimeError(ErrorNumber::Overflow);
    return qint16(rounded);
}

// A number rounded, halves to even, into a 32-bit value.
qint32 toLong(double value)
{
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<qint32>::min() || rounded > std::numeric_limits<qint32>::max())
        throw RuntimeError(ErrorNumber::Overflow);
    return qint32(rounded);
}

// A check-box text as a Boolean: "True"/"False" in any case or a number; none for other text.
std::optional<bool> booleanOf(const QString& text)
{
    const QString word = runtime::LCase(runtime::Trim(text));
    if (word == QLatin1String("true"))
        return true;
    if (word == QLatin1String("false"))
        return false;
    if (runtime::IsNumeric(text))
        return runtime::Val(text).toDouble() != 0;
    return std::nullopt;
}

} // namespace

void QvGrid::changeCellLook(qint32 Row, qint32 Col, const std::function<void(CellFormat&)>& Change)
{
    if (!m_store.FixRef(Row, Col))
        return;
    applyCellFormat(Row, Col, Change);
    RefreshIfRedraw();
}

void QvGrid::applyCellFormat(qint32 Row, qint32 Col, const std::function<void(CellFormat&)>& Change)
{
    if (m_store.LastRow() == -1)
        return;
    CellFormat look = m_store.CellLook(Row, Col);
    Change(look);
    m_store.SetCellLook(Row, Col, look);
}

// A progress-bar cell's flag word is its progress value, which the changed bit would alter: there
// only the row and the grid are marked.
void QvGrid::setCellChanged(qint32 Row, qint32 Col, bool Changed)
{
    if (m_store.Columns()[Col].ColType != ColProgressBar)
        SetFlagBit(m_store.CellAt(Row, Col).Flags, CellFlag::Changed, Changed);
    m_cellsChanged = true;
    SetFlagBit(m_store.RowAt(Row).Flags, RowFlag::Changed, true);
}

bool QvGrid::cellFlag(qint32 Row, qint32 Col, qint32 Mask) const
{
    return FlagIsSet(m_store.CellAt(Row, Col).Flags, Mask);
}

void QvGrid::setCellFlag(qint32 Row, qint32 Col, qint32 Mask, bool Value)
{
    if (!m_store.FixRef(Row, Col))
        return;
    SetFlagBit(m_store.CellAt(Row, Col).Flags, Mask, Value);
    RefreshIfRedraw();
}

qint32 QvGrid::CellAlignment(qint32 Row, qint32 Col) const { return m_store.CellAt(Row, Col).Alignment; }

void QvGrid::SetCellAlignment(qint32 Row, qint32 Col, qint32 NewValue)
{
    if (!m_store.FixRef(Row, Col))
        return;
    m_store.CellAt(Row, Col).Alignment = toInteger(NewValue);
    RefreshIfRedraw();
}

OleColor QvGrid::CellBackColor(qint32 Row, qint32 Col) const { return m_store.CellLook(Row, Col).BackColor; }

void QvGrid::SetCellBackColor(qint32 Row, qint32 Col, OleColor NewValue)
{
    changeCellLook(Row, Col, [NewValue](CellFormat& look) { look.BackColor = NewValue; });
}

OleColor QvGrid::CellForeColor(qint32 Row, qint32 Col) const { return m_store.CellLook(Row, Col).ForeColor; }

void QvGrid::SetCellForeColor(qint32 Row, qint32 Col, OleColor NewValue)
{
    changeCellLook(Row, Col, [NewValue](CellFormat& look) { look.ForeColor = NewValue; });
}

QString QvGrid::CellFontName(qint32 Row, qint32 Col) const { return m_store.CellLook(Row, Col).FontName; }

void QvGrid::SetCellFontName(qint32 Row, qint32 Col, const QString& NewValue)
{
    changeCellLook(Row, Col, [&NewValue](CellFormat& look) { look.FontName = NewValue; });
}

bool QvGrid::CellHandPointer(qint32 Row, qint32 Col) const { return m_store.CellLook(Row, Col).HandPointer; }

void QvGrid::SetCellHandPointer(qint32 Row, qint32 Col, bool NewValue)
{
    changeCellLook(Row, Col, [NewValue](CellFormat& look) { look.HandPointer = NewValue; });
}

qint16 QvGrid::CellImage(qint32 Row, qint32 Col) const { return m_store.CellLook(Row, Col).ImageIndex; }

void QvGrid::SetCellImage(qint32 Row, qint32 Col, const QVariant& NewValue)
{
    if (!m_store.FixRef(Row, Col))
        return;
    qint16 index = 0;
    try {
        if (runtime::IsNumeric(NewValue))
            index = toInteger(runtime::Val(runtime::CStr(NewValue)).toDouble());
        else if (m_imageList)
            index = toInteger(m_imageList->IndexOf(NewValue.toString()));
    } catch (const RuntimeError&) {
        // An index past 16 bits or a key the list does not hold leaves no image.
    }
    applyCellFormat(Row, Col, [index](CellFormat& look) { look.ImageIndex = index; });
    RefreshIfRedraw();
}

bool QvGrid::CellFontBold(qint32 Row, qint32 Col) const { return cellFlag(Row, Col, CellFlag::Bold); }

void QvGrid::SetCellFontBold(qint32 Row, qint32 Col, bool NewValue) { setCellFlag(Row, Col, CellFlag::Bold, NewValue); }

bool QvGrid::CellFontItalic(qint32 Row, qint32 Col) const { return cellFlag(Row, Col, CellFlag::Italic); }

void QvGrid::SetCellFontItalic(qint32 Row, qint32 Col, bool NewValue)
{
    setCellFlag(Row, Col, CellFlag::Italic, NewValue);
}

bool QvGrid::CellFontUnderline(qint32 Row, qint32 Col) const { return cellFlag(Row, Col, CellFlag::Underline); }

void QvGrid::SetCellFontUnderline(qint32 Row, qint32 Col, bool NewValue)
{
    setCellFlag(Row, Col, CellFlag::Underline, NewValue);
}

bool QvGrid::CellWordWrap(qint32 Row, qint32 Col) const { return cellFlag(Row, Col, CellFlag::WordWrap); }

void QvGrid::SetCellWordWrap(qint32 Row, qint32 Col, bool NewValue)
{
    setCellFlag(Row, Col, CellFlag::WordWrap, NewValue);
}

bool QvGrid::CellChanged(qint32 Row, qint32 Col) const { return cellFlag(Row, Col, CellFlag::Changed); }

bool QvGrid::CellChecked(qint32 Row, qint32 Col) const
{
    return m_store.FixRef(Row, Col) && FlagIsSet(m_store.CellAt(Row, Col).Flags, CellFlag::Checked);
}

void QvGrid::SetCellChecked(qint32 Row, qint32 Col, bool NewValue)
{
    if (!m_store.FixRef(Row, Col))
        return;
    SetFlagBit(m_store.CellAt(Row, Col).Flags, CellFlag::Checked, NewValue);
    if (m_store.Columns()[Col].ColType == ColCheckBox) {
        m_store.ChangeCellText(Row, Col, runtime::CStr(NewValue));
        CalcRowHeight(Row);
    }
    setCellChanged(Row, Col, true);
    RefreshIfRedraw();
}

QString QvGrid::CellText(qint32 Row, qint32 Col) const
{
    return m_store.FixRef(Row, Col) ? m_store.CellAt(Row, Col).Text : QString();
}

void QvGrid::SetCellText(qint32 Row, qint32 Col, const QString& NewValue)
{
    if (!m_store.FixRef(Row, Col))
        return;
    m_store.ChangeCellText(Row, Col, NewValue);
    CalcRowHeight(Row);
    setCellChanged(Row, Col, true);
    RefreshIfRedraw();
}

QString QvGrid::CellTag(qint32 Row, qint32 Col) const
{
    return m_store.FixRef(Row, Col) ? m_store.CellAt(Row, Col).Tag : QString();
}

void QvGrid::SetCellTag(qint32 Row, qint32 Col, const QString& NewValue)
{
    if (m_store.FixRef(Row, Col))
        m_store.CellAt(Row, Col).Tag = NewValue;
}

QVariant QvGrid::CellValue(qint32 Row, qint32 Col) const
{
    if (!m_store.FixRef(Row, Col))
        return {};
    const QString& text = m_store.CellAt(Row, Col).Text;
    if (m_store.Columns()[Col].ColType != ColCheckBox)
        return GridStore::rVal(text);
    if (text.isEmpty())
        return false;
    const std::optional<bool> checked = booleanOf(text);
    return checked ? QVariant(*checked) : QVariant();
}

void QvGrid::SetCellValue(qint32 Row, qint32 Col, const QVariant& NewValue)
{
    if (!m_store.FixRef(Row, Col))
        return;
    const double number = GridStore::rVal(NewValue.toString());
    m_store.ChangeCellText(Row, Col, runtime::CStr(number));
    CalcRowHeight(Row);
    setCellChanged(Row, Col, true);
    RefreshIfRedraw();
}

qint16 QvGrid::CellProgressValue(qint32 Row, qint32 Col) const { return m_store.CellAt(Row, Col).Flags; }

void QvGrid::SetCellProgressValue(qint32 Row, qint32 Col, qint32 NewValue)
{
    if (!m_store.FixRef(Row, Col) || m_store.Columns()[Col].ColType != ColProgressBar)
        return;
    m_store.CellAt(Row, Col).Flags = qint16(std::clamp(NewValue, 0, 100));
    RefreshIfRedraw();
}

void QvGrid::CellPicture(const QPixmap& Picture, qint32 Row, qint32 Col)
{
    if (m_store.FixRef(Row, Col))
        m_store.CellAt(Row, Col).Picture = Picture.isNull() ? nullptr : std::make_shared<const QPixmap>(Picture);
}

QPixmap QvGrid::CellPictureGet(qint32 Row, qint32 Col) const
{
    if (!m_store.FixRef(Row, Col))
        return QPixmap();
    const std::shared_ptr<const QPixmap>& picture = m_store.CellAt(Row, Col).Picture;
    return picture ? *picture : QPixmap();
}

void QvGrid::FormatCells(qint32 RowFrom, qint32 RowTo, qint32 ColFrom, qint32 ColTo, qint32 Mode, const QString& Value,
                         qint32 vAlignment)
{
    if (m_store.LastRow() == -1)
        return;
    if (RowTo == -1)
        RowTo = m_store.LastRow();
    if (ColTo == -1)
        ColTo = Cols() - 1;
    const double number = GridStore::rVal(Value);
    const bool on = number != 0;
    for (qint32 r = RowFrom; r <= RowTo; ++r) {
        for (qint32 c = ColFrom; c <= ColTo; ++c) {
            try {
                switch (Mode) {
                case 1: SetCellBackColor(r, c, toLong(number)); break;
                case 4: SetCellForeColor(r, c, toLong(number)); break;
                case 8: SetCellImage(r, c, number); break;
                case 16:
                    if (!runtime::Trim(Value).isEmpty())
                        SetCellFontName(r, c, Value);
                    break;
                case 32: SetCellFontBold(r, c, on); break;
                case 64: SetCellFontItalic(r, c, on); break;
                case 128: SetCellFontUnderline(r, c, on); break;
                case 256: SetCellHandPointer(r, c, on); break;
                case 512: SetCellAlignment(r, c, vAlignment); break;
                default: return;
                }
            } catch (const RuntimeError&) {
                // The cell keeps its format; the range goes on.
            }
        }
    }
}

void QvGrid::FormatCellsAlignment(qint32 RowFrom, qint32 RowTo, qint32 ColFrom, qint32 ColTo, qint32 vNewAlign)
{
    if (m_store.LastRow() == -1)
        return;
    if (RowTo == -1)
        RowTo = m_store.LastRow();
    if (ColTo == -1)
        ColTo = Cols() - 1;
    if (RowFrom <= RowTo && ColFrom <= ColTo) {
        const qint16 alignment = toInteger(vNewAlign);
        // Both ends are checked first so that a bad range changes nothing.
        m_store.Record(RowFrom);
        m_store.Record(RowTo);
        m_store.Column(ColFrom);
        m_store.Column(ColTo);
        for (qint32 r = RowFrom; r <= RowTo; ++r) {
            for (qint32 c = ColFrom; c <= ColTo; ++c)
                m_store.Record(r).Cells[c].Alignment = alignment;
        }
    }
    RefreshIfRedraw();
}

} // namespace grid
