// The runsheet loader of the consignment history window: every delivery runsheet line of the
// consignment for the chosen origin (and runsheet date), the returned-POD view of the same lines,
// the delivery status of the last line, and at the head office the enquiry's query-log rows.

#include "consignment/frmConsignWiseGridQuery.h"

#include "consignment/NonDeliveryStatements.h"
#include "consignment/QueryLogStatements.h"
#include "consignment/RegisteredWorkstation.h"
#include "consignment/RunsheetStatements.h"
#include "consignment/StatementValues.h"

#include "core/ClosingRecordset.h"
#include "core/ModuleState.h"
#include "core/ServerDate.h"

#include "platform/flexgrid/FlexGrid.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Strings.h"
#include "platform/runtime/ValueKind.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace consignment {
namespace {

// The values of the last runsheet line walked, which the delivery status and the query log use.
struct LastLine {
    QDateTime runsheetDate;
    qint64 runsheetNo = 0;
    qint64 drsNo = 0;
    QString branchCode;
    QString reasonCode;
};

// A field's text, or the given text when the field is null.
QString TextOr(const QVariant& value, const QString& nullText)
{
    return runtime::IsNull(value) ? nullText : runtime::CStr(value);
}

qint64 NumberOrZero(const QVariant& value) { return runtime::IsNull(value) ? 0 : value.toLongLong(); }

// "07-06-26 -Sunday".
QString RunsheetDateCell(const QVariant& value)
{
    if (runtime::IsNull(value))
        return QString();
    return runtime::Format(value, QStringLiteral("DD-MM-YY")) + QStringLiteral(" -")
           + runtime::Format(value, QStringLiteral("dddd"));
}

// The POD image folder of a runsheet date: "2026\6\7\".
QString ImagePathCell(const QVariant& value)
{
    if (runtime::IsNull(value))
        return QString();
    const QDate date = runtime::DateTimeOf(value).date();
    return QStringLiteral("%1\\%2\\%3\\").arg(date.year()).arg(date.month()).arg(date.day());
}

// "07-06-26-Sunday", or "-" for a line without a returned POD.
QString ReturnDateCell(const QVariant& value)
{
    if (runtime::IsNull(value))
        return QStringLiteral("-");
    return runtime::Format(value, QStringLiteral("dd-MM-yy")) + QStringLiteral("-")
           + runtime::Format(value, QStringLiteral("dddd"));
}

// Creation date and time, creating user and machine, each null part adding nothing.
QString CreatedCell(const db::Recordset& rs)
{
    return runtime::Format(rs.value(QStringLiteral("CreateDate")), QStringLiteral("yyyy-mm-dd hh:nn:ss"))
           + QStringLiteral("- ") + runtime::CellText(rs.value(QStringLiteral("CreateUser")))
           + QStringLiteral("- ") + runtime::CellText(rs.value(QStringLiteral("MachineId")));
}

// The delivery staff of a DRS number, empty when there is none. The number is read back from the
// line: one that is no number names no runsheet and is not looked up.
QString DeliveryStaff(const QVariant& drsNo)
{
    const std::optional<QString> number = statementNumber(drsNo);
    if (!number)
        return QString();
    db::Recordset rs;
    rs.open(returnPodMasterStatement(*number), core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    const QString staff = rs.eof() ? QString() : runtime::CellText(rs.value(QStringLiteral("StaffName")));
    rs.close();
    return staff;
}

// The status text of a reason code: its name, or "Taken For Delivery" for a code the master lacks.
QString DeliveryStatus(const QString& reasonCode)
{
    db::Recordset rs;
    rs.open(reasonStatement(reasonCode), core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    const QString status =
        rs.eof() ? QStringLiteral("Taken For Delivery") : runtime::CellText(rs.value(QStringLiteral("ReasonName")));
    rs.close();
    return status;
}

} // namespace

void frmConsignWiseGridQuery::LoadRunsheetDetails()
{
    const QString number = ConsignmentNumberText();
    const QString origin = runtime::Trim(cboOrigin->currentText());
    const bool dateChosen = !runtime::Trim(cboRSDate->currentText()).isEmpty();

    FormatReturnPodGrid();

    db::Recordset& rs = core::grsShared;
    rs.open(runsheetHistoryStatement(number, origin, dateChosen ? std::optional(mRunsheetDate) : std::nullopt),
            core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    // The shared recordset is closed however the load ends, also when a statement fails.
    const auto closeShared = core::closingAtEnd(rs);
    if (rs.eof()) {
        lblDeliveryStatus->setText(QString());
        return;
    }

    LastLine last;
    rs.moveFirst();
    for (int r = 1; !rs.eof(); ++r) {
        const QVariant runsheetDate = rs.value(QStringLiteral("RUNSHEETDATE"));
        msgRunsheetDetails->setTextMatrix(r, 0, RunsheetDateCell(runsheetDate));
        msgRunsheetDetails->setTextMatrix(r, 1, TextOr(rs.value(QStringLiteral("RUNSHEETNO")), QStringLiteral("0")));
        msgRunsheetDetails->setTextMatrix(r, 2, runtime::CellText(rs.value(QStringLiteral("SerialNo"))));
        msgRunsheetDetails->setTextMatrix(r, 3, runtime::CellText(rs.value(QStringLiteral("AREANAME"))));
        msgRunsheetDetails->setTextMatrix(r, 4, runtime::CellText(rs.value(QStringLiteral("STAFFCODE"))));
        msgRunsheetDetails->setTextMatrix(r, 5, runtime::CellText(rs.value(QStringLiteral("RUNSHEETMODE"))));
        msgRunsheetDetails->setTextMatrix(r, 6, runtime::CellText(rs.value(QStringLiteral("BAR_RSNO"))));
        msgRunsheetDetails->setTextMatrix(r, 7, TextOr(rs.value(QStringLiteral("Contact_No")), QStringLiteral("-")));
        msgRunsheetDetails->setTextMatrix(r, 8, runtime::CellText(rs.value(QStringLiteral("Contact_Name"))));
        msgRunsheetDetails->setTextMatrix(r, 9, runtime::CellText(rs.value(QStringLiteral("BCODE"))));
        msgRunsheetDetails->setTextMatrix(r, 10, runtime::CellText(rs.value(QStringLiteral("Mobile_No"))));
        msgRunsheetDetails->setTextMatrix(r, 11, ImagePathCell(runsheetDate));
        msgRunsheetDetails->setTextMatrix(r, 12, CreatedCell(rs));

        const QVariant drsNo = rs.value(QStringLiteral("DRSNo"));
        last.runsheetDate = runtime::IsNull(runsheetDate) ? QDateTime() : runtime::DateTimeOf(runsheetDate);
        last.runsheetNo = NumberOrZero(rs.value(QStringLiteral("RUNSHEETNO")));
        last.drsNo = NumberOrZero(drsNo);
        last.branchCode = runtime::CellText(rs.value(QStringLiteral("BranchCode")));
        last.reasonCode = runtime::CellText(rs.value(QStringLiteral("ReasonCode")));

        msgReturnPOD->setTextMatrix(r, 0, ReturnDateCell(rs.value(QStringLiteral("ReturnPODDate"))));
        msgReturnPOD->setTextMatrix(r, 1, runtime::CellText(rs.value(QStringLiteral("Origin"))));
        msgReturnPOD->setTextMatrix(r, 2, runtime::CellText(rs.value(QStringLiteral("ConsignmentNo"))));
        msgReturnPOD->setTextMatrix(r, 3, runtime::CellText(drsNo));
        msgReturnPOD->setTextMatrix(r, 4, runtime::CellText(rs.value(QStringLiteral("RTN_AREANAME"))));
        msgReturnPOD->setTextMatrix(r, 5, last.branchCode);
        msgReturnPOD->setTextMatrix(r, 6, DeliveryStaff(drsNo));
        msgReturnPOD->setTextMatrix(r, 7, last.reasonCode);
        msgReturnPOD->setTextMatrix(r, 8, TextOr(rs.value(QStringLiteral("Mobile_No")), QStringLiteral("-")));
        msgReturnPOD->setTextMatrix(r, 9, TextOr(rs.value(QStringLiteral("PODScanTime")), QStringLiteral("-")));

        msgReturnPOD->setRows(msgReturnPOD->rows() + 1);
        msgRunsheetDetails->setRows(msgRunsheetDetails->rows() + 1);
        rs.moveNext();
    }

    lblDeliveryStatus->setText(DeliveryStatus(last.reasonCode));

    if (core::gstrMainBranchCode != QStringLiteral("HO"))
        return;

    QueryLogEntry entry{.number = number,
                        .origin = origin,
                        .monthDatabase = core::gstrMonthDB,
                        .runsheetDate = last.runsheetDate,
                        .runsheetNo = last.runsheetNo,
                        .reasonCode = last.reasonCode,
                        .statusText = runtime::Trim(lblDeliveryStatus->text()),
                        .drsNo = last.drsNo,
                        .branchCode = last.branchCode,
                        .userName = core::gstrUserName,
                        .computerName = core::gstrComputerName};
    // Each row takes the server's date and time as it is written.
    const auto stamped = [&entry] {
        entry.queryDate = core::GetServerDate();
        entry.created = core::GetServerDateTime();
        return entry;
    };

    // The tracking row covers enquiries over every runsheet date only.
    if (!dateChosen)
        core::gcnnMonth.execute(trackingLogStatement(stamped()));
    if (workstationRegistered(core::gstrComputerName))
        core::gcnnMonth.execute(adminLogStatement(stamped()));
}

} // namespace consignment
