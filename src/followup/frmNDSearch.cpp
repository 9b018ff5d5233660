#include "followup/frmNDSearch.h"

#include "followup/NDSearchGrid.h"
#include "followup/NonDeliverySearchStatements.h"

#include "core/ClosingRecordset.h"
#include "core/KeyTests.h"
#include "core/ModuleState.h"
#include "core/MonthDates.h"
#include "core/TextBoxFocus.h"

#include "platform/flexgrid/FlexGrid.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Strings.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace followup {

namespace {

const QString kTitle = QStringLiteral("Non Delivery System");

void inform(const QString& prompt) { ui::MsgBox(prompt, ui::vbInformation, kTitle); }

// A failing search reports the error's number and description; the grid keeps what it shows.
const ui::FailureReport kSearchFailure{QStringLiteral("Error %1 %2"), ui::vbExclamation, QString()};

QFont sizedFont(const QWidget* control, double points, bool bold)
{
    QFont font = control->font();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

int upperCased(int keyAscii) { return keyAscii > 0 ? QChar(keyAscii).toUpper().unicode() : keyAscii; }

// The date of the picker as the statements take it.
QDate dateOf(const ui::DatePicker* picker) { return picker->value().date(); }

bool holdsText(const QLineEdit* box) { return !runtime::Trim(box->text()).isEmpty(); }

// A number box that holds a number above 0.
bool holdsNumber(const QLineEdit* box) { return holdsText(box) && numberDigits(box->text()) != u"0"; }

} // namespace

frmNDSearch::frmNDSearch()
{
    setObjectName(QStringLiteral("frmNDSearch"));
    setWindowTitle(QStringLiteral("Non Delivery Query"));
    const ui::TwipsPlacer twips(this);
    resize(twips.x(15360), twips.y(9600));

    CreateControls();
    ConnectHandlers();
    Form_Load();
}

void frmNDSearch::CreateControls()
{
    const ui::TwipsPlacer t(this);

    lblTitle = t.place(new QLabel(QStringLiteral("Non Delivery Query"), this), QStringLiteral("lblTitle"), 0, 60, 15360, 420);
    lblTitle->setAlignment(Qt::AlignCenter);
    lblTitle->setFont(sizedFont(lblTitle, 14, true));

    fraFind = t.place(new QGroupBox(this), QStringLiteral("fraFind"), 120, 540, 15120, 1560);
    const QFont captionFont = sizedFont(fraFind, 8.25, true);
    // A caption above its field; the upper line of fields at 420, the lower at 1080 (frame twips).
    const auto field = [&](auto* control, const char* name, const QString& caption, int left, int top, int width) {
        QLabel* label = t.place(new QLabel(caption, fraFind), QStringLiteral("lbl") + QLatin1String(name).mid(3), left,
                                top - 260, width, 240);
        label->setFont(captionFont);
        t.place(control, QString::fromLatin1(name), left, top, width, 330);
        return control;
    };
    const auto combo = [&](const char* name, const QString& caption, int left, int top, int width) {
        auto* box = field(new QComboBox(fraFind), name, caption, left, top, width);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        return box;
    };
    const auto box = [&](const char* name, const QString& caption, int left, int top, int width, int maxLength) {
        auto* edit = field(new QLineEdit(fraFind), name, caption, left, top, width);
        edit->setMaxLength(maxLength);
        return edit;
    };

    dtpFromDate = field(new ui::DatePicker(fraFind), "dtpFromDate", QStringLiteral("From Date"), 120, 420, 1800);
    dtpToDate = field(new ui::DatePicker(fraFind), "dtpToDate", QStringLiteral("To Date"), 2040, 420, 1800);
    for (ui::DatePicker* picker : {dtpFromDate, dtpToDate})
        picker->setCustomFormat(QStringLiteral("dd-MMM-yyyy"));
    txtConsignNo = box("txtConsignNo", QStringLiteral("Consign No"), 3960, 420, 2100, 14);
    txtReferenceNo = box("txtReferenceNo", QStringLiteral("Ref. No."), 6180, 420, 2400, 16);
    cboStatus = combo("cboStatus", QStringLiteral("Non Delivery Type"), 8700, 420, 2400);

    cboDestination = combo("cboDestination", QStringLiteral("Destination"), 120, 1080, 3000);
    cboBranchCode = combo("cboBranchCode", QStringLiteral("Branch Code"), 3240, 1080, 1600);
    txtName = box("txtName", QStringLiteral("From Address"), 4960, 1080, 2800, 16);
    txtToAddress = box("txtToAddress", QStringLiteral("To Address"), 7880, 1080, 2800, 16);
    cmdFind = t.place(new QPushButton(QStringLiteral("&Find"), fraFind), QStringLiteral("cmdFind"), 11880, 1020, 1300, 420);
    cmdExit = t.place(new QPushButton(QStringLiteral("E&xit"), fraFind), QStringLiteral("cmdExit"), 13320, 1020, 1300, 420);
    for (QPushButton* button : {cmdFind, cmdExit})
        button->setFont(captionFont);

    msgScreen = t.place(new ui::FlexGrid(this), QStringLiteral("msgScreen"), 120, 2220, 15120, 7260);
    msgScreen->hide();

    QWidget* const tabOrder[] = {dtpFromDate, dtpToDate,   txtConsignNo, txtReferenceNo, cboStatus, cboDestination,
                                 cboBranchCode, txtName, txtToAddress, cmdFind,        cmdExit,   msgScreen};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    dtpFromDate->setFocus();
}

void frmNDSearch::ConnectHandlers()
{
    using KeyHandler = void (frmNDSearch::*)(int&, int);
    const auto key = [this](KeyHandler handler) {
        return [this, handler](int& KeyCode, int Shift) { (this->*handler)(KeyCode, Shift); };
    };
    const auto numberKeys = [](int& KeyAscii) {
        if (!core::IsNumericKey(KeyAscii))
            KeyAscii = 0;
    };
    const auto upperKeys = [](int& KeyAscii) { KeyAscii = upperCased(KeyAscii); };
    const auto addressKeys = [](int& KeyAscii) {
        KeyAscii = upperCased(KeyAscii);
        if (KeyAscii == '\'')
            KeyAscii = 0;
    };

    ui::attachHandlers(dtpFromDate, {.keyDown = key(&frmNDSearch::dtpFromDate_KeyDown)});
    ui::attachHandlers(dtpToDate, {.keyDown = key(&frmNDSearch::dtpToDate_KeyDown)});
    for (QLineEdit* number : {txtConsignNo, txtReferenceNo})
        ui::attachHandlers(number, {.keyDown = key(number == txtConsignNo ? &frmNDSearch::txtConsignNo_KeyDown
                                                                              : &frmNDSearch::txtReferenceNo_KeyDown),
                                    .keyPress = numberKeys,
                                    .gotFocus = [number] { core::SelectAllTextGreen(number); },
                                    .lostFocus = [number] { core::ResetColorsWhite(number); }});
    ui::attachHandlers(cboStatus, {.keyDown = key(&frmNDSearch::cboStatus_KeyDown), .keyPress = upperKeys});
    ui::attachHandlers(cboDestination, {.keyDown = key(&frmNDSearch::cboDestination_KeyDown), .keyPress = upperKeys});
    ui::attachHandlers(cboBranchCode, {.keyDown = key(&frmNDSearch::cboBranchCode_KeyDown), .keyPress = upperKeys});
    ui::attachHandlers(txtName, {.keyDown = key(&frmNDSearch::txtName_KeyDown),
                                 .keyPress = addressKeys,
                                 .keyUp = key(&frmNDSearch::txtName_KeyUp)});
    ui::attachHandlers(txtToAddress, {.keyDown = key(&frmNDSearch::txtToAddress_KeyDown),
                                      .keyPress = addressKeys,
                                      .keyUp = key(&frmNDSearch::txtToAddress_KeyUp)});
    ui::attachHandlers(cmdFind, {.click = [this] { cmdFind_Click(); }});
    ui::attachHandlers(cmdExit, {.click = [this] { cmdExit_Click(); }});
    ui::attachHandlers(msgScreen, {.keyDown = key(&frmNDSearch::msgScreen_KeyDown)});
}

void frmNDSearch::Form_Load()
{
    ClearFilters();
    dtpFromDate->setValue(runtime::Clock::today());
    dtpToDate->setValue(runtime::Clock::today());
}

void frmNDSearch::ClearFilters()
{
    dtpFromDate->setValue(runtime::Clock::today());
    dtpToDate->setValue(runtime::Clock::today());
    txtConsignNo->clear();
    for (QComboBox* list : {cboStatus, cboDestination, cboBranchCode}) {
        list->clear();
        list->setEditText(QString());
    }
}

void frmNDSearch::cmdExit_Click() { ui::DefaultInstance<frmNDSearch>::unload(); }

bool frmNDSearch::DateMovedIntoMonth(ui::DatePicker* picker)
{
    if (!core::gblnCentralMode || core::PickerInMonth(picker))
        return false;
    core::ClampPickerToMonth(picker);
    return true;
}

void frmNDSearch::dtpFromDate_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape) {
        cmdExit_Click();
    } else if (KeyCode == ui::vbKeyReturn && !DateMovedIntoMonth(dtpFromDate)) {
        dtpToDate->setFocus();
    }
}

