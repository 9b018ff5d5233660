// The consignment history window: the number box, the origin query and its fallback to the
// non-delivery register, the order in which each path runs its grid procedures, the runsheet-date
// list, the Esc keys, and the heading layout of every grid.

#include "support/GridText.h"
#include "support/WindowFixture.h"

#include "consignment/NonDeliveryStatements.h"
#include "consignment/RunsheetStatements.h"
#include "consignment/frmConsignWiseGridQuery.h"

#include "platform/db/SqlText.h"
#include "platform/db/StatementLog.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/runtime/WallClock.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using consignment::frmConsignWiseGridQuery;
using testsupport::WindowFixture;
using testsupport::itemsOf;

namespace {

const QString kMonth = QStringLiteral("ZELJUN26");

// Which procedure sent a statement, by the table its main statement reads; statements a
// procedure sends besides its main one give "".
QString ProcedureOf(const QString& sql)
{
    static const std::pair<const char*, const char*> marks[] = {
        {"Select distinct Origin from RunsheetDetails", "origins"},
        {"Select Distinct Destination From tab_NonDelivery", "FindNonDeliveryDestination"},
        {"Select Distinct RunsheetDate From RunsheetDetails", "FillRunsheetDates"},
        {"FROM RUNSHEETDETAILS RD", "LoadRunsheetDetails"},
        {"Run_Branch_LocalManifest", "LoadBranchLocalManifest"},
        {"Run_LocalManifest", "LoadLocalManifest"},
        {"FROM PendingDoc", "LoadPendingDocuments"},
        {"Run_Manifest", "LoadManifestDetails"},
        {"FROM tbl_Incoming_Misroute_Entry RL", "LoadIncomingMisroute"},
        {"from tab_NonDelivery) A", "LoadNonDeliveryDetails"},
        {"Run_NonDel_Received_Details", "LoadReturnedDocuments"},
        {"TBL_SMS_CONSIGNMENT_DETAILS", "LoadSmsDetails"},
    };
    for (const auto& [mark, procedure] : marks)
        if (sql.contains(QLatin1String(mark), Qt::CaseInsensitive))
            return QLatin1String(procedure);
    return QString();
}

// The procedures that sent statements, in order, each run counted once.
QStringList ProceduresOf(const QStringList& statements)
{
    QStringList procedures;
    for (const QString& sql : statements)
        if (const QString p = ProcedureOf(sql); !p.isEmpty() && (procedures.isEmpty() || procedures.last() != p))
            procedures << p;
    return procedures;
}

// The path's order restricted to the procedures that sent statements: loaders still without a
// statement of their own drop out, and every one that sent must stand in its place.
QStringList Expected(const QStringList& order, const QStringList& observed)
{
    QStringList expected;
    for (const QString& p : order)
        if (observed.contains(p))
            expected << p;
    return expected;
}

QStringList Headings(const ui::FlexGrid* grid)
{
    QStringList headings;
    for (int c = 0; c < grid->cols(); ++c)
        headings << grid->textMatrix(0, c);
    return headings;
}

class ConsignmentWindow : public WindowFixture<frmConsignWiseGridQuery> {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        install(QDate(2026, 6, 15));
        core::gstrCompanyName = "Orvane Couriers";
        core::gstrMainBranchCode = "ZEL";
        core::gblnPodImageMode = true;
        openMonth(kMonth);
        ui::WindowHost::showModal(&window());
        execute(kMonth, "INSERT INTO CityMaster VALUES ('VLM','VELMORA'),('OHR','O''HARA'),('DUN','DUNMERE')");
    }

