#include "followup/frmManifestQuery.h"

#include "core/ClosingRecordset.h"
#include "core/ModuleState.h"
#include "core/MonthDates.h"
#include "core/TextBoxFocus.h"
#include "core/WindowPicture.h"

#include "platform/flexgrid/ColumnLayouts.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/DateTexts.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace followup {

namespace {

using Twips = ui::TwipsPlacer;

constexpr std::array<ui::ColumnLayout, 8> kColumns{{
    {"Sl.No", 800},
    {"Date", 1400},
    {"Destination", 1300},
    {"Mf.SNo", 1000},
    {"Manifest No", 1500},
    {"Con. No", 1800}, // a whole 14-digit number
    {"Origin", 1200},
    {"Status", 1700}, // "OPEN CONDITION" whole in the bold font
}};
// The fields of columns 1 to 7: the date, then those shown as they are.
constexpr std::array<const char*, 7> kFields{"ManifestDate", "Destination", "SerialNo", "ManifestNo",
                                             "ConsignmentNo", "Origin",      "Status"};

constexpr int kLabelTop = 240;
constexpr int kFieldTop = 510;
constexpr int kFieldHeight = 360;

QLabel* caption(const Twips& t, QWidget* parent, const char* name, const QString& text, int left, int width)
{
    return t.place(new QLabel(text, parent), QLatin1String(name), left, kLabelTop, width, 255);
}

// Letters (upper-cased) and the signs between the two alphabets, the blank, Backspace, Enter and
// Esc pass; digits, the apostrophe and the other signs are dropped.
void destinationKey(int& KeyAscii)
{
    if (KeyAscii > 0 && KeyAscii < 0x10000) {
        const QString upper = QString(QChar(KeyAscii)).toUpper();
        if (upper.size() == 1)
            KeyAscii = upper[0].unicode();
    }
    const bool passes = (KeyAscii >= 'A' && KeyAscii <= 'z') || KeyAscii == ' ' || KeyAscii == ui::vbKeyBack
                        || KeyAscii == ui::vbKeyReturn || KeyAscii == ui::vbKeyEscape;
    if (!passes)
        KeyAscii = 0;
}

} // namespace

frmManifestQuery::frmManifestQuery()
{
    setObjectName(QStringLiteral("frmManifestQuery"));
    setWindowTitle(QStringLiteral("Manifest Details - Query"));
    const Twips t(this);
    resize(t.x(12300), t.y(8400));

    CreateControls();
    ConnectHandlers();
    Form_Load();
}

