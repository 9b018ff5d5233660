// The runsheet loader: the runsheet and returned-POD grids line for line, the delivery status of
// the last line, the head office's query-log rows, and the exact statements it sends.

#include "support/GridText.h"
#include "support/WindowFixture.h"

#include "consignment/NonDeliveryStatements.h"
#include "consignment/QueryLogStatements.h"
#include "consignment/RunsheetStatements.h"
#include "consignment/frmConsignWiseGridQuery.h"

#include "platform/db/StatementLog.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/WallClock.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using namespace consignment;
using testsupport::WindowFixture;
using testsupport::rowTexts;

namespace {

const QString kMonth = QStringLiteral("ZELJUN26");

class RunsheetLoader : public WindowFixture<frmConsignWiseGridQuery> {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        install(QDate(2026, 6, 15));
        db::ServerClock::setFixed(QDateTime(QDate(2026, 6, 17), QTime(9, 30, 5)));
        core::gstrComputerName = "COUNTER-3";
        core::gstrUserName = "meera";
        core::gstrMainBranchCode = "BR7";
        openMonth(kMonth);
        execute(kMonth, "INSERT INTO Run_AreaMaster VALUES ('A1','Lake Road')");
        execute(kMonth, "INSERT INTO RunsheetMaster (RunsheetNo, BranchCode) VALUES (301,'MB1')");
        execute(kMonth, "INSERT INTO RunsheetMaster (RunsheetNo, BranchCode) VALUES (302,'MB2')");
        execute(kMonth, "INSERT INTO tab_ReturnPODMaster (RSNo, StaffName) VALUES (9001,'Arun K')");
        execute(kMonth, "INSERT INTO Run_ReasonMaster VALUES ('DL','Delivered')");
        execute(kMonth, "INSERT INTO Run_ReasonMaster VALUES ('DLK','Consignee''s door locked')");
    }

    // One runsheet line of consignment 5001 from origin MAA; the named columns replace the defaults.
    void addLine(const QString& runsheetDate, const QString& runsheetNo, const QString& reasonCode,
                 const QString& drsNo, const QString& areaCode = "'A1'", const QString& contactNo = "'0442001'")
    {
        execute(kMonth, "INSERT INTO RunsheetDetails (RunsheetNo, SerialNo, RunsheetDate, RunsheetMode, BranchCode,"
                        " AreaCode, AreaName, StaffCode, Origin, ConsignmentNo, Contact_Name, Contact_No, Mobile_No,"
                        " LoadDetails, BAR_RSNO, ReasonCode, DRSNo, CreateDate, CreateUser, MachineId) VALUES ("
                            + runsheetNo + ", 4, " + runsheetDate + ", 'BIKE', 'VLR', " + areaCode
                            + ", 'Lake Rd', 'S12', 'MAA', 5001, 'R Devi', " + contactNo + ", '9840011122', 1, 'B"
                            + runsheetNo + "', " + reasonCode + ", " + drsNo
                            + ", '2026-06-07 18:05:09', 'ravi', 'DESK-2')");
    }

    // Enters the number, origin and runsheet date (none when empty) and loads as the window does.
    void load(const QString& origin = "MAA", const QDate& runsheetDate = QDate(), const QString& number = "5001")
    {
        window().txtConsignMentNo->setText(number);
        window().cboOrigin->clear();
        if (!origin.isEmpty())
            window().cboOrigin->addItem(origin);
        window().cboRSDate->clear();
        if (runsheetDate.isValid()) {
            window().cboRSDate->addItem(runsheetDate.toString("dd-MMM-yyyy"));
            window().mRunsheetDate = runtime::WallDateTime(runsheetDate);
        }
        window().FormatRunsheetGrid();
        window().LoadRunsheetDetails();
    }

    // Every row of a table as the texts of its columns.
    static QList<QStringList> tableRows(const QString& database, const QString& sql)
    {
        db::Connection c;
        c.open(core::ConnectionText(database));
        db::Recordset rs;
        rs.open(sql, c);
        QList<QStringList> rows;
        for (; !rs.eof(); rs.moveNext()) {
            QStringList texts;
            for (int f = 0; f < rs.fieldCount(); ++f)
                texts << runtime::CellText(rs.value(f));
            rows << texts;
        }
        return rows;
    }

