// The customer-care priority report window: its start, the date check, the cascade of pick lists
// (each Enter refills the next list only, Null values left out, empty lists reported), the report
// grid filled in one step, failures shown with the window staying usable, and the workbook.

#include "support/GridText.h"
#include "support/WindowFixture.h"
#include "support/WorkbookReader.h"

#include "reports/frmCCNos_Rpt.h"

#include "platform/db/StatementLog.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/ui/DatePicker.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QPushButton>
#include <QTest>

using reports::CareChoices;
using reports::CareList;
using reports::frmCCNos_Rpt;
using testsupport::choose;
using testsupport::itemsOf;
using testsupport::rowsOf;
using testsupport::rowsWithHeadingsOf;
using testsupport::WindowFixture;

namespace {

const QString kMonth = QStringLiteral("ZELDEC26");
const QDate kFifth(2026, 12, 5);
const QDate kSixth(2026, 12, 6);

class CustomerCareReport : public WindowFixture<frmCCNos_Rpt> {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        m_appName = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName(QStringLiteral("Quorvel"));
        install(kSixth);
        openMonth(kMonth);
        // priority bookings of the 5th and 6th, and the ones the report leaves out
        booking(101, "2026-12-05", "'ZEL'", "'AIR'", "'VLR'");
        booking(102, "2026-12-05", "'ZEL'", "'SURFACE'", "'MDU'");
        booking(103, "2026-12-06", "'KOV'", "'AIR'", "'VLR'");
        booking(104, "2026-12-06", "'ZEL'", "'AIR'", "'CHN'", 0);    // no priority
        booking(105, "2026-12-06", "'ZEL'", "'AIR'", "'TVM'", 1, 1); // cancelled
        booking(106, "2026-12-07", "'ZEL'", "'AIR'", "'BLR'");       // after the range
        booking(107, "2026-12-06", "'ZEL'", "NULL", "NULL");
        booking(108, "2026-12-06", "'ZEL'", "'AIR'", "NULL");
        manifestLine(101, "'VLR'");
        manifestLine(102, "'MDU'");
        manifestLine(104, "'CHN'");
        manifestLine(108, "NULL");
        execute(kMonth, "UPDATE Invoice SET FromAddress1 = 'SUNRISE BOOKS\r\nAND STATIONERY' WHERE ConsignmentNo = 102");
        ui::WindowHost::showModal(&window());
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }
    void TearDown() override
    {
        QCoreApplication::setApplicationName(m_appName);
        WindowFixture::TearDown();
    }

    // A booking; branch, mode and destination (also its city code) are SQL values.
    void booking(qint64 number, const QString& date, const QString& branch, const QString& mode, const QString& destination,
                 int priority = 1, int cancelled = 0)
    {
        execute(kMonth, QStringLiteral("INSERT INTO Invoice (ConsignmentNo, BookingDate, BranchCode, TransactionMode, "
                                       "Destination, CityCode, CC_Priority, CancelStatus, PartyCode, FromAddress1, "
                                       "Weight, Booking_Type) VALUES (%1, '%2', %3, %4, %5, %5, %6, %7, 'P%1', "
                                       "'PARTY %1', 2.5, %8)")
                            .arg(number)
                            .arg(date, branch, mode, destination)
                            .arg(priority)
                            .arg(cancelled)
                            .arg(number == 107 ? "NULL" : "'CREDIT'")); // 107: no booking type either
    }
    void manifestLine(qint64 number, const QString& destination)
    {
        execute(kMonth, QStringLiteral("INSERT INTO Manifest (ManifestDate, Destination, ConsignmentNo) VALUES "
                                       "('2026-12-06', %1, %2)").arg(destination).arg(number));
    }

