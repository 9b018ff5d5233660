#pragma once

// What the grid tests share: plain colours, fonts of a known size, showing a grid with painting
// on, pictures, mouse events sent to its viewport, pixel counts, the error and event checks, and
// the selected rows.

#include "grid/QvGrid.h"

#include "platform/runtime/RuntimeError.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QSignalSpy>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace gridtest {

constexpr grid::OleColor White = grid::RGB(255, 255, 255);
constexpr grid::OleColor Black = grid::RGB(0, 0, 0);
constexpr grid::OleColor Grey = grid::RGB(128, 128, 128);
constexpr grid::OleColor Red = grid::RGB(255, 0, 0);
constexpr grid::OleColor Blue = grid::RGB(0, 0, 255);

// A monospaced font whose characters are all equally wide.
inline QFont fixedFont()
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(12);
    return font;
}

// A header and cell font one line of which is 16 px high.
inline QFont sixteenPixelFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    return font;
}

// No border, and the 16 px font for the cells and the headers.
inline void useBorderlessSixteenPixelFonts(grid::QvGrid& Grid)
{
    Grid.SetBorderStyle(0);
    Grid.SetFont(sixteenPixelFont());
    Grid.SetFontHeader(sixteenPixelFont());
}

// Shows the grid, turns painting on and paints it with its scroll bars laid out.
inline void showPainted(grid::QvGrid& Grid)
{
    Grid.show();
    Grid.SetRedraw(true);
    Grid.UpdateScrollBars();
    Grid.Refresh();
}

// Makes the viewport Height px high with the bars as they stand; answers the height it has then.
inline int setViewportHeight(grid::QvGrid& Grid, int Height)
{
    Grid.resize(Grid.width(), Height + Grid.height() - Grid.viewport()->height());
    return Grid.viewport()->height();
}

// A picture of Size in one colour.
inline QPixmap filled(QColor Colour, QSize Size = {4, 4})
{
    QPixmap pixmap(Size);
    pixmap.fill(Colour);
    return pixmap;
}

// A mouse event of Type at At, in viewport pixels.
inline void sendMouse(grid::QvGrid& Grid, QEvent::Type Type, QPoint At, Qt::MouseButton Button,
                      Qt::MouseButtons Buttons, Qt::KeyboardModifiers Modifiers = Qt::NoModifier)
{
    QMouseEvent event(Type, QPointF(At), Grid.viewport()->mapToGlobal(QPointF(At)), Button, Buttons, Modifiers);
    QApplication::sendEvent(Grid.viewport(), &event);
}

inline QRgb rgbOf(grid::OleColor Color) { return grid::ToQColor(Color).rgb(); }

// The pixels of Colour inside Area.
inline qint32 pixelsOf(const QImage& Image, const QRect& Area, QRgb Colour)
{
    qint32 count = 0;
    for (int y = Area.top(); y <= Area.bottom(); ++y)
        for (int x = Area.left(); x <= Area.right(); ++x)
            count += Image.pixel(x, y) == Colour;
    return count;
}

inline void expectError(runtime::ErrorNumber Number, const std::function<void()>& Call)
{
    try {
        Call();
        ADD_FAILURE() << "no error raised";
    } catch (const runtime::RuntimeError& e) {
        EXPECT_EQ(e.number(), Number);
    }
}

// The display rows whose selected flag is set.
inline std::vector<qint32> selectedRows(const grid::QvGrid& Grid)
{
    std::vector<qint32> rows;
    for (qint32 r = 0; r < Grid.Rows(); ++r) {
        if (Grid.RowSelected(r))
            rows.push_back(r);
    }
    return rows;
}

// The saved-set keys Change reported as changed, in order.
inline QStringList changedKeys(grid::QvGrid& Grid, const std::function<void()>& Change)
{
    QSignalSpy spy(&Grid, &grid::QvGrid::propertyChanged);
    Change();
    QStringList keys;
    for (const QList<QVariant>& arguments : spy)
        keys << arguments.at(0).toString();
    return keys;
}

// The current-cell events of one gesture (RowColChanged, SelectionChanged, Scroll), in the order
// the host heard them.
struct CurrentCellEvents {
    explicit CurrentCellEvents(grid::QvGrid& Grid)
    {
        QObject::connect(&Grid, &grid::QvGrid::RowColChanged, [this] { names << "RowColChanged"; });
        QObject::connect(&Grid, &grid::QvGrid::SelectionChanged, [this] { names << "SelectionChanged"; });
        QObject::connect(&Grid, &grid::QvGrid::Scroll, [this] { names << "Scroll"; });
    }
    QStringList names;
};

} // namespace gridtest