    static qsizetype trackingRows()
    {
        return tableRows("Tracking", "SELECT QueryId FROM Incoming_Queries_Details").size();
    }
    static qsizetype adminRows() { return tableRows("ZELAdminConfig", "SELECT QryId FROM tbl_Qry_Details").size(); }
};

TEST_F(RunsheetLoader, ASecondRunsheetDeliveryGivesTwoRowsInDateOrderAndTheSecondLinesStatus)
{
    addLine("'2026-06-07'", "302", "'DL'", "9001");
    addLine("'2026-06-05'", "301", "'NR'", "NULL");
    execute(kMonth, "UPDATE RunsheetDetails SET ReturnPODDate='2026-06-08', PODScanTime='2026-06-08 10:15:00'"
                    " WHERE RunsheetNo=302");
    load();

    const ui::FlexGrid* runsheets = window().msgRunsheetDetails;
    const ui::FlexGrid* returns = window().msgReturnPOD;
    ASSERT_EQ(runsheets->rows(), 4);
    ASSERT_EQ(returns->rows(), 4);
    EXPECT_EQ(rowTexts(runsheets, 1),
              QStringList({"05-06-26 -Friday", "301", "4", "Lake Road", "S12", "BIKE", "B301", "0442001", "R Devi",
                           "MB1", "9840011122", "2026\\6\\5\\", "2026-06-07 18:05:09- ravi- DESK-2"}));
    EXPECT_EQ(rowTexts(runsheets, 2),
              QStringList({"07-06-26 -Sunday", "302", "4", "Lake Road", "S12", "BIKE", "B302", "0442001", "R Devi",
                           "MB2", "9840011122", "2026\\6\\7\\", "2026-06-07 18:05:09- ravi- DESK-2"}));
    EXPECT_EQ(rowTexts(returns, 1),
              QStringList({"-", "MAA", "5001", "", "Lake Rd", "VLR", "", "NR", "9840011122", "-"}));
    EXPECT_EQ(rowTexts(returns, 2), QStringList({"08-06-26-Monday", "MAA", "5001", "9001", "Lake Rd", "VLR", "Arun K",
                                                 "DL", "9840011122", "2026-06-08 10:15:00"}));
    EXPECT_EQ(rowTexts(runsheets, 3), QStringList(13, QString()));
    EXPECT_EQ(rowTexts(returns, 3), QStringList(10, QString()));
    EXPECT_EQ(window().lblDeliveryStatus->text(), "Delivered");
    EXPECT_EQ(trackingRows() + adminRows(), 0); // not the head office
}

TEST_F(RunsheetLoader, NullFieldsShowTheirTextsAndALastLineWithoutReasonIsTakenForDelivery)
{
    core::gstrMainBranchCode = "HO";
    execute("ZELAdminConfig", "INSERT INTO tbl_User_System VALUES ('COUNTER-3', 0)");
    addLine("'2026-06-05'", "301", "'DL'", "9001");
    addLine("'2026-06-07'", "302", "NULL", "NULL", "'ZZ'", "NULL");
    execute(kMonth, "UPDATE RunsheetDetails SET Mobile_No=NULL, BAR_RSNO=NULL, Contact_Name=NULL, AreaName=NULL,"
                    " BranchCode=NULL, CreateDate=NULL, CreateUser=NULL WHERE RunsheetNo=302");
    load();

    EXPECT_EQ(window().msgReturnPOD->textMatrix(1, 6), "Arun K");
    EXPECT_EQ(rowTexts(window().msgRunsheetDetails, 2),
              QStringList({"07-06-26 -Sunday", "302", "4", "", "S12", "BIKE", "", "-", "", "MB2", "", "2026\\6\\7\\",
                           "- - DESK-2"}));
    EXPECT_EQ(rowTexts(window().msgReturnPOD, 2), QStringList({"-", "MAA", "5001", "", "", "", "", "", "-", "-"}));
    EXPECT_EQ(window().lblDeliveryStatus->text(), "Taken For Delivery");

    const QString logged = "SELECT ReasonCode, Reason_Desc, DRSNo, BranchName FROM ";
    const QStringList expected({"", "Taken For Delivery", "0", ""});
    EXPECT_EQ(tableRows("Tracking", logged + "Incoming_Queries_Details"), QList<QStringList>({expected}));
    EXPECT_EQ(tableRows("ZELAdminConfig", logged + "tbl_Qry_Details"), QList<QStringList>({expected}));
}

