#include "invoice/frmQuery.h"

#include "core/AutoComplete.h"
#include "core/ClosingRecordset.h"
#include "core/DecimalEntry.h"
#include "core/ModuleState.h"
#include "core/MonthDates.h"
#include "core/TextBoxFocus.h"
#include "core/WindowPicture.h"

#include "platform/runtime/Clock.h"
#include "platform/runtime/Strings.h"
#include "platform/runtime/Val.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace invoice {

namespace {

constexpr int kWeightDecimals = 3;
constexpr int kLabelTop = 120;
constexpr int kFirstRowTop = 360;
constexpr int kSecondLabelTop = 780;
constexpr int kSecondRowTop = 1020;
constexpr int kFieldHeight = 330;

QLabel* caption(const ui::TwipsPlacer& t, QWidget* parent, const QString& name, const QString& text, int left, int top)
{
    auto* label = t.place(new QLabel(text, parent), name, left, top, 1600, 225);
    label->adjustSize();
    return label;
}

QComboBox* codeCombo(QComboBox* combo)
{
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    return combo;
}

void clearCombo(QComboBox* combo)
{
    combo->clear();
    combo->clearEditText();
}

void upperCase(int& KeyAscii)
{
    if (KeyAscii > 0)
        KeyAscii = QChar(char16_t(KeyAscii)).toUpper().unicode();
}

// Today's day (capped for the month) in the month database's month.
void resetPickerToToday(ui::DatePicker* picker) { core::MovePickerIntoMonth(picker, runtime::Clock::today().day()); }

QString comboText(const QComboBox* combo) { return runtime::Trim(combo->currentText()); }

// Failures of the window's own procedures: "Error <number> <description>" with the exclamation
// icon and the program's title.
const ui::FailureReport kErrorReport{QStringLiteral("Error %1 %2"), ui::vbExclamation};

} // namespace

frmQuery::frmQuery()
{
    setObjectName(QStringLiteral("frmQuery"));
    setWindowTitle(QStringLiteral("Orvane - Query"));
    const ui::TwipsPlacer twips(this);
    resize(twips.x(15360), twips.y(9600));

    CreateControls();
    ConnectHandlers();
    Form_Load();
}

