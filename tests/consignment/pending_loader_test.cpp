// The pending grid of the consignment history window: pending documents, the caption row and the
// miscellaneous entries below it, selected by the consignment number alone.

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

const QString kEmpty = "|||||";
const QString kCaption = "|Misscellaneous||||";

class PendingLoader : public WindowFixture<frmConsignWiseGridQuery> {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        install(QDate(2026, 6, 15));
        openMonth("ZELJUN26");
    }

    void insert(const QString& table, const QString& values)
    {
        execute("ZELJUN26", "INSERT INTO " + table
                                + " (PendingDate, SerialNo, ConsignmentNo, BranchCode, Remarks, CreateDate, "
                                  "CreateUser, MachineId) VALUES ("
                                + values + ")");
    }
    static QStringList load(const QString& number)
    {
        window().txtConsignMentNo->setText(number);
        ui::guarded([] { window().LoadPendingDocuments(); });
        return rowsOf(window().msgPending);
    }
};

TEST_F(PendingLoader, StatementsUseTheNumberAloneWhateverOriginAndDate)
{
    window().cboOrigin->addItem("ZEL");
    window().cboRSDate->addItem("07-Jun-2026");
    window().mRunsheetDate = runtime::WallDateTime(QDate(2026, 6, 7));
    db::StatementCapture capture;
    load("000987");
    EXPECT_EQ(capture.statements(),
              (QStringList{consignment::pendingDocumentsStatement("987"), consignment::miscellaneousStatement("987")}));
}

TEST_F(PendingLoader, PendingDocumentsThenTheCaptionThenMiscellaneousEntries)
{
    insert("PendingDoc", "'2026-06-07', 2, 987, 'ANN', 'Door locked', '2026-06-07 17:20:00', 'RAVI', 'PC01'");
    insert("PendingDoc", "'2026-06-07', 1, 987, NULL, NULL, NULL, NULL, NULL");
    insert("PendingDoc", "'2026-06-07', 1, 988, 'ANN', 'Other number', NULL, 'RAVI', 'PC01'");
    insert("Misscellaneous", "'2026-06-09', 4, 987, 'KLR', 'Held', '2026-06-09 10:00:00', 'MEENA', 'PC02'");

    EXPECT_EQ(load("987"), (QStringList{
                               "1|07-06-26 -Sunday||||- ",
                               "2|07-06-26 -Sunday|ANN|Door locked|2026-06-07 17:20:00|RAVI- PC01",
                               kEmpty,
                               kCaption,
                               "4|09-06-26 -Tuesday|KLR|Held|2026-06-09 10:00:00|", // never a user or workstation
                               kEmpty,
                           }));
    EXPECT_EQ(window().msgPending->textMatrix(0, 5), "User-System");
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(PendingLoader, TheCaptionRowStandsAlsoWithoutPendingDocuments)
{
    insert("Misscellaneous", "'2026-06-09', 4, 987, 'KLR', NULL, '2026-06-09 10:00:00', NULL, NULL");
    EXPECT_EQ(load("987"), (QStringList{kEmpty, kCaption, "4|09-06-26 -Tuesday|KLR||2026-06-09 10:00:00|", kEmpty}));

    // Each call replaces the whole grid: a number without entries leaves only the caption.
    EXPECT_EQ(load("555"), (QStringList{kEmpty, kCaption, kEmpty}));
}

TEST_F(PendingLoader, AFailingMiscellaneousStatementKeepsThePendingRowsAndTheCaption)
{
    insert("PendingDoc", "'2026-06-07', 1, 987, 'ANN', NULL, NULL, 'RAVI', NULL");
    execute("ZELJUN26", "DROP TABLE Misscellaneous");
    EXPECT_EQ(load("987"), (QStringList{"1|07-06-26 -Sunday|ANN|||RAVI- ", kEmpty, kCaption, kEmpty}));
    EXPECT_EQ(ui::MessageBoxSeam::shown().size(), 1);
}

} // namespace
