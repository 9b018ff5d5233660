#pragma once

#include "platform/flexgrid/FlexCellStore.h"

#include <vector>

namespace ui {

// One block of cells shown as a single cell, in grid indexes.
struct FlexSpan {
    int row = 0;
    int col = 0;
    int rowSpan = 1;
    int colSpan = 1;
    bool operator==(const FlexSpan&) const = default;
};

// The merged blocks of the scrolling cells under a merge mode (FlexMergeCells): in a column marked
// for merging, vertically adjacent cells of equal text form one block; in a row marked for
// merging, horizontally adjacent cells of equal text not already in a vertical block do. The
// restricted modes join two cells only where the two neighbours before them (left for a column,
// above for a row) belong to one block. Fixed cells never merge.
std::vector<FlexSpan> computeMergeSpans(const FlexCellStore& cells, int mergeCells, int fixedRows, int fixedCols);

} // namespace ui
