#include "reports/frmDeliveryStatusReport.h"

#include "reports/ClipFill.h"
#include "reports/DateRangeKeys.h"
#include "reports/DeliveryStatusEntry.h"

#include "core/ClosingRecordset.h"
#include "core/DecimalEntry.h"
#include "core/ExcelExport.h"
#include "core/ModuleState.h"
#include "core/TextBoxFocus.h"

#include "platform/db/MonthDatabases.h"
#include "platform/flexgrid/ColumnLayouts.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Strings.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WaitPointer.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>

#include <array>
#include <functional>
#include <utility>

namespace reports {

namespace {

using Twips = ui::TwipsPlacer;

constexpr std::array<ui::ColumnLayout, 10> kColumns{{
    {"BK Date", 1200},
    {"Con No.", 1700}, // a whole 14-digit number
    {"City Code", 1100},
    {"Destination", 2000},
    {"Party Code", 1300},
    {"Party Name", 3800},
    {"Branch", 1300},
    {"Weight", 1300},
    {"Reason", 2300},
    {"DwLoad Time", 1900},
}};
constexpr int kRowHeight = 300;    // twips, every row once the report is shown
constexpr int kWeightDecimals = 3;

// Rows of the layout, in twips from the top.
constexpr int kTotalsTop = 540;
constexpr int kProcessTop = 1260;
constexpr int kFilterTop = 2040;
constexpr int kFieldOffset = 240; // a field below its caption
constexpr int kFieldHeight = 360;
constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 450;

QFont verdana(qreal points, bool bold)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void information(const QString& prompt) { ui::MsgBox(prompt, ui::vbInformation); }

} // namespace

frmDeliveryStatusReport::frmDeliveryStatusReport()
{
    setObjectName(QStringLiteral("frmDeliveryStatusReport"));
    setWindowTitle(QStringLiteral("Delivery Status Report."));
    setFont(verdana(8.25, false));
    const Twips t(this);
    resize(t.x(18400), t.y(10500));

    CreateControls();
    ConnectHandlers();
    Form_Load();
}

void frmDeliveryStatusReport::CreateControls()
{
    const Twips t(this);
    const auto label = [&](const char* name, const QString& caption, int left, int top, int width) {
        return t.place(new QLabel(caption, this), QLatin1String(name), left, top, width, 255);
    };
    const auto value = [&](const char* name, int left, int top, int width) {
        QLabel* shown = label(name, QStringLiteral("***"), left, top, width);
        shown->setFont(verdana(8.25, true));
        return shown;
    };
    const auto field = [&](auto* control, const char* name, int left, int top, int width) {
        return t.place(control, QLatin1String(name), left, top + kFieldOffset, width, kFieldHeight);
    };
    const auto button = [&](const char* name, const QString& caption, int left, int top) {
        return t.place(new QPushButton(caption, this), QLatin1String(name), left, top + kFieldOffset - 45, kButtonWidth,
                       kButtonHeight);
    };

    Label1 = t.place(new QLabel(QStringLiteral("Delivery Status Report"), this), QStringLiteral("Label1"), 120, 60, 18160,
                     420);
    Label1->setFont(verdana(12, true));
    Label1->setAlignment(Qt::AlignCenter);

    // the totals strip: the bookings counted on one line, the two downloads on a line each
    Label2 = label("Label2", QStringLiteral("Total Consignments:"), 240, kTotalsTop, 2000);
    lblTotCons = value("lblTotCons", 2280, kTotalsTop, 1500);
    Label3 = label("Label3", QStringLiteral("Tot DRS Download Cons."), 4320, kTotalsTop, 2400);
    lblTotDRSDownDocs = value("lblTotDRSDownDocs", 6760, kTotalsTop, 1500);
    Label4 = label("Label4", QStringLiteral("Last Download Time:"), 8400, kTotalsTop, 2000);
    lblDRSDownTime = value("lblDRSDownTime", 10440, kTotalsTop, 2600);
    Label5 = label("Label5", QStringLiteral("Tot PTP Download Cons."), 4320, kTotalsTop + 300, 2400);
    lblTotPTPDownDocs = value("lblTotPTPDownDocs", 6760, kTotalsTop + 300, 1500);
    Label6 = label("Label6", QStringLiteral("Last Download Time:"), 8400, kTotalsTop + 300, 2000);
    lblPTPDownTime = value("lblPTPDownTime", 10440, kTotalsTop + 300, 2600);

    // processing by booking dates, then by consignment numbers of a booking month
    Label7 = label("Label7", QStringLiteral("From Date"), 240, kProcessTop, 1755);
    dtpFromDate = field(new ui::DatePicker(this), "dtpFromDate", 240, kProcessTop, 1755);
    Label8 = label("Label8", QStringLiteral("To Date"), 2115, kProcessTop, 1755);
    dtpToDate = field(new ui::DatePicker(this), "dtpToDate", 2115, kProcessTop, 1755);
    for (ui::DatePicker* picker : {dtpFromDate, dtpToDate})
        picker->setCustomFormat(QStringLiteral("dd-MMM-yyyy"));
    cmdProcess = button("cmdProcess", QStringLiteral("&Process"), 3990, kProcessTop);
    Label9 = label("Label9", QStringLiteral("Booking Month"), 5700, kProcessTop, 1500);
    dtpBooking = field(new ui::DatePicker(this), "dtpBooking", 5700, kProcessTop, 1500);
    dtpBooking->setCustomFormat(QStringLiteral("MMM-yyyy"));
    Label10 = label("Label10", QStringLiteral("From Con. No."), 7320, kProcessTop, 2200);
    txtFromNo = field(new QLineEdit(this), "txtFromNo", 7320, kProcessTop, 2200);
    Label11 = label("Label11", QStringLiteral("To Con. No."), 9640, kProcessTop, 2200);
    txtToNo = field(new QLineEdit(this), "txtToNo", 9640, kProcessTop, 2200);
    cmdCNo_Process = button("cmdCNo_Process", QStringLiteral("P&rocess"), 11960, kProcessTop);

    // the cascade of filters and the report's buttons
    Label12 = label("Label12", QStringLiteral("Branch Code"), 240, kFilterTop, 1300);
    cboBranch = field(new QComboBox(this), "cboBranch", 240, kFilterTop, 1300);
    Label13 = label("Label13", QStringLiteral("Transaction Mode"), 1660, kFilterTop, 1700);
    cboTMode = field(new QComboBox(this), "cboTMode", 1660, kFilterTop, 1700);
    Label14 = label("Label14", QStringLiteral("Destination"), 3480, kFilterTop, 2000);
    cboDestination = field(new QComboBox(this), "cboDestination", 3480, kFilterTop, 2000);
    Label15 = label("Label15", QStringLiteral("Party Name"), 5600, kFilterTop, 5000);
    cboParty = field(new QComboBox(this), "cboParty", 5600, kFilterTop, 5000);
    QFont fixedPitch(QStringLiteral("Courier New"));
    fixedPitch.setPointSizeF(9);
    cboParty->setFont(fixedPitch);
    Label16 = label("Label16", QStringLiteral("Weight"), 10720, kFilterTop, 1100);
    txtWeight = field(new QLineEdit(this), "txtWeight", 10720, kFilterTop, 1100);
    Label17 = label("Label17", QStringLiteral("Reason"), 11940, kFilterTop, 2300);
    cboRegion = field(new QComboBox(this), "cboRegion", 11940, kFilterTop, 2300);
    cmdShow = button("cmdShow", QStringLiteral("&Show"), 14360, kFilterTop);
    cmdExcel = button("cmdExcel", QStringLiteral("&Excel"), 15700, kFilterTop);
    cmdExit = button("cmdExit", QStringLiteral("E&xit"), 17040, kFilterTop);
    for (QComboBox* list : {cboBranch, cboTMode, cboDestination, cboParty, cboRegion})
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    prgBar = t.place(new QProgressBar(this), QStringLiteral("prgBar"), 120, 2760, 18160, 180);
    prgBar->setTextVisible(false);
    prgBar->setRange(0, 0); // busy: its value is never set
    msgGrid = t.place(new ui::FlexGrid(this), QStringLiteral("msgGrid"), 120, 3000, 18160, 7380);

    QWidget* const order[] = {dtpFromDate, dtpToDate, cmdProcess, dtpBooking, txtFromNo, txtToNo,
                              cmdCNo_Process, cboBranch, cboTMode, cboDestination, cboParty, txtWeight,
                              cboRegion, cmdShow, cmdExcel, cmdExit, msgGrid};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmDeliveryStatusReport::ConnectHandlers()
{
    ui::attachHandlers(dtpFromDate, {.keyDown = [this](int& KeyCode, int Shift) { dtpFromDate_KeyDown(KeyCode, Shift); }});
    ui::attachHandlers(dtpToDate, {.keyDown = [this](int& KeyCode, int Shift) { dtpToDate_KeyDown(KeyCode, Shift); }});
    ui::attachHandlers(dtpBooking, {.keyDown = [this](int& KeyCode, int Shift) { dtpBooking_KeyDown(KeyCode, Shift); }});
    ui::attachHandlers(txtFromNo, {.keyPress = [this](int& KeyAscii) { txtFromNo_KeyPress(KeyAscii); },
                                   .gotFocus = [this] { core::SelectAllText(txtFromNo); },
                                   .lostFocus = [this] { core::ResetColors(txtFromNo); }});
    ui::attachHandlers(txtToNo, {.keyPress = [this](int& KeyAscii) { txtToNo_KeyPress(KeyAscii); },
                                 .gotFocus = [this] { core::SelectAllText(txtToNo); },
                                 .lostFocus = [this] { core::ResetColors(txtToNo); }});
    // Enter in a list fills the next one; the party list and the reason list only move on
    const std::pair<QComboBox*, std::function<void()>> lists[] = {
        {cboBranch, [this] { FillTransactionModes(); }},
        {cboTMode, [this] { FillDestinations(); }},
        {cboDestination, [this] { FillParties(); }},
        {cboParty, [this] { txtWeight->setFocus(); }},
        {cboRegion, [this] { cmdShow->setFocus(); }},
    };
    for (const auto& [list, onEnter] : lists)
        ui::attachHandlers(list, {.keyPress = [this, onEnter](int& KeyAscii) {
                               if (KeyAscii == ui::vbKeyReturn)
                                   onEnter();
                               else if (KeyAscii == ui::vbKeyEscape)
                                   cmdExit->setFocus();
                           }});
    ui::attachHandlers(txtWeight, {.keyDown = [this](int& KeyCode, int Shift) { txtWeight_KeyDown(KeyCode, Shift); },
                                   .keyPress = [this](int& KeyAscii) { txtWeight_KeyPress(KeyAscii); },
                                   .gotFocus =
                                       [this] {
                                           core::SelectAllText(txtWeight);
                                           core::DecimalGotFocus(txtWeight, kWeightDecimals);
                                       },
                                   .lostFocus =
                                       [this] {
                                           core::ResetColors(txtWeight);
                                           core::FormatDecimalText(txtWeight, kWeightDecimals);
                                       }});
    ui::attachHandlers(cmdProcess, {.click = [this] { cmdProcess_Click(); }});
    ui::attachHandlers(cmdCNo_Process, {.click = [this] { cmdCNo_Process_Click(); }});
    ui::attachHandlers(cmdShow, {.click = [this] { cmdShow_Click(); }});
    ui::attachHandlers(cmdExcel, {.click = [this] { cmdExcel_Click(); }});
    ui::attachHandlers(cmdExit, {.click = [this] { cmdExit_Click(); }});
}

void frmDeliveryStatusReport::Form_Load()
{
    // The processing may run long: no time limit on the month connection from here on, for every
    // later statement of the program too.
    core::gcnnMonth.setCommandTimeout(0);
    for (ui::DatePicker* picker : {dtpFromDate, dtpToDate, dtpBooking})
        picker->setValue(runtime::Clock::today());
    prgBar->setVisible(false);
    dtpFromDate->setFocus();
}

void frmDeliveryStatusReport::dtpFromDate_KeyDown(int& KeyCode, int)
{
    fromDateKeyDown(KeyCode, dtpToDate, cmdExit);
}

void frmDeliveryStatusReport::dtpToDate_KeyDown(int& KeyCode, int)
{
    if (!toDateEntered(KeyCode, dtpFromDate, dtpToDate, cmdExit, dateRangeMessage(DateRangeFault::Reversed))
        || ReportDateFault(checkBookingDates(dtpFromDate->value().date(), dtpToDate->value().date())))
        return;
    cmdProcess->setEnabled(true);
    cmdProcess->setFocus();
}

void frmDeliveryStatusReport::dtpBooking_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyReturn)
        txtFromNo->setFocus();
    else if (KeyCode == ui::vbKeyEscape)
        cmdExit->setFocus();
}

