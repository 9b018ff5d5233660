#include "consignment/frmConsignWiseGridQuery.h"

#include "consignment/NonDeliveryStatements.h"
#include "consignment/RunsheetStatements.h"
#include "consignment/StatementValues.h"

#include "core/ClosingRecordset.h"
#include "core/ModuleState.h"
#include "core/TextBoxFocus.h"
#include "core/WindowPicture.h"

#include "platform/flexgrid/FlexGrid.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Val.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/Twips.h"
#include "platform/ui/MessageBox.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace consignment {

namespace {

constexpr quint32 kGridBackColor = 0x00D8FEFDu;    // pale yellow
constexpr quint32 kGridBeyondCells = 0x00E0E0E0u;
constexpr quint32 kGridLineColor = 0x00C0C0C0u;
constexpr quint32 kToolTipBackground = 0x80000018u;
constexpr quint32 kDarkGrey = 0x00808080u;
constexpr int kLabelHeight = 210; // twips

// Places controls in twips, and captions at a designed corner with the label height of the design.
class TwipsPlacer : public ui::TwipsPlacer {
public:
    using ui::TwipsPlacer::TwipsPlacer;

    QLabel* label(QWidget* parent, const QString& name, const QString& caption, int left, int top) const
    {
        auto* label = new QLabel(caption, parent);
        label->setObjectName(name);
        label->move(x(left), y(top));
        label->adjustSize();
        label->resize(label->width(), y(kLabelHeight));
        return label;
    }
};

QFont verdana(bool bold)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

QFont msSansSerifBold()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setBold(true);
    return font;
}

// A grid in its design state: two rows (the heading row fixed), one column, nothing written.
ui::FlexGrid* designGrid(ui::FlexGrid* grid, const QFont& font, quint32 backColor, quint32 beyondCells)
{
    grid->setFixedCols(0);
    grid->setCols(1);
    grid->setRows(2);
    grid->setFixedRows(1);
    grid->setFont(font);
    grid->setBackColor(backColor);
    grid->setBackColorBkg(beyondCells);
    grid->setGridColor(kGridLineColor);
    return grid;
}

ui::FlexGrid* historyGrid(ui::FlexGrid* grid) { return designGrid(grid, verdana(true), kGridBackColor, kGridBeyondCells); }

void clearCombo(QComboBox* combo)
{
    combo->clear();
    combo->clearEditText();
}

// No origin knows the number: every grid that needs no origin is loaded for all origins and
// dates, then the non-delivery register supplies the origins.
void RunNoOriginPath(frmConsignWiseGridQuery& w)
{
    w.FormatSmsGrid();
    w.FormatLmfGrid();
    w.LoadLocalManifest();
    w.LoadPendingDocuments();
    w.FormatMisrouteGrid();
    w.LoadIncomingMisroute();
    w.FormatBlmfGrid();
    w.LoadBranchLocalManifest();
    w.FormatRunsheetGrid();
    w.FormatIncomingGrid();
    w.LoadManifestDetails();
    w.FindNonDeliveryDestination();
    w.FormatReturnPodGrid();
    w.LoadReturnedDocuments();
}

// Enter in the number box: the origins under which the month knows the number.
void QueryOrigins(frmConsignWiseGridQuery& w)
{
    if (runtime::Val(w.txtConsignMentNo->text()).toDouble() == 0) {
        ui::MsgBox(QStringLiteral("Enter Valid ConsignmentNo"), ui::vbInformation, core::gstrCompanyName);
        w.txtConsignMentNo->clear();
        clearCombo(w.cboRSDate);
        w.txtConsignMentNo->setFocus();
        return;
    }
    const auto closeShared = core::closingAtEnd(core::grsShared);
    core::grsShared.open(knownOriginsStatement(w.ConsignmentNumberText()), core::gcnnMonth, db::CursorType::Dynamic,
                         db::LockType::Optimistic);
    clearCombo(w.cboOrigin);
    clearCombo(w.cboRSDate);
    w.fraROStatus->hide();
    if (core::grsShared.eof()) {
        RunNoOriginPath(w);
    } else {
        for (; !core::grsShared.eof(); core::grsShared.moveNext())
            w.cboOrigin->addItem(core::grsShared.value(QStringLiteral("Origin")).toString());
        w.cboOrigin->setCurrentIndex(0);
        w.cboOrigin->setEnabled(true);
        w.cboOrigin->setFocus();
    }
    core::grsShared.close();
}

} // namespace

