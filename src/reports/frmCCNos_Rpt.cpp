#include "reports/frmCCNos_Rpt.h"

#include "reports/ClipFill.h"
#include "reports/DateRangeKeys.h"

#include "core/ClosingRecordset.h"
#include "core/ExcelExport.h"
#include "core/ModuleState.h"

#include "platform/flexgrid/ColumnLayouts.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/Conversions.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WaitPointer.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <array>

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
    {"Weight", 1200},
    {"T Mode", 1600},
    {"BK Type", 1900},
}};
constexpr int kRowHeight = 300; // twips, every row once the report is shown

// The label above a field.
QLabel* caption(const Twips& t, QWidget* parent, const char* name, const QString& text, int left, int width)
{
    return t.place(new QLabel(text, parent), QLatin1String(name), left, 720, width, 255);
}

QComboBox* pickList(const Twips& t, QWidget* parent, const char* name, int left, int width)
{
    return t.place(new QComboBox(parent), QLatin1String(name), left, 990, width, 360);
}

} // namespace

frmCCNos_Rpt::frmCCNos_Rpt()
{
    setObjectName(QStringLiteral("frmCCNos_Rpt"));
    setWindowTitle(QStringLiteral("Customer Care Priority Consignment Nos Report"));
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    setFont(font);
    const Twips t(this);
    resize(t.x(17400), t.y(9600));

    CreateControls();
    ConnectHandlers();
    Form_Load();
}

void frmCCNos_Rpt::CreateControls()
{
    const Twips t(this);

    Label1 = t.place(new QLabel(QStringLiteral("Customer Care Priority Consignment Nos Report"), this),
                     QStringLiteral("Label1"), 120, 120, 17100, 450);
    QFont titleFont = Label1->font();
    titleFont.setPointSizeF(12);
    titleFont.setBold(true);
    Label1->setFont(titleFont);
    Label1->setAlignment(Qt::AlignCenter);

    Label2 = caption(t, this, "Label2", QStringLiteral("From Date"), 240, 1755);
    dtpFromDate = t.place(new ui::DatePicker(this), QStringLiteral("dtpFromDate"), 240, 990, 1755, 360);
    Label3 = caption(t, this, "Label3", QStringLiteral("To Date"), 2160, 1755);
    dtpToDate = t.place(new ui::DatePicker(this), QStringLiteral("dtpToDate"), 2160, 990, 1755, 360);
    for (ui::DatePicker* picker : {dtpFromDate, dtpToDate})
        picker->setCustomFormat(QStringLiteral("dd-MMM-yyyy"));
    Label4 = caption(t, this, "Label4", QStringLiteral("Branch "), 4080, 1500);
    cboBranch = pickList(t, this, "cboBranch", 4080, 1500);
    Label5 = caption(t, this, "Label5", QStringLiteral("T Mode"), 5745, 1800);
    cboTMode = pickList(t, this, "cboTMode", 5745, 1800);
    Label6 = caption(t, this, "Label6", QStringLiteral("Bk. Destination"), 7710, 2400);
    cboDest = pickList(t, this, "cboDest", 7710, 2400);
    Label7 = caption(t, this, "Label7", QStringLiteral("MF. Destination"), 10275, 1800);
    cboMFDestn = pickList(t, this, "cboMFDestn", 10275, 1800);

    cmdShow = t.place(new QPushButton(QStringLiteral("&Show"), this), QStringLiteral("cmdShow"), 12300, 930, 1215, 450);
    cmdExcel = t.place(new QPushButton(QStringLiteral("&Excel"), this), QStringLiteral("cmdExcel"), 13680, 930, 1215, 450);
    cmdExit = t.place(new QPushButton(QStringLiteral("E&xit"), this), QStringLiteral("cmdExit"), 15060, 930, 1215, 450);

    msgGrid = t.place(new ui::FlexGrid(this), QStringLiteral("msgGrid"), 120, 1560, 17100, 7860);

    QWidget* const order[] = {dtpFromDate, dtpToDate, cboBranch, cboTMode, cboDest, cboMFDestn,
                              cmdShow,     cmdExcel,  cmdExit,   msgGrid};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmCCNos_Rpt::ConnectHandlers()
{
    ui::attachHandlers(dtpFromDate, {.keyDown = [this](int& KeyCode, int Shift) { dtpFromDate_KeyDown(KeyCode, Shift); }});
    ui::attachHandlers(dtpToDate, {.keyDown = [this](int& KeyCode, int Shift) { dtpToDate_KeyDown(KeyCode, Shift); }});
    ui::attachHandlers(cboBranch, {.keyDown = [this](int& KeyCode, int Shift) { cboBranch_KeyDown(KeyCode, Shift); }});
    ui::attachHandlers(cboTMode, {.keyDown = [this](int& KeyCode, int Shift) { cboTMode_KeyDown(KeyCode, Shift); }});
    ui::attachHandlers(cboDest, {.keyDown = [this](int& KeyCode, int Shift) { cboDest_KeyDown(KeyCode, Shift); }});
    ui::attachHandlers(cmdShow, {.click = [this] { cmdShow_Click(); }});
    ui::attachHandlers(cmdExcel, {.click = [this] { cmdExcel_Click(); }});
    ui::attachHandlers(cmdExit, {.click = [this] { cmdExit_Click(); }});
}

void frmCCNos_Rpt::Form_Load()
{
    dtpFromDate->setValue(runtime::Clock::today());
    dtpToDate->setValue(runtime::Clock::today());
}

void frmCCNos_Rpt::dtpFromDate_KeyDown(int& KeyCode, int)
{
    fromDateKeyDown(KeyCode, dtpToDate, cmdExit);
}

void frmCCNos_Rpt::dtpToDate_KeyDown(int& KeyCode, int)
{
    if (toDateEntered(KeyCode, dtpFromDate, dtpToDate, cmdExit, QStringLiteral("Select Correct From/To Date")))
        FillBranches();
}

void frmCCNos_Rpt::cboBranch_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyReturn)
        FillTransactionModes();
    else if (KeyCode == ui::vbKeyEscape)
        cmdExit->setFocus();
}

