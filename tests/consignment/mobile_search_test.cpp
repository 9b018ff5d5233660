// The mobile number search of the consignment history window: no search below five characters,
// the matches newest runsheet first and numbered, and a pick that runs the window's enquiry.

#include "support/CoreFixture.h"

#include "consignment/frmConsignWiseGridQuery.h"

#include "platform/db/StatementLog.h"
#include "platform/flexgrid/FlexGrid.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using consignment::frmConsignWiseGridQuery;
using testsupport::CoreFixture;

namespace {

const QString kMonth = QStringLiteral("ZELJUN26");

QStringList RowsOf(const ui::FlexGrid* grid)
{
    QStringList rows;
    for (int row = 0; row < grid->rows(); ++row) {
        QStringList cells;
        for (int col = 0; col < grid->cols(); ++col)
            cells << grid->textMatrix(row, col);
        rows << cells.join(u'|');
    }
    return rows;
}

class MobileSearch : public CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        install(QDate(2026, 6, 15));
        core::gstrCompanyName = "Orvane Couriers";
        openMonth(kMonth);
        ui::WindowHost::showModal(&w());
        line(501, "OKM", "2026-06-07", "9876511111", "'D'||char(13)||char(10)||'L'");
        line(502, "BRV", "2026-06-09", "9876522222", "NULL");
        line(503, "AKL", "2026-06-09", "9876533333", "'RTO'");
        line(504, "AKL", "2026-06-12", "9876400000", "NULL");
        QTest::mouseClick(w().cmdMobile, Qt::LeftButton);
    }
    void TearDown() override
    {
        ui::DefaultInstance<frmConsignWiseGridQuery>::unload();
        CoreFixture::TearDown();
    }
    static frmConsignWiseGridQuery& w() { return ui::DefaultInstance<frmConsignWiseGridQuery>::get(); }

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
        w().txtMobileNo->setText(text);
        QTest::keyClick(w().txtMobileNo, Qt::Key_End);
    }
};

TEST_F(MobileSearch, FromFiveCharactersTheMatchesAreListedNewestFirstAndNumbered)
{
    w().msgMobile->setTextMatrix(1, 0, "kept");
    db::StatementCapture capture;
    QTest::keyClicks(w().txtMobileNo, "9876");
    EXPECT_TRUE(capture.statements().isEmpty());
    EXPECT_EQ(w().msgMobile->textMatrix(1, 0), "kept");

    QTest::keyClicks(w().txtMobileNo, "5");
    EXPECT_EQ(capture.statements().size(), 1);
    EXPECT_EQ(RowsOf(w().msgMobile), QStringList({"SlNo|RSDate|Origin|CONSIGN NO|MOBILE_NO|REASON",
                                                  "1|2026-06-09|AKL|503|9876533333|RTO",
                                                  "2|2026-06-09|BRV|502|9876522222|",
                                                  "3|2026-06-07|OKM|501|9876511111|DL", "|||||"}));

    typeInto("98766"); // no match: no headings either
    EXPECT_EQ(RowsOf(w().msgMobile), QStringList({"|||||", "|||||"}));
}

TEST_F(MobileSearch, TheStatementCarriesTheTrimmedTextQuoted)
{
    const std::pair<const char*, const char*> cases[] = {
        {"98765", "'98765%'"}, {"  987", "'987%'"}, {"9 8 7", "'9 8 7%'"}, {"98'76", "'98''76%'"}, {"     ", nullptr},
        {"9876", nullptr}};
    for (const auto& [typed, pattern] : cases) {
        db::StatementCapture capture;
        typeInto(typed);
        if (!pattern) {
            EXPECT_TRUE(capture.statements().isEmpty()) << typed;
            continue;
        }
        EXPECT_EQ(capture.statements(),
                  QStringList(QStringLiteral(
                                  "SELECT ROW_NUMBER() OVER(ORDER BY RUNSHEETDATE DESC,ORIGIN,CONSIGNMENTNO) AS 'SlNo',"
                                  "Convert(Varchar(10),RunsheetDate,120) as RSDate,Origin,CONSIGNMENTNO AS [CONSIGN NO],"
                                  "MOBILE_NO,ReasonCode AS REASON From RunsheetDetails WHERE MOBILE_NO<>'' AND MOBILE_NO "
                                  "LIKE %1  ORDER BY RUNSHEETDATE DESC,ORIGIN,CONSIGNMENTNO")
                                  .arg(QLatin1String(pattern))))
            << typed;
    }
}

