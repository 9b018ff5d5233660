// The manifest grids of the consignment history window: the statements sent for the window's
// number, origin and runsheet date, and the cells written for local, branch local and incoming
// manifest rows.

#include "support/GridText.h"
#include "support/WindowFixture.h"

#include "consignment/ManifestStatements.h"
#include "consignment/frmConsignWiseGridQuery.h"

#include "platform/db/StatementLog.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/runtime/WallClock.h"

#include <QComboBox>
#include <QLineEdit>
#include <optional>

using consignment::frmConsignWiseGridQuery;
using testsupport::WindowFixture;
using testsupport::rowText;
using testsupport::choose;

namespace {

class ManifestLoaders : public WindowFixture<frmConsignWiseGridQuery> {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        install(QDate(2026, 6, 15));
        openMonth("ZELJUN26");
        execute("ZELAdminConfig", "INSERT INTO LoginMaster (UserName, Password, BranchCode, Category) VALUES "
                                  "('RAVI', 'x', 'HO', 'Operator'), ('MEENA', 'x', 'ANN', 'Operator')");
    }

    // The window's inputs: the typed number, the origin shown and, when given, a confirmed runsheet date.
    static void setInputs(const QString& number, const QString& origin, std::optional<QDate> runsheetDate = {})
    {
        window().txtConsignMentNo->setText(number);
        choose(window().cboOrigin, origin);
        choose(window().cboRSDate, runsheetDate ? runsheetDate->toString("dd-MMM-yyyy") : QString());
        if (runsheetDate)
            window().mRunsheetDate = runtime::WallDateTime(*runsheetDate);
    }

    void insertLocal(const QString& table, const QString& values)
    {
        execute("ZELJUN26", "INSERT INTO " + table
                                + " (ManifestDate, SerialNo, Origin, ConsignmentNo, BranchCode, Weight, Remarks, "
                                  "CreateDate, CreateUser) VALUES ("
                                + values + ")");
    }
    void insertIncoming(const QString& table, const QString& values)
    {
        execute("ZELJUN26", "INSERT INTO " + table
                                + " (ManifestDate, Destination, ManifestNo, Origin, ConsignmentNo, Status, Remarks, "
                                  "Weight, CreateDate, NoofPcs, BranchCode, LateArrival, CreateUser, MachineId) VALUES ("
                                + values + ")");
    }

    static QStringList statementsOf(void (frmConsignWiseGridQuery::*loader)())
    {
        db::StatementCapture capture;
        ui::guarded([loader] { (window().*loader)(); });
        return capture.statements();
    }
};