void frmNDSearch::dtpToDate_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape)
        cmdExit->setFocus();
    else if (KeyCode == ui::vbKeyPageUp)
        dtpFromDate->setFocus();
    else if (KeyCode == ui::vbKeyReturn && !DateMovedIntoMonth(dtpToDate))
        FillStatuses();
}

void frmNDSearch::txtConsignNo_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape)
        cmdExit->setFocus();
    else if (KeyCode == ui::vbKeyUp)
        dtpFromDate->setFocus();
    else if (KeyCode == ui::vbKeyReturn)
        (holdsNumber(txtConsignNo) ? static_cast<QWidget*>(cmdFind) : txtReferenceNo)->setFocus();
}

void frmNDSearch::txtReferenceNo_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape)
        cmdExit->setFocus();
    else if (KeyCode == ui::vbKeyUp)
        txtConsignNo->setFocus();
    else if (KeyCode == ui::vbKeyReturn)
        (holdsNumber(txtReferenceNo) ? static_cast<QWidget*>(cmdFind) : cboStatus)->setFocus();
}

void frmNDSearch::cboStatus_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape)
        cmdExit->setFocus();
    else if (KeyCode == ui::vbKeyPageUp)
        txtReferenceNo->setFocus();
    else if (KeyCode == ui::vbKeyReturn)
        FillDestinations();
}

