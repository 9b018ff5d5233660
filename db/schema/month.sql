-- A month database (station + MMM + yy, e.g. ZELJUN26): the bookings, manifests, runsheets and
-- non-delivery records of one month, with the masters they refer to.
-- Date-only columns hold 'yyyy-MM-dd', date-and-time columns 'yyyy-MM-dd HH:mm:ss'.

-- ---- masters --------------------------------------------------------------------------------

-- Stations and cities: CityCode is the station code that origins and destinations use.
CREATE TABLE CityMaster (
    CityCode VARCHAR(10) COLLATE SQLTEXT NOT NULL PRIMARY KEY,
    CityName VARCHAR(30) COLLATE SQLTEXT NOT NULL
);
CREATE INDEX IX_CityMaster_CityName ON CityMaster(CityName);

-- Delivery and non-delivery reasons of runsheet lines and non-delivery reports.
-- Names carry no apostrophe.
CREATE TABLE Run_ReasonMaster (
    ReasonCode VARCHAR(10) COLLATE SQLTEXT NOT NULL PRIMARY KEY,
    ReasonName VARCHAR(50) COLLATE SQLTEXT
);

-- Delivery areas and staff. Both are joined to the runsheet lines by name only: they must not
-- take any further column of RunsheetDetails.
CREATE TABLE Run_AreaMaster (
    AreaCode VARCHAR(10) COLLATE SQLTEXT NOT NULL PRIMARY KEY,
    AreaName VARCHAR(50) COLLATE SQLTEXT
);

CREATE TABLE Run_StaffMaster (
    StaffCode VARCHAR(10) COLLATE SQLTEXT NOT NULL PRIMARY KEY,
    StaffName VARCHAR(50) COLLATE SQLTEXT
);

-- ---- outgoing: bookings and what became of them ---------------------------------------------