    void range(const QDate& from, const QDate& to)
    {
        window().dtpFromDate->setValue(from);
        window().dtpToDate->setValue(to);
    }
    static void enter(QWidget* control)
    {
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Return);
    }
    static void pick(QComboBox* list, const QString& text)
    {
        list->setCurrentIndex(list->findText(text));
        ASSERT_EQ(list->currentText(), text);
    }
    static QStringList prompts()
    {
        QStringList texts;
        for (const ui::ShownMessage& m : ui::MessageBoxSeam::shown()) {
            EXPECT_EQ(m.title, "Quorvel") << m.prompt.toStdString();
            EXPECT_EQ(m.icon(), ui::vbInformation) << m.prompt.toStdString();
            texts << m.prompt;
        }
        return texts;
    }
    CareChoices choices() const
    {
        const frmCCNos_Rpt& w = ui::DefaultInstance<frmCCNos_Rpt>::get();
        return {w.dtpFromDate->value().date(), w.dtpToDate->value().date(), w.cboBranch->currentText(),
                w.cboTMode->currentText(),     w.cboDest->currentText(),      w.cboMFDestn->currentText()};
    }
    QString exported(const QString& name) const { return root() + "/ConvertedExcelFile/" + name + ".xlsx"; }

private:
    QString m_appName;
};

const QString kHeadings = "BK Date|Con No.|City Code|Destination|Party Code|Party Name|Branch|Weight|T Mode|BK Type";

TEST_F(CustomerCareReport, EachEnterRefillsOnlyTheNextListAfterTheDateCheck)
{
    frmCCNos_Rpt& w = window();
    EXPECT_EQ(w.dtpFromDate->text(), "06-Dec-2026");
    EXPECT_EQ(w.dtpToDate->text(), "06-Dec-2026");
    const auto allItems = [&w] {
        QStringList items;
        for (QComboBox* list : {w.cboBranch, w.cboTMode, w.cboDest, w.cboMFDestn})
            items << itemsOf(list).join(',');
        return items;
    };
    EXPECT_EQ(allItems(), QStringList({"", "", "", ""}));
    for (QComboBox* list : {w.cboBranch, w.cboTMode, w.cboDest, w.cboMFDestn})
        list->addItem("OLD");

    // a reversed range is refused and changes nothing
    range(kSixth, kFifth);
    db::StatementCapture refused;
    enter(w.dtpToDate);
    EXPECT_EQ(prompts(), QStringList{"Select Correct From/To Date"});
    EXPECT_EQ(w.focusWidget(), w.dtpToDate);
    EXPECT_TRUE(refused.statements().isEmpty());
    ui::MessageBoxSeam::clearShown();

    range(kFifth, kSixth);
    struct Step {
        QWidget* entered;
        QComboBox* filled;
        CareList list;
        QStringList items;
        QString chosen;
    };
    const Step steps[] = {
        {w.dtpToDate, w.cboBranch, CareList::Branches, {"KOV", "ZEL"}, "ZEL"},
        {w.cboBranch, w.cboTMode, CareList::TransactionModes, {"AIR", "SURFACE"}, "AIR"}, // 107's Null mode left out
        {w.cboTMode, w.cboDest, CareList::Destinations, {"VLR"}, "VLR"},                  // 108's Null destination
        {w.cboDest, w.cboMFDestn, CareList::ManifestDestinations, {"VLR"}, ""},
    };
    for (const Step& s : steps) {
        const std::string name = s.filled->objectName().toStdString();
        QStringList expected = allItems();
        expected[int(s.list)] = s.items.join(',');
        db::StatementCapture capture;
        enter(s.entered);
        EXPECT_EQ(capture.statements(), QStringList{reports::careListStatement(s.list, choices())}) << name;
        EXPECT_EQ(allItems(), expected) << name; // the other lists kept
        EXPECT_EQ(s.filled->currentText(), "") << name;
        EXPECT_EQ(w.focusWidget(), s.filled) << name;
        EXPECT_EQ(w.mLists.state(), db::ObjectState::Closed);
        if (!s.chosen.isEmpty())
            pick(s.filled, s.chosen);
    }
    EXPECT_TRUE(prompts().isEmpty());
    db::StatementCapture none;
    enter(w.cboMFDestn); // the last list has no Enter of its own
    EXPECT_TRUE(none.statements().isEmpty());
}

