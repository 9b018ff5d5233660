#include "reports/frmCCNos_Rpt.h"

#include "platform/ui/ControlEvents.h"

namespace reports {

frmCCNos_Rpt::frmCCNos_Rpt()
{
    setObjectName(QStringLiteral("frmCCNos_Rpt"));
    setWindowTitle(QStringLiteral("Customer Care Priority Consignment Nos Report"));
    resize(1000, 650);

    ui::attachHandlers(this, {.keyDown = [this](int& KeyCode, int Shift) { Form_KeyDown(KeyCode, Shift); }});
}

void frmCCNos_Rpt::Form_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape)
        ui::DefaultInstance<frmCCNos_Rpt>::unload();
}

} // namespace reports
