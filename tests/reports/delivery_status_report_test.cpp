// The delivery status report window: its start, the two processing runs behind their checks and
// question, the totals strip, the cascade of pick lists over the work table (the party list's
// fixed items and full codes, the weight), the report grid, failures shown with the pointer, the
// progress bar and the window restored, and the workbook.

#include "support/GridText.h"
#include "support/WindowFixture.h"
#include "support/WorkbookReader.h"

#include "reports/frmDeliveryStatusReport.h"

#include "platform/db/StatementLog.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/ui/DatePicker.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <functional>

using reports::frmDeliveryStatusReport;
using testsupport::itemsOf;
using testsupport::WindowFixture;

namespace {

const QDate kLastOfNovember(2026, 11, 30);
const QDate kSixth(2026, 12, 6);
const QString kNorthfield = "NORTHFIELD TELECOM SERVICES PVT LTD";

class DeliveryStatusReport : public WindowFixture<frmDeliveryStatusReport> {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        m_appName = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName(QStringLiteral("Quorvel"));
        install(kSixth);
        openMonth("ZELDEC26");
        // number, date, branch, mode, destination, party code, party name, weight, cancelled
        booking("ZELNOV26", "201, '2026-11-30', 'ZEL', 'AIR', 'VELLORE', 'P-7', 'ANAND TEXTILES', 2.5, 0");
        booking("ZELDEC26", "102, '2026-12-01', 'ZEL', 'AIR', 'VELLORE', 'P-7', 'ANAND TEXTILES', 3, 0");
        // two codes alike in their first ten characters
        booking("ZELDEC26", "10000000000101, '2026-12-01', 'KOV', 'SURFACE', 'CHENNAI', 'P-123456789012', '"
                                + kNorthfield + "', 0.5, 0");
        booking("ZELDEC26", "104, '2026-12-06', 'ZEL', 'AIR', 'VELLORE', 'P-123456789099', '" + kNorthfield + "', 1, 0");
        booking("ZELDEC26", "105, '2026-12-06', 'ZEL', 'AIR', 'VELLORE', 'P-7', 'ANAND TEXTILES', 1, 1"); // cancelled
        execute("ZELDEC26", "INSERT INTO Run_ReasonMaster VALUES ('DLK', 'DOOR LOCKED')");
        execute("ZELDEC26", "INSERT INTO OutgoingNonDelvy (TransDate, ConsignmentNo, ReasonCode) VALUES "
                            "('2026-12-02', 102, 'DLK')");
        execute("ZELADMINCONFIG", "INSERT INTO tbl_RO_Download_Log (Down_Type, Down_Date) VALUES "
                                  "('DRS', '2026-12-02 23:30:00'), ('PTP', '2026-12-03 23:45:00')");
        execute("ZELADMINCONFIG", "INSERT INTO RO_DrFile (Tran_Id, CNo) VALUES (1, '10000000000101'), (1, '201'), "
                                  "(1, '555')");
        execute("ZELADMINCONFIG", "INSERT INTO RO_PointPod (Tran_Id, CNo) VALUES (2, '102')");
        ui::WindowHost::showModeless(&window());
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }
    void TearDown() override
    {
        QCoreApplication::setApplicationName(m_appName);
        WindowFixture::TearDown();
    }

    void booking(const QString& month, const QString& values)
    {
        execute(month, "INSERT INTO Invoice (ConsignmentNo, BookingDate, BranchCode, TransactionMode, Destination, "
                       "PartyCode, FromAddress1, Weight, CancelStatus) VALUES (" + values + ")");
    }

