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
    m_p.FontHeader = m_font;
    m_p.AllowColumnResizing = true;
    m_p.ShowRowNumbersVary = false;
    m_p.ThemeCustomColorFrom = TranslateColor(m_p.ThemeCustomColorFrom);
    m_p.ThemeCustomColorTo = TranslateColor(m_p.ThemeCustomColorTo);
    applyThemeColors();
    applyBorderStyle();
    setFrameShadow(QFrame::Sunken);
    PrepareInput();
    CalcRowMetrics();
}

void QvGrid::connectStore()
{
    GridStore::Hooks hooks;
    hooks.RowCountChanged = [this] { emit RowCountChanged(); };
    hooks.SelectionChanged = [this] { emit SelectionChanged(); };
    hooks.RefreshIfRedraw = [this] { RefreshIfRedraw(); };
    hooks.SetRedrawFlag = [this](bool On) { SetRedrawFlag(On); };
    hooks.DrawGrid = [this] { DrawGrid(m_paintEnabled); };
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
    HoverRow = -1;
    HoverCol = -1;
    HotHeader = -1;
    AnchorRow = -1;
    PressedCol = -1;
    SwapCol = -1;
    DragCol = -1;
    ResizeCol = -1;
    ResizeRow = -1;
    DragSelectArmed = false;
    AutoScrollDirection = 0;
    SortCol1 = -1;
    SortCol2 = -1;
    DiscardCellEdit();
    CancelToolTip();
    DrawGrid(true);
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
        DrawGrid(true);
    }
    QScrollBar* columns = horizontalScrollBar();
    if (columns->value() < m_p.FreezeAtCol + 1)
        columns->setValue(m_p.FreezeAtCol + 1);
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
    DrawGrid(m_paintEnabled);
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
    switch (m_p.ScaleUnits) {
    case 2: return 20.0;
    case 3: return 1440.0 / logicalDpiX();
    case 4: return 120.0;
    case 5: return 1440.0;
    case 6: return 1440.0 / 25.4;
    case 7: return 1440.0 / 2.54;
    default: return 1.0;
    }
}

double QvGrid::ScaleXToPixels(double Width) const { return Width * twipsPerUnitX() * logicalDpiX() / 1440.0; }

double QvGrid::PixelsToScaleX(double Pixels) const { return Pixels * 1440.0 / logicalDpiX() / twipsPerUnitX(); }

void QvGrid::applyThemeColors()
{
    const ThemeColors current{m_p.ThemeCustomColorFrom, m_p.ThemeCustomColorTo, m_p.BackColorBkg,
                              m_p.BackColor,            m_p.ForeColor,          m_p.BackColorSel,
                              m_p.ForeColorSel,         m_p.FocusRectColor,     m_p.GridColor};
    const ThemeColors next = RefreshThemeColors(current, m_p.ThemeColor, m_p.FocusRowHighlightStyle, m_themeColorName);
    m_p.ThemeCustomColorFrom = next.ThemeCustomColorFrom;
    m_p.ThemeCustomColorTo = next.ThemeCustomColorTo;
    m_p.BackColorBkg = next.BackColorBkg;
    m_p.BackColor = next.BackColor;
    m_p.ForeColor = next.ForeColor;
    m_p.BackColorSel = next.BackColorSel;
    m_p.ForeColorSel = next.ForeColorSel;
    m_p.FocusRectColor = next.FocusRectColor;
    m_p.GridColor = next.GridColor;
    applyDefaultLook();
    applySurfaceColor(m_p.BackColorBkg);
}

void QvGrid::OnThemeChanged()
{
    emit ThemeChanged();
    applyThemeColors();
    DrawGrid(m_paintEnabled);
}

void QvGrid::changeEvent(QEvent* Event)
{
    QAbstractScrollArea::changeEvent(Event);
    if (Event->type() == QEvent::StyleChange || Event->type() == QEvent::PaletteChange)
        OnThemeChanged();
}

void QvGrid::applyDefaultLook() { m_store.SetDefaultLook(m_p.BackColor, m_p.ForeColor, m_font.family()); }

void QvGrid::applyBorderStyle() { setFrameShape(m_p.BorderStyle == 0 ? QFrame::NoFrame : QFrame::Panel); }

void QvGrid::applySurfaceColor(OleColor Color)
{
    ui::setBackColor(viewport(), Color);
}

} // namespace grid