-- One row per booked consignment.
CREATE TABLE Invoice (
    ConsignmentNo     BIGINT NOT NULL PRIMARY KEY,
    BookingDate       DATETIME COLLATE SQLDATE NOT NULL,
    BookingTime       VARCHAR(8) COLLATE SQLTEXT,
    BookingMode       VARCHAR(15) COLLATE SQLTEXT,
    TransactionMode   VARCHAR(15) COLLATE SQLTEXT,
    Booking_Type      VARCHAR(20) COLLATE SQLTEXT,
    Rate_Type         VARCHAR(15) COLLATE SQLTEXT,
    Weight_Type       VARCHAR(15) COLLATE SQLTEXT,
    DocumentType      VARCHAR(10) COLLATE SQLTEXT,
    PickUp            VARCHAR(20) COLLATE SQLTEXT,
    PartyCode         VARCHAR(15) COLLATE SQLTEXT,
    BranchCode        VARCHAR(10) COLLATE SQLTEXT,
    Booked_Branch     VARCHAR(30) COLLATE SQLTEXT,
    SUB_BRANCHCODE    VARCHAR(10) COLLATE SQLTEXT,
    BOOKED_BY         VARCHAR(20) COLLATE SQLTEXT,
    Pro_Origin        VARCHAR(10) COLLATE SQLTEXT,
    Pro_ConsignNo     BIGINT,
    CityCode          VARCHAR(10) COLLATE SQLTEXT,
    Destination       VARCHAR(30) COLLATE SQLTEXT,
    Region            VARCHAR(20) COLLATE SQLTEXT,
    FromAddress1      VARCHAR(50) COLLATE SQLTEXT,
    FromAddress2      VARCHAR(50) COLLATE SQLTEXT,
    FromAddress3      VARCHAR(50) COLLATE SQLTEXT,
    FromAddress4      VARCHAR(50) COLLATE SQLTEXT,
    FromAddress5      VARCHAR(40) COLLATE SQLTEXT,
    ToAddress1        VARCHAR(50) COLLATE SQLTEXT,
    ToAddress2        VARCHAR(50) COLLATE SQLTEXT,
    ToAddress3        VARCHAR(50) COLLATE SQLTEXT,
    ToAddress4        VARCHAR(50) COLLATE SQLTEXT,
    ToAddress5        VARCHAR(40) COLLATE SQLTEXT,
    MOBILE_No         VARCHAR(15) COLLATE SQLTEXT,
    PinCode           VARCHAR(10) COLLATE SQLTEXT,
    CUST_GST_ID       VARCHAR(20) COLLATE SQLTEXT,
    Pieces            INT,
    Weight            DECIMAL(10,3),
    Vol_Weight        DECIMAL(10,3),
    Tot_Weight        DECIMAL(10,3),
    VOL_METRIC_STATUS VARCHAR(5) COLLATE SQLTEXT,
    PAR_LENGTH        DECIMAL(8,2),
    PAR_WIDTH         DECIMAL(8,2),
    PAR_HEIGHT        DECIMAL(8,2),
    Amount            DECIMAL(12,2),
    ODA_CHARGE        DECIMAL(10,2),
    SLAB_ID           VARCHAR(10) COLLATE SQLTEXT,
    PAYMENT_TYPE      VARCHAR(15) COLLATE SQLTEXT,
    PAYMENT_REFNO     VARCHAR(30) COLLATE SQLTEXT,
    Contain1          VARCHAR(50) COLLATE SQLTEXT,
    Contain2          VARCHAR(50) COLLATE SQLTEXT,
    Contain3          VARCHAR(50) COLLATE SQLTEXT,
    ContainValue      DECIMAL(12,2),
    CC_Priority       INT NOT NULL DEFAULT 0,
    CancelStatus      INT NOT NULL DEFAULT 0,
    DeliveryStatus    VARCHAR(1) COLLATE SQLTEXT,
    PodDate           DATETIME COLLATE SQLDATE,
    PodScanDate       DATETIME COLLATE SQLDATE,
    CreateDate        DATETIME COLLATE SQLDATE,
    CreateUser        VARCHAR(20) COLLATE SQLTEXT,
    MachineId         VARCHAR(30) COLLATE SQLTEXT
);
CREATE INDEX IX_Invoice_BookingDate ON Invoice(BookingDate);
CREATE INDEX IX_Invoice_Pro_ConsignNo ON Invoice(Pro_ConsignNo);
CREATE INDEX IX_Invoice_BranchCode ON Invoice(BranchCode);
CREATE INDEX IX_Invoice_Booked_Branch ON Invoice(Booked_Branch);
-- the branch's bookings of a date range in date order, without a sort
CREATE INDEX IX_Invoice_Booked_Branch_BookingDate ON Invoice(Booked_Branch, BookingDate, ConsignmentNo);
CREATE INDEX IX_Invoice_PartyCode ON Invoice(PartyCode);
-- a day's bookings in the order of their first consignee line, with what the name search filters
-- on and lists, without a sort or a visit to the table
CREATE INDEX IX_Invoice_BookingDate_ToAddress1 ON Invoice(BookingDate, ToAddress1, CancelStatus, TransactionMode,
                                                        ConsignmentNo);

-- Outgoing manifest lines.
CREATE TABLE Manifest (
    ManifestNo    BIGINT,
    ManifestDate  DATETIME COLLATE SQLDATE NOT NULL,
    ManifestMode  VARCHAR(15) COLLATE SQLTEXT,
    OriginCode    VARCHAR(10) COLLATE SQLTEXT,
    Destination   VARCHAR(10) COLLATE SQLTEXT,
    PacketNo      INT,
    SlNo          INT,
    ConsignmentNo BIGINT NOT NULL,
    Weight        DECIMAL(10,3),
    Remarks       VARCHAR(100) COLLATE SQLTEXT,
    BranchCode    VARCHAR(10) COLLATE SQLTEXT,
    CreateDate    DATETIME COLLATE SQLDATE,
    CreateUser    VARCHAR(20) COLLATE SQLTEXT,
    MachineId     VARCHAR(30) COLLATE SQLTEXT
);
CREATE INDEX IX_Manifest_ConsignmentNo ON Manifest(ConsignmentNo);
CREATE INDEX IX_Manifest_Destination ON Manifest(Destination);