    // A reason and a party name holding a CR and a TAB.
    void breakLines()
    {
        execute("ZELDEC26", "UPDATE Run_ReasonMaster SET ReasonName = 'DOOR\rLOCKED'");
        execute("ZELDEC26", "UPDATE Invoice SET FromAddress1 = 'NORTHFIELD\tTELECOM' WHERE ConsignmentNo = 10000000000101");
    }
    void range(const QDate& from, const QDate& to)
    {
        window().dtpFromDate->setValue(from);
        window().dtpToDate->setValue(to);
    }
    // The date-range run of the last of November to the sixth, answered Yes.
    void processDates()
    {
        range(kLastOfNovember, kSixth);
        ui::MessageBoxSeam::setNextAnswer(ui::vbYes);
        window().cmdProcess->click();
        ui::MessageBoxSeam::clearShown();
    }
    static void key(QWidget* control, Qt::Key key)
    {
        control->setFocus();
        QTest::keyClick(control, key);
    }
    static QStringList prompts()
    {
        QStringList texts;
        for (const ui::ShownMessage& m : ui::MessageBoxSeam::shown()) {
            EXPECT_EQ(m.title, "Quorvel") << m.prompt.toStdString();
            texts << m.prompt;
        }
        return texts;
    }
    QStringList totals() const
    {
        const frmDeliveryStatusReport& w = ui::DefaultInstance<frmDeliveryStatusReport>::get();
        return {w.lblTotCons->text(), w.lblTotDRSDownDocs->text(), w.lblDRSDownTime->text(),
                w.lblTotPTPDownDocs->text(), w.lblPTPDownTime->text()};
    }
    // The work table's consignment numbers.
    QStringList workTable()
    {
        db::Recordset rs;
        rs.open("select ConsignmentNo from ZELADMINCONFIG..tbl_Consignment_Status_Temp order by ConsignmentNo",
                core::gcnnMonth);
        QStringList numbers;
        for (; !rs.eof(); rs.moveNext())
            numbers << rs.value(0).toString();
        return numbers;
    }
    static QStringList numbersShown(const ui::FlexGrid* grid)
    {
        QStringList numbers;
        for (int r = 1; r < grid->rows(); ++r)
            if (!grid->textMatrix(r, 1).isEmpty())
                numbers << grid->textMatrix(r, 1);
        return numbers;
    }

private:
    QString m_appName;
};

const QStringList kAll{"102", "104", "201", "10000000000101"}; // as the work table orders them
const QStringList kNone{"***", "***", "***", "***", "***"};
const QStringList kCleared{"-", "-", "-", "-", "-"};
const QString kOutsideYears = "Enter Dates from 01-Jan-2000 to 31-Dec-2099";

TEST_F(DeliveryStatusReport, TheDateRunAsksRefillsTheTableAndShowsTheTotals)
{
    frmDeliveryStatusReport& w = window();
    EXPECT_EQ(w.dtpBooking->text(), "Dec-2026");
    EXPECT_EQ(totals(), kNone);
    EXPECT_FALSE(w.prgBar->isVisible());

    // No changes nothing
    range(kLastOfNovember, kSixth);
    db::StatementCapture capture;
    w.cmdProcess->click();
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].style, ui::vbYesNo | ui::vbQuestion | ui::vbDefaultButton2);
    EXPECT_TRUE(capture.statements().isEmpty());

    QStringList totalsWhenDone;
    ui::MessageBoxSeam::setAnswerer([&](const ui::ShownMessage& m) {
        if (m.prompt == "Process Completed")
            totalsWhenDone = totals();
        return m.buttons() == ui::vbYesNo ? int(ui::vbYes) : int(ui::vbOK);
    });
    w.cmdProcess->click();
    EXPECT_EQ(prompts(), QStringList({"Are You Sure to Process", "Are You Sure to Process", "Process Completed"}));
    EXPECT_EQ(totalsWhenDone, kCleared);
    EXPECT_EQ(capture.statements().value(0),
              "EXEC ZELADMINCONFIG..SP_DRS_Consignment_Status_Det '2026-11-30','2026-12-06'");
    EXPECT_EQ(workTable(), kAll);
    // a 14-digit number in a download table counts; one not in the work table does not
    EXPECT_EQ(totals(), QStringList({"4", "2", "2026-12-02 23:30:00", "1", "2026-12-03 23:45:00"}));
    EXPECT_EQ(itemsOf(w.cboBranch), QStringList({"", "KOV", "ZEL"}));
    EXPECT_FALSE(w.cmdProcess->isEnabled());
    EXPECT_EQ(w.focusWidget(), w.cboBranch);
    EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);

    // the bookings count takes the pickers' dates, the download counts the whole table
    range(kSixth, kSixth);
    w.ShowTotals();
    EXPECT_EQ(totals(), QStringList({"1", "2", "2026-12-02 23:30:00", "1", "2026-12-03 23:45:00"}));
}

