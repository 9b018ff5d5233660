#include "phonebook/frmPhoneBook.h"

#include "core/ClosingRecordset.h"
#include "core/Validation.h"

#include "platform/db/Recordset.h"

#include "platform/flexgrid/ColumnLayouts.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/runtime/Strings.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace phonebook {

namespace {

// What makes Enter refuse a box's text.
enum class Refusal {
    Never,
    Blank,
    StationCodeBlank, // the contact person's Enter checks that the station code was typed
    EmailWithoutAt,   // not blank and without "@"
};

enum Box : int {
    kStationCode, kStationName, kPersonName, kDesignation, kBranchName, kAddress1, kAddress2, kAddress3,
    kPinCode, kMobileNo, kPhoneNo, kFaxNo, kEmail1, kEmail2, kEmail3,
};

constexpr int kNone = -1;

// The boxes in Enter order: the column each fills, how typed keys are treated, Enter's check and
// the boxes Up moves to when the key goes down or comes up.
struct BoxRule {
    const char* caption;
    Column column;
    int maxLength;
    bool upperCase;
    bool dropsApostrophe;
    Refusal refusal;
    const char* message;
    const char* title; // "": the program's title
    bool emptiedOnRefusal;
    int upOnKeyDown;
    int upOnKeyUp;
};

constexpr BoxRule kBoxes[frmPhoneBook::kBoxCount] = {
    {" Station Code", StationCode, 10, true, true, Refusal::Blank, "Type Company Code", "Company Information", false,
     kNone, kNone},
    {" Station Name ", StationName, 40, true, false, Refusal::Blank, "Type the Company Name.", "Company Master", true,
     kStationCode, kNone},
    {" Contact Person Name ", PersonName, 40, true, true, Refusal::StationCodeBlank, "Type Company Code",
     "Company Information", false, kNone, kStationName},
    {" Designation", Designation, 40, true, true, Refusal::Blank, "Type Designation", "Company Information", false,
     kNone, kPersonName},
    {" Branch Name", BranchName, 40, true, false, Refusal::Blank, "Branch Name Should not be Balnt",
     "The Company Master", false, kStationName, kNone},
    {" Address", BrAddress1, 40, true, false, Refusal::Blank, "Address should not be Empty", "", false, kBranchName,
     kNone},
    {"", BrAddress2, 40, true, false, Refusal::Blank, "Address Should not be Empty", "", false, kAddress1, kNone},
    {"", BrAddress3, 35, true, true, Refusal::Blank, "TextBox should not be blank", "Tessvik Tech", true, kAddress2,
     kStationName},
    {"PinCode", PinCode, 30, false, false, Refusal::Blank, "TextBox should not be blank", "Tessvik Tech", true,
     kAddress3, kNone},
    {" Mobile No", CellNo, 30, true, true, Refusal::Never, "", "", false, kPinCode, kAddress3},
    {"Phone No.", DOTNo, 30, true, false, Refusal::Never, "", "", false, kNone, kMobileNo},
    {" Fax No.", FaxNo, 40, true, false, Refusal::Never, "", "", false, kPhoneNo, kNone},
    {" Email1", Email1, 40, false, true, Refusal::EmailWithoutAt, "Enter Valid Email Address", "Company Master", true,
     kFaxNo, kNone},
    {"E Mail 2", Email2, 40, false, true, Refusal::EmailWithoutAt, "Enter Valid Email Address", "Company Master",
     false, kEmail1, kNone},
    {"EMail 3", Email3, 40, false, true, Refusal::EmailWithoutAt, "Enter Valid Email Address", "Company Master", true,
     kEmail2, kNone},
};

// The list: serial number, then station code, station name, branch name, contact person and the
// three address lines.
constexpr ui::ColumnLayout kListColumns[] = {
    {"S.No", 500, ui::flexAlignRightCenter},
    {"Station Code", 1200, ui::flexAlignLeftCenter},
    {"Station Name", 1500, ui::flexAlignLeftCenter},
    {"Branch Name", 1900, ui::flexAlignLeftCenter}, // "AIRPORT COUNTER" whole
    {"Contact Person", 2200, ui::flexAlignLeftCenter},
    {"Branch Address1", 3000, ui::flexAlignLeftCenter},
    {"Branch Address2", 2500, ui::flexAlignLeftCenter},
    {"Branch Address3", 2000, ui::flexAlignLeftCenter},
};
constexpr Column kListed[] = {StationCode, StationName, BranchName, PersonName, BrAddress1, BrAddress2, BrAddress3};

// The window's width (twips): the list's columns side by side with its vertical scroll bar.
constexpr int kWidth = 15360;

const QString kNew = QStringLiteral("New");
const QString kEdit = QStringLiteral("Edit");
const QString kView = QStringLiteral("View");

} // namespace

