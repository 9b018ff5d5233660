#pragma once

#include <QString>

namespace ui {
class FlexGrid;
}

// The grids of a head-office panel: each shows one statement's result on the head office's
// tracking database, read on the month connection through the branch server's link to it.
namespace consignment {

// One head-office grid: its statement and the width of each of its columns once filled.
struct HeadOfficeQuery {
    ui::FlexGrid* grid;
    QString sql;
    int colWidth; // twips
};

// The result's field names as headings, then one grid row per result row with one empty row
// below them. A number the head office does not know in this table empties the grid, so that no
// earlier number's rows stand under the new number.
void FillHeadOfficeGrid(const HeadOfficeQuery& query);

} // namespace consignment
