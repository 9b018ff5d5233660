#include "platform/ui/Colors.h"

#include <QApplication>
#include <QPalette>

#include <array>

namespace ui {

namespace {

// Where the palette keeps each system colour, by index: the roles the desktop's own colours fill
// when Qt reads them from the system, and the nearest role for the rest.
struct PaletteEntry {
    QPalette::ColorGroup group = QPalette::Active;
    QPalette::ColorRole role = QPalette::Window;
};

constexpr PaletteEntry active(QPalette::ColorRole role) { return {QPalette::Active, role}; }

constexpr std::array<PaletteEntry, 31> kSystemColors = {{
    active(QPalette::Midlight),                 // 0 scroll bar trough
    active(QPalette::Dark),                     // 1 desktop
    active(QPalette::Highlight),                // 2 active caption
    active(QPalette::Dark),                     // 3 inactive caption
    active(QPalette::Window),                   // 4 menu
    active(QPalette::Base),                     // 5 window
    active(QPalette::Shadow),                   // 6 window frame
    active(QPalette::WindowText),               // 7 menu text
    active(QPalette::Text),                     // 8 window text
    active(QPalette::HighlightedText),          // 9 caption text
    active(QPalette::Button),                   // 10 active border
    active(QPalette::Button),                   // 11 inactive border
    active(QPalette::Dark),                     // 12 application workspace
    active(QPalette::Highlight),                // 13 highlight
    active(QPalette::HighlightedText),          // 14 highlighted text
    active(QPalette::Button),                   // 15 button face
    active(QPalette::Dark),                     // 16 button shadow
    {QPalette::Disabled, QPalette::Text},       // 17 grey (disabled) text
    active(QPalette::ButtonText),               // 18 button text
    active(QPalette::Light),                    // 19 inactive caption text
    active(QPalette::Light),                    // 20 button highlight
    active(QPalette::Shadow),                   // 21 3D dark shadow
    active(QPalette::Midlight),                 // 22 3D light
    active(QPalette::ToolTipText),              // 23 info text
    active(QPalette::ToolTipBase),              // 24 info background
    active(QPalette::Window),                   // 25 (no colour of its own)
    active(QPalette::Link),                     // 26 hot-tracked item
    active(QPalette::Highlight),                // 27 active caption gradient end
    active(QPalette::Dark),                     // 28 inactive caption gradient end
    active(QPalette::Highlight),                // 29 menu highlight
    active(QPalette::Window),                   // 30 menu bar
}};

} // namespace

QColor toQColor(quint32 color)
{
    if (color & 0x80000000u) {
        const quint32 index = color & 0xFFu;
        const PaletteEntry entry = index < kSystemColors.size() ? kSystemColors[index] : PaletteEntry{};
        return QApplication::palette().color(entry.group, entry.role);
    }
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
