#include "installer/DemoMonth.h"
#include "installer/DemoNames.h"
#include "installer/DemoTable.h"

#include <array>
#include <cmath>

namespace installer::demo {

namespace {

double round2(double value)
{
    return std::round(value * 100.0) / 100.0;
}

std::string_view workstation(const Consignment& c, std::uint64_t salt)
{
    return workstations()[c.pick(salt, workstations().size())];
}

} // namespace

MonthWriter::MonthWriter(DemoDatabase& database, const MonthSpan& month, const RoadPlanner& planner)
    : m_database(database), m_month(month), m_planner(planner), m_invoice(database.table("Invoice")),
      m_manifest(database.table("Manifest")), m_outgoingNonDelivery(database.table("OutgoingNonDelvy")),
      m_manifestReturns(database.table("MF_Rtn_Master")), m_missingPod(database.table("MissingPOD")),
      m_dummyPod(database.table("DummyPod")), m_arrivals(database.table("Run_Manifest")),
      m_otcArrivals(database.table("Run_HotcManifest")), m_localManifest(database.table("Run_LocalManifest")),
      m_branchLocalManifest(database.table("Run_Branch_LocalManifest")), m_pending(database.table("PendingDoc")),
      m_miscellaneous(database.table("Misscellaneous")), m_misroutes(database.table("tbl_Incoming_Misroute_Entry")),
      m_runsheetLines(database.table("RunsheetDetails")), m_nonDelivery(database.table("tab_NonDelivery")),
      m_returnedDocuments(database.table("Run_NonDel_Received_Details"))
{
}

void MonthWriter::writeMasters()
{
    DemoTable& cities = m_database.table("CityMaster");
    for (const Station& s : stations())
        cities.row().set("CityCode", s.code).set("CityName", s.city).insert();
    DemoTable& reasonMaster = m_database.table("Run_ReasonMaster");
    for (const Reason& r : reasons())
        reasonMaster.row().set("ReasonCode", r.code).set("ReasonName", r.name).insert();
    DemoTable& areas = m_database.table("Run_AreaMaster");
    DemoTable& staff = m_database.table("Run_StaffMaster");
    for (int slot = 0; slot < m_planner.runsheetsPerDay(); ++slot) {
        areas.row().set("AreaCode", areaCode(slot)).set("AreaName", areaName(slot)).insert();
        staff.row().set("StaffCode", staffCode(slot)).set("StaffName", staffName(slot)).insert();
    }
}

void MonthWriter::writeRunsheets()
{
    DemoTable& master = m_database.table("RunsheetMaster");
    DemoTable& returned = m_database.table("tab_ReturnPODMaster");
    const int perDay = m_planner.runsheetsPerDay();
    for (int day = 1; day <= m_month.lastDay(); ++day) {
        for (int slot = 0; slot < perDay; ++slot) {
            if (!m_planner.usedRunsheets()[std::size_t(day * perDay + slot)])
                continue;
            master.row()
                .set("RunsheetNo", m_planner.runsheetNo(day, slot))
                .set("BranchCode", m_planner.branchOf(slot))
                .set("StaffCode", staffCode(slot))
                .set("CreateDate", m_month.dateTime(day, 8 * 60))
                .set("CreateUser", counterUsers()[std::size_t(slot) % counterUsers().size()])
                .insert();
            if (m_planner.podsReturned(day))
                returned.row()
                    .set("RSNo", m_planner.drsNo(day, slot))
                    .set("RSDate", m_month.date(m_planner.podDay(day)))
                    .set("StaffCode", staffCode(slot))
                    .set("StaffName", staffName(slot))
                    .insert();
        }
    }
}

void MonthWriter::write(const Consignment& c)
{
    writeBooking(c);
    writeOutgoing(c);
    writeArrival(c);
    writeRunsheetLines(c);
}

void MonthWriter::writeBooking(const Consignment& c)
{
    const Station& destination = stations()[c.destination];
    const Attempt* delivered = c.delivery();
    const bool volumetric = !c.document && c.pick(1, 4) == 0;
    const double length = double(20 + c.pick(2, 60)), width = double(15 + c.pick(3, 40)), height = double(10 + c.pick(4, 40));
    const double volumeWeight = volumetric ? std::round(length * width * height / 5.0) / 1000.0 : 0.0;
    const double chargedWeight = std::max(c.weight, volumeWeight);
    static constexpr std::array<std::string_view, 3> kPayments{"CASH", "UPI", "CARD"};
    const std::string_view payment = c.account ? std::string_view("CREDIT") : kPayments[c.pick(5, kPayments.size())];
    static constexpr std::array<std::string_view, 4> kRates{"", "", "SPECIAL", "CONTRACT"};
    const std::string_view content = c.document ? std::string_view("DOCUMENTS") : contents()[c.pick(6, contents().size())];

    m_invoice.row()
        .set("ConsignmentNo", c.number)
        .set("BookingDate", m_month.date(c.bookDay))
        .set("BookingTime", clockTime(c.bookMinute))
        .set("BookingMode", c.bookingMode())
        .set("TransactionMode", c.transactionMode())
        .set("Booking_Type", c.priority ? "PRIORITY" : c.pick(8, 4) == 0 ? "EXPRESS" : "NORMAL")
        .set("Rate_Type", orNull(kRates[c.pick(9, kRates.size())]))
        .set("Weight_Type", volumetric ? "VOLUMETRIC" : "ACTUAL")
        .set("DocumentType", c.document ? "Doc" : "Non-Doc")
        .set("PickUp", c.bookingMode() == "PICKUP" ? "DOOR PICKUP" : "COUNTER")
        .set("PartyCode", c.partyCode())
        .set("BranchCode", c.branch)
        .set("Booked_Branch", c.branch)
        .set("SUB_BRANCHCODE", orNull(c.subBranch))
        .set("BOOKED_BY", c.user)
        .set("Pro_Origin", c.proNumber ? std::optional(stations()[(c.origin + 1) % stations().size()].code) : std::nullopt)
        .set("Pro_ConsignNo", c.proNumber ? std::optional(c.proNumber) : std::nullopt)
        .set("CityCode", destination.code)
        .set("Destination", destination.city)
        .set("Region", destination.region)
        .set("FromAddress1", c.sender.name)
        .set("FromAddress2", c.sender.line2)
        .set("FromAddress3", c.sender.line3)
        .set("FromAddress4", orNull(c.sender.line4))
        .set("FromAddress5", c.sender.mobile)
        .set("ToAddress1", c.consignee.name)
        .set("ToAddress2", c.consignee.line2)
        .set("ToAddress3", c.consignee.line3)
        .set("ToAddress4", orNull(c.consignee.line4))
        .set("ToAddress5", c.consignee.mobile)
        .set("MOBILE_No", c.sender.mobile)
        .set("PinCode", c.consignee.pin)
        .set("CUST_GST_ID", c.account ? std::optional(std::to_string(27000000000000 + c.party * 7919) + "Z") : std::nullopt)
        .set("Pieces", c.pick(10, 200) == 0 ? std::nullopt : std::optional<std::int64_t>(c.pieces))
        .set("Weight", c.weight)
        .set("Vol_Weight", volumeWeight)
        .set("Tot_Weight", chargedWeight)
        .set("VOL_METRIC_STATUS", volumetric ? "Y" : "N")
        .set("PAR_LENGTH", volumetric ? std::optional(length) : std::nullopt)
        .set("PAR_WIDTH", volumetric ? std::optional(width) : std::nullopt)
        .set("PAR_HEIGHT", volumetric ? std::optional(height) : std::nullopt)
        .set("Amount", round2(40.0 + chargedWeight * 55.0 + (c.priority ? 100.0 : 0.0)))
        .set("ODA_CHARGE", c.pick(11, 10) == 0 ? 50.0 : 0.0)
        .set("SLAB_ID", "SLAB" + std::to_string(1 + int(chargedWeight / 5.0)))
        .set("PAYMENT_TYPE", payment)
        .set("PAYMENT_REFNO", payment == "UPI" ? std::optional("UPI" + std::to_string(400000000000 + c.number % 100000000000))
                                               : std::nullopt)
        .set("Contain1", c.pick(12, 100) == 0 ? std::nullopt : std::optional(content))
        .set("Contain2", c.pieces > 1 ? std::optional(content) : std::nullopt)
        .set("Contain3", c.pick(13, 5) == 0 ? std::optional("FL" + std::to_string(700000 + c.pick(14, 300000))) : std::nullopt)
        .set("ContainValue", c.document ? 0.0 : double(100 + c.pick(15, 20000)))
        .set("CC_Priority", c.priority ? 1 : 0)
        .set("CancelStatus", c.fate == Fate::Cancelled ? 1 : 0)
        .set("DeliveryStatus", orNull(c.deliveryStatus()))
        .set("PodDate", delivered ? std::optional<std::string_view>(m_month.date(delivered->day)) : std::nullopt)
        .set("PodScanDate", delivered && delivered->podReturned
                                ? std::optional(m_month.dateTime(delivered->podDay, delivered->podMinute, int(c.pick(63, 60))))
                                : std::nullopt)
        .set("CreateDate", m_month.dateTime(c.bookDay, c.bookMinute, int(c.pick(17, 60))))
        .set("CreateUser", c.user)
        .set("MachineId", workstation(c, 18))
        .insert();
}

void MonthWriter::writeOutgoing(const Consignment& c)
{
    if (!c.manifestDay)
        return;
    const Station& destination = stations()[c.destination];
    static constexpr std::array<std::string_view, 3> kModes{"SURFACE", "AIR", "EXPRESS"};
    const std::string created = m_month.dateTime(c.manifestDay, 19 * 60 + int(c.pick(20, 90)), int(c.pick(21, 60)));
    auto line = [&](std::int64_t number, std::optional<std::int64_t> packet, std::optional<std::int64_t> serial) {
        m_manifest.row()
            .set("ManifestNo", c.manifestNo)
            .set("ManifestDate", m_month.date(c.manifestDay))
            .set("ManifestMode", c.priority ? std::string_view("EXPRESS") : kModes[c.pick(22, 2)])
            .set("OriginCode", stations()[c.origin].code)
            .set("Destination", destination.code)
            .set("PacketNo", packet)
            .set("SlNo", serial)
            .set("ConsignmentNo", number)
            .set("Weight", c.weight)
            .set("Remarks", c.priority ? std::optional<std::string_view>("PRIORITY") : std::nullopt)
            .set("BranchCode", c.branch)
            .set("CreateDate", created)
            .set("CreateUser", c.user)
            .set("MachineId", workstation(c, 23))
            .insert();
    };
    // A re-booked consignment's earlier number travels on the same manifest, outside the packets.
    if (c.proNumber)
        line(c.proNumber, std::nullopt, std::nullopt);
    line(c.number, c.packetNo, c.manifestLine);

    for (int i = 0; i < c.attemptCount; ++i) {
        const Attempt& a = c.attempts[std::size_t(i)];
        if (a.outcomeKnown && !a.delivered)
            writeOutgoingNonDelivery(c, a.day, "Remainder", a.reason, i + 1);
    }
    if (c.misrouteDay)
        writeOutgoingNonDelivery(c, c.misrouteDay, "Misroute", kMisrouted, 0);
    if (c.returnDay) {
        writeOutgoingNonDelivery(c, c.returnDay, "Return", kReturnedToOrigin, 0);
        m_manifestReturns.row()
            .set("EntryDate", m_month.date(c.returnDay))
            .set("ReceivedDate", m_month.date(c.returnDay))
            .set("ConsignNo", c.number)
            .set("Origin", stations()[c.origin].code)
            .set("MF_Destination", destination.code)
            .set("MF_Reason", reasonName(c.attempts[std::size_t(c.attemptCount - 1)].reason))
            .set("EnteryBy", c.user)
            .insert();
    }

    const Attempt* delivered = c.delivery();
    if (c.missingPod)
        m_missingPod.row()
            .set("ConsignmentNo", c.number)
            .set("BookingDate", m_month.date(c.bookDay))
            .set("FromAddress1", c.sender.name)
            .set("FromAddress2", c.sender.line2)
            .set("FromAddress3", c.sender.line3)
            .set("FromAddress4", c.sender.line4)
            .set("ToAddress1", c.consignee.name)
            .set("ToAddress2", c.consignee.line2)
            .set("ToAddress3", c.consignee.line3)
            .set("ToAddress4", c.consignee.line4)
            .set("ManifestDate", m_month.date(c.manifestDay))
            .set("MFDestination", destination.code)
            .set("ManifestNo", c.manifestNo)
            .set("MFSlNo", c.manifestLine)
            .set("MFPacketNo", c.packetNo)
            .insert();
    if (c.dummyPod && delivered)
        m_dummyPod.row()
            .set("PodDate", m_month.date(delivered->day))
            .set("Origin", stations()[c.origin].code)
            .set("ConsignmentNo", c.number)
            .set("FromAddress1", c.sender.name)
            .set("FromAddress2", c.pick(24, 10) == 0 ? std::nullopt : std::optional<std::string_view>(c.sender.line2))
            .set("FromAddress3", orNull(c.pick(25, 5) == 0 ? std::string_view() : c.sender.line3))
            .set("ToAddress1", c.consignee.name)
            .set("ToAddress2", c.consignee.line2)
            .set("ToAddress3", orNull(c.pick(26, 5) == 0 ? std::string_view() : c.consignee.line3))
            .set("Weight", c.pick(27, 20) == 0 ? std::nullopt : std::optional(c.weight))
            .set("NoofPcs", c.pieces)
            .set("BranchCode", m_planner.branchOf(delivered->slot))
            .set("CreateDate", m_month.dateTime(delivered->day, delivered->doneMinute + 30))
            .set("CreateUser", c.user)
            .insert();
}

void MonthWriter::writeOutgoingNonDelivery(const Consignment& c, int day, std::string_view status, std::string_view reason,
                                           int remainderNo)
{
    const bool misroute = status == "Misroute";
    m_outgoingNonDelivery.row()
        .set("TransDate", m_month.date(day))
        .set("ConsignmentNo", c.number)
        .set("Destination", stations()[c.destination].code)
        .set("RemainderNo", remainderNo ? std::optional<std::int64_t>(remainderNo) : std::nullopt)
        .set("ReasonCode", reason)
        .set("EntryStatus", status)
        .set("FDestination", misroute ? std::optional(stations()[c.destination].city) : std::nullopt)
        .set("Status", c.delivery() ? "CLOSED" : "OPEN")
        .set("Remarks", reasonName(reason))
        .set("CreateDate", m_month.dateTime(day, 20 * 60 + int(c.pick(30 + std::uint64_t(remainderNo), 120))))
        .set("CreateUser", c.user)
        .insert();
}

void MonthWriter::writeArrival(const Consignment& c)
{
    if (!c.arriveDay)
        return;
    const std::string_view origin = stations()[c.origin].code;
    const std::string_view destination = stations()[c.destination].code;
    const std::string_view date = m_month.date(c.arriveDay);
    const std::string created = m_month.dateTime(c.arriveDay, 6 * 60 + int(c.pick(40, 120)), int(c.pick(41, 60)));
    const std::string_view machine = workstation(c, 42);
    std::optional<std::string_view> remark;
    if (c.arrivalStatus != "NORMAL")
        remark = c.arrivalStatus;
    else if (c.lateArrival)
        remark = "VEHICLE LATE";
    m_arrivals.row()
        .set("ManifestNo", c.incomingManifestNo)
        .set("ManifestDate", date)
        .set("SerialNo", c.incomingSerial)
        .set("Origin", origin)
        .set("ConsignmentNo", c.number)
        .set("Destination", destination)
        .set("NoofPcs", c.pieces)
        .set("Weight", c.weight)
        .set("Status", c.arrivalStatus)
        .set("Remarks", remark)
        .set("LateArrival", c.lateArrival ? 1 : 0)
        .set("BranchCode", kMainBranch)
        .set("CreateDate", created)
        .set("CreateUser", c.user)
        .set("MachineId", machine)
        .insert();
    if (c.otcSerial) {
        static constexpr std::array<std::string_view, 3> kVehicles{"ZL 04 AB 1187", "ZL 09 CD 4420", "KW 12 EF 0913"};
        m_otcArrivals.row()
            .set("ManifestNo", m_month.yyyymmdd(c.arriveDay) * 1000000 + 900001)
            .set("ManifestDate", date)
            .set("SerialNo", c.otcSerial)
            .set("Origin", origin)
            .set("ConsignmentNo", c.number)
            .set("Destination", destination)
            .set("OTCVehicle", kVehicles[std::size_t(c.arriveDay) % kVehicles.size()])
            .set("NoofPcs", c.pieces)
            .set("Weight", c.weight)
            .set("Status", "NORMAL")
            .set("Remarks", remark)
            .set("LateArrival", c.lateArrival ? 1 : 0)
            .set("BranchCode", kMainBranch)
            .set("CreateDate", created)
            .set("CreateUser", c.user)
            .set("MachineId", machine)
            .insert();
    }
    auto localLine = [&](DemoTable& table, int serial, std::string_view user, int minute) {
        table.row()
            .set("ManifestDate", date)
            .set("SerialNo", serial)
            .set("Origin", origin)
            .set("ConsignmentNo", c.number)
            .set("BranchCode", kCityBranch)
            .set("NoofPcs", c.pieces)
            .set("Weight", c.weight)
            .set("Remarks", c.pick(43, 10) == 0 ? std::optional<std::string_view>("HANDLE WITH CARE") : std::nullopt)
            .set("CreateDate", m_month.dateTime(c.arriveDay, minute, int(c.pick(44, 60))))
            .set("CreateUser", user)
            .set("MachineId", machine)
            .insert();
    };
    if (c.localSerial)
        localLine(m_localManifest, c.localSerial, c.user, 7 * 60 + int(c.pick(45, 30)));
    if (c.branchLocalSerial)
        localLine(m_branchLocalManifest, c.branchLocalSerial, "COUNTER3", 7 * 60 + 45 + int(c.pick(46, 30)));

    static constexpr std::array<std::string_view, 4> kHeld{"AWAITING CONSIGNEE CONTACT", "ADDRESS INCOMPLETE",
                                                           "HELD FOR PAYMENT", "CONSIGNEE TO COLLECT"};
    auto heldLine = [&](DemoTable& table, int serial, std::uint64_t salt) {
        table.row()
            .set("PendingDate", date)
            .set("SerialNo", serial)
            .set("ConsignmentNo", c.number)
            .set("BranchCode", kMainBranch)
            .set("Remarks", kHeld[c.pick(salt, kHeld.size())])
            .set("CreateDate", m_month.dateTime(c.arriveDay, 11 * 60 + int(c.pick(salt + 1, 300))))
            .set("CreateUser", c.user)
            .set("MachineId", machine)
            .insert();
    };
    if (c.pendingSerial)
        heldLine(m_pending, c.pendingSerial, 47);
    if (c.miscSerial)
        heldLine(m_miscellaneous, c.miscSerial, 49);

    if (c.misrouteDay) {
        auto entry = [&](std::string_view code, int minute) {
            m_misroutes.row()
                .set("IMF_Date", m_month.date(c.misrouteDay))
                .set("Origin", origin)
                .set("ConNo", c.number)
                .set("NoofPcs", c.pieces)
                .set("Weight", c.weight)
                .set("Misroute_Code", code)
                .set("Misroute_Destn", destination)
                .set("Create_User", c.user)
                .set("Create_Date", m_month.dateTime(c.misrouteDay, minute))
                .set("Create_Machine", machine)
                .insert();
        };
        entry("MISROUTE", 8 * 60 + int(c.pick(51, 60)));
        if (c.pick(52, 3) == 0)
            entry("REFORWARD", 15 * 60 + int(c.pick(53, 60)));
        writeNonDelivery(c, c.misrouteDay, "Misroute", kMisrouted, 0);
    }
}

void MonthWriter::writeRunsheetLines(const Consignment& c)
{
    for (int i = 0; i < c.attemptCount; ++i) {
        const Attempt& a = c.attempts[std::size_t(i)];
        const std::int64_t runsheet = m_planner.runsheetNo(a.day, a.slot);
        const bool printed = a.outcomeKnown || c.pick(60 + std::uint64_t(i), 5) != 0;
        const std::string_view mobile = c.consignee.mobile;
        m_runsheetLines.row()
            .set("RunsheetNo", runsheet)
            .set("SerialNo", a.serial)
            .set("RunsheetDate", m_month.date(a.day))
            .set("RunsheetMode", runsheetMode(a.slot))
            .set("BranchCode", m_planner.branchOf(a.slot))
            .set("AreaCode", areaCode(a.slot))
            .set("AreaName", areaName(a.slot))
            .set("StaffCode", staffCode(a.slot))
            .set("Origin", stations()[c.origin].code)
            .set("ConsignmentNo", c.number)
            .set("ConsignorName", c.sender.name)
            .set("ConsignorAddress1", c.sender.line2)
            .set("ConsignorAddress2", c.sender.line3)
            .set("Contact_Name", c.consignee.name)
            .set("Contact_No", orNull(mobile))
            .set("Mobile_No", mobile.empty() && c.pick(62, 2) == 0 ? std::nullopt : std::optional(mobile))
            .set("LoadDetails", a.serial)
            .set("RunsheetPrintStatus", printed ? 1 : 0)
            .set("BAR_RSNO", printed ? std::optional(std::to_string(runsheet)) : std::nullopt)
            .set("DeliveryStatus", a.outcomeKnown ? std::optional<std::string_view>(a.delivered ? "D" : "N") : std::nullopt)
            .set("ReasonCode", orNull(a.reason))
            .set("DRSNo", a.podReturned ? std::optional(m_planner.drsNo(a.day, a.slot)) : std::nullopt)
            .set("ReturnPODDate", a.podReturned ? std::optional<std::string_view>(m_month.date(a.podDay)) : std::nullopt)
            .set("PODScanTime", a.podReturned ? std::optional(m_month.dateTime(a.podDay, a.podMinute, int(c.pick(63, 60))))
                                              : std::nullopt)
            .set("CreateDate", m_month.dateTime(a.day, a.outMinute))
            .set("CreateUser", counterUsers()[std::size_t(a.slot) % counterUsers().size()])
            .set("MachineId", workstation(c, 64))
            .insert();
        if (a.outcomeKnown && !a.delivered)
            writeNonDelivery(c, a.day, "Remainder", a.reason, i + 1);
    }
    if (c.returnDay) {
        writeNonDelivery(c, c.returnDay, "Return", kReturnedToOrigin, 0);
        const Attempt& last = c.attempts[std::size_t(c.attemptCount - 1)];
        m_returnedDocuments.row()
            .set("Received_Date", m_month.date(c.returnDay))
            .set("Origin", stations()[c.origin].code)
            .set("ConsignmentNo", c.number)
            .set("BranchCode", m_planner.branchOf(last.slot))
            .set("ReceivedBy", staffName(last.slot))
            .set("Remarks", "RETURN TO ORIGIN")
            .set("Doc_Status", "RETURNED")
            .set("Create_Date", m_month.dateTime(c.returnDay, 10 * 60 + int(c.pick(65, 120))))
            .set("Create_User", c.user)
            .set("Machine_Id", workstation(c, 66))
            .insert();
    }
}

void MonthWriter::writeNonDelivery(const Consignment& c, int day, std::string_view status, std::string_view reason,
                                   int remainderNo)
{
    const Station& origin = stations()[c.origin];
    m_nonDelivery.row()
        .set("ReferenceNo", m_month.yymmdd(day) * 10000000000 + ++m_nonDeliveries)
        .set("NDDate", m_month.date(day))
        .set("Status", status)
        .set("ConsignNo", c.number)
        .set("BookingDate", m_month.date(c.bookDay))
        .set("BranchCode", kMainBranch)
        .set("Destination", origin.city)
        .set("FromAddr1", c.sender.name)
        .set("FromAddr2", c.sender.line2)
        .set("FromAddr3", c.sender.line3)
        .set("FromAddr4", orNull(c.sender.line4))
        .set("ToAddr1", c.consignee.name)
        .set("ToAddr2", c.consignee.line2)
        .set("ToAddr3", c.consignee.line3)
        .set("ToAddr4", orNull(c.consignee.line4))
        .set("ReasonCode", reason)
        .set("RemainderNo", remainderNo ? std::optional<std::int64_t>(remainderNo) : std::nullopt)
        .set("FDestination", status == "Misroute" ? std::optional(stations()[c.destination].city) : std::nullopt)
        .set("Remarks1", reasonName(reason))
        .set("CreateDate", m_month.dateTime(day, 20 * 60 + int(c.pick(70 + std::uint64_t(remainderNo), 120))))
        .set("CreateUser", c.user)
        .insert();
}

} // namespace installer::demo