TEST_F(DeliveryStatusReport, TheNumberRunTakesDigitsAndTheEnglishMonthAndKeepsTheLists)
{
    frmDeliveryStatusReport& w = window();
    processDates();
    w.txtFromNo->setText("000102");
    key(w.txtFromNo, Qt::Key_Return);
    EXPECT_EQ(w.txtToNo->text(), "000102"); // Enter copies the From number over the To box
    EXPECT_EQ(w.focusWidget(), w.txtToNo);
    w.txtToNo->setText("10000000000101");
    QLocale::setDefault(QLocale(QLocale::German));
    db::StatementCapture capture;
    ui::MessageBoxSeam::setNextAnswer(ui::vbYes);
    w.cmdCNo_Process->click();
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(capture.statements(),
              QStringList{"EXEC ZELADMINCONFIG..SP_DRS_Consignment_Status_Det_CNo 102 ,10000000000101,'Dec26'"});
    EXPECT_EQ(prompts(), QStringList({"Are You Sure to Process", "Process Completed"}));
    EXPECT_EQ(workTable(), QStringList({"102", "104", "10000000000101"}));
    EXPECT_EQ(totals(), kCleared);
    EXPECT_EQ(itemsOf(w.cboBranch), QStringList({"", "KOV", "ZEL"}));
    EXPECT_FALSE(w.cmdCNo_Process->isEnabled());
    EXPECT_EQ(w.focusWidget(), w.cmdShow);
    EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(DeliveryStatusReport, ChecksRefuseBadRangesFromTheKeysAndTheButtons)
{
    frmDeliveryStatusReport& w = window();
    processDates();
    using Step = std::function<void()>;
    struct Case {
        const char* name;
        QDate from;
        const char* fromNo;
        const char* toNo;
        Step act;
        QString message;
        QWidget* focus;
        const char* toNoAfter;
    } cases[] = {
        {"reversed dates, Enter", kSixth, "", "", [&] { key(w.dtpToDate, Qt::Key_Return); }, "Enter Correct Data",
         w.dtpToDate, ""},
        {"reversed dates, click", kSixth, "", "",
         [&] {
             w.cmdProcess->setEnabled(true); // as the Enter of an earlier range in order left it
             w.cmdProcess->click();
         }, "Enter Correct Data", w.dtpToDate, ""},
        {"no From number, Enter", kLastOfNovember, " ", "", [&] { key(w.txtFromNo, Qt::Key_Return); },
         "Enter From Consignment No", w.txtFromNo, ""},
        {"no numbers, click", kLastOfNovember, "", "", [&] { w.cmdCNo_Process->click(); }, "Enter From Consignment No",
         w.txtFromNo, ""},
        {"19 digits, click", kLastOfNovember, "1234567890123456789", "1234567890123456789",
         [&] { w.cmdCNo_Process->click(); }, "Enter From Consignment No", w.txtFromNo, "1234567890123456789"},
        {"no To number, click", kLastOfNovember, "102", "", [&] { w.cmdCNo_Process->click(); },
         "Enter To Consignment No", w.txtToNo, ""},
        {"To below From, Enter", kLastOfNovember, "102", "0101", [&] { key(w.txtToNo, Qt::Key_Return); },
         "Enter Correct To Consignment No.", w.txtToNo, ""},
        {"To below From, click", kLastOfNovember, "102", "99", [&] { w.cmdCNo_Process->click(); },
         "Enter Correct To Consignment No.", w.txtToNo, ""},
        // month databases carry two-digit years: 2126 would read December 2026's again, 1926 read it as its own
        {"dates past 2099, Enter", kLastOfNovember, "", "",
         [&] {
             range(QDate(2026, 12, 19), QDate(9999, 12, 7));
             key(w.dtpToDate, Qt::Key_Return);
         }, kOutsideYears, w.dtpToDate, ""},
        {"dates of 1926, click", kLastOfNovember, "", "",
         [&] {
             range(QDate(1926, 12, 1), QDate(1926, 12, 31));
             w.cmdProcess->setEnabled(true);
             w.cmdProcess->click();
         }, kOutsideYears, w.dtpFromDate, ""},
        {"a booking month of 1926, click", kLastOfNovember, "102", "104",
         [&] {
             w.dtpBooking->setValue(QDate(1926, 12, 1));
             w.cmdCNo_Process->click();
         }, "Enter Booking Month from Jan-2000 to Dec-2099", w.dtpBooking, "104"},
    };
    for (const Case& c : cases) {
        ui::MessageBoxSeam::clearShown();
        range(c.from, kLastOfNovember);
        w.txtFromNo->setText(c.fromNo);
        w.txtToNo->setText(c.toNo);
        db::StatementCapture capture;
        c.act();
        EXPECT_EQ(prompts(), QStringList{c.message}) << c.name;
        EXPECT_EQ(w.focusWidget(), c.focus) << c.name;
        EXPECT_EQ(w.txtToNo->text(), c.toNoAfter) << c.name;
        EXPECT_TRUE(capture.statements().isEmpty()) << c.name;
    }
    EXPECT_EQ(workTable(), kAll);

    // Esc goes to Exit, the window stays
    for (QWidget* control : std::initializer_list<QWidget*>{w.dtpFromDate, w.dtpToDate, w.dtpBooking, w.txtFromNo,
                                                           w.txtToNo, w.cboBranch, w.cboRegion, w.txtWeight}) {
        key(control, Qt::Key_Escape);
        EXPECT_EQ(w.focusWidget(), w.cmdExit) << control->objectName().toStdString();
    }
    EXPECT_TRUE(ui::DefaultInstance<frmDeliveryStatusReport>::loaded());
}

TEST_F(DeliveryStatusReport, TheCascadeNarrowsEachListAndTheReport)
{
    frmDeliveryStatusReport& w = window();
    processDates();
    key(w.cboBranch, Qt::Key_Return); // no branch: every mode
    EXPECT_EQ(itemsOf(w.cboTMode), QStringList({"", "AIR", "SURFACE"}));
    key(w.cboTMode, Qt::Key_Return);
    key(w.cboDestination, Qt::Key_Return);
    // the two Northfield codes show alike, but each item filters by its own whole code
    const QString anand = "ANAND TEXTILES                -P-7       ";
    const QString northfield = "NORTHFIELD TELECOM SERVICES PV-P-12345678";
    ASSERT_EQ(itemsOf(w.cboParty), QStringList({"", anand, northfield, northfield}));
    EXPECT_EQ(w.cboParty->font().family(), "Courier New");
    key(w.cboParty, Qt::Key_Return);
    EXPECT_EQ(w.focusWidget(), w.txtWeight);
    struct Case {
        int party;
        const char* weight;
        QStringList reasons;
        QStringList shown;
    } cases[] = {
        {0, "0.000", {"", "", "DOOR LOCKED"}, {"201", "102", "10000000000101", "104"}}, // Null reason: empty item
        {0, "2.5", {"", "", "DOOR LOCKED"}, {"201", "102"}},                           // 2.5 and 3
        {2, "", {"", ""}, {"10000000000101"}},
        {3, "", {"", ""}, {"104"}},
    };
    for (const Case& c : cases) {
        w.cboParty->setCurrentIndex(c.party);
        w.txtWeight->setText(c.weight);
        key(w.txtWeight, Qt::Key_Return);
        EXPECT_EQ(itemsOf(w.cboRegion), c.reasons) << c.party << " " << c.weight;
        w.cmdShow->click();
        EXPECT_EQ(numbersShown(w.msgGrid), c.shown) << c.party << " " << c.weight;
    }
    EXPECT_TRUE(prompts().isEmpty());

    // an apostrophe in a choice finds nothing and breaks nothing; an empty list is reported
    testsupport::choose(w.cboBranch, "Z'L");
    key(w.cboBranch, Qt::Key_Return);
    EXPECT_EQ(prompts(), QStringList{"There is No Transaction Mode Details"});
    EXPECT_EQ(itemsOf(w.cboTMode), QStringList{""});
    EXPECT_EQ(w.focusWidget(), w.cmdExit);
}

TEST_F(DeliveryStatusReport, ShowListsTheTableInDateOrderAcrossMonths)
{
    struct PaintWatch : QObject {
        QList<int> pointers; // the pointer's shape at each painting of the bar, -1 for the normal one
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                pointers << (QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : -1);
            return false;
        }
    } watch;
    frmDeliveryStatusReport& w = window();
    breakLines();
    processDates();
    db::StatementCapture capture;
    w.prgBar->installEventFilter(&watch);
    QTest::mouseClick(w.cmdShow, Qt::LeftButton);
    EXPECT_EQ(watch.pointers, QList<int>{Qt::WaitCursor}) << "the bar is painted while the report loads";
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(capture.statements(), QStringList{reports::statusReportStatement({})});
    EXPECT_EQ(testsupport::rowsWithHeadingsOf(w.msgGrid),
              QStringList({
                  "BK Date|Con No.|City Code|Destination|Party Code|Party Name|Branch|Weight|Reason|DwLoad Time",
                  "30-11-2026|201||VELLORE|P-7|ANAND TEXTILES|ZEL|2.5||2026-12-02 23:30:00",
                  "01-12-2026|102||VELLORE|P-7|ANAND TEXTILES|ZEL|3|DOOR\rLOCKED|2026-12-03 23:45:00",
                  "01-12-2026|10000000000101||CHENNAI|P-123456789012|NORTHFIELD\tTELECOM|KOV|0.5||2026-12-02 23:30:00",
                  "06-12-2026|104||VELLORE|P-123456789099|" + kNorthfield + "|ZEL|1||",
              }));
    for (int r = 0; r < w.msgGrid->rows(); ++r)
        EXPECT_EQ(w.msgGrid->rowHeight(r), 300) << r;
    EXPECT_FALSE(w.prgBar->isVisible());
    EXPECT_EQ(w.mReport.state(), db::ObjectState::Closed);
}

