#include "grid/CellToolTipWindow.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace grid {

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
        QMouseEvent passed(mouse->type(), surface->mapFromGlobal(mouse->globalPosition()), mouse->globalPosition(),
                           mouse->button(), mouse->buttons(), mouse->modifiers());
        QCoreApplication::sendEvent(surface, &passed);
        return true;
    }
    case QEvent::Wheel: {
        const auto* wheel = static_cast<QWheelEvent*>(Event);
        QWheelEvent passed(surface->mapFromGlobal(wheel->globalPosition()), wheel->globalPosition(), wheel->pixelDelta(),
                           wheel->angleDelta(), wheel->buttons(), wheel->modifiers(), wheel->phase(), wheel->inverted());
        QCoreApplication::sendEvent(surface, &passed);
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
