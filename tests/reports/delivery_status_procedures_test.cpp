// The two procedures that rebuild the delivery status work table: which bookings each takes (the
// month databases a date range reaches and the server has, or one named month), where each column
// comes from, and that a refused or failing run leaves the table as it was.

#include "support/CoreFixture.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/runtime/Conversions.h"

using testsupport::CoreFixture;

namespace {

class StatusProcedures : public CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        install(QDate(2026, 12, 6)); // months DEC26, NOV26 and OCT26
        // number, date, city, destination, party, name, branch, weight, mode, cancelled
        booking("ZELNOV26", "201, '2026-11-30', 'VLR', 'VELLORE', 'P-7', 'ANAND TEXTILES', 'ZEL', 2.5, 'AIR', 0");
        booking("ZELNOV26", "202, '2026-11-29', 'MDU', 'MADURAI', 'CASH', 'BALA & SONS', 'ZEL', 1, 'AIR', 0"); // walk-in
        booking("ZELDEC26", "10000000000101, '2026-12-01', 'CHN', 'CHENNAI', 'P-7', 'ANAND TEXTILES', 'KOV', 0.5, "
                            "'SURFACE', 0");
        booking("ZELDEC26", "102, '2026-12-01', NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0");
        booking("ZELDEC26", "103, '2026-12-01', 'VLR', 'VELLORE', 'P-9', 'CHITRA', 'ZEL', 3, 'AIR', 1"); // cancelled
        booking("ZELDEC26", "104, '2026-12-02', 'VLR', 'VELLORE', 'P-9', 'CHITRA', 'ZEL', 3, 'AIR', 0");
        booking("ZELOCT26", "301, '2026-10-01', 'TVM', 'TRIVANDRUM', 'P-1', 'DEVI', 'ZEL', 4, 'AIR', 0");

        // 201: two reports, the later one's reason counts; 202: two of one day, the evening's counts;
        // 104's latest report has an unknown code
        execute("ZELNOV26", "INSERT INTO Run_ReasonMaster VALUES ('DLK', 'DOOR LOCKED'), ('ADR', 'ADDRESS NOT FOUND'), "
                            "('NRP', 'NO RESPONSE ON PHONE'), ('REF', 'REFUSED BY CONSIGNEE')");
        execute("ZELNOV26", "INSERT INTO OutgoingNonDelvy (TransDate, ConsignmentNo, ReasonCode, CreateDate) VALUES "
                            "('2026-12-02', 201, 'ADR', '2026-12-02 10:00:00'), "
                            "('2026-12-01', 201, 'DLK', '2026-12-01 10:00:00'), "
                            "('2026-12-01', 202, 'NRP', '2026-12-01 09:15:00'), "
                            "('2026-12-01', 202, 'REF', '2026-12-01 18:40:00')");
        execute("ZELDEC26", "INSERT INTO Run_ReasonMaster VALUES ('DLK', 'DOOR LOCKED')");
        execute("ZELDEC26", "INSERT INTO OutgoingNonDelvy (TransDate, ConsignmentNo, ReasonCode, CreateDate) VALUES "
                            "('2026-12-02', 104, 'DLK', '2026-12-02 09:00:00'), "
                            "('2026-12-03', 104, 'XXX', '2026-12-03 09:00:00')");

