#include "podquery/frmPODQuery.h"

#include "podquery/LabelQueryStatements.h"
#include "podquery/PodQueryStatements.h"

#include "consignment/ReasonNames.h"
#include "consignment/StatementValues.h"

#include "core/ClosingRecordset.h"
#include "core/ModuleState.h"
#include "core/TextBoxFocus.h"
#include "core/WindowPicture.h"

#include "platform/db/Recordset.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Strings.h"
#include "platform/ui/Colors.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace podquery {

namespace {

constexpr quint32 kRed = 255;
constexpr quint32 kYellow = 65535;
constexpr int kLineHeight = 300; // twips between two label lines

const QString kQueryTitle = QStringLiteral("Consignment Query");
const QString kNotDelivered = QStringLiteral("NON - DELIVERED");

// A field's text as stored, or "--" when it is Null.
QString TextOr(const QVariant& value)
{
    return value.isValid() ? runtime::CStr(value) : QStringLiteral("--");
}

// A value in the pattern's format, or "--" when it is Null.
QString FormattedOr(const QVariant& value, const QString& pattern)
{
    return value.isValid() ? runtime::Format(value, pattern) : QStringLiteral("--");
}

} // namespace

frmPODQuery::frmPODQuery()
{
    setObjectName(QStringLiteral("frmPODQuery"));
    setWindowTitle(QStringLiteral("Orvane - Query"));
    const ui::TwipsPlacer twips(this);
    resize(twips.x(11400), twips.y(7500));

    CreateControls();
    ConnectHandlers();
    Form_Load();
}