-- Non-delivery reports of outgoing consignments (EntryStatus 'Remainder', 'Return', 'Misroute').
CREATE TABLE OutgoingNonDelvy (
    TransDate     DATETIME COLLATE SQLDATE NOT NULL,
    ConsignmentNo BIGINT NOT NULL,
    Destination   VARCHAR(30) COLLATE SQLTEXT,
    RemainderNo   INT,
    ReasonCode    VARCHAR(10) COLLATE SQLTEXT,
    EntryStatus   VARCHAR(15) COLLATE SQLTEXT,
    FDestination  VARCHAR(30) COLLATE SQLTEXT,
    Status        VARCHAR(20) COLLATE SQLTEXT,
    Remarks       VARCHAR(100) COLLATE SQLTEXT,
    CreateDate    DATETIME COLLATE SQLDATE,
    CreateUser    VARCHAR(20) COLLATE SQLTEXT
);
CREATE INDEX IX_OutgoingNonDelvy_ConsignmentNo ON OutgoingNonDelvy(ConsignmentNo);

-- Consignments returned on a manifest.
CREATE TABLE MF_Rtn_Master (
    EntryDate      DATETIME COLLATE SQLDATE NOT NULL,
    ReceivedDate   DATETIME COLLATE SQLDATE,
    ConsignNo      BIGINT NOT NULL,
    Origin         VARCHAR(10) COLLATE SQLTEXT,
    MF_Destination VARCHAR(10) COLLATE SQLTEXT,
    MF_Reason      VARCHAR(100) COLLATE SQLTEXT,
    EnteryBy       VARCHAR(20) COLLATE SQLTEXT
);
CREATE INDEX IX_MF_Rtn_Master_ConsignNo ON MF_Rtn_Master(ConsignNo);

-- Missing-POD cases, one per consignment.
CREATE TABLE MissingPOD (
    ConsignmentNo BIGINT NOT NULL,
    BookingDate   DATETIME COLLATE SQLDATE,
    FromAddress1  VARCHAR(50) COLLATE SQLTEXT,
    FromAddress2  VARCHAR(50) COLLATE SQLTEXT,
    FromAddress3  VARCHAR(50) COLLATE SQLTEXT,
    FromAddress4  VARCHAR(50) COLLATE SQLTEXT,
    ToAddress1    VARCHAR(50) COLLATE SQLTEXT,
    ToAddress2    VARCHAR(50) COLLATE SQLTEXT,
    ToAddress3    VARCHAR(50) COLLATE SQLTEXT,
    ToAddress4    VARCHAR(50) COLLATE SQLTEXT,
    ManifestDate  DATETIME COLLATE SQLDATE,
    MFDestination VARCHAR(10) COLLATE SQLTEXT,
    ManifestNo    BIGINT,
    MFSlNo        INT,
    MFPacketNo    INT
);
CREATE UNIQUE INDEX IX_MissingPOD_ConsignmentNo ON MissingPOD(ConsignmentNo);

-- Dummy PODs awaiting their real proof of delivery.
CREATE TABLE DummyPod (
    PodDate       DATETIME COLLATE SQLDATE NOT NULL,
    Origin        VARCHAR(10) COLLATE SQLTEXT,
    ConsignmentNo BIGINT NOT NULL,
    FromAddress1  VARCHAR(50) COLLATE SQLTEXT,
    FromAddress2  VARCHAR(50) COLLATE SQLTEXT,
    FromAddress3  VARCHAR(50) COLLATE SQLTEXT,
    ToAddress1    VARCHAR(50) COLLATE SQLTEXT,
    ToAddress2    VARCHAR(50) COLLATE SQLTEXT,
    ToAddress3    VARCHAR(50) COLLATE SQLTEXT,
    Weight        DECIMAL(10,3),
    NoofPcs       INT,
    BranchCode    VARCHAR(10) COLLATE SQLTEXT,
    CreateDate    DATETIME COLLATE SQLDATE,
    CreateUser    VARCHAR(20) COLLATE SQLTEXT
);
CREATE INDEX IX_DummyPod_PodDate ON DummyPod(PodDate);
CREATE INDEX IX_DummyPod_ConsignmentNo_Origin ON DummyPod(ConsignmentNo, Origin);