void frmQuery::CreateControls()
{
    const ui::TwipsPlacer t(this);
    fraQuery = t.place(new QGroupBox(this), QStringLiteral("fraQuery"), 60, 0, 15180, 1500);
    QWidget* f = fraQuery;

    // First row.
    lblFromDate = caption(t, f, QStringLiteral("lblFromDate"), QStringLiteral("Bk. From Date"), 120, kLabelTop);
    dtpFromDate = t.place(new ui::DatePicker(f), QStringLiteral("dtpFromDate"), 120, kFirstRowTop, 1560, kFieldHeight);
    lblToDate = caption(t, f, QStringLiteral("lblToDate"), QStringLiteral("To Date"), 1740, kLabelTop);
    dtpToDate = t.place(new ui::DatePicker(f), QStringLiteral("dtpToDate"), 1740, kFirstRowTop, 1560, kFieldHeight);
    for (ui::DatePicker* picker : {dtpFromDate, dtpToDate})
        picker->setCustomFormat(QStringLiteral("dd-MMM-yyyy"));
    lblConsignNo = caption(t, f, QStringLiteral("lblConsignNo"), QStringLiteral("Consign. No"), 3360, kLabelTop);
    txtConsignNo = t.place(new QLineEdit(f), QStringLiteral("txtConsignNo"), 3360, kFirstRowTop, 1700, kFieldHeight);
    txtConsignNo->setMaxLength(14);
    // digits only, also when pasted
    txtConsignNo->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), txtConsignNo));
    lblTranMode = caption(t, f, QStringLiteral("lblTranMode"), QStringLiteral("Tran Mode"), 5120, kLabelTop);
    cboTranMode = t.place(new QComboBox(f), QStringLiteral("cboTranMode"), 5120, kFirstRowTop, 1500, kFieldHeight);
    lblDestination = caption(t, f, QStringLiteral("lblDestination"), QStringLiteral("Destination"), 6680, kLabelTop);
    cboDestination = codeCombo(
        t.place(new QComboBox(f), QStringLiteral("cboDestination"), 6680, kFirstRowTop, 1700, kFieldHeight));
    lblPartyCode = caption(t, f, QStringLiteral("lblPartyCode"), QStringLiteral("Party Code"), 8440, kLabelTop);
    cboPartyCode =
        codeCombo(t.place(new QComboBox(f), QStringLiteral("cboPartyCode"), 8440, kFirstRowTop, 1600, kFieldHeight));
    lblBranchCode = caption(t, f, QStringLiteral("lblBranchCode"), QStringLiteral("Branch"), 10100, kLabelTop);
    cboBranchCode =
        codeCombo(t.place(new QComboBox(f), QStringLiteral("cboBranchCode"), 10100, kFirstRowTop, 1300, kFieldHeight));
    lblWgtFrom = caption(t, f, QStringLiteral("lblWgtFrom"), QStringLiteral("Weight >="), 11460, kLabelTop);
    txtWgtFrom = t.place(new QLineEdit(f), QStringLiteral("txtWgtFrom"), 11460, kFirstRowTop, 1100, kFieldHeight);
    lblWgtTo = caption(t, f, QStringLiteral("lblWgtTo"), QStringLiteral("Weight <="), 12620, kLabelTop);
    txtWgtTo = t.place(new QLineEdit(f), QStringLiteral("txtWgtTo"), 12620, kFirstRowTop, 1100, kFieldHeight);
    for (QLineEdit* weight : {txtWgtFrom, txtWgtTo})
        weight->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // Second row.
    lblPartyName = caption(t, f, QStringLiteral("lblPartyName"), QStringLiteral("Party Name / From Address"), 120,
                           kSecondLabelTop);
    txtPartyName = t.place(new QLineEdit(f), QStringLiteral("txtPartyName"), 120, kSecondRowTop, 3180, kFieldHeight);
    lblToAddress = caption(t, f, QStringLiteral("lblToAddress"), QStringLiteral("To Address"), 3360, kSecondLabelTop);
    txtToAddress = t.place(new QLineEdit(f), QStringLiteral("txtToAddress"), 3360, kSecondRowTop, 3260, kFieldHeight);
    chkStatus = t.place(new QCheckBox(QStringLiteral("Search Address1, 2"), f), QStringLiteral("chkStatus"), 6680,
                        kSecondRowTop, 2400, kFieldHeight);
    lblF2 = caption(t, f, QStringLiteral("lblF2"), QStringLiteral("F2 - New"), 9200, kSecondRowTop + 60);
    cmdShow = t.place(new QPushButton(QStringLiteral("&Show"), f), QStringLiteral("cmdShow"), 11460, kSecondRowTop - 40,
                      1100, 400);
    cmdExit = t.place(new QPushButton(QStringLiteral("E&xit"), f), QStringLiteral("cmdExit"), 12620, kSecondRowTop - 40,
                      1100, 400);

    dgdQuery = t.place(new ui::BoundGrid(this), QStringLiteral("dgdQuery"), 60, 1560, 15180, 7920);
}

