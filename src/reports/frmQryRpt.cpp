#include "reports/frmQryRpt.h"

#include "reports/DateRangeKeys.h"
#include "reports/QueryLogReportStatements.h"
#include "reports/RecordFill.h"

#include "core/ClosingRecordset.h"
#include "core/ExcelExport.h"
#include "core/ModuleState.h"
#include "core/ServerDate.h"

#include "platform/flexgrid/ColumnLayouts.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/DateTexts.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Strings.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>

#include <span>
#include <vector>

namespace reports {

namespace {

const QString kIncoming = QStringLiteral("INCOMING");
const QString kOutgoing = QStringLiteral("OUTGOING");

constexpr int kRightBottom = ui::flexAlignRightBottom;

// The incoming records: the runsheet the enquiry found.
constexpr ui::ColumnLayout kIncomingColumns[] = {
    {"Qry Date", 1300},
    {"Origin", 1000},
    {"Consign No", 1700}, // a whole 14-digit number
    {"RS Date", 1300, kRightBottom},
    {"RS No.", 1300, kRightBottom},
    {"Reason", 1400},
    {"Reason Desc", 3400},
    {"DRS No.", 1400},
    {"Branch", 2400},
    {"Machine Id", 1600},
    {"Create User", 1600},
    {"Create Date", 2300},
    {"DB Name", 1700},
};

// The outgoing records keep the manifest in the runsheet fields; the DRS number (empty in these
// records) travels unseen in column 8, so that the workbook has it.
constexpr ui::ColumnLayout kOutgoingColumns[] = {
    {"Qry Date", 1300},
    {"Origin", 1000},
    {"Consign No", 1700}, // a whole 14-digit number
    {"MF Date", 1300, kRightBottom},
    {"MF Destn", 1600},
    {"MF No.", 1700, kRightBottom}, // a whole 14-digit number
    {"Reason", 1400},
    {"Reason Desc", 3400},
    {"", 0},
    {"Branch", 2400},
    {"Booking Date", 1600},
    {"City Code", 1600},
    {"Destination", 1600},
    {"Region", 1600},
    {"Booking Mode", 1600},
    {"Transaction Mode", 1600},
    {"Party Code", 1600},
    {"Weight", 1600},
    {"Machine Id", 1600},
    {"Create User", 1600},
    {"Create Date", 2300},
    {"DB Month", 1600},
};

// How a column shows its field; a Null shows an empty cell, but for the weight.
enum class Shown { Text, Date, ShortDate, Weight };

struct Cell {
    const char* field;
    Shown shown;
};

constexpr Cell kIncomingCells[] = {
    {"QueryDate", Shown::Date},   {"Origin", Shown::Text},      {"ConsignmentNo", Shown::Text},
    {"RunsheetDate", Shown::Date}, {"RunsheetNo", Shown::Text}, {"ReasonCode", Shown::Text},
    {"Reason_Desc", Shown::Text}, {"DRSNo", Shown::Text},       {"BranchName", Shown::Text},
    {"System_Name", Shown::Text}, {"Create_User", Shown::Text}, {"Create_Date", Shown::Text},
    {"DBName", Shown::Text},
};

constexpr Cell kOutgoingCells[] = {
    {"QueryDate", Shown::Date},         {"Origin", Shown::Text},           {"ConsignmentNo", Shown::Text},
    {"RunsheetDate", Shown::Date},      {"MF_Destination", Shown::Text},   {"RunsheetNo", Shown::Text},
    {"ReasonCode", Shown::Text},        {"Reason_Desc", Shown::Text},      {"DRSNo", Shown::Text},
    {"BranchName", Shown::Text},        {"BookingDate", Shown::ShortDate}, {"CityCode", Shown::Text},
    {"Destination", Shown::Text},       {"Region", Shown::Text},           {"BookingMode", Shown::Text},
    {"TransactionMode", Shown::Text},   {"PartyCode", Shown::Text},        {"Weight", Shown::Weight},
    {"System_Name", Shown::Text},       {"Create_User", Shown::Text},      {"Create_Date", Shown::Text},
    {"DBName", Shown::Text},
};

static_assert(std::size(kIncomingColumns) == std::size(kIncomingCells));
static_assert(std::size(kOutgoingColumns) == std::size(kOutgoingCells));

// The texts of a fill's cells, each date written out once per pattern.
class CellTexts {
public:
    QString of(const QVariant& value, Shown shown);

private:
    runtime::DateTexts m_dates{QStringLiteral("dd-MMM-yyyy")};
    runtime::DateTexts m_shortDates{QStringLiteral("dd-MMM-yy")};
};

QString CellTexts::of(const QVariant& value, Shown shown)
{
    switch (shown) {
    case Shown::Date:
        return m_dates.of(value);
    case Shown::ShortDate:
        return m_shortDates.of(value);
    case Shown::Weight:
        return runtime::Format(value.isValid() ? value : QVariant(0), QStringLiteral("0.000"));
    case Shown::Text:
        break;
    }
    return runtime::CellText(value);
}

// The layout order of the report grid: emptied to the heading row and one empty row, one fixed
// row, then headings, widths and alignments. Every column gets its alignment, so that no column
// keeps the other type's.
void LayOut(ui::FlexGrid* grid, std::span<const ui::ColumnLayout> columns)
{
    ui::emptyWithColumns(grid, columns);
    grid->setFixedRows(1);
    grid->setFixedCols(0);
    ui::setHeadings(grid, columns);
    ui::setWidths(grid, columns);
    for (int c = 0; c < int(columns.size()); ++c)
        grid->setColAlignment(c, columns[c].alignment);
}

QFont namedFont(const QString& family, bool bold)
{
    QFont font(family);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

} // namespace

frmQryRpt::frmQryRpt()
{
    setObjectName(QStringLiteral("frmQryRpt"));
    setWindowTitle(QStringLiteral("Query Report"));
    const ui::TwipsPlacer twips(this);
    resize(twips.x(15930), twips.y(9870));

    CreateControls();
    ConnectHandlers();
    Form_Load();
}

void frmQryRpt::CreateControls()
{
    const ui::TwipsPlacer t(this);
    const QFont captionFont = namedFont(QStringLiteral("Verdana"), true);
    const auto label = [&](const char* name, const QString& caption, int left, int top, int width) {
        QLabel* control = t.place(new QLabel(caption, this), QString::fromLatin1(name), left, top, width, 240);
        control->setFont(captionFont);
        return control;
    };
    const auto field = [&](auto* control, const char* name, int left, int width) {
        t.place(control, QString::fromLatin1(name), left, 720, width, 330);
        control->setFont(captionFont);
        return control;
    };
    const auto button = [&](const char* name, const QString& caption, int left) {
        QPushButton* control = t.place(new QPushButton(caption, this), QString::fromLatin1(name), left, 660, 1200, 420);
        control->setFont(captionFont);
        return control;
    };

    Label1 = label("Label1", QStringLiteral("Consignment Query Details Report"), 0, 120, 15930);
    Label1->setAlignment(Qt::AlignCenter);

    Label2 = label("Label2", QStringLiteral("Qry From Date"), 120, 480, 1800);
    dtpFromDate = field(new ui::DatePicker(this), "dtpFromDate", 120, 1800);
    Label3 = label("Label3", QStringLiteral("Qry To Date"), 2040, 480, 1800);
    dtpToDate = field(new ui::DatePicker(this), "dtpToDate", 2040, 1800);
    for (ui::DatePicker* picker : {dtpFromDate, dtpToDate})
        picker->setCustomFormat(QStringLiteral("dd-MMM-yyyy"));
    Label4 = label("Label4", QStringLiteral("Origin"), 3960, 480, 2000);
    cboOrigin = field(new QComboBox(this), "cboOrigin", 3960, 2000);
    Label6 = label("Label6", QStringLiteral("Qry Type"), 6080, 480, 1900);
    cboQryType = field(new QComboBox(this), "cboQryType", 6080, 1900);
    cboQryType->setFont(namedFont(QStringLiteral("Tahoma"), true));

    cmdShow = button("cmdShow", QStringLiteral("&Show"), 8200);
    cmdExcel = button("cmdExcel", QStringLiteral("&Excel"), 9520);
    cmdExit = button("cmdExit", QStringLiteral("E&xit"), 10840);

    msgGrid = t.place(new ui::FlexGrid(this), QStringLiteral("msgGrid"), 20, 1155, 15885, 8670);
    msgGrid->setFont(namedFont(QStringLiteral("Verdana"), false));

    QWidget* const tabOrder[] = {dtpFromDate, dtpToDate, cmdShow, cmdExcel, cboOrigin, cmdExit, msgGrid, cboQryType};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    dtpFromDate->setFocus();
}

void frmQryRpt::ConnectHandlers()
{
    ui::attachHandlers(dtpFromDate,
                       {.keyDown = [this](int& KeyCode, int Shift) { dtpFromDate_KeyDown(KeyCode, Shift); }});
    ui::attachHandlers(dtpToDate,
                       {.keyDown = [this](int& KeyCode, int Shift) { dtpToDate_KeyDown(KeyCode, Shift); }});
    ui::attachHandlers(cboOrigin, {.keyPress = [this](int& KeyAscii) { cboOrigin_KeyPress(KeyAscii); }});
    ui::attachHandlers(cboQryType, {.keyPress = [this](int& KeyAscii) { cboQryType_KeyPress(KeyAscii); }});
    ui::attachHandlers(cmdShow, {.click = [this] { cmdShow_Click(); }});
    ui::attachHandlers(cmdExcel, {.click = [this] { cmdExcel_Click(); }});
    ui::attachHandlers(cmdExit, {.click = [this] { cmdExit_Click(); }});
}

void frmQryRpt::Form_Load()
{
    dtpFromDate->setValue(core::GetServerDate());
    dtpToDate->setValue(core::GetServerDate());
    cboQryType->addItems({kIncoming, kOutgoing});
    cboQryType->setCurrentIndex(-1);
}

void frmQryRpt::dtpFromDate_KeyDown(int& KeyCode, int)
{
    fromDateKeyDown(KeyCode, dtpToDate, cmdExit);
}

void frmQryRpt::dtpToDate_KeyDown(int& KeyCode, int)
{
    if (!toDateEntered(KeyCode, dtpFromDate, dtpToDate, cmdExit, QStringLiteral("Select Correct To Date")))
        return;
    FillOrigins();
    if (cboOrigin->count() == 0) {
        ui::MsgBox(QStringLiteral("There is No Origin"), ui::vbInformation);
        dtpToDate->setFocus();
        return;
    }
    cboOrigin->setFocus();
}

void frmQryRpt::cboOrigin_KeyPress(int& KeyAscii)
{
    if (KeyAscii == ui::vbKeyReturn)
        cboQryType->setFocus();
    else if (KeyAscii == ui::vbKeyEscape)
        cmdExit->setFocus();
}

void frmQryRpt::cboQryType_KeyPress(int& KeyAscii)
{
    if (KeyAscii == ui::vbKeyEscape) {
        cmdExit->setFocus();
        return;
    }
    if (KeyAscii != ui::vbKeyReturn)
        return;
    if (runtime::Trim(cboQryType->currentText()).isEmpty()) {
        ui::MsgBox(QStringLiteral("Select Query Type"), ui::vbInformation);
        cboQryType->setFocus();
        return;
    }
    cmdShow->setFocus();
}

void frmQryRpt::FillOrigins()
{
    const auto close = core::closingAtEnd(mRecordset);
    mRecordset.open(queryLogOriginsStatement(dtpFromDate->value().date(), dtpToDate->value().date()), core::gcnnMonth,
                    db::CursorType::Dynamic, db::LockType::Optimistic);
    cboOrigin->clear();
    for (; !mRecordset.eof(); mRecordset.moveNext()) {
        // a record without an origin offers no choice of its own: an empty choice lists every origin
        const QString origin = runtime::CellText(mRecordset.value(QStringLiteral("Origin")));
        if (!runtime::Trim(origin).isEmpty())
            cboOrigin->addItem(origin);
    }
    cboOrigin->setCurrentIndex(-1);
}

void frmQryRpt::FormatIncomingGrid() { LayOut(msgGrid, kIncomingColumns); }

void frmQryRpt::FormatOutgoingGrid() { LayOut(msgGrid, kOutgoingColumns); }

void frmQryRpt::cmdShow_Click()
{
    setCursor(Qt::WaitCursor);
    const auto pointer = qScopeGuard([this] { unsetCursor(); });

    const QString queryType = runtime::Trim(cboQryType->currentText());
    if (queryType.isEmpty()) {
        ui::MsgBox(QStringLiteral("Select Query Type"), ui::vbInformation);
        cboQryType->setFocus();
        return;
    }
    // the list offers only the two types
    const bool incoming = queryType == kIncoming;
    if (incoming)
        FormatIncomingGrid();
    else
        FormatOutgoingGrid();
    const std::span<const Cell> cells = incoming ? std::span<const Cell>(kIncomingCells) : kOutgoingCells;

    mSql = queryLogReportStatement(dtpFromDate->value().date(), dtpToDate->value().date(), cboOrigin->currentText(),
                                   queryType);
    const auto close = core::closingAtEnd(mRecordset);
    mRecordset.openRows(mSql, core::gcnnMonth);
    if (mRecordset.eof()) {
        ui::MsgBox(QStringLiteral("There is No Consignment Query Details"), ui::vbInformation);
        cmdShow->setFocus();
        return;
    }
    // A row per record and the empty row after them, as a fill that adds a row after each record
    // leaves it; sized at once, since the view's row headers cost a pass over every row per resize.
    msgGrid->setRows(msgGrid->rows() + int(mRecordset.recordCount()));
    std::vector<int> fields;
    for (const Cell& cell : cells)
        fields.push_back(mRecordset.fieldIndex(QLatin1String(cell.field)));
    CellTexts texts;
    fillRecords(msgGrid, mRecordset, fields, 1,
                [cells, &texts](const QVariant& value, int c) { return texts.of(value, cells[size_t(c)].shown); });
    msgGrid->setFocus();
}

void frmQryRpt::cmdExcel_Click()
{
    const QString queryType = runtime::Trim(cboQryType->currentText());
    const QString origin = runtime::Trim(cboOrigin->currentText());
    const auto day = [](const ui::DatePicker* picker) {
        return runtime::Format(picker->value(), QStringLiteral("ddMMM"));
    };
    const QString fileName =
        QStringLiteral("Consignment_Qry_Rpt_") + day(dtpFromDate) + QLatin1Char('_') + day(dtpToDate);
    const QString title = queryType == kIncoming ? QStringLiteral("Incoming Consignment Query Details Report")
                                                 : QStringLiteral("Outgoing Consignment Query Details Report");
    const QString subtitle = origin.isEmpty() ? QStringLiteral("Query Type :-") + queryType
                                              : QStringLiteral("Origin :- ") + origin;
    if (!core::ExportGridToExcel(fileName, msgGrid, title, subtitle))
        ui::MsgBox(QStringLiteral("The workbook ") + fileName + QStringLiteral(".xlsx could not be written."),
                   ui::vbExclamation);
}

void frmQryRpt::cmdExit_Click() { ui::DefaultInstance<frmQryRpt>::unload(); }

} // namespace reports
