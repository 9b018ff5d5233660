#include "reports/frmQueryReport.h"

#include "reports/DateRangeKeys.h"
#include "reports/RecordFill.h"

#include "core/ClosingRecordset.h"
#include "core/ExcelExport.h"
#include "core/ModuleState.h"
#include "core/ServerDate.h"

#include "platform/flexgrid/ColumnLayouts.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/DateTexts.h"
#include "platform/runtime/Strings.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WaitPointer.h"
#include "platform/ui/WindowHost.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <array>
#include <vector>

namespace reports {

namespace {

constexpr std::array<ui::ColumnLayout, 11> kColumns{{
    {"Qry Date", 1300},
    {"Origin", 1000},
    {"Consign No", 1700}, // a whole 14-digit number
    {"RS Date", 1300, ui::flexAlignRightBottom},
    {"RS No.", 1300, ui::flexAlignRightBottom},
    {"Reason", 1400},
    {"Reason Desc", 3400},
    {"DRS No.", 1400},
    {"Branch", 2400},
    {"Create User", 1600},
    {"Create Date", 2300},
}};

const QString kWorkbookName = QStringLiteral("Consignment_Qry_Rpt");
const ui::FailureReport kQueryFailure{QStringLiteral("Error %1 %2"), ui::vbExclamation};

QFont verdana(bool bold)
{
    QFont font(QStringLiteral("Verdana"));
    font.setBold(bold);
    return font;
}

QLabel* caption(const ui::TwipsPlacer& t, QWidget* parent, const char* name, const QString& text, int left, int width)
{
    QLabel* label = t.place(new QLabel(text, parent), QLatin1String(name), left, 600, width, 255);
    label->setFont(verdana(true));
    return label;
}

// A date field as the grid shows it; Null shows an empty cell.
// The fields of the grid's columns, left to right.
struct ShownField {
    const char* name;
    bool date;
};
constexpr ShownField kShownFields[] = {
    {"QueryDate", true},   {"Origin", false},    {"ConsignmentNo", false}, {"RunsheetDate", true},
    {"RunsheetNo", false}, {"ReasonCode", false}, {"Reason_Desc", false},  {"DRSNo", false},
    {"BranchName", false}, {"Create_User", false}, {"Create_Date", false},
};

} // namespace

frmQueryReport::frmQueryReport()
{
    setObjectName(QStringLiteral("frmQueryReport"));
    setWindowTitle(QStringLiteral("Consignment Enquiry Details Report."));
    const ui::TwipsPlacer t(this);
    resize(t.x(15135), t.y(9660));

    CreateControls();
    ConnectHandlers();
    Form_Load();
}

void frmQueryReport::CreateControls()
{
    const ui::TwipsPlacer t(this);

    Label1 = t.place(new QLabel(QStringLiteral("Consignment Query Details Report"), this), QStringLiteral("Label1"), 0,
                     120, 15135, 360);
    QFont titleFont = verdana(true);
    titleFont.setPointSizeF(12);
    Label1->setFont(titleFont);
    Label1->setAlignment(Qt::AlignCenter);

    // The fields, each under its caption, and the buttons beside them.
    Label2 = caption(t, this, "Label2", QStringLiteral("Qry From Date"), 120, 1700);
    dtpFromDate = t.place(new ui::DatePicker(this), QStringLiteral("dtpFromDate"), 120, 870, 1700, 375);
    Label3 = caption(t, this, "Label3", QStringLiteral("Qry To Date"), 1980, 1700);
    dtpToDate = t.place(new ui::DatePicker(this), QStringLiteral("dtpToDate"), 1980, 870, 1700, 375);
    for (ui::DatePicker* picker : {dtpFromDate, dtpToDate}) {
        picker->setCustomFormat(QStringLiteral("dd-MMM-yyyy"));
        picker->setFont(verdana(true));
    }
    Label4 = caption(t, this, "Label4", QStringLiteral("Origin"), 3840, 1500);
    cboOrigin = t.place(new QComboBox(this), QStringLiteral("cboOrigin"), 3840, 870, 1500, 375);
    Label5 = caption(t, this, "Label5", QStringLiteral("Display Order"), 5500, 4700);
    cboOrder = t.place(new QComboBox(this), QStringLiteral("cboOrder"), 5500, 870, 4700, 375);
    for (QComboBox* list : {cboOrigin, cboOrder})
        list->setFont(verdana(true)); // not editable: only the list's items can be chosen

    const auto button = [&](QPushButton*& target, const char* name, const QString& text, int left) {
        target = t.place(new QPushButton(text, this), QLatin1String(name), left, 810, 1215, 450);
        target->setFont(verdana(true));
    };
    button(cmdShow, "cmdShow", QStringLiteral("&Show"), 10500);
    button(cmdExcel, "cmdExcel", QStringLiteral("&Excel"), 11835);
    button(cmdExit, "cmdExit", QStringLiteral("E&xit"), 13170);

    // The report: its columns are wider than the window and scroll sideways.
    msgGrid = t.place(new ui::FlexGrid(this), QStringLiteral("msgGrid"), 45, 1410, 15045, 8205);
    msgGrid->setFont(verdana(false));
    msgGrid->setFixedRows(1);
    msgGrid->setFixedCols(0);

    setTabOrder(dtpFromDate, dtpToDate);
    setTabOrder(dtpToDate, cboOrigin);
    setTabOrder(cboOrigin, cmdShow);
    setTabOrder(cmdShow, cmdExcel);
    setTabOrder(cmdExcel, cmdExit);
    setTabOrder(cmdExit, msgGrid);
    setTabOrder(msgGrid, cboOrder);
}

void frmQueryReport::ConnectHandlers()
{
    ui::attachHandlers(dtpFromDate, {.keyDown = [this](int& KeyCode, int Shift) { dtpFromDate_KeyDown(KeyCode, Shift); }});
    ui::attachHandlers(dtpToDate, {.keyDown = [this](int& KeyCode, int Shift) { dtpToDate_KeyDown(KeyCode, Shift); }});
    ui::attachHandlers(cboOrigin, {.keyPress = [this](int& KeyAscii) { cboOrigin_KeyPress(KeyAscii); }});
    ui::attachHandlers(cboOrder, {.keyPress = [this](int& KeyAscii) { cboOrder_KeyPress(KeyAscii); }});
    ui::attachHandlers(cmdShow, {.click = [this] { cmdShow_Click(); }});
    ui::attachHandlers(cmdExcel, {.click = [this] { cmdExcel_Click(); }});
    ui::attachHandlers(cmdExit, {.click = [this] { cmdExit_Click(); }});
}

void frmQueryReport::showEvent(QShowEvent* event)
{
    core::FormWindow<frmQueryReport>::showEvent(event);
    Form_Activate();
}

void frmQueryReport::Form_Load()
{
    dtpFromDate->setValue(core::GetServerDate());
    dtpToDate->setValue(core::GetServerDate());
    cboOrder->addItems(incomingQueryOrders());
    cboOrder->setCurrentIndex(-1);
}

void frmQueryReport::Form_Activate() { dtpFromDate->setFocus(); }

void frmQueryReport::dtpFromDate_KeyDown(int& KeyCode, int)
{
    fromDateKeyDown(KeyCode, dtpToDate, cmdExit);
}

void frmQueryReport::dtpToDate_KeyDown(int& KeyCode, int)
{
    if (!toDateEntered(KeyCode, dtpFromDate, dtpToDate, cmdExit, QStringLiteral("Select Correct To Date")))
        return;
    if (!FillOrigins()) {
        dtpToDate->setFocus();
        return;
    }
    if (cboOrigin->count() == 0) {
        ui::MsgBox(QStringLiteral("There is No Origin"), ui::vbInformation);
        dtpToDate->setFocus();
        return;
    }
    cboOrigin->setFocus();
}

void frmQueryReport::cboOrigin_KeyPress(int& KeyAscii)
{
    if (KeyAscii == ui::vbKeyReturn) {
        cmdShow->setEnabled(true);
        cmdShow->setFocus();
    } else if (KeyAscii == ui::vbKeyEscape) {
        cmdExit->setFocus();
    }
}

void frmQueryReport::cboOrder_KeyPress(int& KeyAscii) { cboOrigin_KeyPress(KeyAscii); }

bool frmQueryReport::FillOrigins()
{
    return ui::guarded(kQueryFailure, [this] {
        const auto close = core::closingAtEnd(mRecordset);
        mRecordset.open(incomingOriginsStatement(dtpFromDate->value().date(), dtpToDate->value().date()),
                        core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
        cboOrigin->clear();
        for (; !mRecordset.eof(); mRecordset.moveNext()) {
            const QVariant origin = mRecordset.value(QStringLiteral("Origin"));
            if (origin.isValid()) // an empty choice already means every origin
                cboOrigin->addItem(runtime::CStr(origin));
        }
        cboOrigin->setCurrentIndex(-1);
    });
}

void frmQueryReport::FormatGrid() { ui::layOutColumns(msgGrid, kColumns); }

IncomingQueryFilter frmQueryReport::CurrentFilter() const
{
    return {.fromDate = dtpFromDate->value().date(),
            .toDate = dtpToDate->value().date(),
            .origin = cboOrigin->currentText(),
            .order = cboOrder->currentText()};
}

void frmQueryReport::cmdShow_Click()
{
    bool found = false;
    const bool ran = ui::guarded(kQueryFailure, [&] {
        // the hourglass is gone before any message shows, also after a failed query
        const auto pointer = ui::waitPointer();
        FormatGrid();
        found = ShowEnquiries();
    });
    if (!ran)
        return;
    if (found) {
        msgGrid->setFocus();
        return;
    }
    ui::MsgBox(QStringLiteral("There is No Consignment Query Details"), ui::vbInformation);
    cmdShow->setFocus();
}

bool frmQueryReport::ShowEnquiries()
{
    const auto close = core::closingAtEnd(mRecordset);
    mRecordset.openRows(incomingQueriesStatement(CurrentFilter()), core::gcnnMonth);
    if (mRecordset.eof())
        return false;
    // room for every record at once, and one empty row below the last
    msgGrid->setRows(int(mRecordset.recordCount()) + 2);
    std::vector<int> fields;
    for (const ShownField& shown : kShownFields)
        fields.push_back(mRecordset.fieldIndex(QLatin1String(shown.name)));
    runtime::DateTexts dates(QStringLiteral("dd-MMM-yyyy"));
    fillRecords(msgGrid, mRecordset, fields, 1, [&dates](const QVariant& value, int col) {
        return kShownFields[col].date ? dates.of(value) : runtime::CellText(value);
    });
    return true;
}

void frmQueryReport::cmdExcel_Click()
{
    const QString origin = runtime::Trim(cboOrigin->currentText());
    const QString subtitle = origin.isEmpty() ? QString() : QStringLiteral("Origin :- ") + origin;
    if (!core::ExportGridToExcel(kWorkbookName, msgGrid, QStringLiteral("Consignment Query Details Report"), subtitle))
        ui::MsgBox(QStringLiteral("The workbook %1.xlsx could not be written.").arg(kWorkbookName), ui::vbExclamation);
}

void frmQueryReport::cmdExit_Click() { ui::DefaultInstance<frmQueryReport>::unload(); }

} // namespace reports
