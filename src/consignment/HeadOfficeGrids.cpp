#include "consignment/HeadOfficeGrids.h"

#include "consignment/GridRows.h"

#include "core/ClosingRecordset.h"
#include "core/ModuleState.h"

#include "platform/db/Recordset.h"
#include "platform/flexgrid/FlexGrid.h"

#include <vector>

namespace consignment {
namespace {

// The grid as the window designed it: two rows, one column, nothing written.
void ResetToDesign(ui::FlexGrid* grid)
{
    grid->clear();
    grid->setRows(2);
    grid->setCols(1);
    grid->setColWidth(0, -1);
}

} // namespace

void FillHeadOfficeGrid(const HeadOfficeQuery& query)
{
    db::Recordset rs;
    const auto closeRs = core::closingAtEnd(rs);
    rs.open(query.sql, core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    ui::FlexGrid* grid = query.grid;
    if (rs.eof()) {
        ResetToDesign(grid);
        return;
    }
    grid->clear();
    WriteWithFieldHeadings(grid, rs);
    grid->setColWidths(std::vector<int>(size_t(grid->cols()), query.colWidth));
}

} // namespace consignment
