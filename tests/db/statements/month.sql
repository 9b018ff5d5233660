-- server clock: server date as yyyy-MM-dd (start-up, report and POD windows, query log)
Select convert(varchar(10),getdate(),120)
GO
-- server clock: server date and time (query log)
Select GetDate()
GO
-- table class: row reader as its callers use it (city of an origin code)
Select * from CityMaster where CityCode='ZEL'
GO
-- table class: row reader, no keys, with order
Select * from CityMaster order by CityName
GO
-- table class: row reader, two keys, apostrophe doubled by the class
Select * from CityMaster where CityCode='KWD' and CityName='O''KELMORA'
GO
-- table class: existence test, no keys
Select * from CityMaster
GO
-- table class: existence test, one key
Select CityCode from CityMaster where CityCode='ZEL'
GO
-- table class: existence test, two keys
Select CityCode,CityName from CityMaster where CityCode='ZEL' and CityName='ZELMORA'
GO
-- table class: row deleter, one key (a code that no demo row carries)
Delete from CityMaster where CityCode='XXQ'
GO
-- table class: row deleter, two keys (a code that no demo row carries)
Delete from CityMaster where CityCode='XXQ' and CityName='NOWHERE'
GO
-- consignment history: origins of a consignment number (four-table union)
Select distinct Origin from RunsheetDetails where ConsignmentNo=12345678901234  UNION select distinct Origin from Run_Manifest where ConsignmentNo=12345678901234 Union  select distinct Origin from Run_HOTCManifest where ConsignmentNo=12345678901234 UNION  select distinct Origin from tbl_Incoming_Misroute_Entry where ConNo=12345678901234
GO
-- consignment history: no-origin fallback: non-delivery destinations (city names)
Select Distinct Destination From tab_NonDelivery Where ConsignNo=12345678901234
GO
-- consignment history: no-origin fallback: city code of a destination name
Select CityCode From CityMaster Where CityName='KELMORA'
GO
-- consignment history: printed runsheet dates of number and origin
Select Distinct RunsheetDate From RunsheetDetails Where ConsignmentNo=12345678901234 And Origin='KWD' And RunsheetPrintStatus=1
GO
-- consignment history: printed runsheet dates with an empty origin (clause always present)
Select Distinct RunsheetDate From RunsheetDetails Where ConsignmentNo=12345678901234 And Origin='' And RunsheetPrintStatus=1
GO
-- mobile number search: runsheet lines whose mobile number starts with the typed digits
SELECT ROW_NUMBER() OVER(ORDER BY RUNSHEETDATE DESC,ORIGIN,CONSIGNMENTNO) AS 'SlNo',Convert(Varchar(10),RunsheetDate,120) as RSDate,Origin,CONSIGNMENTNO AS [CONSIGN NO],MOBILE_NO,ReasonCode AS REASON From RunsheetDetails WHERE MOBILE_NO<>'' AND MOBILE_NO LIKE '98765%'  ORDER BY RUNSHEETDATE DESC,ORIGIN,CONSIGNMENTNO
GO
-- consignment history: SMS messages, number and origin filters present
Select Convert(Varchar(10),Tran_Date,105) as TRAN_Date,TO_MOBILE_NO,BODY_TEXT,SENT_DATETIME,SENT_MESSAGE FROM ZELADMINCONFIG..TBL_SMS_CONSIGNMENT_DETAILS WHERE 1=1 AND CONSIGNMENTNO=12345678901234 AND ORIGIN='KWD' Order By Tran_Id
GO
-- consignment history: SMS messages, number only
Select Convert(Varchar(10),Tran_Date,105) as TRAN_Date,TO_MOBILE_NO,BODY_TEXT,SENT_DATETIME,SENT_MESSAGE FROM ZELADMINCONFIG..TBL_SMS_CONSIGNMENT_DETAILS WHERE 1=1 AND CONSIGNMENTNO=12345678901234 Order By Tran_Id
GO
-- consignment history: SMS messages, no filter
Select Convert(Varchar(10),Tran_Date,105) as TRAN_Date,TO_MOBILE_NO,BODY_TEXT,SENT_DATETIME,SENT_MESSAGE FROM ZELADMINCONFIG..TBL_SMS_CONSIGNMENT_DETAILS WHERE 1=1 Order By Tran_Id
GO
-- consignment history: runsheet lines of number and origin, all runsheet dates
SELECT RD.RUNSHEETDATE,RD.RUNSHEETNO,RD.SerialNo,AM.AREANAME,RD.STAFFCODE,RD.RUNSHEETMODE,BAR_RSNO,Contact_Name,Contact_No,RM.BRANCHCODE AS BCODE, DRSNo,RD.BranchCode,ReturnPODDate,Origin,ConsignmentNo,DRSNo,RD.AreaName AS RTN_AREANAME,ReasonCode,Mobile_No,RD.LoadDetails,PODScanTime,RD.CreateDate, RD.CreateUser,RD.MachineId FROM RUNSHEETDETAILS RD LEFT OUTER JOIN RUNSHEETMASTER RM ON RD.RUNSHEETNO=RM.RUNSHEETNO LEFT OUTER JOIN RUN_AREAMASTER AM ON RD.AREACODE=AM.AREACODE  WHERE CONSIGNMENTNO=12345678901234 AND ORIGIN='KWD' Order by RunsheetDate,RD.LoadDetails
GO
-- consignment history: runsheet lines of number and origin on the chosen runsheet date
SELECT RD.RUNSHEETDATE,RD.RUNSHEETNO,RD.SerialNo,AM.AREANAME,RD.STAFFCODE,RD.RUNSHEETMODE,BAR_RSNO,Contact_Name,Contact_No,RM.BRANCHCODE AS BCODE, DRSNo,RD.BranchCode,ReturnPODDate,Origin,ConsignmentNo,DRSNo,RD.AreaName AS RTN_AREANAME,ReasonCode,Mobile_No,RD.LoadDetails,PODScanTime,RD.CreateDate, RD.CreateUser,RD.MachineId FROM RUNSHEETDETAILS RD LEFT OUTER JOIN RUNSHEETMASTER RM ON RD.RUNSHEETNO=RM.RUNSHEETNO LEFT OUTER JOIN RUN_AREAMASTER AM ON RD.AREACODE=AM.AREACODE  WHERE CONSIGNMENTNO=12345678901234 AND ORIGIN='KWD' AND RD.RUNSHEETDATE='2026-06-05' Order by RunsheetDate,RD.LoadDetails
GO
-- consignment history: runsheet lines with an empty origin (clause always present)
SELECT RD.RUNSHEETDATE,RD.RUNSHEETNO,RD.SerialNo,AM.AREANAME,RD.STAFFCODE,RD.RUNSHEETMODE,BAR_RSNO,Contact_Name,Contact_No,RM.BRANCHCODE AS BCODE, DRSNo,RD.BranchCode,ReturnPODDate,Origin,ConsignmentNo,DRSNo,RD.AreaName AS RTN_AREANAME,ReasonCode,Mobile_No,RD.LoadDetails,PODScanTime,RD.CreateDate, RD.CreateUser,RD.MachineId FROM RUNSHEETDETAILS RD LEFT OUTER JOIN RUNSHEETMASTER RM ON RD.RUNSHEETNO=RM.RUNSHEETNO LEFT OUTER JOIN RUN_AREAMASTER AM ON RD.AREACODE=AM.AREACODE  WHERE CONSIGNMENTNO=12345678901234 AND ORIGIN='' Order by RunsheetDate,RD.LoadDetails
GO
-- consignment history: delivery staff of a line's DRS number
Select * From tab_ReturnPODMaster Where RSNo=500123
GO
-- consignment history: delivery status from the last line's reason code
Select * From Run_ReasonMaster Where ReasonCode='DC'
GO
-- consignment history, POD query: reason of an empty code
Select * From Run_ReasonMaster Where ReasonCode=''
GO
-- consignment history: query log (head office only): tracking row by position
INSERT INTO Tracking..Incoming_Queries_Details Values ('2026-06-07',12345678901234,'KWD', '{MONTH}','2026-06-05',100234,'DC','DOOR CLOSED', 500123,'ZEL','ADMIN','2026-06-07 10:15:30',NULL,NULL) 
GO
-- consignment history: query log, tracking row of a last line without reason, DRS number and branch
INSERT INTO Tracking..Incoming_Queries_Details Values ('2026-06-07',12345678901234,'KWD', '{MONTH}','2026-06-05',100234,'','Taken For Delivery', 0,'','ADMIN','2026-06-07 10:15:30',NULL,NULL) 
GO
-- consignment history, POD query: query log, is this workstation registered and active
Select System_Name From ZELADMINCONFIG..tbl_User_System Where System_Name='COUNTER-PC1' And Cancel_Status=0
GO
-- consignment history: query log, administration row with column list
INSERT INTO ZELADMINCONFIG..tbl_Qry_Details(QueryDate,QueryType,Origin,ConsignmentNo,DBName,RunsheetDate,RunsheetNo,ReasonCode, Reason_Desc,DRSNo,BranchName,System_Name,Create_User,Create_Date) Values ('2026-06-07','INCOMING','KWD',12345678901234, '{MONTH}','2026-06-05',100234,'DC','DOOR CLOSED', 500123,'ZEL','COUNTER-PC1','ADMIN','2026-06-07 10:15:30') 
GO
-- consignment history: local manifests, origin and runsheet-date filters
SELECT RL.*,LM.BranchCode AS FROM_BRANCH FROM Run_LocalManifest RL, ZELADMINCONFIG..LoginMaster LM WHERE  ConsignmentNo=12345678901234 AND RL.CreateUser=LM.UserName And Origin='KWD' And ManifestDate='2026-06-07' Order by Manifestdate,serialNo
GO
-- consignment history: local manifests, origin filter only
SELECT RL.*,LM.BranchCode AS FROM_BRANCH FROM Run_LocalManifest RL, ZELADMINCONFIG..LoginMaster LM WHERE  ConsignmentNo=12345678901234 AND RL.CreateUser=LM.UserName And Origin='KWD' Order by Manifestdate,serialNo
GO
-- consignment history: local manifests, no filter
SELECT RL.*,LM.BranchCode AS FROM_BRANCH FROM Run_LocalManifest RL, ZELADMINCONFIG..LoginMaster LM WHERE  ConsignmentNo=12345678901234 AND RL.CreateUser=LM.UserName Order by Manifestdate,serialNo
GO
-- consignment history: branch local manifests, origin and runsheet-date filters
SELECT * FROM Run_Branch_LocalManifest WHERE ConsignmentNo=12345678901234 And Origin='KWD' And ManifestDate='2026-06-07' Order by Manifestdate,serialNo
GO
-- consignment history: branch local manifests, no filter
SELECT * FROM Run_Branch_LocalManifest WHERE ConsignmentNo=12345678901234 Order by Manifestdate,serialNo
GO
-- consignment history: pending documents
SELECT * FROM PendingDoc WHERE ConsignmentNo=12345678901234 Order by PendingDate,serialNo
GO
-- consignment history: miscellaneous entries
SELECT * FROM Misscellaneous WHERE ConsignmentNo=12345678901234 Order by PendingDate,serialNo
GO
-- consignment history: incoming manifest lines, origin filter
Select *,RHM.CreateDate as CreatedDate,RHM.CREATEUSER AS ENTRY_USER from Run_Manifest RHM WHERE ConsignmentNo=12345678901234 And Origin='KWD'
GO
-- consignment history: incoming manifest lines, no origin
Select *,RHM.CreateDate as CreatedDate,RHM.CREATEUSER AS ENTRY_USER from Run_Manifest RHM WHERE ConsignmentNo=12345678901234
GO
-- consignment history: incoming OTC manifest lines, origin filter
Select *,RHM.CreateDate as CreatedDate,RHM.CREATEUSER AS ENTRY_USER FROM Run_HotcManifest RHM WHERE ConsignmentNo=12345678901234 and Origin='KWD'
GO
-- consignment history: incoming OTC manifest lines, no origin
Select *,RHM.CreateDate as CreatedDate,RHM.CREATEUSER AS ENTRY_USER FROM Run_HotcManifest RHM WHERE ConsignmentNo=12345678901234
GO
-- consignment history, single-date consignment query: city of an origin code
Select * from CityMaster where CityCode='KWD'
GO
-- consignment history: non-delivery entries with their serial and entry branch
Select A.*,LM.BranchCode AS Entry_Branch From (Select ROW_NUMBER() OVER(PARTITION BY NDDATE,STATUS ORDER BY NDDATE,REFERENCENO) AS 'SlNo',* from tab_NonDelivery) A LEFT OUTER JOIN ZELADMINCONFIG..LoginMaster LM ON A.CreateUser=LM.UserName Where ConsignNo=12345678901234 and Destination='NORTHFIELD'
GO
-- consignment history: non-delivery entries with an empty city name
Select A.*,LM.BranchCode AS Entry_Branch From (Select ROW_NUMBER() OVER(PARTITION BY NDDATE,STATUS ORDER BY NDDATE,REFERENCENO) AS 'SlNo',* from tab_NonDelivery) A LEFT OUTER JOIN ZELADMINCONFIG..LoginMaster LM ON A.CreateUser=LM.UserName Where ConsignNo=12345678901234 and Destination=''
GO
-- consignment history, single-date consignment query: reason name of a non-delivery entry
Select ReasonName from run_ReasonMaster where Reasoncode='R01'
GO
-- consignment history: returned documents, origin filter
Select * from Run_NonDel_Received_Details where ConsignmentNo=12345678901234  and Origin='KWD'
GO
-- consignment history: returned documents, no origin
Select * from Run_NonDel_Received_Details where ConsignmentNo=12345678901234
GO
-- consignment history: incoming misroutes, origin and date filters
SELECT RL.*,LM.BranchCode AS FROM_BRANCH FROM tbl_Incoming_Misroute_Entry RL, ZELADMINCONFIG..LoginMaster LM WHERE ConNo=12345678901234 AND RL.Create_User=LM.UserName And Origin='KWD' And IMF_Date='2026-06-07' Order by Tran_Id
GO
-- consignment history: incoming misroutes, origin filter only
SELECT RL.*,LM.BranchCode AS FROM_BRANCH FROM tbl_Incoming_Misroute_Entry RL, ZELADMINCONFIG..LoginMaster LM WHERE ConNo=12345678901234 AND RL.Create_User=LM.UserName And Origin='KWD' Order by Tran_Id
GO
-- consignment history: incoming misroutes, no filter
SELECT RL.*,LM.BranchCode AS FROM_BRANCH FROM tbl_Incoming_Misroute_Entry RL, ZELADMINCONFIG..LoginMaster LM WHERE ConNo=12345678901234 AND RL.Create_User=LM.UserName Order by Tran_Id
GO
-- consignment history, head-office panel: delivery runsheet records
select Convert(Varchar(10),tdate,120) as Date,Origin,CNo,StnCode+'/'+bcode As Destn,DR.Rcode as Status,RM.Descp As Description, DRSNo,SNo,CNee,RcvdBy,DTime,Staff,Route as DlyRoute From [{HOSERVER}].KWD32Server.dbo.DrFile DR Left Outer Join [{HOSERVER}].KWD32Server.dbo.status RM ON DR.Rcode=RM.Rcode where cno='12345678901234' order by dtime
GO
-- consignment history, head-office panel: office scans
select Convert(Varchar(10),tdate,120) as Date,Origin,SNo,CNo,StnCode+'/'+OPCode As OPCode,Case When Type='O' Then 'OutBound' Else 'InBound' End As INOUT, Destn,MFNo,Weight,Pcs,RmKs,AR As AddlRmks,Hub,State,MTime from [{HOSERVER}].KWD32Server.dbo.CnFile where cno='12345678901234' order by tdate,mtime
GO
-- consignment history, head-office panel: point-to-point scans
select Convert(Varchar(10),tdate,120) as Date,ptime,Origin,SlNo,CNo,StnCode+'/'+OPCode As Scanned@,Case When Type='O' Then 'OutBound' Else 'InBound' End As INOUT, Bcode,PntNo,Weight,Pcs,Rmks As Remarks,TLoad As LoadN From [{HOSERVER}].KWD32Server.dbo.PointPod where cno='12345678901234' order by tdate,ptime
GO
-- consignment history, head-office panel: over-the-counter scans
select Convert(Varchar(10),tdate,120) as Date,Origin,Mfno,StnCode+'/'+OPCode As Scanned@,Case When Type='O' Then 'OutBound' Else 'InBound' End As INOUT, Destn,OTime,OTCNo,SNo,Weight,Pcs,Rmks As Remarks,Ar As AddlRemarks From [{HOSERVER}].KWD32Server.dbo.OTCFile where mfno='12345678901234' Order by tdate,OTime
GO
-- single-date consignment query: origins of the number on a printed runsheet of the date
Select distinct Origin from RunsheetDetails where ConsignmentNo=12345678901234 and RunsheetPrintStatus=1 and RunsheetDate='2026-06-07'
GO
-- single-date consignment query: runsheet line with its area and staff
 Select R.*,A.AreaName,S.StaffName from RunsheetDetails R,run_AreaMaster A,run_StaffMaster S where  R.RunsheetDate='2026-06-07' and R.AreaCode=A.AreaCode and R.StaffCode=S.StaffCode  and R.ConsignmentNo=12345678901234 and  r.Origin='KWD'