void frmDeliveryStatusReport::txtFromNo_KeyPress(int& KeyAscii)
{
    if (KeyAscii == ui::vbKeyEscape) {
        cmdExit->setFocus();
    } else if (KeyAscii == ui::vbKeyReturn) {
        if (ReportNumberFault(checkFromNumber(txtFromNo->text())))
            return;
        txtToNo->setText(runtime::Trim(txtFromNo->text()));
        txtToNo->setFocus();
    } else if (!(KeyAscii >= '0' && KeyAscii <= '9') && KeyAscii != ui::vbKeyBack) {
        KeyAscii = 0;
    }
}

void frmDeliveryStatusReport::txtToNo_KeyPress(int& KeyAscii)
{
    if (KeyAscii == ui::vbKeyEscape) {
        cmdExit->setFocus();
    } else if (KeyAscii == ui::vbKeyReturn) {
        if (ReportNumberFault(checkNumberRange(txtFromNo->text(), txtToNo->text())))
            return;
        cmdCNo_Process->setEnabled(true);
        cmdCNo_Process->setFocus();
    } else if (!(KeyAscii >= '0' && KeyAscii <= '9') && KeyAscii != ui::vbKeyBack) {
        KeyAscii = 0;
    }
}

void frmDeliveryStatusReport::txtWeight_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyReturn)
        FillReasons();
    else if (KeyCode == ui::vbKeyEscape)
        cmdExit->setFocus();
}

