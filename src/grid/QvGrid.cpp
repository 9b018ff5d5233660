#include "grid/QvGrid.h"

#include "platform/ui/Colors.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QScrollBar>

namespace grid {

QvGrid::QvGrid(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    connectStore();
    // A newly placed grid: both fonts are the container's, and a few settings start other than
    // their saved-set defaults.
    m_font = font();
    m_props.FontHeader = m_font;
    m_props.AllowColumnResizing = true;
    m_props.ShowRowNumbersVary = false;
    m_props.ThemeCustomColorFrom = TranslateColor(m_props.ThemeCustomColorFrom);
    m_props.ThemeCustomColorTo = TranslateColor(m_props.ThemeCustomColorTo);
    applyThemeColors();
    applyBorderStyle();
    setFrameShadow(QFrame::Sunken);
    prepareInput();
    CalcRowMetrics();
}

void QvGrid::connectStore()
{
    GridStore::Hooks hooks;
    hooks.RowCountChanged = [this] { emit RowCountChanged(); };
    hooks.SelectionChanged = [this] { emit SelectionChanged(); };
    hooks.RefreshIfRedraw = [this] { RefreshIfRedraw(); };
    hooks.SetRedrawFlag = [this](bool On) { SetRedrawFlag(On); };
    hooks.DrawGrid = [this] { drawGrid(m_paintEnabled); };
    hooks.Cleared = [this] { onCleared(); };
    hooks.CurrentRowMoved = [this](qint32 Row) { m_store.SetCurRow(Row); };
    hooks.RowColSet = [this](qint32 Row, qint32 Col) { RowColSet(Row, Col); };
    hooks.CalcRowHeight = [this](qint32 Row) { RowLayoutChanged(); CalcRowHeight(Row); };
    hooks.ScaleXToPixels = [this](double Width) { return ScaleXToPixels(Width); };
    hooks.VisibleWidth = [this] { return PixelsToScaleX(viewport()->width()); };
    m_store.SetHooks(std::move(hooks));
}

void QvGrid::onCleared()
{
    // An emptied grid paints nothing more until the host asks again; the empty grid shows once.
    m_redraw = false;
    m_paintEnabled = false;
    m_cellsChanged = false;
    // Nothing the mouse, a sort or an edit was tracking survives the rows.
    m_hoverRow = -1;
    m_hoverCol = -1;
    m_hoverHeading = false;
    HotHeader = -1;
    m_anchorRow = -1;
    m_pressedCol = -1;
    m_swapCol = -1;
    m_dragCol = -1;
    m_resizeCol = -1;
    m_resizeRow = -1;
    m_dragSelectArmed = false;
    AutoScrollDirection = 0;
    SortCol1 = -1;
    SortCol2 = -1;
    discardCellEdit();
    cancelToolTip();
    drawGrid(true);
}

void QvGrid::SetRedraw(bool On)
{
    m_paintEnabled = On;
    m_redraw = On;
    emit propertyChanged(QStringLiteral("Redraw"));
    if (!On)
        m_pendingRepaint = false;
    else if (m_pendingRepaint) {
        LayoutPostponedWhilePaintingOff();
        drawGrid(true);
    }
    QScrollBar* columns = horizontalScrollBar();
    if (columns->value() < m_props.FreezeAtCol + 1)
        columns->setValue(m_props.FreezeAtCol + 1);
}

qint64 QvGrid::TickCount() const
{
    if (m_tickSource)
        return m_tickSource();
    static const QElapsedTimer started = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return started.elapsed();
}

void QvGrid::Refresh()
{
    CalcRowMetrics();
    UpdateScrollBars();
    drawGrid(m_paintEnabled);
}

void QvGrid::RefreshIfRedraw()
{
    if (m_paintEnabled)
        Refresh();
    else
        m_pendingRepaint = true;
}

double QvGrid::twipsPerUnitX() const
{
    switch (scaleUnit()) {
    case ScaleUnit::Points: return 20.0;
    case ScaleUnit::Pixels: return 1440.0 / logicalDpiX();
    case ScaleUnit::Characters: return 120.0;
    case ScaleUnit::Inches: return 1440.0;
    case ScaleUnit::Millimetres: return 1440.0 / 25.4;
    case ScaleUnit::Centimetres: return 1440.0 / 2.54;
    default: return 1.0;
    }
}

double QvGrid::ScaleXToPixels(double Width) const { return Width * twipsPerUnitX() * logicalDpiX() / 1440.0; }

double QvGrid::PixelsToScaleX(double Pixels) const { return Pixels * 1440.0 / logicalDpiX() / twipsPerUnitX(); }

void QvGrid::applyThemeColors()
{
    const ThemeColors current{m_props.ThemeCustomColorFrom, m_props.ThemeCustomColorTo, m_props.BackColorBkg,
                              m_props.BackColor,            m_props.ForeColor,          m_props.BackColorSel,
                              m_props.ForeColorSel,         m_props.FocusRectColor,     m_props.GridColor};
    const ThemeColors next =
        RefreshThemeColors(current, m_props.ThemeColor, m_props.FocusRowHighlightStyle, m_themeColorName);
    m_props.ThemeCustomColorFrom = next.ThemeCustomColorFrom;
    m_props.ThemeCustomColorTo = next.ThemeCustomColorTo;
    m_props.BackColorBkg = next.BackColorBkg;
    m_props.BackColor = next.BackColor;
    m_props.ForeColor = next.ForeColor;
    m_props.BackColorSel = next.BackColorSel;
    m_props.ForeColorSel = next.ForeColorSel;
    m_props.FocusRectColor = next.FocusRectColor;
    m_props.GridColor = next.GridColor;
    applyDefaultLook();
    applySurfaceColor(m_props.BackColorBkg);
}

void QvGrid::OnThemeChanged()
{
    emit ThemeChanged();
    applyThemeColors();
    drawGrid(m_paintEnabled);
}

void QvGrid::changeEvent(QEvent* Event)
{
    QAbstractScrollArea::changeEvent(Event);
    if (Event->type() == QEvent::StyleChange || Event->type() == QEvent::PaletteChange)
        OnThemeChanged();
}

void QvGrid::applyDefaultLook() { m_store.SetDefaultLook(m_props.BackColor, m_props.ForeColor, m_font.family()); }

void QvGrid::applyBorderStyle() { setFrameShape(frameBorder() == Border::None ? QFrame::NoFrame : QFrame::Panel); }

void QvGrid::applySurfaceColor(OleColor Color)
{
    ui::setBackColor(viewport(), Color);
}

} // namespace grid
