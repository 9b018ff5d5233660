// The head-office panel of the consignment history window: the four statements sent through the
// branch server's link, the grids they fill (headings, widths, cells), the grid of a table that
// does not know the number, and what a failing statement leaves.

#include "support/GridText.h"
#include "support/WindowFixture.h"

#include "consignment/HeadOfficeStatements.h"
#include "consignment/frmConsignWiseGridQuery.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/StatementLog.h"
#include "platform/flexgrid/FlexGrid.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using consignment::frmConsignWiseGridQuery;
using testsupport::WindowFixture;
using testsupport::rowText;
using testsupport::rowsWithHeadingsOf;

namespace {

class HeadOfficePanel : public WindowFixture<frmConsignWiseGridQuery> {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        install(QDate(2026, 6, 15));
        openMonth("ZELJUN26");
        core::gstrHeadOfficeServer = "KWDHO";
        ui::WindowHost::showModal(&window());
        m_designWidth = window().msgGrid1->colWidth(0);
    }
    static QList<ui::FlexGrid*> grids()
    {
        return {window().msgGrid1, window().msgGrid2, window().msgGrid3, window().msgGrid4};
    }

    // Runs statements on the head office's tracking database.
    static void headOffice(const QString& sql)
    {
        db::Connection c;
        c.open("Data Source=KWDHO;USER ID=sa;PASSWORD=;Initial Catalog=KWD32Server");
        c.execute(sql);
    }

    static void pressStatus(const QString& number)
    {
        window().txtConsignMentNo->setText(number);
        QTest::mouseClick(window().cmdROStatus, Qt::LeftButton);
    }

    // Head-office rows for "00123" in every table, and for numbers it must not mix in.
    static void insertScans()
    {
        headOffice("INSERT INTO status VALUES ('DL', 'Delivered')");
        headOffice("INSERT INTO DrFile VALUES ('2026-06-07', 'ZEL', '00123', 'ANN', 'B1', 'DL', 'D77', 3, 'R. Iyer', "
                   "'Self', '14:05', 'Kumar', 'R2'), ('2026-06-07', 'ZEL', '00123', 'ANN', NULL, 'XX', 'D70', 4, NULL, "
                   "NULL, '09:30', 'Kumar', 'R2'), ('2026-06-07', 'ZEL', '123', 'ANN', 'B1', 'DL', 'D77', 5, 'X', "
                   "'X', '10:00', 'X', 'X')");
        headOffice("INSERT INTO CnFile VALUES ('2026-06-05', 'ZEL', 1, '00123', 'ZEL', 'OP1', 'O', 'ANN', 'M9', 2.5, 2, "
                   "'Bag' || char(13) || char(10) || 'torn', 'a' || char(13) || 'b', 'HUB', 'KA', '20:10')");
        headOffice("INSERT INTO PointPod VALUES ('2026-06-06', '07:45', 'ZEL', 8, '00123', 'ANN', 'OP2', 'I', 'B1', "
                   "'P5', 1, 1, NULL, 'L1'), ('2026-06-06', '06:00', 'ZEL', 9, '00123', 'ANN', 'OP2', NULL, 'B1', "
                   "'P4', 1, 1, 'early', NULL)");
        headOffice("INSERT INTO OTCFile VALUES ('2026-06-04', 'ZEL', '00123', 'ZEL', 'OP3', 'O', 'ANN', '18:00', 'T1', 1, "
                   "2, 1, 'counter', NULL), ('2026-06-04', 'ZEL', 'M77', 'ZEL', 'OP3', 'O', 'ANN', '18:30', '00123', 2, "
                   "2, 1, NULL, NULL)");
    }

    int m_designWidth = 0;
};

