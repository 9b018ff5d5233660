// The POD query window's row in the administration's query log: an enquiry that showed a
// delivered or undelivered booking, from a registered workstation, is written as OUTGOING.

#include "podquery/frmPODQueryGrid.h"

#include "podquery/PodQueryStatements.h"

#include "consignment/RegisteredWorkstation.h"

#include "core/ModuleState.h"
#include "core/ServerDate.h"

#include "platform/runtime/Strings.h"

#include <QLabel>

namespace podquery {

void frmPODQueryGrid::WriteQueryLog()
{
    if (mDeliveryStatus.isEmpty())
        return;
    if (core::gstrMainBranchCode != QLatin1String("MO") && !core::gblnPodImageMode)
        return;
    if (!consignment::workstationRegistered(core::gstrComputerName))
        return;

    const OutgoingLogEntry entry{.queryDate = core::GetServerDate(),
                                 .created = core::GetServerDateTime(),
                                 .number = mConsignNo,
                                 .monthDatabase = core::gstrMonthDB,
                                 .deliveryStatus = mDeliveryStatus,
                                 .statusText = runtime::Trim(lblDeliveryStatus->text()),
                                 .branchName = runtime::Trim(lblBranchName->text()),
                                 .computerName = core::gstrComputerName,
                                 .userName = core::gstrUserName,
                                 .bookingDate = mBookingDate,
                                 .cityCode = mCityCode,
                                 .destination = mDestination,
                                 .region = mRegion,
                                 .bookingMode = mBookingMode,
                                 .transactionMode = mTransactionMode,
                                 .partyCode = mPartyCode,
                                 .weight = mWeight,
                                 .manifestFound = mManifestFound,
                                 .manifestOrigin = mManifestOrigin,
                                 .manifestDate = mManifestDate,
                                 .manifestNo = mManifestNo,
                                 .manifestDestination = mManifestDestination};
    core::gcnnMonth.execute(outgoingLogStatement(entry));
}

} // namespace podquery
