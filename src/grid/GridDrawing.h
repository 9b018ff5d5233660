#pragma once

#include "grid/GridColors.h"
#include "grid/GridModes.h"
#include "grid/GridStoreRecords.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <QtGlobal>

class QFont;
class QFontMetrics;
class QPainter;
class QWidget;

// The grid's drawing primitives: free functions over a QPainter, with the Windows drawing
// conventions the grid's layout arithmetic is written for.
//
// A rectangle is left, top, right, bottom with right and bottom exclusive; a line leaves out its
// end pixel; colours are RGB values (TranslateColor them first) unless a routine says it takes a
// system colour. Text is drawn in the painter's font and pen colour, with the DrawText format
// bits below; vertical centring and bottom alignment act on single-line text only.
namespace grid {

// DrawText format bits.
namespace TextFormat {
constexpr qint32 DT_LEFT = 0;
constexpr qint32 DT_CENTER = 1;
constexpr qint32 DT_RIGHT = 2;
constexpr qint32 DT_VCENTER = 4;
constexpr qint32 DT_BOTTOM = 8;
constexpr qint32 DT_WORDBREAK = 16;
constexpr qint32 DT_SINGLELINE = 32;
constexpr qint32 DT_CALCRECT = 1024;
constexpr qint32 DT_NOPREFIX = 2048;
constexpr qint32 DT_END_ELLIPSIS = 0x8000;
constexpr qint32 DT_WORD_ELLIPSIS = 0x40000;
} // namespace TextFormat

// DrawFrameControl kinds and states.
namespace FrameControl {
constexpr qint32 DFC_BUTTON = 4;
constexpr qint32 DFCS_BUTTONCHECK = 0x0000;
constexpr qint32 DFCS_BUTTONPUSH = 0x0010;
constexpr qint32 DFCS_PUSHED = 0x0200;
constexpr qint32 DFCS_CHECKED = 0x0400;
constexpr qint32 DFCS_HOT = 0x1000;
constexpr qint32 DFCS_FLAT = 0x4000;
} // namespace FrameControl

// A rectangle with exclusive right and bottom edges.
struct PixelRect {
    qint32 Left = 0;
    qint32 Top = 0;
    qint32 Right = 0;
    qint32 Bottom = 0;