void frmManifestQuery::CreateControls()
{
    const Twips t(this);

    lblFromDate = caption(t, this, "lblFromDate", QStringLiteral("From"), 240, 1755);
    dtpFromDate = t.place(new ui::DatePicker(this), QStringLiteral("dtpFromDate"), 240, kFieldTop, 1755, kFieldHeight);
    lblToDate = caption(t, this, "lblToDate", QStringLiteral("To"), 2115, 1755);
    dtpToDate = t.place(new ui::DatePicker(this), QStringLiteral("dtpToDate"), 2115, kFieldTop, 1755, kFieldHeight);
    for (ui::DatePicker* picker : {dtpFromDate, dtpToDate})
        picker->setCustomFormat(QStringLiteral("dd-MMM-yyyy"));
    lblOrigin = caption(t, this, "lblOrigin", QStringLiteral("Origin"), 3990, 1300);
    txtOrigin = t.place(new QLineEdit(this), QStringLiteral("txtOrigin"), 3990, kFieldTop, 1300, kFieldHeight);
    lblStatus = caption(t, this, "lblStatus", QStringLiteral("Status"), 5410, 2200);
    cboStatus = t.place(new QComboBox(this), QStringLiteral("cboStatus"), 5410, kFieldTop, 2200, kFieldHeight);
    lblConsignNo = caption(t, this, "lblConsignNo", QStringLiteral("Consign.No"), 7730, 1800);
    txtConsignNo = t.place(new QLineEdit(this), QStringLiteral("txtConsignNo"), 7730, kFieldTop, 1800, kFieldHeight);
    txtConsignNo->setMaxLength(14);
    cmdShow = t.place(new QPushButton(QStringLiteral("&Show"), this), QStringLiteral("cmdShow"), 9700, 465, 1100, 450);
    cmdExit = t.place(new QPushButton(QStringLiteral("E&xit"), this), QStringLiteral("cmdExit"), 10920, 465, 1100, 450);

    msgManifest = t.place(new ui::FlexGrid(this), QStringLiteral("msgManifest"), 240, 1080, 11820, 7080);
    msgManifest->setFontBold(true);

    QWidget* const order[] = {dtpFromDate, dtpToDate, txtOrigin, cboStatus, txtConsignNo, cmdShow, cmdExit, msgManifest};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmManifestQuery::ConnectHandlers()
{
    ui::attachHandlers(dtpFromDate, {.keyDown = [this](int& KeyCode, int Shift) { dtpFromDate_KeyDown(KeyCode, Shift); },
                                     .gotFocus = [this] { core::ClampPickerToMonth(dtpFromDate); }});
    ui::attachHandlers(dtpToDate, {.keyDown = [this](int& KeyCode, int Shift) { dtpToDate_KeyDown(KeyCode, Shift); },
                                   .gotFocus = [this] { core::ClampPickerToMonth(dtpToDate); }});
    ui::attachHandlers(txtOrigin, {.keyDown = [this](int& KeyCode, int Shift) { txtOrigin_KeyDown(KeyCode, Shift); },
                                   .keyPress = [this](int& KeyAscii) { txtOrigin_KeyPress(KeyAscii); },
                                   .gotFocus = [this] { core::SelectAllText(txtOrigin); },
                                   .lostFocus = [this] { core::ResetColors(txtOrigin); }});
    ui::attachHandlers(cboStatus, {.keyDown = [this](int& KeyCode, int Shift) { cboStatus_KeyDown(KeyCode, Shift); }});
    ui::attachHandlers(txtConsignNo,
                       {.keyDown = [this](int& KeyCode, int Shift) { txtConsignNo_KeyDown(KeyCode, Shift); },
                        .keyPress = [this](int& KeyAscii) { txtConsignNo_KeyPress(KeyAscii); },
                        .gotFocus = [this] { core::SelectAllText(txtConsignNo); },
                        .lostFocus = [this] { core::ResetColors(txtConsignNo); }});
    ui::attachHandlers(msgManifest, {.keyPress = [this](int& KeyAscii) { msgManifest_KeyPress(KeyAscii); }});
    ui::attachHandlers(cmdShow, {.click = [this] { cmdShow_Click(); }});
    ui::attachHandlers(cmdExit, {.click = [this] { cmdExit_Click(); }});
}

void frmManifestQuery::showEvent(QShowEvent* event)
{
    core::FormWindow<frmManifestQuery>::showEvent(event);
    Form_Activate();
}

void frmManifestQuery::Form_Load()
{
    core::LoadWindowPictureIfPresent(this);
    dtpFromDate->setValue(runtime::Clock::today());
    dtpToDate->setValue(runtime::Clock::today());
    FillStatusList();
    msgManifest->hide();
    cmdShow->setEnabled(false);
}

void frmManifestQuery::Form_Activate() { dtpFromDate->setFocus(); }

void frmManifestQuery::FillStatusList()
{
    cboStatus->clear();
    cboStatus->addItems({QString(), QStringLiteral("NORMAL"), QStringLiteral("WITHOUT ENTRY"),
                         QStringLiteral("OPEN CONDITION"), QStringLiteral("DAMAGED"), QStringLiteral("MISROUTE"),
                         QStringLiteral("NOT RECEIVED"), QStringLiteral("RETURN")});
    cboStatus->setCurrentIndex(0); // no status filter
}

void frmManifestQuery::ControlClear()
{
    txtOrigin->clear();
    dtpFromDate->setValue(runtime::Clock::today());
    dtpToDate->setValue(runtime::Clock::today());
    FillStatusList();
}

bool frmManifestQuery::DateInMonthOrMoved(ui::DatePicker* picker)
{
    if (core::PickerInMonth(picker))
        return true;
    core::ClampPickerToMonth(picker);
    return false;
}

void frmManifestQuery::dtpFromDate_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyReturn) {
        if (DateInMonthOrMoved(dtpFromDate)) {
            dtpToDate->setEnabled(true);
            dtpToDate->setFocus();
        }
    } else if (KeyCode == ui::vbKeyEscape) {
        cmdExit->setFocus();
    }
}

void frmManifestQuery::dtpToDate_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyReturn) {
        if (!DateInMonthOrMoved(dtpToDate))
            return;
        if (dtpToDate->value().date() < dtpFromDate->value().date()) {
            ui::MsgBox(QStringLiteral("To date should not be less than From Date"), ui::vbInformation,
                       core::gstrCompanyName);
            dtpToDate->setFocus();
            return;
        }
        txtOrigin->setEnabled(true);
        txtOrigin->setFocus();
    } else if (KeyCode == ui::vbKeyPageUp) {
        KeyCode = 0; // the picker does not page through its dates
        dtpFromDate->setEnabled(true);
        dtpFromDate->setFocus();
    } else if (KeyCode == ui::vbKeyEscape) {
        ControlClear();
        dtpFromDate->setFocus();
    }
}

