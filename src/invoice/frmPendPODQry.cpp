#include "invoice/frmPendPODQry.h"

#include "core/ClosingRecordset.h"
#include "core/ModuleState.h"
#include "core/MonthDates.h"
#include "core/WindowPicture.h"

#include "platform/flexgrid/FlexGrid.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Format.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <vector>

namespace invoice {

namespace {

using Twips = ui::TwipsPlacer;

struct GridColumn {
    const char* heading;
    int width; // twips
};

constexpr std::array<GridColumn, 10> kColumns{{
    {"Sl.No", 800},
    {"Date", 1000},
    {"Origin", 1400},
    {"Consign No", 1400},
    {"From Address", 3300},
    {"To Address", 3300},
    {"Weight", 1000},
    {"NoPcs", 900},
    {"Branch", 1300},
    {"CreateDate", 2300},
}};
constexpr int kMergedColumns = 4; // serial, date, origin and number show once over a record's rows
constexpr int kRowsPerRecord = 4; // three rows and the empty separator

QFont boldFont(const QFont& base, double points)
{
    QFont font(base);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

QLabel* caption(const Twips& t, QWidget* parent, const char* name, const QString& text, int left, int top, int width)
{
    return t.place(new QLabel(text, parent), QLatin1String(name), left, top, width, 255);
}

} // namespace

frmPendPODQry::frmPendPODQry()
{
    setObjectName(QStringLiteral("frmPendPODQry"));
    setWindowTitle(QStringLiteral("Dummy POD Query."));
    const Twips t(this);
    resize(t.x(17400), t.y(9600));

    CreateControls();
    ConnectHandlers();
    Form_Load();
}

void frmPendPODQry::CreateControls()
{
    const Twips t(this);

    lblTitle = t.place(new QLabel(QStringLiteral("DUMMY POD REPORT"), this), QStringLiteral("lblTitle"), 6000, 120, 5400, 450);
    lblTitle->setFont(boldFont(lblTitle->font(), 14.25));
    lblTitle->setAlignment(Qt::AlignCenter);

    // The query line.
    Frame1 = t.place(new QGroupBox(this), QStringLiteral("Frame1"), 120, 600, 17100, 1050);
    lblFromDate = caption(t, Frame1, "lblFromDate", QStringLiteral("From "), 240, 240, 1755);
    dtpFromDate = t.place(new ui::DatePicker(Frame1), QStringLiteral("dtpFromDate"), 240, 510, 1755, 360);
    lblToDate = caption(t, Frame1, "lblToDate", QStringLiteral("To"), 2160, 240, 1755);
    dtpToDate = t.place(new ui::DatePicker(Frame1), QStringLiteral("dtpToDate"), 2160, 510, 1755, 360);
    for (ui::DatePicker* picker : {dtpFromDate, dtpToDate})
        picker->setCustomFormat(QStringLiteral("dd-MMM-yyyy"));
    lblConsignNo = caption(t, Frame1, "lblConsignNo", QStringLiteral("Consign. No"), 4080, 240, 1935);
    txtConsignNo = t.place(new QLineEdit(Frame1), QStringLiteral("txtConsignNo"), 4080, 510, 1935, 360);
    lblOrigin = caption(t, Frame1, "lblOrigin", QStringLiteral("Origin"), 6180, 240, 1500);
    cboOrigin = t.place(new QComboBox(Frame1), QStringLiteral("cboOrigin"), 6180, 510, 1500, 360);
    cboOrigin->setEditable(true); // an origin missing from the list may be typed
    cboOrigin->setInsertPolicy(QComboBox::NoInsert);
    cboOrigin->setCompleter(nullptr); // typed text stays as typed
    lblPartyName = caption(t, Frame1, "lblPartyName", QStringLiteral("To Address"), 7845, 240, 3600);
    txtToAddress = t.place(new QLineEdit(Frame1), QStringLiteral("txtToAddress"), 7845, 510, 3600, 360);
    cmdShow = t.place(new QPushButton(QStringLiteral("&Show"), Frame1), QStringLiteral("cmdShow"), 11700, 450, 1215, 450);
    cmdExit = t.place(new QPushButton(QStringLiteral("E&xit"), Frame1), QStringLiteral("cmdExit"), 13080, 450, 1215, 450);

    // The result.
    lblEscape = t.place(new QLabel(QStringLiteral("Esc - Cancel"), this), QStringLiteral("lblEscape"), 120, 1740, 1800, 255);
    lblEscape->setFont(boldFont(lblEscape->font(), lblEscape->font().pointSizeF()));
    msgGrid = t.place(new ui::FlexGrid(this), QStringLiteral("msgGrid"), 120, 2040, 17100, 7380);
    msgGrid->setFixedCols(0);
    msgGrid->setFixedRows(1);

    setTabOrder(dtpFromDate, dtpToDate);
    setTabOrder(dtpToDate, txtConsignNo);
    setTabOrder(txtConsignNo, cboOrigin);
    setTabOrder(cboOrigin, txtToAddress);
    setTabOrder(txtToAddress, cmdShow);
    setTabOrder(cmdShow, cmdExit);
    setTabOrder(cmdExit, msgGrid);
}

void frmPendPODQry::ConnectHandlers()
{
    ui::attachHandlers(dtpFromDate, {.keyDown = [this](int& KeyCode, int Shift) { dtpFromDate_KeyDown(KeyCode, Shift); },
                                     .gotFocus = [this] { core::ClampPickerToMonth(dtpFromDate); }});
    ui::attachHandlers(dtpToDate, {.keyDown = [this](int& KeyCode, int Shift) { dtpToDate_KeyDown(KeyCode, Shift); },
                                   .gotFocus = [this] { core::ClampPickerToMonth(dtpToDate); }});
    ui::attachHandlers(txtConsignNo, {.keyPress = [this](int& KeyAscii) { txtConsignNo_KeyPress(KeyAscii); }});
    ui::attachHandlers(cboOrigin, {.keyPress = [this](int& KeyAscii) { cboOrigin_KeyPress(KeyAscii); }});
    ui::attachHandlers(txtToAddress, {.keyPress = [this](int& KeyAscii) { txtToAddress_KeyPress(KeyAscii); },
                                      .keyUp = [this](int& KeyCode, int Shift) { txtToAddress_KeyUp(KeyCode, Shift); }});
    ui::attachHandlers(cmdShow, {.click = [this] { cmdShow_Click(); }});
    ui::attachHandlers(cmdExit, {.click = [this] { cmdExit_Click(); }});
    ui::attachHandlers(msgGrid, {.keyDown = [this](int& KeyCode, int Shift) { msgGrid_KeyDown(KeyCode, Shift); }});
}

void frmPendPODQry::showEvent(QShowEvent* event)
{
    core::FormWindow<frmPendPODQry>::showEvent(event);
    Form_Activate();
}

void frmPendPODQry::Form_Load()
{
    core::LoadWindowPictureIfPresent(this);
    dtpFromDate->setValue(runtime::Clock::today());
    dtpToDate->setValue(runtime::Clock::today());
    cmdShow->setEnabled(false);
    cmdExit->setEnabled(true);
    msgGrid->hide();
    lblEscape->hide();
}

void frmPendPODQry::Form_Activate() { dtpFromDate->setFocus(); }

bool frmPendPODQry::DateInMonthOrMoved(ui::DatePicker* picker)
{
    if (core::PickerInMonth(picker))
        return true;
    // The same day of the database month; a day the month lacks becomes its last day.
    core::ClampPickerToMonth(picker);
    return false;
}

void frmPendPODQry::dtpFromDate_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyReturn) {
        if (DateInMonthOrMoved(dtpFromDate))
            dtpToDate->setFocus();
    } else if (KeyCode == ui::vbKeyEscape) {
        cmdExit->setFocus();
    } else if (KeyCode == ui::vbKeyPageUp) {
        KeyCode = 0; // the picker does not page through its dates
    }
}