frmConsignWiseGridQuery::frmConsignWiseGridQuery()
{
    setObjectName(QStringLiteral("frmConsignWiseGridQuery"));
    setWindowTitle(QStringLiteral("Consignment Wise Report  ( Press Esc - Consignment No.) "));
    const TwipsPlacer twips(this);
    resize(twips.x(17250), twips.y(10365));

    CreateControls();
    ConnectHandlers();
    Form_Load();
}

void frmConsignWiseGridQuery::CreateControls()
{
    const TwipsPlacer t(this);

    lblTitle = t.label(this, QStringLiteral("lblTitle"), QStringLiteral("Runsheet Query"), 9000, -120);
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblTitle->adjustSize();

    // The query line.
    lblConsignNo = t.label(this, QStringLiteral("lblConsignNo"), QStringLiteral("Con. No."), 90, 75);
    txtConsignMentNo = t.place(new QLineEdit(this), QStringLiteral("txtConsignMentNo"), 90, 300, 2355, 360);
    lblOrigin = t.label(this, QStringLiteral("lblOrigin"), QStringLiteral("Origin"), 2535, 75);
    cboOrigin = t.place(new QComboBox(this), QStringLiteral("cboOrigin"), 2535, 300, 1590, 330);
    lblRsDate = t.label(this, QStringLiteral("lblRsDate"), QStringLiteral("Runsheet Date"), 4260, 75);
    cboRSDate = t.place(new QComboBox(this), QStringLiteral("cboRSDate"), 4260, 300, 1950, 330);
    for (QComboBox* combo : {cboOrigin, cboRSDate}) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
    }
    cmdMobile = t.place(new QPushButton(QStringLiteral("Mobile No Search"), this), QStringLiteral("cmdMobile"), 6405,
                        285, 1365, 430);
    Label2 = t.label(this, QStringLiteral("Label2"), QStringLiteral("Delivery Status :"), 7935, 360);
    // The status label reaches to the RO Status button, so that a whole reason name shows.
    lblDeliveryStatus = t.place(new QLabel(QStringLiteral("status"), this), QStringLiteral("lblDeliveryStatus"), 9930,
                                360, 3300, 285);

    cmdROStatus = t.place(new QPushButton(QStringLiteral("&RO Status"), this), QStringLiteral("cmdROStatus"), 13290, 150,
                          1335, 465);

    // The history grids, each with its caption above it.
    msgIncoming = historyGrid(t.place(new ui::FlexGrid(this), QStringLiteral("msgIncoming"), 0, 855, 17145, 930));
    lblIncomeMF = t.label(this, QStringLiteral("lblIncomeMF"), QStringLiteral("Incoming Manifest Details"), 7935, 645);
    msgBLMF = designGrid(t.place(new ui::FlexGrid(this), QStringLiteral("msgBLMF"), 17175, 780, 11565, 795),
                         msSansSerifBold(), kGridBackColor, kGridBeyondCells);
    Label3 = t.label(this, QStringLiteral("Label3"), QStringLiteral("Branch Local MF Entry Details"), 17175, 570);
    msgMisroute = historyGrid(t.place(new ui::FlexGrid(this), QStringLiteral("msgMisroute"), 45, 1980, 7875, 1020));
    Label15 = t.label(this, QStringLiteral("Label15"), QStringLiteral("Foward Misroute Details"), 45, 1785);
    msgLMF = historyGrid(t.place(new ui::FlexGrid(this), QStringLiteral("msgLMF"), 7950, 1995, 9180, 1095));
    Label1 = t.label(this, QStringLiteral("Label1"), QStringLiteral("HO Local MF Entry Details"), 7950, 1785);
    msgPending = historyGrid(t.place(new ui::FlexGrid(this), QStringLiteral("msgPending"), 0, 3240, 12870, 915));
    Label11 = t.label(this, QStringLiteral("Label11"), QStringLiteral("Pending / Misscellaneous"), 0, 3030);
    msgRunsheetDetails =
        historyGrid(t.place(new ui::FlexGrid(this), QStringLiteral("msgRunsheetDetails"), 15, 4365, 17145, 1455));
    msgRunsheetDetails->setToolTip(QStringLiteral("Click To View the Scanned DRS PDF"));
    lblRunDetails = t.label(this, QStringLiteral("lblRunDetails"), QStringLiteral("Runsheet Details"), 15, 4155);
    Label4 = t.label(this, QStringLiteral("Label4"), QStringLiteral("- Click to View the Scanned DRS PDF"), 1800, 4155);
    msgReturnPOD = historyGrid(t.place(new ui::FlexGrid(this), QStringLiteral("msgReturnPOD"), 15, 6015, 17100, 900));
    lblReturnPOD = t.label(this, QStringLiteral("lblReturnPOD"), QStringLiteral("Return POD Details"), 15, 5805);
    msgDeliveryDetails =
        historyGrid(t.place(new ui::FlexGrid(this), QStringLiteral("msgDeliveryDetails"), 15, 7080, 17085, 945));
    lblTitle2 = t.label(this, QStringLiteral("lblTitle2"), QStringLiteral("Non Delivery Details"), 15, 6870);
    msgRtnDocs = historyGrid(t.place(new ui::FlexGrid(this), QStringLiteral("msgRtnDocs"), 30, 8205, 16830, 930));
    Label12 = t.label(this, QStringLiteral("Label12"), QStringLiteral("Branch To MO (Non Doc)"), 30, 7995);
    msgGridSms = designGrid(t.place(new ui::FlexGrid(this), QStringLiteral("msgGridSms"), 45, 9390, 16425, 825),
                            verdana(false), kGridBackColor, kGridBeyondCells);
    msgGridSms->setRowHeightMin(375);
    Label5 = t.label(this, QStringLiteral("Label5"), QStringLiteral("SMS Details"), 45, 9180);

    // The mobile number search panel (positions inside the panel).
    fraMobile = t.place(new QGroupBox(QStringLiteral("Mobile No Search"), this), QStringLiteral("fraMobile"), 8385, 855,
                        8490, 3120);
    t.label(fraMobile, QStringLiteral("Label13"), QStringLiteral("Mobile No"), 120, 240);
    txtMobileNo = t.place(new QLineEdit(fraMobile), QStringLiteral("txtMobileNo"), 1275, 225, 2355, 360);
    t.label(fraMobile, QStringLiteral("Label14"), QStringLiteral("Esc - Cancel"), 6735, 240);
    cmdMobile_Cancel = t.place(new QPushButton(QStringLiteral("&X"), fraMobile), QStringLiteral("cmdMobile_Cancel"), 6075,
                               210, 570, 330);
    msgMobile = designGrid(t.place(new ui::FlexGrid(fraMobile), QStringLiteral("msgMobile"), 45, 660, 8400, 2415),
                           verdana(false), kToolTipBackground, kDarkGrey);
    msgMobile->setRowHeightMin(275);

    // The head office's status panel (positions inside the panel).
    fraROStatus = t.place(new QGroupBox(QStringLiteral("RO Server Status"), this), QStringLiteral("fraROStatus"), 30,
                          3735, 17100, 6630);
    cmdROExit = t.place(new QPushButton(QStringLiteral("&X"), fraROStatus), QStringLiteral("cmdROExit"), 7515, 180, 570,
                        330);
    t.label(fraROStatus, QStringLiteral("Label7"), QStringLiteral("DRS Status"), 90, 360);
    msgGrid1 = t.place(new ui::FlexGrid(fraROStatus), QStringLiteral("msgGrid1"), 60, 600, 16950, 1335);
    t.label(fraROStatus, QStringLiteral("Label8"), QStringLiteral("Manifest Status"), 90, 2085);
    msgGrid2 = t.place(new ui::FlexGrid(fraROStatus), QStringLiteral("msgGrid2"), 60, 2310, 16965, 1170);
    t.label(fraROStatus, QStringLiteral("Label9"), QStringLiteral("Point2Point Status"), 90, 3570);
    msgGrid3 = t.place(new ui::FlexGrid(fraROStatus), QStringLiteral("msgGrid3"), 60, 3810, 16935, 1215);
    t.label(fraROStatus, QStringLiteral("Label10"), QStringLiteral("OTC Status"), 90, 5145);
    msgGrid4 = t.place(new ui::FlexGrid(fraROStatus), QStringLiteral("msgGrid4"), 60, 5385, 16935, 1170);
    for (ui::FlexGrid* grid : {msgGrid1, msgGrid2, msgGrid3, msgGrid4})
        designGrid(grid, verdana(false), grid->backColor(), grid->backColorBkg());

    // The panels lie over the grids and hide what is under them.
    for (QGroupBox* panel : {fraMobile, fraROStatus}) {
        panel->setAutoFillBackground(true);
        panel->raise();
    }
}