void frmDeliveryStatusReport::txtWeight_KeyPress(int& KeyAscii)
{
    if (KeyAscii != ui::vbKeyReturn)
        core::DecimalKeyPress(KeyAscii, txtWeight, kWeightDecimals);
}

bool frmDeliveryStatusReport::ReportNumberFault(NumberRangeFault fault)
{
    if (fault == NumberRangeFault::None)
        return false;
    information(numberRangeMessage(fault));
    switch (fault) {
    case NumberRangeFault::FromMissing: txtFromNo->setFocus(); break;
    case NumberRangeFault::ToBelowFrom: txtToNo->clear(); [[fallthrough]];
    case NumberRangeFault::ToMissing: txtToNo->setFocus(); break;
    case NumberRangeFault::None: break;
    }
    return true;
}

bool frmDeliveryStatusReport::ReportDateFault(DateRangeFault fault)
{
    if (fault == DateRangeFault::None)
        return false;
    information(dateRangeMessage(fault));
    (fault == DateRangeFault::FromOutsideYears ? dtpFromDate : dtpToDate)->setFocus();
    return true;
}

bool frmDeliveryStatusReport::ConfirmProcess()
{
    return ui::MsgBox(QStringLiteral("Are You Sure to Process"), ui::vbYesNo | ui::vbQuestion | ui::vbDefaultButton2)
           == ui::vbYes;
}

