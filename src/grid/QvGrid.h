#pragma once

#include "grid/GridColors.h"
#include "grid/GridProperties.h"
#include "grid/GridStore.h"
#include "grid/ImageList.h"
#include "grid/PropertyBag.h"

#include <QAbstractScrollArea>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <QVariant>

#include <functional>

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
// A paint pass is counted by paintPasses(); the body (rows, headers, caption, totals) is drawn by
// the grid painter that comes next, and until then a pass shows the background only.
//
// The events are signals named as the events. Arguments passed by reference can be changed by a
// handler and are read back by the grid, so they must be connected directly (Qt::DirectConnection
// or the default on the grid's thread), never queued. Strict members raise runtime::RuntimeError
// (9 subscript out of range, 6 overflow); events, timers and painting never throw.
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
    const GridProperties& properties() const { return m_p; }
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
    const QFont& FontHeader() const { return m_p.FontHeader; }
    void SetFontHeader(const QFont& Font);
    bool ApplySelectionToImages() const { return m_p.ApplySelectionToImages; }
    void SetApplySelectionToImages(bool On);
    OleColor BackColor() const { return m_p.BackColor; }
    void SetBackColor(OleColor Color);
    OleColor BackColorBkg() const { return m_p.BackColorBkg; }
    void SetBackColorBkg(OleColor Color);
    OleColor BackColorEdit() const { return m_p.BackColorEdit; }
    void SetBackColorEdit(OleColor Color);
    OleColor BackColorSel() const { return m_p.BackColorSel; }
    void SetBackColorSel(OleColor Color);
    OleColor ForeColor() const { return m_p.ForeColor; }
    void SetForeColor(OleColor Color);
    OleColor ForeColorEdit() const { return m_p.ForeColorEdit; }
    void SetForeColorEdit(OleColor Color);
    OleColor ForeColorHdr() const { return m_p.ForeColorHdr; }
    void SetForeColorHdr(OleColor Color);
    OleColor ForeColorSel() const { return m_p.ForeColorSel; }
    void SetForeColorSel(OleColor Color);
    OleColor BackColorEvenRows() const { return m_p.BackColorEvenRows; }
    void SetBackColorEvenRows(OleColor Color);
    bool BackColorEvenRowsEnabled() const { return m_p.BackColorEvenRowsEnabled; }
    void SetBackColorEvenRowsEnabled(bool On);
    // The gradient pair (the lighter colour first); a Let is kept only while ThemeColor is 5.
    OleColor ThemeCustomColorFrom() const { return m_p.ThemeCustomColorFrom; }
    void SetThemeCustomColorFrom(OleColor Color);
    OleColor ThemeCustomColorTo() const { return m_p.ThemeCustomColorTo; }
    void SetThemeCustomColorTo(OleColor Color);
    OleColor GridColor() const { return m_p.GridColor; }
    void SetGridColor(OleColor Color);
    OleColor CellProgressBarColor() const { return m_p.CellProgressBarColor; }
    void SetCellProgressBarColor(OleColor Color);
    bool AlphaBlendSelection() const { return m_p.AlphaBlendSelection; }
    void SetAlphaBlendSelection(bool On);
    // 0 none, 1 single.
    qint32 BorderStyle() const { return m_p.BorderStyle; }
    void SetBorderStyle(qint32 Style);
    bool DisplayEllipsis() const { return m_p.DisplayEllipsis; }
    void SetDisplayEllipsis(bool On);
    // 0 none, 1 row, 2 column.
    qint32 FocusRectMode() const { return m_p.FocusRectMode; }
    void SetFocusRectMode(qint32 Mode);
    OleColor FocusRectColor() const { return m_p.FocusRectColor; }
    void SetFocusRectColor(OleColor Color);
    // 0 light, 1 medium, 2 heavy.
    qint32 FocusRectStyle() const { return m_p.FocusRectStyle; }
    void SetFocusRectStyle(qint32 Style);
    qint32 GridLines() const { return m_p.GridLines; }
    void SetGridLines(qint32 Lines);
    qint32 GridLineWidth() const { return m_p.GridLineWidth; }
    void SetGridLineWidth(qint32 Width);
    // The palette written into the colour properties (back, fore, selection, focus rectangle, grid
    // lines and the gradient pair): 0 blue, 1 silver, 2 olive, 3 and 4 two more presets, 5 custom
    // (the colours as set), 6 the visual style's; it is written again at each refresh of the theme.
    qint32 ThemeColor() const { return m_p.ThemeColor; }
    void SetThemeColor(qint32 Palette);
    // 0 3D, 1 flat, 2 XP, 3 XP Office, 4 to 7 four further looks.
    qint32 ThemeStyle() const { return m_p.ThemeStyle; }
    void SetThemeStyle(qint32 Style);
    bool ColumnHeaders() const { return m_p.ColumnHeaders; }
    void SetColumnHeaders(bool On);
    bool CenterRowImage() const { return m_p.CenterRowImage; }
    void SetCenterRowImage(bool On);
    qint32 ScrollBars() const { return m_p.ScrollBars; }
    void SetScrollBars(qint32 Bars);
    qint32 MinVerticalOffset() const { return m_p.MinVerticalOffset; }
    void SetMinVerticalOffset(qint32 Offset);
    // Below 1 is stored as 1, without a change notice.
    qint16 ColumnHeaderLines() const { return m_p.ColumnHeaderLines; }
    void SetColumnHeaderLines(qint16 Lines);
    const QString& Caption() const { return m_p.Caption; }
    void SetCaption(const QString& Caption);
    qint32 CaptionAlignment() const { return m_p.CaptionAlignment; }
    void SetCaptionAlignment(qint32 Alignment);
    // 0 flat, 1 3D; kept by the frame.
    qint32 Appearance() const;
    void SetAppearance(qint32 Appearance);
    // Sends no change notice.
    bool ColumnHeaderSmall() const { return m_p.ColumnHeaderSmall; }
    void SetColumnHeaderSmall(bool On);
    // 0 flat, 1 regular.
    qint32 ScrollBarStyle() const { return m_p.ScrollBarStyle; }
    void SetScrollBarStyle(qint32 Style);
    bool TotalsLineShow() const { return m_p.TotalsLineShow; }
    void SetTotalsLineShow(bool On);
    bool FocusRowHighlightKeepTextForecolor() const { return m_p.FocusRowHighlightKeepTextForecolor; }
    void SetFocusRowHighlightKeepTextForecolor(bool On);
    bool ShowRowNumbers() const { return m_p.ShowRowNumbers; }
    void SetShowRowNumbers(bool On);
    bool ShowRowNumbersVary() const { return m_p.ShowRowNumbersVary; }
    void SetShowRowNumbersVary(bool On);
    bool AllowColumnResizing() const { return m_p.AllowColumnResizing; }
    void SetAllowColumnResizing(bool On);
    bool AllowRowResizing() const { return m_p.AllowRowResizing; }
    void SetAllowRowResizing(bool On);
    bool AllowWordWrap() const { return m_p.AllowWordWrap; }
    void SetAllowWordWrap(bool On);
    bool RowCheckBoxes() const { return m_p.RowCheckBoxes; }
    void SetRowCheckBoxes(bool On);
    // Swap and drag exclude each other: turning one on turns the other off.
    bool AllowColumnSwap() const { return m_p.AllowColumnSwap; }
    void SetAllowColumnSwap(bool On);
    bool AllowColumnDrag() const { return m_p.AllowColumnDrag; }
    void SetAllowColumnDrag(bool On);
    bool AllowColumnSort() const { return m_p.AllowColumnSort; }
    void SetAllowColumnSort(bool On);
    // Turning editing on with no focus rectangle gives the column one.
    bool AllowEdit() const { return m_p.AllowEdit; }
    void SetAllowEdit(bool On);
    bool AllowDelete() const { return m_p.AllowDelete; }
    void SetAllowDelete(bool On);
    bool AllowInsert() const { return m_p.AllowInsert; }
    void SetAllowInsert(bool On);
    qint32 EditTrigger() const { return m_p.EditTrigger; }
    void SetEditTrigger(qint32 Trigger);
    // On Enter while editing: 0 stay, 1 move right, 2 move down.
    qint32 EditMove() const { return m_p.EditMove; }
    void SetEditMove(qint32 Move);
    bool FocusRowHighlight() const { return m_p.FocusRowHighlight; }
    void SetFocusRowHighlight(bool On);
    // 0 solid, 1 vertical gradient, 2 horizontal gradient.
    qint32 FocusRowHighlightStyle() const { return m_p.FocusRowHighlightStyle; }
    void SetFocusRowHighlightStyle(qint32 Style);
    bool FocusRectHide() const { return m_p.FocusRectHide; }
    void SetFocusRectHide(bool On);
    bool AllowColumnHover() const { return m_p.AllowColumnHover; }
    void SetAllowColumnHover(bool On);
    qint32 MultiSelect() const { return m_p.MultiSelect; }
    void SetMultiSelect(qint32 Mode);
    bool ScrollTrack() const { return m_p.ScrollTrack; }
    void SetScrollTrack(bool On);
    bool AutoToolTips() const { return m_p.AutoToolTips; }
    void SetAutoToolTips(bool On);
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool On);
    qint32 FreezeAtCol() const { return m_p.FreezeAtCol; }
    void SetFreezeAtCol(qint32 Col);
    // A negative value is stored as 10.
    qint32 CacheIncrement() const { return m_p.CacheIncrement; }
    void SetCacheIncrement(qint32 Slots);
    qint32 MaxLineCount() const { return m_p.MaxLineCount; }
    void SetMaxLineCount(qint32 Lines);
    qint32 MinRowHeight() const { return m_p.MinRowHeight; }
    void SetMinRowHeight(qint32 Height);
    // The container unit: 1 twips, 2 points, 3 pixels, 4 characters, 5 inches, 6 mm, 7 cm.
    qint32 ScaleUnits() const { return m_p.ScaleUnits; }
    void SetScaleUnits(qint32 Units);
    qint32 SearchColumn() const { return m_p.SearchColumn; }
    void SetSearchColumn(qint32 Col);
    // The key handling's on switch, saved under "Enabled" with the widget's state.
    bool KeyboardEnabled() const { return m_p.KeyboardEnabled; }
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
    // The Lets repaint unless they say otherwise; none raises an event.
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

    // ==== Row metrics, geometry and hit testing ====
    // ==== end of Row metrics, geometry and hit testing ====
