#include "grid/CellToolTipWindow.h"

#include <QAbstractScrollArea>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace grid {

namespace {

// Qt moves the focus on a click (ClickFocus) or a wheel turn (WheelFocus) only for the window
// system's own events, not for the copies passed on from here. Under the pointer lies the grid's
// surface, which takes no focus itself: the grid takes it as it would for the same input there.
void focusAsOnTheGrid(QWidget* Grid, const QEvent& Input)
{
    const Qt::FocusPolicy policy = Input.type() == QEvent::Wheel ? Qt::WheelFocus : Qt::ClickFocus;
    if (Input.spontaneous() && Grid->isEnabled() && (Grid->focusPolicy() & policy) == policy)
        Grid->setFocus(Qt::MouseFocusReason);
}

} // namespace

CellToolTipWindow::CellToolTipWindow(QAbstractScrollArea* Owner)
    : QWidget(Owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus), m_owner(Owner)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMouseTracking(true);
    hide();
}

void CellToolTipWindow::SetContent(const QString& Text, const QFont& Font, const PixelRect& TextRect, qint32 Format,
                                   const QRect& Geometry)
{
    m_text = Text;
    m_textRect = TextRect;
    m_format = Format;
    setFont(Font);
    setGeometry(Geometry);
    update();
}

void CellToolTipWindow::setVisible(bool Visible)
{
    // Qt gives the rest of a press (moves and the release) to the window it began on only while
    // that stays shown, and the grid hides its tooltip on every press: the window goes once the
    // buttons are up. QGuiApplication's buttons end the wait when a release never reached it.
    m_hideOnRelease = !Visible && m_buttons != Qt::NoButton && QGuiApplication::mouseButtons() != Qt::NoButton;
    if (!m_hideOnRelease)
        QWidget::setVisible(Visible);
}

void CellToolTipWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::ToolTipBase));
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setFont(font());
    PixelRect area = m_textRect;
    DrawTextAW(painter, m_text, -1, area, m_format | TextFormat::DT_NOPREFIX);
}

bool CellToolTipWindow::event(QEvent* Event)
{
    QWidget* surface = m_owner->viewport();
    switch (Event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(Event);
        if (mouse->type() != QEvent::MouseMove)
            m_buttons = mouse->buttons();
        if (mouse->type() == QEvent::MouseButtonPress || mouse->type() == QEvent::MouseButtonDblClick)
            focusAsOnTheGrid(m_owner, *Event);
        QMouseEvent passed(mouse->type(), surface->mapFromGlobal(mouse->globalPosition()), mouse->globalPosition(),
                           mouse->button(), mouse->buttons(), mouse->modifiers());
        // Qt tells a double click by the time of the pointer's last press, which a new mouse event
        // sets: the copy keeps the time of the press, so a second one on the grid pairs with it.
        passed.setTimestamp(mouse->timestamp());
        QCoreApplication::sendEvent(surface, &passed);
        if (m_hideOnRelease && m_buttons == Qt::NoButton)
            hide();
        return true;
    }
    case QEvent::Wheel: {
        const auto* wheel = static_cast<QWheelEvent*>(Event);
        QWheelEvent passed(surface->mapFromGlobal(wheel->globalPosition()), wheel->globalPosition(), wheel->pixelDelta(),
                           wheel->angleDelta(), wheel->buttons(), wheel->modifiers(), wheel->phase(), wheel->inverted());
        focusAsOnTheGrid(m_owner, *Event);
        QCoreApplication::sendEvent(surface, &passed);
        return true;
    }
    case QEvent::ContextMenu: {
        // Asked for by a right press here: the grid's surface and its parents answer it, as for a
        // request on the cell.
        const auto* request = static_cast<QContextMenuEvent*>(Event);
        QContextMenuEvent passed(request->reason(), surface->mapFromGlobal(request->globalPos()), request->globalPos(),
                                 request->modifiers());
        QCoreApplication::sendEvent(surface, &passed);
        Event->setAccepted(passed.isAccepted());
        return true;
    }
    case QEvent::Leave:
        if (!surface->rect().contains(surface->mapFromGlobal(QCursor::pos()))) {
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(m_owner, &leave);
        }
        return true;
    default:
        return QWidget::event(Event);
    }
}

} // namespace grid
