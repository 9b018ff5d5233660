#include "reports/ClipFill.h"

#include "reports/RecordFill.h"

#include "platform/db/Recordset.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/runtime/Conversions.h"

#include <vector>

namespace reports {

namespace {

// The records as clip text: a record a row, a field a cell, whatever characters its value holds.
void writeRecords(db::Recordset& records, ui::FlexClipPaste& clip)
{
    std::vector<QString> shown(size_t(records.fieldCount()));
    for (bool first = true; !records.eof(); records.moveNext(), first = false) {
        for (int f = 0; f < records.fieldCount(); ++f) {
            if (f > 0)
                clip.endCell();
            clip.appendValue(fieldText(records, f, first, shown[size_t(f)], runtime::CellText));
        }
        clip.endRow();
    }
}

} // namespace

void FillGridByClip(ui::FlexGrid* grid, db::Recordset& records, int rowHeightTwips)
{
    const int rows = int(records.recordCount()) + 1;
    grid->setRows(rows);
    grid->setCols(records.fieldCount());
    grid->setRow(1);
    grid->setCol(0);
    grid->setRowSel(rows - 1);
    grid->setColSel(grid->cols() - 1);
    grid->setClipFrom([&](ui::FlexClipPaste& clip) { writeRecords(records, clip); });
    grid->setRow(1);
    grid->setVisible(true);
    grid->setRowHeights(rowHeightTwips);
}

} // namespace reports
