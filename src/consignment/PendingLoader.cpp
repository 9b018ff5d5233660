// The consignment history window's pending grid: the consignment's pending documents, then under
// a caption row its miscellaneous entries (msgPending). Neither list depends on origin or date.

#include "consignment/frmConsignWiseGridQuery.h"

#include "consignment/GridRows.h"
#include "consignment/RegisterStatements.h"

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
    db::Recordset rs;

    rs.open(pendingDocumentsStatement(ConsignmentNumberText()), core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    const int emptyRow = WriteRows(msgPending, rs, 1, [this](int r, const db::Recordset& rs) {
        WriteEntry(msgPending, r, rs);
        msgPending->setTextMatrix(r, 5, runtime::CellText(rs.value("CreateUser")) + QStringLiteral("- ")
                                            + runtime::CellText(rs.value("MachineId")));
    });
    rs.close();

    // The caption stands one row below the empty row that ends the pending documents.
    msgPending->setRows(msgPending->rows() + 1);
    msgPending->setTextMatrix(emptyRow + 1, 1, QStringLiteral("Misscellaneous"));
    msgPending->setRows(msgPending->rows() + 1);

    rs.open(miscellaneousStatement(ConsignmentNumberText()), core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    WriteRows(msgPending, rs, emptyRow + 2, [this](int r, const db::Recordset& rs) { WriteEntry(msgPending, r, rs); });
    rs.close();
}

} // namespace consignment
