#include "core/frmChangeMonth.h"

#include "core/ModuleState.h"
#include "core/WindowPicture.h"
#include "core/mdiQuery.h"

#include "platform/db/MonthDatabases.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/Format.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowHost.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace core {

namespace {

// Points the month connection at gstrMonthDB.
void ReopenMonthConnection()
{
    if (gcnnMonth.state() == db::ObjectState::Open)
        gcnnMonth.close();
    gcnnMonth.open(ConnectionText(gstrMonthDB));
}

} // namespace

frmChangeMonth::frmChangeMonth()
{
    setObjectName(QStringLiteral("frmChangeMonth"));
    setWindowTitle(QStringLiteral("Orvane - Change Branch,Month & Year "));
    setFixedSize(380, 190);

    lblTitle = new QLabel(QStringLiteral("Change Month"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont headingFont = lblTitle->font();
    headingFont.setPointSize(14);
    headingFont.setBold(true);
    lblTitle->setFont(headingFont);
    lblTitle->setAlignment(Qt::AlignCenter);

    dtpDate = new ui::DatePicker(this);
    dtpDate->setObjectName(QStringLiteral("dtpDate"));
    dtpDate->setCustomFormat(QStringLiteral("MMM-yyyy"));
    lblDB = new QLabel(QStringLiteral("Month && Year"), this);
    lblDB->setObjectName(QStringLiteral("lblDB"));
    lblDB->setBuddy(dtpDate);

    cmdChange = new QPushButton(QStringLiteral("&Change"), this);
    cmdChange->setObjectName(QStringLiteral("cmdChange"));
    cmdExit = new QPushButton(QStringLiteral("E&xit"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(30, 16, 30, 20);
    layout->setVerticalSpacing(14);
    layout->addWidget(lblTitle, 0, 0, 1, 3);
    layout->addWidget(lblDB, 1, 0);
    layout->addWidget(dtpDate, 1, 1, 1, 2);
    layout->addWidget(cmdChange, 2, 1);
    layout->addWidget(cmdExit, 2, 2);

    ui::attachHandlers(dtpDate, {.keyDown = [this](int& KeyCode, int Shift) { dtpDate_KeyDown(KeyCode, Shift); }});
    ui::attachHandlers(this, {.keyDown = [this](int& KeyCode, int Shift) { Form_KeyDown(KeyCode, Shift); }});
    ui::attachHandlers(cmdChange, {.click = [this] { cmdChange_Click(); }});
    ui::attachHandlers(cmdExit, {.click = [this] { cmdExit_Click(); }});

    Form_Load();
}

bool frmChangeMonth::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return FormWindow::event(event);
}

void frmChangeMonth::Form_Load()
{
    LoadWindowPictureIfPresent(this);
    cmdChange->setEnabled(false);
    dtpDate->setValue(runtime::Format(runtime::Clock::now(), QStringLiteral("MMM-YYYY")));
}

void frmChangeMonth::Form_Activate() { dtpDate->setFocus(); }

// A key goes to the picker first and then, when the picker leaves it, to the window; both act
// alike, so acting twice changes nothing.
void frmChangeMonth::Form_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyReturn) {
        cmdChange->setEnabled(true);
        cmdChange->setFocus();
    } else if (KeyCode == ui::vbKeyEscape) {
        ui::DefaultInstance<frmChangeMonth>::unload();
    }
}

void frmChangeMonth::dtpDate_KeyDown(int& KeyCode, int Shift) { Form_KeyDown(KeyCode, Shift); }

void frmChangeMonth::cmdExit_Click() { ui::DefaultInstance<frmChangeMonth>::unload(); }

void frmChangeMonth::cmdChange_Click()
{
    const QString previousMonthDB = gstrMonthDB;
    const QVariant picked = dtpDate->value();
    gstrMonthDB = db::monthDatabaseName(gstrStationCode, dtpDate->value().date());
    const ui::FailureReport notAvailable{QStringLiteral("Your Selected Month and Year : ")
                                             + runtime::Format(picked, QStringLiteral("MMM-yyyy"))
                                             + QStringLiteral(" Database Not Available. Please Choose Correct Month and Year"),
                                         ui::vbInformation | ui::vbOKOnly, QStringLiteral("Database Change")};
    const bool changed = ui::guarded(notAvailable, [&] {
        ReopenMonthConnection();
        cmdChange->setEnabled(false);
        ui::DefaultInstance<mdiQuery>::get().setWindowTitle(gstrCompanyName + QStringLiteral("     ") + QStringLiteral(" For ")
                                                           + runtime::Format(picked, QStringLiteral("MMM-yyyy")));
        ui::DefaultInstance<frmChangeMonth>::unload();
    });
    if (!changed) {
        ReopenPreviousMonth(previousMonthDB);
        dtpDate->setFocus();
    }
}

// When the previous database cannot be opened either, the clerk is told why and the month
// connection stays closed: queries then report the closed connection, and another switch may
// still open a month.
void frmChangeMonth::ReopenPreviousMonth(const QString& previousMonthDB)
{
    gstrMonthDB = previousMonthDB;
    ui::guarded(ReopenMonthConnection);
}

} // namespace core
