// The single-date consignment window: a load that runs no statement (the main window loads it
// hidden at its start), the date kept inside the month database's month, the number and origin
// stages, the runsheet, delivery and manifest labels, the blinking status and the exact statements.

#include "support/WindowFixture.h"

#include "consignment/ManifestStatements.h"
#include "consignment/NonDeliveryStatements.h"
#include "consignment/RunsheetStatements.h"
#include "consignment/frmConsignWiseQuery.h"
#include "core/clsMaster.h"

#include "platform/db/SqlText.h"
#include "platform/db/StatementLog.h"
#include "platform/ui/DatePicker.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>

using consignment::frmConsignWiseQuery;
using testsupport::WindowFixture;

namespace {

const QString kMonth = QStringLiteral("ZELJUN26");
const QDate kRunsheetDay(2026, 6, 5);

QColor statusColour(const frmConsignWiseQuery& w) { return w.lblDeliveryStatus->palette().color(QPalette::WindowText); }

class SingleDateWindow : public WindowFixture<frmConsignWiseQuery> {
protected:
    static void pressEnter(QWidget* control) { QTest::keyClick(control, Qt::Key_Return); }
};

// A month with masters, and enquiries driven through the keys.
class SingleDateEnquiry : public SingleDateWindow {
protected:
    void SetUp() override
    {
        SingleDateWindow::SetUp();
        install(QDate(2026, 6, 15));
        core::gstrCompanyName = "Orvane Couriers";
        core::gstrMainBranchName = "Zelmora Main";
        openMonth(kMonth);
        // The shared table-access object keeps the month it was made in: every month knows the cities.
        for (const char* month : {"ZELJUN26", "ZELMAY26", "ZELAPR26"})
            execute(month, "INSERT INTO CityMaster VALUES ('VLM','Velmora'),('O''R','O''Hara')");
        execute(kMonth, "INSERT INTO Run_AreaMaster VALUES ('A1','Lake Road')");
        execute(kMonth, "INSERT INTO Run_StaffMaster VALUES ('S12','Arun K')");
        execute(kMonth, "INSERT INTO Run_ReasonMaster VALUES ('DLK','Consignee''s door locked'),('NA','Nobody home'),"
                        "('D''L','Door latched')");
        ui::WindowHost::showModal(&window());
    }

    // A runsheet line of 5 June; status and reason are SQL values.
    void runsheetLine(qint64 number, const QString& origin, const QString& status, const QString& reason,
                      const QString& area = "A1", int printed = 1)
    {
        execute(kMonth, QStringLiteral("INSERT INTO RunsheetDetails (RunsheetNo, SerialNo, RunsheetDate, RunsheetMode, "
                                       "AreaCode, AreaName, StaffCode, Origin, ConsignmentNo, ConsignorName, "
                                       "ConsignorAddress1, ConsignorAddress2, RunsheetPrintStatus, DeliveryStatus, "
                                       "ReasonCode) VALUES (301, 4, '2026-06-05', 'BIKE', '%1', 'Lake Rd', 'S12', %2, "
                                       "%3, 'R Devi', '12 Hill St', NULL, %4, %5, %6)")
                            .arg(area, db::sqlQuote(origin))
                            .arg(number)
                            .arg(printed)
                            .arg(status, reason));
    }
    // A non-delivery entry of 5 June; the last four are SQL values.
    void nonDelivery(qint64 number, const QString& destination, const QString& status, const QString& remainderNo,
                     const QString& forwardTo, const QString& reason = "'NA'")
    {
        static qint64 reference = 0;
        execute(kMonth, QStringLiteral("INSERT INTO tab_NonDelivery (ReferenceNo, NDDate, Status, ConsignNo, BookingDate, "
                                       "BranchCode, Destination, FromAddr1, ToAddr1, ToAddr2, ToAddr3, ReasonCode, "
                                       "RemainderNo, FDestination) VALUES (%1, '2026-06-05', %2, %3, '2026-06-01', 'ZEL', "
                                       "%4, 'Sender', 'K Raman', '4 Mill Rd', NULL, %5, %6, %7)")
                            .arg(++reference)
                            .arg(db::sqlQuote(status))
                            .arg(number)
                            .arg(db::sqlQuote(destination), reason, remainderNo, forwardTo));
    }

    // Date Enter, the number and its Enter, then Enter on the first origin.
    void enquire(const QString& number, const QDate& date = kRunsheetDay)
    {
        frmConsignWiseQuery& w = window();
        w.dtpDate->setValue(date);
        pressEnter(w.dtpDate);
        QTest::keyClicks(w.txtConsignMentNo, number);
        pressEnter(w.txtConsignMentNo);
        if (w.cboOrigin->isEnabled())
            pressEnter(w.cboOrigin);
    }

