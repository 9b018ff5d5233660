// What the grid learns besides the plain mouse and key events: the wheel, the scroll bars' own
// gestures, the focus coming and going, and the mouse entering and leaving the grid.

#include "grid/QvGrid.h"

#include <QFocusEvent>
#include <QScrollBar>
#include <QWheelEvent>

namespace grid {

namespace {

// The scroll gestures, as the scroll bars report them.
enum ScrollCode : qint32 {
    LineUp = 0,
    LineDown = 1,
    PageUp = 2,
    PageDown = 3,
    ThumbTrack = 5,
    Top = 6,
    Bottom = 7,
    EndScroll = 8,
};

constexpr qint32 Horizontal = 0;
constexpr qint32 Vertical = 1;

// The gesture of a scroll-bar action; -1 for one that scrolls nothing.
qint32 scrollCodeOf(int Action)
{
    switch (Action) {
    case QAbstractSlider::SliderSingleStepSub: return LineUp;
    case QAbstractSlider::SliderSingleStepAdd: return LineDown;
    case QAbstractSlider::SliderPageStepSub: return PageUp;
    case QAbstractSlider::SliderPageStepAdd: return PageDown;
    case QAbstractSlider::SliderMove: return ThumbTrack;
    case QAbstractSlider::SliderToMinimum: return Top;
    case QAbstractSlider::SliderToMaximum: return Bottom;
    default: return -1;
    }
}

} // namespace

void QvGrid::prepareInput()
{
    viewport()->setMouseTracking(true);
    viewport()->setAcceptDrops(true);
    for (const qint32 bar : {Horizontal, Vertical}) {
        QScrollBar* scrollBar = bar == Horizontal ? horizontalScrollBar() : verticalScrollBar();
        connect(scrollBar, &QAbstractSlider::actionTriggered, this, [this, bar, scrollBar](int Action) {
            const qint32 code = scrollCodeOf(Action);
            if (code == -1)
                return;
            // The bar has already moved its slider by its own step; the grid decides the position.
            const qint32 track = scrollBar->sliderPosition();
            scrollBar->setSliderPosition(scrollBar->value());
            scrollBarGesture(bar, code, false, track);
        });
        connect(scrollBar, &QAbstractSlider::sliderReleased, this,
                [this, bar] { scrollBarGesture(bar, EndScroll, false, 0); });
    }
}

void QvGrid::wheelEvent(QWheelEvent* Event)
{
    const QPoint delta = Event->angleDelta();
    const qint32 notch = delta.y() != 0 ? delta.y() : delta.x();
    Event->accept();
    if (notch == 0)
        return;
    // One notch of either size is one step; Ctrl turns the wheel to the columns.
    const qint32 bar = (Event->modifiers() & Qt::ControlModifier) ? Horizontal : Vertical;
    scrollBarGesture(bar, notch < 0 ? LineDown : LineUp, true, 0);
}

void QvGrid::scrollBarGesture(qint32 Bar, qint32 Code, bool Wheel, qint32 TrackPosition)
{
    m_lastKeyCode = 0;
    const qint32 columnsBefore = SBGetValue(Horizontal);
    const qint32 rowsBefore = SBGetValue(Vertical);
    bool repaint = true;
    cancelToolTip();
    const qint32 position = SBGetValue(Bar);
    switch (Code) {
    case LineUp:
        if (SBGetVisible(Bar))
            SBSetValue(Bar, std::max(lineAbove(Bar, position, Wheel), SBGetMin(Bar)));
        break;
    case LineDown:
        if (SBGetVisible(Bar))
            SBSetValue(Bar, std::min(lineBelow(Bar, position, Wheel), SBGetMax(Bar)));
        break;
    case PageUp: SBSetValue(Bar, position - SBLargeChange(Bar)); break;
    case PageDown: SBSetValue(Bar, position + SBLargeChange(Bar)); break;
    case ThumbTrack:
        SBSetValue(Bar, TrackPosition);
        repaint = m_props.ScrollTrack;
        break;
    case Top: SBSetValue(Bar, SBGetMin(Bar)); break;
    case Bottom: SBSetValue(Bar, SBGetMax(Bar)); break;
    case EndScroll:
        if (!m_props.ScrollTrack) {
            drawGrid(m_paintEnabled);
            repaint = false;
        }
        break;
    default: break;
    }
    if (SBGetValue(Horizontal) == columnsBefore && SBGetValue(Vertical) == rowsBefore)
        return;
    UpdateCell(false);
    if (repaint)
        drawGrid(m_paintEnabled);
    emit Scroll();
}

qint32 QvGrid::lineAbove(qint32 Bar, qint32 Position, bool Wheel)
{
    qint32 next = 0;
    // A column step keeps its answer in NavColumn, as the keys' steps do.
    if (Bar == Horizontal) {
        next = m_metrics.NavColumn = selectableColFrom(Position, false, false);
    } else {
        next = selectableRowAbove(Position, Wheel ? 3 : 1, true);
    }
    return next > Position ? 0 : next;
}

qint32 QvGrid::lineBelow(qint32 Bar, qint32 Position, bool Wheel)
{
    qint32 next = 0;
    // A column step keeps its answer in NavColumn, as the keys' steps do.
    if (Bar == Horizontal) {
        next = m_metrics.NavColumn = selectableColFrom(Position, true, false);
    } else {
        next = selectableRowBelow(Position, Wheel ? 3 : 1, true);
    }
    return next < Position ? SBGetMax(Bar) : next;
}

void QvGrid::focusInEvent(QFocusEvent* Event)
{
    QAbstractScrollArea::focusInEvent(Event);
    if (m_props.FocusRectHide)
        drawGrid(m_paintEnabled, false);
}

void QvGrid::focusOutEvent(QFocusEvent* Event)
{
    QAbstractScrollArea::focusOutEvent(Event);
    if (m_props.FocusRectHide)
        drawGrid(m_paintEnabled, true);
}

void QvGrid::onMouseInside()
{
    if (m_mouseInside)
        return;
    m_mouseInside = true;
    emit MouseEnter();
}

void QvGrid::leaveEvent(QEvent* Event)
{
    QAbstractScrollArea::leaveEvent(Event);
    if (!m_mouseInside || pointerUnderToolTip())
        return;
    m_mouseInside = false;
    cancelToolTip();
    setHandPointer(false);
    setMousePointer(PointerDefault);
    drawColumnHeaders(false);
    emit MouseLeave();
}

} // namespace grid
