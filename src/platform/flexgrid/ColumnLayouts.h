#pragma once

#include "platform/flexgrid/FlexGridTypes.h"

#include <span>

// Column layouts of the windows' flex grids, given as tables of headings, widths and alignments.
namespace ui {

class FlexGrid;

struct ColumnLayout {
    const char* heading;             // nullptr: the layout writes no heading
    int width;                       // twips
    int alignment = flexAlignGeneral; // general: not set, the grid's general alignment stays
};

// Empties the grid and gives it the table's columns and two rows: the headings and one empty row.
void emptyWithColumns(FlexGrid* grid, std::span<const ColumnLayout> columns);
void setWidths(FlexGrid* grid, std::span<const ColumnLayout> columns);
void setAlignments(FlexGrid* grid, std::span<const ColumnLayout> columns);
void setHeadings(FlexGrid* grid, std::span<const ColumnLayout> columns);
// The common order: empty, columns, two rows, widths, alignments, headings.
void layOutColumns(FlexGrid* grid, std::span<const ColumnLayout> columns);
// Clicks select whole rows, with the given focus rectangle.
void selectWholeRows(FlexGrid* grid, int focusRect);

} // namespace ui
