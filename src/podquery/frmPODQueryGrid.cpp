#include "podquery/frmPODQueryGrid.h"

#include "core/ModuleState.h"
#include "core/ServerDate.h"

#include "platform/ui/ControlEvents.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowHost.h"

#include <QFrame>
#include <QLabel>

namespace podquery {

frmPODQueryGrid::frmPODQueryGrid()
{
    setObjectName(QStringLiteral("frmPODQueryGrid"));
    setWindowTitle(QStringLiteral("Orvane - Query"));
    resize(1100, 700);

    lblBranch = new QLabel(this);
    lblBranch->setObjectName(QStringLiteral("lblBranch"));
    lblBranch->move(20, 20);
    fraFind = new QFrame(this);
    fraFind->setObjectName(QStringLiteral("fraFind"));
    dtpBookingDate = new ui::DatePicker(fraFind);
    dtpBookingDate->setObjectName(QStringLiteral("dtpBookingDate"));
    dtpBookingDate->setCustomFormat(QStringLiteral("dd-MMM-yyyy"));

    ui::attachHandlers(this, {.keyDown = [this](int& KeyCode, int Shift) { Form_KeyDown(KeyCode, Shift); }});

    Form_Load();
}

// A failing step shows its error and ends the loading there; the window opens as far as it got.
void frmPODQueryGrid::Form_Load()
{
    ui::guarded({QStringLiteral("%1 : %2     "), ui::vbCritical, core::gstrCompanyName}, [this] {
        lblBranch->setText(core::gstrBranchName);
        dtpBookingDate->setValue(core::GetServerDate());
        fraFind->setVisible(false);
    });
}

void frmPODQueryGrid::Form_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape)
        ui::DefaultInstance<frmPODQueryGrid>::unload();
}

} // namespace podquery
