#pragma once

#include "installer/DemoRoad.h"

#include <cstdint>

namespace installer {
class DemoDatabase;
class DemoTable;
} // namespace installer

namespace installer::demo {

// Writes one month database: its masters, each consignment's rows (booking, manifests, runsheet
// lines, non-delivery, misroute and return entries, pending documents, dummy PODs, missing-POD
// cases) and, after the last consignment, the runsheets that received lines.
class MonthWriter {
public:
    MonthWriter(DemoDatabase& database, const MonthSpan& month, const RoadPlanner& planner);

    void writeMasters();
    void write(const Consignment& c);
    void writeRunsheets();

private:
    void writeBooking(const Consignment& c);
    void writeOutgoing(const Consignment& c);
    void writeArrival(const Consignment& c);
    void writeRunsheetLines(const Consignment& c);
    void writeNonDelivery(const Consignment& c, int day, std::string_view status, std::string_view reason,
                          int remainderNo);
    void writeOutgoingNonDelivery(const Consignment& c, int day, std::string_view status, std::string_view reason,
                                  int remainderNo);

    DemoDatabase& m_database;
    const MonthSpan& m_month;
    const RoadPlanner& m_planner;
    std::int64_t m_nonDeliveries = 0;
    DemoTable& m_invoice;
    DemoTable& m_manifest;
    DemoTable& m_outgoingNonDelivery;
    DemoTable& m_manifestReturns;
    DemoTable& m_missingPod;
    DemoTable& m_dummyPod;
    DemoTable& m_arrivals;
    DemoTable& m_otcArrivals;
    DemoTable& m_localManifest;
    DemoTable& m_branchLocalManifest;
    DemoTable& m_pending;
    DemoTable& m_miscellaneous;
    DemoTable& m_misroutes;
    DemoTable& m_runsheetLines;
    DemoTable& m_nonDelivery;
    DemoTable& m_returnedDocuments;
};

} // namespace installer::demo
