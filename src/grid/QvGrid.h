#pragma once

#include "grid/GridColors.h"
#include "grid/GridModes.h"
#include "grid/GridProperties.h"
#include "grid/GridStore.h"
#include "grid/ImageList.h"
#include "grid/PropertyBag.h"

#include <QAbstractScrollArea>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <QVariant>

#include <exception>
#include <functional>

namespace db {
class Recordset;
}

// The grid control: a scroll area over a GridStore, with the saved property set, the repaint
// switches and the events it reports to its host.
//
// A new QvGrid is a newly placed control (every property at its default or first value);
// readProperties loads a saved set instead and ends with an empty grid. Painting is off until the
// host sets Redraw: while it is off, store changes only remember that a repaint is due, and setting
// Redraw performs it once. Each property's setter stores the value, emits propertyChanged with the
// saved-set key, then repaints at once, on the next refresh, or not at all.
//
// Colours are 32-bit OLE colours (system colours translated through the application palette when
// drawn); ColWidth, AddColumn's Width and MinRowHeight are in the container unit chosen by
// ScaleUnits (1 twips, 1440 per logical inch), converted to pixels rounding halves to even.
//
// Every paint pass (drawGrid) draws the whole control into a retained image, which the widget then
// shows; paintPasses() counts the passes.
//
// The events are signals named as the events. Arguments passed by reference can be changed by a
// handler and are read back by the grid, so they must be connected directly (Qt::DirectConnection
// or the default on the grid's thread), never queued. Strict members raise runtime::RuntimeError
// (9 subscript out of range, 6 overflow); events, timers and painting never throw.
//
// Its procedures live in several files, one per part of the control; the sections of this class
// follow the same order:
//   QvGrid.cpp              construction, the repaint switches, ScaleUnits, theme colours and style
//   QvGridProperties.cpp    the property setters and how much each one repaints
//   QvGridPersistence.cpp   reading and writing the saved property set
//   QvGridCells.cpp         the cell members (look, marks, text, value, progress) and FormatCells
//   QvGridRows.cpp          the row members, range selection, the image list, bound editors
//   QvGridGeometry.cpp      row metrics, row tops, hit tests, column edges, selectable columns
//   QvGridScrolling.cpp     the scroll-bar wrapper, ranges and visibility, resizing, auto-scroll
//   QvGridPaint.cpp         the paint pass (drawGrid): surface, row backgrounds, lines, focus frame
//   QvGridHeaders.cpp       the caption bar, the column headers and where a cell's parts sit
//   QvGridCellPaint.cpp     one cell's content: check boxes, progress bars, buttons, images, text
//   QvGridTotals.cpp        the totals line: its captions, texts and painted band
//   QvGridColumns.cpp       the column properties, fit and auto-size, the layout saved per user
//   QvGridSort.cpp          Sort by one or two columns
//   QvGridSelection.cpp     the current cell, the selected rows and the row steps
//   QvGridKeyboard.cpp      key-down, key press and key-up, and the type-ahead search
//   QvGridSearch.cpp        FindItem, FilterOn and FilterOff
//   QvGridExport.cpp        the CSV export and the fill from a recordset
//   QvGridEditing.cpp       the in-cell editor and controls bound to columns
//   QvGridMouse.cpp         mouse presses, moves, releases, header and divider gestures, drops
//   QvGridToolTips.cpp      the delayed tooltip of cut-off cells and GetInfo
//   QvGridMessages.cpp      wheel, scroll-bar gestures, focus, mouse entering and leaving
// and the pieces that know nothing of the widget:
//   GridStore.h/.cpp        the content: columns, rows, display orders, current cell, references
//   GridStoreRows.cpp       adding, inserting, removing and changing rows of the store
//   GridStoreValues.cpp     the numbers read from cell texts and the column totals
//   GridStoreRecords.h      the column, row and cell records and their flag bits
//   GridProperties.h        the saved settings with their defaults, and the EditTrigger bits
//   GridModes.h             the enums mode numbers are read as: looks, units, lines, states
//   GridDrawing.h/.cpp      drawing primitives over a QPainter: text, lines, frames, buttons
//   GridColors.h/.cpp       OLE colours, blending and the theme palettes
//   GridSort.h/.cpp         the row sort over a display order and its comparison rules
//   GridCsv.h/.cpp          the comma-separated text writer of the export
//   GridKeys.h/.cpp         virtual-key codes, shift masks and typed characters from Qt's keys
//   GridInputFilter.h/.cpp  what a column's InputFilter lets into its editor
//   GridScrollRange.h       the highest position of a scroll bar counted the Windows way
//   CellFormats.h/.cpp      the shared table of cell looks (colours, font name, image, pointer)
//   ImageList.h/.cpp        the image list a host attaches for row and cell images
//   PropertyBag.h/.cpp      the saved property set as values by key
//   RoundHalfEven.h         rounding of fractional pixels and colour channels
//   CellToolTipWindow.h/.cpp  the window that shows a cut-off cell's whole text
//   FlatScrollBarStyle.h/.cpp the look of the flat scroll bars
namespace grid {

class QvGrid : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit QvGrid(QWidget* parent = nullptr);

    // Loads a saved set (missing keys take their defaults), then clears the grid.
    void readProperties(const PropertyBag& Bag);
    void writeProperties(PropertyBag& Bag) const;

    GridStore& store() { return m_store; }
    const GridStore& store() const { return m_store; }
    // The saved settings kept apart from the widget's own (Font, Appearance, Enabled).
    const GridProperties& properties() const { return m_props; }
    // Paint passes made since the grid was created.
    qint32 paintPasses() const { return m_paintPasses; }
    // Milliseconds of a steady clock, read by the type-ahead search, the tooltip delay and the
    // stepped scrolling; a test replaces the source to fix the time.
    qint64 TickCount() const;
    void SetTickSource(std::function<qint64()> Source) { m_tickSource = std::move(Source); }

    // The store members the forms use.
    qint32 AddColumn(const QString& Caption, float Width, qint32 Alignment, qint32 DataType, const QString& Format,
                     const QString& InputFilter, qint32 ImageAlignment, bool WordWrap, qint32 Index = 0,
                     bool bVisible = true, bool bLocked = false)
    {
        return m_store.AddColumn(Caption, Width, Alignment, DataType, Format, InputFilter, ImageAlignment, WordWrap,
                                 Index, bVisible, bLocked);
    }
    qint32 AddItem(const QString& vstrItem, qint32 vRow = -1, bool vbRowChecked = false, bool vbMarkAsNew = false,
                   bool vbRowLocked = false, bool vbRowVisible = true, qint32 vRowData = 0)
    {
        return m_store.AddItem(vstrItem, vRow, vbRowChecked, vbMarkAsNew, vbRowLocked, vbRowVisible, vRowData);
    }
    void Clear() { m_store.Clear(); }
    void ClearAll() { m_store.ClearAll(); }
    qint32 Cols() const { return m_store.Cols(); }
    qint32 Rows() const { return m_store.Rows(); }

    // Repaint switches. Redraw is the host's wish to paint; PaintEnabled follows it except while
    // a bulk change has suspended painting with SetRedrawFlag(false).
    bool Redraw() const { return m_redraw; }
    void SetRedraw(bool On);
    bool PaintEnabled() const { return m_paintEnabled; }
    void SetRedrawFlag(bool On) { m_paintEnabled = On && m_redraw; }
    void Refresh();
    void RefreshIfRedraw();

    // Horizontal container units of ScaleUnits as pixels, before rounding, and back.
    double ScaleXToPixels(double Width) const;
    double PixelsToScaleX(double Pixels) const;

