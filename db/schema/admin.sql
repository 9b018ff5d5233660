-- ZELAdminConfig: the branch's administration database (users, branches, settings, query log,
-- workstation list and the delivery-status processing tables).

CREATE TABLE CompanyMaster (
    CompanyName VARCHAR(100) COLLATE SQLTEXT NOT NULL,
    City        VARCHAR(50) COLLATE SQLTEXT NOT NULL
);

-- Exactly one row carries MainBranch = 1: the branch this installation serves.
CREATE TABLE BranchMaster (
    BranchCode VARCHAR(10) COLLATE SQLTEXT NOT NULL PRIMARY KEY,
    BranchName VARCHAR(50) COLLATE SQLTEXT NOT NULL,
    PhoneNo    VARCHAR(30) COLLATE SQLTEXT,
    MainBranch BIT NOT NULL DEFAULT 0
);
CREATE INDEX IX_BranchMaster_MainBranch ON BranchMaster(MainBranch);

CREATE TABLE TBL_SUB_BRANCH_MASTER (
    SUB_BRANCH_CODE VARCHAR(10) COLLATE SQLTEXT NOT NULL PRIMARY KEY,
    SUB_BRANCH_NAME VARCHAR(50) COLLATE SQLTEXT NOT NULL
);

-- Settings rows, found by Software and Description (e.g. QUERY / DRS OUT PATH, QUERY / HO SERVER).
CREATE TABLE tab_Settings (
    Software    VARCHAR(20) COLLATE SQLTEXT NOT NULL,
    Description VARCHAR(50) COLLATE SQLTEXT NOT NULL,
    Status      INT,
    Remarks     VARCHAR(200) COLLATE SQLTEXT
);
CREATE INDEX IX_tab_Settings_Software ON tab_Settings(Software);

-- Addresses of the POD image servers: IP_ADDRS1 the central one, IP_ADDRS2 the branch's.
CREATE TABLE TAB_DRS_IP_DET (
    DESCRIPTION VARCHAR(30) COLLATE SQLTEXT NOT NULL,
    IP_ADDRS1   VARCHAR(50) COLLATE SQLTEXT,
    IP_ADDRS2   VARCHAR(50) COLLATE SQLTEXT
);
CREATE INDEX IX_TAB_DRS_IP_DET_DESCRIPTION ON TAB_DRS_IP_DET(DESCRIPTION);

-- Users. The rights flags are kept for the other programs that share this table.
-- Joined to the month tables' CreateUser columns by name only: no column here may repeat a
-- column of those tables (ConsignmentNo, Origin, ManifestDate, SerialNo, ConsignNo, ...).
CREATE TABLE LoginMaster (
    UserName      VARCHAR(25) COLLATE SQLTEXT NOT NULL PRIMARY KEY,
    Password      VARCHAR(20) COLLATE SQLTEXT NOT NULL,
    BranchCode    VARCHAR(10) COLLATE SQLTEXT NOT NULL,
    Category      VARCHAR(30) COLLATE SQLTEXT NOT NULL,
    Paid          BIT NOT NULL DEFAULT 0,
    AccountParty  BIT NOT NULL DEFAULT 0,
    NotPaid       BIT NOT NULL DEFAULT 0,
    ToPay         BIT NOT NULL DEFAULT 0,
    IOC           BIT NOT NULL DEFAULT 0,
    PartyCreation BIT NOT NULL DEFAULT 0,
    ConsignEntry  BIT NOT NULL DEFAULT 0,
    PODEntry      BIT NOT NULL DEFAULT 0,
    AcctQuery     BIT NOT NULL DEFAULT 0,
    AcctReports   BIT NOT NULL DEFAULT 0,
    Billing       BIT NOT NULL DEFAULT 0,
    SalesLedger   BIT NOT NULL DEFAULT 0,
    AcctBackup    BIT NOT NULL DEFAULT 0
);

-- Workstations allowed to write the query log (Cancel_Status 0 = registration in force).
CREATE TABLE tbl_User_System (
    System_Name   VARCHAR(50) COLLATE SQLTEXT NOT NULL PRIMARY KEY,
    Cancel_Status INT NOT NULL DEFAULT 0
);

