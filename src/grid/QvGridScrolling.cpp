// The grid's scroll bars: the range wrapper over the scroll area's bars, their ranges and
// visibility from the content, the resize handling and the timed auto-scroll.

#include "grid/FlatScrollBarStyle.h"
#include "grid/GridScrollRange.h"
#include "grid/QvGrid.h"

#include <QResizeEvent>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace grid {

namespace {

constexpr qint32 Horizontal = 0;
constexpr qint32 Vertical = 1;
constexpr qint32 RegularLook = 0;
constexpr qint32 FlatLook = 1;
constexpr qint64 AutoScrollPause = 25;

} // namespace

QScrollBar* QvGrid::sbBar(qint32 Bar) const
{
    return Bar == Horizontal ? horizontalScrollBar() : verticalScrollBar();
}

void QvGrid::sbApplyRange(qint32 Bar)
{
    QScrollBar* bar = sbBar(Bar);
    const qint32 page = m_sbPage[Bar == Horizontal ? 0 : 1];
    bar->setPageStep(std::max(page, 1));
    bar->setRange(bar->minimum(), HighestScrollPosition(bar->minimum(), SBGetMax(Bar), page));
}

qint32 QvGrid::SBGetValue(qint32 Bar) const
{
    const qint32 value = sbBar(Bar)->value();
    if (Bar != Horizontal && value > m_store.LastRow())
        return std::max(m_store.LastRow(), 0);
    return value;
}

void QvGrid::SBSetValue(qint32 Bar, qint32 Value)
{
    if (!SBGetVisible(Bar))
        return;
    if (Bar == Horizontal && Value <= m_props.FreezeAtCol)
        return;
    QScrollBar* bar = sbBar(Bar);
    if (Value != bar->value())
        bar->setValue(Value);
}

qint32 QvGrid::SBGetMin(qint32 Bar) const { return sbBar(Bar)->minimum(); }

void QvGrid::SBSetMin(qint32 Bar, qint32 Min)
{
    m_sbMax[Bar == Horizontal ? 0 : 1] = SBGetMax(Bar) + SBLargeChange(Bar);
    QScrollBar* bar = sbBar(Bar);
    bar->setRange(Min, std::max(Min, bar->maximum()));
    sbApplyRange(Bar);
}

qint32 QvGrid::SBGetMax(qint32 Bar) const { return m_sbMax[Bar == Horizontal ? 0 : 1]; }

void QvGrid::SBSetMax(qint32 Bar, qint32 Max)
{
    m_sbMax[Bar == Horizontal ? 0 : 1] = Max + SBLargeChange(Bar);
    sbApplyRange(Bar);
}

qint32 QvGrid::SBLargeChange(qint32 eBar) const { return m_sbPage[eBar == Horizontal ? 0 : 1]; }

void QvGrid::SetSBLargeChange(qint32 eBar, qint32 iLargeChange)
{
    const qint32 index = eBar == Horizontal ? 0 : 1;
    m_sbMax[index] = m_sbMax[index] - m_sbPage[index] + iLargeChange;
    m_sbPage[index] = iLargeChange;
    sbApplyRange(eBar);
}

bool QvGrid::SBGetVisible(qint32 Bar) const { return Bar == Horizontal ? m_sbHorzVisible : m_sbVertVisible; }

void QvGrid::SBSetVisible(qint32 Bar, bool Show)
{
    const Qt::ScrollBarPolicy policy = Show ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    if (Bar == Horizontal) {
        m_sbHorzVisible = Show;
        setHorizontalScrollBarPolicy(policy);
    } else {
        m_sbVertVisible = Show;
        setVerticalScrollBarPolicy(policy);
    }
}

void QvGrid::SBSetFlatStyle(qint32 Style)
{
    if (m_sbStandard)
        return;
    QStyle* look = nullptr;
    if (Style != RegularLook) {
        if (m_flatBarStyle == nullptr) {
            m_flatBarStyle = new FlatScrollBarStyle;
            m_flatBarStyle->setParent(this);
        }
        look = m_flatBarStyle;
    }
    if (shownBars() == ShownBars::Horizontal || shownBars() == ShownBars::Both)
        horizontalScrollBar()->setStyle(look);
    if (shownBars() == ShownBars::Vertical || shownBars() == ShownBars::Both)
        verticalScrollBar()->setStyle(look);
    m_sbFlatStyle = Style;
}

void QvGrid::sbAttach()
{
    m_sbAttached = true;
    if (barStyle() == BarStyle::Standard)
        m_sbStandard = true;
    else
        SBSetFlatStyle(m_sbFlatStyle);
}

void QvGrid::sbDetach()
{
    if (!m_sbAttached)
        return;
    if (!m_sbStandard) {
        horizontalScrollBar()->setStyle(nullptr);
        verticalScrollBar()->setStyle(nullptr);
    }
    m_sbAttached = false;
}

void QvGrid::SBStartUp()
{
    sbDetach();
    sbAttach();
    SBSetVisible(Horizontal, m_sbHorzVisible);
    SBSetVisible(Vertical, m_sbVertVisible);
    SBSetFlatStyle(FlatLook);
    SetSBLargeChange(Horizontal, 5);
    SetSBLargeChange(Vertical, 5);
    SBSetMin(Vertical, 0);
    SBSetMin(Horizontal, 0);
}

void QvGrid::ApplyScrollBarStyle()
{
    SBSetVisible(Horizontal, false);
    SBSetVisible(Vertical, false);
    sbDetach();
    sbAttach();
    SBSetVisible(Horizontal, shownBars() != ShownBars::Vertical);
    SBSetVisible(Vertical, shownBars() != ShownBars::Horizontal);
}

