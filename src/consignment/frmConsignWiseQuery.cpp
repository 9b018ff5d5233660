#include "consignment/frmConsignWiseQuery.h"

#include "consignment/ManifestStatements.h"
#include "consignment/NonDeliveryStatements.h"
#include "consignment/ReasonNames.h"
#include "consignment/RunsheetStatements.h"
#include "consignment/StatementValues.h"

#include "core/ClosingRecordset.h"
#include "core/ModuleState.h"
#include "core/MonthDates.h"
#include "core/TextBoxFocus.h"
#include "core/WindowPicture.h"
#include "core/clsMaster.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Val.h"
#include "platform/ui/Colors.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/Twips.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/MessageBox.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <cmath>
#include <random>

namespace consignment {

namespace {

constexpr quint32 kYellow = 0x0000FFFFu;
constexpr quint32 kGreen = 0x0000FF00u;
constexpr quint32 kDarkBlue = 0x00800000u;
constexpr int kBlinkMilliseconds = 1000;

// Design measures are in twips.
using Twips = ui::TwipsPlacer;

QFont arialBold(double points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

QLabel* captionLabel(const Twips& t, QWidget* frame, const char* name, const QString& caption, int left, int top)
{
    auto* label = t.place(new QLabel(caption, frame), name, left, top, 1335, 255);
    ui::setForeColor(label, ui::kWhite);
    return label;
}

QLabel* valueLabel(const Twips& t, QWidget* frame, const char* name, int left, int top, int width)
{
    auto* label = t.place(new QLabel(QStringLiteral("-"), frame), name, left, top, width, 285);
    label->setFont(arialBold(9.75));
    ui::setForeColor(label, kYellow);
    return label;
}

QGroupBox* resultFrame(const Twips& t, QWidget* window, const char* name, const QString& caption, int left, int top,
                       int width, int height)
{
    auto* frame = t.place(new QGroupBox(caption, window), name, left, top, width, height);
    ui::setBackColor(frame, kDarkBlue);
    ui::setForeColor(frame, kGreen);
    return frame;
}

QString text(const QVariant& value) { return runtime::CellText(value); }

// The runsheet look-up selects all runsheet columns and then the area master's AreaName, so two
// fields bear that name: the master's is the last of them.
QVariant lastFieldNamed(const db::Recordset& rs, const QString& name)
{
    const QStringList& names = rs.fieldNames();
    for (qsizetype i = names.size() - 1; i >= 0; --i)
        if (names[i].compare(name, Qt::CaseInsensitive) == 0)
            return rs.value(int(i));
    return rs.value(name);
}

// The program's one pseudo-random sequence, never seeded: it gives the same fractions (0 up to
// 1) in every run.
double nextRandomFraction()
{
    static std::minstd_rand sequence;
    static std::uniform_real_distribution<double> fraction(0.0, 1.0);
    return fraction(sequence);
}

// A colour part from a random fraction: the nearest whole number, halves to the even neighbour.
quint32 randomColourPart() { return quint32(std::lrint(nextRandomFraction() * 255)); }

} // namespace

frmConsignWiseQuery::frmConsignWiseQuery()
{
    setObjectName(QStringLiteral("frmConsignWiseQuery"));
    setWindowTitle(QStringLiteral("Orvane - Query Form"));
    const Twips t(this);
    resize(t.x(11280), t.y(7500));

    CreateControls();
    ConnectHandlers();
    Form_Load();
}

void frmConsignWiseQuery::CreateControls()
{
    const Twips t(this);

    lblTitle = t.place(new QLabel(QStringLiteral("Query"), this), "lblTitle", 4800, 150, 1800, 450);
    lblTitle->setFont(arialBold(14.25));
    lblTitle->setAlignment(Qt::AlignCenter);

    // The input row.
    lblDate = t.place(new QLabel(QStringLiteral("Runsheet Date"), this), "lblDate", 330, 870, 1410, 255);
    dtpDate = t.place(new ui::DatePicker(this), "dtpDate", 1800, 795, 1755, 390);
    dtpDate->setCustomFormat(QStringLiteral("dd-MMM-yyyy"));
    lblConsignNo = t.place(new QLabel(QStringLiteral("Con. No."), this), "lblConsignNo", 3690, 870, 720, 255);
    txtConsignMentNo = t.place(new QLineEdit(this), "txtConsignMentNo", 4455, 795, 2715, 390);
    lblOrigin = t.place(new QLabel(QStringLiteral("Origin"), this), "lblOrigin", 7320, 870, 540, 255);
    cboOrigin = t.place(new QComboBox(this), "cboOrigin", 7905, 795, 2190, 360);

    tmrStatus = new QTimer(this);
    tmrStatus->setObjectName(QStringLiteral("tmrStatus"));
    tmrStatus->setInterval(kBlinkMilliseconds);

    // The runsheet line.
    fraRunsheet = resultFrame(t, this, "fraRunsheet", QStringLiteral("Run Sheet Details"), 330, 1560, 5970, 2472);
    lblRunsheetNo = captionLabel(t, fraRunsheet, "lblRunsheetNo", QStringLiteral("D.R.S. No."), 240, 360);
    lblRunsheetNoVal = valueLabel(t, fraRunsheet, "lblRunsheetNoVal", 1680, 345, 4100);
    lblSlno = captionLabel(t, fraRunsheet, "lblSlno", QStringLiteral("Sl. No."), 240, 780);
    lblSlnoVal = valueLabel(t, fraRunsheet, "lblSlnoVal", 1680, 765, 4100);
    lblArea = captionLabel(t, fraRunsheet, "lblArea", QStringLiteral("Area"), 240, 1200);
    lblAreaVal = valueLabel(t, fraRunsheet, "lblAreaVal", 1680, 1185, 4100);
    lblStaff = captionLabel(t, fraRunsheet, "lblStaff", QStringLiteral("Staff"), 240, 1620);
    lblStaffVal = valueLabel(t, fraRunsheet, "lblStaffVal", 1680, 1605, 4100);
    lblMode = captionLabel(t, fraRunsheet, "lblMode", QStringLiteral("Mode"), 240, 2040);
    lblModeVal = valueLabel(t, fraRunsheet, "lblModeVal", 1680, 2025, 4100);

    // The incoming manifest line.
    fraManifest = resultFrame(t, this, "fraManifest", QStringLiteral("Manifest Details"), 6780, 1560, 4170, 2472);
    lblMfNo = captionLabel(t, fraManifest, "lblMfNo", QStringLiteral("Mfno."), 240, 360);
    lblMfNoVal = valueLabel(t, fraManifest, "lblMfNoVal", 1320, 345, 2700);
    lblMfSlno = captionLabel(t, fraManifest, "lblMfSlno", QStringLiteral("Slno."), 240, 780);
    lblMfSlnoVal = valueLabel(t, fraManifest, "lblMfSlnoVal", 1320, 765, 2700);
    lblRemarks = captionLabel(t, fraManifest, "lblRemarks", QStringLiteral("Remarks"), 240, 1200);
    lblRemarksVal = valueLabel(t, fraManifest, "lblRemarksVal", 1320, 1185, 2700);
    lblBranch = captionLabel(t, fraManifest, "lblBranch", QStringLiteral("Branch"), 240, 1620);
    lblBranchVal = valueLabel(t, fraManifest, "lblBranchVal", 1320, 1605, 2700);

    // The delivery outcome.
    fraDelivery = resultFrame(t, this, "fraDelivery", QStringLiteral("Delivery   Details"), 1470, 4320, 8535, 2715);
    lblReason = captionLabel(t, fraDelivery, "lblReason", QStringLiteral("Reason"), 240, 510);
    lblReasonVal = valueLabel(t, fraDelivery, "lblReasonVal", 1320, 495, 3600);
    lblConsignor = captionLabel(t, fraDelivery, "lblConsignor", QStringLiteral("Consignor"), 240, 1035);
    lblConsignorName = valueLabel(t, fraDelivery, "lblConsignorName", 1320, 1020, 3600);
    lblConsignorAddress1 = valueLabel(t, fraDelivery, "lblConsignorAddress1", 1320, 1410, 3600);
    lblConsignorAddress2 = valueLabel(t, fraDelivery, "lblConsignorAddress2", 1320, 1800, 3600);
    lblDeliveryStatus = valueLabel(t, fraDelivery, "lblDeliveryStatus", 5040, 510, 3300);
    lblDeliveryStatus->setFont(arialBold(11.25));
    lblDeliveryStatus->resize(lblDeliveryStatus->width(), t.y(330));
    ui::setForeColor(lblDeliveryStatus, ui::kWhite);
    lblStatus = valueLabel(t, fraDelivery, "lblStatus", 5040, 1035, 3300);
    lblRemNoFDesti = valueLabel(t, fraDelivery, "lblRemNoFDesti", 5040, 1425, 3300);
}

void frmConsignWiseQuery::ConnectHandlers()
{
    ui::attachHandlers(dtpDate, {.keyDown = [this](int& KeyCode, int Shift) { dtpDate_KeyDown(KeyCode, Shift); },
                                 .gotFocus = [this] { dtpDate_GotFocus(); }});
    ui::attachHandlers(txtConsignMentNo,
                       {.keyDown = [this](int& KeyCode, int Shift) { txtConsignMentNo_KeyDown(KeyCode, Shift); },
                        .keyPress = [this](int& KeyAscii) { txtConsignMentNo_KeyPress(KeyAscii); },
                        .gotFocus = [this] { core::SelectAllText(txtConsignMentNo); },
                        .lostFocus = [this] { core::ResetColors(txtConsignMentNo); }});
    ui::attachHandlers(cboOrigin, {.keyDown = [this](int& KeyCode, int Shift) { cboOrigin_KeyDown(KeyCode, Shift); }});
    connect(tmrStatus, &QTimer::timeout, this, [this] { tmrStatus_Timer(); });
}

void frmConsignWiseQuery::showEvent(QShowEvent* event)
{
    core::FormWindow<frmConsignWiseQuery>::showEvent(event);
    Form_Activate();
}

// Loading runs no statement: the main window loads the window hidden at its start.
void frmConsignWiseQuery::Form_Load()
{
    core::LoadWindowPictureIfPresent(this);
    ControlClear();
    txtConsignMentNo->setEnabled(false);
    cboOrigin->setEnabled(false);
    dtpDate->setEnabled(true);
    dtpDate->setValue(runtime::Clock::today());
    tmrStatus->start();
}

void frmConsignWiseQuery::Form_Activate() { dtpDate->setFocus(); }

// The result labels but the non-delivery status lines.
void frmConsignWiseQuery::ClearDetailLabels()
{
    for (QLabel* label : {lblAreaVal, lblBranchVal, lblConsignorAddress1, lblConsignorAddress2, lblConsignorName,
                          lblMfNoVal, lblMfSlnoVal, lblModeVal, lblDeliveryStatus, lblReasonVal, lblRemarksVal,
                          lblRunsheetNoVal, lblSlnoVal, lblStaffVal})
        label->clear();
}

void frmConsignWiseQuery::ClearResultLabels()
{
    ClearDetailLabels();
    lblStatus->clear();
    lblRemNoFDesti->clear();
}

// The result labels but the non-delivery status lines, the number box and the origin list.
void frmConsignWiseQuery::ControlClear()
{
    ClearDetailLabels();
    txtConsignMentNo->clear();
    cboOrigin->clear();
}

void frmConsignWiseQuery::dtpDate_GotFocus() { core::ClampPickerToMonth(dtpDate); }

void frmConsignWiseQuery::dtpDate_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape) {
        ui::DefaultInstance<frmConsignWiseQuery>::unload();
        return;
    }
    if (KeyCode != ui::vbKeyReturn)
        return;
    ClearResultLabels();
    if (core::PickerInMonth(dtpDate)) {
        dtpDate->setEnabled(false);
        txtConsignMentNo->clear();
        txtConsignMentNo->setEnabled(true);
        txtConsignMentNo->setFocus();
    } else {
        // Not refused: the picker moves to today's day (capped) of the month database's month.
        core::MovePickerIntoMonth(dtpDate, runtime::Clock::today().day());
    }
}