    void runsheetLine(qint64 number, const QString& origin, const QString& date, bool printed)
    {
        execute(kMonth, QStringLiteral("INSERT INTO RunsheetDetails (RunsheetNo, RunsheetDate, Origin, ConsignmentNo, "
                                       "RunsheetPrintStatus) VALUES (9%1, '%2', '%3', %4, %5)")
                            .arg(date.mid(8, 2), date, origin).arg(number).arg(printed ? 1 : 0));
    }
    void manifestLine(const QString& table, qint64 number, const QString& origin)
    {
        execute(kMonth, QStringLiteral("INSERT INTO %1 (ManifestDate, Origin, ConsignmentNo) VALUES ('2026-06-05', '%2', %3)")
                            .arg(table, origin)
                            .arg(number));
    }
    void nonDelivery(qint64 reference, qint64 number, const QString& destination)
    {
        execute(kMonth, QStringLiteral("INSERT INTO tab_NonDelivery (ReferenceNo, NDDate, Status, ConsignNo, BookingDate, "
                                       "BranchCode, Destination, FromAddr1, ToAddr1, ReasonCode) VALUES (%1, "
                                       "'2026-06-04', 'Remainder', %2, '2026-06-01', 'ZEL', %3, 'A', 'B', 'R1')")
                            .arg(reference)
                            .arg(number)
                            .arg(db::sqlQuote(destination)));
    }

    // Types the number into the box and presses Enter.
    void enterNumber(const QString& text)
    {
        window().txtConsignMentNo->setText(text);
        QTest::keyClick(window().txtConsignMentNo, Qt::Key_Return);
    }
};

TEST_F(ConsignmentWindow, OpensWithItsCaptionSizeHiddenPanelsAndGridsInTheirDesignState)
{
    frmConsignWiseGridQuery& w = window();
    EXPECT_EQ(w.windowTitle(), "Consignment Wise Report  ( Press Esc - Consignment No.) ");
    EXPECT_EQ(w.width(), qRound(17250 * w.logicalDpiX() / 1440.0));
    EXPECT_EQ(w.height(), qRound(10365 * w.logicalDpiY() / 1440.0));
    EXPECT_FALSE(w.fraMobile->isVisibleTo(&w));
    EXPECT_FALSE(w.fraROStatus->isVisibleTo(&w));
    EXPECT_EQ(w.lblDeliveryStatus->text(), "status");
    const QList<ui::FlexGrid*> grids = w.findChildren<ui::FlexGrid*>();
    EXPECT_EQ(grids.size(), 15);
    for (const ui::FlexGrid* grid : grids) {
        EXPECT_EQ(grid->rows(), 2) << grid->objectName().toStdString();
        EXPECT_EQ(grid->cols(), 1) << grid->objectName().toStdString();
        EXPECT_EQ(grid->fixedRows(), 1) << grid->objectName().toStdString();
        EXPECT_EQ(grid->fixedCols(), 0) << grid->objectName().toStdString();
        EXPECT_EQ(grid->font().family(), grid == w.msgBLMF ? "MS Sans Serif" : "Verdana")
            << grid->objectName().toStdString();
    }
    EXPECT_TRUE(w.msgRunsheetDetails->font().bold());
    EXPECT_EQ(w.msgRunsheetDetails->backColor(), 0x00D8FEFDu);
    EXPECT_EQ(w.msgRunsheetDetails->backColorBkg(), 0x00E0E0E0u);
    EXPECT_FALSE(w.msgGridSms->font().bold());
    EXPECT_EQ(w.msgGridSms->rowHeightMin(), 375);
    EXPECT_EQ(w.msgMobile->backColor(), 0x80000018u);
    EXPECT_EQ(w.msgMobile->rowHeightMin(), 275);
}

TEST_F(ConsignmentWindow, TheNumberBoxTakesDigitsAndBlanksOnly)
{
    QTest::keyClicks(window().txtConsignMentNo, "12ab.,/-+:~3 4");
    EXPECT_EQ(window().txtConsignMentNo->text(), "123 4");
}

TEST_F(ConsignmentWindow, ANumberWhoseValueIsZeroIsRefused)
{
    for (const char* text : {"", "0", "000", " 0 0 "}) {
        window().cboRSDate->addItem("07-Jun-2026");
        ui::MessageBoxSeam::clearShown();
        db::StatementCapture capture;
        enterNumber(text);
        ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1) << text;
        const ui::ShownMessage message = ui::MessageBoxSeam::shown()[0];
        EXPECT_EQ(message.prompt, "Enter Valid ConsignmentNo");
        EXPECT_EQ(message.title, "Orvane Couriers");
        EXPECT_EQ(message.icon(), ui::vbInformation);
        EXPECT_TRUE(window().txtConsignMentNo->text().isEmpty()) << text;
        EXPECT_EQ(window().cboRSDate->count(), 0) << text;
        EXPECT_TRUE(window().cboRSDate->currentText().isEmpty()) << text;
        EXPECT_EQ(window().focusWidget(), window().txtConsignMentNo);
        EXPECT_TRUE(capture.statements().isEmpty()) << text;
    }
}

