#pragma once

namespace db {
class Recordset;
}
namespace ui {
class FlexGrid;
}

namespace reports {

// Shows the records from the current one to the end below the grid's heading row in one
// assignment to a selection over every data cell (values separated by TAB, records by CR, Null as
// empty text), then shows the grid with every row the given height in twips and the first record
// current.
void FillGridByClip(ui::FlexGrid* grid, db::Recordset& records, int rowHeightTwips);

} // namespace reports
