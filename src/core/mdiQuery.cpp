#include "core/mdiQuery.h"

#include "core/ModuleState.h"
#include "core/QueryWindows.h"
#include "core/StatusPanels.h"
#include "core/frmChangeMonth.h"

#include "platform/runtime/Clock.h"
#include "platform/runtime/Format.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/WindowHost.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

namespace core {

namespace {

enum class Showing { Modal, Modeless };

// Opens a query window: its single instance, loaded when it is not (showing an unloaded window
// loads it, so loading it first only changes the order). A modal window keeps the main window
// waiting until it is closed or hidden.
void OpenQueryWindow(const QString& name, Showing showing)
{
    if (QWidget* window = QueryWindows::load(name)) {
        if (showing == Showing::Modal)
            ui::WindowHost::showModal(window);
        else
            ui::WindowHost::showModeless(window);
    }
}

std::function<void()> Opens(const char* name, Showing showing = Showing::Modal)
{
    return [name, showing] { OpenQueryWindow(QString::fromLatin1(name), showing); };
}

void OnClick(QPushButton* button, std::function<void()> handler) { ui::attachHandlers(button, {.click = std::move(handler)}); }

void OnClick(QAction* entry, std::function<void()> handler)
{
    QObject::connect(entry, &QAction::triggered, entry, [handler = std::move(handler)] { ui::guarded(handler); });
}

// Each word with its first letter in capitals and the rest in small letters; words are parted
// by blanks, tabs and line breaks.
QString ProperCase(const QString& text)
{
    QString out = text.toLower();
    bool wordStart = true;
    for (QChar& c : out) {
        if (wordStart)
            c = c.toUpper();
        wordStart = c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' || c == QChar(0);
    }
    return out;
}

QPushButton* AddButton(QLayout* layout, QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setMinimumHeight(40);
    layout->addWidget(button);
    return button;
}

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption)
{
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* AddEntry(QWidget* menu, const char* name, const QString& caption)
{
    auto* entry = new QAction(caption, menu);
    entry->setObjectName(QString::fromLatin1(name));
    menu->addAction(entry);
    return entry;
}

QAction* AddSeparator(QMenu* menu, const char* name)
{
    QAction* line = menu->addSeparator();
    line->setObjectName(QString::fromLatin1(name));
    return line;
}

} // namespace

mdiQuery::mdiQuery()
{
    setObjectName(QStringLiteral("mdiQuery"));
    resize(1200, 720);

    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    lblTitle = new QLabel(client);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setAlignment(Qt::AlignCenter);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSize(20);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblTitle->setContentsMargins(0, 10, 0, 4);
    lblCompany = new QLabel(client);
    lblCompany->setObjectName(QStringLiteral("lblCompany"));
    lblCompany->setAlignment(Qt::AlignCenter);

    Picture1 = new QFrame(client);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameShape(QFrame::Panel);
    Picture1->setFrameShadow(QFrame::Raised);
    BuildButtons();

    auto* workspace = new QMdiArea(client);
    layout->addWidget(lblTitle);
    layout->addWidget(lblCompany);
    layout->addWidget(Picture1);
    layout->addWidget(workspace, 1);
    setCentralWidget(client);

    StatusBar1 = new StatusPanels(this);
    setStatusBar(StatusBar1);

    BuildMenus();
    ConnectOpenings();
    MDIForm_Load();
}

void mdiQuery::BuildButtons()
{
    auto* row = new QHBoxLayout(Picture1);
    row->setContentsMargins(8, 8, 8, 8);
    cmdCCare = AddButton(row, Picture1, "cmdCCare", QStringLiteral("Cust. Care Priority Con No."));
    Command1 = AddButton(row, Picture1, "Command1", QStringLiteral("Delivery Status &Report."));
    cmdQryRpt = AddButton(row, Picture1, "cmdQryRpt", QStringLiteral("Query Report"));
    cmdReport = AddButton(row, Picture1, "cmdReport", QStringLiteral("Tracking Query Report"));
    cmdPhoneQuery = AddButton(row, Picture1, "cmdPhoneQuery", QStringLiteral("Phone &Book Query"));
    cmdPodQuery = AddButton(row, Picture1, "cmdPodQuery", QStringLiteral("&POD - Manifest Query"));
    cmdPodSearch = AddButton(row, Picture1, "cmdPodSearch", QStringLiteral("POD &Search"));
    cmdRunSheetQuery = AddButton(row, Picture1, "cmdRunSheetQuery", QStringLiteral("Run Sheet &Query"));
    cmdNonDeliveryQuery = AddButton(row, Picture1, "cmdNonDeliveryQuery", QStringLiteral("&Non Delivery Query"));
    cmdDummy = AddButton(row, Picture1, "cmdDummy", QStringLiteral("Du&mmy POD"));
}

// The menu bar; the top-level captions carry leading blanks that space the bar out. The entries
// designed unavailable (the phone book entry with its separator, the missing-POD letter and the
// consignment wise query) are designed invisible, and nothing shows them.
void mdiQuery::BuildMenus()
{
    QMenuBar* bar = menuBar();
    mnu_Account_Invoice = AddMenu(bar, "mnu_Account_Invoice", QStringLiteral("&Account-Invoice"));
    mnu_POD_Query = AddEntry(mnu_Account_Invoice, "mnu_POD_Query", QStringLiteral("&POD Query"));
    mnu_InvoiceLine1 = AddSeparator(mnu_Account_Invoice, "mnu_InvoiceLine1");
    mnu_POD_ManifestQuery = AddEntry(mnu_Account_Invoice, "mnu_POD_ManifestQuery", QStringLiteral("POD - Manifest Query"));
    mnu_InvoiceLine2 = AddSeparator(mnu_Account_Invoice, "mnu_InvoiceLine2");
    mnu_POD_Search = AddEntry(mnu_Account_Invoice, "mnu_POD_Search", QStringLiteral("POD Search"));
    mnu_Sep1 = AddSeparator(mnu_Account_Invoice, "mnu_Sep1");
    mnuPhoneBookEntry = AddEntry(mnu_Account_Invoice, "mnuPhoneBookEntry", QStringLiteral("Phone &Book Entry"));
    mnuPhBook = AddSeparator(mnu_Account_Invoice, "mnuPhBook");
    mnu_MissPODLetter = AddEntry(mnu_Account_Invoice, "mnu_MissPODLetter", QStringLiteral("POD Missing Letter"));

    mnu_Runsheet_Query = AddMenu(bar, "mnu_Runsheet_Query", QStringLiteral("        &Runsheet"));
    mnu_Manifest_Query = AddEntry(mnu_Runsheet_Query, "mnu_Manifest_Query", QStringLiteral("Manifest Query"));
    mnu_Lin1 = AddSeparator(mnu_Runsheet_Query, "mnu_Lin1");
    mnu_RunSheetNonDeliveryQuery = AddEntry(mnu_Runsheet_Query, "mnu_RunSheetNonDeliveryQuery", QStringLiteral("&RunSheet-Non Delivery Query"));
    mnu_QuerySeperator1 = AddSeparator(mnu_Runsheet_Query, "mnu_QuerySeperator1");
    mnu_ConsignWiseQuery = AddEntry(mnu_Runsheet_Query, "mnu_ConsignWiseQuery", QStringLiteral("&Consignment Wise Query"));

    mnu_NonDelivery = AddMenu(bar, "mnu_NonDelivery", QStringLiteral("      &Non Delivery"));
    mnu_NonDelivery_Query = AddEntry(mnu_NonDelivery, "mnu_NonDelivery_Query", QStringLiteral("Non Del Query"));

    mnu_PendingPOD = AddMenu(bar, "mnu_PendingPOD", QStringLiteral("     Dummy PO&D"));
    mnu_PendPOD_Query = AddEntry(mnu_PendingPOD, "mnu_PendPOD_Query", QStringLiteral("Dummy POD Query"));

    mnu_Change_Month = AddEntry(bar, "mnu_Change_Month", QStringLiteral("     &Change Month"));
    mnu_Exit = AddEntry(bar, "mnu_Exit", QStringLiteral("        E&xit"));

    for (QAction* designedOff : {mnuPhoneBookEntry, mnuPhBook, mnu_MissPODLetter, mnu_ConsignWiseQuery})
        designedOff->setVisible(false);
}

// What each button and menu entry opens. The phone book query button and the phone book entry
// have empty click procedures.
void mdiQuery::ConnectOpenings()
{
    OnClick(cmdRunSheetQuery, Opens("frmConsignWiseGridQuery"));
    OnClick(mnu_RunSheetNonDeliveryQuery, Opens("frmConsignWiseGridQuery"));
    OnClick(mnu_ConsignWiseQuery, Opens("frmConsignWiseQuery"));
    OnClick(cmdPodSearch, Opens("frmQuery"));
    OnClick(mnu_POD_Search, Opens("frmQuery"));
    OnClick(cmdDummy, Opens("frmPendPODQry"));
    OnClick(mnu_PendPOD_Query, Opens("frmPendPODQry"));
    OnClick(cmdPodQuery, Opens("frmPODQueryGrid"));
    OnClick(mnu_POD_ManifestQuery, Opens("frmPODQueryGrid"));
    OnClick(mnu_POD_Query, Opens("frmPODQueryGrid"));
    OnClick(cmdNonDeliveryQuery, Opens("frmNDSearch"));
    OnClick(mnu_NonDelivery_Query, Opens("frmNDSearch"));
    OnClick(mnu_Manifest_Query, Opens("frmManifestQuery"));
    OnClick(mnu_MissPODLetter, Opens("frmMissPODLetter"));
    OnClick(cmdCCare, Opens("frmCCNos_Rpt"));
    OnClick(cmdQryRpt, Opens("frmQryRpt"));
    OnClick(cmdReport, Opens("frmQueryReport"));
    OnClick(Command1, Opens("frmDeliveryStatusReport", Showing::Modeless));
    OnClick(mnu_Change_Month, [this] { mnu_Change_Month_Click(); });
    OnClick(mnu_Exit, [this] { mnu_Exit_Click(); });
}

void mdiQuery::MDIForm_Load()
{
    const QVariant today = runtime::Clock::now();
    setWindowTitle(gstrCompanyName + QStringLiteral("     ") + gstrCompanyCity + QStringLiteral("     ")
                   + runtime::Format(today, QStringLiteral("MMMM")).toUpper() + QStringLiteral("'")
                   + runtime::Format(today, QStringLiteral("yyyy")));
    lblTitle->setText(ProperCase(gstrCompanyName) + QStringLiteral(" - ") + gstrStationCode);

    if (!gblnCentralMode) {
        Command1->setVisible(false);
        cmdDummy->setVisible(true);
        cmdNonDeliveryQuery->setVisible(false);
        cmdPhoneQuery->setVisible(false);

        cmdReport->setEnabled(false);
        cmdQryRpt->setEnabled(false);

        mnuPhoneBookEntry->setVisible(false);
        mnu_Manifest_Query->setVisible(false);

        // The single-date consignment window is loaded and stays hidden.
        if (QWidget* consignWise = QueryWindows::load(QStringLiteral("frmConsignWiseQuery")))
            consignWise->setVisible(false);

        mnu_NonDelivery_Query->setEnabled(false);
        mnu_PendPOD_Query->setEnabled(false);
        mnu_ConsignWiseQuery->setEnabled(false);
    }
}

void mdiQuery::mnu_Change_Month_Click() { ui::WindowHost::showModal(&ui::DefaultInstance<frmChangeMonth>::get()); }

void mdiQuery::mnu_Exit_Click() { ui::endProgram(); }

void mdiQuery::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    if (!ui::programEnded())
        ui::endProgram();
}

} // namespace core
