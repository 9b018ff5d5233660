#include "installer/DemoNetwork.h"
#include "installer/DemoNames.h"
#include "installer/DemoTable.h"

#include <array>

namespace installer::demo {

namespace {

std::string operatorCode(const Consignment& c, std::uint64_t salt)
{
    return "OP" + std::to_string(10 + c.pick(salt, 40));
}

std::string_view hubOf(const Station& s)
{
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kHubs{{
        {"CENTRAL", "CHUB"}, {"NORTH", "NHUB"}, {"SOUTH", "SHUB"}, {"EAST", "EHUB"}, {"WEST", "WHUB"}}};
    for (const auto& [region, hub] : kHubs)
        if (region == s.region)
            return hub;
    return "CHUB";
}

} // namespace

NetworkWriter::NetworkWriter(DemoDatabase& headOffice, DemoDatabase& admin, DemoDatabase& tracking)
    : m_scans(headOffice.table("CnFile")), m_deliveries(headOffice.table("DrFile")),
      m_pointPods(headOffice.table("PointPod")), m_otcScans(headOffice.table("OTCFile")),
      m_messages(admin.table("TBL_SMS_CONSIGNMENT_DETAILS")), m_downloads(admin.table("tbl_RO_Download_Log")),
      m_downloadedDeliveries(admin.table("RO_DrFile")), m_downloadedPointPods(admin.table("RO_PointPod")),
      m_scannedDocuments(admin.table("OUTGOING_SCANNED_PDF")), m_queryLog(admin.table("tbl_Qry_Details")),
      m_incomingQueries(tracking.table("Incoming_Queries_Details"))
{
}

std::int64_t NetworkWriter::downloadRun(int day, bool pointPods) const
{
    return std::int64_t(m_month->dayIndex(day)) * 2 + (pointPods ? 2 : 1);
}

void NetworkWriter::beginMonth(const MonthSpan& month, const RoadPlanner& planner, std::int64_t logEvery)
{
    m_month = &month;
    m_planner = &planner;
    m_logEvery = logEvery;
    // The head office's records of a day are downloaded that night, once the runsheets are back.
    for (int day = 1; day <= month.lastDay(); ++day) {
        if (!planner.podsReturned(day))
            continue;
        for (bool pointPods : {false, true})
            m_downloads.row()
                .set("Tran_Id", downloadRun(day, pointPods))
                .set("Down_Type", pointPods ? "PTP" : "DRS")
                .set("Down_Date", month.dateTime(day, pointPods ? 23 * 60 + 45 : 23 * 60 + 30))
                .insert();
    }
}

void NetworkWriter::write(const Consignment& c)
{
    const std::string number = std::to_string(c.number);
    writeScans(c, number);
    writeDeliveries(c, number);
    writeMessages(c, number);
    if (c.number % m_logEvery == 0)
        writeQueryLog(c);
}

void NetworkWriter::writeScans(const Consignment& c, const std::string& number)
{
    const Station& origin = stations()[c.origin];
    const Station& home = stations()[kHomeStation];
    const std::string_view destination = stations()[c.destination].code;
    auto scan = [&](int day, int minute, const Station& at, std::string_view type, std::int64_t manifestNo, int serial,
                    std::string_view state, std::uint64_t salt) {
        // Now and then a remark typed over two lines.
        const std::uint64_t remark = c.pick(salt, 200);
        m_scans.row()
            .set("tdate", m_month->date(day))
            .set("Origin", origin.code)
            .set("SNo", serial)
            .set("CNo", number)
            .set("StnCode", at.code)
            .set("OPCode", operatorCode(c, salt + 1))
            .set("Type", type)
            .set("Destn", destination)
            .set("MFNo", std::to_string(manifestNo))
            .set("Weight", c.weight)
            .set("Pcs", c.pieces)
            .set("RmKs", remark == 0   ? std::optional<std::string_view>("PACKET TORN\r\nRESEALED AT HUB")
                         : remark < 10 ? std::optional<std::string_view>("WEIGHT CHECKED")
                                       : std::nullopt)
            .set("AR", remark == 1 ? std::optional<std::string_view>("SHORT BY ONE PIECE") : std::nullopt)
            .set("Hub", hubOf(at))
            .set("State", state)
            .set("MTime", clockTime(minute))
            .insert();
    };
    if (c.manifestDay)
        scan(c.manifestDay, 19 * 60 + int(c.pick(80, 120)), origin, "O", c.manifestNo, c.manifestLine, "DISPATCHED", 81);
    if (c.arriveDay)
        scan(c.arriveDay, 5 * 60 + int(c.pick(83, 60)), home, "I", c.incomingManifestNo, c.incomingSerial, "RECEIVED", 84);
    if (c.otcSerial)
        m_otcScans.row()
            .set("tdate", m_month->date(c.arriveDay))
            .set("Origin", origin.code)
            .set("Mfno", number)
            .set("StnCode", home.code)
            .set("OPCode", operatorCode(c, 86))
            .set("Type", "I")
            .set("Destn", destination)
            .set("OTime", clockTime(6 * 60 + int(c.pick(87, 60))))
            .set("OTCNo", std::to_string(m_month->yyyymmdd(c.arriveDay) * 1000000 + 900001))
            .set("SNo", c.otcSerial)
            .set("Weight", c.weight)
            .set("Pcs", c.pieces)
            .set("Rmks", c.lateArrival ? std::optional<std::string_view>("VEHICLE LATE") : std::nullopt)
            .set("Ar", c.pick(89, 10) == 0 ? std::optional<std::string_view>("COLLECTED AT OTC COUNTER") : std::nullopt)
            .insert();
}

void NetworkWriter::writeDeliveries(const Consignment& c, const std::string& number)
{
    const std::string_view origin = stations()[c.origin].code;
    const std::string_view home = stations()[kHomeStation].code;
    static constexpr std::array<std::string_view, 3> kReceivers{"SELF", "SECURITY", "RECEPTION"};
    for (int i = 0; i < c.attemptCount; ++i) {
        const Attempt& a = c.attempts[std::size_t(i)];
        if (!a.outcomeKnown)
            continue;
        const bool downloaded = m_planner->podsReturned(a.day);
        const std::string runsheet = std::to_string(m_planner->runsheetNo(a.day, a.slot));
        const std::string staff = staffName(a.slot);
        const std::string route = areaCode(a.slot);
        const std::string_view branch = m_planner->branchOf(a.slot);
        const std::uint64_t receiver = c.pick(90 + std::uint64_t(i), 4);
        std::optional<std::string_view> receivedBy;
        if (a.delivered)
            receivedBy = receiver == 0 ? std::string_view(c.consignee.name) : kReceivers[receiver - 1];
        for (DemoTable* table : {&m_deliveries, downloaded ? &m_downloadedDeliveries : nullptr}) {
            if (!table)
                continue;
            table->row();
            if (table == &m_downloadedDeliveries)
                table->set("Tran_Id", downloadRun(a.day, false));
            table->set("tdate", m_month->date(a.day))
                .set("Origin", origin)
                .set("CNo", number)
                .set("StnCode", home)
                .set("bcode", branch)
                .set("Rcode", a.reason)
                .set("DRSNo", runsheet)
                .set("SNo", a.serial)
                .set("CNee", c.consignee.name)
                .set("RcvdBy", receivedBy)
                .set("DTime", clockTime(a.doneMinute))
                .set("Staff", staff)
                .set("Route", route)
                .insert();
        }
        if (!a.delivered || !c.pointPod)
            continue;
        for (DemoTable* table : {&m_pointPods, downloaded ? &m_downloadedPointPods : nullptr}) {
            if (!table)
                continue;
            table->row();
            if (table == &m_downloadedPointPods)
                table->set("Tran_Id", downloadRun(a.day, true));
            table->set("tdate", m_month->date(a.day))
                .set("ptime", clockTime(a.doneMinute + 5))
                .set("Origin", origin)
                .set("SlNo", 1 + int(c.pick(95, 30)))
                .set("CNo", number)
                .set("StnCode", home)
                .set("OPCode", operatorCode(c, 96))
                .set("Type", "I")
                .set("Bcode", branch)
                .set("PntNo", "P" + std::to_string(m_month->yymmdd(a.day) * 1000 + a.slot))
                .set("Weight", c.weight)
                .set("Pcs", c.pieces)
                .set("Rmks", c.pick(97, 10) == 0 ? std::optional<std::string_view>("SIGNED COPY RECEIVED") : std::nullopt)
                .set("TLoad", "LOAD " + std::to_string(1 + a.serial / 20))
                .insert();
        }
    }
    if (c.scannedPdf)
        m_scannedDocuments.row()
            .set("ConsignmentNo", c.number)
            .set("file_path", c.pick(98, 20) == 0 ? std::nullopt
                                                  : std::optional("\\\\DOCSTORE\\PODPDF\\" + m_month->scanFolder().toStdString()
                                                                  + "\\" + number + ".pdf"))
            .set("Remarks", "Consignment Successfully Moved")
            .insert();
}

void NetworkWriter::writeMessages(const Consignment& c, const std::string& number)
{
    const std::string& mobile = c.consignee.mobile;
    if (mobile.size() != 10)
        return;
    const std::string_view origin = stations()[c.origin].code;
    auto message = [&](int day, int minute, const std::string& body, std::uint64_t salt) {
        const std::uint64_t outcome = c.pick(salt, 20);
        const bool failed = outcome == 0;
        m_messages.row()
            .set("Tran_Date", m_month->date(day))
            .set("CONSIGNMENTNO", c.number)
            .set("ORIGIN", origin)
            .set("TO_MOBILE_NO", mobile)
            .set("BODY_TEXT", body)
            .set("SENT_DATETIME", failed ? std::nullopt : std::optional(m_month->dateTime(day, minute, int(c.pick(salt + 1, 60)))))
            .set("SENT_MESSAGE", failed ? "FAILED" : outcome < 8 ? "SENT" : "DELIVERED")
            .insert();
    };
    for (int i = 0; i < c.attemptCount; ++i) {
        const Attempt& a = c.attempts[std::size_t(i)];
        message(a.day, a.outMinute + 10,
                "Dear Customer, consignment " + number + " is out for delivery today with " + staffName(a.slot) + ".",
                100 + 2 * std::uint64_t(i));
        if (a.delivered)
            message(a.day, a.doneMinute + 2, "Consignment " + number + " has been delivered. Thank you.", 110);
    }
}

void NetworkWriter::writeQueryLog(const Consignment& c)
{
    const std::string database = m_month->database().toStdString();
    const std::string_view origin = stations()[c.origin].code;
    if (c.attemptCount > 0) {
        // The counter looked the consignment up the day after its last runsheet line.
        const Attempt& last = c.attempts[std::size_t(c.attemptCount - 1)];
        const int day = std::min(last.day + 1, m_month->lastDay());
        const std::string created = m_month->dateTime(day, 10 * 60 + int(c.pick(120, 400)), int(c.pick(121, 60)));
        const std::string_view reason = last.reason; // '' while the line is out
        const std::string_view description = last.outcomeKnown ? reasonName(last.reason) : std::string_view("Taken For Delivery");
        const std::int64_t runsheet = m_planner->runsheetNo(last.day, last.slot);
        const std::int64_t drs = last.podReturned ? m_planner->drsNo(last.day, last.slot) : 0;
        const std::string_view branch = m_planner->branchOf(last.slot);
        m_incomingQueries.row()
            .set("QueryDate", m_month->date(day))
            .set("ConsignmentNo", c.number)
            .set("Origin", origin)
            .set("DBName", database)
            .set("RunsheetDate", m_month->date(last.day))
            .set("RunsheetNo", runsheet)
            .set("ReasonCode", reason)
            .set("Reason_Desc", description)
            .set("DRSNo", drs)
            .set("BranchName", branch)
            .set("Create_User", "COUNTER1")
            .set("Create_Date", created)
            .insert();
        m_queryLog.row()
            .set("QueryDate", m_month->date(day))
            .set("QueryType", "INCOMING")
            .set("Origin", origin)
            .set("ConsignmentNo", c.number)
            .set("DBName", database)
            .set("RunsheetDate", m_month->date(last.day))
            .set("RunsheetNo", runsheet)
            .set("ReasonCode", reason)
            .set("Reason_Desc", description)
            .set("DRSNo", drs)
            .set("BranchName", branch)
            .set("System_Name", "COUNTER1")
            .set("Create_User", "COUNTER1")
            .set("Create_Date", created)
            .setNull("BookingDate")
            .setNull("CityCode")
            .setNull("Destination")
            .setNull("Region")
            .setNull("BookingMode")
            .setNull("TransactionMode")
            .setNull("PartyCode")
            .setNull("Weight")
            .setNull("MF_Destination")
            .insert();
    }
    // The POD window logs a booking once a runsheet line has come back for it.
    const std::string_view status = c.deliveryStatus();
    if (status.empty() || !c.manifestDay)
        return;
    const Station& destination = stations()[c.destination];
    const int day = c.lastKnownAttempt()->day;
    m_queryLog.row()
        .set("QueryDate", m_month->date(day))
        .set("QueryType", "OUTGOING")
        .set("Origin", origin)
        .set("ConsignmentNo", c.number)
        .set("DBName", database)
        .set("RunsheetDate", m_month->date(c.manifestDay))
        .set("RunsheetNo", c.manifestNo)
        .set("ReasonCode", status)
        .set("Reason_Desc", status == "D" ? "DELIVERED" : c.returnDay ? "RETURN TO Consignee" : "")
        .setNull("DRSNo")
        .set("BranchName", branchName(c.branch))
        .set("System_Name", "COUNTER2")
        .set("Create_User", "COUNTER2")
        .set("Create_Date", m_month->dateTime(day, 16 * 60 + int(c.pick(122, 120)), int(c.pick(123, 60))))
        .set("BookingDate", m_month->date(c.bookDay))
        .set("CityCode", destination.code)
        .set("Destination", destination.city)
        .set("Region", destination.region)
        .set("BookingMode", c.bookingMode())
        .set("TransactionMode", c.transactionMode())
        .set("PartyCode", c.partyCode())
        .set("Weight", c.weight)
        .set("MF_Destination", destination.code)
        .insert();
}

} // namespace installer::demo
