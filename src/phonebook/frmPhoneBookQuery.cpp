#include "phonebook/frmPhoneBookQuery.h"

#include "core/ClosingRecordset.h"

#include "platform/db/Recordset.h"
#include "platform/runtime/Conversions.h"
#include "platform/flexgrid/ColumnLayouts.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/runtime/Strings.h"
#include "platform/ui/Colors.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Twips.h"

#include <QComboBox>
#include <QLabel>

namespace phonebook {

namespace {

constexpr quint32 kLightYellow = 0x00C0FFFF;
constexpr quint32 kTooltipBackground = 0x80000018;

// The grid: the serial number, then the fifteen columns of a contact in the table's order.
constexpr ui::ColumnLayout kContactColumns[] = {
    {"S.No", 600, ui::flexAlignRightCenter},
    {"Stat.Code", 1000, ui::flexAlignLeftCenter},
    {"Stat.Name", 1600, ui::flexAlignLeftCenter},
    {"Bra.Name", 1900, ui::flexAlignLeftCenter},
    {"Per.Name", 2200, ui::flexAlignLeftCenter},
    {"Desgination", 2200, ui::flexAlignLeftCenter}, // "OPERATIONS EXECUTIVE" whole
    {"Br.Address1", 3500, ui::flexAlignLeftCenter},
    {"Br.Address2", 3500, ui::flexAlignLeftCenter},
    {"Br.Address3", 2000, ui::flexAlignLeftCenter},
    {"PinCode", 1500, ui::flexAlignLeftCenter},
    {"CellNo", 1800, ui::flexAlignLeftCenter},
    {"FaxNo", 1800, ui::flexAlignLeftCenter},
    {"DOTNo", 1800, ui::flexAlignLeftCenter},
    {"Email1", 2500, ui::flexAlignLeftCenter},
    {"Email2", 2900, ui::flexAlignLeftCenter}, // the office's second address: "OPS." before the first
    {"Email3", 2500, ui::flexAlignLeftCenter},
};
static_assert(std::size(kContactColumns) == kColumnCount + 1);

// The value labels: name, caption label beside it (none for a continued line), column, and place.
struct Detail {
    const char* name;
    const char* captionName;
    const char* caption;
    Column column;
    int left;
    int top;
};

constexpr int kLeftColumn = 240;
constexpr int kRightColumn = 6400;
constexpr int kCaptionWidth = 1600;
constexpr int kValueWidth = 4400;
constexpr int kLine = 360;

constexpr Detail kDetails[kColumnCount] = {
    {"lblSCode", "lblStationCode", " Station Code ", StationCode, kLeftColumn, 1200},
    {"lblSName", "lblStationName", " Station Name", StationName, kLeftColumn, 1200 + kLine},
    {"lblBName", "lblBranchName", " Branch Name", BranchName, kLeftColumn, 1200 + 2 * kLine},
    {"lblPName", "lblPersonName", " Person Name", PersonName, kLeftColumn, 1200 + 3 * kLine},
    {"lblDesg", "lblDesignation", " Designation", Designation, kLeftColumn, 1200 + 4 * kLine},
    {"lblAddress1", "lblBrAddress1", " Branch Address ", BrAddress1, kLeftColumn, 1200 + 5 * kLine},
    {"lblAddress2", nullptr, nullptr, BrAddress2, kLeftColumn, 1200 + 6 * kLine},
    {"lblAddress3", nullptr, nullptr, BrAddress3, kLeftColumn, 1200 + 7 * kLine},
    {"lblPin", "lblPinCode", " PinCode", PinCode, kLeftColumn, 1200 + 8 * kLine},
    {"lblMobile", "lblCellNo", "Mobile  Number", CellNo, kRightColumn, 1200},
    {"lblFax", "lblFaxNo", "Fax Number", FaxNo, kRightColumn, 1200 + kLine},
    {"lblDOT", "lblDOTNo", " DOT Number", DOTNo, kRightColumn, 1200 + 2 * kLine},
    {"lblEmail1", "lblEmailAdd1", " Email Address", Email1, kRightColumn, 1200 + 3 * kLine},
    {"lblEmail2", nullptr, nullptr, Email2, kRightColumn, 1200 + 4 * kLine},
    {"lblemail3", nullptr, nullptr, Email3, kRightColumn, 1200 + 5 * kLine},
};

bool isEmail(Column column) { return column == Email1 || column == Email2 || column == Email3; }

} // namespace

frmPhoneBookQuery::frmPhoneBookQuery()
{
    setObjectName(QStringLiteral("frmPhoneBookQuery"));
    setWindowTitle(QStringLiteral("Phone Book Query "));
    const ui::TwipsPlacer twips(this);
    resize(twips.x(12600), twips.y(4800));

    CreateControls();
    ConnectHandlers();
    Form_Load();
}

void frmPhoneBookQuery::Open()
{
    frmPhoneBookQuery& window = ui::DefaultInstance<frmPhoneBookQuery>::get();
    if (!window.connected()) {
        ui::DefaultInstance<frmPhoneBookQuery>::unload();
        return;
    }
    ui::WindowHost::showModal(&window);
}

void frmPhoneBookQuery::CreateControls()
{
    const ui::TwipsPlacer t(this);
    const auto label = [&](const char* name, const QString& caption, int left, int top, int width) {
        return t.place(new QLabel(caption, this), QLatin1String(name), left, top, width, 285);
    };

    lblEsc = label("lblEsc", QStringLiteral(" Esc to Exit"), 120, 120, 1300);
    ui::setBackColor(lblEsc, kLightYellow);
    lblTitle = label("lblTitle", QStringLiteral(" Phone Book Query"), 3600, 120, 5400);
    lblTitle->setFont(ui::boldFont(lblTitle));
    lblTitle->setAlignment(Qt::AlignCenter);

    lblOrigin = label("lblOrigin", QStringLiteral(" Station Code"), 240, 600, 1400);
    cboSCode = t.place(new QComboBox(this), QStringLiteral("cboSCode"), 1700, 570, 1800, 330);
    lblBranch = label("lblBranch", QStringLiteral(" Branch Name"), 4200, 600, 1400);
    cboBName = t.place(new QComboBox(this), QStringLiteral("cboBName"), 5700, 570, 4400, 330);

    for (const Detail& d : kDetails) {
        if (d.caption)
            label(d.captionName, QLatin1String(d.caption), d.left, d.top, kCaptionWidth);
        QLabel* value = label(d.name, isEmail(d.column) ? QStringLiteral("-") : QStringLiteral(" -"),
                              d.left + kCaptionWidth, d.top, kValueWidth);
        ui::setBackColor(value, kLightYellow);
        values[std::size_t(d.column)] = value;
    }

    // The grid lies over the whole detail area; the labels show when it is hidden.
    msgReport = t.place(new ui::FlexGrid(this), QStringLiteral("msgReport"), 0, 1020, 12600, 3780);
    msgReport->setFixedRows(1);
    msgReport->setFixedCols(1);
    msgReport->setBackColor(kTooltipBackground);
    ui::selectWholeRows(msgReport, ui::flexFocusNone);

    setTabOrder(cboSCode, cboBName);
    setTabOrder(cboBName, msgReport);
}

void frmPhoneBookQuery::ConnectHandlers()
{
    ui::attachHandlers(cboSCode, {.keyDown = [this](int& KeyCode, int Shift) { cboSCode_KeyDown(KeyCode, Shift); }});
    ui::attachHandlers(cboBName, {.keyDown = [this](int& KeyCode, int Shift) { cboBName_KeyDown(KeyCode, Shift); }});
    ui::attachHandlers(msgReport,
                       {.keyDown = [this](int& KeyCode, int Shift) { msgReport_KeyDown(KeyCode, Shift); }});
    // the branches listed belong to the station they were read for
    connect(cboSCode, &QComboBox::currentIndexChanged, cboBName, &QComboBox::clear);
}

// A connection that cannot be opened is reported; Open then does not show the window.
void frmPhoneBookQuery::Form_Load()
{
    if (ui::guarded([this] { m_store.open(); }))
        ui::guarded([this] { FillStations(); });
    cboSCode->setFocus();
}

void frmPhoneBookQuery::FillStations()
{
    db::Recordset rs;
    const auto close = core::closingAtEnd(rs);
    m_store.read(rs, stationCodesStatement());
    if (rs.eof())
        return;
    cboSCode->clear();
    for (; !rs.eof(); rs.moveNext())
        cboSCode->addItem(runtime::CellText(rs.value(QStringLiteral("StationCode"))));
}

void frmPhoneBookQuery::closeEvent(QCloseEvent* event)
{
    m_store.close();
    core::FormWindow<frmPhoneBookQuery>::closeEvent(event);
}

void frmPhoneBookQuery::cboSCode_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape) {
        m_store.close();
        ui::DefaultInstance<frmPhoneBookQuery>::unload();
        return;
    }
    if (KeyCode != ui::vbKeyReturn)
        return;
    mSql = branchNamesStatement(cboSCode->currentText());
    db::Recordset rs;
    const auto close = core::closingAtEnd(rs);
    m_store.read(rs, mSql);
    cboBName->clear();
    if (rs.eof()) {
        ui::MsgBox(QStringLiteral("Record Not Found"), ui::vbInformation);
        cboSCode->setFocus();
        return;
    }
    for (; !rs.eof(); rs.moveNext())
        cboBName->addItem(runtime::CellText(rs.value(QStringLiteral("BranchName"))));
    cboBName->setCurrentIndex(-1);
    cboBName->setFocus();
}