void frmConsignWiseQuery::txtConsignMentNo_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyUp) {
        dtpDate->setEnabled(true);
        dtpDate->setFocus();
    }
}

void frmConsignWiseQuery::txtConsignMentNo_KeyPress(int& KeyAscii)
{
    if (KeyAscii == ui::vbKeyReturn)
        QueryOrigins();
    else if (KeyAscii == ui::vbKeyEscape)
        BackToDate();
    else if (KeyAscii != ui::vbKeyBack && (KeyAscii < '0' || KeyAscii > '9'))
        KeyAscii = 0;
}

void frmConsignWiseQuery::cboOrigin_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyReturn)
        ShowDetails();
    else if (KeyCode == ui::vbKeyEscape)
        BackToDate();
}

// White and a random colour by turns.
void frmConsignWiseQuery::tmrStatus_Timer()
{
    if (lblDeliveryStatus->palette().color(QPalette::WindowText) == ui::toQColor(ui::kWhite)) {
        const quint32 red = randomColourPart();
        const quint32 green = randomColourPart();
        const quint32 blue = randomColourPart();
        ui::setForeColor(lblDeliveryStatus, red | (green << 8) | (blue << 16));
    } else {
        ui::setForeColor(lblDeliveryStatus, ui::kWhite);
    }
}

