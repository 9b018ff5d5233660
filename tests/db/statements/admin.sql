-- start-up: company name and city
Select CompanyName,City from CompanyMaster
GO
-- start-up: main branch
select branchcode,branchname,phoneno from BranchMaster where mainbranch=1
GO
-- start-up: settings rows of the query program (DRS OUT PATH)
select Description,Status,Remarks from tab_Settings where Software='QUERY'
GO
-- start-up: POD image server address (names its own database)
Select * From ZELADMINCONFIG..TAB_DRS_IP_DET WHERE DESCRIPTION='DRS IMAGE'
GO
-- login: login check (password typed as is, not upper-cased)
select UserName,BranchCode from LoginMaster where UserName='ADMIN' and Password='admin123'
GO
-- login: login check with both boxes empty
select UserName,BranchCode from LoginMaster where UserName='' and Password=''
GO
-- login: user category and rights flags
SELECT Category,Paid,AccountParty,NotPaid,ToPay,IOC,PartyCreation,ConsignEntry,PODEntry,AcctQuery,AcctReports,Billing,SalesLedger,AcctBackup FROM LoginMaster WHERE UserName='ADMIN'
GO
-- missing-POD letter, POD query: booking branch's name
Select * from Branchmaster where branchcode='ZEL'
GO
-- older POD query: booking branch name
Select * from Branchmaster where branchcode='ZEL01'
GO