void frmPhoneBookQuery::cboBName_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape) {
        cboSCode->setFocus();
        return;
    }
    if (KeyCode != ui::vbKeyReturn)
        return;
    mSql = stationContactsStatement(cboSCode->currentText(), cboBName->currentText());
    db::Recordset rs;
    const auto close = core::closingAtEnd(rs);
    m_store.read(rs, mSql);
    // a search without contacts leaves an empty grid, not the contacts of the search before
    FormatGrid();
    if (rs.eof())
        return;
    msgReport->show();
    for (int n = 1; !rs.eof(); rs.moveNext(), ++n) {
        const ContactValues contact = PhoneBookStore::contactOf(rs);
        msgReport->setTextMatrix(n, 0, QString::number(n));
        for (int c = 0; c < kColumnCount; ++c)
            msgReport->setTextMatrix(n, c + 1, contact[std::size_t(c)]);
        msgReport->setRows(msgReport->rows() + 1);
    }
    msgReport->setFocus();
}

void frmPhoneBookQuery::FormatGrid() { ui::layOutColumns(msgReport, kContactColumns); }

void frmPhoneBookQuery::msgReport_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape) {
        cboSCode->setFocus();
        return;
    }
    if (KeyCode != ui::vbKeyReturn)
        return;
    const int row = msgReport->rowSel();
    if (row < 1 || msgReport->textMatrix(row, 0).isEmpty())
        return; // the empty row below the contacts
    db::Recordset rs;
    const auto close = core::closingAtEnd(rs);
    m_store.read(rs, contactStatement({msgReport->textMatrix(row, 1), msgReport->textMatrix(row, 3)}));
    if (rs.eof())
        return;
    for (int c = 0; c < kColumnCount; ++c) {
        const QVariant value = rs.value(columnName(c));
        values[std::size_t(c)]->setText(value.isValid() ? runtime::CellText(value) : QStringLiteral("-"));
    }
    cboSCode->setFocus();
    msgReport->hide();
}

} // namespace phonebook