    // Properties of the saved set.
    const QFont& Font() const { return m_font; }
    void SetFont(const QFont& Font);
    const QFont& FontHeader() const { return m_props.FontHeader; }
    void SetFontHeader(const QFont& Font);
    bool ApplySelectionToImages() const { return m_props.ApplySelectionToImages; }
    void SetApplySelectionToImages(bool On);
    OleColor BackColor() const { return m_props.BackColor; }
    void SetBackColor(OleColor Color);
    OleColor BackColorBkg() const { return m_props.BackColorBkg; }
    void SetBackColorBkg(OleColor Color);
    OleColor BackColorEdit() const { return m_props.BackColorEdit; }
    void SetBackColorEdit(OleColor Color);
    OleColor BackColorSel() const { return m_props.BackColorSel; }
    void SetBackColorSel(OleColor Color);
    OleColor ForeColor() const { return m_props.ForeColor; }
    void SetForeColor(OleColor Color);
    OleColor ForeColorEdit() const { return m_props.ForeColorEdit; }
    void SetForeColorEdit(OleColor Color);
    OleColor ForeColorHdr() const { return m_props.ForeColorHdr; }
    void SetForeColorHdr(OleColor Color);
    OleColor ForeColorSel() const { return m_props.ForeColorSel; }
    void SetForeColorSel(OleColor Color);
    OleColor BackColorEvenRows() const { return m_props.BackColorEvenRows; }
    void SetBackColorEvenRows(OleColor Color);
    bool BackColorEvenRowsEnabled() const { return m_props.BackColorEvenRowsEnabled; }
    void SetBackColorEvenRowsEnabled(bool On);
    // The gradient pair (the lighter colour first); a Let is kept only while ThemeColor is 5.
    OleColor ThemeCustomColorFrom() const { return m_props.ThemeCustomColorFrom; }
    void SetThemeCustomColorFrom(OleColor Color);
    OleColor ThemeCustomColorTo() const { return m_props.ThemeCustomColorTo; }
    void SetThemeCustomColorTo(OleColor Color);
    OleColor GridColor() const { return m_props.GridColor; }
    void SetGridColor(OleColor Color);
    OleColor CellProgressBarColor() const { return m_props.CellProgressBarColor; }
    void SetCellProgressBarColor(OleColor Color);
    bool AlphaBlendSelection() const { return m_props.AlphaBlendSelection; }
    void SetAlphaBlendSelection(bool On);
    // 0 none, 1 single.
    qint32 BorderStyle() const { return m_props.BorderStyle; }
    void SetBorderStyle(qint32 Style);
    bool DisplayEllipsis() const { return m_props.DisplayEllipsis; }
    void SetDisplayEllipsis(bool On);
    // 0 none, 1 row, 2 column.
    qint32 FocusRectMode() const { return m_props.FocusRectMode; }
    void SetFocusRectMode(qint32 Mode);
    OleColor FocusRectColor() const { return m_props.FocusRectColor; }
    void SetFocusRectColor(OleColor Color);
    // 0 light, 1 medium, 2 heavy.
    qint32 FocusRectStyle() const { return m_props.FocusRectStyle; }
    void SetFocusRectStyle(qint32 Style);
    qint32 GridLines() const { return m_props.GridLines; }
    void SetGridLines(qint32 Lines);
    qint32 GridLineWidth() const { return m_props.GridLineWidth; }
    void SetGridLineWidth(qint32 Width);
    // The palette written into the colour properties (back, fore, selection, focus rectangle, grid
    // lines and the gradient pair): 0 blue, 1 silver, 2 olive, 3 and 4 two more presets, 5 custom
    // (the colours as set), 6 the visual style's; it is written again at each refresh of the theme.
    qint32 ThemeColor() const { return m_props.ThemeColor; }
    void SetThemeColor(qint32 Palette);
    // 0 3D, 1 flat, 2 XP, 3 XP Office, 4 to 7 four further looks.
    qint32 ThemeStyle() const { return m_props.ThemeStyle; }
    void SetThemeStyle(qint32 Style);
    bool ColumnHeaders() const { return m_props.ColumnHeaders; }
    void SetColumnHeaders(bool On);
    bool CenterRowImage() const { return m_props.CenterRowImage; }
    void SetCenterRowImage(bool On);
    qint32 ScrollBars() const { return m_props.ScrollBars; }
    void SetScrollBars(qint32 Bars);
    qint32 MinVerticalOffset() const { return m_props.MinVerticalOffset; }
    void SetMinVerticalOffset(qint32 Offset);
    // Below 1 is stored as 1, without a change notice.
    qint16 ColumnHeaderLines() const { return m_props.ColumnHeaderLines; }
    void SetColumnHeaderLines(qint16 Lines);
    const QString& Caption() const { return m_props.Caption; }
    void SetCaption(const QString& Caption);
    qint32 CaptionAlignment() const { return m_props.CaptionAlignment; }
    void SetCaptionAlignment(qint32 Alignment);
    // 0 flat, 1 3D; kept by the frame.
    qint32 Appearance() const;
    void SetAppearance(qint32 Appearance);
    // Sends no change notice.
    bool ColumnHeaderSmall() const { return m_props.ColumnHeaderSmall; }
    void SetColumnHeaderSmall(bool On);
    // 0 flat, 1 regular.
    qint32 ScrollBarStyle() const { return m_props.ScrollBarStyle; }
    void SetScrollBarStyle(qint32 Style);
    bool TotalsLineShow() const { return m_props.TotalsLineShow; }
    void SetTotalsLineShow(bool On);
    bool FocusRowHighlightKeepTextForecolor() const { return m_props.FocusRowHighlightKeepTextForecolor; }
    void SetFocusRowHighlightKeepTextForecolor(bool On);
    bool ShowRowNumbers() const { return m_props.ShowRowNumbers; }
    void SetShowRowNumbers(bool On);
    bool ShowRowNumbersVary() const { return m_props.ShowRowNumbersVary; }
    void SetShowRowNumbersVary(bool On);
    bool AllowColumnResizing() const { return m_props.AllowColumnResizing; }
    void SetAllowColumnResizing(bool On);
    bool AllowRowResizing() const { return m_props.AllowRowResizing; }
    void SetAllowRowResizing(bool On);
    bool AllowWordWrap() const { return m_props.AllowWordWrap; }
    void SetAllowWordWrap(bool On);
    bool RowCheckBoxes() const { return m_props.RowCheckBoxes; }
    void SetRowCheckBoxes(bool On);
    // Swap and drag exclude each other: turning one on turns the other off.
    bool AllowColumnSwap() const { return m_props.AllowColumnSwap; }
    void SetAllowColumnSwap(bool On);
    bool AllowColumnDrag() const { return m_props.AllowColumnDrag; }
    void SetAllowColumnDrag(bool On);
    bool AllowColumnSort() const { return m_props.AllowColumnSort; }
    void SetAllowColumnSort(bool On);
    // Turning editing on with no focus rectangle gives the column one.
    bool AllowEdit() const { return m_props.AllowEdit; }
    void SetAllowEdit(bool On);
    bool AllowDelete() const { return m_props.AllowDelete; }
    void SetAllowDelete(bool On);
    bool AllowInsert() const { return m_props.AllowInsert; }
    void SetAllowInsert(bool On);
    qint32 EditTrigger() const { return m_props.EditTrigger; }
    void SetEditTrigger(qint32 Trigger);
    // On Enter while editing: 0 stay, 1 move right, 2 move down.
    qint32 EditMove() const { return m_props.EditMove; }
    void SetEditMove(qint32 Move);
    bool FocusRowHighlight() const { return m_props.FocusRowHighlight; }
    void SetFocusRowHighlight(bool On);
    // 0 solid, 1 vertical gradient, 2 horizontal gradient.
    qint32 FocusRowHighlightStyle() const { return m_props.FocusRowHighlightStyle; }
    void SetFocusRowHighlightStyle(qint32 Style);
    bool FocusRectHide() const { return m_props.FocusRectHide; }
    void SetFocusRectHide(bool On);
    bool AllowColumnHover() const { return m_props.AllowColumnHover; }
    void SetAllowColumnHover(bool On);
    qint32 MultiSelect() const { return m_props.MultiSelect; }
    void SetMultiSelect(qint32 Mode);
    bool ScrollTrack() const { return m_props.ScrollTrack; }
    void SetScrollTrack(bool On);
    bool AutoToolTips() const { return m_props.AutoToolTips; }
    void SetAutoToolTips(bool On);
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool On);
    qint32 FreezeAtCol() const { return m_props.FreezeAtCol; }
    void SetFreezeAtCol(qint32 Col);
    // A negative value is stored as 10.
    qint32 CacheIncrement() const { return m_props.CacheIncrement; }
    void SetCacheIncrement(qint32 Slots);
    qint32 MaxLineCount() const { return m_props.MaxLineCount; }
    void SetMaxLineCount(qint32 Lines);
    qint32 MinRowHeight() const { return m_props.MinRowHeight; }
    void SetMinRowHeight(qint32 Height);
    // The container unit: 1 twips, 2 points, 3 pixels, 4 characters, 5 inches, 6 mm, 7 cm.
    qint32 ScaleUnits() const { return m_props.ScaleUnits; }
    void SetScaleUnits(qint32 Units);
    qint32 SearchColumn() const { return m_props.SearchColumn; }
    void SetSearchColumn(qint32 Col);
    // The key handling's on switch, saved under "Enabled" with the widget's state.
    bool KeyboardEnabled() const { return m_props.KeyboardEnabled; }
    // The name of the visual style's colour scheme, read when ThemeColor follows the system.
    const QString& ThemeColorName() const { return m_themeColorName; }
    // The desktop's look changed: raises ThemeChanged while the old colours still hold, then
    // writes the palette again and repaints. The widget calls it on a style or palette change.
    void OnThemeChanged();

    // ---- Cell attributes ----
    // Row is a display row and Col a column index. The Gets marked strict fail with error 9 for
    // any reference outside the store, -1 included; every other member normalises its reference
    // with FixRef and does nothing (a Get answers its empty value) when that refuses it. Back and
    // fore colour, font name, image and hand pointer are kept in the shared cell-format table.
    // The Lets repaint unless they say otherwise, while painting is on; with it off they only
    // remember that a repaint (and the layout, which row heights refitted under word wrap change)
    // is due when Redraw is set. None raises an event.
    qint32 CellAlignment(qint32 Row, qint32 Col) const;                 // strict
    void SetCellAlignment(qint32 Row, qint32 Col, qint32 NewValue);     // error 6 past 16 bits
    OleColor CellBackColor(qint32 Row, qint32 Col) const;               // strict
    void SetCellBackColor(qint32 Row, qint32 Col, OleColor NewValue);
    OleColor CellForeColor(qint32 Row, qint32 Col) const;               // strict
    void SetCellForeColor(qint32 Row, qint32 Col, OleColor NewValue);
    QString CellFontName(qint32 Row, qint32 Col) const;                 // strict
    void SetCellFontName(qint32 Row, qint32 Col, const QString& NewValue);
    bool CellHandPointer(qint32 Row, qint32 Col) const;                 // strict
    void SetCellHandPointer(qint32 Row, qint32 Col, bool NewValue);
    // The image-list index; the Let takes an index or a key of the attached image list (0 when
    // the list does not hold the key or none is attached).
    qint16 CellImage(qint32 Row, qint32 Col) const;                     // strict
    void SetCellImage(qint32 Row, qint32 Col, const QVariant& NewValue);
    bool CellFontBold(qint32 Row, qint32 Col) const;                    // strict
    void SetCellFontBold(qint32 Row, qint32 Col, bool NewValue);
    bool CellFontItalic(qint32 Row, qint32 Col) const;                  // strict
    void SetCellFontItalic(qint32 Row, qint32 Col, bool NewValue);
    bool CellFontUnderline(qint32 Row, qint32 Col) const;               // strict
    void SetCellFontUnderline(qint32 Row, qint32 Col, bool NewValue);
    bool CellWordWrap(qint32 Row, qint32 Col) const;                    // strict
    void SetCellWordWrap(qint32 Row, qint32 Col, bool NewValue);
    bool CellChanged(qint32 Row, qint32 Col) const;                     // strict
    // In a check-box column the text follows the mark ("True"/"False").
    bool CellChecked(qint32 Row, qint32 Col) const;
    void SetCellChecked(qint32 Row, qint32 Col, bool NewValue);
    // Text changes keep the column totals and, in a check-box column, the check mark.
    QString CellText(qint32 Row, qint32 Col) const;
    void SetCellText(qint32 Row, qint32 Col, const QString& NewValue);
    QString CellTag(qint32 Row, qint32 Col) const;
    void SetCellTag(qint32 Row, qint32 Col, const QString& NewValue);   // no repaint
    // A check-box cell as a Boolean (empty text False, an unreadable text an invalid QVariant),
    // any other cell as the number of its text. The Let stores the number of NewValue's text.
    QVariant CellValue(qint32 Row, qint32 Col) const;
    void SetCellValue(qint32 Row, qint32 Col, const QVariant& NewValue);
    // The flag word, which holds the value 0..100 in a progress-bar column; the Let clamps and
    // acts in such a column only.
    qint16 CellProgressValue(qint32 Row, qint32 Col) const;             // strict
    void SetCellProgressValue(qint32 Row, qint32 Col, qint32 NewValue);
    // A null pixmap clears the picture; no repaint.
    void CellPicture(const QPixmap& Picture, qint32 Row, qint32 Col);
    QPixmap CellPictureGet(qint32 Row, qint32 Col) const;
    // True once a cell was marked changed; Clear resets it.
    bool CellsChanged() const { return m_cellsChanged; }
    // Applies one format to every cell of the range, through that cell member. Mode is one of 1
    // back colour, 4 fore colour, 8 image, 16 font name (ignored when blank), 32 bold, 64 italic,
    // 128 underline, 256 hand pointer (all read from Value), 512 alignment (vAlignment); others
    // do nothing. RowTo and ColTo -1 mean the last; a failing cell is skipped.
    void FormatCells(qint32 RowFrom, qint32 RowTo, qint32 ColFrom, qint32 ColTo, qint32 Mode, const QString& Value,
                     qint32 vAlignment = 0);
    // Sets the alignment of a range of row indexes (insertion order, not display rows) and
    // column indexes; -1 as RowTo or ColTo means the last. Error 9 outside the store, with
    // nothing changed.
    void FormatCellsAlignment(qint32 RowFrom, qint32 RowTo, qint32 ColFrom, qint32 ColTo, qint32 vNewAlign);
    // ---- end of cell attributes ----

    // ---- Row attributes and the image list ----
    // Row is a display row, normalised with FixRef; with no rows a Get answers its empty value
    // (RowLocked true) and a Let does nothing.
    bool RowChecked(qint32 Row) const;
    void SetRowChecked(qint32 Row, bool NewValue);
    bool RowSelected(qint32 Row) const;
    void SetRowSelected(qint32 Row, bool NewValue);
    // Every row answers locked while a refused move marks the present gesture (m_lockedRowHit).
    bool RowLocked(qint32 Row) const;
    void SetRowLocked(qint32 Row, bool NewValue);
    qint32 RowData(qint32 Row) const;
    void SetRowData(qint32 Row, qint32 NewValue);                       // no repaint
    QString RowTag(qint32 Row) const;
    void SetRowTag(qint32 Row, const QString& NewValue);                // no repaint
    bool RowGroupHeader(qint32 Row) const;
    void SetRowGroupHeader(qint32 Row, bool NewValue);                  // no repaint
    bool RowVisible(qint32 Row) const;
    // Acts only on a change; the display order keeps the hidden row.
    void SetRowVisible(qint32 Row, bool NewValue);
    // An image index, or the key of an image of the attached list (stored as minus its index so
    // that the Get answers the key). The Get of a key fails with error 9 when the list no longer
    // holds it, or no list is attached; a Let with an unknown key, or a key without a list,
    // changes nothing.
    QVariant RowImage(qint32 Row) const;
    void SetRowImage(qint32 Row, const QVariant& NewValue);
    // The same for the image that expands or shrinks a row; kept as a 16-bit value, not saved.
    QVariant ExpandRowImage() const;
    void SetExpandRowImage(const QVariant& NewValue);
    // Row-wide setters: each cell of the row through its cell member.
    void RowBackColor(qint32 Row, OleColor Color);
    void RowForeColor(qint32 Row, OleColor Color);
    void RowFontBold(qint32 Row, bool Bold);
    // Checked rows, hidden ones included.
    qint32 CheckedCount() const;
    // Selects (Select true) or deselects display rows FromRow to ToRow, in either direction;
    // -1 as FromRow means 0 and as ToRow the last row, written back. Answers whether a row
    // changed, counting every row when selecting. Error 9 for a row outside the store.
    bool SelectRowRange(bool Select, qint32& FromRow, qint32& ToRow);
    // The image list of row and cell images, or none; the host keeps it alive while attached.
    const grid::ImageList* ImageList() const { return m_imageList; }
    void SetImageList(const grid::ImageList* List);
    // Binds an editor to column vCol (error 9 outside the columns); MoveControl is its 16-bit
    // bind option.
    void BindControl(qint32 vCol, QWidget* Ctrl, qint32 MoveControl);
    // ---- end of row attributes ----

    // ---- Row metrics, geometry and hit testing ----
    // The layout the painter, the input handlers and the editor share. Coordinates are pixels of
    // the viewport: the caption band starts at y = 0, the column-header band follows it and the
    // first row starts at HeaderHeight; the row-number column spans x = 0 to RowNumberWidth and the
    // data columns follow it. Rows are display rows, column positions display positions.

    // Recomputes the layout fields below, all but RowNumberWidth, NavColumn, FirstDrawnRow and
    // LastDrawnRow, from the fonts, caption, headers, check boxes, image list and MinRowHeight.
    // CheckBoxSize follows the row height as it stood before the call.
    void CalcRowMetrics();
    // Caption band plus column-header band, measured with the header font.
    qint32 CalcHeaderHeight() const;
    // Under word wrap, fits display row Row's height to its wrapped cells (at most MaxLineCount
    // lines when that is 1 or more, at least one line).
    void CalcRowHeight(qint32 Row);
    // The default row height in pixels, which new rows get.
    qint32 RowHeightPx() const { return m_store.RowHeightPx(); }
    // The y of Row's top edge when TopRow (-1: the vertical scroll value) is the first row shown;
    // -1 when Row lies above TopRow. Hidden rows take no space.
    qint32 GetRowTop(qint32 Row, qint32 TopRow = -1) const;
    // Default-height rows that fit below the header, rounded to nearest (halves to even).
    qint32 VisibleRowCount() const;
    // The display row under y, or -1.
    qint32 RowFromY(float Y) const;
    // The display position of the column under x, or -1. A point up to 4 px right of a divider
    // belongs to the column left of it.
    qint32 ColFromX(float X) const;
    // Sets Rect's left edge and width to the column's at display position Position, keeping its
    // top and bottom (right() + 1 is the exclusive right edge). A column scrolled out gets the
    // left edge RowNumberWidth - 1 and keeps Rect's right edge. The first column's content starts
    // after RowIndent when a check box or row image sits there.
    void GetColRect(qint32 Position, QRect& Rect) const;
    // The previous or next visible, unlocked column in display order, wrapping around, from the
    // last (FromEnd) or first (FromStart) position or else from CurCol; the start position when no
    // other qualifies. The answer is kept in NavColumn.
    qint32 PrevSelectableCol(bool FromEnd);
    qint32 NextSelectableCol(bool FromStart);
    // The first and last display row the last paint drew.
    qint32 RowFirstVisible() const { return m_metrics.FirstDrawnRow; }
    qint32 RowLastVisible() const { return m_metrics.LastDrawnRow; }
    // The control's height and width in twips, less its border and the opposite scroll bar (the
    // width also less one pixel and the row-number column).
    qint32 VisibleHeight();
    qint32 VisibleWidth();
    // A row's height in pixels, normalised with FixRef (0 on an empty grid). The Let rounds
    // NewValue to whole pixels; -1 fits the row to its wrapped cells.
    float RowHeight(qint32 Row) const;
    void SetRowHeight(qint32 Row, float NewValue);
    // The first display row at or after Row whose visible flag is set, LastRow + 1 when none is:
    // a walk over the shown rows skips any run of hidden ones at once.
    qint32 NextVisibleRow(qint32 Row) const;
    // The first display row at or after Row that a paint draws: one whose visible flag is set, or
    // a group header, which shows even when hidden; LastRow + 1 when none is.
    qint32 NextPaintedRow(qint32 Row) const;
    // Row heights, visibility, group headers or the display order changed other than through the
    // members here (which say so themselves): the running row tops are taken again at the next use.
    void RowLayoutChanged() { m_rowTopsValid = false; }

    // The layout fields (pixels unless said). RowNumberWidth, FirstDrawnRow and LastDrawnRow are
    // written by the painter, NavColumn also by the mouse handling; the rest by CalcRowMetrics.
    struct LayoutMetrics {
        qint32 EllipsisFlag = 0;          // 0x40000 (end cut-off texts with an ellipsis) or 0
        qint32 CheckBoxSize = 0;          // side of a row check box
        bool HasImageList = false;
        qint32 ImageHeight = 0;           // of the attached list, kept when none is attached
        qint32 ImageWidth = 0;
        qint32 CheckBoxIndent = 0;        // left space of the first column kept for the check box
        qint32 RowIndent = 0;             // check box plus row image; 3 when neither is there
        qint32 HeaderHeight = 0;          // caption and header bands; the first row's top
        qint32 HeaderTextHeight = 0;      // of "ABCDWXYZ" in the header font
        qint32 CaptionHeight = 0;
        qint32 RowNumberWidth = 0;
        qint32 NavColumn = 0;
        qint32 FirstDrawnRow = 0;
        qint32 LastDrawnRow = 0;
    };
    const LayoutMetrics& layoutMetrics() const { return m_metrics; }

