// The property setters: each stores its value, reports its saved-set key, then repaints as much as
// the change needs.

#include "grid/QvGrid.h"

namespace grid {

template <typename T>
void QvGrid::let(T& Field, const T& Value, const char* Key, Repaint Strength)
{
    Field = Value;
    emit propertyChanged(QString::fromLatin1(Key));
    repaintAfterLet(Strength);
}

void QvGrid::repaintAfterLet(Repaint Strength)
{
    if (Strength == Repaint::IfRedraw)
        RefreshIfRedraw();
    else if (Strength == Repaint::Now)
        drawGrid(m_paintEnabled);
}

void QvGrid::SetFont(const QFont& Font)
{
    m_font = Font;
    setFont(Font);
    applyDefaultLook();
    emit propertyChanged(QStringLiteral("Font"));
    CalcRowMetrics();
    setEditorFontSize(Font.pointSizeF());
    drawGrid(m_paintEnabled);
}

void QvGrid::SetFontHeader(const QFont& Font)
{
    let(m_props.FontHeader, Font, "FontHeader", Repaint::None);
    CalcRowMetrics();
    drawGrid(m_paintEnabled);
}

void QvGrid::SetApplySelectionToImages(bool On)
{
    let(m_props.ApplySelectionToImages, On, "ApplySelectionToImages", Repaint::Now);
}

void QvGrid::SetBackColor(OleColor Color)
{
    m_props.BackColor = Color;
    applyDefaultLook();
    applySurfaceColor(Color);
    emit propertyChanged(QStringLiteral("BackColor"));
    drawGrid(m_paintEnabled);
}

void QvGrid::SetBackColorBkg(OleColor Color)
{
    m_props.BackColorBkg = Color;
    emit propertyChanged(QStringLiteral("BackColorBkg"));
    applySurfaceColor(Color);
    RefreshIfRedraw();
}

void QvGrid::SetBackColorEdit(OleColor Color) { let(m_props.BackColorEdit, Color, "BackColorEdit", Repaint::None); }
void QvGrid::SetBackColorSel(OleColor Color) { let(m_props.BackColorSel, Color, "BackColorSel", Repaint::IfRedraw); }

void QvGrid::SetForeColor(OleColor Color)
{
    let(m_props.ForeColor, Color, "ForeColor", Repaint::None);
    applyDefaultLook();
}

void QvGrid::SetForeColorEdit(OleColor Color) { let(m_props.ForeColorEdit, Color, "ForeColorEdit", Repaint::None); }
void QvGrid::SetForeColorHdr(OleColor Color)
{
    let(m_props.ForeColorHdr, Color, "ForeColorHdr", Repaint::None);
    drawCaption();
    drawColumnHeaders(false);
}
void QvGrid::SetForeColorSel(OleColor Color) { let(m_props.ForeColorSel, Color, "ForeColorSel", Repaint::IfRedraw); }

void QvGrid::SetBackColorEvenRows(OleColor Color)
{
    let(m_props.BackColorEvenRows, Color, "BackColorEvenRows", Repaint::None);
}

void QvGrid::SetBackColorEvenRowsEnabled(bool On)
{
    let(m_props.BackColorEvenRowsEnabled, On, "BackColorEvenRowsEnabled", Repaint::None);
}

// The gradient pair belongs to the palette unless ThemeColor is custom: a value set under a preset
// is reported but dropped, and the preset's colour stays.
void QvGrid::SetThemeCustomColorFrom(OleColor Color)
{
    setCustomGradientColor(m_props.ThemeCustomColorFrom, Color, "ThemeColorFrom");
}

void QvGrid::SetThemeCustomColorTo(OleColor Color)
{
    setCustomGradientColor(m_props.ThemeCustomColorTo, Color, "ThemeColorTo");
}

void QvGrid::setCustomGradientColor(OleColor& Field, OleColor Color, const char* Key)
{
    const OleColor rgb = TranslateColor(Color);
    emit propertyChanged(QString::fromLatin1(Key));
    if (m_props.ThemeColor == ThemeCustom)
        Field = rgb;
    Refresh();
}

void QvGrid::SetGridColor(OleColor Color) { let(m_props.GridColor, Color, "GridColor", Repaint::Now); }

void QvGrid::SetCellProgressBarColor(OleColor Color)
{
    let(m_props.CellProgressBarColor, Color, "ProgressBarColor", Repaint::Now);
}

void QvGrid::SetAlphaBlendSelection(bool On)
{
    let(m_props.AlphaBlendSelection, On, "AlphaBlendSelection", Repaint::None);
}

void QvGrid::SetBorderStyle(qint32 Style)
{
    m_props.BorderStyle = Style;
    applyBorderStyle();
    emit propertyChanged(QStringLiteral("BorderStyle"));
}

void QvGrid::SetDisplayEllipsis(bool On) { let(m_props.DisplayEllipsis, On, "DisplayEllipsis", Repaint::IfRedraw); }
void QvGrid::SetFocusRectMode(qint32 Mode) { let(m_props.FocusRectMode, Mode, "FocusRectMode", Repaint::IfRedraw); }
void QvGrid::SetFocusRectColor(OleColor Color) { let(m_props.FocusRectColor, Color, "FocusRectColor", Repaint::None); }
void QvGrid::SetFocusRectStyle(qint32 Style)
{
    let(m_props.FocusRectStyle, Style, "FocusRectStyle", Repaint::IfRedraw);
}
void QvGrid::SetGridLines(qint32 Lines) { let(m_props.GridLines, Lines, "GridLines", Repaint::IfRedraw); }
void QvGrid::SetGridLineWidth(qint32 Width) { let(m_props.GridLineWidth, Width, "GridLineWidth", Repaint::Now); }

// Choosing the present palette again neither re-applies it nor repaints. No range check: 5 and any
// value from 7 up keep the present colours.
void QvGrid::SetThemeColor(qint32 Palette)
{
    if (Palette == m_props.ThemeColor)
        return;
    m_props.ThemeColor = Palette;
    emit propertyChanged(QStringLiteral("ThemeColor"));
    applyThemeColors();
    drawGrid(m_paintEnabled);
}

// No range check; a look outside 0-7 draws no header background.
void QvGrid::SetThemeStyle(qint32 Style) { let(m_props.ThemeStyle, Style, "ThemeStyle", Repaint::Now); }
void QvGrid::SetColumnHeaders(bool On)
{
    let(m_props.ColumnHeaders, On, "ShowColumnHeaders", Repaint::None);
    CalcRowMetrics();
    RefreshIfRedraw();
}
void QvGrid::SetCenterRowImage(bool On) { let(m_props.CenterRowImage, On, "CenterRowImage", Repaint::None); }
void QvGrid::SetScrollBars(qint32 Bars) { let(m_props.ScrollBars, Bars, "ScrollBars", Repaint::IfRedraw); }

void QvGrid::SetMinVerticalOffset(qint32 Offset)
{
    m_store.SetRowHeightPx(0);
    let(m_props.MinVerticalOffset, Offset, "MinVerticalOffset", Repaint::None);
    CalcRowMetrics();
    RefreshIfRedraw();
}

void QvGrid::SetColumnHeaderLines(qint16 Lines)
{
    if (Lines < 1)
        m_props.ColumnHeaderLines = 1;
    else
        let(m_props.ColumnHeaderLines, Lines, "ColumnHeaderLines", Repaint::None);
    CalcRowMetrics();
    RefreshIfRedraw();
}

void QvGrid::SetCaption(const QString& Caption)
{
    let(m_props.Caption, Caption, "Caption", Repaint::None);
    CalcRowMetrics();
    drawCaption();
    RefreshIfRedraw();
}

void QvGrid::SetCaptionAlignment(qint32 Alignment)
{
    let(m_props.CaptionAlignment, Alignment, "CaptionAlignment", Repaint::IfRedraw);
}

qint32 QvGrid::Appearance() const { return frameShadow() == QFrame::Sunken ? 1 : 0; }

void QvGrid::SetAppearance(qint32 Appearance)
{
    setFrameShadow(Appearance == 0 ? QFrame::Plain : QFrame::Sunken);
    emit propertyChanged(QStringLiteral("Appearance"));
}

void QvGrid::SetColumnHeaderSmall(bool On) { m_props.ColumnHeaderSmall = On; }
void QvGrid::SetScrollBarStyle(qint32 Style)
{
    let(m_props.ScrollBarStyle, Style, "ScrollBarStyle", Repaint::None);
    ApplyScrollBarStyle();
}
void QvGrid::SetTotalsLineShow(bool On) { let(m_props.TotalsLineShow, On, "TotalsLineShow", Repaint::IfRedraw); }

void QvGrid::SetFocusRowHighlightKeepTextForecolor(bool On)
{
    m_props.FocusRowHighlightKeepTextForecolor = On;
    emit propertyChanged(QStringLiteral("FocusRowHighlightKeepTextForecolor"));
    applyThemeColors();
    RefreshIfRedraw();
}

// The row-number column keeps its width while a cell is being edited: a change then is dropped.
void QvGrid::SetShowRowNumbers(bool On)
{
    if (!EditPending())
        let(m_props.ShowRowNumbers, On, "ShowRowNumbers", Repaint::Now);
}

void QvGrid::SetShowRowNumbersVary(bool On)
{
    if (!EditPending())
        let(m_props.ShowRowNumbersVary, On, "ShowRowNumbersVary", Repaint::Now);
}

void QvGrid::SetAllowColumnResizing(bool On)
{
    let(m_props.AllowColumnResizing, On, "AllowColumnResizing", Repaint::None);
}

void QvGrid::SetAllowRowResizing(bool On) { let(m_props.AllowRowResizing, On, "AllowRowResizing", Repaint::None); }
void QvGrid::SetAllowWordWrap(bool On) { let(m_props.AllowWordWrap, On, "AllowWordWrap", Repaint::Now); }
void QvGrid::SetRowCheckBoxes(bool On) { let(m_props.RowCheckBoxes, On, "CheckBoxes", Repaint::IfRedraw); }

void QvGrid::SetAllowColumnSwap(bool On)
{
    if (On)
        m_props.AllowColumnDrag = false;
    let(m_props.AllowColumnSwap, On, "ColumnSwap", Repaint::None);
}

void QvGrid::SetAllowColumnDrag(bool On)
{
    if (On)
        m_props.AllowColumnSwap = false;
    let(m_props.AllowColumnDrag, On, "ColumnDrag", Repaint::None);
}

void QvGrid::SetAllowColumnSort(bool On) { let(m_props.AllowColumnSort, On, "ColumnSort", Repaint::None); }

void QvGrid::SetAllowEdit(bool On)
{
    let(m_props.AllowEdit, On, "Editable", Repaint::None);
    if (On && focusFrame() == FocusFrame::None)
        m_props.FocusRectMode = 2;
}

void QvGrid::SetAllowDelete(bool On) { let(m_props.AllowDelete, On, "AllowDelete", Repaint::None); }
void QvGrid::SetAllowInsert(bool On) { let(m_props.AllowInsert, On, "AllowInsert", Repaint::None); }
void QvGrid::SetEditTrigger(qint32 Trigger) { let(m_props.EditTrigger, Trigger, "EditTrigger", Repaint::None); }
void QvGrid::SetEditMove(qint32 Move) { let(m_props.EditMove, Move, "EditMove", Repaint::None); }
void QvGrid::SetFocusRowHighlight(bool On) { let(m_props.FocusRowHighlight, On, "FullRowSelect", Repaint::IfRedraw); }

void QvGrid::SetFocusRowHighlightStyle(qint32 Style)
{
    m_props.FocusRowHighlightStyle = Style;
    emit propertyChanged(QStringLiteral("FocusRowHighlightStyle"));
    applyThemeColors();
    RefreshIfRedraw();
}

void QvGrid::SetFocusRectHide(bool On) { let(m_props.FocusRectHide, On, "HideSelection", Repaint::IfRedraw); }
// Turning hover off repaints at once so that no header stays hot.
void QvGrid::SetAllowColumnHover(bool On)
{
    let(m_props.AllowColumnHover, On, "HotHeaderTracking", Repaint::None);
    // No header may stay hot once tracking is off.
    if (!On)
        drawColumnHeaders(false);
}

void QvGrid::SetMultiSelect(qint32 Mode)
{
    m_store.SetMultiSelect(Mode != 0);
    let(m_props.MultiSelect, Mode, "MultiSelect", Repaint::None);
    if (Mode != 0)
        return;
    // Back to one selected row: the current one.
    qint32 from = -1;
    qint32 to = -1;
    if (m_store.Rows() > 0)
        SelectRowRange(false, from, to);
    RowColSet(-1, -1);
    RefreshIfRedraw();
}

void QvGrid::SetScrollTrack(bool On) { let(m_props.ScrollTrack, On, "ScrollTrack", Repaint::None); }
void QvGrid::SetAutoToolTips(bool On) { let(m_props.AutoToolTips, On, "AutoToolTips", Repaint::None); }

void QvGrid::SetEnabled(bool On)
{
    setEnabled(On);
    emit propertyChanged(QStringLiteral("Enabled"));
}

// The frozen columns never scroll: the first scrolling column becomes the leftmost one shown.
void QvGrid::SetFreezeAtCol(qint32 Col)
{
    let(m_props.FreezeAtCol, Col, "FreezeAtCol", Repaint::None);
    if (SBGetValue(0) < Col + 1)
        SBSetValue(0, Col + 1);
}

void QvGrid::SetCacheIncrement(qint32 Slots)
{
    m_store.SetCacheIncrement(Slots);
    let(m_props.CacheIncrement, m_store.CacheIncrement(), "CacheIncrement", Repaint::None);
}

void QvGrid::SetMaxLineCount(qint32 Lines) { let(m_props.MaxLineCount, Lines, "MaxLineCount", Repaint::IfRedraw); }

void QvGrid::SetMinRowHeight(qint32 Height)
{
    m_store.SetRowHeightPx(0);
    let(m_props.MinRowHeight, Height, "MinRowHeight", Repaint::None);
    CalcRowMetrics();
    RefreshIfRedraw();
}

void QvGrid::SetScaleUnits(qint32 Units) { let(m_props.ScaleUnits, Units, "ScaleUnits", Repaint::None); }
void QvGrid::SetSearchColumn(qint32 Col) { let(m_props.SearchColumn, Col, "SearchColumn", Repaint::None); }

} // namespace grid
