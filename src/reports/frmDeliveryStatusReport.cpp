#include "reports/frmDeliveryStatusReport.h"

#include "core/ModuleState.h"

#include "platform/ui/ControlEvents.h"

namespace reports {

frmDeliveryStatusReport::frmDeliveryStatusReport()
{
    setObjectName(QStringLiteral("frmDeliveryStatusReport"));
    setWindowTitle(QStringLiteral("Delivery Status Report."));
    resize(1000, 650);

    ui::attachHandlers(this, {.keyDown = [this](int& KeyCode, int Shift) { Form_KeyDown(KeyCode, Shift); }});

    Form_Load();
}

void frmDeliveryStatusReport::Form_Load()
{
    // The report's statements may run long: no time limit on the month connection from here on,
    // for every later query of the program too.
    core::gcnnMonth.setCommandTimeout(0);
}

void frmDeliveryStatusReport::Form_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape)
        ui::DefaultInstance<frmDeliveryStatusReport>::unload();
}

} // namespace reports
