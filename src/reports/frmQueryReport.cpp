#include "reports/frmQueryReport.h"

#include "core/ServerDate.h"

#include "platform/ui/ControlEvents.h"
#include "platform/ui/DatePicker.h"

namespace reports {

frmQueryReport::frmQueryReport()
{
    setObjectName(QStringLiteral("frmQueryReport"));
    setWindowTitle(QStringLiteral("Consignment Enquiry Details Report."));
    resize(1009, 644);

    dtpFromDate = new ui::DatePicker(this);
    dtpFromDate->setObjectName(QStringLiteral("dtpFromDate"));
    dtpFromDate->move(20, 20);
    dtpToDate = new ui::DatePicker(this);
    dtpToDate->setObjectName(QStringLiteral("dtpToDate"));
    dtpToDate->move(200, 20);

    ui::attachHandlers(this, {.keyDown = [this](int& KeyCode, int Shift) { Form_KeyDown(KeyCode, Shift); }});

    Form_Load();
}

void frmQueryReport::Form_Load()
{
    const QDate today = core::GetServerDate();
    dtpFromDate->setValue(today);
    dtpToDate->setValue(today);
}

void frmQueryReport::Form_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape)
        ui::DefaultInstance<frmQueryReport>::unload();
}

} // namespace reports
