#include "invoice/frmPendPODQry.h"

#include "core/WindowPicture.h"

#include "platform/ui/ControlEvents.h"

namespace invoice {

frmPendPODQry::frmPendPODQry()
{
    setObjectName(QStringLiteral("frmPendPODQry"));
    setWindowTitle(QStringLiteral("Dummy POD Query."));
    resize(900, 600);

    ui::attachHandlers(this, {.keyDown = [this](int& KeyCode, int Shift) { Form_KeyDown(KeyCode, Shift); }});

    Form_Load();
}

void frmPendPODQry::Form_Load()
{
    core::LoadWindowPictureIfPresent(this);
}

void frmPendPODQry::Form_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape)
        ui::DefaultInstance<frmPendPODQry>::unload();
}

} // namespace invoice