-- ---- incoming: consignments of other stations delivered here ---------------------------------

-- Incoming manifest lines.
CREATE TABLE Run_Manifest (
    ManifestNo    BIGINT,
    ManifestDate  DATETIME COLLATE SQLDATE NOT NULL,
    SerialNo      INT,
    Origin        VARCHAR(10) COLLATE SQLTEXT NOT NULL,
    ConsignmentNo BIGINT NOT NULL,
    Destination   VARCHAR(10) COLLATE SQLTEXT,
    NoofPcs       INT,
    Weight        DECIMAL(10,3),
    Status        VARCHAR(20) COLLATE SQLTEXT,
    Remarks       VARCHAR(100) COLLATE SQLTEXT,
    LateArrival   INT,
    BranchCode    VARCHAR(10) COLLATE SQLTEXT,
    CreateDate    DATETIME COLLATE SQLDATE,
    CreateUser    VARCHAR(20) COLLATE SQLTEXT,
    MachineId     VARCHAR(30) COLLATE SQLTEXT
);
CREATE INDEX IX_Run_Manifest_ConsignmentNo_Origin ON Run_Manifest(ConsignmentNo, Origin);
CREATE INDEX IX_Run_Manifest_ManifestDate ON Run_Manifest(ManifestDate);
CREATE INDEX IX_Run_Manifest_Destination ON Run_Manifest(Destination);

-- Incoming OTC manifest lines: OTCVehicle names the vehicle; Destination as on Run_Manifest.
CREATE TABLE Run_HotcManifest (
    ManifestNo    BIGINT,
    ManifestDate  DATETIME COLLATE SQLDATE NOT NULL,
    SerialNo      INT,
    Origin        VARCHAR(10) COLLATE SQLTEXT NOT NULL,
    ConsignmentNo BIGINT NOT NULL,
    Destination   VARCHAR(10) COLLATE SQLTEXT,
    OTCVehicle    VARCHAR(20) COLLATE SQLTEXT,
    NoofPcs       INT,
    Weight        DECIMAL(10,3),
    Status        VARCHAR(20) COLLATE SQLTEXT,
    Remarks       VARCHAR(100) COLLATE SQLTEXT,
    LateArrival   INT,
    BranchCode    VARCHAR(10) COLLATE SQLTEXT,
    CreateDate    DATETIME COLLATE SQLDATE,
    CreateUser    VARCHAR(20) COLLATE SQLTEXT,
    MachineId     VARCHAR(30) COLLATE SQLTEXT
);
CREATE INDEX IX_Run_HotcManifest_ConsignmentNo_Origin ON Run_HotcManifest(ConsignmentNo, Origin);
CREATE INDEX IX_Run_HotcManifest_ManifestDate ON Run_HotcManifest(ManifestDate);

