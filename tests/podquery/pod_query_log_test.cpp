// The query log of the POD query window: which enquiries leave an OUTGOING row, the row with the
// last outgoing manifest line's values or with the station's own code, and values that would not
// fit into statement text as they are: apostrophes, Nulls and manifest numbers that are no number.

#include "PodQueryFixture.h"

using podtest::kAdmin;
using podtest::kMonth;

namespace {

const QString kAllColumns =
    "QueryDate,QueryType,Origin,ConsignmentNo,DBName,RunsheetDate,RunsheetNo,ReasonCode,Reason_Desc,BranchName,"
    "System_Name,Create_User,Create_Date,BookingDate,CityCode,Destination,Region,BookingMode,TransactionMode,"
    "PartyCode,Weight,MF_Destination";

using PodQueryLog = podtest::PodQueryFixture;

TEST_F(PodQueryLog, ADeliveredBookingWithManifestLinesLogsTheLastLine)
{
    execute(kAdmin, "UPDATE BranchMaster SET BranchName='St Mary''s' WHERE BranchCode='VLM'");
    booking(5001, {"Destination='O''Hara'", "PartyCode='P''17'"});
    manifestLine(5001, "880", "'2026-06-05'", "'ZEL'", "'OHR'");
    manifestLine(5001, "881", "'2026-06-06'", "'MAA'", "'DUN'");
    type("5001");
    EXPECT_EQ(loggedRows(kAllColumns),
              QList<QStringList>({{"2026-06-17", "OUTGOING", "MAA", "5001", kMonth, "2026-06-06", "881", "D",
                                   "DELIVERED", "St Mary's", "COUNTER-3", "meera", "2026-06-17 09:30:05",
                                   "2024-09-05", "DUN", "O'Hara", "South", "Cash", "Paid", "P'17", "1.5", "DUN"}}));
    EXPECT_EQ(loggedRows("DRSNo"), QList<QStringList>({{"NULL"}}));
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(PodQueryLog, AnUndeliveredBookingWithoutManifestLinesLogsTheStationAsOrigin)
{
    booking(5001, {"DeliveryStatus='N'", "Weight=NULL", "PartyCode=NULL", "CityCode=NULL", "Region=NULL",
                   "BookingMode=NULL", "TransactionMode=NULL", "Destination=NULL"});
    type("5001");
    EXPECT_EQ(loggedRows(kAllColumns),
              QList<QStringList>({{"2026-06-17", "OUTGOING", "ZEL", "5001", kMonth, "NULL", "NULL", "N", "",
                                   "Velmora Main", "COUNTER-3", "meera", "2026-06-17 09:30:05", "2024-09-05", "NULL",
                                   "NULL", "NULL", "NULL", "NULL", "", "0", "NULL"}}));
}

TEST_F(PodQueryLog, AManifestNumberThatIsNoNumberAndANullManifestDateAreWrittenAsNull)
{
    // a manifest table that lets a line go without a date
    execute(kMonth, "DROP TABLE Manifest");
    execute(kMonth, "CREATE TABLE Manifest (ManifestNo VARCHAR(10), ManifestDate DATETIME, ManifestMode VARCHAR(15), "
                    "OriginCode VARCHAR(10), Destination VARCHAR(10), PacketNo INT, SlNo INT, ConsignmentNo BIGINT, "
                    "Weight DECIMAL(10,3), Remarks VARCHAR(100), BranchCode VARCHAR(10), CreateDate DATETIME, "
                    "CreateUser VARCHAR(20), MachineId VARCHAR(30))");
    booking(5001);
    manifestLine(5001, "'M-17'", "NULL", "NULL", "NULL");
    type("5001");
    EXPECT_EQ(window().msgQuery->textMatrix(1, 2), "M-17");
    EXPECT_EQ(loggedRows("Origin,RunsheetDate,RunsheetNo,MF_Destination"),
              QList<QStringList>({{"NULL", "NULL", "NULL", "NULL"}}));
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(PodQueryLog, OnlyARegisteredWorkstationWritesRows)
{
    booking(5001);
    const struct {
        const char* registration;
        qsizetype rows;
    } cases[] = {{"", 0}, {"('COUNTER-3', 1)", 0}, {"('COUNTER-4', 0)", 0}, {"('COUNTER-3', 0)", 1}};
    for (const auto& c : cases) {
        execute(kAdmin, "DELETE FROM tbl_Qry_Details");
        execute(kAdmin, "DELETE FROM tbl_User_System");
        if (*c.registration)
            execute(kAdmin, QStringLiteral("INSERT INTO tbl_User_System VALUES ") + c.registration);
        type("5001");
        EXPECT_EQ(loggedRows("ConsignmentNo").size(), c.rows) << c.registration;
    }
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(PodQueryLog, OnlyBookingsOfStatusDOrNAreLoggedWhateverCameBefore)
{
    booking(5001);
    booking(5002, {"DeliveryStatus='X'"});
    booking(5003, {"DeliveryStatus=NULL"});
    booking(5004, {"DeliveryStatus='n'"});
    booking(5005, {"Pro_ConsignNo=7005"});
    for (const char* number : {"5001", "9999", "5002", "5001", "5003", "5004", "7005"})
        type(number);
    EXPECT_EQ(loggedRows("ConsignmentNo,ReasonCode"),
              QList<QStringList>({{"5001", "D"}, {"5001", "D"}, {"5004", "N"}, {"5005", "D"}}));
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

} // namespace
