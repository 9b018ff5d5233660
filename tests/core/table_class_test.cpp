// The table class runs the statements of its keys and keeps its own month.

#include "support/CoreFixture.h"

#include "core/clsMaster.h"

#include "platform/db/DbError.h"
#include "platform/db/StatementLog.h"
#include "platform/runtime/RuntimeError.h"

using testsupport::CoreFixture;

namespace {

class TableClass : public CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        install(QDate(2026, 6, 15));
        core::gstrProvider = "SQLOLEDB";
        core::gstrServerName = "ZELSERVER";
        core::gstrDBUser = "sa";
        core::gstrMonthDB = "ZELJUN26";
        execute("ZELJUN26", "INSERT INTO CityMaster (CityCode, CityName) VALUES ('ZEL', 'Zelmora')");
        execute("ZELJUN26", "INSERT INTO CityMaster (CityCode, CityName) VALUES ('OBK', 'O''Brien Kross')");
    }
};

TEST_F(TableClass, QuotesValues)
{
    core::clsMaster master;
    EXPECT_EQ(master.DataStr("O'Brien", true), "'O''Brien'");
    EXPECT_EQ(master.DataStr("O'Brien", false), "'O''Brien',");
    EXPECT_EQ(master.DataStr("", true), "''");
    EXPECT_EQ(master.DataFieldStr("CityName", "a'b", false), "CityName='a''b',");
}

TEST_F(TableClass, BuildsTheStatementsItRuns)
{
    core::clsMaster master;
    db::StatementCapture capture;
    auto rs = master.GetRecordInfo("CityMaster", "", "CityCode", "ZEL");
    ASSERT_TRUE(rs);
    EXPECT_EQ(rs->value("CityName").toString(), "Zelmora");
    EXPECT_TRUE(master.GetRecordInfo("CityMaster", "CityName"));
    EXPECT_TRUE(master.IsDataExists("CityMaster", "CityCode", "OBK", "CityName", "O'Brien Kross"));
    EXPECT_TRUE(master.IsDataExists("CityMaster"));
    EXPECT_FALSE(master.IsDataExists("CityMaster", "CityCode", "XXQ", "CityName", "a", "CityCode", "b"));
    EXPECT_EQ(master.DeleteRecord("CityMaster", "CityCode", "OBK", "CityName", "O'Brien Kross"), 1);
    EXPECT_EQ(capture.statements(),
              (QStringList{core::recordInfoStatement("CityMaster", "", {{"CityCode", "ZEL"}}),
                           core::recordInfoStatement("CityMaster", "CityName", {}),
                           core::existsStatement("CityMaster", {{"CityCode", "OBK"}, {"CityName", "O'Brien Kross"}}),
                           core::existsStatement("CityMaster", {}),
                           core::existsStatement("CityMaster", {{"CityCode", "XXQ"}, {"CityName", "a"}, {"CityCode", "b"}}),
                           core::deleteStatement("CityMaster", {{"CityCode", "OBK"}, {"CityName", "O'Brien Kross"}})}));
    EXPECT_EQ(master.lastStatement(), capture.statements().last());
}

TEST_F(TableClass, FailsQuietlyWhereTheClassDoes)
{
    core::clsMaster master;
    EXPECT_FALSE(master.GetRecordInfo("NoSuchTable", "", "CityCode", "ZEL"));
    EXPECT_EQ(master.DeleteRecord("NoSuchTable", "CityCode", "ZEL"), 0);
    EXPECT_THROW(master.IsDataExists("NoSuchTable", "CityCode", "ZEL"), db::DbError);
    EXPECT_EQ(master.DeleteRecord("CityMaster", "CityCode", "OBK"), 1);
    EXPECT_FALSE(master.IsDataExists("CityMaster", "CityCode", "OBK"));
}

TEST_F(TableClass, RefusesKeysThatWouldEmptyTheTableOrBreakTheStatement)
{
    core::clsMaster master;
    db::StatementCapture capture;
    EXPECT_EQ(master.DeleteRecord("CityMaster", "", ""), 0);
    EXPECT_EQ(master.DeleteRecord("CityMaster", "", "", "CityName", "Zelmora"), 0);
    EXPECT_FALSE(master.GetRecordInfo("CityMaster", "", "", "", "CityName", "Zelmora"));
    EXPECT_THROW(master.IsDataExists("CityMaster", "", "", "CityName", "Zelmora"), runtime::RuntimeError);
    EXPECT_TRUE(capture.statements().isEmpty());
    EXPECT_TRUE(master.IsDataExists("CityMaster", "CityCode", "ZEL"));
}

TEST_F(TableClass, TheSharedInstanceStaysOnTheMonthItWasMadeIn)
{
    core::gobjMaster().IsDataExists("CityMaster");
    core::gstrMonthDB = "ZELMAY26";
    core::gcnnMonth.open(core::ConnectionText(core::gstrMonthDB));
    auto rs = core::gobjMaster().GetRecordInfo("CityMaster", "", "CityCode", "ZEL");
    ASSERT_TRUE(rs);
    EXPECT_FALSE(rs->eof());
}

} // namespace
