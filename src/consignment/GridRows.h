#pragma once

#include "platform/db/Recordset.h"
#include "platform/flexgrid/FlexGrid.h"

namespace consignment {

// Writes the recordset's rows, from its current row on, into the grid from the given row on, and
// adds a grid row after each, so that one empty row stays below them. Returns the grid row after
// the last one written.
template <class WriteRow>
int WriteRows(ui::FlexGrid* grid, db::Recordset& rs, int row, WriteRow writeRow)
{
    for (; !rs.eof(); rs.moveNext(), ++row) {
        writeRow(row, rs);
        grid->setRows(grid->rows() + 1);
    }
    return row;
}

// Two rows and a column per field, the field names as headings, then every row of the recordset,
// each value as text without its line breaks, with one empty row below them.
void WriteWithFieldHeadings(ui::FlexGrid* grid, db::Recordset& rs);

} // namespace consignment
