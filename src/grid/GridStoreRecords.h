#pragma once

#include <QFont>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <QtGlobal>

#include <memory>

// The records the grid keeps its content in: one per column, one per row, one per cell.
//
// Flag words are 16-bit. A row's flags say checked, selected, changed, marked as new and locked; a
// cell's say checked, changed, bold, italic, underline and word wrap, except in a progress-bar
// column, where the whole word holds the progress value 0..100.
namespace grid {

namespace RowFlag {
constexpr qint16 Checked = 2;
constexpr qint16 Selected = 4;
constexpr qint16 Changed = 8;
constexpr qint16 MarkedAsNew = 256;
constexpr qint16 Locked = 512;
} // namespace RowFlag

namespace CellFlag {
constexpr qint16 Checked = 2;
constexpr qint16 Changed = 8;
constexpr qint16 Bold = 16;
constexpr qint16 Italic = 32;
constexpr qint16 Underline = 64;
constexpr qint16 WordWrap = 128;
} // namespace CellFlag

inline bool FlagIsSet(qint16 Flags, qint32 Mask) { return (Flags & Mask) != 0; }
inline void SetFlagBit(qint16& Flags, qint32 Mask, bool Value)
{
    Flags = qint16(Value ? (Flags | Mask) : (Flags & ~Mask));
}

// Bold, italic and underline of Font as the cell flags CellFlags ask.
inline void SetCellFontStyle(QFont& Font, qint16 CellFlags)
{
    Font.setBold(FlagIsSet(CellFlags, CellFlag::Bold));
    Font.setItalic(FlagIsSet(CellFlags, CellFlag::Italic));
    Font.setUnderline(FlagIsSet(CellFlags, CellFlag::Underline));
}

// A column's ColType.
enum ColumnType : qint16 {
    ColText = 0,
    ColNumber = 1,
    ColDate = 2,
    ColCheckBox = 3,
    ColProgressBar = 4,
    ColCustom = 5,
    ColPushButton = 6,
};

struct ColumnInfo {
    QPointer<QWidget> BoundControl;  // the editor bound to the column, if any
    float Width = 0;                 // container units
    qint32 WidthPx = 0;
    qint32 Left = 0;                 // pixels, written when the headers are laid out
    qint32 Alignment = 0;            // copied into each new cell
    qint32 ImageAlignment = 0;
    qint32 SortState = 0;            // 0 not sorted, else the direction of the last sort
    qint16 ColType = ColText;
    qint16 Flags = 0;                // CellFlag::WordWrap; copied into each new row's cells
    qint16 BindOption = 0;
    bool Visible = true;
    QString Heading;
    QString Format;
    QString InputFilter;             // characters the editor accepts; ">" or "<" force the case
    QString Tag;
    bool Locked = false;
};

struct CellInfo {
    qint16 Alignment = 0;
    qint16 Flags = 0;
    qint32 FormatIndex = -1;         // entry of the cell-format table; -1 = the grid's defaults
    QString Text;                    // changed through GridStore::ChangeCellText, which keeps Totals
    QString Tag;
    // The cell's own picture, held apart: most cells have none and then carry no pixmap at all.
    // Never null when set; shared between copies of the cell, and replaced rather than changed.
    std::shared_ptr<const QPixmap> Picture;
};

struct RowInfo {
    qint32 Height = 0;               // pixels
    qint32 Image = 0;                // image-list index, 0 = none
    qint32 RowData = 0;
    qint16 Flags = 0;
    QString Tag;
    bool GroupHeader = false;
    bool Visible = true;
    QList<CellInfo> Cells;           // one per column index
};

// The totals line's settings for one column.
struct TotalsInfo {
    bool Average = false;
    QString Caption;
};

} // namespace grid
