// The history grids of the POD query window: one row per record and one empty row after them,
// the cells of each grid with their Null texts, the pro number's manifest lines, incoming lines of
// the station from both tables in table order, reasons looked up per entry, and the delivery
// status the flags decide.

#include "PodQueryFixture.h"

#include "platform/flexgrid/FlexGrid.h"

using podtest::kMonth;
using testsupport::rowTexts;

namespace {

class PodHistory : public podtest::PodQueryFixture {
protected:
    void nonDelivery(qint64 number, const QString& date, const QString& entryStatus, const QString& reason)
    {
        execute(kMonth, QStringLiteral("INSERT INTO OutgoingNonDelvy (TransDate, ConsignmentNo, Destination, "
                                       "ReasonCode, EntryStatus) VALUES ('%1', %2, 'DUN', %3, %4)")
                            .arg(date)
                            .arg(number)
                            .arg(reason, entryStatus));
    }
    void manifestReturn(qint64 number, const QString& entryDate, const QString& receivedDate)
    {
        execute(kMonth, QStringLiteral("INSERT INTO MF_Rtn_Master VALUES ('%1', '%2', %3, 'ZEL', 'DUN', "
                                       "'Wrong route', 'ravi')")
                            .arg(entryDate, receivedDate)
                            .arg(number));
    }
    void incoming(const QString& table, const QString& fields, const QString& values)
    {
        execute(kMonth, "INSERT INTO " + table + " (ManifestNo, ManifestDate, Origin, ConsignmentNo, Status, "
                            "CreateUser, CreateDate, MachineId, " + fields + ") VALUES (" + values + ")");
    }
};

TEST_F(PodHistory, EachGridHoldsItsRecordsThenOneEmptyRow)
{
    booking(5001);
    booking(5002);
    for (int i = 0; i < 3; ++i)
        manifestLine(5001, QString::number(880 + i), "'2026-06-05'", "'ZEL'", "'DUN'");
    nonDelivery(5001, "2026-06-06", "'Remainder'", "'DL'");
    nonDelivery(5001, "2026-06-07", "'Remainder'", "'DL'");
    manifestReturn(5001, "2026-06-08", "2026-06-09");
    incoming("Run_Manifest", "Destination", "501, '2026-06-05', 'ZEL', 5001, 'Received', 'ravi', NULL, NULL, 'DUN'");
    const struct {
        const ui::FlexGrid* grid;
        int records, cols;
    } grids[] = {{window().msgQuery, 3, 13}, {window().msgNonDel, 2, 9}, {window().msgMFRtn, 1, 6},
                 {window().msgInc, 1, 8}};
    for (const char* number : {"5001", "5002", "5001"}) {
        type(number);
        for (const auto& g : grids) {
            const int k = QLatin1String(number) == "5001" ? g.records : 0;
            const std::string name = g.grid->objectName().toStdString() + " " + number;
            ASSERT_EQ(g.grid->rows(), k + 2) << name;
            EXPECT_EQ(g.grid->cols(), g.cols) << name;
            EXPECT_EQ(rowTexts(g.grid, k + 1), QStringList(g.cols, QString())) << name;
            EXPECT_NE(rowTexts(g.grid, k).join(""), "") << name; // the heading row or a record
        }
    }
}

TEST_F(PodHistory, OutgoingManifestLinesOfTheNumberAndItsProNumberWithNullTexts)
{
    booking(5001, {"Pro_ConsignNo=7001"});
    execute(kMonth, "INSERT INTO Manifest VALUES (880, '2026-06-05', 'AIR', 'ZEL', 'DUN', 2, 4, 5001, 1.5, "
                    "'Fragile', 'VLM', '2026-06-05 18:05:09', 'ravi', 'DESK-2')");
    execute(kMonth, "INSERT INTO Manifest (ManifestDate, ManifestMode, OriginCode, Destination, ConsignmentNo, "
                    "Weight) VALUES ('2026-06-06', 'ROAD', 'MAA', 'OHR', 7001, 0.25)");
    execute(kMonth, "INSERT INTO Manifest (ManifestNo, ManifestDate, ConsignmentNo) VALUES (990, '2026-06-06', 7002)");
    type("5001");
    const ui::FlexGrid* g = window().msgQuery;
    EXPECT_EQ(rowTexts(g, 0), QStringList({"", "MF Date", "M.F No", "Destination", "Weight", "Pkt No.", "Sl No.",
                                           "Manifest Type", "Remarks", "Weight Type", "Branch", "CreateDateTime",
                                           "CreateUser"}));
    ASSERT_EQ(g->rows(), 4);
    EXPECT_EQ(rowTexts(g, 1), QStringList({"", "05-Jun-26 - Friday", "880", "DUN", "1.500", "2", "4", "AIR", "Fragile",
                                           "Actual", "VLM", "2026-06-05 18:05:09", "ravi - DESK-2"}));
    EXPECT_EQ(rowTexts(g, 2), QStringList({"", "06-Jun-26 - Saturday", "--", "OHR", "0.250", "--", "--", "ROAD", "--",
                                           "Actual", "-", "-", " - "}));
    EXPECT_EQ(g->colWidth(0), 0);
    // the values the query log takes are the last line's
    EXPECT_TRUE(window().mManifestFound);
    EXPECT_EQ(window().mManifestOrigin.toString(), "MAA");
    EXPECT_EQ(window().mManifestDate.toDate(), QDate(2026, 6, 6));
    EXPECT_EQ(window().mManifestNo, "0");
    EXPECT_EQ(window().mManifestDestination.toString(), "OHR");

    booking(5002);
    type("5002");
    EXPECT_FALSE(window().mManifestFound);
    EXPECT_EQ(window().mManifestOrigin.toString(), "");
}

TEST_F(PodHistory, NonDeliveriesInDateOrderEachWithItsOwnReason)
{
    booking(5001);
    execute(kMonth, "INSERT INTO OutgoingNonDelvy VALUES ('2026-06-08', 5001, 'OHR', 3, 'DL', 'Misroute', 'NFD', "
                    "'Open', 'Call first', NULL, NULL)");
    nonDelivery(5001, "2026-06-06", "'Remainder'", "'DL'");
    nonDelivery(5001, "2026-06-09", "NULL", "'ZZ'"); // no reason row: not the reason before it
    nonDelivery(5001, "2026-06-10", "'Remainder'", "NULL");
    type("5001");
    const ui::FlexGrid* g = window().msgNonDel;
    EXPECT_EQ(rowTexts(g, 0), QStringList({"S No.", "Re. Date", "Rem No.", "Destination", "Reason", "Entry Type",
                                           "Fwd Destn", "Status", "Remarks"}));
    ASSERT_EQ(g->rows(), 6);
    EXPECT_EQ(rowTexts(g, 1),
              QStringList({"1", "06-Jun-26 - Saturday", "--", "DUN", "Door locked", "Remainder", "--", "-", "--"}));
    EXPECT_EQ(rowTexts(g, 2),
              QStringList({"2", "08-Jun-26 - Monday", "3", "OHR", "Door locked", "Misroute", "NFD", "Open", "Call first"}));
    EXPECT_EQ(rowTexts(g, 3), QStringList({"3", "09-Jun-26 - Tuesday", "--", "DUN", "", "--", "--", "-", "--"}));
    EXPECT_EQ(g->textMatrix(4, 4), "");
}

TEST_F(PodHistory, ManifestReturnsInEntryThenReceivedDateOrder)
{
    booking(5001);
    manifestReturn(5001, "2026-06-08", "2026-06-09");
    manifestReturn(5001, "2026-06-07", "2026-06-10");
    manifestReturn(5001, "2026-06-07", "2026-06-08");
    manifestReturn(5002, "2026-06-07", "2026-06-08");
    type("5001");
    const ui::FlexGrid* g = window().msgMFRtn;
    EXPECT_EQ(rowTexts(g, 0),
              QStringList({"Entry Date", "Recd Date", "MF Rtn Destn", "Orign", "Reason", "Entered By"}));
    ASSERT_EQ(g->rows(), 5);
    EXPECT_EQ(rowTexts(g, 1), QStringList({"07-Jun-26 - Sunday", "08-Jun-26 - Monday", "DUN", "ZEL", "Wrong route",
                                           "ravi"}));
    EXPECT_EQ(g->textMatrix(2, 1), "10-Jun-26 - Wednesday");
    EXPECT_EQ(g->textMatrix(3, 0), "08-Jun-26 - Monday");
}

TEST_F(PodHistory, IncomingLinesOfTheStationFromManifestsThenOtcManifests)
{
    booking(5001);
    incoming("Run_HotcManifest", "OTCVehicle, Remarks",
             "881, '2026-06-06', 'ZEL', 5001, 'Received', 'ravi', '2026-06-06 08:00:00', 'DESK-2', 'TN-09', 'Late'");
    incoming("Run_Manifest", "Destination", "501, '2026-06-05', 'ZEL', 5001, 'Received', 'ravi', "
                                            "'2026-06-05 18:05:09', 'DESK-2', 'DUN'");
    incoming("Run_Manifest", "Destination", "502, '2026-06-05', 'MAA', 5001, 'Received', 'ravi', NULL, NULL, 'DUN'");
    incoming("Run_Manifest", "Destination", "NULL, '2026-06-07', 'ZEL', 5001, 'Short', NULL, NULL, NULL, 'OHR'");
    type("5001");
    const ui::FlexGrid* g = window().msgInc;
    EXPECT_EQ(rowTexts(g, 0), QStringList({"MF Date", "Destn/OTC", "MF No.", "Origin", "Con No.", "Status", "Remarks",
                                           "EntryTime/User"}));
    ASSERT_EQ(g->rows(), 5);
    EXPECT_EQ(rowTexts(g, 1), QStringList({"05-Jun-26 - Friday", "DUN", "501", "ZEL", "5001", "Received", "",
                                           "ravi - 2026-06-05 18:05:09 - DESK-2"}));
    EXPECT_EQ(rowTexts(g, 2),
              QStringList({"07-Jun-26 - Sunday", "OHR", "", "ZEL", "5001", "Short", "", " -  - "}));
    EXPECT_EQ(rowTexts(g, 3), QStringList({"06-Jun-2026", "TN-09", "881", "ZEL", "5001", "Received", "Late",
                                           "ravi - 2026-06-06 08:00:00 - DESK-2"}));
}

TEST_F(PodHistory, TheDeliveryStatusFollowsTheBookingAndTheReturnFlags)
{
    const struct {
        const char* what;
        QString deliveryStatus, entryStatus;
        bool manifestReturn;
        QString shown, code;
    } cases[] = {
        {"delivered", "'D'", "", false, "DELIVERED", "D"},
        {"delivered, lower case", "'d'", "'Remainder'", false, "DELIVERED", "D"},
        {"returned entry", "'D'", "'Return'", false, "RETURN TO Consignee", "D"},
        {"entry in capitals", "'D'", "'RETURN'", false, "DELIVERED", "D"},
        {"entry with a blank", "'D'", "'Return '", false, "DELIVERED", "D"},
        {"manifest return", "'D'", "'Remainder'", true, "RETURN TO Consignee", "D"},
        {"not delivered", "'N'", "'Return'", true, "", "N"},
        {"other status", "'X'", "", false, "", ""},
        {"no status", "NULL", "", false, "", ""},
    };
    qint64 number = 800;
    for (const auto& c : cases) {
        booking(++number, {"DeliveryStatus=" + c.deliveryStatus});
        if (!c.entryStatus.isEmpty())
            nonDelivery(number, "2026-06-06", c.entryStatus, "'DL'");
        if (c.manifestReturn)
            manifestReturn(number, "2026-06-07", "2026-06-08");
        type(QString::number(number));
        EXPECT_EQ(window().lblDeliveryStatus->text(), c.shown) << c.what;
        EXPECT_EQ(window().mDeliveryStatus, c.code) << c.what;
    }
}

} // namespace
