// The consignment history window's manifest grids: the local manifests made here (msgLMF), the
// branch local manifests (msgBLMF) and the incoming manifest lines of both kinds (msgIncoming).

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

// A field's text, or the given text when the field is Null.
QString TextOr(const QVariant& value, const QString& nullText)
{
    return value.isValid() ? runtime::CStr(value) : nullText;
}

// A local manifest's date with its weekday: 07-06-26 -Sunday.
QString LocalManifestDate(const QVariant& value)
{
    return runtime::Format(value, QStringLiteral("dd-MM-yy -dddd"));
}

// Writes every row of the statement into the grid from row 1, one grid row added after each.
template <class WriteRow>
void FillGrid(ui::FlexGrid* grid, const QString& sql, WriteRow writeRow)
{
    db::Recordset rs;
    rs.open(sql, core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    WriteRows(grid, rs, 1, writeRow);
    rs.close();
}

} // namespace

void frmConsignWiseGridQuery::LoadLocalManifest()
{
    const QString sql = localManifestStatement(ConsignmentNumberText(), cboOrigin->currentText(), ChosenRunsheetDate());
    FillGrid(msgLMF, sql, [this](int r, const db::Recordset& rs) {
        msgLMF->setTextMatrix(r, 0, LocalManifestDate(rs.value("ManifestDate")));
        msgLMF->setTextMatrix(r, 1, runtime::CellText(rs.value("FROM_BRANCH")));
        msgLMF->setTextMatrix(r, 2, TextOr(rs.value("SerialNo"), QStringLiteral("0")));
        msgLMF->setTextMatrix(r, 3, runtime::CellText(rs.value("Origin")) + runtime::CellText(rs.value("ConsignmentNo")));
        msgLMF->setTextMatrix(r, 4, runtime::CellText(rs.value("BranchCode")));
        msgLMF->setTextMatrix(r, 5, runtime::Format(rs.value("Weight"), QStringLiteral("0.000")));
        msgLMF->setTextMatrix(r, 6, runtime::CellText(rs.value("Remarks")));
        msgLMF->setTextMatrix(r, 7, runtime::CellText(rs.value("CreateDate")));
    });
}

void frmConsignWiseGridQuery::LoadBranchLocalManifest()
{
    const QString sql =
        branchLocalManifestStatement(ConsignmentNumberText(), cboOrigin->currentText(), ChosenRunsheetDate());
    FillGrid(msgBLMF, sql, [this](int r, const db::Recordset& rs) {
        msgBLMF->setTextMatrix(r, 0, LocalManifestDate(rs.value("ManifestDate")));
        msgBLMF->setTextMatrix(r, 1, TextOr(rs.value("SerialNo"), QStringLiteral("0")));
        msgBLMF->setTextMatrix(r, 2, runtime::CellText(rs.value("Origin")) + runtime::CellText(rs.value("ConsignmentNo")));
        msgBLMF->setTextMatrix(r, 3, runtime::CellText(rs.value("BranchCode")));
        msgBLMF->setTextMatrix(r, 4, runtime::Format(rs.value("Weight"), QStringLiteral("0.000")));
        msgBLMF->setTextMatrix(r, 5, runtime::CellText(rs.value("Remarks")));
        msgBLMF->setTextMatrix(r, 6, runtime::CellText(rs.value("CreateDate")));
    });
}

void frmConsignWiseGridQuery::LoadManifestDetails()
{
    // The two kinds of incoming manifest: their statements and their date and weight forms.
    struct ManifestKind {
        QString (*statement)(const QString& number, const QString& origin);
        QString datePattern;
        bool formattedWeight;
    };
    const ManifestKind kinds[] = {
        {incomingManifestStatement, QStringLiteral("dd-MM-yy-dddd"), true},
        {counterManifestStatement, QStringLiteral("dd-MMM-yyyy"), false},
    };

    FormatIncomingGrid();
    int row = 1; // runs on from the first table's lines into the second's
    for (const ManifestKind& kind : kinds) {
        db::Recordset lines;
        lines.open(kind.statement(ConsignmentNumberText(), cboOrigin->currentText()), core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
        row = WriteRows(msgIncoming, lines, row, [this, &kind](int r, const db::Recordset& rs) {
            const QVariant weight = rs.value("Weight");
            msgIncoming->setTextMatrix(r, 0, runtime::Format(rs.value("ManifestDate"), kind.datePattern));
            msgIncoming->setTextMatrix(r, 1, runtime::CellText(rs.value("Destination")));
            msgIncoming->setTextMatrix(r, 2, runtime::CellText(rs.value("ManifestNo")));
            msgIncoming->setTextMatrix(r, 3, runtime::CellText(rs.value("Origin")));
            msgIncoming->setTextMatrix(r, 4, runtime::CellText(rs.value("ConsignmentNo")));
            msgIncoming->setTextMatrix(r, 5, runtime::CellText(rs.value("Status")));
            msgIncoming->setTextMatrix(r, 6, runtime::CellText(rs.value("Remarks")));
            msgIncoming->setTextMatrix(r, 7, kind.formattedWeight
                                                 ? runtime::Format(weight.isValid() ? weight : QVariant(0),
                                                                   QStringLiteral("0.000"))
                                                 : TextOr(weight, QStringLiteral("0")));
            msgIncoming->setTextMatrix(r, 8, runtime::CellText(rs.value("CreatedDate")));
            msgIncoming->setTextMatrix(r, 9, runtime::CellText(rs.value("NoofPcs")));
            msgIncoming->setTextMatrix(r, 10, runtime::CellText(rs.value("BranchCode")));
            msgIncoming->setTextMatrix(r, 11, TextOr(rs.value("LateArrival"), QStringLiteral("0")));
            msgIncoming->setTextMatrix(r, 12, runtime::CellText(rs.value("ENTRY_USER")) + QStringLiteral("- ")
                                                  + runtime::CellText(rs.value("MachineId")));
        });
        lines.close();
    }
}

} // namespace consignment
