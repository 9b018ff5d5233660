// The returned-documents grid of the consignment history window: the received non-delivery
// documents of the number, for the chosen origin or every origin, laid out afresh on each call.

#include "support/GridText.h"
#include "support/WindowFixture.h"

#include "consignment/NonDeliveryStatements.h"
#include "consignment/frmConsignWiseGridQuery.h"

#include "platform/db/StatementLog.h"
#include "platform/flexgrid/FlexGrid.h"

#include <QComboBox>
#include <QLineEdit>

using consignment::frmConsignWiseGridQuery;
using testsupport::WindowFixture;
using testsupport::rowsOf;

namespace {

const QString kMonth = QStringLiteral("ZELJUN26");

const QString kEmpty = "|||||||";

class ReturnedDocuments : public WindowFixture<frmConsignWiseGridQuery> {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        install(QDate(2026, 6, 15));
        openMonth(kMonth);
    }

    void document(const QString& values)
    {
        execute(kMonth, "INSERT INTO Run_NonDel_Received_Details (Received_Date, Origin, ConsignmentNo, BranchCode, "
                        "ReceivedBy, Remarks, Doc_Status, Create_Date, Create_User, Machine_Id) VALUES ("
                            + values + ")");
    }
    static QStringList load(const QString& origin, const QString& number)
    {
        window().cboOrigin->setEditable(true);
        window().cboOrigin->setEditText(origin);
        window().txtConsignMentNo->setText(number);
        ui::guarded([] { window().LoadReturnedDocuments(); });
        QStringList rows = rowsOf(window().msgRtnDocs);
        std::sort(rows.begin(), rows.end() - 1); // the statement has no order; the empty row stays last
        return rows;
    }
};

TEST_F(ReturnedDocuments, StatementHasTheOriginClauseOnlyForAnOrigin)
{
    for (const QString origin : {" ZEL ", "  "}) {
        db::StatementCapture capture;
        load(origin, "000123");
        EXPECT_EQ(capture.statements(), QStringList{consignment::returnedDocumentsStatement("123", origin)})
            << origin.toStdString();
    }
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(ReturnedDocuments, CellsOfTheOriginsDocuments)
{
    document("'2026-06-07', 'ZEL', 12345678, 'ANN', 'Meena', 'Refused', 'Returned', '2026-06-07 17:20:00', 'RAVI', 'PC01'");
    document("'2026-06-09', 'ZEL', 12345678, 'ANN', 'Meena', NULL, NULL, NULL, NULL, 'WS-04'");
    document("'2026-06-10', 'ZEL', 12345678, 'KLR', 'Arun', NULL, NULL, NULL, NULL, NULL");
    document("'2026-06-08', 'OBK', 12345678, 'OBK', 'Suma', NULL, 'Held', NULL, 'MEENA', NULL");
    document("'2026-06-08', 'ZEL', 12345679, 'ANN', 'Other number', NULL, NULL, NULL, NULL, NULL");

    EXPECT_EQ(load("ZEL", "12345678"),
              (QStringList{"07-Jun-2026|ANN|ZEL12345678|Meena|Refused|Returned|2026-06-07 17:20:00|RAVI- PC01",
                           "09-Jun-2026|ANN|ZEL12345678|Meena||||- WS-04",
                           "10-Jun-2026|KLR|ZEL12345678|Arun||||- ",
                           kEmpty}));
    // Without an origin every origin's documents are listed, told apart by their prefix.
    EXPECT_EQ(load("", "12345678"),
              (QStringList{"07-Jun-2026|ANN|ZEL12345678|Meena|Refused|Returned|2026-06-07 17:20:00|RAVI- PC01",
                           "08-Jun-2026|OBK|OBK12345678|Suma||Held||MEENA- ",
                           "09-Jun-2026|ANN|ZEL12345678|Meena||||- WS-04",
                           "10-Jun-2026|KLR|ZEL12345678|Arun||||- ",
                           kEmpty}));
    EXPECT_EQ(window().msgRtnDocs->textMatrix(0, 7), "Create User");
}

TEST_F(ReturnedDocuments, ALaterNumberWithoutDocumentsResetsTheGrid)
{
    document("'2026-06-07', 'ZEL', 123, 'ANN', 'Meena', NULL, NULL, NULL, 'RAVI', 'PC01'");
    EXPECT_EQ(load("ZEL", "123").size(), 2);
    EXPECT_EQ(load("ZEL", "124"), QStringList{kEmpty});
    EXPECT_EQ(window().msgRtnDocs->textMatrix(0, 0), "Date");
}

TEST_F(ReturnedDocuments, AFailingStatementShowsItsErrorOverTheEmptyLayout)
{
    document("'2026-06-07', 'ZEL', 123, 'ANN', 'Meena', NULL, NULL, NULL, 'RAVI', 'PC01'");
    load("ZEL", "123");
    execute(kMonth, "DROP TABLE Run_NonDel_Received_Details");
    EXPECT_EQ(load("ZEL", "123"), QStringList{kEmpty});
    EXPECT_EQ(ui::MessageBoxSeam::shown().size(), 1);
}

} // namespace