void frmDeliveryStatusReport::cmdProcess_Click()
{
    // the To date's Enter checks the dates, but the button can be clicked without it
    const QDate from = dtpFromDate->value().date();
    const QDate to = dtpToDate->value().date();
    if (ReportDateFault(checkBookingDates(from, to)) || !ConfirmProcess())
        return;
    setCursor(Qt::WaitCursor);
    const auto pointer = qScopeGuard([this] { unsetCursor(); });
    ClearTotals();
    core::gcnnMonth.execute(statusDatesCall(from, to));
    information(QStringLiteral("Process Completed"));
    unsetCursor();
    FillBranches();
    cmdProcess->setEnabled(false);
    ShowTotals();
    cboBranch->setFocus();
}

void frmDeliveryStatusReport::cmdCNo_Process_Click()
{
    // the To box's Enter checks the range, but the button can be clicked without it
    if (ReportNumberFault(checkNumberRange(txtFromNo->text(), txtToNo->text())))
        return;
    const QDate month = dtpBooking->value().date();
    if (!db::inMonthDatabaseYears(month)) {
        information(bookingMonthMessage());
        dtpBooking->setFocus();
        return;
    }
    if (!ConfirmProcess())
        return;
    setCursor(Qt::WaitCursor);
    const auto pointer = qScopeGuard([this] { unsetCursor(); });
    ClearTotals();
    core::gcnnMonth.execute(statusNumbersCall(*consignmentDigits(txtFromNo->text()),
                                              *consignmentDigits(txtToNo->text()), month));
    information(QStringLiteral("Process Completed"));
    cmdCNo_Process->setEnabled(false);
    unsetCursor();
    cmdShow->setFocus();
}

void frmDeliveryStatusReport::ClearTotals()
{
    for (QLabel* total : {lblTotCons, lblTotDRSDownDocs, lblTotPTPDownDocs, lblDRSDownTime, lblPTPDownTime})
        total->setText(QStringLiteral("-"));
}

void frmDeliveryStatusReport::ShowTotals()
{
    lblTotCons->setText(FirstValue(statusBookedCountStatement(dtpFromDate->value().date(), dtpToDate->value().date())));
    lblTotDRSDownDocs->setText(FirstValue(statusDownloadedCountStatement(StatusDownload::Runsheets)));
    lblTotPTPDownDocs->setText(FirstValue(statusDownloadedCountStatement(StatusDownload::PointPods)));
    lblDRSDownTime->setText(LatestDownload(StatusDownload::Runsheets));
    lblPTPDownTime->setText(LatestDownload(StatusDownload::PointPods));
}