private:
    // Running tops of the display rows: entry r is the summed height of the visible rows before
    // display row r, entry LastRow + 1 the total. Taken afresh after a layout change.
    const std::vector<qint64>& rowTops() const;
    qint32 textHeight(const QFont& Font) const;
    // The record of the column shown at display position Position.
    const ColumnInfo& columnAt(qint32 Position) const;
    // Display row Row and display position Col name a cell of the grid.
    bool cellOnGrid(qint32 Row, qint32 Col) const;
    qint32 columnWidthPx(qint32 Position) const;
    // Display position Position is not scrolled out when FirstScrolled is the first scrolled
    // position shown: it lies at or after it, or among the frozen columns.
    bool columnOnScreen(qint32 Position, qint32 FirstScrolled) const;
    bool columnSelectable(qint32 Position) const;
    // The visible, unlocked column a step back or on (Forward) from display position Current
    // lands on, wrapping around; FromEdge starts at the last (first) position instead. The
    // position the walk started at when none qualifies; 0 without columns.
    qint32 selectableColFrom(qint32 Current, bool Forward, bool FromEdge) const;

    LayoutMetrics m_metrics;
    mutable std::vector<qint64> m_rowTops;
    // The display rows whose visible flag is set, and those a paint draws, in order; taken with
    // the row tops.
    mutable std::vector<qint32> m_visibleRows;
    mutable std::vector<qint32> m_paintedRows;
    mutable bool m_rowTopsValid = false;
