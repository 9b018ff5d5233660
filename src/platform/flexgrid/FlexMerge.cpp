#include "platform/flexgrid/FlexMerge.h"

namespace ui {

std::vector<FlexSpan> computeMergeSpans(const FlexCellStore& cells, int mergeCells, int fixedRows, int fixedCols)
{
    std::vector<FlexSpan> spans;
    if (mergeCells == flexMergeNever)
        return spans;
    const int rows = cells.rows();
    const int cols = cells.cols();
    const bool restrictColumns = mergeCells == flexMergeRestrictColumns || mergeCells == flexMergeRestrictAll;
    const bool restrictRows = mergeCells == flexMergeRestrictRows || mergeCells == flexMergeRestrictAll;

    // Vertical blocks, column by column from the left; a cell's block is named by its first row.
    std::vector<char> inVerticalBlock(size_t(rows) * size_t(cols), 0);
    std::vector<int> leftBlock(size_t(rows), -1);
    for (int c = fixedCols; c < cols; ++c) {
        std::vector<int> block(size_t(rows), -1);
        if (cells.column(c).merge) {
            int start = fixedRows;
            for (int r = fixedRows + 1; r <= rows; ++r) {
                const bool joins = r < rows && cells.text(r, c) == cells.text(r - 1, c)
                                   && (!restrictColumns || c == fixedCols
                                       || (leftBlock[r] != -1 && leftBlock[r] == leftBlock[r - 1]));
                if (joins)
                    continue;
                if (r - start > 1) {
                    spans.push_back({start, c, r - start, 1});
                    for (int k = start; k < r; ++k) {
                        block[k] = start;
                        inVerticalBlock[size_t(k) * cols + c] = 1;
                    }
                }
                start = r;
            }
        }
        leftBlock.swap(block);
    }

    // Horizontal blocks, row by row from the top; a cell's block is named by its first column.
    std::vector<int> aboveBlock(size_t(cols), -1);
    for (int r = fixedRows; r < rows; ++r) {
        std::vector<int> block(size_t(cols), -1);
        if (cells.mergeRow(r)) {
            const auto free = [&](int c) { return !inVerticalBlock[size_t(r) * cols + c]; };
            int start = fixedCols;
            for (int c = fixedCols + 1; c <= cols; ++c) {
                const bool joins = c < cols && free(c) && free(c - 1) && cells.text(r, c) == cells.text(r, c - 1)
                                   && (!restrictRows || r == fixedRows
                                       || (aboveBlock[c] != -1 && aboveBlock[c] == aboveBlock[c - 1]));
                if (joins)
                    continue;
                if (c - start > 1) {
                    spans.push_back({r, start, 1, c - start});
                    for (int k = start; k < c; ++k)
                        block[k] = start;
                }
                start = c;
            }
        }
        aboveBlock.swap(block);
    }
    return spans;
}

} // namespace ui