QString frmConsignWiseQuery::ConsignmentNumberText() const { return statementNumber(txtConsignMentNo->text()); }

QDate frmConsignWiseQuery::RunsheetDate() const { return dtpDate->value().date(); }

// Enter in the number box: the origins under which a printed runsheet of the date lists the number.
void frmConsignWiseQuery::QueryOrigins()
{
    if (runtime::Val(txtConsignMentNo->text()).toDouble() == 0) {
        ui::MsgBox(QStringLiteral("Enter Valid ConsignmentNo"), ui::vbInformation, core::gstrCompanyName);
        txtConsignMentNo->clear();
        txtConsignMentNo->setFocus();
        return;
    }
    const auto closeShared = core::closingAtEnd(core::grsShared);
    core::grsShared.open(printedOriginsStatement(ConsignmentNumberText(), RunsheetDate()), core::gcnnMonth,
                         db::CursorType::Dynamic, db::LockType::Optimistic);
    cboOrigin->clear();
    if (core::grsShared.eof()) {
        ui::MsgBox(QStringLiteral("This Consignment Does Not exists on this Date"), ui::vbInformation, core::gstrCompanyName);
        txtConsignMentNo->setEnabled(true);
        txtConsignMentNo->clear();
        txtConsignMentNo->setFocus();
    } else {
        for (; !core::grsShared.eof(); core::grsShared.moveNext())
            cboOrigin->addItem(text(core::grsShared.value(QStringLiteral("Origin"))));
        txtConsignMentNo->setEnabled(false);
        cboOrigin->setCurrentIndex(0);
        cboOrigin->setEnabled(true);
        cboOrigin->setFocus();
    }
    core::grsShared.close();
}

