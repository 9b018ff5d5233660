// The POD query window's search by booking date, mode, party and consignee name, driven by keys
// and clicks on its controls in the central variant: the three modes, the party list, the name box
// searching on every key release, and a taken row looking its number up.

#include "PodQueryFixture.h"

#include "platform/db/StatementLog.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/ui/DatePicker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>

using testsupport::itemsOf;
using testsupport::rowsOf;

namespace {

class PodFind : public podtest::PodQueryFixture {
protected:
    void SetUp() override
    {
        PodQueryFixture::SetUp();
        // the search belongs to the central installation's window: it is loaded there afresh
        ui::DefaultInstance<podquery::frmPODQueryGrid>::unload();
        core::gblnCentralMode = true;
        ui::WindowHost::showModal(&window());
        window().activateWindow(); // focus events reach the controls
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        QTest::mouseClick(window().chkSelect, Qt::LeftButton);
    }

    // A booking of the picker's date, 17 June 2026, of the mode (Paid or Acct. Party); values in SQL.
    void dayBooking(qint64 number, const QString& mode, const QString& party, const QString& toAddress1,
                    const QStringList& more = {})
    {
        booking(number, QStringList{"BookingDate='2026-06-17'", "TransactionMode='" + mode + "'",
                                    "PartyCode=" + party, "ToAddress1=" + toAddress1} + more);
    }
    // Picks the mode from the list and confirms it with Enter.
    static void chooseMode(const QString& mode)
    {
        window().cboBMode->setCurrentIndex(window().cboBMode->findText(mode));
        QTest::keyClick(window().cboBMode, Qt::Key_Return);
    }
    // Empties the name box and types the text key by key; an empty text is a Backspace in the box.
    static QStringList search(const QString& text)
    {
        window().txtTAdds->clear();
        if (text.isEmpty())
            QTest::keyClick(window().txtTAdds, Qt::Key_Backspace);
        QTest::keyClicks(window().txtTAdds, text);
        return rowsOf(window().msgFind);
    }
    static QStringList prompts()
    {
        QStringList texts;
        for (const ui::ShownMessage& m : ui::MessageBoxSeam::shown())
            texts << m.prompt;
        ui::MessageBoxSeam::clearShown();
        return texts;
    }
};

TEST_F(PodFind, EachModeListsItsBookingsOfTheDateInNameOrder)
{
    dayBooking(101, "Paid", "NULL", "'RAVI STORES'");
    dayBooking(102, "Paid", "NULL", "''"); // no first consignee line: listed in the credit mode only
    dayBooking(103, "Paid", "NULL", "'RAJ'");
    dayBooking(104, "Acct. Party", "'P-17'", "'RANI TEX'");
    dayBooking(105, "Acct. Party", "'P-17'", "NULL");
    dayBooking(106, "Acct. Party", "'GLOBALTRADE01'", "'ROSE'");
    dayBooking(107, "Acct. Party", "'GLOBALTRADE02'", "'RUBY'"); // the same first 10 characters
    dayBooking(108, "Paid", "NULL", "'RAM'", {"CancelStatus=1"});
    booking(109, {"BookingDate='2026-06-16'", "ToAddress1='RAMU'"});

    struct Case {
        const char* mode;
        int party; // the party list's item chosen in the credit mode (GLOBALTRADE01, 02, P-17)
        const char* typed;
        QStringList numbers;
    };
    const Case cases[] = {
        {" ", -1, "", {"103", "104", "101", "106", "107"}}, {" ", -1, "ra", {"103", "104", "101"}},
        {"Cash", -1, "", {"103", "101"}},                   {"Cash", -1, "RAV", {"101"}},
        {"Credit", 0, "", {"106"}},                          {"Credit", 1, "", {"107"}},
        {"Credit", 2, "", {"105", "104"}},                   {"Credit", 2, "RANI", {"104"}},
        {"Cash", -1, "Z", {""}}, // nothing found: the heading row and one blank row
        {"Credit", 2, "", {"105", "104"}},
    };
    for (const Case& c : cases) {
        chooseMode(c.mode);
        if (c.party >= 0)
            window().cboPCode->setCurrentIndex(c.party);
        search(c.typed);
        QStringList numbers;
        for (int row = 1; row < window().msgFind->rows(); ++row)
            numbers << window().msgFind->textMatrix(row, 1);
        EXPECT_EQ(numbers, c.numbers) << c.mode << "/" << c.party << "/" << c.typed;
    }
    EXPECT_EQ(search("RANI"), QStringList({"17-Jun-26|104|RANI TEX"})); // P-17's again
    EXPECT_EQ(search(""), QStringList({"17-Jun-26|105|", "17-Jun-26|104|RANI TEX"})); // a Null line shows empty
    EXPECT_EQ(testsupport::rowText(window().msgFind, 0), "Bk Date|Consign No.|To Adds 1");
}

TEST_F(PodFind, ThePartyListShowsCodesAndNamesInFixedFieldsAndSearchesByTheWholeCode)
{
    chooseMode(" ");
    EXPECT_EQ(prompts(), QStringList({"Select Booking Mode"}));
    chooseMode("Credit"); // no account-party booking yet: nothing to choose
    EXPECT_EQ(prompts(), QStringList({"There is No Account Party Booking Details."}));
    EXPECT_EQ(window().cboPCode->currentIndex(), -1);
    QTest::keyClick(window().cboPCode, Qt::Key_Return);
    EXPECT_EQ(prompts(), QStringList({"Select Party Code"}));

    const QString longName = "FromAddress1='Sundaram Brothers Export and Import Agencies'";
    dayBooking(201, "Acct. Party", "'GLOBALTRADE01'", "'ROSE'", {longName});
    dayBooking(202, "Acct. Party", "'P-17'", "'RANI'", {"FromAddress1='Lakshmi Traders'"});
    dayBooking(203, "Acct. Party", "NULL", "'RAMA'", {"FromAddress1=NULL"});
    dayBooking(204, "Acct. Party", "'KW-1'", "'RONY'", {"FromAddress1='Kaveri'", "BranchCode='KWD'"});
    dayBooking(205, "Acct. Party", "'GLOBALTRADE01'", "'RIYA'", {longName, "BookingDate='2026-06-16'"});
    chooseMode("Credit");
    EXPECT_EQ(itemsOf(window().cboPCode),
              QStringList({QString(10, ' ') + "-" + QString(30, ' '), "GLOBALTRAD-Sundaram Brothers Export and I",
                           "KW-1      -Kaveri                        ", "P-17      -Lakshmi Traders               "}));
    EXPECT_EQ(window().cboPCode->currentIndex(), 0);
    EXPECT_EQ(window().focusWidget(), window().cboPCode);
    EXPECT_TRUE(prompts().isEmpty());

    window().cboPCode->setCurrentIndex(1);
    EXPECT_EQ(search(""), QStringList({"17-Jun-26|201|ROSE"}));
    // another date keeps the list until Credit is confirmed again
    window().dtpBookingDate->setValue(QDateTime(QDate(2026, 6, 16), QTime()));
    EXPECT_EQ(search(""), QStringList({"16-Jun-26|205|RIYA"}));

    // a branch's own window lists the parties of the user's branch only
    window().dtpBookingDate->setValue(QDateTime(QDate(2026, 6, 17), QTime()));
    core::gblnPodImageMode = false;
    core::gstrUserBranchCode = "VLM";
    chooseMode("Credit");
    EXPECT_FALSE(itemsOf(window().cboPCode).join("").contains("KW-1"));
    chooseMode("Cash");
    EXPECT_FALSE(window().cboPCode->isEnabled());
}

TEST_F(PodFind, TheNameBoxSearchesOnEveryKeyReleaseWithTheTypedTextTakenLiterally)
{
    for (auto [number, line] : {std::pair{401, "'50% OFF'"}, {402, "'50X OFF'"}, {403, "'A_B'"}, {404, "'AXB'"},
                                {405, "'[A] ROAD'"}, {406, "'A ROAD'"}, {407, "'O''BRIEN'"}})
        dayBooking(number, "Paid", "NULL", line);
    chooseMode("Cash");

    db::StatementCapture capture;
    EXPECT_EQ(search("o'b"), QStringList({"17-Jun-26|407|O'BRIEN"}));
    EXPECT_EQ(window().txtTAdds->text(), "O'B");
    EXPECT_EQ(capture.statements().size(), 3);
    EXPECT_EQ(search("50%"), QStringList({"17-Jun-26|401|50% OFF"}));
    EXPECT_EQ(search("A_"), QStringList({"17-Jun-26|403|A_B"}));
    EXPECT_EQ(search("[A"), QStringList({"17-Jun-26|405|[A] ROAD"}));
    QTest::keyClick(window().txtTAdds, Qt::Key_Backspace);
    QTest::keyClick(window().txtTAdds, Qt::Key_Backspace); // the box is empty: every booking
    EXPECT_EQ(window().msgFind->rows(), 1 + 7);
    EXPECT_TRUE(prompts().isEmpty());
}

TEST_F(PodFind, ATakenRowIsLookedUpAsEnterInTheNumberBoxAndABlankCellTakesNothing)
{
    dayBooking(501, "Acct. Party", "'P-17'", "'RANI TEX'");
    dayBooking(502, "Acct. Party", "'P-17'", "NULL");
    chooseMode("Credit");
    ASSERT_EQ(search("").size(), 2);
    ui::FlexGrid* grid = window().msgFind;
    const auto doubleClick = [grid](int row, int col) { // the first press makes the cell current
        const QPoint centre = grid->visualRect(grid->model()->index(row - 1, col)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centre);
    };

    db::StatementCapture capture;
    doubleClick(1, 2); // 502's empty line
    EXPECT_TRUE(capture.statements().isEmpty());
    doubleClick(2, 1);
    EXPECT_EQ(window().txtConsignNo->text(), "501");
    EXPECT_EQ(window().lblToAddress1->text(), "RANI TEX");
    EXPECT_EQ(window().focusWidget(), window().txtConsignNo);
    EXPECT_TRUE(window().fraFind->isVisible());

    grid->setFocus();
    EXPECT_TRUE(window().lblFindStatus->isVisible());
    grid->setRow(1);
    grid->setCol(1);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(window().txtConsignNo->text(), "502");
    EXPECT_EQ(window().lblToAddress1->text(), "--");
    EXPECT_FALSE(window().lblFindStatus->isVisible());
    EXPECT_TRUE(prompts().isEmpty());
}

TEST_F(PodFind, AFailingSearchIsReportedAndTheWindowStaysOpen)
{
    chooseMode("Cash");
    core::gcnnMonth.close();
    QTest::keyClick(window().txtTAdds, Qt::Key_R);
    chooseMode("Credit");
    const QStringList shown = prompts();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[0].contains("closed") && shown[1].contains("closed"));
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(window().fraFind->isVisible());
    QTest::keyClick(window().txtTAdds, Qt::Key_Escape);
    EXPECT_EQ(window().focusWidget(), window().txtConsignNo);
    QTest::mouseClick(window().chkSelect, Qt::LeftButton);
    EXPECT_FALSE(window().fraFind->isVisible());
}

} // namespace
