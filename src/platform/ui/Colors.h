#pragma once

#include <QColor>
#include <QWidget>

// Colours as the windows give them: 32-bit values with red in the low byte (0x00BBGGRR), or a
// system colour (0x80000000 + index) that the palette supplies.
namespace ui {

constexpr quint32 kSystemWindowBackground = 0x80000005u;
constexpr quint32 kWhite = 0x00FFFFFFu;

// True for 0x80000000 + a system colour index the windows know (0 to 30).
constexpr bool isSystemColor(quint32 color)
{
    return (color & 0xFF000000u) == 0x80000000u && (color & 0x00FFFFFFu) <= 30u;
}

QColor toQColor(quint32 color);
// The background of a control (a text box, combo box, label or window).
void setBackColor(QWidget* control, quint32 color);
QColor backColor(const QWidget* control);
void setForeColor(QWidget* control, quint32 color);

} // namespace ui