-- The consignment query log. The columns after QryId are in the order of the log's positional
-- insert (23 values); QryId is numbered by the server.
CREATE TABLE tbl_Qry_Details (
    QryId           INTEGER PRIMARY KEY AUTOINCREMENT,
    QueryDate       DATETIME COLLATE SQLDATE NOT NULL,
    QueryType       VARCHAR(10) COLLATE SQLTEXT NOT NULL,
    Origin          VARCHAR(10) COLLATE SQLTEXT,
    ConsignmentNo   BIGINT NOT NULL,
    DBName          VARCHAR(20) COLLATE SQLTEXT,
    RunsheetDate    DATETIME COLLATE SQLDATE,
    RunsheetNo      BIGINT,
    ReasonCode      VARCHAR(10) COLLATE SQLTEXT,
    Reason_Desc     VARCHAR(100) COLLATE SQLTEXT,
    DRSNo           BIGINT,
    BranchName      VARCHAR(50) COLLATE SQLTEXT,
    System_Name     VARCHAR(50) COLLATE SQLTEXT,
    Create_User     VARCHAR(25) COLLATE SQLTEXT,
    Create_Date     DATETIME COLLATE SQLDATE,
    BookingDate     DATETIME COLLATE SQLDATE,
    CityCode        VARCHAR(10) COLLATE SQLTEXT,
    Destination     VARCHAR(50) COLLATE SQLTEXT,
    Region          VARCHAR(20) COLLATE SQLTEXT,
    BookingMode     VARCHAR(15) COLLATE SQLTEXT,
    TransactionMode VARCHAR(15) COLLATE SQLTEXT,
    PartyCode       VARCHAR(20) COLLATE SQLTEXT,
    Weight          DECIMAL(10,3),
    MF_Destination  VARCHAR(10) COLLATE SQLTEXT
);
CREATE INDEX IX_tbl_Qry_Details_QueryDate ON tbl_Qry_Details(QueryDate);
CREATE INDEX IX_tbl_Qry_Details_QueryType_QueryDate ON tbl_Qry_Details(QueryType, QueryDate);
CREATE INDEX IX_tbl_Qry_Details_Origin ON tbl_Qry_Details(Origin);
CREATE INDEX IX_tbl_Qry_Details_ConsignmentNo ON tbl_Qry_Details(ConsignmentNo);

-- Text messages sent about consignments.
CREATE TABLE TBL_SMS_CONSIGNMENT_DETAILS (
    Tran_Id       INTEGER PRIMARY KEY AUTOINCREMENT,
    Tran_Date     DATETIME COLLATE SQLDATE NOT NULL,
    CONSIGNMENTNO BIGINT NOT NULL,
    ORIGIN        VARCHAR(10) COLLATE SQLTEXT NOT NULL,
    TO_MOBILE_NO  VARCHAR(15) COLLATE SQLTEXT,
    BODY_TEXT     VARCHAR(500) COLLATE SQLTEXT,
    SENT_DATETIME DATETIME COLLATE SQLDATE,
    SENT_MESSAGE  VARCHAR(50) COLLATE SQLTEXT
);
CREATE INDEX IX_TBL_SMS_CONSIGNMENT_DETAILS_CONSIGNMENTNO_ORIGIN ON TBL_SMS_CONSIGNMENT_DETAILS(CONSIGNMENTNO, ORIGIN);

-- Scanned POD documents moved to the document store.
CREATE TABLE OUTGOING_SCANNED_PDF (
    ConsignmentNo BIGINT NOT NULL,
    file_path     VARCHAR(255) COLLATE SQLTEXT,
    Remarks       VARCHAR(100) COLLATE SQLTEXT
);
CREATE INDEX IX_OUTGOING_SCANNED_PDF_ConsignmentNo ON OUTGOING_SCANNED_PDF(ConsignmentNo);

-- Runs of the head office's delivery downloads: Down_Type 'DRS' (runsheets) or 'PTP' (point PODs).
CREATE TABLE tbl_RO_Download_Log (
    Tran_Id   INTEGER PRIMARY KEY AUTOINCREMENT,
    Down_Type VARCHAR(3) COLLATE SQLTEXT NOT NULL,
    Down_Date DATETIME COLLATE SQLDATE NOT NULL
);
CREATE INDEX IX_tbl_RO_Download_Log_Down_Type ON tbl_RO_Download_Log(Down_Type);

