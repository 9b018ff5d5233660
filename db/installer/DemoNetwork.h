#pragma once

#include "installer/DemoRoad.h"

#include <cstdint>

namespace installer {
class DemoDatabase;
class DemoTable;
} // namespace installer

namespace installer::demo {

// Writes what the rest of the network records about each consignment: the head office's scans
// and delivery records (KWD32Server), and in the branch's administration database the SMS
// messages, the downloaded copies of the head office's records, the moved POD documents and a
// few query-log rows (also in Tracking).
class NetworkWriter {
public:
    NetworkWriter(DemoDatabase& headOffice, DemoDatabase& admin, DemoDatabase& tracking);

    // Starts a month: its download runs. Every logEvery-th consignment number gets query-log rows.
    void beginMonth(const MonthSpan& month, const RoadPlanner& planner, std::int64_t logEvery);
    void write(const Consignment& c);

private:
    void writeScans(const Consignment& c, const std::string& number);
    void writeDeliveries(const Consignment& c, const std::string& number);
    void writeMessages(const Consignment& c, const std::string& number);
    void writeQueryLog(const Consignment& c);
    // Download runs of a day: DRS and PTP.
    std::int64_t downloadRun(int day, bool pointPods) const;

    const MonthSpan* m_month = nullptr;
    const RoadPlanner* m_planner = nullptr;
    std::int64_t m_logEvery = 1;
    DemoTable& m_scans;
    DemoTable& m_deliveries;
    DemoTable& m_pointPods;
    DemoTable& m_otcScans;
    DemoTable& m_messages;
    DemoTable& m_downloads;
    DemoTable& m_downloadedDeliveries;
    DemoTable& m_downloadedPointPods;
    DemoTable& m_scannedDocuments;
    DemoTable& m_queryLog;
    DemoTable& m_incomingQueries;
};

} // namespace installer::demo
