#include "app/RegisterWindows.h"

#include "consignment/frmConsignWiseGridQuery.h"
#include "consignment/frmConsignWiseQuery.h"
#include "core/QueryWindows.h"
#include "followup/frmManifestQuery.h"
#include "followup/frmMissPODLetter.h"
#include "followup/frmNDSearch.h"
#include "invoice/frmPendPODQry.h"
#include "invoice/frmQuery.h"
#include "podquery/frmPODQueryGrid.h"
#include "reports/frmCCNos_Rpt.h"
#include "reports/frmDeliveryStatusReport.h"
#include "reports/frmQryRpt.h"
#include "reports/frmQueryReport.h"

void RegisterQueryWindows()
{
    using core::QueryWindows;
    QueryWindows::add<consignment::frmConsignWiseGridQuery>(QStringLiteral("frmConsignWiseGridQuery"));
    QueryWindows::add<consignment::frmConsignWiseQuery>(QStringLiteral("frmConsignWiseQuery"));
    QueryWindows::add<invoice::frmQuery>(QStringLiteral("frmQuery"));
    QueryWindows::add<invoice::frmPendPODQry>(QStringLiteral("frmPendPODQry"));
    QueryWindows::add<followup::frmNDSearch>(QStringLiteral("frmNDSearch"));
    QueryWindows::add<followup::frmManifestQuery>(QStringLiteral("frmManifestQuery"));
    QueryWindows::add<followup::frmMissPODLetter>(QStringLiteral("frmMissPODLetter"));
    QueryWindows::add<reports::frmCCNos_Rpt>(QStringLiteral("frmCCNos_Rpt"));
    QueryWindows::add<reports::frmQryRpt>(QStringLiteral("frmQryRpt"));
    QueryWindows::add<reports::frmQueryReport>(QStringLiteral("frmQueryReport"));
    QueryWindows::add<reports::frmDeliveryStatusReport>(QStringLiteral("frmDeliveryStatusReport"));
    QueryWindows::add<podquery::frmPODQueryGrid>(QStringLiteral("frmPODQueryGrid"));
}
