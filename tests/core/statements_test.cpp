// The core's statement texts for their inputs: typed and stored values quoted, keys in their order.

#include "support/QtPrinters.h"

#include "core/LoginStatements.h"
#include "core/MasterStatements.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    QString sql;
    const char* expected;
};

TEST(CoreStatements, LoginTexts)
{
    const Case cases[] = {
        {core::loginStatement("ADMIN", "SECRET"),
         "select UserName,BranchCode from LoginMaster where UserName='ADMIN' and Password='SECRET'"},
        {core::loginStatement("' OR '1'='1", "O'BRIEN"),
         "select UserName,BranchCode from LoginMaster where UserName=''' OR ''1''=''1' and Password='O''BRIEN'"},
        {core::userCategoryStatement("O'BRIEN"),
         "SELECT Category,Paid,AccountParty,NotPaid,ToPay,IOC,PartyCreation,ConsignEntry,PODEntry,AcctQuery,AcctReports,"
         "Billing,SalesLedger,AcctBackup FROM LoginMaster WHERE UserName='O''BRIEN'"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.sql, QLatin1String(c.expected));
}

TEST(CoreStatements, TableClassTexts)
{
    const core::MasterKey code{"CityCode", "ZEL"};
    const core::MasterKey name{"CityName", "O'Brien Kross"};
    const Case cases[] = {
        {core::existsStatement("CityMaster", {}), "Select * from CityMaster"},
        {core::existsStatement("CityMaster", {code, name}),
         "Select CityCode,CityName from CityMaster where CityCode='ZEL' and CityName='O''Brien Kross'"},
        {core::existsStatement("CityMaster", {code, {"CityName", "a"}, {"CityCode", "b"}}),
         "Select CityCode,CityName,CityCode from CityMaster where CityCode='ZEL' and CityName='a' and CityCode='b'"},
        {core::recordInfoStatement("CityMaster", "", {code}), "Select * from CityMaster where CityCode='ZEL'"},
        {core::recordInfoStatement("CityMaster", "CityName", {}), "Select * from CityMaster order by CityName"},
        {core::recordInfoStatement("CityMaster", "CityCode", {code, name}),
         "Select * from CityMaster where CityCode='ZEL' and CityName='O''Brien Kross' order by CityCode"},
        {core::deleteStatement("CityMaster", {name}), "Delete from CityMaster where CityName='O''Brien Kross'"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.sql, QLatin1String(c.expected));
}

} // namespace