public:

    // ---- Scroll bars and scrolling ----
    // The scroll area's two bars count whole rows and columns, not pixels: the vertical value is
    // the top display row, the horizontal value the first scrolled display position (columns up to
    // FreezeAtCol always show). Bar 0 is horizontal, 1 vertical. Each bar keeps the range of a
    // Windows scroll bar: a maximum that includes the page (SBSetMax(Bar, Max) stores Max plus the
    // page), so the largest value reachable is Max + 1. Every member reads and moves the bars
    // through these; a value change repaints through drawGrid.

    // The bar's value; for the vertical bar never past the last row.
    qint32 SBGetValue(qint32 Bar) const;
    // Ignored on a hidden bar, for a horizontal value inside the frozen columns and for the
    // current value.
    void SBSetValue(qint32 Bar, qint32 Value);
    qint32 SBGetMin(qint32 Bar) const;
    void SBSetMin(qint32 Bar, qint32 Min);
    // The stored maximum, page included.
    qint32 SBGetMax(qint32 Bar) const;
    void SBSetMax(qint32 Bar, qint32 Max);
    // The page: the step of a page up or down (5 until changed); the Let keeps the range's end.
    qint32 SBLargeChange(qint32 eBar) const;
    void SetSBLargeChange(qint32 eBar, qint32 iLargeChange);
    bool SBGetVisible(qint32 Bar) const;
    void SBSetVisible(qint32 Bar, bool Show);
    // The look of flat bars (1 the flat one, re-applied when the bars are attached again);
    // nothing once standard bars are in use.
    void SBSetFlatStyle(qint32 Style);
    // Sets the bars up on the grid's first use: flat or standard by ScrollBarStyle, the flat look,
    // a page of 5 and a minimum of 0 on both. Calling it again attaches the bars afresh.
    void SBStartUp();
    // What a ScrollBarStyle change does after storing it: the bars attach again (standard bars stay
    // standard) and show as ScrollBars asks (0 horizontal, 1 vertical, else both) until the next
    // UpdateScrollBars.
    void ApplyScrollBarStyle();
    // Ranges and visibility from the content and the viewport: no bar on an empty grid, the
    // vertical bar only when the rows (plus one text line) do not fit, when the top row is also
    // reset to 0; the totals line adds 2 to the vertical range. ScrollBars 0 shows only the
    // horizontal bar, 1 only the vertical one, 2 both, 3 none.
    void UpdateScrollBars();
    // Auto-scroll while the mouse is dragged above (Direction 1) or below (2) the rows: one row
    // per step, at most one step per 25 ms of TickCount, moving CurRow (and the selection under
    // MultiSelect) and raising RowColChanged, SelectionChanged and Scroll each step. Steps run from
    // a timer until AutoScrollDirection changes or the first or last row is reached.
    void ScrollToRow(qint32 Direction);
    // What turning Redraw on does before its paint when a repaint was postponed: the scroll bars
    // and the metrics are brought up to date.
    void LayoutPostponedWhilePaintingOff();
    // The running auto-scroll's direction; setting it to 0 ends the scrolling at the next step.
    qint32 AutoScrollDirection = 0;

protected:
    // A new size of the control moves the top row to the current row (0 when none), then
    // refreshes; a viewport resized by a bar shown or hidden is only repainted.
    void resizeEvent(QResizeEvent* Event) override;
    // The bars hold rows and columns: a value change repaints (once, unless a paint followed it)
    // instead of moving pixels.
    void scrollContentsBy(int dx, int dy) override;

private:
    QScrollBar* sbBar(qint32 Bar) const;
    // Shows the stored range and page on the Qt bar.
    void sbApplyRange(qint32 Bar);
    void sbAttach();
    void sbDetach();
    void autoScrollStep();
    void scheduleAutoScrollStep();

    bool m_sbAttached = false;
    // Standard bars once chosen stay standard for the life of the grid.
    bool m_sbStandard = false;
    qint32 m_sbFlatStyle = 0;
    // The flat bars' look, made at its first use; the grid owns it.
    QStyle* m_flatBarStyle = nullptr;
    bool m_sbHorzVisible = false;
    bool m_sbVertVisible = false;
    // The stored maximum (page included) and the page of each bar.
    qint32 m_sbMax[2] = {0, 0};
    qint32 m_sbPage[2] = {0, 0};
    // Set while UpdateScrollBars shows or hides a bar, which resizes the viewport.
    bool m_inScrollBarUpdate = false;
    // The control's size at its last resize.
    QSize m_controlSize;
    bool m_autoScrollScheduled = false;
    qint64 m_autoScrollLastStep = 0;
public:

    // ---- Painting: the body, caption, headers and drawing primitives ----
    // drawGrid paints the whole frame into a retained image of the viewport's size and then asks
    // Qt to show it; paintEvent only copies the image. The caption and header painters draw into
    // the same image, inside a pass or on their own (hover and drag feedback), and show it.

    // The retained frame as last painted.
    const QImage& Surface() const { return m_surface; }
    // The header position drawn hot by hover tracking, -1 for none; every band paint clears it.
    qint32 HotHeader = -1;

