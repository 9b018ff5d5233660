#include "reports/frmQryRpt.h"

#include "core/ServerDate.h"

#include "platform/ui/ControlEvents.h"
#include "platform/ui/DatePicker.h"

namespace reports {

frmQryRpt::frmQryRpt()
{
    setObjectName(QStringLiteral("frmQryRpt"));
    setWindowTitle(QStringLiteral("Query Report"));
    resize(1062, 658);

    dtpFromDate = new ui::DatePicker(this);
    dtpFromDate->setObjectName(QStringLiteral("dtpFromDate"));
    dtpFromDate->move(20, 20);
    dtpToDate = new ui::DatePicker(this);
    dtpToDate->setObjectName(QStringLiteral("dtpToDate"));
    dtpToDate->move(200, 20);

    ui::attachHandlers(this, {.keyDown = [this](int& KeyCode, int Shift) { Form_KeyDown(KeyCode, Shift); }});

    Form_Load();
}

void frmQryRpt::Form_Load()
{
    const QDate today = core::GetServerDate();
    dtpFromDate->setValue(today);
    dtpToDate->setValue(today);
}

void frmQryRpt::Form_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape)
        ui::DefaultInstance<frmQryRpt>::unload();
}

} // namespace reports
