#include "followup/frmMissPODLetter.h"

#include "core/ModuleState.h"

#include "platform/ui/ControlEvents.h"

#include <QLabel>

namespace followup {

frmMissPODLetter::frmMissPODLetter()
{
    setObjectName(QStringLiteral("frmMissPODLetter"));
    setWindowTitle(QStringLiteral(" Missing POD Letter"));
    resize(900, 600);

    lblBranch = new QLabel(this);
    lblBranch->setObjectName(QStringLiteral("lblBranch"));
    lblBranch->move(20, 20);

    ui::attachHandlers(this, {.keyDown = [this](int& KeyCode, int Shift) { Form_KeyDown(KeyCode, Shift); }});

    Form_Load();
}

void frmMissPODLetter::Form_Load()
{
    lblBranch->setText(core::gstrBranchName);
}

void frmMissPODLetter::Form_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape)
        ui::DefaultInstance<frmMissPODLetter>::unload();
}

} // namespace followup