TEST_F(CustomerCareReport, AnEmptyListIsReportedAndLeftEmpty)
{
    frmCCNos_Rpt& w = window();
    range(QDate(2026, 12, 1), QDate(2026, 12, 2)); // no priority booking
    struct Case {
        QWidget* entered;
        QComboBox* filled;
        QString message;
        QWidget* focus;
    };
    const Case cases[] = {
        {w.dtpToDate, w.cboBranch, "There is No Branch Details", w.dtpToDate},
        {w.cboBranch, w.cboTMode, "There is No Transactin Mode Details", w.cboBranch},
        {w.cboTMode, w.cboDest, "There is No Destination Details", w.cboTMode},
        {w.cboDest, w.cboMFDestn, "There is No Outgoin Manifest Destination Details", w.cboTMode},
    };
    for (const Case& c : cases) {
        ui::MessageBoxSeam::clearShown();
        choose(c.filled, "OLD");
        enter(c.entered);
        EXPECT_EQ(prompts(), QStringList{c.message});
        EXPECT_EQ(c.filled->count(), 0) << c.message.toStdString();
        EXPECT_EQ(w.focusWidget(), c.focus) << c.message.toStdString();
    }
}

TEST_F(CustomerCareReport, ShowFillsTheGridInOneStepInBookingDateOrder)
{
    frmCCNos_Rpt& w = window();
    range(kFifth, kSixth);
    db::StatementCapture capture;
    QTest::mouseClick(w.cmdShow, Qt::LeftButton);

    EXPECT_EQ(capture.statements(), QStringList{reports::careReportStatement(choices())});
    EXPECT_EQ(rowsWithHeadingsOf(w.msgGrid), QStringList({
                                                 kHeadings,
                                                 "05-12-2026|101|VLR|VLR|P101|PARTY 101|ZEL|2.5|AIR|CREDIT",
                                                 "05-12-2026|102|MDU|MDU|P102|SUNRISE BOOKS\r\nAND STATIONERY|ZEL|2.5|SURFACE|CREDIT",
                                                 "06-12-2026|103|VLR|VLR|P103|PARTY 103|KOV|2.5|AIR|CREDIT",
                                                 "06-12-2026|107|||P107|PARTY 107|ZEL|2.5||", // Nulls as empty cells
                                                 "06-12-2026|108|||P108|PARTY 108|ZEL|2.5|AIR|CREDIT",
                                             }));
    const int widths[] = {1200, 1700, 1100, 2000, 1300, 3800, 1300, 1200, 1600, 1900};
    for (int c = 0; c < 10; ++c)
        EXPECT_EQ(w.msgGrid->colWidth(c), widths[c]) << c;
    for (int r = 0; r < w.msgGrid->rows(); ++r)
        EXPECT_EQ(w.msgGrid->rowHeight(r), 300) << r;
    EXPECT_EQ(w.msgGrid->row(), 1);
    EXPECT_EQ(w.mReport.state(), db::ObjectState::Closed);

    // nothing found: the headings and one empty row
    range(QDate(2026, 12, 1), QDate(2026, 12, 2));
    w.cmdShow->click();
    EXPECT_EQ(rowsWithHeadingsOf(w.msgGrid), QStringList({kHeadings, "|||||||||"}));
    EXPECT_TRUE(prompts().isEmpty());
}

TEST_F(CustomerCareReport, ChoicesNarrowTheReport)
{
    frmCCNos_Rpt& w = window();
    range(kFifth, kSixth);
    struct Case {
        const char* branch;
        const char* mode;
        const char* destination;
        const char* manifestDestination;
        QStringList numbers;
    };
    const Case cases[] = {
        {"ZEL", "", "", "", {"101", "102", "107", "108"}},
        {"ZEL", "AIR", "VLR", "", {"101"}},
        // the manifest destination need not be on the booking's own manifest lines: 103 has none
        {"", "AIR", "", "VLR", {"101", "103"}},
        {"", "", "", "CHN", {}}, // 104, the only CHN booking, has no priority
        {"Z'L", "", "", "", {}}, // an apostrophe is quoted
    };
    for (const Case& c : cases) {
        choose(w.cboBranch, c.branch);
        choose(w.cboTMode, c.mode);
        choose(w.cboDest, c.destination);
        choose(w.cboMFDestn, c.manifestDestination);
        w.cmdShow->click();
        QStringList numbers;
        for (int r = 1; r < w.msgGrid->rows(); ++r)
            if (!w.msgGrid->textMatrix(r, 1).isEmpty())
                numbers << w.msgGrid->textMatrix(r, 1);
        EXPECT_EQ(numbers, c.numbers) << c.branch << '/' << c.mode << '/' << c.manifestDestination;
    }
    EXPECT_TRUE(prompts().isEmpty());
}