-- Local manifests: consignments sent on from this station to its branches.
-- CreateUser refers to ZELAdminConfig's LoginMaster.UserName.
CREATE TABLE Run_LocalManifest (
    ManifestDate  DATETIME COLLATE SQLDATE NOT NULL,
    SerialNo      INT,
    Origin        VARCHAR(10) COLLATE SQLTEXT NOT NULL,
    ConsignmentNo BIGINT NOT NULL,
    BranchCode    VARCHAR(10) COLLATE SQLTEXT,
    NoofPcs       INT,
    Weight        DECIMAL(10,3),
    Remarks       VARCHAR(100) COLLATE SQLTEXT,
    CreateDate    DATETIME COLLATE SQLDATE,
    CreateUser    VARCHAR(20) COLLATE SQLTEXT,
    MachineId     VARCHAR(30) COLLATE SQLTEXT
);
CREATE INDEX IX_Run_LocalManifest_ConsignmentNo_Origin ON Run_LocalManifest(ConsignmentNo, Origin);
CREATE INDEX IX_Run_LocalManifest_ManifestDate ON Run_LocalManifest(ManifestDate);
CREATE INDEX IX_Run_LocalManifest_CreateUser ON Run_LocalManifest(CreateUser);

-- Local manifests as the receiving branches entered them.
CREATE TABLE Run_Branch_LocalManifest (
    ManifestDate  DATETIME COLLATE SQLDATE NOT NULL,
    SerialNo      INT,
    Origin        VARCHAR(10) COLLATE SQLTEXT NOT NULL,
    ConsignmentNo BIGINT NOT NULL,
    BranchCode    VARCHAR(10) COLLATE SQLTEXT,
    NoofPcs       INT,
    Weight        DECIMAL(10,3),
    Remarks       VARCHAR(100) COLLATE SQLTEXT,
    CreateDate    DATETIME COLLATE SQLDATE,
    CreateUser    VARCHAR(20) COLLATE SQLTEXT,
    MachineId     VARCHAR(30) COLLATE SQLTEXT
);
CREATE INDEX IX_Run_Branch_LocalManifest_ConsignmentNo_Origin ON Run_Branch_LocalManifest(ConsignmentNo, Origin);
CREATE INDEX IX_Run_Branch_LocalManifest_ManifestDate ON Run_Branch_LocalManifest(ManifestDate);

-- Documents held pending, and miscellaneous entries (the table name is spelled so).
CREATE TABLE PendingDoc (
    PendingDate   DATETIME COLLATE SQLDATE NOT NULL,
    SerialNo      INT,
    ConsignmentNo BIGINT NOT NULL,
    BranchCode    VARCHAR(10) COLLATE SQLTEXT,
    Remarks       VARCHAR(100) COLLATE SQLTEXT,
    CreateDate    DATETIME COLLATE SQLDATE,
    CreateUser    VARCHAR(20) COLLATE SQLTEXT,
    MachineId     VARCHAR(30) COLLATE SQLTEXT
);
CREATE INDEX IX_PendingDoc_ConsignmentNo ON PendingDoc(ConsignmentNo);

CREATE TABLE Misscellaneous (
    PendingDate   DATETIME COLLATE SQLDATE NOT NULL,
    SerialNo      INT,
    ConsignmentNo BIGINT NOT NULL,
    BranchCode    VARCHAR(10) COLLATE SQLTEXT,
    Remarks       VARCHAR(100) COLLATE SQLTEXT,
    CreateDate    DATETIME COLLATE SQLDATE,
    CreateUser    VARCHAR(20) COLLATE SQLTEXT,
    MachineId     VARCHAR(30) COLLATE SQLTEXT
);
CREATE INDEX IX_Misscellaneous_ConsignmentNo ON Misscellaneous(ConsignmentNo);

-- Misroutes received here; Create_User refers to LoginMaster.UserName.
CREATE TABLE tbl_Incoming_Misroute_Entry (
    Tran_Id        INTEGER PRIMARY KEY AUTOINCREMENT,
    IMF_Date       DATETIME COLLATE SQLDATE NOT NULL,
    Origin         VARCHAR(10) COLLATE SQLTEXT NOT NULL,
    ConNo          BIGINT NOT NULL,
    NoofPcs        INT,
    Weight         DECIMAL(10,3),
    Misroute_Code  VARCHAR(10) COLLATE SQLTEXT,
    Misroute_Destn VARCHAR(10) COLLATE SQLTEXT,
    Create_User    VARCHAR(20) COLLATE SQLTEXT,
    Create_Date    DATETIME COLLATE SQLDATE,
    Create_Machine VARCHAR(30) COLLATE SQLTEXT
);
CREATE INDEX IX_tbl_Incoming_Misroute_Entry_ConNo_Origin ON tbl_Incoming_Misroute_Entry(ConNo, Origin);
CREATE INDEX IX_tbl_Incoming_Misroute_Entry_IMF_Date ON tbl_Incoming_Misroute_Entry(IMF_Date);