    // Reason | consignor lines | status | non-delivery status | reminder or forwarding line.
    QString deliveryLabels() const
    {
        const frmConsignWiseQuery& w = window();
        return QStringList{w.lblReasonVal->text(),    w.lblConsignorName->text(), w.lblConsignorAddress1->text(),
                           w.lblConsignorAddress2->text(), w.lblDeliveryStatus->text(), w.lblStatus->text(),
                           w.lblRemNoFDesti->text()}
            .join(u'|');
    }
};

TEST_F(SingleDateWindow, LoadsHiddenWithoutAnyStatementMessageOrMonthConnection)
{
    install(QDate(2026, 6, 15));
    db::StatementCapture capture;
    frmConsignWiseQuery& w = window();

    EXPECT_TRUE(capture.statements().isEmpty());
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.windowTitle(), "Orvane - Query Form");
    EXPECT_EQ(w.dtpDate->value().date(), QDate(2026, 6, 15));
    EXPECT_EQ(w.dtpDate->text(), "15-Jun-2026");
    EXPECT_TRUE(w.dtpDate->isEnabled());
    EXPECT_FALSE(w.txtConsignMentNo->isEnabled());
    EXPECT_FALSE(w.cboOrigin->isEnabled());
    EXPECT_TRUE(w.lblDeliveryStatus->text().isEmpty());
    EXPECT_EQ(w.lblStatus->text(), "-"); // left to the first date Enter
    EXPECT_EQ(w.lblRemNoFDesti->text(), "-");
    EXPECT_TRUE(w.tmrStatus->isActive());
    EXPECT_EQ(w.tmrStatus->interval(), 1000);
}

TEST_F(SingleDateWindow, TheStatusBlinksWhiteAndARandomColourByTurnsAlsoWhileHidden)
{
    frmConsignWiseQuery& w = window();
    const QColor white(255, 255, 255);
    ASSERT_EQ(statusColour(w), white);
    QList<QColor> seen;
    for (int tick = 0; tick < 6; ++tick) {
        w.tmrStatus_Timer();
        seen << statusColour(w);
    }
    for (int tick = 0; tick < 6; tick += 2) {
        EXPECT_NE(seen[tick], white) << tick;
        EXPECT_EQ(seen[tick + 1], white) << tick;
    }
    EXPECT_FALSE(seen[0] == seen[2] && seen[2] == seen[4]) << "the colours are drawn anew";

    // The timer drives the same step.
    w.tmrStatus->setInterval(5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return statusColour(w) != white; }, 2000));
}

TEST_F(SingleDateWindow, ADateOutsideTheMonthIsReplacedByTodaysCappedDayOfThatMonthAndTheNextEnterAccepts)
{
    struct Case {
        const char* month;
        QDate today;
        QDate picked;
        QDate replacedBy;
    };
    const Case cases[] = {
        {"ZELAPR26", {2026, 5, 31}, {2026, 5, 31}, {2026, 4, 30}},
        {"ZELAPR26", {2026, 5, 12}, {2025, 4, 10}, {2026, 4, 12}}, // right month, wrong year
        {"ZELFEB24", {2024, 3, 30}, {2024, 3, 30}, {2024, 2, 28}},
        {"ZELJAN26", {2026, 6, 15}, {2026, 6, 15}, {2026, 1, 15}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1 %2").arg(c.month, c.picked.toString(Qt::ISODate)).toStdString());
        core::gstrMonthDB = c.month;
        runtime::Clock::setFixed(QDateTime(c.today, QTime(10, 0)));
        frmConsignWiseQuery& w = window();
        w.dtpDate->setValue(c.picked);
        db::StatementCapture capture;

        pressEnter(w.dtpDate);
        EXPECT_EQ(w.dtpDate->value().date(), c.replacedBy);
        EXPECT_TRUE(w.dtpDate->isEnabled());
        EXPECT_FALSE(w.txtConsignMentNo->isEnabled());
        EXPECT_TRUE(w.lblStatus->text().isEmpty()) << "the date Enter clears every result label";

        pressEnter(w.dtpDate);
        EXPECT_FALSE(w.dtpDate->isEnabled());
        EXPECT_TRUE(w.txtConsignMentNo->isEnabled());
        EXPECT_TRUE(capture.statements().isEmpty());
        EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
        ui::DefaultInstance<frmConsignWiseQuery>::unload();
    }
}

TEST_F(SingleDateEnquiry, TheNumberBoxTakesDigitsOnlyAndRefusesANumberWithoutAPrintedRunsheetThatDay)
{
    runsheetLine(700, "VLM", "'D'", "NULL", "A1", 0);
    frmConsignWiseQuery& w = window();
    pressEnter(w.dtpDate);
    QTest::keyClicks(w.txtConsignMentNo, "7a0-0 ");
    EXPECT_EQ(w.txtConsignMentNo->text(), "700");

    pressEnter(w.txtConsignMentNo);
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].prompt, "This Consignment Does Not exists on this Date");
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].title, "Orvane Couriers");
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].icon(), ui::vbInformation);
    EXPECT_TRUE(w.txtConsignMentNo->isEnabled());
    EXPECT_TRUE(w.txtConsignMentNo->text().isEmpty());

    pressEnter(w.txtConsignMentNo);
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 2);
    EXPECT_EQ(ui::MessageBoxSeam::shown()[1].prompt, "Enter Valid ConsignmentNo");
}