TEST_F(CustomerCareReport, AFailedQueryIsShownAndTheWindowStaysUsable)
{
    frmCCNos_Rpt& w = window();
    range(kFifth, kSixth);
    execute(kMonth, "DROP TABLE Manifest");
    enter(w.cboDest);
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_FALSE(ui::MessageBoxSeam::shown()[0].prompt.isEmpty());
    EXPECT_EQ(w.mLists.state(), db::ObjectState::Closed);
    EXPECT_FALSE(ui::programEnded());

    ui::MessageBoxSeam::clearShown();
    w.cmdShow->click();
    EXPECT_TRUE(prompts().isEmpty());
    EXPECT_EQ(rowsOf(w.msgGrid).size(), 5);
}

TEST_F(CustomerCareReport, TheExportWritesTheGridUnderTheRangeAndTheChoices)
{
    frmCCNos_Rpt& w = window();
    execute(kMonth, "UPDATE Invoice SET FromAddress1 = 'NUL1' || CHAR(0) || 'NUL2' WHERE ConsignmentNo = 101");
    range(kFifth, kSixth);
    QTest::mouseClick(w.cmdShow, Qt::LeftButton);
    choose(w.cboTMode, "AIR"); // the titles take what the lists hold
    QTest::mouseClick(w.cmdExcel, Qt::LeftButton);
    EXPECT_TRUE(prompts().isEmpty());

    const QJsonObject book = testsupport::readWorkbook(exported("CCare_Priority_Rpt_05-Dec_06-Dec"));
    EXPECT_EQ(book["merges"].toArray(), QJsonArray({"A1:J1", "A2:J2", "A3:J3", "A4:J4"}));
    const QJsonObject cells = book["cells"].toObject();
    const auto value = [&](const char* at) -> QJsonValue { return cells[at].toObject()["value"]; };
    EXPECT_EQ(value("A2").toString(),
              "Customer Care Priority Consignment Nos. Report From Date 05-Dec-26 - To Date 06-Dec-26");
    EXPECT_EQ(value("A3").toString(), " Tran Mode : AIR");
    EXPECT_EQ(value("A5").toString(), "BK Date");
    EXPECT_EQ(cells["B6"].toObject()["type"].toString(), "number");
    EXPECT_EQ(value("F6").toString(), QStringLiteral("NUL1\0NUL2"));
    EXPECT_EQ(value("F7").toString(), "SUNRISE BOOKS\r\nAND STATIONERY");
    EXPECT_EQ(value("B10").toDouble(), 108);
    EXPECT_EQ(value("H10").toDouble(), 2.5);
    EXPECT_FALSE(cells.contains("B11"));

    // a destination goes into the name, with what a file name cannot hold replaced
    choose(w.cboDest, "V/L:R");
    w.cmdExcel->click();
    EXPECT_TRUE(QFileInfo::exists(exported("CCare_Priority_Rpt_V_L_R05-Dec_06-Dec")));

    // a workbook that cannot be written is reported
    ASSERT_TRUE(QDir(root() + "/ConvertedExcelFile").removeRecursively());
    QFile blocker(root() + "/ConvertedExcelFile"); // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    choose(w.cboDest, "");
    w.cmdExcel->click();
    EXPECT_EQ(prompts(), QStringList{"The workbook CCare_Priority_Rpt_05-Dec_06-Dec.xlsx could not be written."});
}

TEST_F(CustomerCareReport, EscGoesToExitAndOnlyExitCloses)
{
    frmCCNos_Rpt& w = window();
    for (QWidget* field : std::initializer_list<QWidget*>{w.dtpFromDate, w.dtpToDate, w.cboBranch, w.cboTMode, w.cboDest}) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Escape);
        EXPECT_EQ(w.focusWidget(), w.cmdExit) << field->objectName().toStdString();
    }
    EXPECT_TRUE(ui::DefaultInstance<frmCCNos_Rpt>::loaded());
    w.cmdExit->click();
    EXPECT_FALSE(ui::DefaultInstance<frmCCNos_Rpt>::loaded());
}

} // namespace