TEST_F(DeliveryStatusReport, FailuresAreShownAndLeaveTheWindowUsable)
{
    frmDeliveryStatusReport& w = window();
    const auto process = [&w] {
        w.cmdProcess->setEnabled(true);
        w.cmdProcess->click();
    };
    struct Case {
        const char* name;
        std::function<void()> sabotage;
        std::function<void()> act;
        bool completed;
        QStringList totals;
    } cases[] = {
        {"the procedure fails", [&] { execute("ZELDEC26", "DROP TABLE Invoice"); }, process, false, kCleared},
        {"a totals query fails",
         [&] {
             // a run over months the server has no database of, then a download table gone
             range(QDate(2026, 7, 1), QDate(2026, 7, 31));
             execute("ZELADMINCONFIG", "DROP TABLE RO_PointPod");
         },
         process, true, {"0", "0", "-", "-", "-"}},
        {"the report fails", [&] { execute("ZELADMINCONFIG", "DROP TABLE tbl_Consignment_Status_Temp"); },
         [&w] { w.cmdShow->click(); }, false, {"0", "0", "-", "-", "-"}},
    };
    range(kLastOfNovember, kSixth);
    ui::MessageBoxSeam::setAnswerer([](const ui::ShownMessage& m) {
        return m.buttons() == ui::vbYesNo ? int(ui::vbYes) : int(ui::vbOK);
    });
    for (const Case& c : cases) {
        c.sabotage();
        ui::MessageBoxSeam::clearShown();
        c.act();
        ASSERT_FALSE(ui::MessageBoxSeam::shown().isEmpty()) << c.name;
        EXPECT_FALSE(ui::MessageBoxSeam::shown().last().prompt.isEmpty()) << c.name;
        EXPECT_EQ(prompts().contains("Process Completed"), c.completed) << c.name;
        EXPECT_EQ(totals(), c.totals) << c.name;
        EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor) << c.name;
        EXPECT_FALSE(w.prgBar->isVisible()) << c.name;
        EXPECT_EQ(w.mReport.state(), db::ObjectState::Closed) << c.name;
        EXPECT_EQ(w.mTotals.state(), db::ObjectState::Closed) << c.name;
        EXPECT_FALSE(ui::programEnded()) << c.name;
    }
}