TEST_F(ConsignmentWindow, TheOriginStatementCarriesTheNumberValueUnquoted)
{
    const std::pair<const char*, const char*> cases[] = {
        {"00123", "123"}, {"1 23", "123"}, {"12345678901234", "12345678901234"}, {"77 x9", "77"}};
    for (const auto& [typed, n] : cases) {
        db::StatementCapture capture;
        enterNumber(typed);
        ASSERT_FALSE(capture.statements().isEmpty()) << typed;
        EXPECT_EQ(capture.statements()[0], consignment::knownOriginsStatement(n)) << typed;
    }
}

TEST_F(ConsignmentWindow, OriginsOfEveryTableAreListedOnceAndTheFirstSelected)
{
    runsheetLine(501, "OKM", "2026-06-07", true);
    manifestLine("Run_Manifest", 501, "OKM");
    manifestLine("Run_Manifest", 501, "BRV");
    manifestLine("Run_HotcManifest", 501, "BRV");
    execute(kMonth, "INSERT INTO tbl_Incoming_Misroute_Entry (IMF_Date, Origin, ConNo) VALUES ('2026-06-03', 'DUN', 502)");
    window().fraROStatus->show();
    window().msgLMF->setTextMatrix(1, 0, "kept");

    enterNumber("501");
    QStringList origins = itemsOf(window().cboOrigin);
    origins.sort();
    EXPECT_EQ(origins, QStringList({"BRV", "OKM"}));
    EXPECT_EQ(window().cboOrigin->currentIndex(), 0);
    EXPECT_EQ(window().focusWidget(), window().cboOrigin);
    EXPECT_FALSE(window().fraROStatus->isVisibleTo(&window()));
    EXPECT_EQ(window().msgLMF->textMatrix(1, 0), "kept"); // the grids wait for the origin Enter
    EXPECT_EQ(core::grsShared.state(), db::ObjectState::Closed);

    enterNumber("502");
    EXPECT_EQ(itemsOf(window().cboOrigin), QStringList({"DUN"}));
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(ConsignmentWindow, WithoutOriginTheNonDeliveryDestinationsGiveTheirCityCodes)
{
    nonDelivery(1, 601, "O'HARA");
    nonDelivery(2, 601, "NOWHERE");
    nonDelivery(3, 601, "O'HARA");
    nonDelivery(4, 601, "VELMORA");
    execute(kMonth, "INSERT INTO Run_Branch_LocalManifest (ManifestDate, Origin, ConsignmentNo) VALUES ('2026-06-02', "
                    "'XYZ', 601)");
    window().cboRSDate->addItem("01-Jun-2026");
    db::StatementCapture capture;
    enterNumber("601");

    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
    QStringList origins = itemsOf(window().cboOrigin);
    origins.sort();
    EXPECT_EQ(origins, QStringList({"OHR", "VLM"})); // a destination missing from the cities adds nothing
    EXPECT_EQ(window().cboOrigin->currentIndex(), 0);
    EXPECT_EQ(window().cboRSDate->count(), 0);
    EXPECT_EQ(window().focusWidget(), window().cboOrigin);
    EXPECT_TRUE(capture.statements().contains(consignment::cityCodeStatement("O'HARA")));

    const QStringList observed = ProceduresOf(capture.statements());
    for (const char* loader : {"LoadLocalManifest", "LoadPendingDocuments", "LoadBranchLocalManifest",
                               "LoadManifestDetails", "FindNonDeliveryDestination"})
        EXPECT_TRUE(observed.contains(loader)) << loader;
    EXPECT_EQ(observed, Expected({"origins", "LoadLocalManifest", "LoadPendingDocuments", "LoadIncomingMisroute",
                                  "LoadBranchLocalManifest", "LoadManifestDetails", "FindNonDeliveryDestination",
                                  "LoadReturnedDocuments"},
                                 observed));

    // every grid of the path shows its headings; runsheets, returned PODs and SMS stay empty
    frmConsignWiseGridQuery& w = window();
    const std::pair<ui::FlexGrid*, const char*> laidOut[] = {
        {w.msgGridSms, "T Date"},      {w.msgLMF, "LMF Date"},       {w.msgMisroute, "IMF Date"},
        {w.msgBLMF, "BLMF Date"},      {w.msgRunsheetDetails, "RS Date"}, {w.msgIncoming, "MF Date"},
        {w.msgDeliveryDetails, "S No"}, {w.msgReturnPOD, "Rtn Date"},
    };
    for (const auto& [grid, heading] : laidOut)
        EXPECT_EQ(grid->textMatrix(0, 0), heading) << grid->objectName().toStdString();
    for (ui::FlexGrid* grid : {w.msgGridSms, w.msgRunsheetDetails, w.msgReturnPOD})
        EXPECT_EQ(grid->rows(), 2) << grid->objectName().toStdString();
    // the branch local manifests are loaded after their layout: the row of the unknown origin stays
    EXPECT_EQ(w.msgBLMF->rows(), 3);
}

TEST_F(ConsignmentWindow, ANumberKnownNowhereIsReportedAfterTheAllOriginLoadersRan)
{
    execute(kMonth, "INSERT INTO Run_LocalManifest (ManifestDate, Origin, ConsignmentNo) VALUES ('2026-06-02', 'OKM', 602)");
    window().lblDeliveryStatus->setText("Delivered");
    db::StatementCapture capture;
    QStringList beforeMessage;
    ui::MessageBoxSeam::setAnswerer([&](const ui::ShownMessage&) {
        beforeMessage = ProceduresOf(capture.statements());
        return ui::vbOK;
    });
    enterNumber("602");
    ui::MessageBoxSeam::setAnswerer({});

    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    const ui::ShownMessage message = ui::MessageBoxSeam::shown()[0];
    EXPECT_EQ(message.prompt, "This Consignment No. Details Not Found in RUNSHEET and NON DELIVERY");
    EXPECT_EQ(message.title, QCoreApplication::applicationName());
    EXPECT_EQ(message.icon(), ui::vbInformation);
    EXPECT_TRUE(beforeMessage.contains("LoadBranchLocalManifest"));
    EXPECT_TRUE(beforeMessage.contains("LoadManifestDetails"));
    EXPECT_EQ(beforeMessage.last(), "FindNonDeliveryDestination");
    EXPECT_TRUE(window().lblDeliveryStatus->text().isEmpty());
    EXPECT_EQ(window().msgRunsheetDetails->rows(), 2);
    EXPECT_EQ(window().msgDeliveryDetails->textMatrix(0, 2), "Action Type");
    EXPECT_EQ(window().cboOrigin->count(), 0);
    EXPECT_EQ(window().focusWidget(), window().txtConsignMentNo);
}

class OriginAndDate : public ConsignmentWindow {
protected:
    void SetUp() override
    {
        ConsignmentWindow::SetUp();
        runsheetLine(701, "OKM", "2026-06-07", true);
        runsheetLine(701, "OKM", "2026-06-09", true);
        runsheetLine(701, "OKM", "2026-06-11", false);
        runsheetLine(701, "BRV", "2026-06-12", true);
        enterNumber("701");
        window().cboOrigin->setCurrentText("OKM");
    }
    void enterOrigin() { QTest::keyClick(window().cboOrigin, Qt::Key_Return); }
    void enterDate(const QString& text)
    {
        window().cboRSDate->setCurrentText(text);
        QTest::keyClick(window().cboRSDate, Qt::Key_Return);
    }
};

TEST_F(OriginAndDate, TheOriginEnterRunsEveryLoaderAndListsThePrintedRunsheetDates)
{
    db::StatementCapture capture;
    enterOrigin();
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());

    const QStringList observed = ProceduresOf(capture.statements());
    for (const char* loader : {"LoadLocalManifest", "LoadPendingDocuments", "LoadRunsheetDetails", "LoadManifestDetails",
                               "FillRunsheetDates"})
        EXPECT_TRUE(observed.contains(loader)) << loader;
    EXPECT_EQ(observed, Expected({"LoadLocalManifest", "LoadPendingDocuments", "LoadRunsheetDetails",
                                  "LoadManifestDetails", "LoadIncomingMisroute", "LoadNonDeliveryDetails",
                                  "LoadSmsDetails", "FillRunsheetDates", "LoadReturnedDocuments"},
                                 observed));
    EXPECT_TRUE(capture.statements().contains(consignment::printedRunsheetDatesStatement("701", "OKM")));

    QStringList dates = itemsOf(window().cboRSDate);
    dates.sort();
    EXPECT_EQ(dates, QStringList({"07-Jun-2026", "09-Jun-2026"})); // printed runsheets of the origin only
    EXPECT_EQ(window().cboRSDate->currentIndex(), 0);
    EXPECT_EQ(window().focusWidget(), window().cboRSDate);
    EXPECT_EQ(window().msgRunsheetDetails->rows(), 5); // headings, three lines of the origin, one empty row
    window().FormatDeliveryGrid(); // a later layout keeps the merge
    EXPECT_EQ(window().msgDeliveryDetails->mergeCells(), ui::flexMergeFree);
    EXPECT_TRUE(window().msgDeliveryDetails->mergeCol(2));
    EXPECT_TRUE(window().msgDeliveryDetails->mergeCol(3));
    EXPECT_EQ(window().msgMisroute->textMatrix(0, 0), "IMF Date");
    EXPECT_EQ(window().msgRtnDocs->textMatrix(0, 0), "Date");
    EXPECT_EQ(window().msgGridSms->textMatrix(0, 0), "T Date");
}

