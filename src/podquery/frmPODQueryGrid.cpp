#include "podquery/frmPODQueryGrid.h"

#include "podquery/PodQueryStatements.h"

#include "consignment/StatementValues.h"

#include "core/ClosingRecordset.h"
#include "core/ModuleState.h"
#include "core/ServerDate.h"
#include "core/TextBoxFocus.h"

#include "grid/QvGrid.h"

#include "platform/db/Recordset.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Strings.h"
#include "platform/runtime/Val.h"
#include "platform/ui/Colors.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <array>

namespace podquery {

namespace {

constexpr quint32 kRed = 255;
constexpr quint32 kYellow = 65535;
constexpr quint32 kGridBackColor = 0x00D8FEFDu; // pale yellow
constexpr quint32 kGridBeyondCells = 0x00E0E0E0u;
constexpr int kLineHeight = 270; // twips between two label lines

// A field's text as stored, or the given text when it is Null.
QString TextOr(const QVariant& value, const QString& nullText)
{
    return value.isValid() ? runtime::CStr(value) : nullText;
}

// A number in the pattern's format, or "--" when it is Null.
QString FormattedOr(const QVariant& value, const QString& pattern)
{
    return value.isValid() ? runtime::Format(value, pattern) : QStringLiteral("--");
}

// A mobile number as the counter may show it: at a branch a numeric one shows only its last four
// characters.
QString MobileNumberText(const QVariant& value)
{
    const QString text = runtime::CellText(value);
    if (core::gblnCentralMode || !runtime::IsNumeric(value))
        return text;
    return QStringLiteral("XXXXXX") + text.right(4);
}

// Moves to the booking row of the number itself when the statement also found another booking
// by its pro-consignment number; to the first row when there is none of its own.
void MoveToOwnBooking(db::Recordset& booking, const QString& number)
{
    for (; !booking.eof(); booking.moveNext())
        if (consignment::statementNumber(booking.value(QStringLiteral("ConsignmentNo"))) == number)
            return;
    booking.moveFirst();
}

} // namespace

frmPODQueryGrid::frmPODQueryGrid()
{
    setObjectName(QStringLiteral("frmPODQueryGrid"));
    setWindowTitle(QStringLiteral("Orvane - Query"));
    const ui::TwipsPlacer twips(this);
    resize(twips.x(15360), twips.y(9840));

    CreateControls();
    ConnectHandlers();
    Form_Load();
}

void frmPODQueryGrid::CreateControls()
{
    const ui::TwipsPlacer t(this);
    const auto label = [&t](QWidget* parent, const char* name, const QString& caption, int left, int top, int width) {
        return t.place(new QLabel(caption, parent), QString::fromLatin1(name), left, top, width, 240);
    };

    lblTitle = label(this, "lblTitle", QStringLiteral("Consignment Query"), 6200, 60, 3000);
    lblTitle->setFont(ui::boldFont(lblTitle));
    lblTitle->setAlignment(Qt::AlignCenter);
    lblBranch = label(this, "lblBranch", QString(), 120, 60, 5000);
    lblBranch->setFont(ui::boldFont(lblBranch));
    lblEscape = label(this, "lblEscape", QStringLiteral("Escape to Exit"), 13200, 60, 2000);

    // The query line.
    lblConsignNo = label(this, "lblConsignNo", QStringLiteral("C No "), 120, 480, 600);
    txtConsignNo = t.place(new QLineEdit(this), QStringLiteral("txtConsignNo"), 720, 420, 2000, 360);
    lblStatus = label(this, "lblStatus", QStringLiteral("Status"), 2900, 480, 700);
    lblDeliveryStatus = label(this, "lblDeliveryStatus", QString(), 3600, 480, 3600);
    lblDeliveryStatus->setFont(ui::boldFont(lblDeliveryStatus));
    ui::setForeColor(lblDeliveryStatus, kRed);
    cmdAdditional = t.place(new QPushButton(QStringLiteral("&Additional Details"), this),
                            QStringLiteral("cmdAdditional"), 7300, 400, 1900, 400);
    cmdROStatus = t.place(new QPushButton(QStringLiteral("&RO Status"), this), QStringLiteral("cmdROStatus"), 9300,
                          400, 1300, 400);
    chkSelect = t.place(new QCheckBox(QStringLiteral("To Adds &Find"), this), QStringLiteral("chkSelect"), 10700, 440,
                        1500, 320);
    cmdPODScan = t.place(new QPushButton(QStringLiteral("&POD Scan Image"), this), QStringLiteral("cmdPODScan"),
                         12300, 400, 1600, 400);
    cmdDocImage = t.place(new QPushButton(QStringLiteral("&Doc Image"), this), QStringLiteral("cmdDocImage"), 14000,
                          400, 1250, 400);

    // The booking, in three columns of captions and values.
    struct Line {
        QLabel** value;
        const char* name;
        const char* caption; // nullptr: a further line of the value above
    };
    const auto column = [&](std::initializer_list<Line> lines, int left, int captionWidth, int valueWidth) {
        int top = 960;
        for (const Line& line : lines) {
            if (line.caption)
                label(this, (QByteArray("Caption_") + line.name).constData(), QString::fromLatin1(line.caption), left,
                      top, captionWidth);
            *line.value = label(this, line.name, QString(), left + captionWidth, top, valueWidth);
            top += kLineHeight;
        }
    };
    column({{&lblBookingDate, "lblBookingDate", "Date"},
            {&lblBkTime, "lblBkTime", "Bk Time"},
            {&lblWeight, "lblWeight", "Weight"},
            {&lblVolWgt, "lblVolWgt", "Vol Weight :"},
            {&lblTotWgt, "lblTotWgt", "Disc Vol Wgt :"},
            {&lblNoOfPcs, "lblNoOfPcs", "No.Of Pcs:"},
            {&lblAmount, "lblAmount", "Amount"},
            {&lblMode, "lblMode", "Mode "},
            {&lblRateType, "lblRateType", "Rate Type:"},
            {&lblDocumentType, "lblDocumentType", "Doc. Type"}},
           120, 1300, 3300);
    column({{&lblFromAddress1, "lblFromAddress1", "From Address"},
            {&lblFromAddress2, "lblFromAddress2", nullptr},
            {&lblFromAddress3, "lblFromAddress3", nullptr},
            {&lblFMobileNo, "lblFMobileNo", nullptr},
            {&lblToAddress1, "lblToAddress1", "To Address"},
            {&lblToAddress2, "lblToAddress2", nullptr},
            {&lblToAddress3, "lblToAddress3", nullptr},
            {&lblDestination, "lblDestination", "Destination"},
            {&lblPickup, "lblPickup", "Pickup"},
            {&lblContain, "lblContain", "Contains"}},
           4800, 1300, 4600);
    column({{&lblProConNo, "lblProConNo", "PRO Consign No."},
            {&lblBookedBy, "lblBookedBy", "Booked By"},
            {&lblBookedBranch, "lblBookedBranch", "Booked Branch"},
            {&lblFlyerNo, "lblFlyerNo", "Flyer No."},
            {&lblPinCode, "lblPinCode", "PinCode"},
            {&lblBranchName, "lblBranchName", "Branch"},
            {&lblPodDate, "lblPodDate", "POD Date"}},
           10800, 1500, 2950);

    // The history grids, each with its caption above it.
    const auto historyGrid = [&](ui::FlexGrid*& grid, const char* name, const char* captionName, const char* caption,
                                 int top, int height) {
        label(this, captionName, QString::fromLatin1(caption), 120, top, 6000)->setFont(ui::boldFont(this));
        grid = t.place(new ui::FlexGrid(this), QString::fromLatin1(name), 120, top + 240, 15120, height);
        grid->setFixedCols(0);
        grid->setRows(2);
        grid->setFixedRows(1);
        grid->setBackColor(kGridBackColor);
        grid->setBackColorBkg(kGridBeyondCells);
    };
    historyGrid(msgQuery, "msgQuery", "lblOutgoingMF", "Outgoing MF Details", 3780, 1380);
    historyGrid(msgMFRtn, "msgMFRtn", "lblOutgoingMFReturn", "Outgoing MF Return Details", 5460, 900);
    historyGrid(msgNonDel, "msgNonDel", "lblNonDelivery", "Incoming Remainder/Return/Misroute Details", 6660, 1260);
    historyGrid(msgInc, "msgInc", "lblIncomingMF", "Incoming Manifest Details", 8220, 1260);
    msgQuery->setFixedCols(1);

    // The detail grid lies over the history grids until the next look-up.
    QvGrid1 = t.place(new grid::QvGrid(this), QStringLiteral("QvGrid1"), 8400, 960, 6840, 5760);

    // The head office's status panel (positions inside the panel).
    fraROStatus = t.place(new QGroupBox(QStringLiteral("RO Server Status"), this), QStringLiteral("fraROStatus"), 60,
                          3700, 15240, 6060);
    cmdROExit = t.place(new QPushButton(QStringLiteral("&X"), fraROStatus), QStringLiteral("cmdROExit"), 14500, 180,
                        570, 330);
    int top = 360;
    for (auto [caption, captionName, captionText, grid, name] :
         {std::tuple{&Label18, "Label18", "DRS Status", &msgGrid1, "msgGrid1"},
          std::tuple{&Label17, "Label17", "Manifest Status", &msgGrid2, "msgGrid2"},
          std::tuple{&Label16, "Label16", "Point2Point Status", &msgGrid3, "msgGrid3"},
          std::tuple{&Label14, "Label14", "OTC Status", &msgGrid4, "msgGrid4"}}) {
        *caption = label(fraROStatus, captionName, QString::fromLatin1(captionText), 90, top, 3000);
        *grid = t.place(new ui::FlexGrid(fraROStatus), QString::fromLatin1(name), 60, top + 240, 15100, 1140);
        (*grid)->setFixedCols(0);
        (*grid)->setCols(1);
        top += 1420;
    }

    // The search by booking (positions inside the panel).
    fraFind = t.place(new QGroupBox(QStringLiteral("Find"), this), QStringLiteral("fraFind"), 4200, 900, 11040, 2760);
    label(fraFind, "lblBookingDateCaption", QStringLiteral("Booking Date"), 120, 300, 1200);
    dtpBookingDate = t.place(new ui::DatePicker(fraFind), QStringLiteral("dtpBookingDate"), 1320, 240, 1600, 330);
    dtpBookingDate->setCustomFormat(QStringLiteral("dd-MMM-yyyy"));
    label(fraFind, "lblBookingModeCaption", QStringLiteral("Booking Mode"), 3050, 300, 1150);
    cboBMode = t.place(new QComboBox(fraFind), QStringLiteral("cboBMode"), 4200, 240, 1000, 330);
    label(fraFind, "lblPartyCodeCaption", QStringLiteral("Party Code"), 5350, 300, 950);
    cboPCode = t.place(new QComboBox(fraFind), QStringLiteral("cboPCode"), 6300, 240, 4620, 330);
    QFont fixedPitch(QStringLiteral("Courier New"));
    fixedPitch.setPointSizeF(8.25);
    cboPCode->setFont(fixedPitch);
    label(fraFind, "lblTAddsCaption", QStringLiteral("T Adds1"), 120, 720, 1200);
    txtTAdds = t.place(new QLineEdit(fraFind), QStringLiteral("txtTAdds"), 1320, 660, 4280, 330);
    lblFindStatus = label(fraFind, "lblFindStatus", QStringLiteral("Enter/Double Click - Status"), 5800, 720, 3000);
    msgFind = t.place(new ui::FlexGrid(fraFind), QStringLiteral("msgFind"), 120, 1080, 10200, 1560);
    msgFind->setFixedCols(0);

    // The panels lie over the grids and hide what is under them.
    for (QGroupBox* panel : {fraROStatus, fraFind}) {
        panel->setAutoFillBackground(true);
        panel->raise();
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
}

void frmPODQueryGrid::ConnectHandlers()
{
    ui::attachHandlers(txtConsignNo, {.keyPress = [this](int& KeyAscii) { txtConsignNo_KeyPress(KeyAscii); },
                                      .gotFocus = [this] { txtConsignNo_GotFocus(); }});
    ui::attachHandlers(cmdAdditional, {.click = [this] { cmdAdditional_Click(); }});
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    ConnectHeadOfficePanel();
    ConnectPodScan();
    ConnectFindPanel();
}

void frmPODQueryGrid::showEvent(QShowEvent* event)
{
    core::FormWindow<frmPODQueryGrid>::showEvent(event);
    Form_Activate();
}

// A failing step shows its error and ends the loading there; the window opens as far as it got.
void frmPODQueryGrid::Form_Load()
{
    Timer1->start();
    QvGrid1->setVisible(false);
    ui::guarded({QStringLiteral("%1 : %2     "), ui::vbCritical, core::gstrCompanyName}, [this] {
        lblBranch->setText(core::gstrBranchName);
        ClearDetails();
        mBlink = 0;
        mDeliveryStatus.clear();
        for (ui::FlexGrid* grid : {msgQuery, msgNonDel, msgInc, msgMFRtn})
            grid->setEnabled(false);
        dtpBookingDate->setValue(core::GetServerDate());
        cboBMode->addItems({QStringLiteral(" "), QStringLiteral("Cash"), QStringLiteral("Credit")});
        fraROStatus->setVisible(false);
        if (!core::gblnCentralMode)
            chkSelect->setVisible(false);
        cmdPODScan->setVisible(false);
        cmdDocImage->setVisible(false);
        fraFind->setVisible(false);
    });
}

void frmPODQueryGrid::Form_Activate() { txtConsignNo->setFocus(); }

void frmPODQueryGrid::Timer1_Timer()
{
    if (mBlink != 1)
        return;
    const bool yellow = lblDeliveryStatus->palette().color(QPalette::WindowText) == ui::toQColor(kYellow);
    ui::setForeColor(lblDeliveryStatus, yellow ? kRed : kYellow);
}

void frmPODQueryGrid::ClearDetails()
{
    const std::array labels = {
        lblBookingDate, lblWeight,       lblVolWgt,       lblTotWgt,         lblFromAddress1, lblFromAddress2,
        lblFromAddress3, lblFMobileNo,   lblBkTime,       lblToAddress1,     lblToAddress2,   lblToAddress3,
        lblAmount,      lblMode,         lblDestination,  lblPickup,         lblDocumentType, lblDeliveryStatus,
        lblBranchName,  lblPodDate,      lblProConNo,     lblBookedBy,       lblBookedBranch, lblFlyerNo,
        lblContain,     lblPinCode,      lblNoOfPcs,      lblRateType,
    };
    for (QLabel* label : labels)
        label->clear();
}

void frmPODQueryGrid::txtConsignNo_GotFocus() { core::SelectAllText(txtConsignNo); }

void frmPODQueryGrid::cmdAdditional_Click() { QvGrid1->setVisible(true); }

void frmPODQueryGrid::txtConsignNo_KeyPress(int& KeyAscii)
{
    if ((KeyAscii >= 33 && KeyAscii <= 47) || (KeyAscii >= 58 && KeyAscii <= 126)) {
        KeyAscii = 0;
        return;
    }
    if (KeyAscii == ui::vbKeyEscape) {
        ui::DefaultInstance<frmPODQueryGrid>::unload();
        return;
    }
    if (KeyAscii != ui::vbKeyReturn)
        return;
    if (runtime::Trim(txtConsignNo->text()).isEmpty()) {
        ui::MsgBox(QStringLiteral("Type Consignment No."), ui::vbInformation, QStringLiteral("Consignment Query"));
        ClearDetails();
        txtConsignNo->clear();
        txtConsignNo->setFocus();
        return;
    }
    // A failing statement ends the look-up there: the window shows what it had read by then.
    ui::guarded({QStringLiteral("%2"), ui::vbCritical, core::gstrCompanyName}, [this] { LookUp(); });
}

// Every value an enquiry keeps and everything it shows starts afresh, so nothing of the previous
// consignment reaches this one's screen or log row, even when a statement of this one fails.
void frmPODQueryGrid::ResetEnquiry(const QString& number)
{
    mConsignNo = number;
    mDeliveryStatus.clear();
    mManifestReturned = false;
    mReturned = false;
    mManifestFound = false;
    mManifestOrigin.clear();
    mManifestDate.clear();
    mManifestNo.clear();
    mManifestDestination.clear();
    mPodImagePath.clear();
    mWeightType.clear();
    mProConsignNo = 0;
    mBookingDate.clear();
    mCityCode.clear();
    mDestination.clear();
    mRegion.clear();
    mBookingMode.clear();
    mTransactionMode.clear();
    mPartyCode.clear();
    mWeight = 0;
    ClearDetails();
    QvGrid1->ClearAll();
    QvGrid1->setVisible(false);
    FormatManifestGrid();
    FormatManifestReturnGrid();
    FormatNonDeliveryGrid();
    FormatIncomingGrid();
    // the head office's rows of the previous number do not stand beside this one's booking
    fraROStatus->setVisible(false);
}

// Enter with a number: the booking, its details, its history, branch, POD date and status, then
// the log row.
void frmPODQueryGrid::LookUp()
{
    ResetEnquiry(consignment::statementNumber(txtConsignNo->text()));
    db::Recordset booking;
    const auto closeBooking = core::closingAtEnd(booking);
    booking.open(bookingStatement(mConsignNo), core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);

    if (booking.eof()) {
        ShowManifests();
        ShowNonDeliveries();
        ShowManifestReturns();
        ShowIncomingManifests();
    } else {
        MoveToOwnBooking(booking, mConsignNo);
        const auto field = [&booking](const char* name) { return booking.value(QString::fromLatin1(name)); };
        // A booking found by its pro-consignment number is enquired under its own number.
        mConsignNo = consignment::statementNumber(field("ConsignmentNo")).value_or(mConsignNo);

        mBlink = 1;
        const QVariant bookingDate = field("BookingDate");
        lblBookingDate->setText(bookingDate.isValid() ? runtime::Format(bookingDate, QStringLiteral("dd-MMM-yyyy"))
                                                            + QStringLiteral(" - ")
                                                            + runtime::Format(bookingDate, QStringLiteral("dddd"))
                                                      : QStringLiteral("--"));
        lblWeight->setText(FormattedOr(field("Weight"), QStringLiteral("#########0.000")));
        lblVolWgt->setText(FormattedOr(field("Vol_Weight"), QStringLiteral("0.000")));
        lblTotWgt->setText(FormattedOr(field("Tot_Weight"), QStringLiteral("0.000")));
        lblFromAddress1->setText(TextOr(field("FromAddress1"), QStringLiteral("--")));
        lblFromAddress2->setText(TextOr(field("FromAddress2"), QStringLiteral("--")));
        QString fromLine3 = TextOr(field("FromAddress3"), QStringLiteral("--"));
        if (field("FromAddress4").isValid())
            fromLine3 += QStringLiteral(", ") + runtime::CStr(field("FromAddress4"));
        lblFromAddress3->setText(fromLine3);
        lblFMobileNo->setText(MobileNumberText(field("FromAddress5")));
        lblToAddress1->setText(TextOr(field("ToAddress1"), QStringLiteral("--")));
        lblToAddress2->setText(TextOr(field("ToAddress2"), QStringLiteral("--")));
        QString toLine3 = TextOr(field("ToAddress3"), QStringLiteral("--"));
        if (field("ToAddress4").isValid())
            toLine3 += QStringLiteral(", ") + runtime::CStr(field("ToAddress4"));
        if (field("ToAddress5").isValid())
            toLine3 += QStringLiteral(", ") + MobileNumberText(field("ToAddress5"));
        lblToAddress3->setText(toLine3);
        lblAmount->setText(FormattedOr(field("Amount"), QStringLiteral("#########0.00")));
        lblMode->setText(TextOr(field("TransactionMode"), QStringLiteral("--")));
        lblDestination->setText(TextOr(field("Destination"), QStringLiteral("--")));
        lblPickup->setText(TextOr(field("PickUp"), QStringLiteral("--")));
        lblDocumentType->setText(runtime::CellText(field("DocumentType")) == QLatin1String("Doc")
                                     ? QStringLiteral("Documents")
                                     : QStringLiteral("Non-Documents"));
        const QVariant proNumber = field("Pro_ConsignNo");
        lblProConNo->setText(proNumber.isValid()
                                 ? runtime::CellText(field("Pro_Origin")) + QStringLiteral(" ") + runtime::CStr(proNumber)
                                 : QString());
        lblBookedBy->setText(runtime::CellText(field("BOOKED_BY")));
        lblBookedBranch->setText(TextOr(field("Booked_Branch"), QStringLiteral("-")));
        lblFlyerNo->setText(TextOr(field("Contain3"), QStringLiteral("-")));
        lblContain->setText(TextOr(field("Contain1"), QStringLiteral("-")) + QStringLiteral(",")
                            + TextOr(field("Contain2"), QStringLiteral("-")));
        lblPinCode->setText(TextOr(field("PinCode"), QStringLiteral("-")));
        lblBkTime->setText(TextOr(field("BookingTime"), QStringLiteral("-")));
        lblNoOfPcs->setText(TextOr(field("Pieces"), QStringLiteral("1")));
        // the rate type is shown for bookings from 2 September 2024 on
        if (bookingDate.isValid() && runtime::CDate(bookingDate).date() > QDate(2024, 9, 1))
            lblRateType->setText(TextOr(field("Rate_Type"), QStringLiteral("NORMAL")));

        mBookingDate = bookingDate;
        mCityCode = field("CityCode");
        mDestination = field("Destination");
        mRegion = field("Region");
        mBookingMode = field("BookingMode");
        mTransactionMode = field("TransactionMode");
        mPartyCode = runtime::CellText(field("PartyCode"));
        mWeight = field("Weight").isValid() ? field("Weight").toDouble() : 0;
        mWeightType = runtime::CellText(field("Weight_Type"));
        mProConsignNo = proNumber.isValid() ? proNumber.toLongLong() : 0;

        // The detail grid: one row per further column of the booking.
        QvGrid1->AddColumn(QStringLiteral("Description"), 2300, 4, 0, QString(), QString(), 4, false, 0, true);
        QvGrid1->AddColumn(QStringLiteral("Values"), 4000, 4, 0, QString(), QString(), 4, true, 0, true);
        QvGrid1->SetMinRowHeight(230);
        QvGrid1->SetRedraw(true);
        db::Recordset details;
        const auto closeDetails = core::closingAtEnd(details);
        details.open(bookingDetailStatement(mConsignNo, core::gblnCentralMode), core::gcnnMonth,
                     db::CursorType::Dynamic, db::LockType::Optimistic);
        if (details.eof()) {
            ui::MsgBox(QStringLiteral("This Consignment Details is Not Found"), ui::vbInformation);
            txtConsignNo->setFocus();
            return;
        }
        for (int c = 0; c < details.fieldCount(); ++c) {
            // a tab would end the value's cell
            const QString value = runtime::CellText(details.value(c)).replace(QLatin1Char('\t'), QLatin1Char(' '));
            QvGrid1->AddItem(details.fieldNames()[c] + QLatin1Char('\t') + value);
        }
        details.close();

        ShowManifests();
        ShowManifestReturns();
        ShowNonDeliveries();

        db::Recordset branch;
        branch.open(branchStatement(runtime::CellText(field("BranchCode"))), core::gcnnAdmin, db::CursorType::Dynamic,
                    db::LockType::Optimistic);
        if (!branch.eof())
            lblBranchName->setText(runtime::CellText(branch.value(QStringLiteral("BranchName"))));
        branch.close();

        const QVariant podScanDate = field("PodScanDate");
        lblPodDate->setText(podScanDate.isValid() ? runtime::Format(podScanDate, QStringLiteral("dd-MMM-yyyy hh:mm:ss"))
                                                  : QStringLiteral("--"));

        const QString status = runtime::CellText(field("DeliveryStatus")).toUpper();
        if (status == QLatin1String("N")) {
            mDeliveryStatus = QStringLiteral("N");
        } else if (status == QLatin1String("D")) {
            lblDeliveryStatus->setText(mManifestReturned || mReturned ? QStringLiteral("RETURN TO Consignee")
                                                                      : QStringLiteral("DELIVERED"));
            mDeliveryStatus = QStringLiteral("D");
        }

        if (core::gblnCentralMode && core::gblnPodImageMode && mPodImagePath.isEmpty())
            cmdDocImage->setEnabled(false);
        else
            mPodImagePath.clear();

        ShowIncomingManifests();
    }
    booking.close();
    WriteQueryLog();

    for (ui::FlexGrid* grid : {msgQuery, msgNonDel, msgInc, msgMFRtn})
        grid->setEnabled(true);
    txtConsignNo_GotFocus();
    txtConsignNo->setFocus();
}

} // namespace podquery