void frmCCNos_Rpt::cboTMode_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyReturn)
        FillDestinations();
    else if (KeyCode == ui::vbKeyEscape)
        cmdExit->setFocus();
}

void frmCCNos_Rpt::cboDest_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyReturn)
        FillManifestDestinations();
    else if (KeyCode == ui::vbKeyEscape)
        cmdExit->setFocus();
}

void frmCCNos_Rpt::FillBranches()
{
    FillList(CareList::Branches, cboBranch, QStringLiteral("There is No Branch Details"), dtpToDate);
}

void frmCCNos_Rpt::FillTransactionModes()
{
    FillList(CareList::TransactionModes, cboTMode, QStringLiteral("There is No Transactin Mode Details"), cboBranch);
}

void frmCCNos_Rpt::FillDestinations()
{
    FillList(CareList::Destinations, cboDest, QStringLiteral("There is No Destination Details"), cboTMode);
}

void frmCCNos_Rpt::FillManifestDestinations()
{
    FillList(CareList::ManifestDestinations, cboMFDestn,
             QStringLiteral("There is No Outgoin Manifest Destination Details"), cboTMode);
}

void frmCCNos_Rpt::FillList(CareList list, QComboBox* combo, const QString& emptyMessage, QWidget* whenEmpty)
{
    combo->clear();
    const auto close = core::closingAtEnd(mLists);
    mLists.open(careListStatement(list, CurrentChoices()), core::gcnnMonth, db::CursorType::Dynamic,
                db::LockType::Optimistic);
    if (mLists.eof()) {
        ui::MsgBox(emptyMessage, ui::vbInformation);
        whenEmpty->setFocus();
        return;
    }
    const QString column = careListColumn(list);
    for (; !mLists.eof(); mLists.moveNext()) {
        const db::Field value = mLists.field(column);
        if (!value.isNull()) // the empty text already stands for no choice
            combo->addItem(value.value.toString());
    }
    combo->setCurrentIndex(-1); // nothing is chosen until the clerk picks an item
    combo->setFocus();
}

void frmCCNos_Rpt::FormatGrid()
{
    msgGrid->setFixedRows(1);
    msgGrid->setFixedCols(0);
    ui::layOutColumns(msgGrid, kColumns);
}

void frmCCNos_Rpt::cmdShow_Click()
{
    const auto pointer = ui::waitPointer();
    FormatGrid();
    const auto close = core::closingAtEnd(mReport);
    mReport.openRows(careReportStatement(CurrentChoices()), core::gcnnMonth);
    if (mReport.eof())
        return;

    FillGridByClip(msgGrid, mReport, kRowHeight);
}

void frmCCNos_Rpt::cmdExcel_Click()
{
    const CareChoices choices = CurrentChoices();
    const QString name = careWorkbookName(choices);
    if (!core::ExportGridToExcel(name, msgGrid, careRangeTitle(choices), careChoicesTitle(choices)))
        ui::MsgBox(QStringLiteral("The workbook %1.xlsx could not be written.").arg(name), ui::vbInformation);
}

void frmCCNos_Rpt::cmdExit_Click() { ui::DefaultInstance<frmCCNos_Rpt>::unload(); }

CareChoices frmCCNos_Rpt::CurrentChoices() const
{
    return {.fromDate = dtpFromDate->value().date(),
            .toDate = dtpToDate->value().date(),
            .branch = cboBranch->currentText(),
            .transactionMode = cboTMode->currentText(),
            .destination = cboDest->currentText(),
            .manifestDestination = cboMFDestn->currentText()};
}

} // namespace reports
