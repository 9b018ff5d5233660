// The phone book's statements: every value trimmed and quoted (an apostrophe doubled), the dates in
// ISO form, the key of an edit and of a delete as stored or shown, the branch only when chosen.

#include "phonebook/PhoneBookStatements.h"

#include "support/StatementCases.h"

using namespace phonebook;

namespace {

using testsupport::expectTexts;

const QDateTime kNow(QDate(2026, 12, 6), QTime(9, 5, 7));

ContactValues contact(const QString& station, const QString& branch)
{
    return {station, " SURAT ", branch, "R. O'NEIL", "MANAGER", "12 RING ROAD", "ADAJAN", "",
            "395009",  "98765",     "",     "0261-2400", "ops@z.example", "", ""};
}

const QString kValues = "'SUR','SURAT','CITY BRANCH','R. O''NEIL','MANAGER','12 RING ROAD','ADAJAN','','395009',"
                        "'98765','','0261-2400','ops@z.example','',''";
const QString kSet = "StationCode='SUR',StationName='SURAT',BranchName='O''NEIL BRANCH',PersonName='R. O''NEIL',"
                     "Designation='MANAGER',BrAddress1='12 RING ROAD',BrAddress2='ADAJAN',BrAddress3='',"
                     "PinCode='395009',CellNo='98765',FaxNo='',DOTNo='0261-2400',Email1='ops@z.example',Email2='',"
                     "Email3=''";

TEST(PhoneBookStatements, TextForEachOperation)
{
    expectTexts({
        {"every contact", allContactsStatement(), "Select * from tab_PhoneBook"},
        {"one contact, key trimmed", contactStatement({" SUR ", "CITY BRANCH  "}),
         "Select * from tab_PhoneBook Where StationCode='SUR' and BranchName='CITY BRANCH'"},
        {"one contact, quote in the key", contactStatement({"SUR", "O'NEIL'; DELETE FROM tab_PhoneBook --"}),
         "Select * from tab_PhoneBook Where StationCode='SUR' and "
         "BranchName='O''NEIL''; DELETE FROM tab_PhoneBook --'"},
        {"insert", insertContactStatement(contact(" SUR", "CITY BRANCH "), " meera ", kNow),
         "Insert INTO tab_PhoneBook (StationCode,StationName,BranchName,PersonName,Designation,BrAddress1,"
         "BrAddress2,BrAddress3,PinCode,CellNo,FaxNo,DOTNo,Email1,Email2,Email3,CreateUser,CreateDate) VALUES ("
             + kValues + ",'meera','2026-12-06 09:05:07')"},
        {"replace by the entered key", replaceContactStatement(contact("SUR ", " O'NEIL BRANCH"), "MEERA-PC", "meera", kNow),
         "UPDATE tab_PhoneBook SET " + kSet
             + ",MachineId='MEERA-PC',ModiUser='meera',ModiDate='2026-12-06 09:05:07'"
               " Where StationCode='SUR' and BranchName='O''NEIL BRANCH'"},
        {"edit by the loaded key as stored",
         updateContactStatement(contact("SUR", "O'NEIL BRANCH"), {"SUR", "CITY BRANCH "}, "meera", kNow),
         "Update tab_PhoneBook set " + kSet
             + ",ModiUser='meera',ModiDate='2026-12-06 09:05:07' Where StationCode='SUR' and BranchName='CITY BRANCH '"},
        {"delete by the key as shown", deleteContactStatement({"SUR", "O'NEIL"}),
         "Delete From tab_PhoneBook Where StationCode='SUR' and BranchName='O''NEIL'"},
        {"stations", stationCodesStatement(), "Select Distinct StationCode from tab_PhoneBook order by StationCode"},
        {"branches of a station", branchNamesStatement(" O'K "),
         "Select Distinct BranchName from tab_PhoneBook where StationCode='O''K' Order By BranchName"},
        {"contacts of a station", stationContactsStatement("SUR ", "  "),
         "Select * from tab_PhoneBook Where StationCode='SUR'"},
        {"contacts of a branch", stationContactsStatement("SUR", " O'NEIL "),
         "Select * from tab_PhoneBook Where StationCode='SUR' And BranchName='O''NEIL'"},
    });
}

} // namespace
