// The grid's drawing primitives on an image: line and rectangle extents, gradients, the focus
// frame, the sort arrows, the button faces, the placing of cell parts, text and heading fitting.

#include "grid/GridDrawing.h"
#include "grid/GridTestSupport.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

using namespace grid;
using namespace gridtest;
using namespace grid::TextFormat;

namespace {

constexpr OleColor kWhite = RGB(255, 255, 255);
constexpr OleColor kInk = RGB(200, 30, 60);

// A white 40 x 40 image after Draw ran on it.
QImage drawn(const std::function<void(QPainter&)>& Draw, int Size = 40)
{
    QImage image(Size, Size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Draw(painter);
    painter.end();
    return image;
}

OleColor at(const QImage& Image, int X, int Y) { return FromQColor(Image.pixelColor(X, Y)); }

// The pixels of Colour in the image, as a set of points.
QList<QPoint> pixelsOf(const QImage& Image, OleColor Colour)
{
    QList<QPoint> points;
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            if (at(Image, x, y) == Colour)
                points << QPoint(x, y);
    return points;
}

QRect boundsOf(const QList<QPoint>& Points)
{
    QRect bounds;
    for (const QPoint& p : Points)
        bounds |= QRect(p, QSize(1, 1));
    return bounds;
}

TEST(GridDrawing, LinesLeaveOutTheirEndPixel)
{
    struct Case {
        const char* name;
        int x1, y1, x2, y2, width;
        QRect covered;
    };
    const Case cases[] = {
        {"left to right", 5, 10, 15, 10, 1, QRect(5, 10, 10, 1)},
        {"right to left", 15, 10, 5, 10, 1, QRect(6, 10, 10, 1)},
        {"top to bottom", 7, 2, 7, 30, 1, QRect(7, 2, 1, 28)},
        {"two wide", 5, 10, 15, 10, 2, QRect(5, 9, 10, 2)},
        {"three wide, vertical", 20, 5, 20, 9, 3, QRect(19, 5, 3, 4)},
        {"a single point", 5, 5, 5, 5, 1, QRect()},
    };
    for (const Case& c : cases) {
        const QImage image = drawn([&](QPainter& p) { DrawLine(p, c.x1, c.y1, c.x2, c.y2, kInk, c.width); });
        const QList<QPoint> ink = pixelsOf(image, kInk);
        EXPECT_EQ(boundsOf(ink), c.covered) << c.name;
        EXPECT_EQ(ink.size(), c.covered.width() * c.covered.height()) << c.name;
    }
}

TEST(GridDrawing, SlopedLineStopsBeforeItsEnd)
{
    const QImage image = drawn([](QPainter& p) { DrawLine(p, 0, 0, 4, 4, kInk, 1); });
    EXPECT_EQ(pixelsOf(image, kInk), (QList<QPoint>{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));
}

TEST(GridDrawing, RectanglesExcludeTheirRightAndBottomEdges)
{
    const QImage filled = drawn([](QPainter& p) { DrawRect(p, PixelRect{2, 3, 12, 8}, kInk, true); });
    EXPECT_EQ(boundsOf(pixelsOf(filled, kInk)), QRect(2, 3, 10, 5));
    EXPECT_EQ(pixelsOf(filled, kInk).size(), 50);

    const QImage framed = drawn([](QPainter& p) { DrawRect(p, PixelRect{2, 3, 12, 8}, kInk, false); });
    EXPECT_EQ(boundsOf(pixelsOf(framed, kInk)), QRect(2, 3, 10, 5));
    EXPECT_EQ(at(framed, 11, 7), kInk);
    EXPECT_EQ(at(framed, 6, 5), kWhite) << "a frame leaves the inside alone";

    const QImage empty = drawn([](QPainter& p) { DrawRect(p, PixelRect{12, 3, 2, 8}, kInk, true); });
    EXPECT_TRUE(pixelsOf(empty, kInk).isEmpty());
}

TEST(GridDrawing, GradientRunsFromTheFirstColourAtTheTopOrLeft)
{
    const OleColor from = RGB(0, 0, 0);
    const OleColor to = RGB(200, 200, 200);
    const QImage vertical = drawn([&](QPainter& p) { DrawGradient(p, PixelRect{0, 0, 40, 40}, from, to, true); });
    EXPECT_LT(vertical.pixelColor(20, 0).red(), 10);
    EXPECT_GT(vertical.pixelColor(20, 39).red(), 190);
    EXPECT_EQ(vertical.pixelColor(0, 20), vertical.pixelColor(39, 20)) << "one colour per row";

    const QImage horizontal = drawn([&](QPainter& p) { DrawGradient(p, PixelRect{0, 0, 40, 40}, from, to, false); });
    EXPECT_LT(horizontal.pixelColor(0, 20).red(), 10);
    EXPECT_GT(horizontal.pixelColor(39, 20).red(), 190);
    EXPECT_EQ(horizontal.pixelColor(20, 0), horizontal.pixelColor(20, 39)) << "one colour per column";
}

TEST(GridDrawing, FocusFrameInvertsEveryOtherPixelOfItsEdges)
{
    const QImage image = drawn([](QPainter& p) { DrawFocusRect(p, PixelRect{4, 4, 20, 14}); });
    const OleColor black = RGB(0, 0, 0);
    const auto inverted = [&](int x, int y) { return at(image, x, y) == black; };
    for (int x = 4; x < 19; ++x) {
        EXPECT_NE(inverted(x, 4), inverted(x + 1, 4)) << "top edge at " << x;
        EXPECT_NE(inverted(x, 13), inverted(x + 1, 13)) << "bottom edge at " << x;
    }
    for (int y = 5; y < 12; ++y) {
        EXPECT_NE(inverted(4, y), inverted(4, y + 1)) << "left edge at " << y;
        EXPECT_NE(inverted(19, y), inverted(19, y + 1)) << "right edge at " << y;
    }
    EXPECT_EQ(at(image, 10, 8), kWhite) << "inside";
    EXPECT_EQ(at(image, 20, 4), kWhite) << "right of the frame";
    EXPECT_FALSE(pixelsOf(image, black).isEmpty());

    // Drawn twice the frame is gone again.
    const QImage twice = drawn([](QPainter& p) {
        DrawFocusRect(p, PixelRect{4, 4, 20, 14});
        DrawFocusRect(p, PixelRect{4, 4, 20, 14});
    });
    EXPECT_TRUE(pixelsOf(twice, black).isEmpty());
}

TEST(GridDrawing, SortArrowsPointUpAndDown)
{
    const OleColor dark = TranslateColor(COLOR_3DDKSHADOW);
    const auto rowLengths = [&](qint32 Direction, int Width, int Height) {
        const QImage image = drawn([&](QPainter& p) { DrawSortArrow(p, 10, 10, Width, Height, Direction); });
        QList<int> lengths;
        for (int y = 10; y < 10 + Height; ++y) {
            int n = 0;
            for (int x = 0; x < image.width(); ++x)
                n += at(image, x, y) == dark ? 1 : 0;
            lengths << n;
        }
        return lengths;
    };
    EXPECT_EQ(rowLengths(2, 9, 5), (QList<int>{1, 3, 5, 7, 9})) << "up: the base at the bottom";
    EXPECT_EQ(rowLengths(1, 9, 5), (QList<int>{9, 7, 5, 3, 1})) << "down: the base at the top";
    EXPECT_EQ(rowLengths(1, 6, 3), (QList<int>{6, 4, 2})) << "the secondary arrow";
    EXPECT_EQ(rowLengths(0, 9, 5), (QList<int>{0, 0, 0, 0, 0})) << "no sort, no arrow";
}

TEST(GridDrawing, ButtonFacesChangeTheCallersRectangleAsDocumented)
{
    const FaceColors colors{RGB(10, 20, 30), RGB(200, 210, 220)};
    QImage image(40, 40, QImage::Format_RGB32);
    QPainter painter(&image);
    for (qint32 state : {2, 3}) {
        PixelRect r{0, 0, 30, 20};
        DrawButtonFace(painter, r, state, colors);
        EXPECT_EQ(r, (PixelRect{0, 0, 29, 20})) << "state " << state;
    }
    PixelRect normal{0, 0, 30, 20};
    DrawButtonFace(painter, normal, 1, colors);
    EXPECT_EQ(normal, (PixelRect{0, 0, 30, 20}));

    PixelRect button{0, 0, 30, 20};
    DrawCellButton(painter, nullptr, button, 1, colors);
    EXPECT_EQ(button, (PixelRect{0, 0, 31, 21}));
}

TEST(GridDrawing, ButtonFramesUseTheirExactColours)
{
    const FaceColors colors{RGB(10, 20, 30), RGB(200, 210, 220)};
    const PixelRect r{0, 0, 30, 20};
    struct Case {
        const char* name;
        qint32 state;
        bool caption, variant;
        QPoint point;
        OleColor colour;
    };
    const Case cases[] = {
        {"normal: the face", 1, false, false, {10, 8}, TranslateColor(COLOR_BTNFACE)},
        {"normal: lowest band", 1, false, false, {10, 19}, RGB(197, 194, 178)},
        {"normal: left light line", 1, false, false, {0, 5}, kWhite},
        {"caption: shade above the white line", 1, true, false, {10, 18}, RGB(172, 168, 153)},
        {"hot: the face", 2, false, false, {10, 8}, RGB(250, 248, 243)},
        {"hot: lowest band starts two in", 2, false, false, {2, 19}, RGB(249, 177, 25)},
        {"hot: lowest band leaves the corner", 2, false, false, {1, 19}, RGB(250, 248, 243)},
        {"pressed: right shade", 3, false, false, {28, 10}, RGB(128, 124, 113)},
        {"tinted normal: face", 1, false, true, {10, 8}, BlendColors(colors.From, colors.To, 128)},
        {"tinted pressed: face", 3, false, true, {10, 8}, colors.To},
    };
    for (const Case& c : cases) {
        const QImage image = drawn([&](QPainter& p) { DrawButtonFrame(p, r, c.state, c.caption, c.variant, colors); });
        EXPECT_EQ(at(image, c.point.x(), c.point.y()), c.colour) << c.name;
    }
    const QImage none = drawn([&](QPainter& p) { DrawButtonFrame(p, r, 4, false, false, colors); });
    EXPECT_EQ(pixelsOf(none, kWhite).size(), 40 * 40) << "an unknown state draws nothing";
}

TEST(GridDrawing, StyledFacesFrameHotAndPressedStatesInTheSecondColour)
{
    const FaceColors colors{RGB(100, 120, 140), RGB(10, 200, 30)};
    for (qint32 state : {2, 3}) {
        const QImage image = drawn([&](QPainter& p) { DrawStyledRect(p, PixelRect{0, 0, 30, 20}, state, false, false, colors); });
        EXPECT_EQ(at(image, 0, 0), colors.To) << state;
        EXPECT_EQ(at(image, 29, 19), colors.To) << state;
    }
}

TEST(GridDrawing, ThemePartsDrawOnlyUnderVisualStyles)
{
    const PixelRect r{0, 0, 30, 30};
    bool result = true;
    const QImage plain = drawn([&](QPainter& p) { result = DrawThemePart(p, nullptr, QStringLiteral("Header"), 1, 1, r); });
    EXPECT_FALSE(result);
    EXPECT_EQ(pixelsOf(plain, kWhite).size(), 40 * 40);

    setVisualStyle(VisualStyle{true, QStringLiteral("NormalColor")});
    const QImage header = drawn([&](QPainter& p) { result = DrawThemePart(p, nullptr, QStringLiteral("Header"), 1, 3, r); });
    EXPECT_TRUE(result);
    EXPECT_LT(pixelsOf(header, kWhite).size(), 40 * 40);
    const QImage box = drawn([&](QPainter& p) { result = DrawThemePart(p, nullptr, QStringLiteral("Button"), 3, 5, r); });
    EXPECT_TRUE(result);
    EXPECT_LT(pixelsOf(box, kWhite).size(), 40 * 40);
    drawn([&](QPainter& p) { result = DrawThemePart(p, nullptr, QStringLiteral("Edit"), 1, 1, r); });
    EXPECT_FALSE(result) << "a part the grid does not use";
    setVisualStyle(VisualStyle{});
}

TEST(GridDrawing, ClassicCheckBoxShowsItsMarkOnlyWhenChecked)
{
    const OleColor mark = TranslateColor(COLOR_WINDOWTEXT);
    const PixelRect box{5, 5, 19, 19};
    const QImage checked = drawn([&](QPainter& p) {
        DrawFrameControl(p, box, FrameControl::DFC_BUTTON, FrameControl::DFCS_FLAT | FrameControl::DFCS_CHECKED);
    });
    const QImage unchecked =
        drawn([&](QPainter& p) { DrawFrameControl(p, box, FrameControl::DFC_BUTTON, FrameControl::DFCS_FLAT); });
    EXPECT_EQ(pixelsOf(checked, mark).size(), 21);
    EXPECT_TRUE(boundsOf(pixelsOf(checked, mark)).intersects(QRect(8, 8, 8, 8)));
    EXPECT_TRUE(pixelsOf(unchecked, mark).isEmpty());
}

TEST(GridDrawing, CellPartsArePlacedByTheAlignmentCode)
{
    ColumnInfo column;
    column.Left = 10;
    column.WidthPx = 40;
    const CellPartSizes sizes{16, 20, 12};
    struct Case {
        const char* name;
        qint32 alignment;
        qint32 imageAlignment;
        qint32 part;
        PixelRect expected;
    };
    // Row top 100, row height 24, row-number column 5 px wide.
    const Case cases[] = {
        {"cell, left top", 0, 0, 0, {5 + 11, 102, 5 + 51, 126}},
        {"check box, left top", 0, 0, 1, {16, 102, 32, 118}},
        {"check box, centred", 5, 0, 1, {5 + 22, 104, 5 + 38, 120}},
        {"check box, right bottom", 10, 0, 1, {5 + 33, 106, 5 + 49, 122}},
        {"image by its own alignment", 0, 6, 2, {5 + 29, 106, 5 + 49, 118}},
        {"an unknown part is empty", 0, 0, 7, {16, 102, 16, 102}},
        {"an invalid code places at the origin", 3, 0, 1, {5, 0, 21, 16}},
    };
    for (const Case& c : cases) {
        column.Alignment = c.alignment;
        column.ImageAlignment = c.imageAlignment;
        EXPECT_EQ(GetCellPartRect(column, 24, 100, c.part, sizes, 5), c.expected) << c.name;
    }
}

TEST(GridDrawing, CentringRoundsHalvesToEven)
{
    ColumnInfo column;
    column.Left = 0;
    column.WidthPx = 21;
    column.Alignment = 1;
    // 21 / 2 - 16 / 2 = 2.5, which rounds to 2.
    EXPECT_EQ(GetCellPartRect(column, 20, 0, 1, CellPartSizes{16, 0, 0}, 7).Left, 7 + 2);
}

TEST(GridDrawing, TextMeasuresWithoutPrefixesAndWrapsAtSpaces)
{
    const QFontMetrics metrics(fixedFont());
    const auto widthOf = [&](int Characters) { return metrics.horizontalAdvance(QString(Characters, QLatin1Char('x'))); };
    const int line = metrics.height();

    PixelRect single{0, 0, 1000, 0};
    EXPECT_EQ(CalcTextRect(fixedFont(), QStringLiteral("a&b"), single, DT_SINGLELINE), line);
    EXPECT_EQ(single, (PixelRect{0, 0, widthOf(3), line})) << "the ampersand is a character";
    CalcTextRect(fixedFont(), QStringLiteral("a\r\nb\rc\td"), single, DT_SINGLELINE);
    EXPECT_EQ(single.Right, widthOf(7)) << "each line break and tab is one blank";

    PixelRect wrapped{0, 0, widthOf(9), 0};
    EXPECT_EQ(CalcTextRect(fixedFont(), QStringLiteral("one two three four"), wrapped, DT_WORDBREAK), 3 * line);
    EXPECT_EQ(wrapped.Right, widthOf(7)) << "\"one two\" is the widest line";

    PixelRect lines{0, 0, 1000, 0};
    EXPECT_EQ(CalcTextRect(fixedFont(), QStringLiteral("a\r\nbb"), lines, 0), 2 * line);
}

TEST(GridDrawing, TextIsAlignedClippedAndEllipsised)
{
    const QFont font = fixedFont();
    const QFontMetrics metrics(font);
    const int ch = metrics.horizontalAdvance(QLatin1Char('x'));
    const auto textImage = [&](const QString& Text, PixelRect Rect, qint32 Format) {
        QImage image(200, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        DrawTextAW(painter, Text, -1, Rect, Format);
        return image;
    };
    const auto isInk = [](const QImage& Image, int X, int Y) { return Image.pixelColor(X, Y).red() < 128; };
    const auto inkOf = [&](const QString& Text, PixelRect Rect, qint32 Format) {
        const QImage image = textImage(Text, Rect, Format);
        QRect bounds;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (isInk(image, x, y))
                    bounds |= QRect(x, y, 1, 1);
        return bounds;
    };
    const PixelRect box{10, 0, 110, 40};
    const QRect left = inkOf(QStringLiteral("WW"), box, DT_SINGLELINE);
    const QRect right = inkOf(QStringLiteral("WW"), box, DT_SINGLELINE | DT_RIGHT);
    const QRect centred = inkOf(QStringLiteral("WW"), box, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    EXPECT_LT(left.left(), 10 + ch);
    EXPECT_GT(right.right(), 110 - ch);
    EXPECT_NEAR(centred.center().x(), 60, ch);
    EXPECT_NEAR(centred.center().y(), 20, metrics.height() / 2);
    EXPECT_LT(left.bottom(), 20) << "without single line the text stays at the top";
    EXPECT_LT(inkOf(QStringLiteral("WW"), box, DT_VCENTER).bottom(), 20) << "vertical centring needs single line";

    const QString longText(25, QLatin1Char('W'));
    EXPECT_LE(inkOf(longText, box, DT_SINGLELINE).right(), 109) << "clipped to the rectangle";

    // Cut short, the text ends in dots: the last column of ink sits low in the line.
    const QRect ink = inkOf(longText, box, DT_SINGLELINE | DT_WORD_ELLIPSIS);
    const QImage cut = textImage(longText, box, DT_SINGLELINE | DT_WORD_ELLIPSIS);
    int lastColumnTop = 40;
    for (int y = 0; y < 40; ++y)
        if (isInk(cut, ink.right(), y))
            lastColumnTop = std::min(lastColumnTop, y);
    EXPECT_GT(lastColumnTop, ink.top() + metrics.ascent() / 2) << "a dot, not a letter, ends the text";
}

TEST(GridDrawing, HeadingsFitIntoLinesWithAnEllipsisAtTheLimit)
{
    const QFontMetrics metrics(fixedFont());
    const int width = metrics.horizontalAdvance(QString(10, QLatin1Char('x')));
    struct Case {
        const char* name;
        QString text;
        qint32 maxLines;
        QString expected;
    };
    const Case cases[] = {
        {"fits on one line", QStringLiteral("  short  "), -1, QStringLiteral("short")},
        // A line breaks as soon as it is as wide as the width.
        {"broken after spaces", QStringLiteral("alpha beta gamma delta"), -1,
         QStringLiteral("alpha\r\nbeta\r\ngamma\r\ndelta")},
        {"a long word stays whole", QStringLiteral("abcdefghijklmnop"), -1, QStringLiteral("abcdefghijklmnop")},
        {"line breaks become spaces", QStringLiteral("a\r\nb"), -1, QStringLiteral("a b")},
        {"limit not reached", QStringLiteral("alpha beta"), 2, QStringLiteral("alpha\r\nbeta")},
        // The rest of the line, less its last character, joins without a break before the cut.
        {"limit reached", QStringLiteral("alpha beta gamma delta"), 1, QStringLiteral("alphab...")},
        {"digits are break points", QStringLiteral("abc1def2ghi3jkl"), -1, QStringLiteral("abc1def2\r\nghi3jkl")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitTextToWidth(metrics, c.text, width, c.maxLines), c.expected) << c.name;
}

} // namespace