TEST_F(MobileSearch, TheBoxKeysAndTheCloseButton)
{
    QTest::keyClicks(w().txtMobileNo, "98a7-6.5 ");
    EXPECT_EQ(w().txtMobileNo->text(), "98765 ");
    for (const char* refused : {"", "   ", "0"}) {
        ui::MessageBoxSeam::clearShown();
        w().txtMobileNo->setText(refused);
        QTest::keyClick(w().txtMobileNo, Qt::Key_Return);
        ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1) << refused;
        EXPECT_EQ(ui::MessageBoxSeam::shown()[0].prompt, "Enter Mobile No");
        EXPECT_EQ(ui::MessageBoxSeam::shown()[0].title, "Orvane Couriers");
        EXPECT_TRUE(w().txtMobileNo->text().isEmpty());
        EXPECT_EQ(w().focusWidget(), w().txtMobileNo);
    }
    QTest::keyClick(w().txtMobileNo, Qt::Key_Down);
    EXPECT_EQ(w().focusWidget(), w().msgMobile);
    QTest::keyClick(w().msgMobile, Qt::Key_Escape);
    EXPECT_EQ(w().focusWidget(), w().txtMobileNo);
    QTest::keyClick(w().txtMobileNo, Qt::Key_Escape);
    EXPECT_EQ(w().focusWidget(), w().cmdMobile_Cancel);
    EXPECT_TRUE(w().fraMobile->isVisible());
    QTest::mouseClick(w().cmdMobile_Cancel, Qt::LeftButton);
    EXPECT_FALSE(w().fraMobile->isVisible());
    EXPECT_EQ(w().focusWidget(), w().txtConsignMentNo);
}

TEST_F(MobileSearch, APickRunsTheEnquiryForThePickedNumber)
{
    typeInto("98765");
    const auto cellCentre = [](int row) {
        return w().msgMobile->visualRect(w().msgMobile->model()->index(row - 1, 0)).center();
    };
    db::StatementCapture capture;
    QTest::mouseClick(w().msgMobile->viewport(), Qt::LeftButton, {}, cellCentre(4)); // the empty last row
    EXPECT_TRUE(capture.statements().isEmpty());
    EXPECT_TRUE(w().fraMobile->isVisible());

    QTest::mouseClick(w().msgMobile->viewport(), Qt::LeftButton, {}, cellCentre(2));
    EXPECT_FALSE(w().fraMobile->isVisible());
    EXPECT_EQ(w().txtConsignMentNo->text(), "502");
    EXPECT_EQ(w().cboOrigin->currentText(), "BRV");
    EXPECT_EQ(w().msgRunsheetDetails->textMatrix(1, 1), "7"); // the runsheet line of 502 at BRV
    EXPECT_EQ(w().msgRunsheetDetails->rows(), 3);
    EXPECT_EQ(w().focusWidget(), w().cboRSDate);

    QTest::mouseClick(w().cmdMobile, Qt::LeftButton);
    typeInto("98765");
    w().msgMobile->setRow(3);
    QTest::keyClick(w().msgMobile, Qt::Key_Return);
    EXPECT_EQ(w().txtConsignMentNo->text(), "501");
    EXPECT_EQ(w().cboOrigin->currentText(), "OKM");
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

} // namespace