-- Downloaded runsheet lines (the head office's DrFile), Tran_Id = the download run.
-- CNo holds the consignment number as text, like the head office does.
CREATE TABLE RO_DrFile (
    Tran_Id INT NOT NULL,
    tdate   DATETIME COLLATE SQLDATE,
    Origin  VARCHAR(10) COLLATE SQLTEXT,
    CNo     VARCHAR(14) COLLATE SQLTEXT NOT NULL,
    StnCode VARCHAR(10) COLLATE SQLTEXT,
    bcode   VARCHAR(10) COLLATE SQLTEXT,
    Rcode   VARCHAR(10) COLLATE SQLTEXT,
    DRSNo   VARCHAR(14) COLLATE SQLTEXT,
    SNo     INT,
    CNee    VARCHAR(50) COLLATE SQLTEXT,
    RcvdBy  VARCHAR(50) COLLATE SQLTEXT,
    DTime   VARCHAR(8) COLLATE SQLTEXT,
    Staff   VARCHAR(30) COLLATE SQLTEXT,
    Route   VARCHAR(20) COLLATE SQLTEXT
);
CREATE INDEX IX_RO_DrFile_CNo ON RO_DrFile(CNo);
CREATE INDEX IX_RO_DrFile_Tran_Id ON RO_DrFile(Tran_Id);

-- Downloaded point-to-point POD scans (the head office's PointPod), Tran_Id = the download run.
CREATE TABLE RO_PointPod (
    Tran_Id INT NOT NULL,
    tdate   DATETIME COLLATE SQLDATE,
    ptime   VARCHAR(8) COLLATE SQLTEXT,
    Origin  VARCHAR(10) COLLATE SQLTEXT,
    SlNo    INT,
    CNo     VARCHAR(14) COLLATE SQLTEXT NOT NULL,
    StnCode VARCHAR(10) COLLATE SQLTEXT,
    OPCode  VARCHAR(10) COLLATE SQLTEXT,
    Type    VARCHAR(1) COLLATE SQLTEXT,
    Bcode   VARCHAR(10) COLLATE SQLTEXT,
    PntNo   VARCHAR(14) COLLATE SQLTEXT,
    Weight  DECIMAL(10,3),
    Pcs     INT,
    Rmks    VARCHAR(100) COLLATE SQLTEXT,
    TLoad   VARCHAR(20) COLLATE SQLTEXT
);
CREATE INDEX IX_RO_PointPod_CNo ON RO_PointPod(CNo);
CREATE INDEX IX_RO_PointPod_Tran_Id ON RO_PointPod(Tran_Id);

-- Work table of the delivery status report, refilled whole by the two status procedures
-- (one row per consignment).
CREATE TABLE tbl_Consignment_Status_Temp (
    BookingDate     DATETIME COLLATE SQLDATE NOT NULL,
    ConsignmentNo   BIGINT NOT NULL,
    CityCode        VARCHAR(10) COLLATE SQLTEXT,
    Destination     VARCHAR(30) COLLATE SQLTEXT NOT NULL DEFAULT '',
    PartyCode       VARCHAR(15) COLLATE SQLTEXT NOT NULL DEFAULT '',
    PartyName       VARCHAR(50) COLLATE SQLTEXT NOT NULL DEFAULT '',
    Branch_Code     VARCHAR(10) COLLATE SQLTEXT NOT NULL DEFAULT '',
    Weight          DECIMAL(10,3),
    Reason_Name     VARCHAR(50) COLLATE SQLTEXT,
    Download_Time   DATETIME COLLATE SQLDATE,
    TransactionMode VARCHAR(15) COLLATE SQLTEXT NOT NULL DEFAULT ''
);
CREATE UNIQUE INDEX IX_tbl_Consignment_Status_Temp_ConsignmentNo ON tbl_Consignment_Status_Temp(ConsignmentNo);
CREATE INDEX IX_tbl_Consignment_Status_Temp_BookingDate ON tbl_Consignment_Status_Temp(BookingDate);
CREATE INDEX IX_tbl_Consignment_Status_Temp_Branch_Code ON tbl_Consignment_Status_Temp(Branch_Code);