    qint32 Width() const { return Right - Left; }
    qint32 Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    QRect toQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    bool operator==(const PixelRect&) const = default;
};

// Draws Text (its first Count characters, -1 the whole) in Rect with the DrawText bits of Format,
// in the painter's font and pen colour, clipped to Rect. Ampersands are drawn as they are. A line
// too wide for Rect is elided with "…" on the side its alignment hides (the start of right-aligned
// text, the end of other text) when DT_WORD_ELLIPSIS or DT_END_ELLIPSIS asks for it, and always
// when it is right-aligned or centred, so a number never shows without its leading digits. Lines
// below the first are drawn only whole; with an ellipsis bit the last one shown ends in "…" when
// lines are left out. With DT_CALCRECT it draws nothing and sets Rect's right and bottom to the
// extent the text needs. Answers the height of the text drawn or measured.
qint32 DrawTextAW(QPainter& Painter, const QString& Text, qint32 Count, PixelRect& Rect, qint32 Format);
// The DT_CALCRECT measurement without a painter, in Font.
qint32 CalcTextRect(const QFont& Font, const QString& Text, PixelRect& Rect, qint32 Format);

// A solid line from (X1, Y1) towards (X2, Y2), without the end pixel; Width pixels wide, centred
// on the line.
void DrawLine(QPainter& Painter, qint32 X1, qint32 Y1, qint32 X2, qint32 Y2, OleColor Color, qint32 Width);
// Fills Rect with Color, or frames it one pixel wide inside its edges.
void DrawRect(QPainter& Painter, const PixelRect& Rect, OleColor Color, bool Fill);
// Fills Rect with a two-colour gradient: ColorFrom at the top (Vertical) or the left.
void DrawGradient(QPainter& Painter, const PixelRect& Rect, OleColor ColorFrom, OleColor ColorTo, bool Vertical);
// The dotted focus frame, drawn by inverting the pixels of Rect's edges.
void DrawFocusRect(QPainter& Painter, const PixelRect& Rect);

// The classic button looks without visual styles: a push button (DFCS_BUTTONPUSH with
// DFCS_FLAT, DFCS_HOT or DFCS_PUSHED) or a check box (DFCS_BUTTONCHECK with DFCS_FLAT and
// DFCS_CHECKED), in the system button colours. Any other Type draws nothing.
void DrawFrameControl(QPainter& Painter, const PixelRect& Rect, qint32 Type, qint32 State);

// A part of the visual style, drawn through the widget's QStyle: class "Header" part 1 (states 1
// normal, 2 hot, 3 pressed), class "Button" part 1 (push button: 1 normal, 2 hot, 3 pressed, 4
// disabled, 5 default) and part 3 (check box: 1-4 unchecked, 5-8 checked, 9-12 mixed, each as
// normal, hot, pressed, disabled; drawn at the style's own size, centred in Rect). Answers
// false, drawing nothing, while visual styles are off or for any other part; the caller then
// draws its own fallback.
bool DrawThemePart(QPainter& Painter, const QWidget* Widget, const QString& ClassName, qint32 Part, qint32 State,
                   const PixelRect& Rect);

// The gradient pair the custom faces are painted in (ThemeCustomColorFrom, ThemeCustomColorTo,
// as RGB).
struct FaceColors {
    OleColor From = 0;
    OleColor To = 0;
};

// The XP Office face in State 1 normal, 2 hot or 3 pressed; states 2 and 3 make Rect one pixel
// narrower. Any other State draws nothing.
void DrawButtonFace(QPainter& Painter, PixelRect& Rect, qint32 State, const FaceColors& Colors);
// The framed face: a filled face with bottom bands and edge lines; Variant tints it with the
// gradient pair. IsCaption matters in State 1 only.
void DrawButtonFrame(QPainter& Painter, const PixelRect& Rect, qint32 State, bool IsCaption, bool Variant,
                     const FaceColors& Colors);
// The banded gradient face; Variant uses button-face greys and light blues instead of the pair.
void DrawStyledRect(QPainter& Painter, const PixelRect& Rect, qint32 State, bool IsCaption, bool Variant,
                    const FaceColors& Colors);
// A push button in a cell: Rect grows one pixel right and down, then the visual style's button,
// or the XP Office face without visual styles.
void DrawCellButton(QPainter& Painter, const QWidget* Widget, PixelRect& Rect, qint32 State,
                    const FaceColors& Colors);
// A sort triangle of Height lines, the first Width pixels long, each two shorter: Direction 2
// points up, any other non-zero value down, 0 draws nothing.
void DrawSortArrow(QPainter& Painter, qint32 X, qint32 Y, qint32 Width, qint32 Height, qint32 Direction);

// The sizes GetCellPartRect places a check box (Part 1) or an image (Part 2) with.
struct CellPartSizes {
    qint32 CheckBoxSize = 0;
    qint32 ImageWidth = 0;
    qint32 ImageHeight = 0;
};
// Places a part inside the cell of column Column whose row is RowHeight high with its top at Y:
// Part 0 the cell itself (by the column's Alignment), 1 the check box (Alignment), 2 the image
// (ImageAlignment); any other Part is an empty rectangle. Left, centre and right keep one pixel
// from the cell's edges, top and bottom two; centring rounds halves to even. An alignment code
// outside the nine valid ones places the part at the cell origin (0, 0). The result is shifted
// right by RowNumberWidth.
PixelRect GetCellPartRect(const ColumnInfo& Column, qint32 RowHeight, qint32 Y, qint32 Part,
                          const CellPartSizes& Sizes, qint32 RowNumberWidth);

// Breaks Text into lines at most Width pixels wide (as Metrics measures), joined by "\r\n".
// Breaks fall after any character that is not a letter A-Z/a-z or an underscore, so a longer
// word stays whole. MaxLines -1 means no limit; when a limit is reached the text ends in "...".
QString FitTextToWidth(const QFontMetrics& Metrics, const QString& Text, qint32 Width, qint32 MaxLines);

} // namespace grid