void frmQuery::ConnectHandlers()
{
    ui::attachHandlers(dtpFromDate, {.keyDown = [this](int& k, int s) { dtpFromDate_KeyDown(k, s); },
                                     .gotFocus = [this] { core::ClampPickerToMonth(dtpFromDate); }});
    ui::attachHandlers(dtpToDate, {.keyDown = [this](int& k, int s) { dtpToDate_KeyDown(k, s); },
                                   .gotFocus = [this] { core::ClampPickerToMonth(dtpToDate); }});
    ui::attachHandlers(txtConsignNo, {.keyDown = [this](int& k, int s) { txtConsignNo_KeyDown(k, s); },
                                      .keyPress = [this](int& a) { txtConsignNo_KeyPress(a); },
                                      .gotFocus = [this] { core::SelectAllText(txtConsignNo); },
                                      .lostFocus = [this] { core::ResetColors(txtConsignNo); }});
    ui::attachHandlers(cboTranMode, {.keyPress = [this](int& a) { cboTranMode_KeyPress(a); }});
    // Backspace and Delete first take away a selected completion (key down), then delete as in any
    // box; the shorter typed text is completed again as typing it would be.
    ui::attachHandlers(cboDestination, {.keyDown = [this](int& k, int s) { cboDestination_KeyDown(k, s); },
                                        .keyPress = upperCase,
                                        .lostFocus = [this] { core::AutoCompleteLostFocus(cboDestination); },
                                        .change = [this] { core::AutoCompleteChange(cboDestination); }});
    ui::attachHandlers(cboPartyCode, {.keyDown = [this](int& k, int s) { cboPartyCode_KeyDown(k, s); },
                                      .keyPress = upperCase,
                                      .lostFocus = [this] { core::AutoCompleteLostFocus(cboPartyCode); },
                                      .change = [this] { core::AutoCompleteChange(cboPartyCode); }});
    ui::attachHandlers(cboBranchCode, {.keyDown = [this](int& k, int s) { cboBranchCode_KeyDown(k, s); },
                                       .keyPress = upperCase});
    for (QLineEdit* weight : {txtWgtFrom, txtWgtTo})
        ui::attachHandlers(weight, {.keyPress = [this, weight](int& a) {
                                        weight == txtWgtFrom ? txtWgtFrom_KeyPress(a) : txtWgtTo_KeyPress(a);
                                    },
                                    .gotFocus = [weight] {
                                        core::SelectAllText(weight);
                                        core::DecimalGotFocus(weight, kWeightDecimals);
                                    },
                                    .lostFocus = [weight] {
                                        core::ResetColors(weight);
                                        core::FormatDecimalText(weight, kWeightDecimals);
                                    }});
    // Upper case, and no apostrophe.
    const auto addressKeyPress = [](int& a) { a == '\'' ? void(a = 0) : upperCase(a); };
    const auto queryOnKeyUp = [this](int&, int) { RunInvoiceQuery(); };
    ui::attachHandlers(txtPartyName, {.keyDown = [this](int& k, int s) { txtPartyName_KeyDown(k, s); },
                                      .keyPress = addressKeyPress,
                                      .keyUp = queryOnKeyUp,
                                      .gotFocus = [this] { core::SelectAllText(txtPartyName); },
                                      .lostFocus = [this] { core::ResetColors(txtPartyName); }});
    ui::attachHandlers(txtToAddress, {.keyDown = [this](int& k, int s) { txtToAddress_KeyDown(k, s); },
                                      .keyPress = addressKeyPress,
                                      .keyUp = queryOnKeyUp,
                                      .gotFocus = [this] { core::SelectAllText(txtToAddress); },
                                      .lostFocus = [this] { core::ResetColors(txtToAddress); }});
    ui::attachHandlers(dgdQuery, {.keyDown = [this](int& k, int s) { dgdQuery_KeyDown(k, s); },
                                  .gotFocus = [this] { lblF2->show(); },
                                  .lostFocus = [this] { lblF2->hide(); }});
    ui::attachHandlers(cmdShow, {.click = [this] { cmdShow_Click(); }});
    ui::attachHandlers(cmdExit, {.click = [this] { cmdExit_Click(); }});
}

void frmQuery::showEvent(QShowEvent* event)
{
    core::FormWindow<frmQuery>::showEvent(event);
    Form_Activate();
}

void frmQuery::Form_Load()
{
    const bool loaded = ui::guarded(kErrorReport, [this] {
        adodcQuery.setConnection(&core::gcnnMonth);
        adodcQuery.UserName = core::gstrDBUser;
        adodcQuery.Password = core::gstrDBPassword;
        resetPickerToToday(dtpFromDate);
        resetPickerToToday(dtpToDate);
        dgdQuery->hide();
        lblF2->hide();
    });
    if (!loaded)
        return;
    if (!core::LoadWindowPictureIfPresent(this)) {
        ui::MsgBox(QStringLiteral("Error 53 File not found"), ui::vbExclamation);
        return;
    }
    ClearEntryFields();
}

void frmQuery::Form_Activate() { dtpFromDate->setFocus(); }

void frmQuery::ClearEntryFields()
{
    txtConsignNo->clear();
    txtPartyName->clear();
    for (QComboBox* combo : {cboDestination, cboPartyCode, cboBranchCode})
        clearCombo(combo);
}

void frmQuery::dtpFromDate_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape) {
        ui::DefaultInstance<frmQuery>::unload();
    } else if (KeyCode == ui::vbKeyReturn) {
        if (core::PickerInMonth(dtpFromDate))
            dtpToDate->setFocus();
        else
            resetPickerToToday(dtpFromDate);
    }
}

