#include "grid/CellToolTipWindow.h"

#include <QPainter>

namespace grid {

CellToolTipWindow::CellToolTipWindow(QWidget* Owner)
    : QWidget(Owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
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

} // namespace grid
