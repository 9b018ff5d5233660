// The returned-documents loader of the consignment history window: the received non-delivery
// documents of the consignment (msgRtnDocs), for the origin when one is chosen, else for every origin.

#include "consignment/frmConsignWiseGridQuery.h"

#include "consignment/GridRows.h"
#include "consignment/NonDeliveryStatements.h"

#include "core/ModuleState.h"

#include "platform/db/Recordset.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Format.h"

#include <QComboBox>

namespace consignment {

void frmConsignWiseGridQuery::LoadReturnedDocuments()
{
    const QString sql = returnedDocumentsStatement(ConsignmentNumberText(), cboOrigin->currentText());

    // The grid is laid out afresh first, so a number without documents never shows an earlier one's.
    FormatReturnDocsGrid();
    db::Recordset rs;
    rs.open(sql, core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    WriteRows(msgRtnDocs, rs, 1, [this](int r, const db::Recordset& rs) {
        msgRtnDocs->setTextMatrix(r, 0, runtime::Format(rs.value(QStringLiteral("Received_Date")), QStringLiteral("dd-MMM-yyyy")));
        msgRtnDocs->setTextMatrix(r, 1, runtime::CellText(rs.value(QStringLiteral("BranchCode"))));
        msgRtnDocs->setTextMatrix(r, 2, runtime::CellText(rs.value(QStringLiteral("Origin")))
                                            + runtime::CellText(rs.value(QStringLiteral("ConsignmentNo"))));
        msgRtnDocs->setTextMatrix(r, 3, runtime::CellText(rs.value(QStringLiteral("ReceivedBy"))));
        msgRtnDocs->setTextMatrix(r, 4, runtime::CellText(rs.value(QStringLiteral("Remarks"))));
        msgRtnDocs->setTextMatrix(r, 5, runtime::CellText(rs.value(QStringLiteral("Doc_Status"))));
        msgRtnDocs->setTextMatrix(r, 6, runtime::CellText(rs.value(QStringLiteral("Create_Date"))));
        msgRtnDocs->setTextMatrix(r, 7, runtime::CellText(rs.value(QStringLiteral("Create_User"))) + QStringLiteral("- ")
                                            + runtime::CellText(rs.value(QStringLiteral("Machine_Id"))));
    });
    rs.close();
}

} // namespace consignment
