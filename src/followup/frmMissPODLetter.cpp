#include "followup/frmMissPODLetter.h"

#include "followup/MissingPodStatements.h"

#include "consignment/ReasonNames.h"
#include "consignment/StatementValues.h"

#include "core/ClosingRecordset.h"
#include "core/ModuleState.h"
#include "core/TextBoxFocus.h"
#include "core/WindowPicture.h"

#include "platform/db/Recordset.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Strings.h"
#include "platform/ui/Colors.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowHost.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace followup {

namespace {

constexpr quint32 kRed = 255;
constexpr quint32 kYellow = 65535;
constexpr int kLineHeight = 270; // twips between two label lines
constexpr int kHistoryRows = 5;
const QString kDateFormat = QStringLiteral("dd-MMM-yyyy");

// A field's text as stored, or "--" when it is Null.
QString TextOrDashes(const QVariant& value)
{
    return value.isValid() ? runtime::CStr(value) : QStringLiteral("--");
}

// A field in the pattern's format, or "--" when it is Null.
QString FormattedOrDashes(const QVariant& value, const QString& pattern)
{
    return value.isValid() ? runtime::Format(value, pattern) : QStringLiteral("--");
}

// The date of a field that holds one.
std::optional<QDate> DateOf(const QVariant& value)
{
    if (!value.isValid())
        return std::nullopt;
    return runtime::CDate(value).date();
}

} // namespace

frmMissPODLetter::frmMissPODLetter()
{
    setObjectName(QStringLiteral("frmMissPODLetter"));
    setWindowTitle(QStringLiteral(" Missing POD Letter"));
    const ui::TwipsPlacer twips(this);
    resize(twips.x(13800), twips.y(6300));

    CreateControls();
    ConnectHandlers();
    Form_Load();
}