        // download runs 1 (DRS), 2 (PTP), 3 (DRS); 201 in runs 1 and 2, 10000000000101 in 1 and 3
        execute("ZELADMINCONFIG", "INSERT INTO tbl_RO_Download_Log (Down_Type, Down_Date) VALUES "
                                  "('DRS', '2026-12-02 23:30:00'), ('PTP', '2026-12-03 23:45:00'), "
                                  "('DRS', '2026-12-04 23:30:00')");
        execute("ZELADMINCONFIG", "INSERT INTO RO_DrFile (Tran_Id, CNo) VALUES (1, '201'), (1, '10000000000101'), "
                                  "(3, '10000000000101')");
        execute("ZELADMINCONFIG", "INSERT INTO RO_PointPod (Tran_Id, CNo) VALUES (2, '201')");
        m_admin.open("Data Source=ZELSERVER;USER ID=sa;PASSWORD=;Initial Catalog=ZELADMINCONFIG");
        openMonth("ZELDEC26");
    }

    // A row an earlier run left.
    void earlierRun()
    {
        execute("ZELADMINCONFIG", "INSERT INTO tbl_Consignment_Status_Temp (BookingDate, ConsignmentNo) VALUES "
                                  "('2026-01-01', 999)");
    }

    void booking(const QString& month, const QString& values)
    {
        execute(month, "INSERT INTO Invoice (ConsignmentNo, BookingDate, CityCode, Destination, PartyCode, FromAddress1, "
                       "BranchCode, Weight, TransactionMode, CancelStatus) VALUES (" + values + ")");
    }

    // The work table's rows by number, every column in the table's order, Null as "~".
    QStringList workTable()
    {
        db::Recordset rs;
        rs.open("select * from tbl_Consignment_Status_Temp order by ConsignmentNo", m_admin);
        QStringList rows;
        for (; !rs.eof(); rs.moveNext()) {
            QStringList cells;
            for (int f = 0; f < rs.fieldCount(); ++f)
                cells << (rs.value(f).isNull() ? QStringLiteral("~") : runtime::CStr(rs.value(f)));
            rows << cells.join('|');
        }
        return rows;
    }

    db::Connection m_admin;
};

const QString k201 = "2026-11-30|201|VLR|VELLORE|P-7|ANAND TEXTILES|ZEL|2.5|ADDRESS NOT FOUND|2026-12-03 23:45:00|AIR";
const QString k202 = "2026-11-29|202|MDU|MADURAI|CASH|CASH|ZEL|1|REFUSED BY CONSIGNEE|~|AIR";
const QString k401 = "2024-01-31|401|VLR|VELLORE|P-7|ANAND TEXTILES|ZEL|1|~|~|AIR";
const QString k102 = "2026-12-01|102|~|||||~|~|~|";
const QString k104 = "2026-12-02|104|VLR|VELLORE|P-9|CHITRA|ZEL|3|~|~|AIR";
const QString k301 = "2026-10-01|301|TVM|TRIVANDRUM|P-1|DEVI|ZEL|4|~|~|AIR";
const QString kLong = "2026-12-01|10000000000101|CHN|CHENNAI|P-7|ANAND TEXTILES|KOV|0.5|~|2026-12-04 23:30:00|SURFACE";
const QString kOld = "2026-01-01|999|~|||||~|~|~|";