TEST_F(ManifestLoaders, StatementsFollowTheNumberOriginAndRunsheetDate)
{
    using namespace consignment;
    const struct {
        QString number, origin;
        std::optional<QDate> date;
    } cases[] = {
        {"00123", "", {}}, {"123", " ZEL ", {}}, {"123", "ZEL", QDate(2026, 6, 7)}, {"123", "", QDate(2026, 6, 7)},
    };
    for (const auto& c : cases) {
        setInputs(c.number, c.origin, c.date);
        window().FormatLmfGrid();
        window().FormatBlmfGrid();
        const QString label = c.number + "/" + c.origin + "/" + (c.date ? c.date->toString() : "-");
        const std::optional<QDateTime> date =
            c.date ? std::optional(runtime::WallDateTime(*c.date)) : std::optional<QDateTime>();
        EXPECT_EQ(statementsOf(&frmConsignWiseGridQuery::LoadLocalManifest),
                  QStringList{localManifestStatement("123", c.origin, date)})
            << label.toStdString();
        EXPECT_EQ(statementsOf(&frmConsignWiseGridQuery::LoadBranchLocalManifest),
                  QStringList{branchLocalManifestStatement("123", c.origin, date)})
            << label.toStdString();
        EXPECT_EQ(statementsOf(&frmConsignWiseGridQuery::LoadManifestDetails),
                  (QStringList{incomingManifestStatement("123", c.origin), counterManifestStatement("123", c.origin)}))
            << label.toStdString();
    }
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(ManifestLoaders, LocalManifestsListKnownUsersInDateAndSerialOrder)
{
    insertLocal("Run_LocalManifest", "'2026-06-09', 1, 'ZEL', 123456789, 'KLR', 1.25, NULL, '2026-06-09 08:00:00', 'MEENA'");
    insertLocal("Run_LocalManifest", "'2026-06-07', 2, 'ZEL', 123456789, 'ANN', 2.5, 'Urgent', '2026-06-07 10:15:00', 'RAVI'");
    insertLocal("Run_LocalManifest", "'2026-06-07', NULL, 'ZEL', 123456789, 'ANN', 0.5, NULL, '2026-06-07 09:00:00', 'RAVI'");
    insertLocal("Run_LocalManifest", "'2026-06-08', 1, 'ZEL', 123456789, 'ANN', 3, NULL, '2026-06-08 09:00:00', 'GHOST'");
    insertLocal("Run_LocalManifest", "'2026-06-08', 4, 'KWD', 123456789, 'ANN', 3, NULL, '2026-06-08 09:30:00', 'RAVI'");
    insertLocal("Run_LocalManifest", "'2026-06-08', 5, 'ZEL', 5555, 'ANN', 3, NULL, '2026-06-08 09:45:00', 'RAVI'");

    setInputs("123456789", "ZEL");
    window().FormatLmfGrid();
    ui::guarded([] { window().LoadLocalManifest(); });
    const ui::FlexGrid* grid = window().msgLMF;
    ASSERT_EQ(grid->rows(), 5);
    EXPECT_EQ(rowText(grid, 1), "07-06-26 -Sunday|HO|0|ZEL123456789|ANN|0.500||2026-06-07 09:00:00");
    EXPECT_EQ(rowText(grid, 2), "07-06-26 -Sunday|HO|2|ZEL123456789|ANN|2.500|Urgent|2026-06-07 10:15:00");
    EXPECT_EQ(rowText(grid, 3), "09-06-26 -Tuesday|ANN|1|ZEL123456789|KLR|1.250||2026-06-09 08:00:00");
    EXPECT_EQ(rowText(grid, 4), "|||||||");

    setInputs("123456789", "");
    window().FormatLmfGrid();
    ui::guarded([] { window().LoadLocalManifest(); });
    EXPECT_EQ(grid->rows(), 6); // the KWD manifest too; the unknown user's never
    EXPECT_EQ(grid->textMatrix(3, 3), "KWD123456789");

    setInputs("123456789", "ZEL", QDate(2026, 6, 9));
    window().FormatLmfGrid();
    ui::guarded([] { window().LoadLocalManifest(); });
    ASSERT_EQ(grid->rows(), 3);
    EXPECT_EQ(grid->textMatrix(1, 0), "09-06-26 -Tuesday");

    setInputs("123456789", "ZEL", QDate(2026, 6, 10));
    window().FormatLmfGrid();
    ui::guarded([] { window().LoadLocalManifest(); });
    EXPECT_EQ(grid->rows(), 2);
    EXPECT_EQ(rowText(grid, 1), "|||||||");
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(ManifestLoaders, BranchLocalManifestsFollowOriginAndDate)
{
    insertLocal("Run_Branch_LocalManifest", "'2026-06-08', 3, 'ZEL', 123456789, 'ANN', 2.5, 'Seal torn', '2026-06-08 11:30:00', NULL");
    insertLocal("Run_Branch_LocalManifest", "'2026-06-07', NULL, 'ZEL', 123456789, 'KLR', 1, NULL, '2026-06-07 18:05:00', NULL");
    insertLocal("Run_Branch_LocalManifest", "'2026-06-07', 1, 'KWD', 123456789, 'KLR', 1, NULL, '2026-06-07 18:00:00', NULL");

    setInputs("123456789", "ZEL");
    window().FormatBlmfGrid();
    ui::guarded([] { window().LoadBranchLocalManifest(); });
    const ui::FlexGrid* grid = window().msgBLMF;
    ASSERT_EQ(grid->rows(), 4);
    EXPECT_EQ(rowText(grid, 1), "07-06-26 -Sunday|0|ZEL123456789|KLR|1.000||2026-06-07 18:05:00");
    EXPECT_EQ(rowText(grid, 2), "08-06-26 -Monday|3|ZEL123456789|ANN|2.500|Seal torn|2026-06-08 11:30:00");
    EXPECT_EQ(rowText(grid, 3), "||||||");

    setInputs("123456789", "", QDate(2026, 6, 7));
    window().FormatBlmfGrid();
    ui::guarded([] { window().LoadBranchLocalManifest(); });
    ASSERT_EQ(grid->rows(), 4);
    EXPECT_EQ(grid->textMatrix(1, 2), "ZEL123456789"); // serial 0 (Null) before 1
    EXPECT_EQ(grid->textMatrix(2, 2), "KWD123456789");
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(ManifestLoaders, IncomingManifestsShowEachTablesDateAndWeightForms)
{
    insertIncoming("Run_Manifest", "'2026-06-07', 'ANN', 501, 'ZEL', 123456789, 'NORMAL', 'ok', 2.5, "
                                   "'2026-06-07 06:30:00', 2, 'ZEL', 1, 'RAVI', 'PC01'");
    insertIncoming("Run_Manifest", "'2026-06-08', NULL, NULL, 'ZEL', 123456789, NULL, NULL, NULL, "
                                   "'2026-06-08 07:00:00', NULL, NULL, NULL, NULL, NULL");
    insertIncoming("Run_HotcManifest", "'2026-06-07', 'KLR', 77, 'ZEL', 123456789, NULL, NULL, 2.5, "
                                       "'2026-06-07 21:10:00', 1, 'HO', NULL, 'MEENA', NULL");
    insertIncoming("Run_HotcManifest", "'2026-06-09', 'KLR', 78, 'ZEL', 123456789, NULL, NULL, NULL, "
                                       "'2026-06-09 21:10:00', 1, 'HO', 0, NULL, 'PC02'");
    insertIncoming("Run_HotcManifest", "'2026-06-09', 'KLR', 79, 'KWD', 123456789, NULL, NULL, 1, "
                                       "'2026-06-09 22:10:00', 1, 'HO', 0, NULL, NULL");

    for (int pass = 0; pass < 2; ++pass) { // Enter again rebuilds the grid from row 1
        setInputs("123456789", "ZEL");
        ui::guarded([] { window().LoadManifestDetails(); });
        const ui::FlexGrid* grid = window().msgIncoming;
        ASSERT_EQ(grid->rows(), 6);
        ASSERT_EQ(grid->cols(), 13);
        QStringList manifests{rowText(grid, 1), rowText(grid, 2)};
        manifests.sort();
        EXPECT_EQ(manifests, (QStringList{
                                 "07-06-26-Sunday|ANN|501|ZEL|123456789|NORMAL|ok|2.500|2026-06-07 06:30:00|2|ZEL|1|RAVI- PC01",
                                 "08-06-26-Monday|||ZEL|123456789|||0.000|2026-06-08 07:00:00|||0|- ",
                             }));
        QStringList hotc{rowText(grid, 3), rowText(grid, 4)};
        hotc.sort();
        EXPECT_EQ(hotc, (QStringList{
                            "07-Jun-2026|KLR|77|ZEL|123456789|||2.5|2026-06-07 21:10:00|1|HO|0|MEENA- ",
                            "09-Jun-2026|KLR|78|ZEL|123456789|||0|2026-06-09 21:10:00|1|HO|0|- PC02",
                        }));
        EXPECT_EQ(rowText(grid, 5), "||||||||||||");
    }

    execute("ZELJUN26", "DELETE FROM Run_Manifest");
    setInputs("123456789", "  ");
    ui::guarded([] { window().LoadManifestDetails(); });
    ASSERT_EQ(window().msgIncoming->rows(), 5); // the second table's lines of every origin, from row 1
    EXPECT_TRUE(window().msgIncoming->textMatrix(1, 0).endsWith("-2026"));
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(ManifestLoaders, NoIncomingLineLeavesTheHeadingsAndOneEmptyRow)
{
    setInputs("42", "ZEL");
    ui::guarded([] { window().LoadManifestDetails(); });
    EXPECT_EQ(window().msgIncoming->rows(), 2);
    EXPECT_EQ(window().msgIncoming->textMatrix(0, 0), "MF Date");
    EXPECT_EQ(rowText(window().msgIncoming, 1), "||||||||||||");
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(ManifestLoaders, AFailingSecondStatementKeepsTheFirstTablesLines)
{
    insertIncoming("Run_Manifest", "'2026-06-07', 'ANN', 501, 'ZEL', 123456789, 'NORMAL', NULL, 2.5, "
                                   "'2026-06-07 06:30:00', 2, 'ZEL', 1, 'RAVI', 'PC01'");
    execute("ZELJUN26", "DROP TABLE Run_HotcManifest");
    setInputs("123456789", "ZEL");
    ui::guarded([] { window().LoadManifestDetails(); });
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_TRUE(ui::MessageBoxSeam::shown()[0].prompt.contains("Run_HotcManifest"));
    ASSERT_EQ(window().msgIncoming->rows(), 3);
    EXPECT_EQ(window().msgIncoming->textMatrix(1, 2), "501");
}

} // namespace