TEST_F(HeadOfficePanel, TheFourStatementsTakeTheServerSettingAndTheTypedNumber)
{
    using namespace consignment;
    db::StatementCapture capture;
    pressStatus(" 00123 ");
    EXPECT_EQ(capture.statements(),
              (QStringList{headOfficeRunsheetStatement("KWDHO", "00123"), headOfficeScanStatement("KWDHO", "00123"),
                           headOfficePointStatement("KWDHO", "00123"), headOfficeCounterStatement("KWDHO", "00123")}));
    EXPECT_TRUE(window().fraROStatus->isVisibleTo(&window()));
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(HeadOfficePanel, EachGridShowsItsResultUnderTheSelectListHeadings)
{
    insertScans();
    for (int press = 0; press < 2; ++press) { // a second press shows the same
        pressStatus("00123");
        EXPECT_EQ(rowsWithHeadingsOf(window().msgGrid1),
                  (QStringList{"Date|Origin|CNo|Destn|Status|Description|DRSNo|SNo|CNee|RcvdBy|DTime|Staff|DlyRoute",
                               "2026-06-07|ZEL|00123||XX||D70|4|||09:30|Kumar|R2",
                               "2026-06-07|ZEL|00123|ANN/B1|DL|Delivered|D77|3|R. Iyer|Self|14:05|Kumar|R2",
                               "||||||||||||"}));
        EXPECT_EQ(rowsWithHeadingsOf(window().msgGrid2),
                  (QStringList{"Date|Origin|SNo|CNo|OPCode|INOUT|Destn|MFNo|Weight|Pcs|RmKs|AddlRmks|Hub|State|MTime",
                               "2026-06-05|ZEL|1|00123|ZEL/OP1|OutBound|ANN|M9|2.5|2|Bagtorn|a\rb|HUB|KA|20:10",
                               "||||||||||||||"}));
        EXPECT_EQ(rowsWithHeadingsOf(window().msgGrid3),
                  (QStringList{"Date|ptime|Origin|SlNo|CNo|Scanned@|INOUT|Bcode|PntNo|Weight|Pcs|Remarks|LoadN",
                               "2026-06-06|06:00|ZEL|9|00123|ANN/OP2|InBound|B1|P4|1|1|early|",
                               "2026-06-06|07:45|ZEL|8|00123|ANN/OP2|InBound|B1|P5|1|1||L1",
                               "||||||||||||"}));
        EXPECT_EQ(rowsWithHeadingsOf(window().msgGrid4), // looked up by manifest number, not by OTC number
                  (QStringList{"Date|Origin|Mfno|Scanned@|INOUT|Destn|OTime|OTCNo|SNo|Weight|Pcs|Remarks|AddlRemarks",
                               "2026-06-04|ZEL|00123|ZEL/OP3|OutBound|ANN|18:00|T1|1|2|1|counter|", "||||||||||||"}));
    }
    for (ui::FlexGrid* grid : grids())
        for (int col = 0; col < grid->cols(); ++col)
            EXPECT_EQ(grid->colWidth(col), grid == window().msgGrid2 ? 1100 : 1200)
                << grid->objectName().toStdString() << " " << col;
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(HeadOfficePanel, ATableThatDoesNotKnowTheNumberEmptiesItsGrid)
{
    insertScans();
    pressStatus("00123");
    headOffice("INSERT INTO DrFile VALUES ('2026-06-09', 'ZEL', '456', 'ANN', 'B1', 'DL', 'D80', 1, 'Z', 'Z', '11:00', "
               "'Kumar', 'R2')");
    pressStatus("456");
    EXPECT_EQ(window().msgGrid1->rows(), 3);
    EXPECT_EQ(window().msgGrid1->textMatrix(1, 2), "456");
    for (ui::FlexGrid* grid : {window().msgGrid2, window().msgGrid3, window().msgGrid4}) {
        EXPECT_EQ(grid->rows(), 2) << grid->objectName().toStdString();
        EXPECT_EQ(grid->cols(), 1) << grid->objectName().toStdString();
        EXPECT_EQ(rowsWithHeadingsOf(grid), QStringList({"", ""})) << grid->objectName().toStdString();
        EXPECT_EQ(grid->colWidth(0), m_designWidth) << grid->objectName().toStdString();
    }
    pressStatus("123"); // the number without its leading zeros is another number
    EXPECT_EQ(window().msgGrid1->rows(), 3);
    EXPECT_EQ(window().msgGrid1->textMatrix(1, 7), "5");
    EXPECT_EQ(window().msgGrid4->rows(), 2);
}

TEST_F(HeadOfficePanel, AFailingStatementIsReportedAndTheGridsFilledBeforeItKeepTheirRows)
{
    insertScans();
    pressStatus("00123");
    const QStringList before = rowsWithHeadingsOf(window().msgGrid1);

    core::gstrHeadOfficeServer = "NOSUCHHO";
    pressStatus("00123 9");
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_TRUE(ui::MessageBoxSeam::shown()[0].prompt.contains("NOSUCHHO")) << ui::MessageBoxSeam::shown()[0].prompt.toStdString();
    EXPECT_EQ(rowsWithHeadingsOf(window().msgGrid1), before);
    EXPECT_EQ(window().msgGrid4->rows(), 3);

    core::gstrHeadOfficeServer = "KWDHO";
    headOffice("DROP TABLE PointPod");
    headOffice("INSERT INTO CnFile (tdate, CNo, Type) VALUES ('2026-06-09', '456', 'I')");
    pressStatus("456");
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 2);
    EXPECT_TRUE(ui::MessageBoxSeam::shown()[1].prompt.contains("PointPod"));
    EXPECT_EQ(window().msgGrid1->rows(), 2); // the head office has no runsheet for 456
    EXPECT_EQ(window().msgGrid1->cols(), 1);
    EXPECT_EQ(rowText(window().msgGrid2, 1), "2026-06-09|||456||InBound|||||||||");
    EXPECT_EQ(window().msgGrid3->rows(), 4); // 00123's point-to-point scans
    EXPECT_EQ(window().msgGrid4->textMatrix(1, 2), "00123");
    EXPECT_TRUE(window().fraROStatus->isVisibleTo(&window()));
}

// The server's name is a stored setting: whatever it holds stays the one bracketed linked-server
// name, so an odd name only fails to find its server and cannot add to the statement.
TEST_F(HeadOfficePanel, TheStoredServerNameStaysOneBracketedName)
{
    execute("ZELJUN26", "INSERT INTO Invoice (ConsignmentNo, BookingDate) VALUES (7001,'2026-06-01')");
    for (const QString setting :
         {"KW]DHO", "KWDHO,2301].KWD32Server.dbo.status RM ON 1=1; DELETE FROM Invoice; --", "O'Hare"}) {
        core::gstrHeadOfficeServer = setting;
        ui::MessageBoxSeam::clearShown();
        db::StatementCapture capture;
        pressStatus("00123");
        EXPECT_EQ(capture.statements(), QStringList{consignment::headOfficeRunsheetStatement(setting, "00123")});
        ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1) << setting.toStdString();
        EXPECT_TRUE(ui::MessageBoxSeam::shown()[0].prompt.contains("'" + setting + ",2301'"))
            << ui::MessageBoxSeam::shown()[0].prompt.toStdString();
    }
    db::Connection month;
    month.open(core::ConnectionText("ZELJUN26"));
    db::Recordset invoices;
    invoices.open("SELECT COUNT(*) FROM Invoice", month);
    EXPECT_EQ(invoices.value(0).toInt(), 1);
}

