#include "invoice/frmQuery.h"

#include "core/WindowPicture.h"

#include "platform/ui/ControlEvents.h"
#include "platform/ui/MessageBox.h"

namespace invoice {

frmQuery::frmQuery()
{
    setObjectName(QStringLiteral("frmQuery"));
    setWindowTitle(QStringLiteral("Orvane - Query"));
    resize(1100, 700);

    ui::attachHandlers(this, {.keyDown = [this](int& KeyCode, int Shift) { Form_KeyDown(KeyCode, Shift); }});

    Form_Load();
}

void frmQuery::Form_Load()
{
    if (!core::LoadWindowPictureIfPresent(this))
        ui::MsgBox(QStringLiteral("Error 53 File not found"), ui::vbExclamation);
}

void frmQuery::Form_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape)
        ui::DefaultInstance<frmQuery>::unload();
}

} // namespace invoice
