-- ZELADMINDB: the branch phone book.

-- One contact per station and branch; every written value is upper-case text, '' when empty.
CREATE TABLE tab_PhoneBook (
    StationCode VARCHAR(10) COLLATE SQLTEXT NOT NULL,
    StationName VARCHAR(40) COLLATE SQLTEXT,
    BranchName  VARCHAR(40) COLLATE SQLTEXT NOT NULL,
    PersonName  VARCHAR(40) COLLATE SQLTEXT,
    Designation VARCHAR(40) COLLATE SQLTEXT,
    BrAddress1  VARCHAR(40) COLLATE SQLTEXT,
    BrAddress2  VARCHAR(40) COLLATE SQLTEXT,
    BrAddress3  VARCHAR(35) COLLATE SQLTEXT,
    PinCode     VARCHAR(30) COLLATE SQLTEXT,
    CellNo      VARCHAR(30) COLLATE SQLTEXT,
    FaxNo       VARCHAR(40) COLLATE SQLTEXT,
    DOTNo       VARCHAR(30) COLLATE SQLTEXT,
    Email1      VARCHAR(40) COLLATE SQLTEXT,
    Email2      VARCHAR(40) COLLATE SQLTEXT,
    Email3      VARCHAR(40) COLLATE SQLTEXT,
    CreateUser  VARCHAR(25) COLLATE SQLTEXT,
    CreateDate  DATETIME COLLATE SQLDATE,
    ModiUser    VARCHAR(25) COLLATE SQLTEXT,
    ModiDate    DATETIME COLLATE SQLDATE,
    MachineId   VARCHAR(30) COLLATE SQLTEXT
);
CREATE UNIQUE INDEX IX_tab_PhoneBook_StationCode_BranchName ON tab_PhoneBook(StationCode, BranchName);