TEST_F(RunsheetLoader, RunsheetDateCellsAndImagePaths)
{
    const struct {
        QString date;
        QString cell;
        QString path;
    } cases[] = {
        {"'2026-06-07'", "07-06-26 -Sunday", "2026\\6\\7\\"},
        {"'2026-01-01'", "01-01-26 -Thursday", "2026\\1\\1\\"},
        {"'2025-12-31'", "31-12-25 -Wednesday", "2025\\12\\31\\"},
    };
    for (const auto& c : cases) {
        execute(kMonth, "DELETE FROM RunsheetDetails");
        addLine(c.date, "301", "'DL'", "9001");
        load();
        EXPECT_EQ(window().msgRunsheetDetails->textMatrix(1, 0), c.cell) << c.date.toStdString();
        EXPECT_EQ(window().msgRunsheetDetails->textMatrix(1, 11), c.path) << c.date.toStdString();
    }
}

TEST_F(RunsheetLoader, TheHeadOfficeLogsTheEnquiryInBothTablesWithEveryValue)
{
    core::gstrMainBranchCode = "HO";
    execute("ZELAdminConfig", "INSERT INTO tbl_User_System VALUES ('COUNTER-3', 0)");
    addLine("'2026-06-07'", "302", "'DLK'", "9001");
    load();

    ASSERT_EQ(window().lblDeliveryStatus->text(), "Consignee's door locked");
    EXPECT_EQ(tableRows("Tracking", "SELECT * FROM Incoming_Queries_Details"),
              QList<QStringList>({{"1", "2026-06-17", "5001", "MAA", kMonth, "2026-06-07", "302", "DLK",
                                   "Consignee's door locked", "9001", "VLR", "meera", "2026-06-17 09:30:05", "", ""}}));
    EXPECT_EQ(tableRows("ZELAdminConfig", "SELECT * FROM tbl_Qry_Details"),
              QList<QStringList>({{"1", "2026-06-17", "INCOMING", "MAA", "5001", kMonth, "2026-06-07", "302", "DLK",
                                   "Consignee's door locked", "9001", "VLR", "COUNTER-3", "meera",
                                   "2026-06-17 09:30:05", "", "", "", "", "", "", "", "", ""}}));
}

TEST_F(RunsheetLoader, WhenTheQueryLogIsWritten)
{
    const struct {
        QString mainBranch;
        bool dateChosen;
        QString registration; // the workstation's tbl_User_System row, none when empty
        qsizetype tracking;
        qsizetype admin;
    } cases[] = {
        {"HO", false, "('COUNTER-3', 0)", 1, 1}, {"HO", true, "('COUNTER-3', 0)", 0, 1},
        {"HO", false, "", 1, 0},                 {"HO", false, "('COUNTER-3', 1)", 1, 0},
        {"HO", false, "('COUNTER-9', 0)", 1, 0}, {"ho", false, "('COUNTER-3', 0)", 0, 0},
        {"BR7", false, "('COUNTER-3', 0)", 0, 0},
    };
    addLine("'2026-06-07'", "302", "'DL'", "9001");
    for (const auto& c : cases) {
        const std::string label = (c.mainBranch + (c.dateChosen ? " date " : " no date ") + c.registration).toStdString();
        execute("Tracking", "DELETE FROM Incoming_Queries_Details");
        execute("ZELAdminConfig", "DELETE FROM tbl_Qry_Details");
        execute("ZELAdminConfig", "DELETE FROM tbl_User_System");
        if (!c.registration.isEmpty())
            execute("ZELAdminConfig", "INSERT INTO tbl_User_System VALUES " + c.registration);
        core::gstrMainBranchCode = c.mainBranch;
        load("MAA", c.dateChosen ? QDate(2026, 6, 7) : QDate());
        EXPECT_EQ(window().msgRunsheetDetails->rows(), 3) << label;
        EXPECT_EQ(trackingRows(), c.tracking) << label;
        EXPECT_EQ(adminRows(), c.admin) << label;
    }
}

