#include "grid/GridDrawing.h"
#include "grid/RoundHalfEven.h"

#include "platform/ui/OneLineText.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QStringList>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace grid {

using namespace TextFormat;
using namespace FrameControl;

namespace {

OleColor systemColor(qint32 Index) { return TranslateColor(OleColor(0x80000000u | quint32(Index))); }

// The lines a text takes in a rectangle of Width pixels, each line's width and the widest.
struct TextLines {
    QStringList Lines;
    QList<qint32> Widths;
    qint32 Widest = 0;
};

// Greedy word wrapping at spaces; a word wider than Width keeps a line of its own.
QStringList wrapParagraph(const QFontMetrics& Metrics, const QString& Paragraph, qint32 Width)
{
    QStringList lines;
    QString line;
    bool lineStarted = false;
    for (const QString& word : Paragraph.split(QLatin1Char(' '))) {
        if (!lineStarted) {
            line = word;
            lineStarted = true;
            continue;
        }
        const QString longer = line + QLatin1Char(' ') + word;
        if (Metrics.horizontalAdvance(longer) <= Width) {
            line = longer;
        } else {
            lines << line;
            line = word;
        }
    }
    lines << line;
    return lines;
}

TextLines layoutText(const QFontMetrics& Metrics, QString Text, qint32 Width, qint32 Format)
{
    TextLines result;
    if (Format & DT_SINGLELINE) {
        result.Lines << ui::shownOnOneLine(Text);
    } else {
        Text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        Text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        for (const QString& paragraph : Text.split(QLatin1Char('\n'))) {
            if (Format & DT_WORDBREAK)
                result.Lines << wrapParagraph(Metrics, paragraph, Width);
            else
                result.Lines << paragraph;
        }
    }
    for (const QString& line : std::as_const(result.Lines)) {
        result.Widths << qint32(Metrics.horizontalAdvance(line));
        result.Widest = std::max(result.Widest, result.Widths.back());
    }
    return result;
}

qint32 measure(const QFontMetrics& Metrics, const QString& Text, PixelRect& Rect, qint32 Format)
{
    const TextLines text = layoutText(Metrics, Text, Rect.Width(), Format);
    const qint32 height = qint32(text.Lines.size()) * Metrics.height();
    Rect.Right = Rect.Left + text.Widest;
    Rect.Bottom = Rect.Top + height;
    return height;
}

void fill(QPainter& Painter, qint32 Left, qint32 Top, qint32 Width, qint32 Height, const QColor& Color)
{
    if (Width > 0 && Height > 0)
        Painter.fillRect(QRect(Left, Top, Width, Height), Color);
}

// A classic raised or sunken edge two pixels deep: outer and inner colours for the top-left and
// bottom-right sides.
void drawEdge(QPainter& Painter, const PixelRect& R, OleColor OuterTopLeft, OleColor OuterBottomRight,
              OleColor InnerTopLeft, OleColor InnerBottomRight)
{
    const auto frame = [&](const PixelRect& r, OleColor topLeft, OleColor bottomRight) {
        DrawLine(Painter, r.Left, r.Bottom - 1, r.Left, r.Top, topLeft, 1);
        DrawLine(Painter, r.Left, r.Top, r.Right - 1, r.Top, topLeft, 1);
        DrawLine(Painter, r.Left, r.Bottom - 1, r.Right - 1, r.Bottom - 1, bottomRight, 1);
        DrawLine(Painter, r.Right - 1, r.Top, r.Right - 1, r.Bottom, bottomRight, 1);
    };
    frame(R, OuterTopLeft, OuterBottomRight);
    frame(PixelRect{R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1}, InnerTopLeft, InnerBottomRight);
}

// The classic check mark, seven pixels square, centred in R.
void drawCheckMark(QPainter& Painter, const PixelRect& R, const QColor& Color)
{
    static constexpr qint32 firstRow[7] = {2, 3, 4, 3, 2, 1, 0};
    const qint32 x = R.Left + (R.Width() - 7) / 2;
    const qint32 y = R.Top + (R.Height() - 7) / 2;
    for (qint32 column = 0; column < 7; ++column)
        fill(Painter, x + column, y + firstRow[column], 1, 3, Color);
}

// Whether the horizontal part of an alignment code is valid, and which it is.
qint32 horizontalOf(qint32 Code) { return Code & 3; }
bool isValidAlignment(qint32 Code) { return Code >= 0 && Code <= 10 && (Code & 3) != 3; }

QStyle* styleOf(const QWidget* Widget) { return Widget ? Widget->style() : QApplication::style(); }

} // namespace

