// The SMS grid of the consignment history window: the messages of the number and origin in the
// order they were registered, one row each, every value in its own cell.

#include "support/GridText.h"
#include "support/WindowFixture.h"

#include "consignment/RegisterStatements.h"
#include "consignment/frmConsignWiseGridQuery.h"

#include "platform/db/StatementLog.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/runtime/WallClock.h"

#include <QComboBox>
#include <QLineEdit>

using consignment::frmConsignWiseGridQuery;
using testsupport::WindowFixture;
using testsupport::rowsOf;

namespace {

class SmsLoader : public WindowFixture<frmConsignWiseGridQuery> {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        install(QDate(2026, 12, 15));
        openMonth("ZELDEC26");
    }

    void message(int id, const QString& origin, const QString& date, const QString& body, const QString& sent)
    {
        execute("ZELAdminConfig", QStringLiteral("INSERT INTO TBL_SMS_CONSIGNMENT_DETAILS (Tran_Id, Tran_Date, "
                                                 "CONSIGNMENTNO, ORIGIN, TO_MOBILE_NO, BODY_TEXT, SENT_DATETIME, "
                                                 "SENT_MESSAGE) VALUES (%1, '%2', 701, '%3', '98765%1', %4, %5, 'SENT')")
                                      .arg(id)
                                      .arg(date, origin, body, sent));
    }
    static QStringList load(const QString& number, const QString& origin)
    {
        window().txtConsignMentNo->setText(number);
        window().cboOrigin->setEditText(origin);
        ui::guarded([] { window().LoadSmsDetails(); });
        return rowsOf(window().msgGridSms);
    }
};

TEST_F(SmsLoader, TheStatementFiltersByTheNumberAndOriginGiven)
{
    window().cboRSDate->addItem("07-Dec-2026"); // the runsheet date does not filter the messages
    window().mRunsheetDate = runtime::WallDateTime(QDate(2026, 12, 7));
    const char* cases[][3] = {
        {"000701", "  OKM ", "701"}, // typed, origin, the number the statement takes ("" for none)
        {"  ", "O'K", ""},
        {"", "", ""},
    };
    for (const auto& [typed, origin, number] : cases) {
        db::StatementCapture capture;
        load(typed, origin);
        EXPECT_EQ(capture.statements(), QStringList(consignment::smsStatement(number, origin))) << typed << "/" << origin;
    }
}

TEST_F(SmsLoader, OneRowPerMessageInRegisterOrderEachValueInItsCell)
{
    EXPECT_EQ(load("701", "OKM"), QStringList({"||||"})); // no message: headings and one empty row
    EXPECT_EQ(window().msgGridSms->textMatrix(0, 2), "Body Text");

    message(3, "OKM", "2026-12-07", "'Out for delivery'", "'2026-12-07 09:15:00'");
    message(1, "OKM", "2026-12-06", "'Booked'||char(9)||'at counter'", "NULL");
    message(2, "OKM", "2026-12-06", "'Line one'||char(13)||char(10)||'line two'", "'2026-12-06 18:40:05'");
    message(4, "BRV", "2026-12-08", "NULL", "NULL");

    EXPECT_EQ(load("701", "OKM"), QStringList({"06-12-2026|987651|Booked\tat counter||SENT",
                                               "06-12-2026|987652|Line one\r\nline two|2026-12-06 18:40:05|SENT",
                                               "07-12-2026|987653|Out for delivery|2026-12-07 09:15:00|SENT"}));
    EXPECT_EQ(window().msgGridSms->textMatrix(0, 0), "T Date");
    EXPECT_EQ(window().msgGridSms->row(), 1);
    EXPECT_TRUE(window().msgGridSms->isVisibleTo(&window()));
    for (int row = 0; row < 4; ++row)
        EXPECT_NEAR(window().msgGridSms->rowHeight(row), 400, 15) << row; // 400 twips, whole pixels

    // without an origin every origin's messages of the number are listed
    EXPECT_EQ(load("701", "").size(), 4);
    EXPECT_EQ(window().msgGridSms->textMatrix(4, 1), "987654");
}

} // namespace