QString frmDeliveryStatusReport::FirstValue(const QString& sql)
{
    const auto close = core::closingAtEnd(mTotals);
    mTotals.open(sql, core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    return runtime::CellText(mTotals.value(0));
}

QString frmDeliveryStatusReport::LatestDownload(StatusDownload download)
{
    const auto close = core::closingAtEnd(mTotals);
    mTotals.open(statusLatestDownloadStatement(download), core::gcnnMonth, db::CursorType::Dynamic,
                 db::LockType::Optimistic);
    if (mTotals.eof())
        return QStringLiteral("-");
    const QVariant time = mTotals.value(QStringLiteral("Down_Date"));
    return time.isNull() ? QStringLiteral("-") : runtime::CStr(time);
}

void frmDeliveryStatusReport::FillBranches()
{
    FillList(StatusList::Branches, cboBranch, QStringLiteral("There is No Branch Details"));
}

void frmDeliveryStatusReport::FillTransactionModes()
{
    FillList(StatusList::TransactionModes, cboTMode, QStringLiteral("There is No Transaction Mode Details"));
}

void frmDeliveryStatusReport::FillDestinations()
{
    FillList(StatusList::Destinations, cboDestination, QStringLiteral("There is No Destination Details"));
}

void frmDeliveryStatusReport::FillParties()
{
    FillList(StatusList::Parties, cboParty, QStringLiteral("There is No Party Details"));
}

void frmDeliveryStatusReport::FillReasons()
{
    FillList(StatusList::Reasons, cboRegion, QStringLiteral("There is No Region Details"));
}

void frmDeliveryStatusReport::FillList(StatusList list, QComboBox* combo, const QString& emptyMessage)
{
    combo->clear();
    const QString sql = statusListStatement(list, CurrentChoices());
    combo->addItem(QString()); // no choice: no filter
    const auto close = core::closingAtEnd(mReport);
    mReport.open(sql, core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    if (mReport.eof()) {
        information(emptyMessage);
        cmdExit->setFocus();
        return;
    }
    for (; !mReport.eof(); mReport.moveNext()) {
        if (list == StatusList::Parties) {
            // the item shows a code cut to 10 characters; the filter takes the whole code
            const QString code = runtime::CellText(mReport.value(QStringLiteral("PartyCode")));
            combo->addItem(statusPartyItem(runtime::CellText(mReport.value(QStringLiteral("PartyName"))), code), code);
        } else {
            combo->addItem(runtime::CellText(mReport.value(0)));
        }
    }
    combo->setFocus();
}

void frmDeliveryStatusReport::FormatGrid()
{
    msgGrid->setFixedRows(1);
    msgGrid->setFixedCols(0);
    ui::layOutColumns(msgGrid, kColumns);
}

void frmDeliveryStatusReport::cmdShow_Click()
{
    const auto pointer = ui::waitPointer();
    prgBar->setVisible(true);
    prgBar->repaint(); // painted now: the window paints nothing more until the report is shown
    const auto hide = qScopeGuard([this] { prgBar->setVisible(false); });
    FormatGrid();
    const auto close = core::closingAtEnd(mReport);
    mReport.openRows(statusReportStatement(CurrentChoices()), core::gcnnMonth);
    if (mReport.eof())
        return;

    FillGridByClip(msgGrid, mReport, kRowHeight);
}

void frmDeliveryStatusReport::cmdExcel_Click()
{
    const QDate from = dtpFromDate->value().date();
    const QDate to = dtpToDate->value().date();
    const QString name = statusWorkbookName(from, to);
    if (!core::ExportGridToExcel(name, msgGrid, statusRangeTitle(from, to),
                                 statusChoicesTitle(cboBranch->currentText(), cboParty->currentText(),
                                                    cboRegion->currentText())))
        information(QStringLiteral("The workbook %1.xlsx could not be written.").arg(name));
}

void frmDeliveryStatusReport::cmdExit_Click() { ui::DefaultInstance<frmDeliveryStatusReport>::unload(); }

StatusChoices frmDeliveryStatusReport::CurrentChoices() const
{
    return {.branch = cboBranch->currentText(),
            .transactionMode = cboTMode->currentText(),
            .destination = cboDestination->currentText(),
            .partyCode = cboParty->currentData().toString(),
            .weight = txtWeight->text(),
            .reason = cboRegion->currentText()};
}

} // namespace reports