TEST_F(RunsheetLoader, NoLineClearsTheStatusKeepsTheEmptyLayoutsAndLogsNothing)
{
    core::gstrMainBranchCode = "HO";
    execute("ZELAdminConfig", "INSERT INTO tbl_User_System VALUES ('COUNTER-3', 0)");
    addLine("'2026-06-07'", "302", "'DL'", "9001");
    window().lblDeliveryStatus->setText("Delivered");
    load("DEL");

    EXPECT_EQ(window().lblDeliveryStatus->text(), "");
    EXPECT_EQ(window().msgRunsheetDetails->rows(), 2);
    EXPECT_EQ(window().msgReturnPOD->rows(), 2);
    EXPECT_EQ(window().msgReturnPOD->textMatrix(0, 0), "Rtn Date");
    EXPECT_EQ(trackingRows() + adminRows(), 0);
    EXPECT_EQ(core::grsShared.state(), db::ObjectState::Closed);
}

TEST_F(RunsheetLoader, TheRunsheetStatementForEachInput)
{
    const struct {
        QString number;
        QString origin;
        QDate date;
    } cases[] = {{"5001", "MAA", QDate()}, {"005001", " MAA ", QDate(2026, 6, 7)}, {"5001", "", QDate()}};
    for (const auto& c : cases) {
        db::StatementCapture capture;
        load(c.origin, c.date, c.number);
        ASSERT_EQ(capture.statements().size(), 1) << c.origin.toStdString();
        const std::optional<QDateTime> date =
            c.date.isValid() ? std::optional(runtime::WallDateTime(c.date)) : std::nullopt;
        EXPECT_EQ(capture.statements()[0], runsheetHistoryStatement("5001", c.origin, date));
    }
}

// The look-ups and both log rows carry the last line's values, the user, the workstation and the
// server's date and time.
TEST_F(RunsheetLoader, TheLookupsAndQueryLogStatements)
{
    core::gstrMainBranchCode = "HO";
    execute("ZELAdminConfig", "INSERT INTO tbl_User_System VALUES ('COUNTER-3', 0)");
    addLine("'2026-06-05'", "301", "'DL'", "NULL");
    addLine("'2026-06-07'", "302", "'DLK'", "9001");
    core::gstrUserName = "d'souza";

    db::StatementCapture capture;
    load();
    QStringList sent = capture.statements();
    sent.removeFirst(); // the runsheet statement
    sent.removeAll("Select convert(varchar(10),getdate(),120)");
    sent.removeAll("Select GetDate()");
    const QueryLogEntry logged{.queryDate = QDate(2026, 6, 17),
                               .created = QDateTime(QDate(2026, 6, 17), QTime(9, 30, 5)),
                               .number = "5001",
                               .origin = "MAA",
                               .monthDatabase = kMonth,
                               .runsheetDate = runtime::WallDateTime(QDate(2026, 6, 7)),
                               .runsheetNo = 302,
                               .reasonCode = "DLK",
                               .statusText = "Consignee's door locked",
                               .drsNo = 9001,
                               .branchCode = "VLR",
                               .userName = "d'souza",
                               .computerName = "COUNTER-3"};
    EXPECT_EQ(sent, QStringList({returnPodMasterStatement("9001"), reasonStatement("DLK"), trackingLogStatement(logged),
                                 registeredWorkstationStatement("COUNTER-3"), adminLogStatement(logged)}));
    EXPECT_EQ(tableRows("Tracking", "SELECT Create_User FROM Incoming_Queries_Details"),
              QList<QStringList>({{"d'souza"}}));
}