void frmConsignWiseGridQuery::ConnectHandlers()
{
    ui::attachHandlers(txtConsignMentNo, {.keyPress = [this](int& KeyAscii) { txtConsignMentNo_KeyPress(KeyAscii); },
                                          .gotFocus = [this] { core::SelectAllText(txtConsignMentNo); },
                                          .lostFocus = [this] { core::ResetColors(txtConsignMentNo); }});
    ui::attachHandlers(cboOrigin, {.keyDown = [this](int& KeyCode, int Shift) { cboOrigin_KeyDown(KeyCode, Shift); }});
    ui::attachHandlers(cboRSDate, {.keyDown = [this](int& KeyCode, int Shift) { cboRSDate_KeyDown(KeyCode, Shift); }});
    ui::attachHandlers(msgRunsheetDetails,
                       {.keyDown = [this](int& KeyCode, int Shift) { msgRunsheetDetails_KeyDown(KeyCode, Shift); },
                        .keyPress = [this](int& KeyAscii) { msgRunsheetDetails_KeyPress(KeyAscii); }});
    connect(msgRunsheetDetails, &ui::FlexGrid::click, this, [this] { ui::guarded([this] { msgRunsheetDetails_Click(); }); });
    ui::attachHandlers(msgDeliveryDetails,
                       {.keyDown = [this](int& KeyCode, int Shift) { msgDeliveryDetails_KeyDown(KeyCode, Shift); }});

    ui::attachHandlers(cmdMobile, {.click = [this] { cmdMobile_Click(); }});
    ui::attachHandlers(cmdMobile_Cancel, {.click = [this] { cmdMobile_Cancel_Click(); }});
    ui::attachHandlers(msgMobile, {.keyDown = [this](int& KeyCode, int Shift) { msgMobile_KeyDown(KeyCode, Shift); }});
    connect(msgMobile, &ui::FlexGrid::click, this, [this] { ui::guarded([this] { msgMobile_Click(); }); });
    ConnectMobileSearchKeys();

    ui::attachHandlers(cmdROStatus, {.click = [this] { cmdROStatus_Click(); }});
    ui::attachHandlers(cmdROExit, {.click = [this] { cmdROExit_Click(); }});
}