void frmNDSearch::cboDestination_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape)
        cmdExit->setFocus();
    else if (KeyCode == ui::vbKeyPageUp)
        cboStatus->setFocus();
    else if (KeyCode == ui::vbKeyReturn)
        FillBranches();
}

void frmNDSearch::cboBranchCode_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape)
        cmdExit->setFocus();
    else if (KeyCode == ui::vbKeyPageUp)
        cboDestination->setFocus();
    else if (KeyCode == ui::vbKeyReturn)
        txtName->setFocus();
}

void frmNDSearch::txtName_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape)
        cmdExit->setFocus();
    else if (KeyCode == ui::vbKeyReturn)
        (holdsText(txtName) ? static_cast<QWidget*>(cmdFind) : txtToAddress)->setFocus();
}

void frmNDSearch::txtToAddress_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape)
        cmdExit->setFocus();
    else if (KeyCode == ui::vbKeyReturn && holdsText(txtToAddress))
        cmdFind->setFocus();
}

void frmNDSearch::txtName_KeyUp(int&, int)
{
    cmdFind_Click();
    txtName->setFocus();
}

void frmNDSearch::txtToAddress_KeyUp(int&, int)
{
    cmdFind_Click();
    txtToAddress->setFocus();
}

void frmNDSearch::msgScreen_KeyDown(int& KeyCode, int)
{
    if (KeyCode != ui::vbKeyReturn && KeyCode != ui::vbKeyEscape)
        return;
    msgScreen->hide();
    dtpFromDate->setFocus();
}

