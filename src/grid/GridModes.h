#pragma once

#include <QtGlobal>

// The modes the grid's numeric properties and arguments choose between. The properties keep their
// numbers (the saved set and the hosts use them); the grid reads them as these enums, and a number
// outside a list matches none of its names. The plain enums at the end stand for numbers the
// drawing routines and the column records take as they are.
namespace grid {

// ThemeStyle: the face the caption, the headers and the totals line are drawn with.
enum class ThemeLook : qint32 {
    Classic3D = 0,    // raised classic push button
    ClassicFlat = 1,  // flat classic push button
    VisualStyle = 2,  // the visual style's header, else the plain framed face
    Office = 3,       // the Office face in the gradient pair
    Framed = 4,       // framed face with bottom bands
    FramedTinted = 5, // framed face tinted with the gradient pair
    Banded = 6,       // banded gradient of the pair
    BandedGrey = 7,   // banded gradient of button-face greys and light blues
};

// ScaleUnits: the container unit of ColWidth, AddColumn's Width and MinRowHeight.
enum class ScaleUnit : qint32 {
    Twips = 1,
    Points = 2,
    Pixels = 3,
    Characters = 4,
    Inches = 5,
    Millimetres = 6,
    Centimetres = 7,
};

// GridLines: which lines separate the cells.
enum class GridLineMode : qint32 {
    None = 0,
    Both = 1,
    Vertical = 2,
    Horizontal = 3,
};

// FocusRectMode: what the focus frame surrounds.
enum class FocusFrame : qint32 {
    None = 0,
    Row = 1,
    Cell = 2, // the current cell only
};

// FocusRectStyle: how the focus frame is drawn.
enum class FocusFrameStyle : qint32 {
    Dotted = 0, // the inverted dotted frame
    Thick = 1,  // a three-pixel outline in the focus colour
    Thin = 2,   // a one-pixel outline in the focus colour
};

// FocusRowHighlightStyle: how the current row's highlight is filled.
enum class HighlightFill : qint32 {
    Solid = 0,
    VerticalGradient = 1,
    HorizontalGradient = 2,
};

// EditMove: where the current cell goes after Enter commits an edit.
enum class MoveAfterEdit : qint32 {
    Stay = 0,
    Right = 1,
    Down = 2,
};

// ScrollBars: which bars the grid may show.
enum class ShownBars : qint32 {
    Horizontal = 0,
    Vertical = 1,
    Both = 2,
    None = 3,
};

// ScrollBarStyle: the bars' look.
enum class BarStyle : qint32 {
    Flat = 0,
    Standard = 1,
};

// BorderStyle: the control's frame.
enum class Border : qint32 {
    None = 0,
    Single = 1,
};

// The SearchMode of FindItem and FilterOn: how a cell's text is compared with the search text.
enum class TextMatch : qint32 {
    Equal = 0,
    AtOrAfter = 1,            // at or after in character-code order
    Contains = 2,
    SameInitialAtOrAfter = 4, // not empty, at or after, beginning with the same character
    BeginsWith = 5,
    EndsWith = 6,
};

// A column's SortState (any other value sorts as SortSmallerFirst).
enum SortOrder : qint32 { SortNone = 0, SortLargerFirst = 1, SortSmallerFirst = 2 };

// The parts of a cell GetCellPartRect places.
enum CellPart : qint32 { PartCell = 0, PartCheckBox = 1, PartImage = 2 };

// The state a header, caption or push-button face is drawn in (the State of DrawThemePart's
// "Header" and push-button parts, DrawButtonFace, DrawButtonFrame, DrawStyledRect and
// DrawCellButton).
enum FaceState : qint32 { FaceNormal = 1, FaceHot = 2, FacePressed = 3 };

} // namespace grid
