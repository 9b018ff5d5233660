#include "platform/ui/Colors.h"

#include <QApplication>
#include <QPalette>

namespace ui {

namespace {
QPalette::ColorRole systemRole(quint32 index)
{
    switch (index) {
    case 5: return QPalette::Base;          // window background
    case 8: return QPalette::Text;          // window text
    case 12: return QPalette::Dark;         // application workspace
    case 15: return QPalette::Button;       // button face
    case 18: return QPalette::ButtonText;   // button text
    case 13: return QPalette::Highlight;    // highlight
    case 14: return QPalette::HighlightedText;
    case 21: return QPalette::Shadow;       // dark 3D shadow
    case 22: return QPalette::Midlight;     // 3D light
    case 24: return QPalette::ToolTipBase;
    default: return QPalette::Window;
    }
}
} // namespace

QColor toQColor(quint32 color)
{
    if (color & 0x80000000u)
        return QApplication::palette().color(systemRole(color & 0xFFu));
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

void setBackColor(QWidget* control, quint32 color)
{
    QPalette palette = control->palette();
    const QColor c = toQColor(color);
    palette.setColor(QPalette::Base, c);
    palette.setColor(QPalette::Window, c);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

QColor backColor(const QWidget* control) { return control->palette().color(QPalette::Base); }

void setForeColor(QWidget* control, quint32 color)
{
    QPalette palette = control->palette();
    const QColor c = toQColor(color);
    palette.setColor(QPalette::Text, c);
    palette.setColor(QPalette::WindowText, c);
    palette.setColor(QPalette::ButtonText, c);
    control->setPalette(palette);
}

} // namespace ui