TEST_F(OriginAndDate, ADateEnterReloadsOnlyTheDateBoundGridsForThatDate)
{
    enterOrigin();
    const QStringList dates = itemsOf(window().cboRSDate);
    for (const QString& date : dates) {
        for (ui::FlexGrid* grid : {window().msgMisroute, window().msgRtnDocs, window().msgBLMF})
            grid->setTextMatrix(1, 0, "kept");
        db::StatementCapture capture;
        enterDate(date);
        EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());

        // the listed text and the date the statements use agree
        EXPECT_EQ(window().mRunsheetDate, runtime::WallDateTime(QDate::fromString(date, "dd-MMM-yyyy")));
        EXPECT_EQ(window().msgRunsheetDetails->rows(), 3) << date.toStdString(); // that date's line only

        const QStringList observed = ProceduresOf(capture.statements());
        EXPECT_EQ(observed, Expected({"LoadLocalManifest", "LoadPendingDocuments", "LoadRunsheetDetails",
                                      "LoadManifestDetails", "LoadNonDeliveryDetails", "LoadSmsDetails"},
                                     observed));
        EXPECT_TRUE(observed.contains("LoadRunsheetDetails"));
        for (const char* notRerun : {"LoadIncomingMisroute", "LoadReturnedDocuments", "LoadBranchLocalManifest",
                                     "FillRunsheetDates"})
            EXPECT_FALSE(observed.contains(notRerun)) << notRerun;
        for (ui::FlexGrid* grid : {window().msgMisroute, window().msgRtnDocs, window().msgBLMF})
            EXPECT_EQ(grid->textMatrix(1, 0), "kept") << grid->objectName().toStdString();
        EXPECT_EQ(window().focusWidget(), window().cboRSDate);
        EXPECT_EQ(itemsOf(window().cboRSDate), dates);
    }
}

