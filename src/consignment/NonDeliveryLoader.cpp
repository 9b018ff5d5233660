// The non-delivery loader of the consignment history window: the consignment's entries in the
// non-delivery register for the origin's city (msgDeliveryDetails), each with its serial among all
// entries of its date and action type, its reason and remarks, address and the entering user's branch.

#include "consignment/frmConsignWiseGridQuery.h"

#include "consignment/GridRows.h"
#include "consignment/NonDeliveryStatements.h"
#include "consignment/ReasonNames.h"

#include "core/ModuleState.h"
#include "core/clsMaster.h"

#include "platform/db/Recordset.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/ValueKind.h"

#include <QComboBox>

namespace consignment {
namespace {

// The register names the destination by city name, the origin box holds the city code: the name
// of the code's city, empty when the city master has no row for it or cannot be read.
QString CityNameOf(const QString& cityCode)
{
    const auto city = core::gobjMaster().GetRecordInfo(QStringLiteral("CityMaster"), QString(),
                                                       QStringLiteral("CityCode"), cityCode);
    if (!city)
        return QString();
    const QString name = city->eof() ? QString() : runtime::CellText(city->value(QStringLiteral("CityName")));
    city->close();
    return name;
}

// The name of a non-delivery reason, empty for a Null code or one the reason master lacks.
QString ReasonNameOf(const QVariant& reasonCode)
{
    return runtime::IsNull(reasonCode) ? QString() : reasonName(runtime::CStr(reasonCode)).value_or(QString());
}

// The action type: the status, and for a remainder also its number.
QString ActionTypeCell(const db::Recordset& rs)
{
    const QString status = runtime::CellText(rs.value(QStringLiteral("Status")));
    if (status != QLatin1String("Remainder"))
        return status;
    const QVariant remainderNo = rs.value(QStringLiteral("RemainderNo"));
    return status + QStringLiteral(" ")
           + (runtime::IsNull(remainderNo) ? QString() : QStringLiteral("Remainder No. ") + runtime::CStr(remainderNo));
}

// Reason name, the forwarding destination of a misroute and the remarks, each part joined also
// when empty.
QString ReasonRemarksCell(const db::Recordset& rs)
{
    QString forwarding;
    if (runtime::CellText(rs.value(QStringLiteral("Status"))) == QLatin1String("Misroute")) {
        const QVariant destination = rs.value(QStringLiteral("FDestination"));
        if (!runtime::IsNull(destination))
            forwarding = QStringLiteral("F-Destination To ") + runtime::CStr(destination);
    }
    return ReasonNameOf(rs.value(QStringLiteral("ReasonCode"))) + QStringLiteral(" ") + forwarding
           + QStringLiteral(" ") + runtime::CellText(rs.value(QStringLiteral("Remarks1")));
}

QString AddressCell(const db::Recordset& rs)
{
    return runtime::CellText(rs.value(QStringLiteral("ToAddr1"))) + QStringLiteral(",")
           + runtime::CellText(rs.value(QStringLiteral("ToAddr2"))) + QStringLiteral(",")
           + runtime::CellText(rs.value(QStringLiteral("ToAddr3")));
}

} // namespace

void frmConsignWiseGridQuery::LoadNonDeliveryDetails()
{
    const QString cityName = CityNameOf(cboOrigin->currentText().trimmed());

    db::Recordset rs;
    rs.open(nonDeliveryHistoryStatement(ConsignmentNumberText(), cityName), core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    // Without entries the grid keeps what the caller left in it.
    if (rs.eof()) {
        rs.close();
        return;
    }

    rs.moveFirst();
    FormatDeliveryGrid();
    WriteRows(msgDeliveryDetails, rs, 1, [this](int r, const db::Recordset& rs) {
        msgDeliveryDetails->setTextMatrix(r, 0, runtime::CellText(rs.value(QStringLiteral("SlNo"))));
        msgDeliveryDetails->setTextMatrix(r, 1, runtime::Format(rs.value(QStringLiteral("NDDate")), QStringLiteral("dd-MMM-yyyy")));
        msgDeliveryDetails->setTextMatrix(r, 2, ActionTypeCell(rs));
        msgDeliveryDetails->setTextMatrix(r, 3, ReasonRemarksCell(rs));
        msgDeliveryDetails->setTextMatrix(r, 4, AddressCell(rs));
        msgDeliveryDetails->setTextMatrix(r, 5, runtime::CellText(rs.value(QStringLiteral("CreateDate"))));
        msgDeliveryDetails->setTextMatrix(r, 6, runtime::CellText(rs.value(QStringLiteral("Entry_Branch"))));
    });
    rs.close();
}

} // namespace consignment
