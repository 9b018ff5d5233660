#include "consignment/GridRows.h"

#include "platform/runtime/Conversions.h"

namespace consignment {

void WriteWithFieldHeadings(ui::FlexGrid* grid, db::Recordset& rs)
{
    const int fields = rs.fieldCount();
    grid->setRows(2);
    grid->setCols(fields);
    for (int c = 0; c < fields; ++c)
        grid->setTextMatrix(0, c, rs.fieldNames().at(c));
    WriteRows(grid, rs, 1, [&](int r, const db::Recordset& line) {
        for (int c = 0; c < fields; ++c)
            grid->setTextMatrix(r, c, runtime::CellText(line.value(c)).remove(QStringLiteral("\r\n")));
    });
}

} // namespace consignment
