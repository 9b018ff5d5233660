#pragma once

#include "grid/GridColors.h"

#include <QFont>
#include <QtGlobal>

// The grid's saved settings, each initialised to the default its saved set uses when the key is
// missing. Appearance, Enabled and Font live on the widget itself.
namespace grid {

// The bits of EditTrigger: what opens the editor, and whether Enter and Escape reach the host.
namespace EditTriggerBit {
constexpr qint32 SwallowsEnterEscape = 2;
constexpr qint32 F2 = 4;
constexpr qint32 Click = 8;
constexpr qint32 DoubleClick = 16;
constexpr qint32 Typing = 32;
} // namespace EditTriggerBit

struct GridProperties {
    QFont FontHeader;
    bool ApplySelectionToImages = false;
    OleColor BackColor = OleColor(0x80000005u);
    OleColor BackColorBkg = OleColor(0x8000000Cu);
    OleColor BackColorEdit = OleColor(0x80000018u);
    OleColor BackColorSel = OleColor(0x8000000Du);
    OleColor ForeColor = OleColor(0x80000008u);
    OleColor ForeColorEdit = OleColor(0x80000017u);
    OleColor ForeColorHdr = OleColor(0x80000008u);
    OleColor ForeColorSel = OleColor(0x8000000Eu);
    OleColor BackColorEvenRows = 0xEDEBE0;
    bool BackColorEvenRowsEnabled = true;
    OleColor ThemeCustomColorFrom = 0x404080;
    OleColor ThemeCustomColorTo = 0xC0E0FF;
    OleColor GridColor = 0xC0C0C0;
    OleColor CellProgressBarColor = 0x8080FF;
    bool AlphaBlendSelection = false;
    qint32 BorderStyle = 1;
    bool DisplayEllipsis = true;
    qint32 FocusRectMode = 0;
    OleColor FocusRectColor = 0xFFFF;
    qint32 FocusRectStyle = 1;
    qint32 GridLines = 1;
    qint32 GridLineWidth = 1;
    qint32 ThemeColor = 6;
    qint32 ThemeStyle = 2;
    bool ColumnHeaders = true;
    bool CenterRowImage = true;
    qint32 ScrollBars = 2;
    qint32 MinVerticalOffset = 2;
    qint16 ColumnHeaderLines = 1;
    QString Caption;
    qint32 CaptionAlignment = 5;
    bool ColumnHeaderSmall = false;
    qint32 ScrollBarStyle = 0;
    bool TotalsLineShow = false;
    bool FocusRowHighlightKeepTextForecolor = false;
    bool ShowRowNumbers = false;
    bool ShowRowNumbersVary = true;
    bool AllowColumnResizing = false;
    bool AllowRowResizing = false;
    bool AllowWordWrap = false;
    bool RowCheckBoxes = false;
    bool AllowColumnSwap = false;
    bool AllowColumnDrag = false;
    bool AllowColumnSort = false;
    bool AllowEdit = false;
    bool AllowDelete = false;
    bool AllowInsert = false;
    qint32 EditTrigger = 52;
    qint32 EditMove = 0;
    bool FocusRowHighlight = true;
    qint32 FocusRowHighlightStyle = 0;
    bool FocusRectHide = false;
    bool AllowColumnHover = true;
    qint32 MultiSelect = 0;
    bool ScrollTrack = true;
    bool AutoToolTips = true;
    qint32 FreezeAtCol = -1;
    qint32 CacheIncrement = 10;
    // Tested first by the key handling; no property sets it.
    bool KeyboardEnabled = true;
    qint32 MaxLineCount = 0;
    qint32 MinRowHeight = 0;
    qint32 ScaleUnits = 1;
    qint32 SearchColumn = 0;

    bool operator==(const GridProperties&) const = default;
};

} // namespace grid
