#include "followup/frmManifestQuery.h"

#include "core/WindowPicture.h"

#include "platform/ui/ControlEvents.h"

#include <QComboBox>

namespace followup {

frmManifestQuery::frmManifestQuery()
{
    setObjectName(QStringLiteral("frmManifestQuery"));
    setWindowTitle(QStringLiteral("Manifest Details - Query"));
    resize(900, 600);

    cboStatus = new QComboBox(this);
    cboStatus->setObjectName(QStringLiteral("cboStatus"));
    cboStatus->move(20, 20);

    ui::attachHandlers(this, {.keyDown = [this](int& KeyCode, int Shift) { Form_KeyDown(KeyCode, Shift); }});

    Form_Load();
}

void frmManifestQuery::Form_Load()
{
    core::LoadWindowPictureIfPresent(this);
    cboStatus->addItems({QString(), QStringLiteral("NORMAL"), QStringLiteral("WITHOUT ENTRY"), QStringLiteral("OPEN CONDITION"),
                         QStringLiteral("DAMAGED"), QStringLiteral("MISROUTE"), QStringLiteral("NOT RECEIVED"), QStringLiteral("RETURN")});
    cboStatus->setCurrentIndex(0);
}

void frmManifestQuery::Form_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape)
        ui::DefaultInstance<frmManifestQuery>::unload();
}

} // namespace followup
