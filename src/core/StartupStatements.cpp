#include "core/StartupStatements.h"

namespace core {

QString companyStatement() { return QStringLiteral("Select CompanyName,City from CompanyMaster"); }

QString mainBranchStatement()
{
    return QStringLiteral("select branchcode,branchname,phoneno from BranchMaster where mainbranch=1");
}

QString settingsStatement()
{
    return QStringLiteral("select Description,Status,Remarks from tab_Settings where Software='QUERY'");
}

QString imageServerStatement()
{
    return QStringLiteral("Select * From ZELADMINCONFIG..TAB_DRS_IP_DET WHERE DESCRIPTION='DRS IMAGE'");
}

QString serverDateStatement() { return QStringLiteral("Select convert(varchar(10),getdate(),120)"); }

QString serverDateTimeStatement() { return QStringLiteral("Select GetDate()"); }

} // namespace core