GO
-- single-date consignment query: non-delivery entry of the date
Select * from Tab_NonDelivery where NDDate='2026-06-07' and ConsignNo=12345678901234 and Destination='NORTHFIELD'
GO
-- single-date consignment query: non-delivery entry with an empty city name
Select * from Tab_NonDelivery where NDDate='2026-06-07' and ConsignNo=12345678901234 and Destination=''
GO
-- single-date consignment query: incoming manifest line of the date
Select * from Run_Manifest where ConsignmentNo=12345678901234 and Manifestdate='2026-06-07' and Origin='KWD'
GO
-- invoice query: pick list of transaction modes
select distinct TransactionMode from Invoice where BookingDate>='2026-06-01' and BookingDate<='2026-06-07' Order By TransactionMode
GO
-- invoice query: pick list of destinations, mode chosen
select distinct Destination from Invoice where BookingDate>='2026-06-01' and BookingDate<='2026-06-07' And TransactionMode='CREDIT' Order By Destination
GO
-- invoice query: pick list of destinations, no mode
select distinct Destination from Invoice where BookingDate>='2026-06-01' and BookingDate<='2026-06-07' Order By Destination
GO
-- invoice query: pick list of party codes, mode and destination chosen
select distinct PartyCode from Invoice where BookingDate>='2026-06-01' and BookingDate<='2026-06-07' And TransactionMode='CREDIT' And Destination='KWD' Order By PartyCode
GO
-- invoice query: pick list of party codes, nothing chosen
select distinct PartyCode from Invoice where BookingDate>='2026-06-01' and BookingDate<='2026-06-07' Order By PartyCode
GO
-- invoice query: pick list of branch codes, mode, destination and party chosen
select distinct BranchCode from Invoice where BookingDate>='2026-06-01' and BookingDate<='2026-06-07' And TransactionMode='CREDIT' And Destination='KWD' and PartyCode='P0001' Order By  BranchCode
GO
-- invoice query: pick list of branch codes, nothing chosen
select distinct BranchCode from Invoice where BookingDate>='2026-06-01' and BookingDate<='2026-06-07' Order By  BranchCode
GO
-- invoice query: bookings, every filter, address check box set
SELECT BookingDate,ConsignmentNo,Destination,FromAddress1,FromAddress2,FromAddress3,FromAddress4,CASE WHEN ISNUMERIC(FromAddress5)=1 THEN 'XXXXXX' + RIGHT(FROMADDRESS5,4) ELSE FROMADDRESS5 END AS FROMADDRESS5, ToAddress1,ToAddress2,ToAddress3,ToAddress4,CASE WHEN ISNUMERIC(TOADDRESS5)=1 THEN 'XXXXXX' + RIGHT(TOADDRESS5,4) ELSE TOADDRESS5 END AS TOADDRESS5, Region,Weight,Amount,TransactionMode,PartyCode,BranchCode,Pieces,DocumentType,Contain1,Contain2,Contain3,ContainValue FROM Invoice where BookingDate>='2026-06-01' and BookingDate<='2026-06-07' and CancelStatus=0 and Booked_Branch='ZEL' and ConsignmentNo=12345678901234 and TransactionMode='CREDIT' and Destination='KWD' and BranchCode='ZEL' and PartyCode='P0001' And Weight>=2.5 And Weight<=10 and (FromAddress1 like '%SHARMA%' OR FromAddress2 like '%SHARMA%') and (ToAddress1 like '%TRADERS%' OR ToAddress2 like '%TRADERS%') order by BookingDate,ConsignmentNo
GO
-- invoice query: bookings, address filters with the check box clear
SELECT BookingDate,ConsignmentNo,Destination,FromAddress1,FromAddress2,FromAddress3,FromAddress4,CASE WHEN ISNUMERIC(FromAddress5)=1 THEN 'XXXXXX' + RIGHT(FROMADDRESS5,4) ELSE FROMADDRESS5 END AS FROMADDRESS5, ToAddress1,ToAddress2,ToAddress3,ToAddress4,CASE WHEN ISNUMERIC(TOADDRESS5)=1 THEN 'XXXXXX' + RIGHT(TOADDRESS5,4) ELSE TOADDRESS5 END AS TOADDRESS5, Region,Weight,Amount,TransactionMode,PartyCode,BranchCode,Pieces,DocumentType,Contain1,Contain2,Contain3,ContainValue FROM Invoice where BookingDate>='2026-06-01' and BookingDate<='2026-06-07' and CancelStatus=0 and Booked_Branch='ZEL' and FromAddress1 like '%SHARMA%' and ToAddress1 like '%TRADERS%' order by BookingDate,ConsignmentNo
GO
-- invoice query: bookings, no optional filter (the login branch clause is always there)
SELECT BookingDate,ConsignmentNo,Destination,FromAddress1,FromAddress2,FromAddress3,FromAddress4,CASE WHEN ISNUMERIC(FromAddress5)=1 THEN 'XXXXXX' + RIGHT(FROMADDRESS5,4) ELSE FROMADDRESS5 END AS FROMADDRESS5, ToAddress1,ToAddress2,ToAddress3,ToAddress4,CASE WHEN ISNUMERIC(TOADDRESS5)=1 THEN 'XXXXXX' + RIGHT(TOADDRESS5,4) ELSE TOADDRESS5 END AS TOADDRESS5, Region,Weight,Amount,TransactionMode,PartyCode,BranchCode,Pieces,DocumentType,Contain1,Contain2,Contain3,ContainValue FROM Invoice where BookingDate>='2026-06-01' and BookingDate<='2026-06-07' and CancelStatus=0 and Booked_Branch='ZEL' order by BookingDate,ConsignmentNo
GO
-- invoice query: bookings, no optional filter, central variant
SELECT BookingDate,ConsignmentNo,Destination,FromAddress1,FromAddress2,FromAddress3,FromAddress4,CASE WHEN ISNUMERIC(FromAddress5)=1 THEN 'XXXXXX' + RIGHT(FROMADDRESS5,4) ELSE FROMADDRESS5 END AS FROMADDRESS5, ToAddress1,ToAddress2,ToAddress3,ToAddress4,CASE WHEN ISNUMERIC(TOADDRESS5)=1 THEN 'XXXXXX' + RIGHT(TOADDRESS5,4) ELSE TOADDRESS5 END AS TOADDRESS5, Region,Weight,Amount,TransactionMode,PartyCode,BranchCode,Pieces,DocumentType,Contain1,Contain2,Contain3,ContainValue FROM Invoice where BookingDate>='2026-06-01' and BookingDate<='2026-06-07' and CancelStatus=0 order by BookingDate,ConsignmentNo
GO
-- dummy POD query: origins of the date range
Select Distinct Origin from DummyPOD Where PODDate>='2026-06-01' And PODDate<='2026-06-07' Order By Origin
GO
-- dummy POD query: dummy PODs, origin, number and consignee prefix given
Select * from DummyPod WHERE Poddate>='2026-06-01' and PodDate<='2026-06-07' and Origin='KWD' and ConsignmentNo=12345678901234 And ToAddress1 Like 'RAVI%'
GO
-- dummy POD query: dummy PODs, no filter
Select * from DummyPod WHERE Poddate>='2026-06-01' and PodDate<='2026-06-07'
GO
-- missing-POD letter: saved missing-POD record of the consignment
Select * From MissingPOD Where ConsignmentNo=12345678901234
GO
-- missing-POD letter, POD query: booking row of the consignment
Select * from Invoice where ConsignmentNo=12345678901234
GO
-- missing-POD letter, POD query: outgoing manifest lines of the consignment
Select * from Manifest where ConsignmentNo=12345678901234
GO
-- missing-POD letter, POD query: non-delivery history, oldest first
Select * from OutgoingNonDelvy Where ConsignmentNo=12345678901234 Order By TransDate
GO
-- missing-POD letter: reason name of one history row
Select ReasonName From Run_ReasonMaster Where ReasonCode='DL'
GO
-- missing-POD letter: save a new missing-POD record
Insert into MissingPOD(ConsignmentNo,BookingDate,FromAddress1,FromAddress2,FromAddress3, FromAddress4,ToAddress1,ToAddress2,ToAddress3,ToAddress4,ManifestDate,MFDestination,ManifestNo,MFSlNo,MFPacketNo) Values (99999999999901,'2026-12-05','AL NOOR TRADING CO','BLOCK 4 STREET 12','SALMIYA','','GULF STAR ELECTRONICS','SHOP 7 MUBARAKIYA','KUWAIT CITY','','2026-12-04','KWD',20261204000123,5,12)
GO
-- missing-POD letter: save over an existing missing-POD record (apostrophe doubled, empty lines)
Update MissingPod Set BookingDate='2026-12-05',FromAddress1='O''BRIEN STORES',FromAddress2='BLOCK 4 STREET 12',FromAddress3='SALMIYA',FromAddress4='',ToAddress1='GULF STAR ELECTRONICS',ToAddress2='SHOP 7 MUBARAKIYA',ToAddress3='KUWAIT CITY',ToAddress4='',ManifestDate='2026-12-04',MFDestination='KWD',ManifestNo=20261204000123,MFSlNo=5,MFPacketNo=12 Where ConsignmentNo=12345678901234
GO
-- missing-POD letter: city name of the manifest destination for the letter
Select CityName From CityMaster Where CityCode='KWD'
GO
-- non-delivery search: entries, all filters
select * from tab_NonDelivery where NDDate>='2026-12-01' and NDDate<='2026-12-06' and ConsignNo=12345678901234 And ReferenceNo=2612010000000001 and Status='REMAINDER' and Destination='KUWAIT CITY' and BranchCode='ZEL' And FromAddr1 Like 'AL NOOR%' And ToAddr1 Like 'GULF%' order by ReferenceNo,NDDate,Destination
GO
-- non-delivery search: entries, no optional filter
select * from tab_NonDelivery where NDDate>='2026-12-01' and NDDate<='2026-12-06' order by ReferenceNo,NDDate,Destination
GO
-- non-delivery search: pick list: non-delivery types of the date range
select distinct Status from tab_NonDelivery where NDDate>='2026-12-01' and NDDate<='2026-12-06'
GO
-- non-delivery search: pick list: destinations, no type chosen
select distinct Destination from tab_NonDelivery where NDDate>='2026-12-01' and NDDate<='2026-12-06'
GO
-- non-delivery search: pick list: destinations of one type
select distinct Destination from tab_NonDelivery where NDDate>='2026-12-01' and NDDate<='2026-12-06' and Status='REMAINDER'
GO
-- non-delivery search: pick list: branches, no destination chosen
select distinct BranchCode from tab_NonDelivery where NDDate>='2026-12-01' and NDDate<='2026-12-06'
GO
-- non-delivery search: pick list: branches of one destination
select distinct BranchCode from tab_NonDelivery where NDDate>='2026-12-01' and NDDate<='2026-12-06' and Destination='KUWAIT CITY'
GO
-- manifest query: by consignment number (overrides destination and status)
Select * from Run_Manifest where ManifestDate>='2026-12-01' and ManifestDAte<='2026-12-06' and consignmentno=12345678901234 Order by ConsignmentNo,Destination
GO
-- manifest query: by destination
Select * from Run_Manifest where ManifestDate>='2026-12-01' and ManifestDAte<='2026-12-06' and Destination='KWD' Order by Destination,ConsignmentNo
GO
-- manifest query: by status
Select * from Run_Manifest where ManifestDate>='2026-12-01' and ManifestDAte<='2026-12-06' and status='WITHOUT ENTRY' Order by Destination,ConsignmentNo
GO
-- manifest query: by destination and status
Select * from Run_Manifest where ManifestDate>='2026-12-01' and ManifestDAte<='2026-12-06' and Destination='KWD' and Status='NORMAL' Order by Destination,ConsignmentNo
GO
-- manifest query: no filter
Select * from Run_Manifest where ManifestDate>='2026-12-01' and ManifestDAte<='2026-12-06' Order by Destination,ConsignmentNo
GO
-- customer-care priority report: branch list
Select Distinct BranchCode From Invoice Where BookingDate>='2026-12-01' And BookingDate<='2026-12-06' And CancelStatus=0 And CC_Priority=1 Order By BranchCode
GO
-- customer-care priority report: transaction modes, no branch chosen
Select Distinct TransactionMode From Invoice Where BookingDate>='2026-12-01' And BookingDate<='2026-12-06' And CancelStatus=0 And CC_Priority=1 Order By TransactionMode
GO
-- customer-care priority report: transaction modes, branch chosen
Select Distinct TransactionMode From Invoice Where BookingDate>='2026-12-01' And BookingDate<='2026-12-06' And CancelStatus=0 And CC_Priority=1 And BranchCode='ZEL' Order By TransactionMode
GO
-- customer-care priority report: destinations, nothing chosen
Select Distinct Destination From Invoice Where BookingDate>='2026-12-01' And BookingDate<='2026-12-06' And CancelStatus=0 And CC_Priority=1 Order By Destination
GO
-- customer-care priority report: destinations, branch and mode chosen
Select Distinct Destination From Invoice Where BookingDate>='2026-12-01' And BookingDate<='2026-12-06' And CancelStatus=0 And CC_Priority=1 And BranchCode='ZEL' And TransactionMode='Acct. Party' Order By Destination
GO
-- customer-care priority report: manifest destinations, nothing chosen
Select Distinct Destination From Manifest Where ConsignmentNo In (Select ConsignmentNo From Invoice Where BookingDate>='2026-12-01' And BookingDate<='2026-12-06' And CancelStatus=0 And CC_Priority=1) Order By Destination
GO
-- customer-care priority report: manifest destinations, branch, mode and destination chosen
Select Distinct Destination From Manifest Where ConsignmentNo In (Select ConsignmentNo From Invoice Where BookingDate>='2026-12-01' And BookingDate<='2026-12-06' And CancelStatus=0 And CC_Priority=1 And BranchCode='ZEL' And TransactionMode='Acct. Party' And Destination='KUWAIT CITY') Order By Destination
GO
-- customer-care priority report: bookings, no list chosen
Select Convert(Varchar(10),BookingDate,105) as BookingDate,ConsignmentNo,CityCode,Destination,PartyCode,FromAddress1,BranchCode,Weight,TransactionMode,Booking_Type From Invoice Where BookingDate>='2026-12-01' And BookingDate<='2026-12-06' And CancelStatus=0 And CC_Priority=1 Order By BookingDate,ConsignmentNo
GO
-- customer-care priority report: bookings, all four lists chosen
Select Convert(Varchar(10),BookingDate,105) as BookingDate,ConsignmentNo,CityCode,Destination,PartyCode,FromAddress1,BranchCode,Weight,TransactionMode,Booking_Type From Invoice Where BookingDate>='2026-12-01' And BookingDate<='2026-12-06' And CancelStatus=0 And CC_Priority=1 And BranchCode='ZEL' And TransactionMode='Acct. Party' And Destination='KUWAIT CITY' And CityCode IN (Select Distinct Destination From Manifest Where Destination='KWD') Order By BookingDate,ConsignmentNo
GO
-- tracking query report: origins of the logged enquiries
Select Distinct Origin From TRACKING..Incoming_Queries_Details WHERE QueryDate>='2026-12-01' And QueryDate<='2026-12-06' ORDER BY Origin
GO
-- tracking query report: enquiries, no origin, default order
Select * From TRACKING..Incoming_Queries_Details Where QueryDate>='2026-12-01' And QueryDate<='2026-12-06' Order By QueryId
GO
-- tracking query report: enquiries of an origin by query date
Select * From TRACKING..Incoming_Queries_Details Where QueryDate>='2026-12-01' And QueryDate<='2026-12-06' And Origin='KWD' Order By QueryDate,Origin,ConsignmentNo
GO
-- tracking query report: enquiries by runsheet date
Select * From TRACKING..Incoming_Queries_Details Where QueryDate>='2026-12-01' And QueryDate<='2026-12-06' Order By RunsheetDate,Origin,ConsignmentNo
GO
-- tracking query report: enquiries by origin
Select * From TRACKING..Incoming_Queries_Details Where QueryDate>='2026-12-01' And QueryDate<='2026-12-06' Order By Origin,ConsignmentNo
GO
-- tracking query report: enquiries by reason
Select * From TRACKING..Incoming_Queries_Details Where QueryDate>='2026-12-01' And QueryDate<='2026-12-06' Order By ReasonCode
GO
-- tracking query report: enquiries by reason and origin
Select * From TRACKING..Incoming_Queries_Details Where QueryDate>='2026-12-01' And QueryDate<='2026-12-06' Order By ReasonCode,Origin,ConsignmentNo
GO
-- tracking query report: enquiries by reason and runsheet date
Select * From TRACKING..Incoming_Queries_Details Where QueryDate>='2026-12-01' And QueryDate<='2026-12-06' Order By ReasonCode,RunsheetDate,Origin,ConsignmentNo
GO
-- query report by type: outgoing enquiries of an origin
Select * From ZELADMINCONFIG..tbl_Qry_Details Where QueryDate>='2026-12-01' And QueryDate<='2026-12-06' And Origin='KWD' And QueryType='OUTGOING' Order By Consignmentno,Runsheetdate
GO
-- query report by type: incoming enquiries, no origin
Select * From ZELADMINCONFIG..tbl_Qry_Details Where QueryDate>='2026-12-01' And QueryDate<='2026-12-06' And QueryType='INCOMING' Order By Consignmentno,Runsheetdate
GO
-- query report by type: origins of the logged enquiries
Select Distinct Origin From ZELADMINCONFIG..tbl_Qry_Details WHERE QueryDate>='2026-12-01' And QueryDate<='2026-12-06' ORDER BY Origin
GO
-- delivery status report: totals, consignments of the booking period
Select ISNULL(Count(ConsignmentNo),0) From ZELADMINCONFIG..tbl_Consignment_Status_Temp WHERE BOOKINGDATE>='2026-12-01' AND BOOKINGDATE<='2026-12-06'
GO
-- delivery status report: totals, downloaded runsheet lines of those consignments
Select ISNULL(Count(Cno),0) From ZELADMINCONFIG..RO_DrFile Where CNo IN (Select convert(varchar(12),ConsignmentNo) From ZELADMINCONFIG..tbl_Consignment_Status_Temp)
GO
-- delivery status report: totals, downloaded point-POD scans of those consignments
Select ISNULL(Count(Cno),0) From ZELADMINCONFIG..RO_PointPod Where CNo IN (Select convert(varchar(12),ConsignmentNo) From ZELADMINCONFIG..tbl_Consignment_Status_Temp)
GO
-- delivery status report: totals, latest runsheet download
Select Top 1 * From ZELADMINCONFIG..tbl_RO_Download_Log Where Down_Type='DRS' order by Tran_Id Desc
GO
-- delivery status report: totals, latest point-POD download
Select Top 1 * From ZELADMINCONFIG..tbl_RO_Download_Log Where Down_Type='PTP' order by Tran_Id Desc
GO
-- delivery status report: branch list
Select Distinct Branch_Code From ZELADMINCONFIG..tbl_Consignment_Status_Temp Order By Branch_code
GO
-- delivery status report: transaction modes, no branch
Select Distinct TransactionMode From ZELADMINCONFIG..tbl_Consignment_Status_Temp Where 1=1 Order By TransactionMode
GO
-- delivery status report: transaction modes, branch chosen
Select Distinct TransactionMode From ZELADMINCONFIG..tbl_Consignment_Status_Temp Where 1=1 And Branch_Code='ZEL' Order By TransactionMode
GO
-- delivery status report: destinations, no filter
Select Distinct Destination From ZELADMINCONFIG..tbl_Consignment_Status_Temp Where 1=1 Order By Destination
GO
-- delivery status report: destinations, branch and mode
Select Distinct Destination From ZELADMINCONFIG..tbl_Consignment_Status_Temp Where 1=1 And Branch_Code='ZEL' And TransactionMode='Acct. Party' Order By Destination
GO
-- delivery status report: parties, no filter
Select Distinct PartyCode,PartyName From ZELADMINCONFIG..tbl_Consignment_Status_Temp Where 1=1 Order By PARTYNAME,PARTYCODE
GO
-- delivery status report: parties, branch, mode and destination
Select Distinct PartyCode,PartyName From ZELADMINCONFIG..tbl_Consignment_Status_Temp Where 1=1 And Branch_Code='ZEL' And TransactionMode='Acct. Party' And Destination='KUWAIT CITY' Order By PARTYNAME,PARTYCODE
GO
-- delivery status report: reasons, no filter
Select Distinct Reason_Name From ZELADMINCONFIG..tbl_Consignment_Status_Temp Where 1=1 Order By Reason_Name
GO
-- delivery status report: reasons, branch, mode, destination, party and weight
Select Distinct Reason_Name From ZELADMINCONFIG..tbl_Consignment_Status_Temp Where 1=1 And Branch_Code='ZEL' And TransactionMode='Acct. Party' And Destination='KUWAIT CITY' And PartyCode='P0001' And Weight>=2.5 Order By Reason_Name
GO
-- delivery status report: consignments, no filter
Select Convert(Varchar(10),BookingDate,105) as BookingDate,ConsignmentNo,CityCode,Destination,PartyCode,PartyName,Branch_Code,Weight,Reason_Name,Download_Time From ZELADMINCONFIG..tbl_Consignment_Status_Temp Where 1=1 Order By BookingDate,ConsignmentNo
GO
-- delivery status report: consignments, all six filters
Select Convert(Varchar(10),BookingDate,105) as BookingDate,ConsignmentNo,CityCode,Destination,PartyCode,PartyName,Branch_Code,Weight,Reason_Name,Download_Time From ZELADMINCONFIG..tbl_Consignment_Status_Temp Where 1=1 And Branch_Code='ZEL' And TransactionMode='Acct. Party' And Destination='KUWAIT CITY' And PartyCode='P0001' And Weight>=2.5 And Reason_Name='DELIVERED' Order By BookingDate,ConsignmentNo
GO
-- POD query: booking look-up by consignment or pro-consignment number
Select * FROM Invoice where ConsignmentNo=12345678901234 or Pro_ConsignNo=12345678901234
GO
-- POD query: booking look-up with a non-numeric number text (value 0)
Select * FROM Invoice where ConsignmentNo=0 or Pro_ConsignNo=0
GO
-- POD query: detail grid query, branch variant (masked mobile numbers)
Select VOL_METRIC_STATUS,PAR_LENGTH,PAR_WIDTH,PAR_HEIGHT,Weight_Type,SUB_BRANCH_NAME + ' - ' + SUB_BRANCHCODE as [Sub Branch],PAYMENT_TYPE,PAYMENT_REFNO As [UPI Ref No], CASE WHEN ISNUMERIC(MOBILE_No)=1 THEN 'XXXXXX' + RIGHT(MOBILE_No,4) ELSE MOBILE_No END AS MOBILE_No,CASE WHEN ISNUMERIC(TOADDRESS5)=1 THEN 'XXXXXX' + RIGHT(TOADDRESS5,4) ELSE TOADDRESS5 END AS To_MobileNo, ODA_CHARGE as [ODA Charge],CUST_GST_ID,SLAB_ID as [Disc Slab],ContainValue As ContentValue, CreateUser,MachineId,CancelStatus From Invoice I LEFT OUTER JOIN ZELADMINCONFIG.dbo.TBL_SUB_BRANCH_MASTER SM ON I.SUB_BRANCHCODE=SM.SUB_BRANCH_CODE Where ConsignmentNo=12345678901234
GO
-- POD query: detail grid query, central variant (mobile numbers in full)
Select VOL_METRIC_STATUS,PAR_LENGTH,PAR_WIDTH,PAR_HEIGHT,Weight_Type,SUB_BRANCH_NAME + ' - ' + SUB_BRANCHCODE as [Sub Branch],PAYMENT_TYPE,PAYMENT_REFNO As [UPI Ref No], MOBILE_No,TOADDRESS5 AS To_MobileNo,ODA_CHARGE as [ODA Charge],CUST_GST_ID,SLAB_ID as [Disc Slab],ContainValue As ContentValue, CreateUser,MachineId,CancelStatus From Invoice I LEFT OUTER JOIN ZELADMINCONFIG.dbo.TBL_SUB_BRANCH_MASTER SM ON I.SUB_BRANCHCODE=SM.SUB_BRANCH_CODE Where ConsignmentNo=12345678901234
GO
-- POD query: query-log row, positional form (23 values, outgoing manifest found)
INSERT INTO ZELADMINCONFIG..tbl_Qry_Details Values ('2026-06-15','OUTGOING','ZEL',12345678901234, 'ZELJUN26','2026-06-12',4512,'D','DELIVERED', NULL,'ZELAND MAIN BRANCH','COUNTER-PC1','RAVI','2026-06-15 10:32:05', '2026-06-11','KWD','KUWAIT CITY','SOUTH','SURFACE', 'Acct. Party','P0001','2.5','KWD')
GO
-- POD query: query-log row, column-list form (19 values, no outgoing manifest)
INSERT INTO ZELADMINCONFIG..tbl_Qry_Details (QueryDate,QueryType,Origin,ConsignmentNo,DBName,ReasonCode,Reason_Desc,BranchName,System_Name,Create_User,Create_Date, BookingDate,CityCode,Destination,Region,BookingMode,TransactionMode,PartyCode,Weight) Values ('2026-06-15','OUTGOING','ZEL',12345678901235, 'ZELJUN26','N','', 'ZELAND MAIN BRANCH','COUNTER-PC1','RAVI','2026-06-15 10:35:40', '2026-06-13','KWD','KUWAIT CITY','SOUTH','SURFACE', 'Paid','',0.5)
GO
-- POD query: outgoing manifest lines of the consignment and its pro-consignment number
Select * from Manifest where ConsignmentNo In (12345678901234,987654321)
GO
-- POD query: reason name of one non-delivery report
Select ReasonName From Run_ReasonMaster Where ReasonCode='R01'
GO
-- POD query: reason name of a report whose reason code is Null (empty code)
Select ReasonName From Run_ReasonMaster Where ReasonCode=''
GO
-- POD query: manifest returns of the consignment
Select * from MF_Rtn_Master Where ConsignNo=12345678901234 Order By EntryDate,ReceivedDate
GO
-- POD query: incoming manifest lines (first kind) for the station
Select * from Run_Manifest WHERE ConsignmentNo=12345678901234 and Origin='ZEL'
GO
-- POD query: incoming manifest lines (OTC kind) for the station
Select * from Run_HotcManifest WHERE ConsignmentNo=12345678901234 and Origin='ZEL'
GO
-- POD query, head-office panel: head-office delivery run-sheet records (linked server)
select Convert(Varchar(10),tdate,120) as Date,Origin,CNo,StnCode+'/'+bcode As Destn,DR.Rcode as Status,RM.Descp As Description, DRSNo,SNo,CNee,RcvdBy,DTime,Staff,Route as DlyRoute From [{HOSERVER}].KWD32Server.dbo.DrFile DR Left Outer Join [{HOSERVER}].KWD32Server.dbo.status RM ON DR.Rcode=RM.Rcode where Origin='ZEL' And cno='12345678901234' order by dtime
GO
-- POD query, head-office panel: head-office inbound consignment scans (linked server)
select Convert(Varchar(10),tdate,120) as Date,Origin,SNo,CNo,StnCode+'/'+OPCode As OPCode,Case When Type='O' Then 'OutBound' Else 'InBound' End As INOUT, Destn,MFNo,Weight,Pcs,RmKs,AR As AddlRmks,Hub,State,MTime from [{HOSERVER}].KWD32Server.dbo.CnFile where cno='12345678901234' And Origin='ZEL' And Type='I' order by tdate,mtime
GO
-- POD query, head-office panel: head-office point-to-point scans (linked server)
select Convert(Varchar(10),tdate,120) as Date,ptime,Origin,SlNo,CNo,StnCode+'/'+OPCode As Scanned@,Case When Type='O' Then 'OutBound' Else 'InBound' End As INOUT, Bcode,PntNo,Weight,Pcs,Rmks As Remarks,TLoad As LoadN From [{HOSERVER}].KWD32Server.dbo.PointPod where cno='12345678901234' And Origin='ZEL' order by tdate,ptime
GO
-- POD query, head-office panel: head-office OTC scans, manifest number compared with the consignment number (linked server)
select Convert(Varchar(10),tdate,120) as Date,Origin,Mfno,StnCode+'/'+OPCode As Scanned@,Case When Type='O' Then 'OutBound' Else 'InBound' End As INOUT, Destn,OTime,OTCNo,SNo,Weight,Pcs,Rmks As Remarks,Ar As AddlRemarks From [{HOSERVER}].KWD32Server.dbo.OTCFile where mfno='12345678901234' AND ORIGIN='ZEL' Order by tdate,OTime
GO
-- POD query, booking search: account parties booked on the date, all branches
Select Distinct PartyCode,FromAddress1 as PartyName From Invoice Where BookingDate='2026-06-11' And TransactionMode='Acct. Party' Order By PartyCode
GO
-- POD query, booking search: account parties booked on the date, user's branch only
Select Distinct PartyCode,FromAddress1 as PartyName From Invoice Where BookingDate='2026-06-11' And TransactionMode='Acct. Party' And BranchCode='ZEL' Order By PartyCode
GO
-- POD query, booking search: name search, no mode and empty name box (fewest filters)
Select BookingDate,ConsignmentNo,ToAddress1 From Invoice Where CancelStatus=0 And BookingDate='2026-06-11' And ToAddress1<>'' Order By ToAddress1
GO
-- POD query, booking search: name search, cash bookings with name prefix
Select BookingDate,ConsignmentNo,ToAddress1 From Invoice Where CancelStatus=0 And BookingDate='2026-06-11' And TransactionMode='Paid' And ToAddress1<>'' And ToAddress1 like 'AHM%' Order By ToAddress1
GO
-- POD query, booking search: name search, account bookings with party and name prefix
Select BookingDate,ConsignmentNo,ToAddress1 From Invoice Where CancelStatus=0 And BookingDate='2026-06-11' And TransactionMode='Acct. Party' And PartyCode='P0001' And ToAddress1 like 'AHM%' Order By ToAddress1
GO
-- POD query, booking search: name search, account bookings, no party, empty name box
Select BookingDate,ConsignmentNo,ToAddress1 From Invoice Where CancelStatus=0 And BookingDate='2026-06-11' And TransactionMode='Acct. Party' Order By ToAddress1
GO
-- POD query: registered scanned POD document of the consignment
Select * From ZELADMINCONFIG..OUTGOING_SCANNED_PDF WHERE ConsignmentNo=12345678901234 And Remarks='Consignment Successfully Moved'
GO
-- older POD query: manifest lines of a booked consignment
Select * from Manifest Where ConsignmentNo=12345678901234
GO
-- older POD query: reason name of one non-delivery entry
Select ReasonName From Run_ReasonMaster Where ReasonCode='R02'
GO
