// The head office's status panel of the POD query window: the station's rows of the four
// head-office tables under their headings, a table without rows for the next number, the blank
// number, the exit button, the look-up that closes the panel and a failing statement.

#include "PodQueryFixture.h"

#include "podquery/PodQueryStatements.h"

#include "platform/db/Connection.h"
#include "platform/db/StatementLog.h"
#include "platform/flexgrid/FlexGrid.h"

#include <QGroupBox>
#include <QPushButton>

using testsupport::rowsWithHeadingsOf;

namespace {

class HeadOfficePanel : public podtest::PodQueryFixture {
protected:
    void SetUp() override
    {
        PodQueryFixture::SetUp();
        core::gstrHeadOfficeServer = "KWDHO";
        m_designWidth = window().msgGrid1->colWidth(0);
    }
    static QList<ui::FlexGrid*> grids()
    {
        return {window().msgGrid1, window().msgGrid2, window().msgGrid3, window().msgGrid4};
    }
    static bool panelOpen() { return window().fraROStatus->isVisibleTo(&window()); }

    // Runs statements on the head office's tracking database.
    static void headOffice(const QString& sql)
    {
        db::Connection c;
        c.open("Data Source=KWDHO;USER ID=sa;PASSWORD=;Initial Catalog=KWD32Server");
        c.execute(sql);
    }

    static void pressStatus(const QString& number)
    {
        window().txtConsignNo->setText(number);
        QTest::mouseClick(window().cmdROStatus, Qt::LeftButton);
    }

    // Rows for "00123" in every table, with rows of another station and outbound scans that the
    // panel leaves out.
    static void insertScans()
    {
        headOffice("INSERT INTO status VALUES ('DL', 'Delivered')");
        headOffice("INSERT INTO DrFile VALUES ('2026-06-07', 'ZEL', '00123', 'ANN', 'B1', 'DL', 'D77', 3, 'R. Iyer', "
                   "'Self', '14:05', 'Kumar', 'R2'), ('2026-06-07', 'ZEL', '00123', 'ANN', NULL, 'XX', 'D70', 4, NULL, "
                   "NULL, '09:30', 'Kumar', 'R2'), ('2026-06-07', 'MAA', '00123', 'ANN', 'B1', 'DL', 'D9', 5, 'X', "
                   "'X', '10:00', 'X', 'X')");
        headOffice("INSERT INTO CnFile VALUES ('2026-06-05', 'ZEL', 1, '00123', 'ANN', 'OP1', 'I', 'ANN', 'M9', 2.5, 2, "
                   "'Bag' || char(13) || char(10) || 'torn', 'a' || char(13) || 'b' || char(10) || 'c', 'HUB', 'KA', "
                   "'20:10'), ('2026-06-04', 'ZEL', 2, '00123', 'ZEL', 'OP1', 'O', 'ANN', 'M8', 2.5, 2, NULL, NULL, "
                   "'HUB', 'KA', '19:00'), ('2026-06-05', 'MAA', 3, '00123', 'ANN', 'OP1', 'I', 'ANN', 'M9', 2.5, 2, "
                   "NULL, NULL, 'HUB', 'KA', '21:00')");
        headOffice("INSERT INTO PointPod VALUES ('2026-06-06', '07:45', 'ZEL', 8, '00123', 'ANN', 'OP2', 'I', 'B1', "
                   "'P5', 1, 1, NULL, 'L1'), ('2026-06-06', '06:00', 'ZEL', 9, '00123', 'ANN', 'OP2', 'O', 'B1', "
                   "'P4', 1, 1, 'early', NULL), ('2026-06-06', '05:00', 'MAA', 7, '00123', 'ANN', 'OP2', 'I', 'B1', "
                   "'P3', 1, 1, NULL, NULL)");
        headOffice("INSERT INTO OTCFile VALUES ('2026-06-04', 'ZEL', '00123', 'ZEL', 'OP3', 'O', 'ANN', '18:00', 'T1', 1, "
                   "2, 1, 'counter', NULL), ('2026-06-04', 'ZEL', 'M77', 'ZEL', 'OP3', 'O', 'ANN', '18:30', '00123', 2, "
                   "2, 1, NULL, NULL), ('2026-06-04', 'MAA', '00123', 'ZEL', 'OP3', 'I', 'ANN', '17:00', 'T0', 3, "
                   "2, 1, NULL, NULL)");
    }