TEST_F(DeliveryStatusReport, WithoutDownloadRunsTheTimesShowADash)
{
    execute("ZELADMINCONFIG", "DELETE FROM tbl_RO_Download_Log");
    range(kLastOfNovember, kSixth);
    ui::MessageBoxSeam::setNextAnswer(ui::vbYes);
    window().cmdProcess->click();
    EXPECT_EQ(prompts(), QStringList({"Are You Sure to Process", "Process Completed"})); // no failure reported
    EXPECT_EQ(totals(), QStringList({"4", "2", "-", "1", "-"}));
}

TEST_F(DeliveryStatusReport, TheExportWritesTheGridUnderTheRangeAndTheChoices)
{
    frmDeliveryStatusReport& w = window();
    breakLines();
    processDates();
    range(QDate(2026, 12, 1), kSixth);
    QTest::mouseClick(w.cmdShow, Qt::LeftButton);
    key(w.cboBranch, Qt::Key_Return);
    key(w.cboDestination, Qt::Key_Return);
    w.cboBranch->setCurrentIndex(w.cboBranch->findText("ZEL"));
    w.cboParty->setCurrentIndex(1);
    QTest::mouseClick(w.cmdExcel, Qt::LeftButton);
    EXPECT_TRUE(prompts().isEmpty());

    const QJsonObject book =
        testsupport::readWorkbook(root() + "/ConvertedExcelFile/Delivery_Status_Report_01-Dec_06-Dec.xlsx");
    EXPECT_EQ(book["merges"].toArray(), QJsonArray({"A1:J1", "A2:J2", "A3:J3", "A4:J4"}));
    const QJsonObject cells = book["cells"].toObject();
    const auto value = [&](const char* at) -> QJsonValue { return cells[at].toObject()["value"]; };
    EXPECT_EQ(value("A2").toString(), "Delivery Status Report From Date 01-Dec-26 - To Date 06-Dec-26");
    EXPECT_EQ(value("A3").toString(), "Branch : ZEL Party Name : ANAND TEXTILES                -P-7       ");
    EXPECT_EQ(value("A5").toString(), "BK Date");
    EXPECT_EQ(value("I7").toString(), "DOOR\rLOCKED");
    EXPECT_EQ(value("B8").toDouble(), 10000000000101.0);
    EXPECT_EQ(value("F8").toString(), "NORTHFIELD\tTELECOM");
    EXPECT_EQ(value("B9").toDouble(), 104);
    EXPECT_FALSE(cells.contains("B10"));

    // a workbook that cannot be written is reported
    ASSERT_TRUE(QDir(root() + "/ConvertedExcelFile").removeRecursively());
    QFile blocker(root() + "/ConvertedExcelFile");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    w.cmdExcel->click();
    EXPECT_EQ(prompts(), QStringList{"The workbook Delivery_Status_Report_01-Dec_06-Dec.xlsx could not be written."});

    w.cmdExit->click();
    EXPECT_FALSE(ui::DefaultInstance<frmDeliveryStatusReport>::loaded());
}

} // namespace