TEST_F(OriginAndDate, AnEmptyOrFalseDateReloadsNothing)
{
    enterOrigin();
    const QDateTime before = window().mRunsheetDate;
    for (const char* text : {"", "   ", "32-Jun-2026"}) {
        ui::MessageBoxSeam::clearShown();
        db::StatementCapture capture;
        enterDate(text);
        ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1) << text;
        const ui::ShownMessage message = ui::MessageBoxSeam::shown()[0];
        if (QString(text).trimmed().isEmpty()) {
            EXPECT_EQ(message.prompt, "DRS Details Not Found");
            EXPECT_EQ(message.title, QCoreApplication::applicationName());
            EXPECT_EQ(message.icon(), ui::vbInformation);
        }
        EXPECT_TRUE(capture.statements().isEmpty()) << text;
        EXPECT_EQ(window().mRunsheetDate, before) << text;
    }
}

TEST_F(OriginAndDate, EscGoesBackToTheNumberBoxAndEscThereClosesTheWindow)
{
    enterOrigin();
    frmConsignWiseGridQuery& w = window();
    const QStringList origins = itemsOf(w.cboOrigin);
    const QStringList dates = itemsOf(w.cboRSDate);
    for (QWidget* combo : std::initializer_list<QWidget*>{w.cboOrigin, w.cboRSDate}) {
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Escape);
        EXPECT_EQ(w.focusWidget(), w.txtConsignMentNo) << combo->objectName().toStdString();
    }
    // the grids also enable the number box and the origin list again
    for (QWidget* grid : std::initializer_list<QWidget*>{w.msgRunsheetDetails, w.msgDeliveryDetails}) {
        w.txtConsignMentNo->setEnabled(false);
        w.cboOrigin->setEnabled(false);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Escape);
        EXPECT_TRUE(w.txtConsignMentNo->isEnabled()) << grid->objectName().toStdString();
        EXPECT_TRUE(w.cboOrigin->isEnabled()) << grid->objectName().toStdString();
        EXPECT_EQ(w.focusWidget(), w.txtConsignMentNo) << grid->objectName().toStdString();
    }
    EXPECT_EQ(itemsOf(w.cboOrigin), origins);
    EXPECT_EQ(itemsOf(w.cboRSDate), dates);
    QTest::keyClick(w.txtConsignMentNo, Qt::Key_Escape);
    EXPECT_FALSE(ui::DefaultInstance<frmConsignWiseGridQuery>::loaded());
}

