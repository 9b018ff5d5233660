// The misroute grid of the consignment history window: the statement sent for the window's
// number, origin and runsheet date, the cells of each entry, and the grid a later number without
// entries leaves.

#include "support/GridText.h"
#include "support/WindowFixture.h"

#include "consignment/ManifestStatements.h"
#include "consignment/frmConsignWiseGridQuery.h"

#include "platform/db/StatementLog.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/runtime/WallClock.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <optional>

using consignment::frmConsignWiseGridQuery;
using testsupport::WindowFixture;
using testsupport::rowText;
using testsupport::choose;

namespace {

const QString kMonth = QStringLiteral("ZELJUN26");

class MisrouteLoader : public WindowFixture<frmConsignWiseGridQuery> {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        install(QDate(2026, 6, 15));
        openMonth(kMonth);
        ui::WindowHost::showModal(&window());
        execute("ZELAdminConfig", "INSERT INTO LoginMaster (UserName, Password, BranchCode, Category) VALUES "
                                  "('RAVI', 'x', 'HO', 'Operator'), ('MEENA', 'x', 'ANN', 'Operator')");
    }

    // The window's inputs: the typed number, the origin shown and, when given, a runsheet date in
    // the date box; mRunsheetDate holds the last confirmed date either way.
    static void setInputs(const QString& number, const QString& origin, std::optional<QDate> shownDate,
                          const QDate& confirmedDate = QDate(2026, 6, 8))
    {
        window().txtConsignMentNo->setText(number);
        choose(window().cboOrigin, origin);
        choose(window().cboRSDate, shownDate ? shownDate->toString("dd-MMM-yyyy") : QString());
        window().mRunsheetDate = runtime::WallDateTime(confirmedDate);
    }

    // Lays out the grid and loads it, as the window's callers do.
    static void load()
    {
        window().FormatMisrouteGrid();
        ui::guarded([] { window().LoadIncomingMisroute(); });
    }

    void insertEntry(const QString& values)
    {
        execute(kMonth, "INSERT INTO tbl_Incoming_Misroute_Entry (Tran_Id, IMF_Date, Origin, ConNo, NoofPcs, Weight, "
                        "Misroute_Code, Misroute_Destn, Create_User, Create_Date, Create_Machine) VALUES ("
                            + values + ")");
    }
};

// A date in the date box narrows the entries to the last confirmed runsheet date.
TEST_F(MisrouteLoader, StatementFollowsTheNumberOriginAndShownRunsheetDate)
{
    const std::optional<QDateTime> confirmed = runtime::WallDateTime(QDate(2026, 6, 8));
    const struct {
        QString number, origin;
        std::optional<QDate> shownDate;
    } cases[] = {
        {"00123", "", {}}, {"123", " ZEL ", {}}, {"123", "ZEL", QDate(2026, 6, 7)}, {"123", "", QDate(2026, 6, 7)},
    };
    for (const auto& c : cases) {
        setInputs(c.number, c.origin, c.shownDate);
        window().FormatMisrouteGrid();
        db::StatementCapture capture;
        ui::guarded([] { window().LoadIncomingMisroute(); });
        EXPECT_EQ(capture.statements(), QStringList{consignment::incomingMisrouteStatement(
                                            "123", c.origin, c.shownDate ? confirmed : std::nullopt)})
            << (c.number + "/" + c.origin).toStdString();
    }
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(MisrouteLoader, EntriesOfKnownUsersAreListedInTransactionOrder)
{
    insertEntry("17, '2026-06-08', 'ZEL', 123, 2, 2.5, 'MR1', 'ANN', 'RAVI', '2026-06-08 09:15:00', 'WS-04'");
    insertEntry("12, '2026-06-07', 'ZEL', 123, NULL, 1, 'MR2', NULL, 'MEENA', '2026-06-07 18:00:00', NULL");
    insertEntry("14, '2026-06-07', 'ZEL', 123, 1, 1, 'MR3', 'KLR', 'GHOST', '2026-06-07 19:00:00', 'WS-01'");
    insertEntry("15, '2026-06-08', 'KWD', 123, 1, 0.25, 'MR4', 'KLR', 'RAVI', '2026-06-08 10:00:00', 'WS-02'");
    insertEntry("16, '2026-06-08', 'ZEL', 999, 1, 1, 'MR5', 'KLR', 'RAVI', '2026-06-08 11:00:00', 'WS-02'");
    const ui::FlexGrid* grid = window().msgMisroute;

    setInputs("123", "ZEL", {});
    load();
    ASSERT_EQ(grid->rows(), 4);
    EXPECT_EQ(rowText(grid, 1), "07-06-26 -Sunday - ANN||1.000|MR2||MEENA|2026-06-07 18:00:00 - ");
    EXPECT_EQ(rowText(grid, 2), "08-06-26 -Monday - HO|2|2.500|MR1|ANN|RAVI|2026-06-08 09:15:00 - WS-04");
    EXPECT_EQ(rowText(grid, 3), "||||||");

    setInputs("123", "", {}); // every origin; the unknown user's entry never
    load();
    ASSERT_EQ(grid->rows(), 5);
    EXPECT_EQ(grid->textMatrix(1, 3), "MR2");
    EXPECT_EQ(grid->textMatrix(2, 3), "MR4");
    EXPECT_EQ(grid->textMatrix(3, 3), "MR1");

    setInputs("123", "", QDate(2026, 6, 8), QDate(2026, 6, 7)); // the confirmed date counts, not the shown one
    load();
    ASSERT_EQ(grid->rows(), 3);
    EXPECT_EQ(grid->textMatrix(1, 3), "MR2");
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(MisrouteLoader, ALaterNumberWithoutEntriesLeavesTheHeadingsAndOneEmptyRow)
{
    insertEntry("1, '2026-06-08', 'ZEL', 123, 2, 2.5, 'MR1', 'ANN', 'RAVI', '2026-06-08 09:15:00', 'WS-04'");
    execute(kMonth, "INSERT INTO Run_Manifest (ManifestDate, Origin, ConsignmentNo) VALUES ('2026-06-05', 'ZEL', 456)");
    const ui::FlexGrid* grid = window().msgMisroute;

    for (const auto& [number, rows] : {std::pair{"123", 3}, std::pair{"456", 2}}) {
        window().txtConsignMentNo->setText(number);
        QTest::keyClick(window().txtConsignMentNo, Qt::Key_Return);
        ASSERT_EQ(window().cboOrigin->currentText(), "ZEL") << number;
        QTest::keyClick(window().cboOrigin, Qt::Key_Return);
        ASSERT_EQ(grid->rows(), rows) << number;
        EXPECT_EQ(grid->textMatrix(0, 0), "IMF Date") << number;
    }
    EXPECT_EQ(rowText(grid, 1), "||||||");
}

TEST_F(MisrouteLoader, AFailingStatementIsReportedAndTheLayoutStays)
{
    execute(kMonth, "DROP TABLE tbl_Incoming_Misroute_Entry");
    setInputs("123", "ZEL", {});
    load();
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_TRUE(ui::MessageBoxSeam::shown()[0].prompt.contains("tbl_Incoming_Misroute_Entry"));
    EXPECT_EQ(window().msgMisroute->rows(), 2);
    EXPECT_EQ(window().msgMisroute->textMatrix(0, 6), "Create Date");
}

} // namespace