bool frmNDSearch::FillPickList(QComboBox* list, const QString& sql, const QString& column)
{
    const auto close = core::closingAtEnd(mRecordset);
    mRecordset.open(sql, core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    if (mRecordset.eof())
        return false;
    const QString typed = list->currentText();
    list->clear();
    for (; !mRecordset.eof(); mRecordset.moveNext()) {
        // a record without the value offers no choice
        const QVariant value = mRecordset.value(column);
        if (value.isValid())
            list->addItem(runtime::CellText(value));
    }
    list->setEditText(typed);
    return true;
}

void frmNDSearch::FillStatuses()
{
    const NDPickList list = NDPickList::Statuses;
    const QString sql = ndPickListStatement(list, dateOf(dtpFromDate), dateOf(dtpToDate), QString());
    if (!FillPickList(cboStatus, sql, ndPickListColumn(list))) {
        inform(QStringLiteral("There is No Data in this Dates"));
        dtpFromDate->setFocus();
        return;
    }
    txtConsignNo->setFocus();
}

void frmNDSearch::FillDestinations()
{
    const NDPickList list = NDPickList::Destinations;
    const QString sql = ndPickListStatement(list, dateOf(dtpFromDate), dateOf(dtpToDate), cboStatus->currentText());
    if (!FillPickList(cboDestination, sql, ndPickListColumn(list))) {
        inform(QStringLiteral("There is No Data."));
        cboStatus->setFocus();
        return;
    }
    cboDestination->setFocus();
}

void frmNDSearch::FillBranches()
{
    const NDPickList list = NDPickList::Branches;
    const QString sql = ndPickListStatement(list, dateOf(dtpFromDate), dateOf(dtpToDate), cboDestination->currentText());
    if (!FillPickList(cboBranchCode, sql, ndPickListColumn(list)))
        inform(QStringLiteral("There is No Data."));
    cboBranchCode->setFocus();
}

void frmNDSearch::FlexHeadings()
{
    msgScreen->setMergeCells(ui::flexMergeNever);
    ui::emptyWithColumns(msgScreen, ndSearchColumns());
    msgScreen->setFixedRows(1);
    msgScreen->setFixedCols(0);
    msgScreen->setFontBold(true);
    ui::setWidths(msgScreen, ndSearchColumns());
    ui::setHeadings(msgScreen, ndSearchColumns());
    ui::setAlignments(msgScreen, ndSearchColumns());
    for (int c = 0; c < msgScreen->cols(); ++c)
        msgScreen->setMergeCol(c, c != kNDConsignorCol && c != kNDConsigneeCol);
}

void frmNDSearch::cmdFind_Click()
{
    ui::guarded(kSearchFailure, [this] {
        const NDSearchFilters filters{.fromDate = dateOf(dtpFromDate),
                                      .toDate = dateOf(dtpToDate),
                                      .consignNo = txtConsignNo->text(),
                                      .referenceNo = txtReferenceNo->text(),
                                      .status = cboStatus->currentText(),
                                      .destination = cboDestination->currentText(),
                                      .branchCode = cboBranchCode->currentText(),
                                      .name = txtName->text(),
                                      .toAddress = txtToAddress->text()};
        const auto close = core::closingAtEnd(mRecordset);
        mRecordset.openRows(ndSearchStatement(filters), core::gcnnMonth);
        if (mRecordset.eof()) {
            inform(QStringLiteral("There is No Data."));
            return;
        }
        FlexHeadings();
        FillGrid();
        msgScreen->show();
        msgScreen->setFocus();
        if (msgScreen->row() > 0)
            msgScreen->setRow(1);
    });
}

void frmNDSearch::FillGrid()
{
    const QList<QStringList> rows = ndSearchRows(mRecordset);
    msgScreen->setMergeCells(ui::flexMergeFree);
    msgScreen->setRedraw(false);
    // the headings, the records' rows and one empty row
    msgScreen->setRows(int(rows.size()) + 2);
    for (int r = 0; r < int(rows.size()); ++r)
        for (int c = 0; c < int(rows[r].size()); ++c)
            msgScreen->setTextMatrix(r + 1, c, rows[r][c]);
    msgScreen->setRedraw(true);
}

} // namespace followup
