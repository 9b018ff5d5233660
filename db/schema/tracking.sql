-- Tracking: the log of incoming consignment enquiries made at the counter.

-- The columns after QueryId are in the order of the log's positional insert (14 values);
-- QueryId is numbered by the server. Remarks1 and Remarks2 are left Null by the counter.
CREATE TABLE Incoming_Queries_Details (
    QueryId       INTEGER PRIMARY KEY AUTOINCREMENT,
    QueryDate     DATETIME COLLATE SQLDATE NOT NULL,
    ConsignmentNo BIGINT NOT NULL,
    Origin        VARCHAR(10) COLLATE SQLTEXT,
    DBName        VARCHAR(20) COLLATE SQLTEXT,
    RunsheetDate  DATETIME COLLATE SQLDATE,
    RunsheetNo    BIGINT,
    ReasonCode    VARCHAR(10) COLLATE SQLTEXT,
    Reason_Desc   VARCHAR(100) COLLATE SQLTEXT,
    DRSNo         BIGINT,
    BranchName    VARCHAR(50) COLLATE SQLTEXT,
    Create_User   VARCHAR(25) COLLATE SQLTEXT,
    Create_Date   DATETIME COLLATE SQLDATE,
    Remarks1      VARCHAR(100) COLLATE SQLTEXT,
    Remarks2      VARCHAR(100) COLLATE SQLTEXT
);
CREATE INDEX IX_Incoming_Queries_Details_QueryDate ON Incoming_Queries_Details(QueryDate);
CREATE INDEX IX_Incoming_Queries_Details_Origin ON Incoming_Queries_Details(Origin);
