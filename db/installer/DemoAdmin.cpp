#include "installer/DemoAdmin.h"
#include "installer/DemoNames.h"
#include "installer/DemoTable.h"

#include <QSysInfo>
#include <array>

namespace installer::demo {

QStringList registeredWorkstations()
{
    QStringList names;
    for (const QString& name :
         {qEnvironmentVariable("computername"), qEnvironmentVariable("COMPUTERNAME"), QSysInfo::machineHostName()})
        if (!name.trimmed().isEmpty())
            names << name.trimmed().toUpper();
    for (std::string_view name : workstations())
        names << QString::fromLatin1(name);
    names.removeDuplicates();
    return names;
}

void writeAdministration(DemoDatabase& admin)
{
    admin.table("CompanyMaster").row().set("CompanyName", "QUORVEL COURIER SERVICES").set("City", "ZELMORA").insert();

    DemoTable& branches = admin.table("BranchMaster");
    int phone = 2401100;
    auto branch = [&](std::string_view code, bool main) {
        branches.row()
            .set("BranchCode", code)
            .set("BranchName", branchName(code))
            .set("PhoneNo", "0484-" + std::to_string(phone += 37))
            .set("MainBranch", main ? 1 : 0)
            .insert();
    };
    branch(kMainBranch, true);
    for (const Station& s : stations())
        branch(s.code, false);
    DemoTable& subBranchMaster = admin.table("TBL_SUB_BRANCH_MASTER");
    for (const SubBranch& s : subBranches())
        subBranchMaster.row().set("SUB_BRANCH_CODE", s.code).set("SUB_BRANCH_NAME", s.name).insert();

    // Scans of returned runsheets lie under <image server>\DRSOUT\<MMMyy>\.
    admin.table("tab_Settings")
        .row()
        .set("Software", "QUERY")
        .set("Description", "DRS OUT PATH")
        .set("Status", 1)
        .set("Remarks", "\\DRSOUT\\")
        .insert();
    admin.table("TAB_DRS_IP_DET")
        .row()
        .set("DESCRIPTION", "DRS IMAGE")
        .set("IP_ADDRS1", "127.0.0.1")
        .set("IP_ADDRS2", "127.0.0.1")
        .insert();

    static constexpr std::array<const char*, 13> kRights{"Paid",          "AccountParty", "NotPaid",    "ToPay",     "IOC",
                                                         "PartyCreation", "ConsignEntry", "PODEntry",   "AcctQuery", "AcctReports",
                                                         "Billing",       "SalesLedger",  "AcctBackup"};
    DemoTable& logins = admin.table("LoginMaster");
    for (const User& u : users()) {
        const bool administrator = u.category != "User";
        logins.row().set("UserName", u.name).set("Password", u.password).set("BranchCode", u.branch).set("Category", u.category);
        for (std::size_t i = 0; i < kRights.size(); ++i)
            logins.set(kRights[i], administrator || i < 2 || (i >= 6 && i <= 8) ? 1 : 0);
        logins.insert();
    }

    DemoTable& systems = admin.table("tbl_User_System");
    for (const QString& name : registeredWorkstations())
        systems.row().set("System_Name", name.toStdString()).set("Cancel_Status", 0).insert();
    systems.row().set("System_Name", kWithdrawnWorkstation).set("Cancel_Status", 1).insert();
}

void writePhoneBook(DemoDatabase& phoneBook, const QDate& today)
{
    static constexpr std::array<std::string_view, 3> kBranches{"MAIN OFFICE", "CITY BRANCH", "AIRPORT COUNTER"};
    static constexpr std::array<std::string_view, 3> kDesignations{"BRANCH MANAGER", "OPERATIONS EXECUTIVE", "COUNTER SUPERVISOR"};
    const std::string created = today.toString(QStringLiteral("yyyy-MM-dd")).toStdString() + " 09:00:00";
    DemoTable& contacts = phoneBook.table("tab_PhoneBook");
    int n = 0;
    for (const Station& s : stations()) {
        const std::size_t branchCount = 1 + std::size_t(s.code.size() + s.city.size()) % kBranches.size();
        for (std::size_t b = 0; b < branchCount; ++b, ++n) {
            const std::string mail = std::string(s.code) + "." + std::to_string(b + 1) + "@QUORVEL.EXAMPLE";
            contacts.row()
                .set("StationCode", s.code)
                .set("StationName", s.city)
                .set("BranchName", kBranches[b])
                .set("PersonName", std::string(firstNames()[std::size_t(n) % firstNames().size()]) + " "
                                       + std::string(surnames()[std::size_t(n * 5) % surnames().size()]))
                .set("Designation", kDesignations[b])
                .set("BrAddress1", std::to_string(10 + n) + " " + std::string(streets()[std::size_t(n) % streets().size()]))
                .set("BrAddress2", localities()[std::size_t(n) % localities().size()])
                .set("BrAddress3", b == 0 ? std::string(s.city) : std::string())
                .set("PinCode", std::to_string(400100 + n * 17))
                .set("CellNo", "98765" + std::to_string(10000 + n * 311))
                .set("FaxNo", b == 0 ? "0484-" + std::to_string(2500000 + n) : std::string())
                .set("DOTNo", "0484-" + std::to_string(2400000 + n * 7))
                .set("Email1", mail)
                .set("Email2", b == 0 ? "OPS." + mail : std::string())
                .set("Email3", "")
                .set("CreateUser", "ADMIN")
                .set("CreateDate", created)
                .insert();
        }
    }
}

void writeStatusCodes(DemoDatabase& headOffice)
{
    DemoTable& status = headOffice.table("status");
    for (const Reason& r : reasons())
        status.row().set("Rcode", r.code).set("Descp", r.name).insert();
}

} // namespace installer::demo