qint32 CalcTextRect(const QFont& Font, const QString& Text, PixelRect& Rect, qint32 Format)
{
    return measure(QFontMetrics(Font), Text, Rect, Format);
}

qint32 DrawTextAW(QPainter& Painter, const QString& Text, qint32 Count, PixelRect& Rect, qint32 Format)
{
    const QString text = Count < 0 ? Text : Text.left(Count);
    const QFontMetrics metrics = Painter.fontMetrics();
    if (Format & DT_CALCRECT)
        return measure(metrics, text, Rect, Format);

    const TextLines layout = layoutText(metrics, text, Rect.Width(), Format);
    const qint32 lineHeight = metrics.height();
    const qint32 height = qint32(layout.Lines.size()) * lineHeight;
    qint32 y = Rect.Top;
    if (Format & DT_SINGLELINE) {
        if (Format & DT_BOTTOM)
            y = Rect.Bottom - height;
        else if (Format & DT_VCENTER)
            y = Rect.Top + (Rect.Height() - height) / 2;
    }
    // Right-aligned and centred text would lose its start to the clip, so it is always elided;
    // left-aligned text only when asked to.
    const bool elide = (Format & (DT_WORD_ELLIPSIS | DT_END_ELLIPSIS | DT_RIGHT | DT_CENTER)) != 0;
    const bool markHiddenLines = (Format & (DT_WORD_ELLIPSIS | DT_END_ELLIPSIS)) != 0;
    const Qt::TextElideMode elideMode = (Format & DT_RIGHT) ? Qt::ElideLeft : Qt::ElideRight;
    const qint32 room = std::max(Rect.Width(), 0);

    // Only whole lines are drawn below the first, so a line that would be cut by the bottom edge
    // is left out rather than shown as a strip of ink.
    qsizetype shownLines = 1;
    while (shownLines < layout.Lines.size() && y + (shownLines + 1) * lineHeight <= Rect.Bottom)
        ++shownLines;

    const bool clip = (!elide && layout.Widest > Rect.Width()) || y < Rect.Top || y + lineHeight > Rect.Bottom;
    if (clip) {
        Painter.save();
        Painter.setClipRect(Rect.toQRect(), Qt::IntersectClip);
    }
    for (qsizetype i = 0; i < shownLines; ++i) {
        QString line = layout.Lines.at(i);
        qint32 width = layout.Widths.at(i);
        if (markHiddenLines && i + 1 == shownLines && shownLines < layout.Lines.size()) {
            // The last line shown says that more text follows.
            line = metrics.elidedText(line + QChar(0x2026), Qt::ElideRight, room);
            width = metrics.horizontalAdvance(line);
        } else if (elide && width > Rect.Width()) {
            line = metrics.elidedText(line, elideMode, room);
            width = metrics.horizontalAdvance(line);
        }
        qint32 x = Rect.Left;
        if (Format & DT_CENTER)
            x = Rect.Left + (Rect.Width() - width) / 2;
        else if (Format & DT_RIGHT)
            x = Rect.Right - width;
        Painter.drawText(QPoint(x, y + metrics.ascent()), line);
        y += lineHeight;
    }
    if (clip)
        Painter.restore();
    return height;
}

