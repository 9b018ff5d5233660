-- KWD32Server: the head office's tracking database, read by the branch through a linked server.
-- The head office keeps consignment, manifest and runsheet numbers as text, and its times of
-- day as 'HH:mm' text. Result headings come from these column names as spelled here.

-- Delivery runsheet records; Rcode refers to status.Rcode.
CREATE TABLE DrFile (
    tdate   DATETIME COLLATE SQLDATE NOT NULL,
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
CREATE INDEX IX_DrFile_CNo ON DrFile(CNo);

-- Delivery status codes. Joined to DrFile by name only: it must keep no other column.
CREATE TABLE status (
    Rcode VARCHAR(10) COLLATE SQLTEXT NOT NULL PRIMARY KEY,
    Descp VARCHAR(50) COLLATE SQLTEXT
);

-- Consignment scans at the offices (Type 'O' outbound, 'I' inbound).
CREATE TABLE CnFile (
    tdate   DATETIME COLLATE SQLDATE NOT NULL,
    Origin  VARCHAR(10) COLLATE SQLTEXT,
    SNo     INT,
    CNo     VARCHAR(14) COLLATE SQLTEXT NOT NULL,
    StnCode VARCHAR(10) COLLATE SQLTEXT,
    OPCode  VARCHAR(10) COLLATE SQLTEXT,
    Type    VARCHAR(1) COLLATE SQLTEXT,
    Destn   VARCHAR(10) COLLATE SQLTEXT,
    MFNo    VARCHAR(14) COLLATE SQLTEXT,
    Weight  DECIMAL(10,3),
    Pcs     INT,
    RmKs    VARCHAR(100) COLLATE SQLTEXT,
    AR      VARCHAR(100) COLLATE SQLTEXT,
    Hub     VARCHAR(10) COLLATE SQLTEXT,
    State   VARCHAR(10) COLLATE SQLTEXT,
    MTime   VARCHAR(8) COLLATE SQLTEXT
);
CREATE INDEX IX_CnFile_CNo ON CnFile(CNo);

-- Point-to-point POD scans.
CREATE TABLE PointPod (
    tdate   DATETIME COLLATE SQLDATE NOT NULL,
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
CREATE INDEX IX_PointPod_CNo ON PointPod(CNo);

-- Over-the-counter scans by manifest number.
CREATE TABLE OTCFile (
    tdate   DATETIME COLLATE SQLDATE NOT NULL,
    Origin  VARCHAR(10) COLLATE SQLTEXT,
    Mfno    VARCHAR(14) COLLATE SQLTEXT NOT NULL,
    StnCode VARCHAR(10) COLLATE SQLTEXT,
    OPCode  VARCHAR(10) COLLATE SQLTEXT,
    Type    VARCHAR(1) COLLATE SQLTEXT,
    Destn   VARCHAR(10) COLLATE SQLTEXT,
    OTime   VARCHAR(8) COLLATE SQLTEXT,
    OTCNo   VARCHAR(14) COLLATE SQLTEXT,
    SNo     INT,
    Weight  DECIMAL(10,3),
    Pcs     INT,
    Rmks    VARCHAR(100) COLLATE SQLTEXT,
    Ar      VARCHAR(100) COLLATE SQLTEXT
);
CREATE INDEX IX_OTCFile_Mfno ON OTCFile(Mfno);
