#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

namespace ui {

// Places controls by a window's design measures, in twips (1440 per inch of the screen).
class TwipsPlacer {
public:
    explicit TwipsPlacer(const QWidget* window) : m_dpiX(window->logicalDpiX()), m_dpiY(window->logicalDpiY()) {}

    int x(int twips) const { return qRound(twips * m_dpiX / 1440.0); }
    int y(int twips) const { return qRound(twips * m_dpiY / 1440.0); }
    QRect rect(int left, int top, int width, int height) const { return {x(left), y(top), x(width), y(height)}; }

    // Names the control and gives it its designed place and size.
    template <class Control>
    Control* place(Control* control, const QString& name, int left, int top, int width, int height) const
    {
        control->setObjectName(name);
        control->setGeometry(rect(left, top, width, height));
        return control;
    }

private:
    int m_dpiX;
    int m_dpiY;
};

} // namespace ui