protected:
    void paintEvent(QPaintEvent* Event) override;
    void showEvent(QShowEvent* Event) override;

private:
    // The caption bar in the look ThemeStyle chooses; nothing while Caption is empty.
    void drawCaption();
    // Lays out (each shown column's Left) and paints the header band, with the corner cell over
    // the row numbers; answers RowNumberWidth plus the width of the columns laid out, 0 without
    // columns. SingleLine keeps every heading on one line (while a header is swapped or dragged).
    qint32 drawColumnHeaders(bool SingleLine);
    // One header at display position Position in State, or with RowNumberCell the corner cell
    // over the row numbers.
    void drawColumnHeader(qint32 Position, FaceState State, bool SingleLine, bool RowNumberCell);
    // The width the heading at display position Position is written in: its column less the
    // margins and the sort arrow's room.
    qint32 headingRoom(qint32 Position) const;
    // Whether the heading at Position shows less than its whole text: wider than its room, or
    // more lines than ColumnHeaderLines.
    bool headingCut(qint32 Position) const;
    // Where a part of a cell sits (display row Row, display position Col, row top Y), placed by
    // the column's alignment codes. An empty rectangle for a cell outside the grid.
    QRect cellPartRect(qint32 Row, qint32 Col, qint32 Y, CellPart Part) const;
    // The body of a pass; answers whether RequestRowData is due for LastDrawnRow.
    bool paintFrame(QPainter& Painter, bool NoFocusRect);
    void paintRowBackground(QPainter& Painter, qint32 Row, qint32 y, qint32 h, bool Highlighted, bool Parity,
                            qint32 GridRight, qint32 HScrollPos);
    void paintFocusFrame(QPainter& Painter, qint32 GridRight);
    void paintVerticalLines(QPainter& Painter, qint32 Bottom, qint32 HScrollPos);
    // Runs Paint with a painter on the retained image: the pass's own, or one of its own that
    // shows the image when done.
    void paintOnSurface(const std::function<void(QPainter&)>& Paint);
    // The retained image sized to the viewport.
    void prepareSurface();
    // A part of the frame (What) failed and stays unpainted: logged with the first failure of the
    // pass, so that a broken cell does not flood the log at every repaint of every row.
    void reportPaintFailure(const char* What, const std::exception& Error);

    QImage m_surface;
    QPainter* m_passPainter = nullptr;
    bool m_painting = false;
    bool m_paintFailureReported = false;
public:

    // ---- Painting: cell content and the totals line ----
    // The running total of column index Col (0 for a column that does not exist).
    double TotalsCol(qint32 Col) const;
    // The totals line's caption and average switch of column index Col. The Gets fail with
    // error 9 outside the columns; the Lets store nothing there, and repaint in any case.
    QString TotalsLineCaption(qint32 Col) const;
    void SetTotalsLineCaption(qint32 Col, const QString& Caption);
    bool TotalsLineColAvg(qint32 Col) const;
    void SetTotalsLineColAvg(qint32 Col, bool Average);
    // The text the totals line shows for column index Col: a number column's total (or its
    // average over all rows, hidden ones included) with its format, after the caption and a
    // blank; any other column its caption alone. Error 9 outside the columns.
    QString TotalsLineText(qint32 Col) const;

private:
    // Paints one cell of display row Row at display position Col, whose rectangle is (x, y,
    // x + WidthPx, y + row height). The caller has painted the row background, set the pen to
    // ForeColorSel and clipped the painter to the cell; the cell leaves pen and font as it set them.
    void paintCell(QPainter& Painter, qint32 Row, qint32 Col, qint32 x, qint32 y, bool RowHighlighted);
    // Paints the totals band under the last row, whose bottom edge is y, out to GridRight;
    // positions FreezeAtCol < c < HScrollPos are scrolled out.
    void paintTotalsLine(QPainter& Painter, qint32 y, qint32 GridRight, qint32 HScrollPos);
    void paintCellContent(QPainter& Painter, qint32 Row, qint32 Col, qint32 x, qint32 y, bool RowHighlighted);
    // Image Index (its absolute value) of the attached list, in the selected look when Selected;
    // nothing without a list or for an index the list lacks.
    void drawListImage(QPainter& Painter, qint32 Index, qint32 X, qint32 Y, bool Selected);
    // The text a cell shows: its Text in its column's Format, when the column has one.
    static QString shownText(const ColumnInfo& Column, const CellInfo& Cell);
public:

    // ---- Column properties, sizing and saved layout ----
    // Index is a column index; outside the columns a Get or Let fails with error 9 and changes
    // nothing. Lets marked "repaints" paint at once while painting is on; none reports a property
    // change, lays out again or raises an event.
    qint32 ColAlignment(qint32 Index) const;
    void SetColAlignment(qint32 Index, qint32 NewValue);              // repaints
    QString ColFormat(qint32 Index) const;
    void SetColFormat(qint32 Index, const QString& NewValue);         // repaints
    QString ColHeading(qint32 Index) const;
    void SetColHeading(qint32 Index, const QString& NewValue);        // repaints
    qint32 ColImageAlignment(qint32 Index) const;
    void SetColImageAlignment(qint32 Index, qint32 NewValue);         // repaints
    QString ColInputFilter(qint32 Index) const;
    void SetColInputFilter(qint32 Index, const QString& NewValue);
    // True for Index -1, and for every column while a refused move marks the gesture.
    bool ColLocked(qint32 Index) const;
    void SetColLocked(qint32 Index, bool NewValue);                   // repaints
    QString ColTag(qint32 Index) const;
    void SetColTag(qint32 Index, const QString& NewValue);
    // A ColumnType kept in 16 bits: a value outside -32768..32767 is error 6.
    qint32 ColType(qint32 Index) const;
    void SetColType(qint32 Index, qint32 NewValue);
    bool ColVisible(qint32 Index) const;
    void SetColVisible(qint32 Index, bool NewValue);                  // repaints
    // In ScaleUnits; the Let also sets the width in pixels.
    float ColWidth(qint32 Index) const;
    void SetColWidth(qint32 Index, float NewValue);                   // repaints
    // The word-wrap flag new rows' cells copy; existing cells keep their own.
    bool ColWordWrap(qint32 Index) const;
    void SetColWordWrap(qint32 Index, bool NewValue);

    // Scales every column's width, hidden ones too, by one factor so that the visible columns
    // fill VisibleWidth; shown row numbers get a 19-pixel column first when theirs has no width.
    // Paints once at the end.
    void ColForceFit();
    // Sizes column Col (-1 every column) to its widest cell text in its own style and format, plus
    // its image and a margin, and then updates the scroll bars. A number column with the totals
    // line shown is at least as wide as its totals caption and total; a check-box column becomes
    // 480 twips wide; progress-bar and button columns, a grid without rows and a column that does
    // not exist keep their widths. Headings are not measured.
    void ColWidthAutoSize(qint32 Col);

    // The layout saved per user, under the application's name and the section UniqueGridName:
    // "Count" (the last column index) and one key per display position ("0", "1", ...) holding
    // the column index shown there; "W" and a column index holding that column's ColWidth.
    void ColOrderSave(const QString& UniqueGridName);
    // Shows the saved order when it was saved for as many columns and names each column once (a
    // missing position counts as showing its own column), then raises ColumnOrderChanged(0, 0);
    // otherwise changes nothing.
    void ColOrderLoad(const QString& UniqueGridName);
    // Back to the order the columns were added in (nothing with one column): NavColumn becomes
    // the current column with the current row kept; raises ColumnOrderChanged(0, 0).
    void ColOrderRestore(const QString& UniqueGridName = QString());
    void ColWidthsSave(const QString& UniqueGridName);
    // Each column takes its saved width; a missing, negative or non-numeric one keeps the width.
    void ColWidthsLoad(const QString& UniqueGridName);

private:
    void autoSizeColumn(qint32 Col);
    template <typename T>
    void setColumnField(qint32 Index, T ColumnInfo::*Field, const T& Value, bool Repaint);
public:

    // ---- Sorting ----
    // A sort permutes the display order only: rows keep their indexes and everything kept per row.
    // Each column keeps its SortState, which its header shows as an arrow: 0 not sorted, 1 larger
    // first (texts late in the collation order, latest dates, unchecked rows), 2 and any other
    // value smaller first. SortCol1 and SortCol2 hold the column indexes the rows were last sorted
    // by (-1 none); Clear sets both to -1.
    //
    // Sorts by column index vCol1 and, within runs of exactly equal primary texts, by vCol2.
    // -1 for a column takes SortCol1 (SortCol2) as a display position: the header click stores
    // the clicked position there first. -1 for vCol1SortType steps the primary column's state
    // 0 -> 2 -> 1 -> 0, and state 0 restores the order the rows were added in and forgets both sort
    // columns; -1 for vCol2SortType gives the secondary column the primary's state. Columns of
    // type 1 sort as numbers, 2 as dates (other texts apart from the dates), 3 by check mark, 5 by
    // the host's CustomSort answers, any other as case-insensitive text. An open edit is committed
    // first, and a refused commit sorts nothing. Afterwards the current row is current at its new
    // place, with no current column (the row with index 0 when none was), and SortComplete is
    // raised. Nothing happens on an empty grid or when a column does not name a column.
    void Sort(qint32 vCol1 = -1, qint32 vCol1SortType = -1, qint32 vCol2 = -1, qint32 vCol2SortType = -1);
    qint32 SortCol1 = -1;
    qint32 SortCol2 = -1;

