#pragma once

namespace db {
class Recordset;
}
namespace ui {
class FlexGrid;
}

namespace reports {

// Shows the records from the current one to the end below the grid's heading row in one paste
// over a selection of every data cell: a record a row and a field a cell (Null as empty text), a
// TAB or line break in a value kept in its cell. Then shows the grid with every row the given
// height in twips and the first record current.
void FillGridByClip(ui::FlexGrid* grid, db::Recordset& records, int rowHeightTwips);

} // namespace reports