void frmQuery::dtpToDate_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape) {
        ui::DefaultInstance<frmQuery>::unload();
    } else if (KeyCode == ui::vbKeyPageUp) {
        dtpFromDate->setFocus();
    } else if (KeyCode == ui::vbKeyReturn) {
        if (!core::PickerInMonth(dtpToDate)) {
            resetPickerToToday(dtpToDate);
        } else if (dtpFromDate->value().date() > dtpToDate->value().date()) {
            ui::MsgBox(QStringLiteral("From Date Should be Lessthan Or Equal to To Date"), ui::vbInformation,
                       QStringLiteral("Invoice Query"));
            dtpFromDate->setFocus();
        } else {
            txtConsignNo->setFocus();
        }
    }
}

void frmQuery::txtConsignNo_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape) {
        ui::DefaultInstance<frmQuery>::unload();
    } else if (KeyCode == ui::vbKeyUp) {
        dtpFromDate->setFocus();
    } else if (KeyCode == ui::vbKeyReturn) {
        if (runtime::Trim(txtConsignNo->text()).isEmpty()) {
            FillTranModes();
        } else {
            RunInvoiceQuery();
            dgdQuery->setFocus();
        }
    }
}

void frmQuery::txtConsignNo_KeyPress(int& KeyAscii)
{
    if (KeyAscii != ui::vbKeyBack && KeyAscii != ui::vbKeyReturn && (KeyAscii < '0' || KeyAscii > '9'))
        KeyAscii = 0;
}

void frmQuery::cboTranMode_KeyPress(int& KeyAscii)
{
    if (KeyAscii == ui::vbKeyReturn)
        FillDestinations();
}

void frmQuery::cboDestination_KeyDown(int& KeyCode, int)
{
    switch (KeyCode) {
    case ui::vbKeyReturn: FillPartyCodes(); break;
    case ui::vbKeyPageUp: txtConsignNo->setFocus(); break;
    case ui::vbKeyEscape: ui::DefaultInstance<frmQuery>::unload(); break;
    case ui::vbKeyBack:
    case ui::vbKeyDelete: core::AutoCompleteDelete(cboDestination); break;
    default: break;
    }
}

void frmQuery::cboPartyCode_KeyDown(int& KeyCode, int)
{
    switch (KeyCode) {
    case ui::vbKeyReturn: FillBranchCodes(); break;
    case ui::vbKeyPageUp: cboDestination->setFocus(); break;
    case ui::vbKeyEscape: ui::DefaultInstance<frmQuery>::unload(); break;
    case ui::vbKeyBack:
    case ui::vbKeyDelete: core::AutoCompleteDelete(cboPartyCode); break;
    default: break;
    }
}

void frmQuery::cboBranchCode_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyReturn) {
        if (comboText(cboBranchCode).isEmpty())
            txtWgtFrom->setFocus();
        else
            RunInvoiceQuery();
    } else if (KeyCode == ui::vbKeyPageUp) {
        cboPartyCode->setFocus();
    } else if (KeyCode == ui::vbKeyEscape) {
        ui::DefaultInstance<frmQuery>::unload();
    }
}

void frmQuery::txtWgtFrom_KeyPress(int& KeyAscii)
{
    if (KeyAscii == ui::vbKeyReturn) {
        const QString text = txtWgtFrom->text();
        if (runtime::Trim(text).isEmpty() || runtime::Val(text).toDouble() == 0)
            txtPartyName->setFocus();
        else
            txtWgtTo->setFocus();
    } else if (KeyAscii == ui::vbKeyEscape) {
        cmdExit->setFocus();
    } else {
        core::DecimalKeyPress(KeyAscii, txtWgtFrom, kWeightDecimals);
    }
}

void frmQuery::txtWgtTo_KeyPress(int& KeyAscii)
{
    if (KeyAscii == ui::vbKeyReturn)
        txtPartyName->setFocus();
    else if (KeyAscii == ui::vbKeyEscape)
        cmdExit->setFocus();
    else
        core::DecimalKeyPress(KeyAscii, txtWgtTo, kWeightDecimals);
}

void frmQuery::txtPartyName_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyReturn)
        txtToAddress->setFocus();
    else if (KeyCode == ui::vbKeyUp)
        cboBranchCode->setFocus();
    else if (KeyCode == ui::vbKeyEscape)
        ui::DefaultInstance<frmQuery>::unload();
}