TEST_F(SingleDateEnquiry, TwoOriginsOfTheDayAreOfferedAndEscGoesBackToTheDateKeepingTheInput)
{
    runsheetLine(810, "VLM", "'D'", "NULL");
    runsheetLine(810, "O'R", "'D'", "NULL");
    frmConsignWiseQuery& w = window();
    w.dtpDate->setValue(kRunsheetDay);
    pressEnter(w.dtpDate);
    QTest::keyClicks(w.txtConsignMentNo, "810");
    pressEnter(w.txtConsignMentNo);
    EXPECT_EQ(w.cboOrigin->count(), 2);
    EXPECT_EQ(w.cboOrigin->currentIndex(), 0);
    EXPECT_TRUE(w.cboOrigin->isEnabled());
    EXPECT_FALSE(w.txtConsignMentNo->isEnabled());

    QTest::keyClick(w.cboOrigin, Qt::Key_Escape);
    EXPECT_TRUE(w.dtpDate->isEnabled());
    EXPECT_FALSE(w.cboOrigin->isEnabled());
    EXPECT_EQ(w.cboOrigin->count(), 2);
    EXPECT_EQ(w.txtConsignMentNo->text(), "810");
}

TEST_F(SingleDateEnquiry, DeliveredAndNotDeliveredFollowTheNonDeliveryEntryElseTheRunsheetStatus)
{
    struct Case {
        qint64 number;
        const char* status; // the runsheet's, SQL
        const char* reason; // the runsheet's, SQL
        std::function<void(qint64)> entry;
        const char* labels;
    };
    const auto none = [](qint64) {};
    const Case cases[] = {
        {901, "'N'", "'DLK'", none, "Consignee's door locked|R Devi|12 Hill St||Not Delivered||"},
        {902, "'N'", "NULL", none, "|R Devi|12 Hill St||Not Delivered||"},
        {903, "'D'", "'DLK'", none, "||||Delivered||"},
        {904, "'n'", "'DLK'", none, "||||Delivered||"},
        {905, "NULL", "NULL", none, "||||Delivered||"},
        {906, "'D'", "NULL", [&](qint64 n) { nonDelivery(n, "Velmora", "Remainder", "2", "NULL"); },
         "Nobody home|K Raman|4 Mill Rd||Not Delivered|Remainder|Remainder No. 2"},
        {907, "'D'", "NULL", [&](qint64 n) { nonDelivery(n, "Velmora", "Remainder", "NULL", "NULL"); },
         "Nobody home|K Raman|4 Mill Rd||Not Delivered|Remainder|"},
        {908, "'D'", "NULL", [&](qint64 n) { nonDelivery(n, "Velmora", "REMAINDER", "2", "NULL"); },
         "Nobody home|K Raman|4 Mill Rd||Not Delivered|REMAINDER|"},
        {909, "'N'", "'DLK'", [&](qint64 n) { nonDelivery(n, "Velmora", "Misroute", "NULL", "'Dunmere'", "'ZZ'"); },
         "|K Raman|4 Mill Rd||Not Delivered|Misroute|F-Destination To Dunmere"},
        {910, "'D'", "NULL", [&](qint64 n) { nonDelivery(n, "Dunmere", "Remainder", "1", "NULL"); },
         "||||Delivered||"}, // an entry for another city's destination
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        runsheetLine(c.number, "VLM", c.status, c.reason);
        c.entry(c.number);
        enquire(QString::number(c.number));
        EXPECT_EQ(deliveryLabels(), QString(c.labels));
        EXPECT_TRUE(window().dtpDate->isEnabled());
        EXPECT_FALSE(window().cboOrigin->isEnabled());
        EXPECT_EQ(window().cboOrigin->currentText(), "VLM");
    }
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(SingleDateEnquiry, TheAreaIsTheMastersNameTheBranchTheMainBranchAndAMissingMasterRowLeavesOnlyTheManifest)
{
    runsheetLine(920, "VLM", "'D'", "NULL");
    execute(kMonth, "INSERT INTO Run_Manifest (ManifestNo, ManifestDate, SerialNo, Origin, ConsignmentNo, Remarks) "
                    "VALUES (7001, '2026-06-05', 3, 'VLM', 920, 'Open condition'), "
                    "(7002, '2026-06-05', 8, 'VLM', 921, NULL)");
    frmConsignWiseQuery& w = window();
    enquire("920");
    EXPECT_EQ(QStringList({w.lblRunsheetNoVal->text(), w.lblSlnoVal->text(), w.lblAreaVal->text(), w.lblStaffVal->text(),
                           w.lblModeVal->text(), w.lblBranchVal->text()}),
              QStringList({"301", "4", "Lake Road", "Arun K", "BIKE", "Zelmora Main"}));
    EXPECT_EQ(QStringList({w.lblMfNoVal->text(), w.lblMfSlnoVal->text(), w.lblRemarksVal->text()}),
              QStringList({"7001", "3", "Open condition"}));

    runsheetLine(921, "VLM", "'N'", "'DLK'", "A9"); // no such area
    enquire("921");
    for (const QLabel* label : {w.lblRunsheetNoVal, w.lblAreaVal, w.lblStaffVal, w.lblBranchVal, w.lblDeliveryStatus,
                                w.lblReasonVal, w.lblConsignorName})
        EXPECT_TRUE(label->text().isEmpty()) << label->objectName().toStdString();
    EXPECT_EQ(QStringList({w.lblMfNoVal->text(), w.lblMfSlnoVal->text(), w.lblRemarksVal->text()}),
              QStringList({"7002", "8", ""}));
}

TEST_F(SingleDateEnquiry, TheNonDeliveryLookUpRunsOnTheMonthConnectionAfterAMonthSwitch)
{
    // The table-access object is made while May is the month, then the month switches to June.
    core::gcnnMonth.close();
    core::gstrMonthDB = "ZELMAY26";
    core::gcnnMonth.open(core::ConnectionText(core::gstrMonthDB));
    core::gobjMaster();
    core::gcnnMonth.close();
    core::gstrMonthDB = kMonth;
    core::gcnnMonth.open(core::ConnectionText(core::gstrMonthDB));

    runsheetLine(930, "VLM", "'D'", "NULL");
    nonDelivery(930, "Velmora", "Remainder", "1", "NULL");
    QStringList nonDeliveryDatabases;
    const int listener = db::StatementLog::addListener([&](const QString& database, const QString& sql) {
        if (sql.startsWith("Select * from Tab_NonDelivery"))
            nonDeliveryDatabases << database;
    });
    enquire("930");
    db::StatementLog::removeListener(listener);

    EXPECT_EQ(nonDeliveryDatabases, QStringList{kMonth});
    EXPECT_EQ(window().lblDeliveryStatus->text(), "Not Delivered");
    EXPECT_EQ(window().lblRemNoFDesti->text(), "Remainder No. 1");
}

// The number's value, the origin chosen, the city named by the origin's code and the reason code
// read back reach the statements in this order.
TEST_F(SingleDateEnquiry, SendsTheseStatementsForTheTypedNumberTheOriginAndWhatIsReadBack)
{
    using namespace consignment;
    struct Case {
        const char* typed;
        const char* origin;
        const char* status;
        const char* reason;
        const char* area;
        QStringList statements;
    };
    const QDate day = kRunsheetDay;
    const Case cases[] = {
        {"00940", "VLM", "'N'", "'DLK'", "A1",
         {printedOriginsStatement("940", day), runsheetLineStatement("940", day, "VLM"),
          "Select * from CityMaster where CityCode='VLM'", nonDeliveryEntryStatement(day, "940", "Velmora"),
          reasonNameStatement("DLK"), manifestLineStatement("940", day, "VLM")}},
        {"941", "O'R", "'N'", "'D''L'", "A1",
         {printedOriginsStatement("941", day), runsheetLineStatement("941", day, "O'R"),
          "Select * from CityMaster where CityCode='O''R'", nonDeliveryEntryStatement(day, "941", "O'Hara"),
          reasonNameStatement("D'L"), manifestLineStatement("941", day, "O'R")}},
        {"942", "VLM", "'D'", "NULL", "A9",
         {printedOriginsStatement("942", day), runsheetLineStatement("942", day, "VLM"),
          manifestLineStatement("942", day, "VLM")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        runsheetLine(QString(c.typed).toLongLong(), c.origin, c.status, c.reason, c.area);
        db::StatementCapture capture;
        enquire(c.typed);
        EXPECT_EQ(capture.statements(), c.statements);
    }
    EXPECT_EQ(window().lblDeliveryStatus->text(), "");
    EXPECT_EQ(window().lblMfNoVal->text(), "");
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(SingleDateEnquiry, EscInThePickerUnloadsTheWindow)
{
    QTest::keyClick(window().dtpDate, Qt::Key_Escape);
    EXPECT_FALSE(ui::DefaultInstance<frmConsignWiseQuery>::loaded());
}

} // namespace