void frmMissPODLetter::CreateControls()
{
    const ui::TwipsPlacer t(this);
    const auto label = [&t](QWidget* parent, const QString& name, const QString& caption, int left, int top,
                            int width) { return t.place(new QLabel(caption, parent), name, left, top, width, 240); };
    const auto box = [&t](QWidget* parent, const QString& name, int left, int top, int width) {
        return t.place(new QLineEdit(parent), name, left, top, width, 330);
    };

    lblBranch = label(this, QStringLiteral("lblBranch"), QString(), 120, 60, 4200);
    lblBranch->setFont(ui::boldFont(lblBranch));
    lblTitle = label(this, QStringLiteral("lblTitle"), QStringLiteral("Consignment Query"), 5400, 60, 3000);
    lblTitle->setFont(ui::boldFont(lblTitle));
    lblTitle->setAlignment(Qt::AlignCenter);
    lblEscape = label(this, QStringLiteral("lblEscape"), QStringLiteral("Escape to Exit"), 11600, 60, 2000);
    lblEscape->setAlignment(Qt::AlignRight);

    label(this, QStringLiteral("lblConsignNoCaption"), QStringLiteral("C No "), 120, 480, 600);
    txtConsignNo = box(this, QStringLiteral("txtConsignNo"), 720, 420, 2000);
    txtConsignNo->setMaxLength(14);

    // The booking, in two columns of captions and values.
    struct Line {
        QLabel** value;
        const char* name;
        const char* caption;
    };
    const auto column = [&](std::initializer_list<Line> lines, int left, int captionWidth, int valueWidth) {
        int top = 960;
        for (const Line& line : lines) {
            const QString name = QString::fromLatin1(line.name);
            label(this, name + QStringLiteral("Caption"), QString::fromLatin1(line.caption), left, top, captionWidth);
            *line.value = label(this, name, QString(), left + captionWidth, top, valueWidth);
            top += kLineHeight;
        }
    };
    column({{&lblBookingDate, "lblBookingDate", "Date"},
            {&lblWeight, "lblWeight", "Weight"},
            {&lblAmount, "lblAmount", "Amount"},
            {&lblMode, "lblMode", "Mode "},
            {&lblDocumentType, "lblDocumentType", "Doc. Type"}},
           120, 1100, 2500);
    column({{&lblDestination, "lblDestination", "Destination"},
            {&lblPickup, "lblPickup", "Pickup"},
            {&lblBranchName, "lblBranchName", "Branch Name"},
            {&lblPodDate, "lblPodDate", "POD Date"}},
           3900, 1200, 2400);

    // The delivery status and the non-delivery history.
    fraNonDelvy = t.place(new QGroupBox(this), QStringLiteral("fraNonDelvy"), 7600, 420, 6080, 2160);
    label(fraNonDelvy, QStringLiteral("lblStatusCaption"), QStringLiteral("Status"), 120, 240, 700);
    lblDeliveryStatus = label(fraNonDelvy, QStringLiteral("lblDeliveryStatus"), QString(), 820, 240, 5100);
    lblDeliveryStatus->setFont(ui::boldFont(lblDeliveryStatus));
    for (int k = 0; k < kHistoryRows; ++k) {
        const int top = 600 + k * 300;
        lblNo[k] = label(fraNonDelvy, QStringLiteral("lblNo%1").arg(k), QStringLiteral("%1.").arg(k + 1), 120, top, 300);
        lblRemainderNo[k] = label(fraNonDelvy, QStringLiteral("lblRemainderNo%1").arg(k), QString(), 420, top, 1000);
        lblRemainderDate[k] = label(fraNonDelvy, QStringLiteral("lblRemainderDate%1").arg(k), QString(), 1420, top, 4560);
    }

    // The addresses.
    label(this, QStringLiteral("lblFromAddressCaption"), QStringLiteral("From Address"), 120, 2640, 2000);
    label(this, QStringLiteral("lblToAddressCaption"), QStringLiteral("To Address"), 6960, 2640, 2000);
    for (int i = 0; i < 4; ++i) {
        const int top = 2900 + i * 380;
        txtFrAdd[i] = box(this, QStringLiteral("txtFrAdd%1").arg(i + 1), 120, top, 6720);
        txtToAddr[i] = box(this, QStringLiteral("txtToAddr%1").arg(i + 1), 6960, top, 6720);
    }

    // The manifest details (positions inside the frame).
    fraManifest = t.place(new QGroupBox(QStringLiteral("Manifest Details"), this), QStringLiteral("fraManifest"), 120,
                          4500, 13560, 840);
    label(fraManifest, QStringLiteral("lblMFDateCaption"), QStringLiteral("MF.Date"), 120, 380, 700);
    dtpMFDate = t.place(new ui::DatePicker(fraManifest), QStringLiteral("dtpMFDate"), 820, 320, 1600, 330);
    dtpMFDate->setCustomFormat(kDateFormat);
    label(fraManifest, QStringLiteral("lblMFDestinationCaption"), QStringLiteral("Destination"), 2600, 380, 1000);
    txtMFDestination = box(fraManifest, QStringLiteral("txtMFDestination"), 3600, 320, 4000);
    label(fraManifest, QStringLiteral("lblManifestNoCaption"), QStringLiteral("MF.No"), 7800, 380, 600);
    txtManifestNo = box(fraManifest, QStringLiteral("txtManifestNo"), 8400, 320, 1900);
    label(fraManifest, QStringLiteral("lblMFSlNoCaption"), QStringLiteral("Sl.No"), 10500, 380, 500);
    txtMFSlNo = box(fraManifest, QStringLiteral("txtMFSlNo"), 11000, 320, 500);
    label(fraManifest, QStringLiteral("lblMFPktNoCaption"), QStringLiteral("Packet.No"), 11700, 380, 900);
    txtMFPktNo = box(fraManifest, QStringLiteral("txtMFPktNo"), 12600, 320, 700);

    dtpBookingDate = t.place(new ui::DatePicker(this), QStringLiteral("dtpBookingDate"), 120, 5500, 1600, 330);
    dtpBookingDate->setCustomFormat(kDateFormat);
    dtpBookingDate->setVisible(false);

    cmdSave = t.place(new QPushButton(QStringLiteral("&Save"), this), QStringLiteral("cmdSave"), 10200, 5520, 1500, 420);
    cmdExit = t.place(new QPushButton(QStringLiteral("E&xit"), this), QStringLiteral("cmdExit"), 12000, 5520, 1500, 420);

    // the Enter order
    QWidget* previous = txtConsignNo;
    for (QWidget* next : std::initializer_list<QWidget*>{txtFrAdd[0], txtFrAdd[1], txtFrAdd[2], txtFrAdd[3], txtToAddr[0],
                                                         txtToAddr[1], txtToAddr[2], txtToAddr[3], dtpMFDate,
                                                         txtMFDestination, txtManifestNo, txtMFSlNo, txtMFPktNo,
                                                         cmdSave, cmdExit}) {
        setTabOrder(previous, next);
        previous = next;
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
}

void frmMissPODLetter::ConnectHandlers()
{
    ui::attachHandlers(txtConsignNo, {.keyPress = [this](int& KeyAscii) { txtConsignNo_KeyPress(KeyAscii); },
                                      .gotFocus = [this] { txtConsignNo_GotFocus(); }});
    // a number put into the box by any other way than typing also ends the case shown
    connect(txtConsignNo, &QLineEdit::textChanged, cmdSave, [this] { cmdSave->setEnabled(false); });
    ui::attachHandlers(cmdExit, {.click = [this] { cmdExit_Click(); }});
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    ConnectEntryHandlers();
}

void frmMissPODLetter::showEvent(QShowEvent* event)
{
    core::FormWindow<frmMissPODLetter>::showEvent(event);
    Form_Activate();
}

// A failing step shows its error and ends the loading there; the window opens as far as it got.
void frmMissPODLetter::Form_Load()
{
    ui::setForeColor(lblDeliveryStatus, kRed);
    cmdSave->setEnabled(false);
    Timer1->start();
    ui::guarded({QStringLiteral("%1 : %2     "), ui::vbCritical, core::gstrCompanyName}, [this] {
        lblBranch->setText(core::gstrBranchName);
        ClearDisplay();
        core::LoadWindowPictureIfPresent(this);
        dtpBookingDate->setValue(runtime::Clock::today());
        dtpMFDate->setValue(runtime::Clock::today());
        StatusBlinkOn = 0;
        DeliveryStatusCode.clear();
    });
}

void frmMissPODLetter::Form_Activate() { txtConsignNo->setFocus(); }

void frmMissPODLetter::ClearDisplay()
{
    for (QLabel* label : {lblBookingDate, lblWeight, lblAmount, lblMode, lblDestination, lblPickup, lblDocumentType,
                          lblDeliveryStatus, lblBranchName, lblPodDate})
        label->clear();
    for (int i = 0; i < 4; ++i) {
        txtFrAdd[i]->clear();
        txtToAddr[i]->clear();
    }
    for (int k = 0; k < kHistoryRows; ++k) {
        lblNo[k]->setVisible(false);
        lblRemainderNo[k]->clear();
        lblRemainderDate[k]->clear();
    }
    dtpMFDate->setValue(runtime::Clock::today());
    for (QLineEdit* box : {txtMFDestination, txtMFSlNo, txtMFPktNo, txtManifestNo})
        box->clear();
    // blank boxes belong to no number: Save waits for the next look-up
    mLookedUpNumber.clear();
}

void frmMissPODLetter::Timer1_Timer()
{
    if (StatusBlinkOn != 1)
        return;
    const bool yellow = lblDeliveryStatus->palette().color(QPalette::WindowText) == ui::toQColor(kYellow);
    ui::setForeColor(lblDeliveryStatus, yellow ? kRed : kYellow);
}

void frmMissPODLetter::txtConsignNo_GotFocus() { core::SelectAllText(txtConsignNo); }

void frmMissPODLetter::cmdExit_Click() { ui::DefaultInstance<frmMissPODLetter>::unload(); }

void frmMissPODLetter::txtConsignNo_KeyPress(int& KeyAscii)
{
    if ((KeyAscii >= 33 && KeyAscii <= 47) || (KeyAscii >= 58 && KeyAscii <= 126))
        KeyAscii = 0;
    if (KeyAscii == ui::vbKeyReturn)
        LookUp();
    else if (KeyAscii == ui::vbKeyEscape)
        cmdExit_Click();
    cmdSave->setEnabled(false);
}

// Enter with a number: the saved record, the booking, manifest, branch, status and history. A
// failing query is reported and leaves nothing to save until the next look-up succeeds.
void frmMissPODLetter::LookUp()
{
    ClearDisplay();
    DeliveryStatusCode.clear();
    if (runtime::Trim(txtConsignNo->text()).isEmpty()) {
        ui::MsgBox(QStringLiteral("Type Consignment No."), ui::vbInformation, QStringLiteral("Consignment Query"));
        txtConsignNo->clear();
        txtConsignNo_GotFocus();
        txtConsignNo->setFocus();
        return;
    }
    const QString number = consignment::statementNumber(txtConsignNo->text());
    if (!ui::guarded({QStringLiteral("%2"), ui::vbCritical, core::gstrCompanyName},
                     [&] { ShowConsignment(number); })) {
        ClearDisplay();
        txtConsignNo->setFocus();
        return;
    }
    mLookedUpNumber = number;
    txtConsignNo_GotFocus();
    txtFrAdd[0]->setFocus();
}

void frmMissPODLetter::ShowConsignment(const QString& number)
{
    const std::optional<QDate> savedBookingDate = DisplayMissingPOD(number);
    std::optional<QDate> bookingDate;

    db::Recordset booking;
    const auto closeBooking = core::closingAtEnd(booking);
    booking.open(bookingStatement(number), core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    if (!booking.eof()) {
        const auto field = [&booking](const char* name) { return booking.value(QString::fromLatin1(name)); };
        StatusBlinkOn = 1;
        bookingDate = DateOf(field("BookingDate"));
        lblBookingDate->setText(FormattedOrDashes(field("BookingDate"), kDateFormat));
        lblWeight->setText(FormattedOrDashes(field("Weight"), QStringLiteral("#########0.000")));
        if (MissingPODExists == 0) {
            for (int i = 0; i < 4; ++i) {
                txtFrAdd[i]->setText(TextOrDashes(booking.value(QStringLiteral("FromAddress%1").arg(i + 1))));
                txtToAddr[i]->setText(TextOrDashes(booking.value(QStringLiteral("ToAddress%1").arg(i + 1))));
            }
        }
        lblAmount->setText(FormattedOrDashes(field("Amount"), QStringLiteral("#########0.00")));
        lblMode->setText(TextOrDashes(field("TransactionMode")));
        lblDestination->setText(TextOrDashes(field("Destination")));
        lblPickup->setText(TextOrDashes(field("PickUp")));
        lblDocumentType->setText(runtime::CellText(field("DocumentType")) == QLatin1String("Doc")
                                     ? QStringLiteral("Documents")
                                     : QStringLiteral("Non-Documents"));

        ShowManifest(number);

        db::Recordset branch;
        const auto closeBranch = core::closingAtEnd(branch);
        branch.open(branchStatement(runtime::CellText(field("BranchCode"))), core::gcnnAdmin,
                    db::CursorType::Dynamic, db::LockType::Optimistic);
        if (!branch.eof())
            lblBranchName->setText(runtime::CellText(branch.value(QStringLiteral("BranchName"))));
        branch.close();

        lblPodDate->setText(FormattedOrDashes(field("PodDate"), kDateFormat));
        const QString status = runtime::CellText(field("DeliveryStatus")).toUpper();
        if (status == QLatin1String("N")) {
            lblDeliveryStatus->setText(QStringLiteral("NON - DELIVERED"));
            DeliveryStatusCode = status;
        } else if (status == QLatin1String("D")) {
            lblDeliveryStatus->setText(QStringLiteral("DELIVERED"));
            DeliveryStatusCode = status;
        }
        booking.close();
        ShowHistory(number);
    } else {
        booking.close();
        ShowManifest(number);
        ShowHistory(number);
    }
    if (DeliveryStatusCode != QLatin1String("D"))
        lblDeliveryStatus->setText(QStringLiteral("NON - DELIVERED"));
    dtpBookingDate->setValue(bookingDate.value_or(savedBookingDate.value_or(runtime::Clock::today())));
}

void frmMissPODLetter::ShowManifest(const QString& number)
{
    db::Recordset manifest;
    const auto closeManifest = core::closingAtEnd(manifest);
    manifest.open(manifestStatement(number), core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    if (MissingPODExists != 0 || manifest.eof())
        return;
    const auto field = [&manifest](const char* name) { return manifest.value(QString::fromLatin1(name)); };
    if (const std::optional<QDate> date = DateOf(field("ManifestDate")))
        dtpMFDate->setValue(*date);
    txtMFDestination->setText(runtime::CellText(field("Destination")));
    txtManifestNo->setText(runtime::CellText(field("ManifestNo")));
    txtMFPktNo->setText(runtime::CellText(field("PacketNo")));
    txtMFSlNo->setText(runtime::CellText(field("SlNo")));
}

void frmMissPODLetter::ShowHistory(const QString& number)
{
    db::Recordset history;
    const auto closeHistory = core::closingAtEnd(history);
    history.open(outgoingNonDeliveryStatement(number), core::gcnnMonth, db::CursorType::Dynamic,
                 db::LockType::Optimistic);
    for (int k = 0; k < kHistoryRows && !history.eof(); ++k, history.moveNext()) {
        const auto field = [&history](const char* name) { return history.value(QString::fromLatin1(name)); };
        lblNo[k]->setVisible(true);
        const QString reasonName =
            consignment::reasonName(runtime::CellText(field("ReasonCode"))).value_or(QString());
        const QString entryStatus = runtime::CellText(field("EntryStatus"));
        const QString trimmed = runtime::Trim(entryStatus);
        const QString date = runtime::Format(field("TransDate"), kDateFormat);
        if (trimmed == QLatin1String("Remainder") || trimmed == QLatin1String("Return")) {
            lblRemainderNo[k]->setText(entryStatus);
            lblRemainderDate[k]->setText(reasonName + QStringLiteral(" - ") + date);
        } else if (trimmed == QLatin1String("Misroute")) {
            lblRemainderNo[k]->setText(entryStatus);
            lblRemainderDate[k]->setText(runtime::Trim(runtime::CellText(field("FDestination"))) + QStringLiteral(" - ")
                                         + date);
        }
    }
}

std::optional<QDate> frmMissPODLetter::DisplayMissingPOD(const QString& number)
{
    db::Recordset saved;
    const auto closeSaved = core::closingAtEnd(saved);
    saved.open(missingPodStatement(number), core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    MissingPODExists = saved.eof() ? 0 : 1;
    if (MissingPODExists == 0)
        return std::nullopt;
    const auto field = [&saved](const QString& name) { return saved.value(name); };
    for (int i = 0; i < 4; ++i) {
        txtFrAdd[i]->setText(runtime::CellText(field(QStringLiteral("FromAddress%1").arg(i + 1))));
        txtToAddr[i]->setText(runtime::CellText(field(QStringLiteral("ToAddress%1").arg(i + 1))));
    }
    if (const std::optional<QDate> date = DateOf(field(QStringLiteral("ManifestDate"))))
        dtpMFDate->setValue(*date);
    txtMFDestination->setText(runtime::CellText(field(QStringLiteral("MFDestination"))));
    txtManifestNo->setText(runtime::CellText(field(QStringLiteral("ManifestNo"))));
    txtMFSlNo->setText(runtime::CellText(field(QStringLiteral("MFSlNo"))));
    txtMFPktNo->setText(runtime::CellText(field(QStringLiteral("MFPacketNo"))));
    return DateOf(field(QStringLiteral("BookingDate")));
}

} // namespace followup