void frmPODQuery::CreateControls()
{
    const ui::TwipsPlacer t(this);
    const auto label = [&t](QWidget* parent, const QString& name, const QString& caption, int left, int top,
                            int width) { return t.place(new QLabel(caption, parent), name, left, top, width, 240); };

    lblBranch = label(this, QStringLiteral("lblBranch"), QString(), 120, 60, 3800);
    lblBranch->setFont(ui::boldFont(lblBranch));
    lblTitle = label(this, QStringLiteral("lblTitle"), kQueryTitle, 4000, 60, 3400);
    lblTitle->setFont(ui::boldFont(lblTitle));
    lblTitle->setAlignment(Qt::AlignCenter);
    lblEscape = label(this, QStringLiteral("lblEscape"), QStringLiteral("Escape to Exit"), 9400, 60, 1800);
    lblEscape->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // The query line.
    lblConsignNo = label(this, QStringLiteral("lblConsignNo"), QStringLiteral("C No "), 120, 540, 600);
    txtConsignNo = t.place(new QLineEdit(this), QStringLiteral("txtConsignNo"), 720, 480, 2200, 360);
    lblStatus = label(this, QStringLiteral("lblStatus"), QStringLiteral("Status"), 3300, 540, 700);
    lblDeliveryStatus = label(this, QStringLiteral("lblDeliveryStatus"), QString(), 4000, 540, 3400);
    lblDeliveryStatus->setFont(ui::boldFont(lblDeliveryStatus));
    ui::setForeColor(lblDeliveryStatus, kRed);

    // Captions and values in columns; a line without a caption continues the value above.
    struct Line {
        QLabel** value;
        const char* name;
        const char* captionName;
        const char* caption;
    };
    const auto column = [&](std::initializer_list<Line> lines, int left, int top, int captionWidth, int valueWidth) {
        for (const Line& line : lines) {
            if (line.caption)
                label(this, QString::fromLatin1(line.captionName), QString::fromLatin1(line.caption), left, top,
                      captionWidth);
            *line.value = label(this, QString::fromLatin1(line.name), QString(), left + captionWidth, top, valueWidth);
            top += kLineHeight;
        }
    };
    column({{&lblBookingDate, "lblBookingDate", "lblBookedDate", "Date"},
            {&lblMode, "lblMode", "lblBookingMode", "Mode "},
            {&lblDestination, "lblDestination", "lblDestination1", "Destination"},
            {&lblWeight, "lblWeight", "lblWeight1", "Weight"},
            {&lblAmount, "lblAmount", "lblAmount1", "Amount"},
            {&lblPickup, "lblPickup", "lblPickup1", "Pickup"},
            {&lblDocumentType, "lblDocumentType", "lblDocType", "Doc. Type"},
            {&lblBranchName, "lblBranchName", "lblBranchName1", "Branch Name"},
            {&lblPodDate, "lblPodDate", "lblPodDate1", "POD Date"}},
           120, 1080, 1300, 3000);
    column({{&lblFromAddress1, "lblFromAddress1", "lblFAddress", "From Address"},
            {&lblFromAddress2, "lblFromAddress2", nullptr, nullptr},
            {&lblFromAddress3, "lblFromAddress3", nullptr, nullptr},
            {&lblFromAddress4, "lblFromAddress4", nullptr, nullptr},
            {&lblToAddress1, "lblToAddress1", "lblToAddrs", "To Address"},
            {&lblToAddress2, "lblToAddress2", nullptr, nullptr},
            {&lblToAddress3, "lblToAddress3", nullptr, nullptr},
            {&lblToAddress4, "lblToAddress4", nullptr, nullptr}},
           4560, 1080, 1400, 5240);

    // The first outgoing manifest line, in two rows of three.
    column({{&lblManifestNo, "lblManifestNo", "lblManifestNo1", "Mainfest No :"},
            {&lblManiFestMode, "lblManiFestMode", "lblManiFestType", "Manifest Type"}},
           120, 3960, 1300, 2200);
    column({{&lblSlNo, "lblSlNo", "lblSerialNo", "Sl No :"},
            {&lblManifestDate, "lblManifestDate", "lblMDate", "Manifest Date"}},
           3800, 3960, 1300, 2200);
    column({{&lblPacketNo, "lblPacketNo", "lblPacketNo1", "Pkt. No :"},
            {&lblManifestDest, "lblManifestDest", "lblDest", "MF Destn"}},
           7480, 3960, 1300, 2400);

    // The non-delivery entries (positions inside the frame).
    fraNonDelvy = t.place(new QGroupBox(this), QStringLiteral("fraNonDelvy"), 120, 4680, 11160, 1980);
    for (int i = 0; i < kNonDeliveryLines; ++i) {
        const int top = 240 + i * kLineHeight;
        const auto name = [i](const char* array) { return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(i); };
        lblNo[i] = label(fraNonDelvy, name("lblNo"), QStringLiteral("%1.").arg(i + 1), 120, top, 400);
        lblRemainderNo[i] = label(fraNonDelvy, name("lblRemainderNo"), QString(), 600, top, 1500);
        lblRemainderDate[i] = label(fraNonDelvy, name("lblRemainderDate"), QString(), 2200, top, 8800);
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
}

void frmPODQuery::ConnectHandlers()
{
    ui::attachHandlers(txtConsignNo, {.keyPress = [this](int& KeyAscii) { txtConsignNo_KeyPress(KeyAscii); },
                                      .gotFocus = [this] { txtConsignNo_GotFocus(); }});
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

// No step of the loading reaches a database. A missing background picture leaves the plain
// background; nothing is left to load after it.
void frmPODQuery::Form_Load()
{
    Timer1->start();
    lblBranch->setText(core::gstrBranchName);
    ClearDetails();
    core::LoadWindowPictureIfPresent(this);
}

// The result labels and the non-delivery lines; the status colour and the kept state stay.
void frmPODQuery::ClearDetails()
{
    for (QLabel* label :
         {lblBookingDate, lblWeight, lblFromAddress1, lblFromAddress2, lblFromAddress3, lblFromAddress4, lblToAddress1,
          lblToAddress2, lblToAddress3, lblToAddress4, lblAmount, lblMode, lblDestination, lblPickup, lblDocumentType,
          lblManifestNo, lblSlNo, lblPacketNo, lblManiFestMode, lblDeliveryStatus, lblBranchName, lblPodDate,
          lblManifestDate, lblManifestDest})
        label->clear();
    for (int i = 0; i < kNonDeliveryLines; ++i) {
        lblNo[i]->hide();
        lblRemainderNo[i]->clear();
        lblRemainderDate[i]->clear();
    }
}

void frmPODQuery::Timer1_Timer()
{
    if (mBlink != 1)
        return;
    const bool yellow = lblDeliveryStatus->palette().color(QPalette::WindowText) == ui::toQColor(kYellow);
    ui::setForeColor(lblDeliveryStatus, yellow ? kRed : kYellow);
}

void frmPODQuery::txtConsignNo_GotFocus() { core::SelectAllText(txtConsignNo); }

void frmPODQuery::txtConsignNo_KeyPress(int& KeyAscii)
{
    if ((KeyAscii >= 33 && KeyAscii <= 47) || (KeyAscii >= 58 && KeyAscii <= 126)) {
        KeyAscii = 0;
        return;
    }
    if (KeyAscii == ui::vbKeyEscape) {
        ui::DefaultInstance<frmPODQuery>::unload();
        return;
    }
    if (KeyAscii != ui::vbKeyReturn)
        return;
    if (runtime::Trim(txtConsignNo->text()).isEmpty()) {
        ui::MsgBox(QStringLiteral("Type Consignment No."), ui::vbInformation, kQueryTitle);
        ClearDetails();
        txtConsignNo->clear();
    } else if (!LookUp(consignment::statementNumber(txtConsignNo->text()))) {
        return;
    }
    txtConsignNo_GotFocus();
    txtConsignNo->setFocus();
}

// The booking, or else the first manifest line, then the non-delivery entries and the status.
// The status is decided afresh: nothing of an earlier look-up shows beside this number.
bool frmPODQuery::LookUp(const QString& number)
{
    mDeliveryStatus.clear();
    db::Recordset booking;
    const auto closeBooking = core::closingAtEnd(booking);
    booking.open(labelBookingStatement(number), core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    ClearDetails();
    if (booking.eof()) {
        db::Recordset manifest;
        const auto closeManifest = core::closingAtEnd(manifest);
        manifest.open(manifestLinesStatement(number, QString()), core::gcnnMonth, db::CursorType::Dynamic,
                      db::LockType::Optimistic);
        if (manifest.eof()) {
            ui::MsgBox(QStringLiteral("Consign No. not Found"), ui::vbInformation, kQueryTitle);
            txtConsignNo->clear();
            txtConsignNo->setFocus();
            return false;
        }
        ShowManifestLine(manifest);
    } else {
        mBlink = 1;
        ShowBooking(booking, number);
    }
    booking.close();
    ShowNonDeliveries(number);
    if (mDeliveryStatus != QLatin1String("D"))
        lblDeliveryStatus->setText(kNotDelivered);
    return true;
}

void frmPODQuery::ShowBooking(const db::Recordset& booking, const QString& number)
{
    const auto field = [&booking](const char* name) { return booking.value(QString::fromLatin1(name)); };
    lblBookingDate->setText(FormattedOr(field("BookingDate"), QStringLiteral("dd-MMM-yyyy")));
    lblWeight->setText(FormattedOr(field("Weight"), QStringLiteral("#########0.000")));
    for (auto [label, column] : {std::pair{lblFromAddress1, "FromAddress1"}, std::pair{lblFromAddress2, "FromAddress2"},
                                 std::pair{lblFromAddress3, "FromAddress3"}, std::pair{lblFromAddress4, "FromAddress4"},
                                 std::pair{lblToAddress1, "ToAddress1"}, std::pair{lblToAddress2, "ToAddress2"},
                                 std::pair{lblToAddress3, "ToAddress3"}, std::pair{lblToAddress4, "ToAddress4"},
                                 std::pair{lblMode, "TransactionMode"}, std::pair{lblDestination, "Destination"},
                                 std::pair{lblPickup, "PickUp"}})
        label->setText(TextOr(field(column)));
    lblAmount->setText(FormattedOr(field("Amount"), QStringLiteral("#########0.00")));
    lblDocumentType->setText(runtime::CellText(field("DocumentType")) == QLatin1String("Doc")
                                 ? QStringLiteral("Documents")
                                 : QStringLiteral("Non-Documents"));

    db::Recordset manifest;
    const auto closeManifest = core::closingAtEnd(manifest);
    manifest.open(manifestLinesStatement(number, QString()), core::gcnnMonth, db::CursorType::Dynamic,
                  db::LockType::Optimistic);
    if (!manifest.eof())
        ShowManifestLine(manifest);
    manifest.close();

    db::Recordset branch;
    const auto closeBranch = core::closingAtEnd(branch);
    branch.open(branchStatement(runtime::CellText(field("BranchCode"))), core::gcnnAdmin, db::CursorType::Dynamic,
                db::LockType::Optimistic);
    if (!branch.eof())
        lblBranchName->setText(TextOr(branch.value(QStringLiteral("BranchName"))));
    branch.close();

    lblPodDate->setText(FormattedOr(field("PodDate"), QStringLiteral("dd-MMM-yyyy")));

    const QString status = runtime::CellText(field("DeliveryStatus")).toUpper();
    if (status == QLatin1String("N")) {
        lblDeliveryStatus->setText(kNotDelivered);
        mDeliveryStatus = QStringLiteral("N");
    } else if (status == QLatin1String("D")) {
        lblDeliveryStatus->setText(QStringLiteral("DELIVERED"));
        mDeliveryStatus = QStringLiteral("D");
    }
}

void frmPODQuery::ShowManifestLine(const db::Recordset& line)
{
    const auto field = [&line](const char* name) { return line.value(QString::fromLatin1(name)); };
    lblManifestNo->setText(TextOr(field("ManifestNo")));
    lblSlNo->setText(TextOr(field("SlNo")));
    lblPacketNo->setText(TextOr(field("PacketNo")));
    lblManiFestMode->setText(TextOr(field("ManifestMode")));
    lblManifestDate->setText(FormattedOr(field("ManifestDate"), QStringLiteral("dd-MMM-yyyy")));
    lblManifestDest->setText(TextOr(field("Destination")));
}

// The five earliest entries: a remainder or return with its reason, a misroute with the
// destination it was forwarded to, any other status with its number alone.
void frmPODQuery::ShowNonDeliveries(const QString& number)
{
    db::Recordset entries;
    const auto closeEntries = core::closingAtEnd(entries);
    entries.open(outgoingNonDeliveryStatement(number), core::gcnnMonth, db::CursorType::Dynamic,
                 db::LockType::Optimistic);
    for (int i = 0; i < kNonDeliveryLines && !entries.eof(); ++i, entries.moveNext()) {
        const auto field = [&entries](const char* name) { return entries.value(QString::fromLatin1(name)); };
        lblNo[i]->show();
        // a code the reason master lacks has no name: an earlier entry's reason is not repeated
        const QString reason = consignment::reasonName(runtime::CellText(field("ReasonCode"))).value_or(QString());
        const QString entryStatus = runtime::CellText(field("EntryStatus"));
        const QString trimmed = runtime::Trim(entryStatus);
        const QString dated = QStringLiteral(" - ") + runtime::Format(field("TransDate"), QStringLiteral("dd-MMM-yyyy"));
        if (trimmed == QLatin1String("Remainder") || trimmed == QLatin1String("Return")) {
            lblRemainderNo[i]->setText(entryStatus);
            lblRemainderDate[i]->setText(reason + dated);
        } else if (trimmed == QLatin1String("Misroute")) {
            lblRemainderNo[i]->setText(entryStatus);
            lblRemainderDate[i]->setText(runtime::Trim(runtime::CellText(field("FDestination"))) + dated);
        }
    }
    entries.close();
}

} // namespace podquery
