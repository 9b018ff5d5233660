// The consignment history window's head-office panel (fraROStatus): what the head office's own
// tracking database knows of the typed number, read through the branch server's link to it: its
// delivery runsheet entries (msgGrid1), office scans (msgGrid2), point-to-point scans (msgGrid3)
// and over-the-counter scans (msgGrid4).

#include "consignment/frmConsignWiseGridQuery.h"

#include "consignment/HeadOfficeGrids.h"
#include "consignment/HeadOfficeStatements.h"

#include "core/ModuleState.h"

#include "platform/ui/MessageBox.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace consignment {

void frmConsignWiseGridQuery::cmdROStatus_Click()
{
    // Alt+R clicks the button without taking the focus from the box: the button keeps it after
    // the panel is filled, as after a mouse click.
    cmdROStatus->setFocus();
    const QString number = txtConsignMentNo->text().trimmed();
    if (number.isEmpty()) {
        ui::MsgBox(QStringLiteral("Enter Consignment No"), ui::vbInformation);
        txtConsignMentNo->setFocus();
        return;
    }
    fraROStatus->show();

    const QString& server = core::gstrHeadOfficeServer;
    const HeadOfficeQuery queries[] = {
        {msgGrid1, headOfficeRunsheetStatement(server, number), 1200},
        {msgGrid2, headOfficeScanStatement(server, number), 1100},
        {msgGrid3, headOfficePointStatement(server, number), 1200},
        {msgGrid4, headOfficeCounterStatement(server, number), 1200},
    };
    for (const HeadOfficeQuery& query : queries)
        FillHeadOfficeGrid(query);
}

void frmConsignWiseGridQuery::cmdROExit_Click()
{
    fraROStatus->hide();
    txtConsignMentNo->setFocus();
}

} // namespace consignment