    int m_designWidth = 0;
};

TEST_F(HeadOfficePanel, EachGridShowsTheStationsRowsUnderTheirHeadings)
{
    insertScans();
    db::StatementCapture capture;
    pressStatus(" 00123 ");
    EXPECT_EQ(capture.statements(),
              (QStringList{podquery::headOfficeDeliveriesStatement("KWDHO", "00123"),
                           podquery::headOfficeInboundScansStatement("KWDHO", "00123"),
                           podquery::headOfficePointScansStatement("KWDHO", "00123"),
                           podquery::headOfficeOtcScansStatement("KWDHO", "00123")}));
    EXPECT_TRUE(panelOpen());
    EXPECT_EQ(rowsWithHeadingsOf(window().msgGrid1),
              (QStringList{"Date|Origin|CNo|Destn|Status|Description|DRSNo|SNo|CNee|RcvdBy|DTime|Staff|DlyRoute",
                           "2026-06-07|ZEL|00123||XX||D70|4|||09:30|Kumar|R2",
                           "2026-06-07|ZEL|00123|ANN/B1|DL|Delivered|D77|3|R. Iyer|Self|14:05|Kumar|R2",
                           "||||||||||||"}));
    EXPECT_EQ(rowsWithHeadingsOf(window().msgGrid2), // inbound only; a lone CR or LF stays
              (QStringList{"Date|Origin|SNo|CNo|OPCode|INOUT|Destn|MFNo|Weight|Pcs|RmKs|AddlRmks|Hub|State|MTime",
                           "2026-06-05|ZEL|1|00123|ANN/OP1|InBound|ANN|M9|2.5|2|Bagtorn|a\rb\nc|HUB|KA|20:10",
                           "||||||||||||||"}));
    EXPECT_EQ(rowsWithHeadingsOf(window().msgGrid3),
              (QStringList{"Date|ptime|Origin|SlNo|CNo|Scanned@|INOUT|Bcode|PntNo|Weight|Pcs|Remarks|LoadN",
                           "2026-06-06|06:00|ZEL|9|00123|ANN/OP2|OutBound|B1|P4|1|1|early|",
                           "2026-06-06|07:45|ZEL|8|00123|ANN/OP2|InBound|B1|P5|1|1||L1", "||||||||||||"}));
    EXPECT_EQ(rowsWithHeadingsOf(window().msgGrid4), // by manifest number, not by OTC number
              (QStringList{"Date|Origin|Mfno|Scanned@|INOUT|Destn|OTime|OTCNo|SNo|Weight|Pcs|Remarks|AddlRemarks",
                           "2026-06-04|ZEL|00123|ZEL/OP3|OutBound|ANN|18:00|T1|1|2|1|counter|", "||||||||||||"}));
    for (ui::FlexGrid* grid : grids())
        for (int col = 0; col < grid->cols(); ++col)
            EXPECT_EQ(grid->colWidth(col), grid == window().msgGrid2 ? 1100 : 1200)
                << grid->objectName().toStdString() << " " << col;
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(HeadOfficePanel, ATableWithoutRowsForTheNextNumberEmptiesItsGrid)
{
    insertScans();
    pressStatus("00123");
    headOffice("INSERT INTO DrFile VALUES ('2026-06-09', 'ZEL', '456', 'ANN', 'B1', 'DL', 'D80', 1, 'Z', 'Z', '11:00', "
               "'Kumar', 'R2')");
    pressStatus("456");
    EXPECT_EQ(window().msgGrid1->rows(), 3);
    EXPECT_EQ(window().msgGrid1->textMatrix(1, 2), "456");
    for (ui::FlexGrid* grid : {window().msgGrid2, window().msgGrid3, window().msgGrid4}) {
        EXPECT_EQ(rowsWithHeadingsOf(grid), QStringList({"", ""})) << grid->objectName().toStdString();
        EXPECT_EQ(grid->colWidth(0), m_designWidth) << grid->objectName().toStdString();
    }
}

TEST_F(HeadOfficePanel, ABlankNumberAsksForOneAndTheExitButtonHidesThePanelWithItsRows)
{
    db::StatementCapture capture;
    pressStatus("   ");
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].prompt, "Enter Consignment No");
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].title, QCoreApplication::applicationName());
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].icon(), ui::vbInformation);
    EXPECT_FALSE(panelOpen());
    EXPECT_EQ(window().focusWidget(), window().txtConsignNo);
    EXPECT_TRUE(capture.statements().isEmpty());

    insertScans();
    pressStatus("00123");
    const QStringList shown = rowsWithHeadingsOf(window().msgGrid3);
    QTest::mouseClick(window().cmdROExit, Qt::LeftButton);
    EXPECT_FALSE(panelOpen());
    EXPECT_EQ(window().focusWidget(), window().txtConsignNo);
    EXPECT_EQ(rowsWithHeadingsOf(window().msgGrid3), shown);
}

TEST_F(HeadOfficePanel, TypingKeepsThePanelOpenAndALookUpClosesIt)
{
    pressStatus("00123");
    ASSERT_TRUE(panelOpen());
    window().txtConsignNo->clear();
    QTest::keyClicks(window().txtConsignNo, "5001");
    EXPECT_TRUE(panelOpen());
    QTest::keyClick(window().txtConsignNo, Qt::Key_Return);
    EXPECT_FALSE(panelOpen());
}

TEST_F(HeadOfficePanel, AFailingStatementIsReportedAndTheWindowStaysOpen)
{
    insertScans();
    pressStatus("00123");
    const QStringList before = rowsWithHeadingsOf(window().msgGrid1);
    core::gstrHeadOfficeServer = "NOSUCHHO";
    pressStatus("456");
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_TRUE(ui::MessageBoxSeam::shown()[0].prompt.contains("NOSUCHHO"))
        << ui::MessageBoxSeam::shown()[0].prompt.toStdString();
    EXPECT_TRUE(ui::DefaultInstance<podquery::frmPODQueryGrid>::loaded());
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(panelOpen());
    EXPECT_EQ(rowsWithHeadingsOf(window().msgGrid1), before);
}

} // namespace