void QvGrid::UpdateScrollBars()
{
    if (m_store.Rows() == 0) {
        SBSetVisible(Horizontal, false);
        SBSetVisible(Vertical, false);
        return;
    }
    if (!m_sbAttached)
        SBStartUp();
    if (m_inScrollBarUpdate)
        return;
    m_inScrollBarUpdate = true;
    // Showing or hiding a bar changes the viewport; a second pass settles on the new size.
    for (int pass = 0; pass < 2; ++pass) {
        const QSize client = viewport()->size();

        qint32 columnsWidth = 0;
        for (qint32 position = 0; position < m_store.ColOrder().size(); ++position) {
            const ColumnInfo& column = columnAt(position);
            if (column.Visible)
                columnsWidth += column.WidthPx;
        }
        const qint32 lastColumn = m_store.Cols() - 1;
        bool showH = true;
        if (client.width() < columnsWidth) {
            SBSetMax(Horizontal, lastColumn - 1);
        } else {
            SBSetMax(Horizontal, lastColumn);
            showH = SBGetValue(Horizontal) > SBGetMin(Horizontal);
        }

        const std::vector<qint64>& tops = rowTops();
        const qint64 rowsHeight = tops.back();
        const qint32 lastRow = m_store.LastRow();
        bool showV = true;
        if (client.height() >= m_metrics.HeaderHeight + textHeight(m_font) + rowsHeight) {
            SBSetMax(Vertical, lastRow);
            SBSetValue(Vertical, 0);
            showV = false;
        } else {
            // Rows that fit counted from the bottom: every row whose height, with all below it,
            // fits under the header (hidden ones included).
            const qint64 room = qint64(client.height()) - m_metrics.HeaderHeight;
            const auto firstFitting = std::lower_bound(tops.begin(), tops.end() - 1, rowsHeight - room);
            const qint32 fit = lastRow + 1 - qint32(firstFitting - tops.begin());
            SBSetMax(Vertical, lastRow - fit + (m_props.TotalsLineShow ? 2 : 0));
        }

        SBSetVisible(Horizontal, showH && (shownBars() == ShownBars::Horizontal || shownBars() == ShownBars::Both));
        SBSetVisible(Vertical, showV && (shownBars() == ShownBars::Vertical || shownBars() == ShownBars::Both));
        if (viewport()->size() == client)
            break;
    }
    m_inScrollBarUpdate = false;
}

void QvGrid::LayoutPostponedWhilePaintingOff()
{
    if (!m_pendingRepaint)
        return;
    UpdateScrollBars();
    CalcRowMetrics();
}

void QvGrid::resizeEvent(QResizeEvent* Event)
{
    QAbstractScrollArea::resizeEvent(Event);
    if (m_inScrollBarUpdate)
        return;
    if (size() == m_controlSize) {
        drawGrid(m_paintEnabled);
        return;
    }
    m_controlSize = size();
    if (m_sbAttached) {
        if (m_store.CurRow() != -1)
            SBSetValue(Vertical, m_store.CurRow());
        else if (m_store.Rows() > 0)
            SBSetValue(Vertical, 0);
    }
    Refresh();
}

void QvGrid::scrollContentsBy(int, int)
{
    // Whoever moves a bar normally repaints next; a move that no paint followed by the time
    // control returns to the event loop gets one. A thumb dragged without ScrollTrack shows the
    // rows only when it is let go.
    const qint32 passes = m_paintPasses;
    QTimer::singleShot(0, this, [this, passes] {
        const bool thumbHeld = horizontalScrollBar()->isSliderDown() || verticalScrollBar()->isSliderDown();
        if (m_paintPasses == passes && !(thumbHeld && !m_props.ScrollTrack))
            drawGrid(m_paintEnabled);
    });
}

void QvGrid::ScrollToRow(qint32 Direction)
{
    AutoScrollDirection = Direction;
    if (!m_autoScrollScheduled)
        autoScrollStep();
}

void QvGrid::scheduleAutoScrollStep()
{
    m_autoScrollScheduled = true;
    QTimer::singleShot(AutoScrollPause, this, [this] {
        m_autoScrollScheduled = false;
        if (AutoScrollDirection == 0)
            return;
        if (TickCount() - m_autoScrollLastStep < AutoScrollPause)
            scheduleAutoScrollStep();
        else
            autoScrollStep();
    });
}

void QvGrid::autoScrollStep()
{
    const qint32 direction = AutoScrollDirection;
    const QScrollBar* bar = verticalScrollBar();
    const qint32 top = SBGetValue(Vertical);
    // The scrolling ends at the first or last reachable top row, and when the bar is hidden.
    if (direction == 0 || m_store.Rows() == 0 || !SBGetVisible(Vertical))
        return;
    if (direction == 1 ? top <= SBGetMin(Vertical) : top >= bar->maximum())
        return;

    // The current row is the top row left behind; under MultiSelect it is the row reached at the
    // top (upwards) or the last row shown (downwards), and the only selected one.
    m_store.SetCurRow(top);
    const qint32 newTop = direction == 1 ? selectableRowAbove(top, 1, false) : selectableRowBelow(top, 1, false);
    SBSetValue(Vertical, newTop);
    if (m_props.MultiSelect != 0) {
        const qint32 current =
            direction == 1 ? newTop : std::clamp(newTop + VisibleRowCount() - 1, 0, m_store.LastRow());
        m_store.SetCurRow(current);
        qint32 from = -1;
        qint32 to = -1;
        SelectRowRange(false, from, to);
        from = to = current;
        SelectRowRange(true, from, to);
    }

    emit RowColChanged();
    emit SelectionChanged();
    emit Scroll();
    drawGrid(m_paintEnabled);
    m_autoScrollLastStep = TickCount();
    scheduleAutoScrollStep();
}

} // namespace grid