void frmConsignWiseGridQuery::showEvent(QShowEvent* event)
{
    core::FormWindow<frmConsignWiseGridQuery>::showEvent(event);
    Form_Activate();
}

void frmConsignWiseGridQuery::Form_Load()
{
    core::LoadWindowPictureIfPresent(this);
    fraROStatus->hide();
    fraMobile->hide();
}

void frmConsignWiseGridQuery::Form_Activate() { txtConsignMentNo->setFocus(); }

void frmConsignWiseGridQuery::txtConsignMentNo_KeyPress(int& KeyAscii)
{
    if ((KeyAscii >= 33 && KeyAscii <= 47) || (KeyAscii >= 58 && KeyAscii <= 126)) {
        KeyAscii = 0;
    } else if (KeyAscii == ui::vbKeyReturn) {
        QueryOrigins(*this);
    } else if (KeyAscii == ui::vbKeyEscape) {
        ui::DefaultInstance<frmConsignWiseGridQuery>::unload();
    }
}

void frmConsignWiseGridQuery::cboOrigin_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyReturn) {
        clearCombo(cboRSDate);
        FormatLmfGrid();
        LoadLocalManifest();
        LoadPendingDocuments();
        FormatRunsheetGrid();
        FormatDeliveryGrid();
        LoadRunsheetDetails();
        LoadManifestDetails();
        FormatMisrouteGrid();
        LoadIncomingMisroute();
        LoadNonDeliveryDetails();
        LoadSmsDetails();
        FillRunsheetDates();
        LoadReturnedDocuments();
        // equal neighbouring action types and reasons show as one cell
        msgDeliveryDetails->setMergeCol(2, true);
        msgDeliveryDetails->setMergeCol(3, true);
        msgDeliveryDetails->setMergeCells(ui::flexMergeFree);
        cboRSDate->setFocus();
    } else if (KeyCode == ui::vbKeyEscape) {
        txtConsignMentNo->setFocus();
    }
}