// What a runsheet line holds reaches the later statements only as a number or as quoted text: a DRS
// number that is no number is not looked up (its staff cell stays empty, the log has 0), and
// nothing stored can change what a statement does.
TEST_F(RunsheetLoader, StoredValuesReachTheLaterStatementsOnlyAsNumbersOrQuotedText)
{
    core::gstrMainBranchCode = "HO";
    execute("ZELAdminConfig", "INSERT INTO tbl_User_System VALUES ('COUNTER-3', 0)");
    execute(kMonth, "CREATE TABLE x (a INT)");
    execute(kMonth, "INSERT INTO Invoice (ConsignmentNo, BookingDate) VALUES (7001,'2026-06-01'), (7002,'2026-06-02')");
    execute(kMonth, "INSERT INTO Run_ReasonMaster VALUES ('N''R','Door''s shut')");
    const struct {
        QString drsNo;        // as stored
        QString reasonCode;   // as stored
        QString staffLookup;  // the RSNo the staff look-up sends; no look-up when empty
        QString staff;
        QString reasonLookup; // the reason code the status look-up sends
        QString status;
        QString loggedDrsNo;
    } cases[] = {
        {"9001", "'DL'", "9001", "Arun K", "DL", "Delivered", "9001"},
        {"'009001'", "'DL'", "9001", "Arun K", "DL", "Delivered", "9001"},
        {"'0; DELETE FROM Invoice'", "'DL'", "", "", "DL", "Delivered", "0"},
        {"'''; DROP TABLE x --'", "'DL'", "", "", "DL", "Delivered", "0"},
        {"'90''01'", "'DL'", "", "", "DL", "Delivered", "0"},
        {"'D77'", "'DL'", "", "", "DL", "Delivered", "0"},
        {"9001", "'N''R'", "9001", "Arun K", "N'R", "Door's shut", "9001"},
        {"9001", "'''; DROP TABLE x --'", "9001", "Arun K", "'; DROP TABLE x --", "Taken For Delivery", "9001"},
    };
    for (const auto& c : cases) {
        const std::string label = (c.drsNo + " " + c.reasonCode).toStdString();
        execute(kMonth, "DELETE FROM RunsheetDetails");
        execute("Tracking", "DELETE FROM Incoming_Queries_Details");
        addLine("'2026-06-07'", "302", c.reasonCode, c.drsNo);

        db::StatementCapture capture;
        load();
        EXPECT_EQ(capture.statements().filter("tab_ReturnPODMaster"),
                  c.staffLookup.isEmpty()
                      ? QStringList()
                      : QStringList({returnPodMasterStatement(c.staffLookup)}))
            << label;
        EXPECT_EQ(capture.statements().filter("Run_ReasonMaster"),
                  QStringList({reasonStatement(c.reasonLookup)}))
            << label;
        EXPECT_EQ(window().msgReturnPOD->textMatrix(1, 6), c.staff) << label;
        EXPECT_EQ(window().lblDeliveryStatus->text(), c.status) << label;
        EXPECT_EQ(tableRows("Tracking", "SELECT Reason_Desc, DRSNo FROM Incoming_Queries_Details"),
                  QList<QStringList>({{c.status, c.loggedDrsNo}}))
            << label;
        EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty()) << label;
        EXPECT_EQ(tableRows(kMonth, "SELECT ConsignmentNo FROM Invoice"), QList<QStringList>({{"7001"}, {"7002"}}))
            << label;
        EXPECT_EQ(tableRows(kMonth, "SELECT a FROM x").size(), 0) << label; // still there, still empty
    }
}

TEST_F(RunsheetLoader, AFailingLookupStopsTheLoadWithItsErrorAndFreesTheSharedRecordset)
{
    addLine("'2026-06-05'", "301", "'DL'", "9001");
    addLine("'2026-06-07'", "302", "'DL'", "9001");
    execute(kMonth, "DROP TABLE tab_ReturnPODMaster");
    window().lblDeliveryStatus->setText("status");

    ui::guarded([&] { load(); });
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_EQ(window().msgRunsheetDetails->textMatrix(1, 1), "301"); // the first line was written
    EXPECT_EQ(window().msgReturnPOD->textMatrix(1, 6), "");
    EXPECT_EQ(window().msgRunsheetDetails->rows(), 2);
    EXPECT_EQ(window().lblDeliveryStatus->text(), "status");
    EXPECT_EQ(core::grsShared.state(), db::ObjectState::Closed);

    execute(kMonth, "UPDATE RunsheetDetails SET DRSNo=NULL");
    load(); // the next load opens the shared recordset again
    EXPECT_EQ(window().msgRunsheetDetails->rows(), 4);
}

} // namespace