void frmManifestQuery::txtOrigin_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyUp)
        dtpToDate->setFocus();
}

void frmManifestQuery::txtOrigin_KeyPress(int& KeyAscii)
{
    destinationKey(KeyAscii);
    if (KeyAscii == ui::vbKeyReturn)
        cboStatus->setFocus();
}

void frmManifestQuery::cboStatus_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyReturn) {
        txtConsignNo->setFocus();
    } else if (KeyCode == ui::vbKeyPageUp) {
        KeyCode = 0; // the list keeps its choice
        txtOrigin->setEnabled(true);
        txtOrigin->setFocus();
    }
}

void frmManifestQuery::txtConsignNo_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyUp)
        cboStatus->setFocus();
}

void frmManifestQuery::txtConsignNo_KeyPress(int& KeyAscii)
{
    const bool passes = (KeyAscii >= '0' && KeyAscii <= '9') || KeyAscii == ui::vbKeyBack
                        || KeyAscii == ui::vbKeyReturn || KeyAscii == ui::vbKeyEscape;
    if (!passes) {
        KeyAscii = 0;
    } else if (KeyAscii == ui::vbKeyReturn) {
        cmdShow->setEnabled(true);
        cmdShow->setFocus();
    }
}

void frmManifestQuery::msgManifest_KeyPress(int& KeyAscii)
{
    if (KeyAscii == ui::vbKeyReturn) {
        dtpFromDate->setEnabled(true);
        dtpFromDate->setFocus();
    } else if (KeyAscii == ui::vbKeyEscape) {
        msgManifest->hide();
        ControlClear();
        dtpFromDate->setFocus();
    }
}

void frmManifestQuery::cmdShow_Click()
{
    cmdShow->setEnabled(false);
    bool found = false;
    // a failing query is reported and leaves the window ready for the next one
    const bool ran = ui::guarded({QStringLiteral("%2"), ui::vbExclamation, core::gstrCompanyName}, [&] {
        FlexFormat();
        found = ShowManifests();
    });
    if (!ran) {
        msgManifest->hide();
        dtpFromDate->setFocus();
        return;
    }
    if (!found) {
        ui::MsgBox(QStringLiteral("RECORDS NOT FOUND"), ui::vbInformation, core::gstrCompanyName);
        msgManifest->hide();
        ControlClear();
        dtpFromDate->setFocus();
        return;
    }
    msgManifest->show();
    msgManifest->setColSel(msgManifest->cols() - 1);
    ui::selectWholeRows(msgManifest, ui::flexFocusLight);
    msgManifest->setFocus();
}

void frmManifestQuery::cmdExit_Click() { ui::DefaultInstance<frmManifestQuery>::unload(); }

void frmManifestQuery::FlexFormat()
{
    msgManifest->setFixedRows(1);
    msgManifest->setFixedCols(0);
    ui::layOutColumns(msgManifest, kColumns);
}

ManifestFilter frmManifestQuery::CurrentFilter() const
{
    return {.fromDate = dtpFromDate->value().date(),
            .toDate = dtpToDate->value().date(),
            .destination = txtOrigin->text(),
            .status = cboStatus->currentText(),
            .consignNo = txtConsignNo->text()};
}

bool frmManifestQuery::ShowManifests()
{
    const auto close = core::closingAtEnd(mRecordset);
    mRecordset.open(manifestQueryStatement(CurrentFilter()), core::gcnnMonth, db::CursorType::Dynamic,
                    db::LockType::Optimistic);
    if (mRecordset.eof())
        return false;
    std::array<int, kFields.size()> at{};
    for (std::size_t f = 0; f < kFields.size(); ++f)
        at[f] = mRecordset.fieldIndex(QLatin1String(kFields[f]));
    runtime::DateTexts dates(QStringLiteral("dd-MMM-yy"));
    // a row for every line, numbered from 1, and one empty row below the last; a Null shows empty
    msgManifest->setRows(int(mRecordset.recordCount()) + 2);
    for (int row = 1; !mRecordset.eof(); mRecordset.moveNext(), ++row) {
        msgManifest->setTextMatrix(row, 0, QString::number(row));
        msgManifest->setTextMatrix(row, 1, dates.of(mRecordset.value(at[0])));
        for (std::size_t f = 1; f < kFields.size(); ++f)
            msgManifest->setTextMatrix(row, int(f) + 1, runtime::CellText(mRecordset.value(at[f])));
    }
    return true;
}

} // namespace followup
