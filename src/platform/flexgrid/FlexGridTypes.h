#pragma once

// The property values of the flex grid, under the names the windows use.
namespace ui {

enum FlexAlignment : int {
    flexAlignLeftTop = 0,
    flexAlignLeftCenter = 1,
    flexAlignLeftBottom = 2,
    flexAlignCenterTop = 3,
    flexAlignCenterCenter = 4,
    flexAlignCenterBottom = 5,
    flexAlignRightTop = 6,
    flexAlignRightCenter = 7,
    flexAlignRightBottom = 8,
    flexAlignGeneral = 9, // text left, numbers right, both vertically centred
};

enum FlexMergeCells : int {
    flexMergeNever = 0,
    flexMergeFree = 1,
    flexMergeRestrictRows = 2,    // a row's cells merge only where the cells above them merge too
    flexMergeRestrictColumns = 3, // a column's cells merge only where the cells left of them merge too
    flexMergeRestrictAll = 4,
};

enum FlexFillStyle : int { flexFillSingle = 0, flexFillRepeat = 1 };

enum FlexSelectionMode : int { flexSelectionFree = 0, flexSelectionByRow = 1, flexSelectionByColumn = 2 };

enum FlexHighLight : int { flexHighlightNever = 0, flexHighlightAlways = 1, flexHighlightWithFocus = 2 };

enum FlexFocusRect : int { flexFocusNone = 0, flexFocusLight = 1, flexFocusHeavy = 2 };

enum FlexAllowUserResizing : int { flexResizeNone = 0, flexResizeColumns = 1, flexResizeRows = 2, flexResizeBoth = 3 };

enum FlexScrollBars : int {
    flexScrollBarNone = 0,
    flexScrollBarHorizontal = 1,
    flexScrollBarVertical = 2,
    flexScrollBarBoth = 3,
};

enum FlexGridLines : int { flexGridNone = 0, flexGridFlat = 1, flexGridInset = 2, flexGridRaised = 3 };

} // namespace ui
