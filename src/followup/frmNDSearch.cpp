#include "followup/frmNDSearch.h"

#include "platform/ui/ControlEvents.h"

namespace followup {

frmNDSearch::frmNDSearch()
{
    setObjectName(QStringLiteral("frmNDSearch"));
    setWindowTitle(QStringLiteral("Non Delivery Query"));
    resize(1000, 650);

    ui::attachHandlers(this, {.keyDown = [this](int& KeyCode, int Shift) { Form_KeyDown(KeyCode, Shift); }});
}

void frmNDSearch::Form_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape)
        ui::DefaultInstance<frmNDSearch>::unload();
}

} // namespace followup