void frmQuery::txtToAddress_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyReturn) {
        cmdShow->setEnabled(true);
        cmdShow->setFocus();
    } else if (KeyCode == ui::vbKeyUp) {
        txtPartyName->setFocus();
    } else if (KeyCode == ui::vbKeyEscape) {
        ui::DefaultInstance<frmQuery>::unload();
    }
}

void frmQuery::dgdQuery_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape) {
        dgdQuery->setEnabled(false);
        dtpFromDate->setFocus();
    } else if (KeyCode == ui::vbKeyF2) {
        txtConsignNo->clear();
        dtpFromDate->setFocus();
    }
}

bool frmQuery::FillPickList(PickList list, QComboBox* target)
{
    const PickListChoices choices{.fromDate = dtpFromDate->value().date(),
                                  .toDate = dtpToDate->value().date(),
                                  .tranMode = cboTranMode->currentText(),
                                  .destination = cboDestination->currentText(),
                                  .partyCode = cboPartyCode->currentText()};
    bool found = false;
    const bool done = ui::guarded(kErrorReport, [&] {
        const auto close = core::closingAtEnd(mRecordset);
        mRecordset.open(pickListStatement(list, choices), core::gcnnMonth, db::CursorType::Dynamic,
                        db::LockType::Optimistic);
        clearCombo(target);
        for (; !mRecordset.eof(); mRecordset.moveNext())
            target->addItem(mRecordset.value(0).toString());
        // the list shows no choice until the user makes one
        target->setCurrentIndex(-1);
        if (target->isEditable())
            target->clearEditText();
        found = target->count() > 0;
    });
    if (found)
        RunInvoiceQuery();
    return done;
}

void frmQuery::FillTranModes()
{
    if (FillPickList(PickList::TranModes, cboTranMode) && cboTranMode->count() > 0)
        cboTranMode->setFocus();
}

void frmQuery::FillDestinations()
{
    if (FillPickList(PickList::Destinations, cboDestination) && cboDestination->count() > 0)
        cboDestination->setFocus();
}

void frmQuery::FillPartyCodes()
{
    if (FillPickList(PickList::PartyCodes, cboPartyCode))
        LeaveForList(cboDestination, cboPartyCode);
}

void frmQuery::FillBranchCodes()
{
    if (FillPickList(PickList::BranchCodes, cboBranchCode))
        LeaveForList(cboPartyCode, cboBranchCode);
}

void frmQuery::LeaveForList(QComboBox* from, QComboBox* target)
{
    core::AutoCompleteLostFocus(from);
    from->lineEdit()->setCursorPosition(int(from->currentText().size()));
    target->setFocus();
}

InvoiceFilter frmQuery::CurrentFilter() const
{
    return {.fromDate = dtpFromDate->value().date(),
            .toDate = dtpToDate->value().date(),
            .consignNo = txtConsignNo->text(),
            .tranMode = cboTranMode->currentText(),
            .destination = cboDestination->currentText(),
            .branchCode = cboBranchCode->currentText(),
            .partyCode = cboPartyCode->currentText(),
            .weightFrom = txtWgtFrom->text(),
            .weightTo = txtWgtTo->text(),
            .partyName = txtPartyName->text(),
            .toAddress = txtToAddress->text(),
            .searchAddress2 = chkStatus->isChecked(),
            .centralMode = core::gblnCentralMode,
            .userBranchCode = core::gstrUserBranchCode};
}

void frmQuery::RunInvoiceQuery()
{
    ui::guarded(kErrorReport, [this] {
        adodcQuery.UserName = core::gstrDBUser;
        adodcQuery.Password = core::gstrDBPassword;
        adodcQuery.RecordSource = invoiceQueryStatement(CurrentFilter());
        dgdQuery->show();
        dgdQuery->setEnabled(true);
        adodcQuery.Refresh();
        dgdQuery->setDataSource(&adodcQuery);
        FormatInvoiceGrid();
        dgdQuery->Refresh();
    });
}

void frmQuery::cmdShow_Click() { RunInvoiceQuery(); }

void frmQuery::cmdExit_Click() { ui::DefaultInstance<frmQuery>::unload(); }

} // namespace invoice
