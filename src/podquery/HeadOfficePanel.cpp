// The head office's status of the typed number (fraROStatus): what the head office's tracking
// database holds of the station's consignment, read through the branch server's link to it: its
// delivery records (msgGrid1), inbound scans (msgGrid2), point-to-point scans (msgGrid3) and OTC
// scans (msgGrid4). The panel stays open while other numbers are typed, until "X" or a look-up.

#include "podquery/frmPODQueryGrid.h"

#include "podquery/PodQueryStatements.h"

#include "consignment/HeadOfficeGrids.h"

#include "core/ModuleState.h"

#include "platform/runtime/Strings.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/MessageBox.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace podquery {

void frmPODQueryGrid::ConnectHeadOfficePanel()
{
    ui::attachHandlers(cmdROStatus, {.click = [this] { cmdROStatus_Click(); }});
    ui::attachHandlers(cmdROExit, {.click = [this] { cmdROExit_Click(); }});
}

void frmPODQueryGrid::cmdROStatus_Click()
{
    const QString number = runtime::Trim(txtConsignNo->text());
    if (number.isEmpty()) {
        ui::MsgBox(QStringLiteral("Enter Consignment No"), ui::vbInformation);
        txtConsignNo->setFocus();
        return;
    }
    fraROStatus->setVisible(true);

    const QString& server = core::gstrHeadOfficeServer;
    const consignment::HeadOfficeQuery queries[] = {
        {msgGrid1, headOfficeDeliveriesStatement(server, number), 1200},
        {msgGrid2, headOfficeInboundScansStatement(server, number), 1100},
        {msgGrid3, headOfficePointScansStatement(server, number), 1200},
        {msgGrid4, headOfficeOtcScansStatement(server, number), 1200},
    };
    for (const consignment::HeadOfficeQuery& query : queries)
        consignment::FillHeadOfficeGrid(query);
}

void frmPODQueryGrid::cmdROExit_Click()
{
    fraROStatus->setVisible(false);
    txtConsignNo->setFocus();
}

} // namespace podquery