frmPhoneBook::frmPhoneBook()
{
    setObjectName(QStringLiteral("frmPhoneBook"));
    setWindowTitle(QStringLiteral(" Phone Book Entry"));
    const ui::TwipsPlacer twips(this);
    resize(twips.x(kWidth), twips.y(5700));

    CreateControls();
    ConnectHandlers();
    Form_Load();
}

void frmPhoneBook::Open()
{
    frmPhoneBook& window = ui::DefaultInstance<frmPhoneBook>::get();
    if (!window.connected()) {
        ui::DefaultInstance<frmPhoneBook>::unload();
        return;
    }
    ui::WindowHost::showModal(&window);
}

std::array<QLineEdit*, frmPhoneBook::kBoxCount> frmPhoneBook::boxes() const
{
    return {txtStationCode, txtStationName, txtPersonName, txtDesignation, txtBranchName,
            txtAddress1,    txtAddress2,    txtAddress3,   txtPinCode,     txtMobileNo,
            txtPhoneNo,     txtFaxNo,       txtEmail1,     txtEmail2,      txtEmail3};
}

void frmPhoneBook::CreateControls()
{
    const ui::TwipsPlacer t(this);
    lblTitle = t.place(new QLabel(windowTitle(), this), QStringLiteral("lblTitle"), 0, 120, kWidth, 300);
    lblTitle->setFont(ui::boldFont(lblTitle));
    lblTitle->setAlignment(Qt::AlignCenter);

    // Station, contact and address on the left; the numbers and e-mails on the right; each box's
    // caption just before it.
    constexpr int kCaptionWidth = 1900;
    struct Place {
        QLineEdit** box;
        const char* name;
        int left;
        int top;
        int width;
    };
    const Place places[kBoxCount] = {
        {&txtStationCode, "txtStationCode", 2300, 720, 1500}, {&txtStationName, "txtStationName", 2300, 1140, 4400},
        {&txtPersonName, "txtPersonName", 2300, 1560, 4400},  {&txtDesignation, "txtDesignation", 2300, 1980, 4400},
        {&txtBranchName, "txtBranchName", 2300, 2400, 4400},  {&txtAddress1, "txtAddress1", 2300, 2820, 4400},
        {&txtAddress2, "txtAddress2", 2300, 3240, 4400},      {&txtAddress3, "txtAddress3", 2300, 3660, 4400},
        {&txtPinCode, "txtPinCode", 2300, 4080, 2400},        {&txtMobileNo, "txtMobileNo", 9100, 720, 3000},
        {&txtPhoneNo, "txtPhoneNo", 9100, 1140, 3000},        {&txtFaxNo, "txtFaxNo", 9100, 1560, 4600},
        {&txtEmail1, "txtEmail1", 9100, 1980, 4600},          {&txtEmail2, "txtEmail2", 9100, 2400, 4600},
        {&txtEmail3, "txtEmail3", 9100, 2820, 4600},
    };
    for (int b = 0; b < kBoxCount; ++b) {
        const Place& p = places[b];
        *p.box = t.place(new QLineEdit(this), QLatin1String(p.name), p.left, p.top, p.width, 330);
        (*p.box)->setMaxLength(kBoxes[b].maxLength);
        if (*kBoxes[b].caption)
            t.place(new QLabel(QLatin1String(kBoxes[b].caption), this),
                    QStringLiteral("lbl") + QLatin1String(p.name).mid(3), p.left - kCaptionWidth - 60, p.top + 45,
                    kCaptionWidth, 240);
    }

    const auto button = [&](const char* name, const char* caption, int index) {
        return t.place(new QPushButton(QLatin1String(caption), this), QLatin1String(name), 4030 + index * 1500, 4800,
                       1300, 420);
    };
    cmdNew = button("cmdNew", "&New", 0);
    cmdSave = button("cmdSave", "&Save", 1);
    cmdEdit = button("cmdEdit", "&Edit", 2);
    cmdView = button("cmdView", "&View", 3);
    cmdExit = button("cmdExit", "E&xit", 4);

    lblDel = t.place(new QLabel(QStringLiteral(" F8 to Delete"), this), QStringLiteral("lblDel"), 240, 4890, 1800, 240);
    lblDel->setFont(ui::boldFont(lblDel));

    // The list lies over the boxes while it is shown.
    msgReport = t.place(new ui::FlexGrid(this), QStringLiteral("msgReport"), 120, 600, kWidth - 240, 4080);
    msgReport->setFixedRows(1);
    msgReport->setFixedCols(1);
    ui::selectWholeRows(msgReport, ui::flexFocusNone);
    FormatGrid();

    // the boxes in Enter order, then Save and the other buttons, then the list
    QList<QWidget*> order;
    for (QLineEdit* box : boxes())
        order << box;
    order << cmdSave << cmdNew << cmdEdit << cmdView << cmdExit << msgReport;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmPhoneBook::ConnectHandlers()
{
    const auto all = boxes();
    for (int b = 0; b < kBoxCount; ++b) {
        QLineEdit* box = all[b];
        ui::attachHandlers(box, {.keyDown = [this, b](int& KeyCode, int) { Box_KeyDown(b, KeyCode); },
                                 .keyPress = [this, b](int& KeyAscii) { Box_KeyPress(b, KeyAscii); },
                                 .keyUp = [this, b](int& KeyCode, int) { Box_KeyUp(b, KeyCode); },
                                 .gotFocus = [box] { core::FieldGotFocus(box); },
                                 .lostFocus = [box] { core::FieldLostFocus(box); }});
    }
    ui::attachHandlers(cmdNew, {.click = [this] { cmdNew_Click(); }});
    ui::attachHandlers(cmdSave, {.keyDown = [this](int& KeyCode, int Shift) { cmdSave_KeyDown(KeyCode, Shift); },
                                 .click = [this] { cmdSave_Click(); }});
    ui::attachHandlers(cmdEdit, {.click = [this] { cmdEdit_Click(); }});
    ui::attachHandlers(cmdView, {.click = [this] { cmdView_Click(); }});
    ui::attachHandlers(cmdExit, {.click = [this] { cmdExit_Click(); }});
    ui::attachHandlers(msgReport,
                       {.keyDown = [this](int& KeyCode, int Shift) { msgReport_KeyDown(KeyCode, Shift); }});
}

// A connection that cannot be opened is reported; Open then does not show the window.
void frmPhoneBook::Form_Load()
{
    ui::guarded([this] { m_store.open(); });
    msgReport->hide();
    lblDel->hide();
    EnableTextBoxes(false);
    EnableButtons(true);
    cmdSave->setEnabled(false);
}

void frmPhoneBook::closeEvent(QCloseEvent* event)
{
    m_store.close();
    core::FormWindow<frmPhoneBook>::closeEvent(event);
}

void frmPhoneBook::ClearTextBoxes()
{
    for (QLineEdit* box : boxes())
        box->clear();
}

void frmPhoneBook::EnableTextBoxes(bool enabled)
{
    for (QLineEdit* box : boxes())
        box->setEnabled(enabled);
}

void frmPhoneBook::EnableButtons(bool enabled)
{
    for (QPushButton* button : {cmdNew, cmdEdit, cmdView})
        button->setEnabled(enabled);
}

// ---- The boxes ----

void frmPhoneBook::Box_KeyPress(int box, int& KeyAscii)
{
    const BoxRule& rule = kBoxes[box];
    if (rule.upperCase)
        KeyAscii = QChar(KeyAscii).toUpper().unicode();
    if (rule.dropsApostrophe && KeyAscii == '\'') {
        KeyAscii = 0;
        return;
    }
    if (box == kAddress3) {
        core::ValidateAlphaKey(KeyAscii, txtAddress3, txtPinCode);
    } else if (box == kPinCode) {
        core::ValidateNumericKey(KeyAscii, txtPinCode, txtMobileNo);
    } else if (KeyAscii == ui::vbKeyReturn && BoxPasses(box)) {
        if (box == kEmail3) {
            cmdSave->setEnabled(true);
            cmdSave->setFocus();
        } else {
            boxes()[std::size_t(box) + 1]->setFocus();
        }
    }
    if (KeyAscii == ui::vbKeyEscape) {
        cmdExit->setFocus();
        EnableTextBoxes(false);
        EnableButtons(true);
    }
}

void frmPhoneBook::Box_KeyDown(int box, int& KeyCode)
{
    if (KeyCode == ui::vbKeyUp && kBoxes[box].upOnKeyDown != kNone)
        boxes()[std::size_t(kBoxes[box].upOnKeyDown)]->setFocus();
}

void frmPhoneBook::Box_KeyUp(int box, int& KeyCode)
{
    if (KeyCode == ui::vbKeyUp && kBoxes[box].upOnKeyUp != kNone)
        boxes()[std::size_t(kBoxes[box].upOnKeyUp)]->setFocus();
}

bool frmPhoneBook::Refuses(int box) const
{
    const QString text = runtime::Trim(boxes()[std::size_t(box)]->text());
    switch (kBoxes[box].refusal) {
    case Refusal::Never: return false;
    case Refusal::Blank: return text.isEmpty();
    case Refusal::StationCodeBlank: return runtime::Trim(txtStationCode->text()).isEmpty();
    case Refusal::EmailWithoutAt: return !text.isEmpty() && !text.contains(QLatin1Char('@'));
    }
    return false;
}

bool frmPhoneBook::BoxPasses(int box)
{
    if (!Refuses(box))
        return true;
    const BoxRule& rule = kBoxes[box];
    QLineEdit* control = boxes()[std::size_t(box)];
    ui::MsgBox(QLatin1String(rule.message), ui::vbInformation, QLatin1String(rule.title));
    if (rule.emptiedOnRefusal)
        control->clear();
    control->setFocus();
    return false;
}

// Save checks every box as Enter does, also those the clerk reached by the mouse or left with Esc:
// the first refused box is shown and focused, and nothing is written.
bool frmPhoneBook::EveryBoxPasses()
{
    for (int b = 0; b < kBoxCount; ++b) {
        if (Refuses(b))
            return BoxPasses(b);
    }
    return true;
}

ContactValues frmPhoneBook::EnteredValues() const
{
    ContactValues values;
    const auto all = boxes();
    for (int b = 0; b < kBoxCount; ++b)
        values[std::size_t(kBoxes[b].column)] = all[std::size_t(b)]->text();
    return values;
}

void frmPhoneBook::ShowContact(const ContactValues& values)
{
    const auto all = boxes();
    for (int b = 0; b < kBoxCount; ++b)
        all[std::size_t(b)]->setText(values[std::size_t(kBoxes[b].column)]);
}

// ---- The buttons ----

void frmPhoneBook::cmdNew_Click()
{
    mMode = kNew;
    ClearTextBoxes();
    msgReport->hide();
    EnableTextBoxes(true);
    txtStationCode->setFocus();
    EnableButtons(false);
}

void frmPhoneBook::cmdSave_Click()
{
    if (mMode == kNew || mMode == kEdit) {
        // A refused save leaves the values and Save as they are and the boxes enabled (also when Esc
        // had disabled them), to be corrected and saved again; only a save that ran its course ends
        // the entry.
        EnableTextBoxes(true);
        if (!EveryBoxPasses() || !(mMode == kNew ? SaveNew() : SaveEdit()))
            return;
    }
    cmdSave->setEnabled(false);
    EnableTextBoxes(false);
    EnableButtons(true);
}

void frmPhoneBook::cmdSave_KeyDown(int& KeyCode, int)
{
    if (KeyCode != ui::vbKeyUp)
        return;
    txtEmail2->setFocus();
    KeyCode = 0; // the button's own arrow-key move would follow

}

void frmPhoneBook::cmdEdit_Click()
{
    mMode = kEdit;
    FillGrid();
    if (msgReport->textMatrix(1, 0).isEmpty()) {
        ui::MsgBox(QStringLiteral("No records Found"), ui::vbInformation);
        return;
    }
    lblDel->show();
    msgReport->show();
    msgReport->setFocus();
}

void frmPhoneBook::cmdView_Click()
{
    mMode = kView;
    FillGrid();
    if (msgReport->textMatrix(1, 0).isEmpty()) {
        ui::MsgBox(QStringLiteral("No records Found"), ui::vbInformation);
        return;
    }
    msgReport->show();
    msgReport->setFocus();
}

void frmPhoneBook::cmdExit_Click()
{
    m_store.close();
    ui::DefaultInstance<frmPhoneBook>::unload();
}

// ---- The list ----

void frmPhoneBook::FormatGrid()
{
    ui::layOutColumns(msgReport, kListColumns);
}

// Every contact into the list; an empty phone book leaves an empty list.
void frmPhoneBook::FillGrid()
{
    db::Recordset rs;
    const auto close = core::closingAtEnd(rs);
    m_store.read(rs, allContactsStatement());
    FormatGrid();
    for (int n = 1; !rs.eof(); rs.moveNext(), ++n) {
        const ContactValues contact = PhoneBookStore::contactOf(rs);
        msgReport->setTextMatrix(n, 0, QString::number(n));
        for (int c = 0; c < int(std::size(kListed)); ++c)
            msgReport->setTextMatrix(n, c + 1, contact[std::size_t(kListed[c])]);
        msgReport->setRows(msgReport->rows() + 1);
    }
}

bool frmPhoneBook::OnEmptyRow() const
{
    return msgReport->row() < 1 || msgReport->textMatrix(msgReport->row(), 0).isEmpty();
}

ContactKey frmPhoneBook::SelectedKey() const
{
    return {msgReport->textMatrix(msgReport->row(), 1), msgReport->textMatrix(msgReport->row(), 3)};
}

void frmPhoneBook::msgReport_KeyDown(int& KeyCode, int)
{
    lblDel->hide();
    if (KeyCode == ui::vbKeyEscape) {
        msgReport->hide();
        ClearTextBoxes();
        mLoadedKey.reset();
        EnableTextBoxes(true);
        txtStationCode->setFocus();
    } else if (KeyCode == ui::vbKeyF8) {
        if (!OnEmptyRow())
            DeleteSelected();
    } else if (KeyCode == ui::vbKeyReturn && mMode == kEdit && !OnEmptyRow()) {
        db::Recordset rs;
        const auto close = core::closingAtEnd(rs);
        const ContactKey shown = SelectedKey();
        m_store.read(rs, contactStatement({runtime::Trim(shown.stationCode), runtime::Trim(shown.branchName)}));
        if (rs.eof())
            return;
        const ContactValues contact = PhoneBookStore::contactOf(rs);
        ShowContact(contact);
        mLoadedKey = ContactKey{contact[StationCode], contact[BranchName]};
        EnableTextBoxes(true);
        msgReport->hide();
        txtStationCode->setFocus();
    }
}

} // namespace phonebook