TEST_F(HeadOfficePanel, ABlankNumberAsksForOneAndTheExitButtonHidesThePanel)
{
    db::StatementCapture capture;
    pressStatus("   ");
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].prompt, "Enter Consignment No");
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].title, QCoreApplication::applicationName());
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].icon(), ui::vbInformation);
    EXPECT_FALSE(window().fraROStatus->isVisibleTo(&window()));
    EXPECT_EQ(window().focusWidget(), window().txtConsignMentNo);
    EXPECT_TRUE(capture.statements().isEmpty());

    insertScans();
    pressStatus("00123");
    const QStringList shown = rowsWithHeadingsOf(window().msgGrid3);
    QTest::mouseClick(window().cmdROExit, Qt::LeftButton);
    EXPECT_FALSE(window().fraROStatus->isVisibleTo(&window()));
    EXPECT_EQ(window().focusWidget(), window().txtConsignMentNo);
    EXPECT_EQ(rowsWithHeadingsOf(window().msgGrid3), shown);
}

// Alt+R leaves the focus on the button: what the clerk types next does not reach the number box.
TEST_F(HeadOfficePanel, TheAccessKeyLeavesTheFocusOnTheButton)
{
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    QTest::keyClicks(window().txtConsignMentNo, "00123");
    QTest::keyClick(window().txtConsignMentNo, Qt::Key_R, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([] { return window().fraROStatus->isVisible(); }));
    QTest::keyClick(window().focusWidget(), Qt::Key_5);
    EXPECT_EQ(window().txtConsignMentNo->text(), "00123");
}

} // namespace