private:
    // Sorts each range of display rows (first, last) of Order by column Col in state SortType;
    // the column's keys are read once for all the ranges.
    void sortDispatch(std::vector<qint32>& Order, const std::vector<std::pair<qint32, qint32>>& Ranges, qint32 Col,
                      qint32 SortType);
    // Sorts the runs of rows with exactly equal SortCol1 texts by SortCol2.
    void sortSecondary(std::vector<qint32>& Order);
public:

    // ---- Selection and the current cell ----
    // The current cell (a display row and a display position; -1 none) takes the focus frame, the
    // keys and the editor; the selected rows are those whose row flag Selected is set. Every move
    // of the current cell goes through setCurrentCell, which raises RowColChanged and, when it
    // scrolls, Scroll; RowColSet and the gestures raise SelectionChanged when they select a row.

    // The current display row, -1 when none. The Let is RowColSet(Row, -1), so it leaves the grid
    // without a current column.
    qint32 Row() const { return m_store.CurRow(); }
    void SetRow(qint32 Row) { RowColSet(Row, -1); }
    // The current column's index: 0 without columns, -1 without a current column. The Let is
    // RowColSet(-1, Col), then a repaint.
    qint32 Col() const;
    void SetCol(qint32 Col);
    // The display row under the mouse (-1 none) and the index of the column under it (0 without
    // columns, -1 none).
    qint32 MouseRow() const { return m_hoverRow; }
    qint32 MouseCol() const;
    // Makes display row Row (-1 the current row, 0 when none; past the last the last) and column
    // index Col (-1 no current column) current and that row the only selected one, scrolling it
    // into view. Does nothing on an empty grid, for a hidden row or column, or a column outside
    // the store.
    void RowColSet(qint32 Row, qint32 Col);
    // Clears every row's selected flag and repaints; nothing on an empty grid.
    void RowUnSelect();
    // Clears every row's selected flag; no repaint, no event.
    void SelectedClearAll();
    qint32 SelectedCount() const;

private:
    // Moves the current cell to display row Row and display position Col (either -1 for none).
    // Refused (false, nothing changed) on a locked row, while a refused move holds every row
    // locked, and for the current cell itself. A hidden or locked column, or a hidden row, keeps
    // the current one and marks the move refused (m_lockedColHit, m_lockedRowHit) for the rest of
    // the gesture. With MakeCurrent the cell becomes current and RowColChanged is raised; with
    // ScrollIntoView the column is brought into view and the view moves one row toward Row, then
    // Scroll is raised.
    bool setCurrentCell(qint32 Row, qint32 Col, bool ScrollIntoView, bool MakeCurrent);
    // The display row a step of Step rows below (above) FromRow lands on: the first visible row,
    // unlocked unless IncludeLocked, from there on downward (upward); LastRow (0) when none.
    // Without FromRow the step starts at the current row.
    qint32 selectableRowBelow(qint32 Step, bool IncludeLocked) const
    {
        return selectableRowBelow(m_store.CurRow(), Step, IncludeLocked);
    }
    qint32 selectableRowAbove(qint32 Step, bool IncludeLocked) const
    {
        return selectableRowAbove(m_store.CurRow(), Step, IncludeLocked);
    }
    qint32 selectableRowBelow(qint32 FromRow, qint32 Step, bool IncludeLocked) const;
    qint32 selectableRowAbove(qint32 FromRow, qint32 Step, bool IncludeLocked) const;
    // The next selectable row above (Upward) or below the current row, walking on past locked
    // rows; 0 or LastRow at the ends.
    qint32 findUnlockedRow(bool Upward) const;
    // The display row PageUp makes the top row when FromRow is on top: the row at which the rows
    // from FromRow upward stop fitting below the header; -1 when they all fit.
    qint32 pageUpTopRow(qint32 FromRow) const;
    // Position 0 while a row check box or row image sits in its indent.
    bool isIndentedColumn(qint32 Position) const { return Position == 0 && m_metrics.RowIndent > 3; }
    bool rowSelectable(qint32 Row, bool IncludeLocked) const;
    void scrollColumnIntoView(qint32 Col);

    // A move in this key press or mouse gesture was refused (a hidden row or column, a locked
    // column, a press on a locked row); cleared when the next key or button goes down.
    bool m_lockedRowHit = false;
    bool m_lockedColHit = false;
public:

    // ---- Keyboard input ----
    // The grid's own keys, ahead of its host: key-downs move the current cell and the selection,
    // scroll, insert and delete rows (AllowInsert, AllowDelete), toggle check boxes and open,
    // commit or discard the editor; typed letters and digits run a type-ahead search on
    // SearchColumn. Each key then reaches the host as KeyDown, KeyPress and KeyUp with the
    // virtual-key code, the shift mask (1 Shift, 2 Ctrl, 4 Alt) and the typed character. A key the
    // grid used up is accepted; any other is ignored, so that the editor or a parent can take it.

protected:
    void keyPressEvent(QKeyEvent* Event) override;
    void keyReleaseEvent(QKeyEvent* Event) override;

private:
    // What one key-down has decided so far: where the current cell goes, whether the other rows
    // lose their selection when the row changes, and whether the grid must be painted.
    struct KeyMove {
        qint32 newRow;
        qint32 newCol;
        bool clearOthers = true;
        bool needRepaint = false;
    };
    // The three handlers. KeyDown sets KeyCode to 0 for a key it used up, and raises the event
    // with the code as it came in; KeyPress sets KeyAscii to 0 for a character it used up.
    void handleKeyDown(qint16& KeyCode, qint16& Shift);
    void handleKeyPress(qint16& KeyAscii);
    void handleKeyUp(qint16& KeyCode, qint16& Shift);
    void finishKeyMove(KeyMove& Move);
    void applyKey(qint16& KeyCode, qint16 Shift, KeyMove& Move);
    void applyRowKey(qint16& KeyCode, qint16 Shift, KeyMove& Move);
    void applyHomeEndKey(qint16& KeyCode, qint16 Shift, KeyMove& Move);
    void applyInsertKey(KeyMove& Move);
    void applyDeleteKey(KeyMove& Move);
    void applySpaceKey(qint16& KeyCode, KeyMove& Move);
    // Moves to the first row at or after the typed text in SearchColumn; the characters typed less
    // than a second apart make one search text.
    void typeAhead(QChar Typed);

    // The last key-down the grid acted on (0 after a column move or a button press); F2 (113)
    // marks an edit opened as by F2, in which Left and Right only move the caret.
    qint16 m_lastKeyCode = 0;
    // The shift mask of the last key or button that went down.
    qint16 m_shiftState = 0;
    // Ctrl+A, Ctrl+C, Ctrl+V or Space on a row check box is held: typing searches nothing.
    bool m_clipboardKeyDown = false;
    QString m_searchBuffer;
    qint64 m_searchTick = 0;
public:

    // ---- Search and filter ----
    // Each looks at the Text of one column (a column index), display row by display row, and
    // compares it with the search text by SearchMode: 0 equal, 1 at or after in character-code
    // order, 2 contains, 4 not empty, at or after and beginning with the same character, 5 begins
    // with, 6 ends with; any other mode matches nothing. Both texts are upper-cased first unless
    // MatchCase is true. A column past the last fails with error 9. No event is raised.
    //
    // The first display row from StartingRow on (row 0 when StartingRow is out of range) whose
    // text matches, hidden rows included, or -1; no wrap-around. SearchCol -1 means the
    // SearchColumn property. An empty text, an empty grid or a negative column answer -1.
    qint32 FindItem(const QString& SearchText, qint32 SearchCol = -1, qint32 SearchMode = 0, bool MatchCase = false,
                    qint32 StartingRow = 0) const;
    // Hides every row from StartingRow on whose text does not match; matching rows keep their
    // state, so successive calls narrow the rows shown. Nothing happens on an empty grid or with
    // StartingRow out of range; SearchCol -1 is error 9. Paints once at the end.
    void FilterOn(const QString& FilterText, qint32 SearchCol, qint32 SearchMode = 0, bool MatchCase = false,
                  qint32 StartingRow = 0);
    // Shows the hidden rows from StartingRow (clamped to the rows) on, puts the vertical bar at
    // the current row and paints once.
    void FilterOff(qint32 StartingRow = 0);

    // ---- CSV export and recordset fill ----
    // Writes the caption (when there is one), the headings, every row in display order and, with
    // TotalsLineShow, the totals line to "<strGridName>.csv" in the program folder's
    // "ConvertedExcelFile" folder, which must exist; then offers to open the file. Each heading,
    // cell and totals field follows a comma; commas in headings and cells become blanks, and a
    // field holding a quote, a comma or a line break is quoted. The options leave out hidden
    // columns and hidden rows, and write check-box cells as their text instead of "-1"/"0". The
    // file is replaced only once it is written completely; a failure, or a name that would lead
    // out of the folder, is reported in a message box and leaves an existing file as it was.
    void ExportGrid(const QString& strGridName, bool vbVisibleColsOnly = false, bool vbVisibleRowsOnly = false,
                    bool vbBooleanAsText = false);
    // Replaces the rows (with bAddColumns the columns too, one text column per field, named after
    // it) by the records of rActiveRecordset, each field's value in its own cell (Null empty),
    // and leaves the recordset where it stood; with bFitColWidth or bAddColumns the columns are
    // then fitted to the visible width. Errors of the recordset reach the caller.
    void FillGridFromQuery(db::Recordset& rActiveRecordset, bool bAddColumns, bool bFitColWidth);