TEST_F(StatusProcedures, EachRunReplacesTheWorkTableWithTheBookingsItNames)
{
    struct Case {
        const char* call;
        QStringList rows;
    } cases[] = {
        // across two month databases; cancelled bookings and those outside the dates left out
        {"EXEC ZELADMINCONFIG..SP_DRS_Consignment_Status_Det '2026-11-30','2026-12-01'", {k102, k201, kLong}},
        {"EXEC ZELADMINCONFIG..SP_DRS_Consignment_Status_Det '2026-12-02','2026-12-02'", {k104}},
        // September has no database on the server: the months it has still count
        {"EXEC ZELADMINCONFIG..SP_DRS_Consignment_Status_Det '2026-09-15','2026-10-31'", {k301}},
        {"EXEC ZELADMINCONFIG..SP_DRS_Consignment_Status_Det '2026-07-01','2026-09-30'", {}},
        {"EXEC ZELADMINCONFIG..SP_DRS_Consignment_Status_Det '2026-10-01','2026-12-31'",
         {k102, k104, k201, k202, k301, kLong}},
        // all 24 month databases in one run, and the administration database after them
        {"EXEC ZELADMINCONFIG..SP_DRS_Consignment_Status_Det '2024-01-01','2026-12-31'",
         {k102, k104, k201, k202, k301, k401, kLong}},
        // by numbers in one month, its name in any case
        {"EXEC ZELADMINCONFIG..SP_DRS_Consignment_Status_Det_CNo 102 ,10000000000101,'Dec26'", {k102, k104, kLong}},
        {"EXEC ZELADMINCONFIG..SP_DRS_Consignment_Status_Det_CNo 104 ,104,'DEC26'", {k104}},
        {"EXEC ZELADMINCONFIG..SP_DRS_Consignment_Status_Det_CNo 200 ,202,'nov26'", {k201, k202}},
        {"EXEC ZELADMINCONFIG..SP_DRS_Consignment_Status_Det_CNo 0 ,0,'Nov26'", {}},
    };
    // 24 month databases: January 2024 to September 2025 besides these three
    const QString server = installer::serverFolder(root(), "ZELSERVER");
    for (QDate month(2024, 1, 1); month < QDate(2025, 10, 1); month = month.addMonths(1))
        installer::createDatabase(installer::databasePath(server, installer::monthDatabaseName(month)), "month");
    booking("ZELJAN24", "401, '2024-01-31', 'VLR', 'VELLORE', 'P-7', 'ANAND TEXTILES', 'ZEL', 1, 'AIR', 0");
    // other connections writing months the runs only read hold up none of them, a wait running out in a second
    db::Connection novemberWriter, decemberWriter;
    novemberWriter.open("Data Source=ZELSERVER;USER ID=sa;PASSWORD=;Initial Catalog=ZELNOV26");
    decemberWriter.open("Data Source=ZELSERVER;USER ID=sa;PASSWORD=;Initial Catalog=ZELDEC26");
    novemberWriter.beginTrans();
    decemberWriter.beginTrans();
    core::gcnnMonth.setCommandTimeout(1);
    for (const Case& c : cases) {
        earlierRun();
        core::gcnnMonth.execute(c.call);
        EXPECT_EQ(workTable(), c.rows) << c.call;
    }
}

TEST_F(StatusProcedures, ARefusedOrFailingRunLeavesTheWorkTableAsItWas)
{
    // 201 booked again in December: the table holds each number once, so the whole run fails
    booking("ZELDEC26", "201, '2026-12-01', 'VLR', 'VELLORE', 'P-7', 'ANAND', 'ZEL', 1, 'AIR', 0");
    earlierRun();
    const char* calls[] = {
        "EXEC ZELADMINCONFIG..SP_DRS_Consignment_Status_Det '2026-11-01','2026-12-31'",
        "EXEC ZELADMINCONFIG..SP_DRS_Consignment_Status_Det '2026-12-02','2026-12-01'", // reversed
        "EXEC ZELADMINCONFIG..SP_DRS_Consignment_Status_Det '2026-13-01','2026-12-01'",
        // months whose databases are another century's: ZELDEC26 is December 2026, ZELJAN00 January 2000
        "EXEC ZELADMINCONFIG..SP_DRS_Consignment_Status_Det '1926-12-01','1926-12-31'",
        "EXEC ZELADMINCONFIG..SP_DRS_Consignment_Status_Det '2099-12-01','2100-01-31'",
        "EXEC ZELADMINCONFIG..SP_DRS_Consignment_Status_Det_CNo 105 ,104,'Dec26'",      // reversed
        "EXEC ZELADMINCONFIG..SP_DRS_Consignment_Status_Det_CNo 1 ,104,'Jan27'",        // no such database
        "EXEC ZELADMINCONFIG..SP_DRS_Consignment_Status_Det_CNo 1 ,104,'Dez26'",
        "EXEC ZELADMINCONFIG..SP_DRS_Consignment_Status_Det_CNo 1 ,'x','Dec26'",
    };
    for (const char* call : calls) {
        EXPECT_THROW(core::gcnnMonth.execute(call), db::DbError) << call;
        EXPECT_EQ(workTable(), QStringList{kOld}) << call;
    }
}

} // namespace
