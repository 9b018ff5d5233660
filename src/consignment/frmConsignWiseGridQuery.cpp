#include "consignment/frmConsignWiseGridQuery.h"

#include "core/WindowPicture.h"

#include "platform/ui/ControlEvents.h"

namespace consignment {

frmConsignWiseGridQuery::frmConsignWiseGridQuery()
{
    setObjectName(QStringLiteral("frmConsignWiseGridQuery"));
    setWindowTitle(QStringLiteral("Consignment Wise Report  ( Press Esc - Consignment No.) "));
    resize(1150, 691);

    ui::attachHandlers(this, {.keyDown = [this](int& KeyCode, int Shift) { Form_KeyDown(KeyCode, Shift); }});

    Form_Load();
}

void frmConsignWiseGridQuery::Form_Load()
{
    core::LoadWindowPictureIfPresent(this);
}

void frmConsignWiseGridQuery::Form_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape)
        ui::DefaultInstance<frmConsignWiseGridQuery>::unload();
}

} // namespace consignment