private:
    // Opens a file of the program folder (a Windows path) with the program the desktop has for it.
    void shellOpenFile(const QString& Path);
public:

    // ---- In-cell editing ----
    // One cell is edited at a time, in place: by the grid's own line edit laid over the cell, or
    // by the host's control bound to the column (BindControl). Opening raises BeforeEdit, which
    // may refuse; committing raises AfterEdit when the text changed, which may change the text or
    // refuse it (the edit then stays open). A committed change marks the cell, its row and the
    // grid (CellsChanged) as changed. Keys typed into the line edit reach the grid's own key
    // handling first (its keyPressEvent and keyReleaseEvent): a key that handling accepts goes no
    // further; any other passes the column's input filter (editorKeyPress) into the line edit.

    // An edit is open.
    bool EditPending() const { return m_editPending; }
    // Commits an open edit (true at once when none is open); with bAllowMove the current cell
    // then moves as EditMove says and becomes the only selected row. False when AfterEdit
    // refused the text: the editor stays open and nothing is written.
    bool UpdateCell(bool bAllowMove);
    // Makes display row lNewRow, column index lNewCol current and opens the editor there as F2
    // would, even while AllowEdit is off; bBlankCell empties the line edit.
    void ForceCellEdit(qint32 lNewRow, qint32 lNewCol, bool bBlankCell);

private:
    class CellEditBox;

    // AllowEdit is on and the grid has rows.
    bool canEditNow() const;
    // Commits the open edit, or opens the editor on the current cell; answers canEditNow, which
    // callers use only to swallow the key or click that asked for it.
    bool toggleCellEdit(bool bAllowMove);
    // Opens the editor on display row Row, display position Col, committing an open edit first.
    void showCellEditor(qint32 Row, qint32 Col);
    // Lays the open editor over its cell; called again after its column was resized.
    void positionCellEditor();
    // Escape: hides the editor and forgets the edit; the cell keeps its text, no event.
    void discardCellEdit();
    // The editor takes the grid font's size, also while it is open.
    void setEditorFontSize(qreal PointSize);
    // The line edit's key filter: a key outside the column's InputFilter becomes 0 (Backspace
    // and the full stop always pass); then EditKeyPress lets the host change or zero it.
    void editorKeyPress(qint16& KeyAscii);
    // The line edit's text and caret, as the key handling reads and sets them.
    QString editText() const;
    qint32 editSelStart() const;
    void setEditText(const QString& Text, qint32 SelStart);

    CellEditBox* createCellEditor();
    QWidget* boundControlOf(qint32 Position) const;
    void styleEditor(QWidget& Editor, qint32 Row, qint32 Col);
    void styleEditBox(qint32 Row, qint32 Col);
    void hideCellEditor();

    CellEditBox* m_txtEdit = createCellEditor();
    // The open editor: the line edit or the bound control.
    QPointer<QWidget> m_editControl;
    bool m_editPending = false;
    qint32 m_editRow = -1;          // display row
    qint32 m_editCol = -1;          // display position
    // The parent a bound control had before it was lent to the grid's container for the edit.
    QPointer<QWidget> m_editParent;
public:

    // ---- Mouse input ----
    // The pointer the grid shows over its rows and headers: 0 the default arrow, 7 the row-divider
    // sizing pointer, 9 the column-divider one, 99 the hand (cells whose look asks for it).
    qint32 MousePointer() const { return m_mousePointerCode; }
    bool MousePointerIsCustom() const { return m_mousePointerCode == PointerHand; }

protected:
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;
    // A local file dropped on a cell is written into it while AllowEdit is on; a locked row or
    // column takes none.
    void dragEnterEvent(QDragEnterEvent* Event) override;
    void dragMoveEvent(QDragMoveEvent* Event) override;
    void dropEvent(QDropEvent* Event) override;

private:
    enum : qint32 { PointerDefault = 0, PointerSizeNS = 7, PointerSizeWE = 9, PointerHand = 99 };
    // The handlers in the host's terms, each ending with its event: Button 1 left, 2 right, 4
    // middle (for a move, the buttons held), Shift the modifier mask, X and Y viewport pixels.
    // A left press on a locked row is refused without an event; a release over one clears the
    // selection and raises ColumnClick instead of MouseUp.
    void onMouseDown(qint16 Button, qint16 Shift, float X, float Y);
    void onMouseMove(qint16 Button, qint16 Shift, float X, float Y);
    void onMouseUp(qint16 Button, qint16 Shift, float X, float Y);
    // Click and CellClick (whose column is the display position under the mouse) after a press
    // on a row; a click may open the editor (EditTrigger 8).
    void onClick();
    // DblClick after a press on a row; on a column divider the column left of it is sized to its
    // content. A double-click may open the editor as F2 does (EditTrigger 16).
    void onDblClick();
    void setHandPointer(bool Hand);
    void setMousePointer(qint32 Pointer);
    // A left press on a row: the row check box, a cell check box, then the click's selection.
    // Answers whether a selected flag changed.
    bool pressOnRow(qint32 Row, qint32 Col, qint16 Shift, float X, float Y);
    // Toggles the check box of the cell at display row Row and position Col when (X, Y) is on it
    // and neither BeforeEdit nor AfterEdit cancels; answers whether it changed.
    bool toggleCheckBoxAt(qint32 Row, qint32 Col, float X, float Y);
    // The selection a left click with the modifiers Shift leaves; answers whether a flag changed.
    bool applyClickSelection(qint32 Row, qint16 Shift);
    // Row becomes the only selected row; answers whether a flag changed.
    bool selectOnly(qint32 Row);
    // With AllowColumnHover the header under the mouse is drawn hot, and none once the mouse is
    // below the header band.
    void trackHotHeader(float Y);
    // Finds the row or column divider under the mouse and shows its sizing pointer.
    void findDivider(float X, float Y);
    void dragWithLeftButton(qint16 Shift, float X, float Y);
    void dragOverRows(qint16 Shift, float Y);
    void dragHeader(float X);
    void showHandPointer();
    void releaseWithoutHeaderMove(qint16 Shift, float X, float Y, qint32 Col, qint32 Row);
    // The image of the cell under the mouse, or the expand image of a wrapped cell.
    void releaseOnCell(float X, float Y);
    // A click on a header cycles that column's sort state; with Ctrl it sorts by it second.
    void sortByHeader(qint16 Shift);
    // The release ends every gesture: header press, swap, drag, resize, drag selection, auto-scroll.
    void endGestures();
    bool headerGesturesOn() const;
    // The display row and column index a drop at (X, Y) writes to; false off the cells and on a
    // locked row or column.
    bool dropTarget(float X, float Y, qint32& Row, qint32& ColIndex) const;

    qint32 m_hoverRow = -1;             // display row under the mouse
    qint32 m_hoverCol = -1;             // display position under the mouse
    bool m_hoverHeading = false;        // the mouse is on the heading of m_hoverCol
    qint32 m_pressedCol = -1;           // header pressed by the left button
    qint32 m_anchorRow = -1;            // display row of the last press, -1 off the rows
    qint32 m_pressX = 0;
    bool m_dragSelectArmed = false;     // a left press in the body may drag a selection
    qint32 m_resizeCol = -1;            // display position whose right divider is under the mouse
    qint32 m_resizeRow = -1;            // display row whose bottom divider is under the mouse
    qint32 m_resizeOriginX = 0;         // X less the column's width when its divider was found
    qint32 m_resizeOriginY = 0;         // Y less the row's height likewise
    qint32 m_swapCol = -1;              // header being swapped (AllowColumnSwap)
    qint32 m_dragCol = -1;              // header being moved (AllowColumnDrag)
    qint32 m_mousePointerCode = PointerDefault;
    bool m_doubleClicked = false;     // the press under way is the second of a double-click