void DrawLine(QPainter& Painter, qint32 X1, qint32 Y1, qint32 X2, qint32 Y2, OleColor Color, qint32 Width)
{
    const qint32 w = std::max(Width, 1);
    const qint32 half = w / 2;
    const QColor colour = ToQColor(Color);
    if (Y1 == Y2) {
        const qint32 from = X2 >= X1 ? X1 : X2 + 1;
        fill(Painter, from, Y1 - half, std::abs(X2 - X1), w, colour);
        return;
    }
    if (X1 == X2) {
        const qint32 from = Y2 >= Y1 ? Y1 : Y2 + 1;
        fill(Painter, X1 - half, from, w, std::abs(Y2 - Y1), colour);
        return;
    }
    // Any other slope: the Bresenham steps, stopping before the end point.
    const qint32 dx = std::abs(X2 - X1);
    const qint32 dy = -std::abs(Y2 - Y1);
    const qint32 sx = X1 < X2 ? 1 : -1;
    const qint32 sy = Y1 < Y2 ? 1 : -1;
    qint32 error = dx + dy;
    for (qint32 x = X1, y = Y1; x != X2 || y != Y2;) {
        fill(Painter, x - half, y - half, w, w, colour);
        const qint32 e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void DrawRect(QPainter& Painter, const PixelRect& Rect, OleColor Color, bool Fill)
{
    if (Rect.IsEmpty())
        return;
    const QColor colour = ToQColor(Color);
    if (Fill) {
        Painter.fillRect(Rect.toQRect(), colour);
        return;
    }
    fill(Painter, Rect.Left, Rect.Top, Rect.Width(), 1, colour);
    fill(Painter, Rect.Left, Rect.Bottom - 1, Rect.Width(), 1, colour);
    fill(Painter, Rect.Left, Rect.Top, 1, Rect.Height(), colour);
    fill(Painter, Rect.Right - 1, Rect.Top, 1, Rect.Height(), colour);
}

void DrawGradient(QPainter& Painter, const PixelRect& Rect, OleColor ColorFrom, OleColor ColorTo, bool Vertical)
{
    if (Rect.IsEmpty())
        return;
    QLinearGradient gradient(Rect.Left, Rect.Top, Vertical ? Rect.Left : Rect.Right, Vertical ? Rect.Bottom : Rect.Top);
    gradient.setColorAt(0, ToQColor(ColorFrom));
    gradient.setColorAt(1, ToQColor(ColorTo));
    Painter.fillRect(Rect.toQRect(), gradient);
}

void DrawFocusRect(QPainter& Painter, const PixelRect& Rect)
{
    if (Rect.IsEmpty())
        return;
    Painter.save();
    Painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    Painter.setBrushOrigin(0, 0);
    const QBrush dots(Qt::white, Qt::Dense4Pattern);
    Painter.fillRect(QRect(Rect.Left, Rect.Top, Rect.Width(), 1), dots);
    if (Rect.Height() > 1)
        Painter.fillRect(QRect(Rect.Left, Rect.Bottom - 1, Rect.Width(), 1), dots);
    if (Rect.Height() > 2) {
        Painter.fillRect(QRect(Rect.Left, Rect.Top + 1, 1, Rect.Height() - 2), dots);
        if (Rect.Width() > 1)
            Painter.fillRect(QRect(Rect.Right - 1, Rect.Top + 1, 1, Rect.Height() - 2), dots);
    }
    Painter.restore();
}

void DrawFrameControl(QPainter& Painter, const PixelRect& Rect, qint32 Type, qint32 State)
{
    if (Type != DFC_BUTTON || Rect.IsEmpty())
        return;
    const OleColor face = systemColor(15);
    const OleColor shadow = systemColor(16);
    const OleColor highlight = systemColor(20);
    const OleColor darkShadow = systemColor(21);
    const OleColor light = systemColor(22);
    if (State & DFCS_BUTTONPUSH) {
        DrawRect(Painter, Rect, face, true);
        if (State & DFCS_PUSHED)
            drawEdge(Painter, Rect, shadow, highlight, darkShadow, light);
        else if (State & DFCS_FLAT)
            DrawRect(Painter, Rect, shadow, false);
        else
            drawEdge(Painter, Rect, highlight, darkShadow, light, shadow);
        return;
    }
    // A check box: the white well with a one-pixel frame (flat), dark enough to show an empty box
    // on a white row, or a sunken edge.
    DrawRect(Painter, Rect, systemColor(5), true);
    if (State & DFCS_FLAT)
        DrawRect(Painter, Rect, darkShadow, false);
    else
        drawEdge(Painter, Rect, shadow, highlight, darkShadow, light);
    if (State & DFCS_CHECKED)
        drawCheckMark(Painter, Rect, ToQColor(systemColor(8)));
}

bool DrawThemePart(QPainter& Painter, const QWidget* Widget, const QString& ClassName, qint32 Part, qint32 State,
                   const PixelRect& Rect)
{
    if (!IsThemeActive())
        return false;
    QStyle* style = styleOf(Widget);
    if (ClassName.compare(QLatin1String("Header"), Qt::CaseInsensitive) == 0 && Part == 1) {
        QStyleOptionHeader option;
        option.rect = Rect.toQRect();
        option.state = QStyle::State_Enabled | QStyle::State_Horizontal | QStyle::State_Raised;
        if (State == 2)
            option.state |= QStyle::State_MouseOver;
        else if (State == 3)
            option.state |= QStyle::State_Sunken;
        style->drawControl(QStyle::CE_HeaderSection, &option, &Painter, Widget);
        return true;
    }
    if (ClassName.compare(QLatin1String("Button"), Qt::CaseInsensitive) != 0 || (Part != 1 && Part != 3))
        return false;
    QStyleOptionButton option;
    option.rect = Rect.toQRect();
    // Push-button states run 1 normal, 2 hot, 3 pressed, 4 disabled, 5 default; a check box has
    // the same four for each of unchecked, checked and mixed.
    const qint32 look = Part == 3 ? (std::max(State, 1) - 1) % 4 : std::max(State, 1) - 1;
    option.state = look == 3 ? QStyle::State_None : QStyle::State_Enabled;
    if (look == 1)
        option.state |= QStyle::State_MouseOver;
    if (look == 2)
        option.state |= QStyle::State_Sunken;
    if (Part == 1) {
        option.state |= look == 2 ? QStyle::State_None : QStyle::State_Raised;
        if (State == 5)
            option.features |= QStyleOptionButton::DefaultButton;
        style->drawControl(QStyle::CE_PushButtonBevel, &option, &Painter, Widget);
        return true;
    }
    const qint32 mark = (std::max(State, 1) - 1) / 4;
    option.state |= mark == 1 ? QStyle::State_On : (mark == 2 ? QStyle::State_NoChange : QStyle::State_Off);
    // The box keeps its own size, centred in the rectangle, however tall the row.
    const QSize box = QSize(style->pixelMetric(QStyle::PM_IndicatorWidth, &option, Widget),
                            style->pixelMetric(QStyle::PM_IndicatorHeight, &option, Widget))
                          .boundedTo(option.rect.size());
    option.rect = QRect(option.rect.left() + (option.rect.width() - box.width()) / 2,
                        option.rect.top() + (option.rect.height() - box.height()) / 2, box.width(), box.height());
    style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &Painter, Widget);
    return true;
}

void DrawButtonFace(QPainter& Painter, PixelRect& Rect, qint32 State, const FaceColors& Colors)
{
    const OleColor white = RGB(255, 255, 255);
    PixelRect& r = Rect;
    if (State == 1) {
        DrawGradient(Painter, r, Colors.From, Colors.To, true);
        DrawLine(Painter, r.Left, r.Top, r.Right, r.Top, Colors.From, 1);
        DrawLine(Painter, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1, Colors.From, 1);
        DrawLine(Painter, r.Right - 2, r.Top + 2, r.Right - 2, r.Bottom - 4, Colors.To, 1);
        DrawLine(Painter, r.Left, r.Top + 3, r.Left, r.Bottom - 3, white, 1);
        return;
    }
    if (State != 2 && State != 3)
        return;
    r.Right -= 1;
    if (State == 2)
        DrawGradient(Painter, r, RGB(255, 255, 220), RGB(247, 192, 91), true);
    else
        DrawGradient(Painter, r, RGB(232, 127, 8), RGB(247, 218, 124), true);
    DrawLine(Painter, r.Left, r.Top, r.Right, r.Top, RGB(59, 97, 156), 1);
    DrawLine(Painter, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1, RGB(59, 97, 156), 1);
    DrawLine(Painter, r.Left, r.Top + 3, r.Left, r.Bottom - 3, white, 1);
}

void DrawButtonFrame(QPainter& Painter, const PixelRect& Rect, qint32 State, bool IsCaption, bool Variant,
                     const FaceColors& Colors)
{
    if (State < 1 || State > 3)
        return;
    const OleColor white = RGB(255, 255, 255);
    const qint32 L = Rect.Left, T = Rect.Top, Rt = Rect.Right, B = Rect.Bottom;
    const auto line = [&](qint32 x1, qint32 y1, qint32 x2, qint32 y2, OleColor colour) {
        DrawLine(Painter, x1, y1, x2, y2, colour, 1);
    };
    // The three bottom bands, the right shade and the left light line most looks share.
    const auto bands = [&](OleColor outer, OleColor middle, OleColor inner, bool narrowing) {
        const qint32 in = narrowing ? 1 : 0;
        line(L + 2 * in, B - 1, Rt - 2 * in, B - 1, outer);
        line(L + in, B - 2, Rt - in, B - 2, middle);
        line(L, B - 3, Rt, B - 3, inner);
    };
    const auto edges = [&](OleColor right, OleColor left) {
        line(Rt - 2, T + 2, Rt - 2, B - 4, right);
        line(L, T + 2, L, B - 4, left);
    };

    if (!Variant) {
        if (State == 1) {
            DrawRect(Painter, Rect, systemColor(15), true);
            if (IsCaption) {
                line(L, B - 2, Rt, B - 2, RGB(172, 168, 153));
                line(L, B - 1, Rt, B - 1, white);
                return;
            }
            line(L, B - 1, Rt, B - 1, RGB(197, 194, 178));
            line(L, B - 2, Rt, B - 2, RGB(210, 207, 190));
            line(L, B - 3, Rt, B - 3, RGB(220, 216, 200));
            edges(RGB(172, 168, 153), white);
        } else if (State == 2) {
            DrawRect(Painter, Rect, RGB(250, 248, 243), true);
            bands(RGB(249, 177, 25), RGB(252, 194, 71), RGB(248, 169, 0), true);
            edges(RGB(172, 168, 153), white);
        } else {
            DrawRect(Painter, Rect, systemColor(22), true);
            bands(RGB(250, 210, 125), RGB(252, 228, 177), RGB(247, 200, 99), true);
            edges(RGB(128, 124, 113), RGB(204, 204, 204));
        }
        return;
    }

    const OleColor shade = BlendColors(Colors.To, RGB(172, 168, 153), 128);
    const OleColor lightLine = BlendColors(Colors.From, RGB(224, 224, 224), 128);
    if (State == 1) {
        DrawRect(Painter, Rect, BlendColors(Colors.From, Colors.To, 128), true);
        if (IsCaption) {
            line(L, B - 2, Rt, B - 2, shade);
            line(L, B - 1, Rt, B - 1, lightLine);
            return;
        }
        bands(Colors.From, Colors.From, Colors.From, false);
        edges(shade, lightLine);
    } else if (State == 2) {
        DrawRect(Painter, Rect, BlendColors(Colors.From, RGB(250, 248, 243), 128), true);
        bands(Colors.To, Colors.To, Colors.To, true);
        edges(shade, lightLine);
    } else {
        DrawRect(Painter, Rect, Colors.To, true);
        bands(RGB(249, 177, 25), RGB(252, 194, 71), RGB(248, 169, 0), true);
    }
}

void DrawStyledRect(QPainter& Painter, const PixelRect& Rect, qint32 State, bool IsCaption, bool Variant,
                    const FaceColors& Colors)
{
    const qint32 L = Rect.Left, T = Rect.Top, Rt = Rect.Right, B = Rect.Bottom;
    const auto band = [&](qint32 left, qint32 top, qint32 right, qint32 bottom, OleColor from, OleColor to) {
        DrawGradient(Painter, PixelRect{left, top, right, bottom}, from, to, true);
    };
    if (State == 1) {
        const OleColor face = systemColor(15);
        const OleColor A = Variant ? ShiftColor(face, -20) : Colors.To;
        const OleColor C = Variant ? ShiftColor(face, -25) : ShiftColor(Colors.To, -5);
        if (IsCaption) {
            band(L, T, Rt, B, ShiftColor(A, 40), A);
            DrawLine(Painter, L + 2, B - 1, Rt - 2, B - 1, A, 1);
            return;
        }
        const qint32 h = RoundHalfEven(B * 0.12);
        band(L, T, Rt, T + h, ShiftColor(A, 30), A);
        band(L, T + h, Rt, B - h, A, ShiftColor(C, 30));
        band(L, B - h, Rt, B, ShiftColor(C, 30), C);
        if (Variant)
            DrawLine(Painter, L + 2, B - 1, Rt - 2, B - 1, RGB(191, 191, 191), 1);
        DrawLine(Painter, Rt - 2, T + 2, Rt - 2, B - 4, C, 1);
        DrawLine(Painter, L, T + 3, L, B - 3, RGB(255, 255, 255), 1);
        return;
    }
    if (State != 2 && State != 3)
        return;
    const OleColor A = Variant ? RGB(204, 239, 251) : Colors.From;
    const OleColor C = Variant ? RGB(124, 201, 230) : ShiftColor(Colors.From, -5);
    const qint32 h = RoundHalfEven(B * 0.28);
    const qint32 right = Rt - 1;
    if (State == 2) {
        band(L, T, right, B - h, ShiftColor(A, 15), ShiftColor(A, 5));
        band(L, T + h, right, B, A, ShiftColor(C, 30));
    } else {
        band(L, T, right, B - h, A, ShiftColor(A, -10));
        band(L, T + h, right, B - 5, A, ShiftColor(C, 10));
        band(L, B - 5, right, B, ShiftColor(C, 10), C);
    }
    DrawRect(Painter, Rect, Colors.To, false);
}

void DrawCellButton(QPainter& Painter, const QWidget* Widget, PixelRect& Rect, qint32 State,
                    const FaceColors& Colors)
{
    Rect.Right += 1;
    Rect.Bottom += 1;
    if (!DrawThemePart(Painter, Widget, QStringLiteral("Button"), 1, State, Rect))
        DrawButtonFace(Painter, Rect, State, Colors);
}

void DrawSortArrow(QPainter& Painter, qint32 X, qint32 Y, qint32 Width, qint32 Height, qint32 Direction)
{
    if (Direction == 0)
        return;
    const OleColor colour = systemColor(21);
    for (qint32 k = 0; k < Height; ++k) {
        const qint32 y = Direction == 2 ? Y + Height - 1 - k : Y + k;
        DrawLine(Painter, X + k, y, X + Width - k, y, colour, 1);
    }
}

PixelRect GetCellPartRect(const ColumnInfo& Column, qint32 RowHeight, qint32 Y, qint32 Part,
                          const CellPartSizes& Sizes, qint32 RowNumberWidth)
{
    qint32 code = 0;
    qint32 w = 0;
    qint32 h = 0;
    switch (Part) {
    case PartCell:
        code = Column.Alignment;
        w = Column.WidthPx;
        h = RowHeight;
        break;
    case PartCheckBox:
        code = Column.Alignment;
        w = h = Sizes.CheckBoxSize;
        break;
    case PartImage:
        code = Column.ImageAlignment;
        w = Sizes.ImageWidth;
        h = Sizes.ImageHeight;
        break;
    default:
        break;
    }
    qint32 x = 0;
    qint32 y = 0;
    if (isValidAlignment(code)) {
        switch (horizontalOf(code)) {
        case 0: x = Column.Left + 1; break;
        case 1: x = RoundHalfEven(Column.Left + Column.WidthPx / 2.0 - w / 2.0); break;
        default: x = Column.Left + Column.WidthPx - (w + 1); break;
        }
        if (code >= 8)
            y = Y + RowHeight - (h + 2);
        else if (code >= 4)
            y = RoundHalfEven(Y + RowHeight / 2.0 - h / 2.0);
        else
            y = Y + 2;
    }
    return PixelRect{RowNumberWidth + x, y, RowNumberWidth + x + w, y + h};
}

QString FitTextToWidth(const QFontMetrics& Metrics, const QString& Text, qint32 Width, qint32 MaxLines)
{
    const auto trimSpaces = [](const QString& s) {
        qsizetype from = 0;
        qsizetype to = s.size();
        while (from < to && s.at(from) == QLatin1Char(' '))
            ++from;
        while (to > from && s.at(to - 1) == QLatin1Char(' '))
            --to;
        return s.mid(from, to - from);
    };
    const auto isWordCharacter = [](QChar ch) {
        return (ch >= QLatin1Char('A') && ch <= QLatin1Char('Z')) || (ch >= QLatin1Char('a') && ch <= QLatin1Char('z'))
               || ch == QLatin1Char('_');
    };
    const QString lineBreak = QStringLiteral("\r\n");

    QString s = trimSpaces(Text);
    s.replace(lineBreak, QStringLiteral(" "));
    QString result;
    QString line;
    qsizetype breakAt = 0;
    qint32 lines = 0;
    for (const QChar ch : std::as_const(s)) {
        line += ch;
        if (!isWordCharacter(ch))
            breakAt = line.size();
        if (Metrics.horizontalAdvance(line) >= Width && breakAt != 0) {
            const QString head = trimSpaces(line.left(breakAt));
            result = result.isEmpty() ? head : result + lineBreak + head;
            line = trimSpaces(line.mid(breakAt));
            breakAt = 0;
            if (MaxLines != -1)
                ++lines;
        }
        if (lines == MaxLines)
            break;
    }
    if (MaxLines == -1) {
        if (result.isEmpty())
            result = line;
        else if (!line.isEmpty())
            result += lineBreak + line;
        return result;
    }
    if (lines >= MaxLines) {
        if (!line.isEmpty())
            line = line.left(line.size() - 1) + QLatin1Char(' ');
        result += line;
        return trimSpaces(result.left(std::max<qsizetype>(result.size() - 3, 0))) + QStringLiteral("...");
    }
    if (!result.isEmpty())
        return result + lineBreak + trimSpaces(line);
    return trimSpaces(line);
}

} // namespace grid