void frmPendPODQry::dtpToDate_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyReturn) {
        if (!DateInMonthOrMoved(dtpToDate))
            return;
        if (dtpToDate->value().date() < dtpFromDate->value().date()) {
            ui::MsgBox(QStringLiteral("To Date Should be Equal to or Greater than From Date"), ui::vbInformation,
                       core::gstrCompanyName);
            dtpToDate->setFocus();
            return;
        }
        Load_OriginNames();
        txtConsignNo->setFocus();
    } else if (KeyCode == ui::vbKeyEscape) {
        cmdExit->setFocus();
    } else if (KeyCode == ui::vbKeyPageUp) {
        KeyCode = 0;
        dtpFromDate->setFocus();
    }
}

void frmPendPODQry::txtConsignNo_KeyPress(int& KeyAscii)
{
    if ((KeyAscii >= 33 && KeyAscii <= 47) || (KeyAscii >= 58 && KeyAscii <= 126))
        KeyAscii = 0;
    else if (KeyAscii == ui::vbKeyReturn)
        cboOrigin->setFocus();
    else if (KeyAscii == ui::vbKeyEscape)
        cmdExit->setFocus();
}

void frmPendPODQry::cboOrigin_KeyPress(int& KeyAscii)
{
    if (KeyAscii == ui::vbKeyReturn)
        txtToAddress->setFocus();
    else if (KeyAscii == ui::vbKeyEscape)
        cmdExit->setFocus();
}

void frmPendPODQry::txtToAddress_KeyPress(int& KeyAscii)
{
    if (KeyAscii == '\'') {
        KeyAscii = 0;
    } else if (KeyAscii == ui::vbKeyReturn) {
        // the release of this Enter reaches the Show button and runs no further query
        cmdShow->setEnabled(true);
        cmdShow->setFocus();
    } else if (KeyAscii == ui::vbKeyEscape) {
        cmdExit->setFocus();
    } else {
        const QString upper = QString(QChar(KeyAscii)).toUpper();
        if (upper.size() == 1)
            KeyAscii = upper[0].unicode();
    }
}