-- Delivery runsheets. The runsheet's date, origin and consignment live on its lines only: the
-- runsheet lookup joins master and lines by name and those names must stay unique.
CREATE TABLE RunsheetMaster (
    RunsheetNo BIGINT NOT NULL PRIMARY KEY,
    BranchCode VARCHAR(10) COLLATE SQLTEXT,
    StaffCode  VARCHAR(10) COLLATE SQLTEXT,
    CreateDate DATETIME COLLATE SQLDATE,
    CreateUser VARCHAR(20) COLLATE SQLTEXT
);

-- Delivery runsheet lines, one per consignment and runsheet. DRSNo refers to
-- tab_ReturnPODMaster.RSNo, ReasonCode to Run_ReasonMaster; DeliveryStatus 'D' or 'N'.
CREATE TABLE RunsheetDetails (
    RunsheetNo          BIGINT NOT NULL,
    SerialNo            INT,
    RunsheetDate        DATETIME COLLATE SQLDATE NOT NULL,
    RunsheetMode        VARCHAR(10) COLLATE SQLTEXT,
    BranchCode          VARCHAR(10) COLLATE SQLTEXT,
    AreaCode            VARCHAR(10) COLLATE SQLTEXT,
    AreaName            VARCHAR(50) COLLATE SQLTEXT,
    StaffCode           VARCHAR(10) COLLATE SQLTEXT,
    Origin              VARCHAR(10) COLLATE SQLTEXT NOT NULL,
    ConsignmentNo       BIGINT NOT NULL,
    ConsignorName       VARCHAR(50) COLLATE SQLTEXT,
    ConsignorAddress1   VARCHAR(50) COLLATE SQLTEXT,
    ConsignorAddress2   VARCHAR(50) COLLATE SQLTEXT,
    Contact_Name        VARCHAR(50) COLLATE SQLTEXT,
    Contact_No          VARCHAR(15) COLLATE SQLTEXT,
    Mobile_No           VARCHAR(15) COLLATE SQLTEXT,
    LoadDetails         INT,
    RunsheetPrintStatus BIT NOT NULL DEFAULT 0,
    BAR_RSNO            VARCHAR(20) COLLATE SQLTEXT,
    DeliveryStatus      VARCHAR(1) COLLATE SQLTEXT,
    ReasonCode          VARCHAR(10) COLLATE SQLTEXT,
    DRSNo               BIGINT,
    ReturnPODDate       DATETIME COLLATE SQLDATE,
    PODScanTime         DATETIME COLLATE SQLDATE,
    CreateDate          DATETIME COLLATE SQLDATE,
    CreateUser          VARCHAR(20) COLLATE SQLTEXT,
    MachineId           VARCHAR(30) COLLATE SQLTEXT
);
CREATE INDEX IX_RunsheetDetails_ConsignmentNo_Origin ON RunsheetDetails(ConsignmentNo, Origin);
CREATE INDEX IX_RunsheetDetails_RunsheetDate ON RunsheetDetails(RunsheetDate);
CREATE INDEX IX_RunsheetDetails_RunsheetNo ON RunsheetDetails(RunsheetNo);
CREATE INDEX IX_RunsheetDetails_Mobile_No ON RunsheetDetails(Mobile_No);

