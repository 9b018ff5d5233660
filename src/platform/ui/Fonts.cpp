#include "platform/ui/Fonts.h"

#include <QApplication>
#include <QFont>
#include <QWidget>

namespace ui {

void useDesktopFonts(QApplication& app)
{
    static const struct {
        const char* family;
        const char* installed;
    } kSubstitutions[] = {
        {"MS Sans Serif", "Liberation Sans"},
        {"Arial", "Liberation Sans"},
        {"Verdana", "DejaVu Sans"},
        {"Courier New", "Liberation Mono"},
        {"Times New Roman", "Liberation Serif"},
    };
    for (const auto& s : kSubstitutions)
        QFont::insertSubstitution(QLatin1String(s.family), QLatin1String(s.installed));

    // the system font of the original desktop
    QFont system(QStringLiteral("MS Sans Serif"));
    system.setPointSizeF(8.25);
    app.setFont(system);
}

QFont boldFont(const QWidget* control)
{
    QFont font = control->font();
    font.setBold(true);
    return font;
}

} // namespace ui
