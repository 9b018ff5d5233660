#include "consignment/frmConsignWiseQuery.h"

#include "core/WindowPicture.h"

#include "platform/ui/ControlEvents.h"

namespace consignment {

frmConsignWiseQuery::frmConsignWiseQuery()
{
    setObjectName(QStringLiteral("frmConsignWiseQuery"));
    setWindowTitle(QStringLiteral("Orvane - Query Form"));
    resize(900, 600);

    ui::attachHandlers(this, {.keyDown = [this](int& KeyCode, int Shift) { Form_KeyDown(KeyCode, Shift); }});

    Form_Load();
}

void frmConsignWiseQuery::Form_Load()
{
    core::LoadWindowPictureIfPresent(this);
}

void frmConsignWiseQuery::Form_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape)
        ui::DefaultInstance<frmConsignWiseQuery>::unload();
}

} // namespace consignment