-- Returned delivery runsheets (DRS): who took them out.
CREATE TABLE tab_ReturnPODMaster (
    RSNo      BIGINT NOT NULL PRIMARY KEY,
    RSDate    DATETIME COLLATE SQLDATE,
    StaffCode VARCHAR(10) COLLATE SQLTEXT,
    StaffName VARCHAR(50) COLLATE SQLTEXT
);

-- Non-delivery entries of incoming consignments (Status 'Remainder', 'Misroute', 'Return').
-- Destination holds a CityMaster.CityName; CreateUser refers to LoginMaster.UserName.
CREATE TABLE tab_NonDelivery (
    ReferenceNo  BIGINT NOT NULL PRIMARY KEY,
    NDDate       DATETIME COLLATE SQLDATE NOT NULL,
    Status       VARCHAR(20) COLLATE SQLTEXT NOT NULL,
    ConsignNo    BIGINT NOT NULL,
    BookingDate  DATETIME COLLATE SQLDATE NOT NULL,
    BranchCode   VARCHAR(10) COLLATE SQLTEXT NOT NULL,
    Destination  VARCHAR(40) COLLATE SQLTEXT NOT NULL,
    FromAddr1    VARCHAR(40) COLLATE SQLTEXT NOT NULL,
    FromAddr2    VARCHAR(40) COLLATE SQLTEXT,
    FromAddr3    VARCHAR(40) COLLATE SQLTEXT,
    FromAddr4    VARCHAR(40) COLLATE SQLTEXT,
    ToAddr1      VARCHAR(40) COLLATE SQLTEXT NOT NULL,
    ToAddr2      VARCHAR(40) COLLATE SQLTEXT,
    ToAddr3      VARCHAR(40) COLLATE SQLTEXT,
    ToAddr4      VARCHAR(40) COLLATE SQLTEXT,
    ReasonCode   VARCHAR(10) COLLATE SQLTEXT NOT NULL,
    RemainderNo  INT,
    FDestination VARCHAR(40) COLLATE SQLTEXT,
    Remarks1     VARCHAR(100) COLLATE SQLTEXT,
    CreateDate   DATETIME COLLATE SQLDATE,
    CreateUser   VARCHAR(20) COLLATE SQLTEXT
);
-- The serial of an entry among those of its date and action type counts along this index.
CREATE INDEX IX_tab_NonDelivery_NDDate_Status_ReferenceNo ON tab_NonDelivery(NDDate, Status, ReferenceNo);
-- The non-delivery search looks a sender's name up within its dates at every key released in the
-- name box: the name is tested on this index, and only the rows that match are read. (A second
-- index of the same size on the receiver's name would take the dates-only searches from it.)
CREATE INDEX IX_tab_NonDelivery_NDDate_FromAddr1 ON tab_NonDelivery(NDDate, FromAddr1);
CREATE INDEX IX_tab_NonDelivery_ConsignNo ON tab_NonDelivery(ConsignNo);
CREATE INDEX IX_tab_NonDelivery_Destination ON tab_NonDelivery(Destination);

-- Non-delivered documents received back.
CREATE TABLE Run_NonDel_Received_Details (
    Received_Date DATETIME COLLATE SQLDATE NOT NULL,
    Origin        VARCHAR(10) COLLATE SQLTEXT NOT NULL,
    ConsignmentNo BIGINT NOT NULL,
    BranchCode    VARCHAR(10) COLLATE SQLTEXT,
    ReceivedBy    VARCHAR(30) COLLATE SQLTEXT,
    Remarks       VARCHAR(100) COLLATE SQLTEXT,
    Doc_Status    VARCHAR(20) COLLATE SQLTEXT,
    Create_Date   DATETIME COLLATE SQLDATE,
    Create_User   VARCHAR(20) COLLATE SQLTEXT,
    Machine_Id    VARCHAR(30) COLLATE SQLTEXT
);
CREATE INDEX IX_Run_NonDel_Received_Details_ConsignmentNo_Origin ON Run_NonDel_Received_Details(ConsignmentNo, Origin);