public:

    // ==== Scroll bars and scrolling ====
    // ==== end of Scroll bars and scrolling ====
public:

    // ==== Painting: the body, caption, headers and drawing primitives ====
    // ==== end of Painting: the body, caption, headers and drawing primitives ====
public:

    // ==== Painting: cell content and the totals line ====
    // ==== end of Painting: cell content and the totals line ====
public:

    // ==== Column properties, sizing and saved layout ====
    // ==== end of Column properties, sizing and saved layout ====
public:

    // ==== Sorting ====
    // ==== end of Sorting ====
public:

    // ==== Selection and the current cell ====
    // ==== end of Selection and the current cell ====
public:

    // ==== Keyboard input ====
    // ==== end of Keyboard input ====
public:

    // ==== Search and filter ====
    // ==== end of Search and filter ====
public:

    // ==== CSV export and recordset fill ====
    // ==== end of CSV export and recordset fill ====
public:

    // ==== In-cell editing ====
    // ==== end of In-cell editing ====
public:

    // ==== Mouse input ====
    // ==== end of Mouse input ====
public:

    // ==== Cell tooltips ====
    // ==== end of Cell tooltips ====
public:

    // ==== Window messages: wheel, scroll bars, focus, leave ====
    // ==== end of Window messages: wheel, scroll bars, focus, leave ====
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
    // One paint pass when Draw is true; otherwise the repaint is remembered.
    void DrawGrid(bool Draw);
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

    // Cell attributes: one field of the cell's look changed; the changed marks of a cell.
    void ApplyCellFormat(qint32 Row, qint32 Col, const std::function<void(CellFormat&)>& Change);
    // A look setter: normalises the reference (nothing on a bad one), changes the look, repaints.
    void ChangeCellLook(qint32 Row, qint32 Col, const std::function<void(CellFormat&)>& Change);
    void SetCellChanged(qint32 Row, qint32 Col, bool Changed);
    void setCellFlag(qint32 Row, qint32 Col, qint32 Mask, bool Value);
    // Row attributes: the image index a row-image value names (error 9 for an unknown key or
    // without a list), and the value an image index shows as.
    qint32 imageIndexOf(const QVariant& Value) const;
    QVariant imageValueOf(qint32 Index) const;

    GridStore m_store;
    GridProperties m_p;
    QFont m_font;
    QString m_themeColorName;
    bool m_redraw = false;
    bool m_paintEnabled = false;
    bool m_pendingRepaint = false;
    qint32 m_paintPasses = 0;
    bool m_cellsChanged = false;
    const grid::ImageList* m_imageList = nullptr;
    qint16 m_expandRowImage = 0;
    std::function<qint64()> m_tickSource;
};

} // namespace grid