public:

    // ---- Cell tooltips ----
    // The window showing the whole text of a cut-off cell (a CellToolTipWindow), made at the
    // first tooltip; null before.
    const QWidget* CellToolTip() const;
    // The user locale's text for a Windows locale item: 0x1001 the language's English name,
    // 0x1002 the country's, 4 and 8 their native names, 14 and 15 the decimal and thousands
    // separators, 20 the currency symbol, 0x59 and 0x5A the ISO language and country codes.
    // Empty for any other item.
    static QString GetInfo(qint32 lInfo);

private:
    // Starts the 1,500 ms wait for a tooltip over the cell at display row Row and position Col,
    // or over the heading of Col when Row is -1, unless one is running or the cell wants none
    // (tooltips off, an open edit, a check box, no text). At its end the cell or heading then
    // under the mouse gets the tooltip if its text is cut off.
    void showToolTipDelayed(qint32 Row, qint32 Col);
    void showCellToolTip(qint32 Row, qint32 Col);
    void showHeadingToolTip(qint32 Col);
    // Shows Text in Font in the tooltip window laid from Corner (screen pixels) over the column at
    // display position Col: Width wide before its padding Pad (wrapped where the screen ends), at
    // least Height high, on one line in Alignment unless the text breaks or was wrapped.
    void showToolTipWindow(const QString& Text, const QFont& Font, qint32 Alignment, qint32 Col, QPoint Corner,
                           qint32 Width, qint32 Height, qint32 Pad);
    void scheduleToolTipCheck(qint64 Delay);
    void toolTipWaitStep();
    // Abandons a running wait and hides the tooltip.
    void cancelToolTip();
    void hideToolTip();
    // Whether the pointer is over the shown tooltip window where it lies on the grid: a window
    // system that hands the pointer to the window appearing under it tells the grid the pointer
    // left, though it still rests on the grid.
    bool pointerUnderToolTip() const;

    bool m_toolTipWaiting = false;
    qint64 m_toolTipStartTick = 0;
    quint32 m_toolTipWait = 0;        // numbers the waits, so a cancelled one's checks lapse
    QWidget* m_toolTip = nullptr;     // owned by the grid
public:

    // ---- Window messages: wheel, scroll bars, focus, leave ----
protected:
    // A wheel notch scrolls three rows (with Ctrl one column), whatever its size.
    void wheelEvent(QWheelEvent* Event) override;
    // With FocusRectHide the focus frame comes and goes with the focus.
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;
    // Hides the tooltip, the hand and the hot header, then raises MouseLeave; not while the
    // pointer still rests on the grid under its tooltip.
    void leaveEvent(QEvent* Event) override;

private:
    // A scroll gesture on bar Bar (0 columns, 1 rows): Code 0 line up, 1 line down, 2 page up, 3
    // page down, 5 the thumb dragged to TrackPosition, 6 top, 7 bottom, 8 the gesture ended.
    // A line steps to the next selectable column or row (three rows for the wheel). When a
    // position changed the open edit is committed, the grid repaints (while the thumb is dragged
    // only with ScrollTrack) and Scroll is raised. The current cell stays where it was.
    void scrollBarGesture(qint32 Bar, qint32 Code, bool Wheel, qint32 TrackPosition);
    qint32 lineAbove(qint32 Bar, qint32 Position, bool Wheel);
    qint32 lineBelow(qint32 Bar, qint32 Position, bool Wheel);
    // The first move over the grid raises MouseEnter.
    void onMouseInside();
    // Turns on mouse tracking and drops and wires the scroll bars' gestures; the constructor's.
    void prepareInput();

    bool m_mouseInside = false;
public:

signals:
    // A saved property changed; Key is its saved-set key ("Redraw" for Redraw).
    void propertyChanged(const QString& Key);

    void Click();
    void DblClick();
    void KeyDown(qint16& KeyCode, qint16& Shift);
    void KeyPress(qint16& KeyAscii);
    void KeyUp(qint16& KeyCode, qint16& Shift);
    void MouseDown(qint16& Button, qint16& Shift, float& x, float& y);
    void MouseMove(qint16& Button, qint16& Shift, float& x, float& y);
    void MouseUp(qint16& Button, qint16& Shift, float& x, float& y);
    void CellButtonClick(qint32 Row, qint32 Col);
    void CellImageClick(qint32 Row, qint32 Col);
    void CellHandClick(qint32 Row, qint32 Col, qint16& Shift);
    void CellClick(qint32 Row, qint32 Col, qint16& Shift);
    void ColumnClick(qint32 Col);
    void ColumnSizeChanged(qint32 Col, qint32 BindOption);
    void CustomSort(bool& Ascending, qint32& Col, QString& Value1, QString& Value2, bool& Swap);
    void ColumnOrderChanged(qint32 Target, qint32 Source);
    void RowCheckChanged(qint32 Row);
    void RowCountChanged();
    void MouseEnter();
    void MouseLeave();
    void RowColChanged();
    void Scroll();
    void SelectionChanged();
    void SortComplete();
    void ThemeChanged();
    void EditKeyPress(qint32 Col, qint16& KeyAscii);
    void BeforeEdit(qint32 Row, qint32 Col, bool& Cancel);
    void AfterEdit(qint32 Row, qint32 Col, QString& NewText, bool& Cancel);
    void BeforeDelete(qint32 Row, bool& Cancel);
    void AfterDelete();
    void BeforeInsert(qint32 Row, bool& Cancel);
    void AfterInsert(qint32 Row);
    void RequestRowData(qint32 Row);

protected:
    void changeEvent(QEvent* Event) override;

private:
    enum class Repaint { None, IfRedraw, Now };
    template <typename T>
    void let(T& Field, const T& Value, const char* Key, Repaint Strength);
    void repaintAfterLet(Repaint Strength);
    // One paint pass when Draw is true; otherwise the repaint is remembered. NoFocusRect leaves
    // the focus frame out (the grid lost the focus). A call during a pass does nothing.
    void drawGrid(bool Draw, bool NoFocusRect = false);
    void connectStore();
    void onCleared();
    // Writes the palette ThemeColor chooses into the colour properties; no repaint.
    void applyThemeColors();
    void setCustomGradientColor(OleColor& Field, OleColor Color, const char* Key);
    void applyDefaultLook();
    void applyBorderStyle();
    // The colour the widget's background is filled with.
    void applySurfaceColor(OleColor Color);
    double twipsPerUnitX() const;
    // The mode properties as their enums.
    ThemeLook themeLook() const { return ThemeLook(m_props.ThemeStyle); }
    ScaleUnit scaleUnit() const { return ScaleUnit(m_props.ScaleUnits); }
    GridLineMode gridLineMode() const { return GridLineMode(m_props.GridLines); }
    FocusFrame focusFrame() const { return FocusFrame(m_props.FocusRectMode); }
    FocusFrameStyle focusFrameStyle() const { return FocusFrameStyle(m_props.FocusRectStyle); }
    HighlightFill highlightFill() const { return HighlightFill(m_props.FocusRowHighlightStyle); }
    MoveAfterEdit moveAfterEdit() const { return MoveAfterEdit(m_props.EditMove); }
    ShownBars shownBars() const { return ShownBars(m_props.ScrollBars); }
    BarStyle barStyle() const { return BarStyle(m_props.ScrollBarStyle); }
    Border frameBorder() const { return Border(m_props.BorderStyle); }

    // Cell attributes: one field of the cell's look changed; the changed marks of a cell.
    void applyCellFormat(qint32 Row, qint32 Col, const std::function<void(CellFormat&)>& Change);
    // A look setter: normalises the reference (nothing on a bad one), changes the look, repaints.
    void changeCellLook(qint32 Row, qint32 Col, const std::function<void(CellFormat&)>& Change);
    // Marks the cell (unless its flag word holds a progress value), its row and the grid changed.
    void setCellChanged(qint32 Row, qint32 Col, bool Changed);
    // A flag of the cell (strict), and a change of one that normalises its reference and repaints.
    bool cellFlag(qint32 Row, qint32 Col, qint32 Mask) const;
    void setCellFlag(qint32 Row, qint32 Col, qint32 Mask, bool Value);
    // Row attributes: the image index a row-image value names (error 9 for an unknown key or
    // without a list), and the value an image index shows as.
    qint32 imageIndexOf(const QVariant& Value) const;
    QVariant imageValueOf(qint32 Index) const;
    // Calls SetCell for each cell of display row Row (normalised with FixRef), then repaints.
    void setRowCells(qint32 Row, const std::function<void(qint32 Row, qint32 Col)>& SetCell);
    // The rows whose row flag Flag is set, hidden ones included.
    qint32 rowsFlagged(qint16 Flag) const;

    GridStore m_store;
    GridProperties m_props;
    QFont m_font;
    QString m_themeColorName;
    bool m_redraw = false;
    bool m_paintEnabled = false;
    bool m_pendingRepaint = false;
    bool m_repaintWhenShown = false; // a frame was due while the window had the grid hidden
    qint32 m_paintPasses = 0;
    bool m_cellsChanged = false;
    const grid::ImageList* m_imageList = nullptr;
    qint16 m_expandRowImage = 0;
    std::function<qint64()> m_tickSource;
};

} // namespace grid