// The grid follows the prefix while it is typed; finding nothing is no news here.
void frmPendPODQry::txtToAddress_KeyUp(int&, int) { ShowDummyPods(); }

void frmPendPODQry::cmdShow_Click()
{
    if (ShowDummyPods()) {
        msgGrid->setFocus();
        return;
    }
    ui::MsgBox(QStringLiteral("Records Not Found"), ui::vbInformation, core::gstrCompanyName);
    cmdShow->setEnabled(false);
    dtpFromDate->setFocus();
}

void frmPendPODQry::cmdExit_Click() { ui::DefaultInstance<frmPendPODQry>::unload(); }

void frmPendPODQry::msgGrid_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyReturn || KeyCode == ui::vbKeyEscape) {
        msgGrid->hide();
        lblEscape->hide();
    }
}

void frmPendPODQry::Load_OriginNames()
{
    const auto close = core::closingAtEnd(mRecordset);
    mRecordset.open(originsStatement(dtpFromDate->value().date(), dtpToDate->value().date()), core::gcnnMonth,
                    db::CursorType::Dynamic, db::LockType::Optimistic);
    cboOrigin->clear();
    cboOrigin->addItem(QString()); // no origin filter
    for (; !mRecordset.eof(); mRecordset.moveNext()) {
        const db::Field origin = mRecordset.field(QStringLiteral("Origin"));
        if (!origin.isNull()) // a row without origin would only repeat the empty entry
            cboOrigin->addItem(origin.value.toString());
    }
}

void frmPendPODQry::FlexGrid_Format()
{
    lblEscape->show();
    msgGrid->setRows(2);
    msgGrid->clear();
    msgGrid->setFontBold(true);
    msgGrid->setCols(int(kColumns.size()));
    std::vector<int> widths;
    for (const GridColumn& column : kColumns)
        widths.push_back(column.width);
    msgGrid->setColWidths(widths);
    for (int c = 0; c < int(kColumns.size()); ++c)
        msgGrid->setTextMatrix(0, c, QLatin1String(kColumns[c].heading));
    msgGrid->setMergeCells(ui::flexMergeFree);
    for (int c = 0; c < kMergedColumns; ++c)
        msgGrid->setMergeCol(c, true);
    msgGrid->setColAlignment(0, ui::flexAlignCenterCenter);
    for (int c = 1; c <= 5; ++c)
        msgGrid->setColAlignment(c, ui::flexAlignLeftCenter);
}

DummyPodFilter frmPendPODQry::CurrentFilter() const
{
    return {.fromDate = dtpFromDate->value().date(),
            .toDate = dtpToDate->value().date(),
            .origin = cboOrigin->currentText(),
            .consignNo = txtConsignNo->text(),
            .toAddress = txtToAddress->text()};
}

bool frmPendPODQry::ShowDummyPods()
{
    const QString sql = dummyPodStatement(CurrentFilter());
    FlexGrid_Format();
    const auto close = core::closingAtEnd(mRecordset);
    mRecordset.open(sql, core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    if (mRecordset.eof())
        return false;

    msgGrid->show();
    // Room for every record at once: 2 + 4n rows, the last one empty like each separator.
    msgGrid->setRows(2 + kRowsPerRecord * int(mRecordset.recordCount()));
    for (int row = 1, serialNo = 1; !mRecordset.eof(); mRecordset.moveNext(), row += kRowsPerRecord, ++serialNo)
        WriteRecordRows(row, serialNo);
    return true;
}

// The record's three rows; serial, date, origin, number, weight, pieces, branch and creation
// repeat on each, the address lines go one per row.
void frmPendPODQry::WriteRecordRows(int firstRow, int serialNo)
{
    const auto text = [this](const char* name) { return runtime::CellText(mRecordset.value(QLatin1String(name))); };
    const QVariant weight = mRecordset.value(QStringLiteral("Weight"));
    const QString shared[] = {
        QString::number(serialNo),
        runtime::Format(mRecordset.value(QStringLiteral("PodDate")), QStringLiteral("dd-mm-yy")),
        text("Origin"),
        text("ConsignmentNo"),
    };
    const QString tail[] = {
        weight.isValid() ? runtime::CellText(weight) : QStringLiteral("0"),
        text("NoofPcs"),
        text("BranchCode"),
        text("CreateDate"),
    };
    for (int k = 1; k <= 3; ++k) {
        const int row = firstRow + k - 1;
        for (int c = 0; c < int(std::size(shared)); ++c)
            msgGrid->setTextMatrix(row, c, shared[c]);
        msgGrid->setTextMatrix(row, 4, runtime::CellText(mRecordset.value(QStringLiteral("FromAddress%1").arg(k))));
        msgGrid->setTextMatrix(row, 5, runtime::CellText(mRecordset.value(QStringLiteral("ToAddress%1").arg(k))));
        for (int c = 0; c < int(std::size(tail)); ++c)
            msgGrid->setTextMatrix(row, 6 + c, tail[c]);
    }
}

} // namespace invoice