// Enter on the origin: the runsheet line, the delivery outcome and the manifest line of the date.
void frmConsignWiseQuery::ShowDetails()
{
    cboOrigin->setEnabled(false);
    dtpDate->setEnabled(true);
    ShowRunsheetLine();
    ShowManifestLine();
    dtpDate->setFocus();
}

void frmConsignWiseQuery::ShowRunsheetLine()
{
    const QString n = ConsignmentNumberText();
    const QDate d = RunsheetDate();
    const QString o = cboOrigin->currentText().trimmed();
    const auto closeShared = core::closingAtEnd(core::grsShared);
    core::grsShared.open(runsheetLineStatement(n, d, o), core::gcnnMonth, db::CursorType::Dynamic,
                         db::LockType::Optimistic);
    if (core::grsShared.eof()) {
        core::grsShared.close();
        return;
    }
    const db::Recordset& line = core::grsShared;
    lblAreaVal->setText(text(lastFieldNamed(line, QStringLiteral("AreaName"))));
    lblBranchVal->setText(core::gstrMainBranchName);
    lblSlnoVal->setText(text(line.value(QStringLiteral("SerialNo"))));
    lblStaffVal->setText(text(line.value(QStringLiteral("StaffName"))));
    lblModeVal->setText(text(line.value(QStringLiteral("RunsheetMode"))));
    lblRunsheetNoVal->setText(text(line.value(QStringLiteral("RunsheetNo"))));

    // A non-delivery entry names the origin's city as its destination.
    std::unique_ptr<db::Recordset> rs =
        core::gobjMaster().GetRecordInfo(QStringLiteral("CityMaster"), QString(), QStringLiteral("CityCode"), o);
    if (!rs)
        throw runtime::RuntimeError(runtime::ErrorNumber::ObjectVariableNotSet);
    const QString city = rs->eof() ? QString() : text(rs->value(QStringLiteral("CityName")));
    rs->close();

    // On the month connection: the table-access object's connection stays on the month it was
    // opened in.
    rs->open(nonDeliveryEntryStatement(d, n, city), core::gcnnMonth);
    if (rs->eof()) {
        if (line.value(QStringLiteral("DeliveryStatus")).toString() == u"N") {
            lblDeliveryStatus->setText(QStringLiteral("Not Delivered"));
            ShowReasonName(text(line.value(QStringLiteral("ReasonCode"))));
            lblConsignorName->setText(text(line.value(QStringLiteral("consignorname"))));
            lblConsignorAddress1->setText(text(line.value(QStringLiteral("ConsignorAddress1"))));
            lblConsignorAddress2->setText(text(line.value(QStringLiteral("ConsignorAddress2"))));
        } else {
            lblDeliveryStatus->setText(QStringLiteral("Delivered"));
        }
    } else {
        lblDeliveryStatus->setText(QStringLiteral("Not Delivered"));
        lblConsignorName->setText(text(rs->value(QStringLiteral("ToAddr1"))));
        lblConsignorAddress1->setText(text(rs->value(QStringLiteral("ToAddr2"))));
        lblConsignorAddress2->setText(text(rs->value(QStringLiteral("ToAddr3"))));
        if (const QVariant reason = rs->value(QStringLiteral("ReasonCode")); reason.isValid())
            ShowReasonName(text(reason));
        lblStatus->setText(text(rs->value(QStringLiteral("Status"))));
        if (lblStatus->text() == u"Remainder") {
            const QVariant number = rs->value(QStringLiteral("RemainderNo"));
            lblRemNoFDesti->setText(number.isValid() ? QStringLiteral("Remainder No. ") + text(number) : QString());
        } else if (lblStatus->text() == u"Misroute") {
            const QVariant destination = rs->value(QStringLiteral("FDestination"));
            lblRemNoFDesti->setText(destination.isValid() ? QStringLiteral("F-Destination To ") + text(destination) : QString());
        } else {
            lblRemNoFDesti->clear();
        }
    }
    rs->close();
    core::grsShared.close();
}

// A code the reason master lacks leaves the label as it was.
void frmConsignWiseQuery::ShowReasonName(const QString& reasonCode)
{
    if (const std::optional<QString> name = reasonName(reasonCode))
        lblReasonVal->setText(*name);
}

void frmConsignWiseQuery::ShowManifestLine()
{
    const auto closeShared = core::closingAtEnd(core::grsShared);
    core::grsShared.open(manifestLineStatement(ConsignmentNumberText(), RunsheetDate(), cboOrigin->currentText()),
                         core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    if (!core::grsShared.eof()) {
        lblMfNoVal->setText(text(core::grsShared.value(QStringLiteral("ManifestNo"))));
        lblMfSlnoVal->setText(text(core::grsShared.value(QStringLiteral("SerialNo"))));
        lblRemarksVal->setText(text(core::grsShared.value(QStringLiteral("Remarks"))));
    }
    core::grsShared.close();
}

// Esc in the number box or the origin list: the date stage again; nothing is cleared.
void frmConsignWiseQuery::BackToDate()
{
    dtpDate->setEnabled(true);
    txtConsignMentNo->setEnabled(false);
    cboOrigin->setEnabled(false);
    dtpDate->setFocus();
}

} // namespace consignment
