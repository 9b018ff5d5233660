// The consignment history window's pending grid: the consignment's pending documents, then under
// a caption row its miscellaneous entries (msgPending). Neither list depends on origin or date.

#include "consignment/frmConsignWiseGridQuery.h"

#include "core/ModuleState.h"

#include "platform/db/Recordset.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Format.h"

namespace consignment {
namespace {

// Writes the entry columns 0 to 4 that pending documents and miscellaneous entries share.
void WriteEntry(ui::FlexGrid* grid, int r, const db::Recordset& rs)
{
    grid->setTextMatrix(r, 0, runtime::CellText(rs.value("SerialNo")));
    grid->setTextMatrix(r, 1, runtime::Format(rs.value("PendingDate"), QStringLiteral("dd-MM-yy -dddd")));
    grid->setTextMatrix(r, 2, runtime::CellText(rs.value("BranchCode")));
    grid->setTextMatrix(r, 3, runtime::CellText(rs.value("Remarks")));
    grid->setTextMatrix(r, 4, runtime::CellText(rs.value("CreateDate")));
}

} // namespace

void frmConsignWiseGridQuery::LoadPendingDocuments()
{
    FormatPendingGrid();
    int r = 1;
    db::Recordset rs;

    rs.open(QStringLiteral("SELECT * FROM PendingDoc WHERE ConsignmentNo=") + ConsignmentNumberText()
                + QStringLiteral(" Order by PendingDate,serialNo"),
            core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    for (; !rs.eof(); rs.moveNext()) {
        WriteEntry(msgPending, r, rs);
        msgPending->setTextMatrix(r, 5, runtime::CellText(rs.value("CreateUser")) + QStringLiteral("- ")
                                            + runtime::CellText(rs.value("MachineId")));
        ++r;
        msgPending->setRows(msgPending->rows() + 1);
    }
    rs.close();

    // The caption stands one row below the empty row that ends the pending documents.
    msgPending->setRows(msgPending->rows() + 1);
    msgPending->setTextMatrix(r + 1, 1, QStringLiteral("Misscellaneous"));
    msgPending->setRows(msgPending->rows() + 1);
    r += 2;

    rs.open(QStringLiteral("SELECT * FROM Misscellaneous WHERE ConsignmentNo=") + ConsignmentNumberText()
                + QStringLiteral(" Order by PendingDate,serialNo"),
            core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    for (; !rs.eof(); rs.moveNext()) {
        WriteEntry(msgPending, r, rs);
        ++r;
        msgPending->setRows(msgPending->rows() + 1);
    }
    rs.close();
}

} // namespace consignment