void frmConsignWiseGridQuery::cboRSDate_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyReturn) {
        const QString date = cboRSDate->currentText().trimmed();
        if (date.isEmpty()) {
            ui::MsgBox(QStringLiteral("DRS Details Not Found"), ui::vbInformation);
            return;
        }
        mRunsheetDate = runtime::CDate(date);
        FormatLmfGrid();
        LoadLocalManifest();
        LoadPendingDocuments();
        FormatRunsheetGrid();
        LoadRunsheetDetails();
        LoadManifestDetails();
        LoadNonDeliveryDetails();
        if (core::gstrMainBranchCode == QLatin1String("HO") || core::gblnPodImageMode)
            LoadSmsDetails();
    } else if (KeyCode == ui::vbKeyEscape) {
        txtConsignMentNo->setFocus();
    }
}

void frmConsignWiseGridQuery::msgRunsheetDetails_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape)
        BackToNumber();
}

void frmConsignWiseGridQuery::msgDeliveryDetails_KeyDown(int& KeyCode, int)
{
    if (KeyCode == ui::vbKeyEscape)
        BackToNumber();
}

// Esc in a result grid: the number box again, the origin list usable.
void frmConsignWiseGridQuery::BackToNumber()
{
    txtConsignMentNo->setEnabled(true);
    cboOrigin->setEnabled(true);
    txtConsignMentNo->setFocus();
}

void frmConsignWiseGridQuery::FindNonDeliveryDestination()
{
    db::Recordset destinations;
    destinations.open(nonDeliveryDestinationsStatement(ConsignmentNumberText()), core::gcnnMonth,
                      db::CursorType::Dynamic, db::LockType::Optimistic);
    if (destinations.eof()) {
        ui::MsgBox(QStringLiteral("This Consignment No. Details Not Found in RUNSHEET and NON DELIVERY"), ui::vbInformation);
        txtConsignMentNo->setEnabled(true);
        lblDeliveryStatus->clear();
        FormatRunsheetGrid();
        FormatDeliveryGrid();
        txtConsignMentNo->setFocus();
    } else {
        clearCombo(cboOrigin);
        for (; !destinations.eof(); destinations.moveNext()) {
            // the destination is read back from the register: quoted like any other text
            db::Recordset city;
            city.open(cityCodeStatement(destinations.value(QStringLiteral("Destination")).toString()), core::gcnnMonth,
                      db::CursorType::Dynamic, db::LockType::Optimistic);
            if (!city.eof())
                cboOrigin->addItem(city.value(QStringLiteral("CityCode")).toString());
            city.close();
        }
        FormatRunsheetGrid();
        FormatDeliveryGrid();
        if (cboOrigin->count() > 0)
            cboOrigin->setCurrentIndex(0);
        cboOrigin->setFocus();
    }
    destinations.close();
}

void frmConsignWiseGridQuery::FillRunsheetDates()
{
    const auto closeShared = core::closingAtEnd(core::grsShared);
    core::grsShared.open(printedRunsheetDatesStatement(ConsignmentNumberText(), cboOrigin->currentText()),
                         core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    clearCombo(cboRSDate);
    for (; !core::grsShared.eof(); core::grsShared.moveNext())
        cboRSDate->addItem(runtime::Format(core::grsShared.value(QStringLiteral("RunsheetDate")), QStringLiteral("dd-MMM-yyyy")));
    if (cboRSDate->count() > 0) {
        cboRSDate->setCurrentIndex(0);
        cboRSDate->setEnabled(true);
    }
    core::grsShared.close();
}

QString frmConsignWiseGridQuery::ConsignmentNumberText() const { return statementNumber(txtConsignMentNo->text()); }

std::optional<QDateTime> frmConsignWiseGridQuery::ChosenRunsheetDate() const
{
    if (cboRSDate->currentText().trimmed().isEmpty())
        return std::nullopt;
    return mRunsheetDate;
}

} // namespace consignment