// ---- grid layouts ----

struct LayoutCase {
    void (frmConsignWiseGridQuery::*format)();
    ui::FlexGrid* frmConsignWiseGridQuery::*grid;
    QStringList headings;
    QList<int> widths;
    QString alignments; // per column: L left, R right, - general
    int selectionMode;
    int focusRect;
};

TEST_F(ConsignmentWindow, EachFormatProcedureLaysOutItsGrid)
{
    using W = frmConsignWiseGridQuery;
    constexpr int byRow = ui::flexSelectionByRow;
    constexpr int free = ui::flexSelectionFree;
    const LayoutCase cases[] = {
        {&W::FormatLmfGrid, &W::msgLMF,
         {"LMF Date", "Frm Branch", "S No", "Consignment No.", "To Branch", "Weight", "Remarks", "LMF Scan Time"},
         {1900, 1300, 700, 1600, 900, 1000, 2500, 2500}, "LLLLLLL-", byRow, ui::flexFocusNone},
        {&W::FormatBlmfGrid, &W::msgBLMF,
         {"BLMF Date", "S No", "Consignment No.", "Branch", "Weight", "Remarks", "BLMF Scan Time"},
         {1900, 800, 1600, 900, 1000, 2500, 2500}, "LLLLLLL", byRow, ui::flexFocusNone},
        {&W::FormatRunsheetGrid, &W::msgRunsheetDetails,
         {"RS Date", "RS No.", "Sl.No.", "Area", "Staff", "Mode", "Bar RSNo", "Mobile No.", "Contact Name", "Branch",
          "Cust Mobile", "Path", "Create Date"},
         {1800, 1300, 600, 3000, 2600, 1200, 1100, 1400, 1800, 900, 1600, 2000, 4000}, "LLLLLLL-----R", byRow,
         ui::flexFocusNone},
        {&W::FormatDeliveryGrid, &W::msgDeliveryDetails,
         {"S No", "Date", "Action Type", "Reason/Remarks", "Address", "Create Date", "Branch"},
         {800, 1700, 2500, 3000, 4900, 2500, 1800}, "LLLL---", free, ui::flexFocusLight},
        {&W::FormatMisrouteGrid, &W::msgMisroute,
         {"IMF Date", "Pieces", "Weight", "Misroute", "Destination", "CreateUser", "Create Date"},
         {2600, 800, 1000, 1600, 2500, 1500, 3800}, "LLRLLLL", byRow, ui::flexFocusNone},
        {&W::FormatIncomingGrid, &W::msgIncoming,
         {"MF Date", "Destn/OTC", "MF No.", "Origin", "Con No.", "Status", "Remarks", "Weight", "Entry Time", "NoOfPcs",
          "Branch", "LateArrival", "MachineId"},
         {1400, 1200, 1000, 1000, 1500, 1500, 1800, 800, 2300, 900, 900, 1600, 1800}, "LLLRLLLR-----", byRow,
         ui::flexFocusNone},
        {&W::FormatReturnPodGrid, &W::msgReturnPOD,
         {"Rtn Date", "Origin", "Con No.", "RS. No.", "Dely Area", "Branch", "Dely Staff", "Reason", "Cust Mobile No",
          "POD ScanTime"},
         {2100, 850, 1750, 1200, 2200, 1200, 1900, 1600, 2000, 2000}, "LLLRLLL---", byRow, ui::flexFocusNone},
        {&W::FormatSmsGrid, &W::msgGridSms, {"T Date", "Mobile No", "Body Text", "Sent DateTime", "Status"},
         {1300, 1400, 8500, 2100, 1000}, "LLLLL", free, ui::flexFocusLight},
        {&W::FormatPendingGrid, &W::msgPending, {"SNo", "T Date", "Branch", "Remarks", "Entry Time", "User-System"},
         {600, 1800, 800, 1800, 3000, 3000}, "------", byRow, ui::flexFocusHeavy},
        {&W::FormatReturnDocsGrid, &W::msgRtnDocs,
         {"Date", "Branch", "Consign No", "Recvd By", "Remarks", "Doc Status", "Entry Date", "Create User"},
         {1700, 800, 2150, 2000, 2000, 2000, 2300, 3500}, "LLLL----", free, ui::flexFocusLight},
        {&W::FormatMobileGrid, &W::msgMobile, {"", "", "", "", "", ""}, {800, 1400, 1000, 1800, 1800, 1000}, "LLLLL-",
         byRow, ui::flexFocusNone},
    };
    frmConsignWiseGridQuery& w = window();
    for (const LayoutCase& c : cases) {
        ui::FlexGrid* grid = w.*c.grid;
        const std::string name = grid->objectName().toStdString();
        grid->setRows(6);
        grid->setTextMatrix(0, 0, "old");
        grid->setTextMatrix(4, 0, "old");
        grid->hide();
        (w.*c.format)();
        EXPECT_EQ(grid->rows(), 2) << name;
        EXPECT_EQ(Headings(grid), c.headings) << name;
        ASSERT_EQ(grid->cols(), c.widths.size()) << name;
        for (int col = 0; col < grid->cols(); ++col) {
            EXPECT_EQ(grid->colWidth(col), c.widths[col]) << name << " column " << col;
            const int expected = c.alignments[col] == u'L'   ? ui::flexAlignLeftCenter
                                 : c.alignments[col] == u'R' ? ui::flexAlignRightCenter
                                                             : ui::flexAlignGeneral;
            EXPECT_EQ(grid->colAlignment(col), expected) << name << " column " << col;
            EXPECT_TRUE(grid->textMatrix(1, col).isEmpty()) << name << " column " << col;
        }
        EXPECT_EQ(grid->selectionMode(), c.selectionMode) << name;
        EXPECT_EQ(grid->focusRect(), c.focusRect) << name;
        EXPECT_EQ(grid->isVisibleTo(&w), c.grid == &W::msgPending) << name; // only the pending grid shows itself
    }
}

} // namespace
