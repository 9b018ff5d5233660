// The consignment history window's misroute grid (msgMisroute): the incoming-misroute entries
// recorded for the consignment, with the branch of the user who recorded each.

#include "consignment/frmConsignWiseGridQuery.h"

#include "consignment/GridRows.h"
#include "consignment/ManifestStatements.h"

#include "core/ModuleState.h"

#include "platform/db/Recordset.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Format.h"

#include <QComboBox>

namespace consignment {
namespace {

// "07-06-26 -Sunday - ZEL": the entry's date, its weekday and the recording user's branch.
QString MisrouteDateCell(const db::Recordset& rs)
{
    const QVariant date = rs.value(QStringLiteral("IMF_Date"));
    return runtime::Format(date, QStringLiteral("DD-MM-YY")) + QStringLiteral(" -")
           + runtime::Format(date, QStringLiteral("dddd")) + QStringLiteral(" - ")
           + runtime::CellText(rs.value(QStringLiteral("FROM_BRANCH")));
}

// The creation date-time and machine, a null part adding nothing.
QString CreatedCell(const db::Recordset& rs)
{
    return runtime::CellText(rs.value(QStringLiteral("Create_Date"))) + QStringLiteral(" - ")
           + runtime::CellText(rs.value(QStringLiteral("Create_Machine")));
}

} // namespace

// Entries whose recording user has no login row are left out (inner join). The caller has laid
// out the grid; without an entry it keeps that layout.
void frmConsignWiseGridQuery::LoadIncomingMisroute()
{
    db::Recordset rs;
    rs.open(incomingMisrouteStatement(ConsignmentNumberText(), cboOrigin->currentText(), ChosenRunsheetDate()),
            core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    WriteRows(msgMisroute, rs, 1, [this](int r, const db::Recordset& rs) {
        msgMisroute->setTextMatrix(r, 0, MisrouteDateCell(rs));
        msgMisroute->setTextMatrix(r, 1, runtime::CellText(rs.value(QStringLiteral("NoofPcs"))));
        msgMisroute->setTextMatrix(r, 2, runtime::Format(rs.value(QStringLiteral("Weight")), QStringLiteral("0.000")));
        msgMisroute->setTextMatrix(r, 3, runtime::CellText(rs.value(QStringLiteral("Misroute_Code"))));
        msgMisroute->setTextMatrix(r, 4, runtime::CellText(rs.value(QStringLiteral("Misroute_Destn"))));
        msgMisroute->setTextMatrix(r, 5, runtime::CellText(rs.value(QStringLiteral("Create_User"))));
        msgMisroute->setTextMatrix(r, 6, CreatedCell(rs));
    });
    rs.close();
}

} // namespace consignment
