// The mobile number search of the consignment history window: no search below five characters,
// the matches newest runsheet first and numbered, and a pick that runs the window's enquiry.

#include "support/GridText.h"
#include "support/WindowFixture.h"

#include "consignment/RunsheetStatements.h"
#include "consignment/frmConsignWiseGridQuery.h"

#include "platform/db/StatementLog.h"
#include "platform/flexgrid/FlexGrid.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using consignment::frmConsignWiseGridQuery;
using testsupport::WindowFixture;
using testsupport::rowsWithHeadingsOf;

namespace {

const QString kMonth = QStringLiteral("ZELJUN26");

class MobileSearch : public WindowFixture<frmConsignWiseGridQuery> {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        install(QDate(2026, 6, 15));
        core::gstrCompanyName = "Orvane Couriers";
        openMonth(kMonth);
        ui::WindowHost::showModal(&window());
        line(501, "OKM", "2026-06-07", "9876511111", "'D'||char(13)||char(10)||'L'");
        line(502, "BRV", "2026-06-09", "9876522222", "NULL");
        line(503, "AKL", "2026-06-09", "9876533333", "'RTO'");
        line(504, "AKL", "2026-06-12", "9876400000", "NULL");
        QTest::mouseClick(window().cmdMobile, Qt::LeftButton);
    }

    void line(qint64 number, const QString& origin, const QString& date, const QString& mobile, const QString& reason)
    {
        execute(kMonth, QStringLiteral("INSERT INTO RunsheetDetails (RunsheetNo, RunsheetDate, Origin, ConsignmentNo, "
                                       "Mobile_No, ReasonCode) VALUES (7, '%1', '%2', %3, '%4', %5)")
                            .arg(date, origin)
                            .arg(number)
                            .arg(mobile, reason));
    }
    // Puts the text into the box and releases a key there.
    static void typeInto(const QString& text)
    {
        window().txtMobileNo->setText(text);
        QTest::keyClick(window().txtMobileNo, Qt::Key_End);
    }
};

TEST_F(MobileSearch, FromFiveCharactersTheMatchesAreListedNewestFirstAndNumbered)
{
    window().msgMobile->setTextMatrix(1, 0, "kept");
    db::StatementCapture capture;
    QTest::keyClicks(window().txtMobileNo, "9876");
    EXPECT_TRUE(capture.statements().isEmpty());
    EXPECT_EQ(window().msgMobile->textMatrix(1, 0), "kept");

    QTest::keyClicks(window().txtMobileNo, "5");
    EXPECT_EQ(capture.statements().size(), 1);
    EXPECT_EQ(rowsWithHeadingsOf(window().msgMobile), QStringList({"SlNo|RSDate|Origin|CONSIGN NO|MOBILE_NO|REASON",
                                                  "1|2026-06-09|AKL|503|9876533333|RTO",
                                                  "2|2026-06-09|BRV|502|9876522222|",
                                                  "3|2026-06-07|OKM|501|9876511111|DL", "|||||"}));

    typeInto("98766"); // no match: no headings either
    EXPECT_EQ(rowsWithHeadingsOf(window().msgMobile), QStringList({"|||||", "|||||"}));
}

TEST_F(MobileSearch, TheStatementCarriesTheTrimmedTextQuoted)
{
    const std::pair<const char*, bool> cases[] = {{"98765", true}, {"  987", true}, {"98'76", true},
                                                  {"     ", false}, {"9876", false}};
    for (const auto& [typed, searched] : cases) {
        db::StatementCapture capture;
        typeInto(typed);
        EXPECT_EQ(capture.statements(),
                  searched ? QStringList(consignment::mobileMatchesStatement(typed)) : QStringList())
            << typed;
    }
}

TEST_F(MobileSearch, TheBoxKeysAndTheCloseButton)
{
    QTest::keyClicks(window().txtMobileNo, "98a7-6.5 ");
    EXPECT_EQ(window().txtMobileNo->text(), "98765 ");
    for (const char* refused : {"", "   ", "0"}) {
        ui::MessageBoxSeam::clearShown();
        window().txtMobileNo->setText(refused);
        QTest::keyClick(window().txtMobileNo, Qt::Key_Return);
        ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1) << refused;
        EXPECT_EQ(ui::MessageBoxSeam::shown()[0].prompt, "Enter Mobile No");
        EXPECT_EQ(ui::MessageBoxSeam::shown()[0].title, "Orvane Couriers");
        EXPECT_TRUE(window().txtMobileNo->text().isEmpty());
        EXPECT_EQ(window().focusWidget(), window().txtMobileNo);
    }
    QTest::keyClick(window().txtMobileNo, Qt::Key_Down);
    EXPECT_EQ(window().focusWidget(), window().msgMobile);
    QTest::keyClick(window().msgMobile, Qt::Key_Escape);
    EXPECT_EQ(window().focusWidget(), window().txtMobileNo);
    QTest::keyClick(window().txtMobileNo, Qt::Key_Escape);
    EXPECT_EQ(window().focusWidget(), window().cmdMobile_Cancel);
    EXPECT_TRUE(window().fraMobile->isVisible());
    QTest::mouseClick(window().cmdMobile_Cancel, Qt::LeftButton);
    EXPECT_FALSE(window().fraMobile->isVisible());
    EXPECT_EQ(window().focusWidget(), window().txtConsignMentNo);
}

TEST_F(MobileSearch, APickRunsTheEnquiryForThePickedNumber)
{
    typeInto("98765");
    const auto cellCentre = [](int row) {
        return window().msgMobile->visualRect(window().msgMobile->model()->index(row - 1, 0)).center();
    };
    db::StatementCapture capture;
    QTest::mouseClick(window().msgMobile->viewport(), Qt::LeftButton, {}, cellCentre(4)); // the empty last row
    EXPECT_TRUE(capture.statements().isEmpty());
    EXPECT_TRUE(window().fraMobile->isVisible());

    QTest::mouseClick(window().msgMobile->viewport(), Qt::LeftButton, {}, cellCentre(2));
    EXPECT_FALSE(window().fraMobile->isVisible());
    EXPECT_EQ(window().txtConsignMentNo->text(), "502");
    EXPECT_EQ(window().cboOrigin->currentText(), "BRV");
    EXPECT_EQ(window().msgRunsheetDetails->textMatrix(1, 1), "7"); // the runsheet line of 502 at BRV
    EXPECT_EQ(window().msgRunsheetDetails->rows(), 3);
    EXPECT_EQ(window().focusWidget(), window().cboRSDate);

    QTest::mouseClick(window().cmdMobile, Qt::LeftButton);
    typeInto("98765");
    window().msgMobile->setRow(3);
    QTest::keyClick(window().msgMobile, Qt::Key_Return);
    EXPECT_EQ(window().txtConsignMentNo->text(), "501");
    EXPECT_EQ(window().cboOrigin->currentText(), "OKM");
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

} // namespace
