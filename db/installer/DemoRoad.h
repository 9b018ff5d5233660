#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

// The road of each demo consignment through one month: booking, outgoing manifest, arrival,
// runsheet attempts, non-delivery, misroute, return. Planned from the seed alone, so that the
// writers of every database see the same consignments.
namespace installer::demo {

// The days of one month database that may hold data: the 1st to the month's end, or to today.
class MonthSpan {
public:
    // ordinal: 0 for the oldest month of the installation; firstDayIndex: the number of days of
    // the installation before this month.
    MonthSpan(const QDate& first, const QDate& today, int ordinal, int firstDayIndex);

    QString database() const;
    int ordinal() const { return m_ordinal; }
    int lastDay() const { return m_lastDay; }
    // Today lies in this month: lines of today's runsheets may still be out.
    bool holdsToday() const { return m_holdsToday; }
    // Days of the installation before day (counting from the oldest month's 1st).
    int dayIndex(int day) const { return m_firstDayIndex + day - 1; }
    // "yyyy-MM-dd" of a day of the month.
    const std::string& date(int day) const { return m_dates[std::size_t(day)]; }
    // "yyyy-MM-dd HH:mm:ss" of a minute of a day plus seconds.
    std::string dateTime(int day, int minute, int second = 0) const;
    // yyyyMMdd and yyMMdd of a day, for document numbers.
    std::int64_t yyyymmdd(int day) const { return m_yyyymm * 100 + day; }
    std::int64_t yymmdd(int day) const { return (m_yyyymm % 10000) * 100 + day; }
    // yyMM, for runsheet numbers.
    std::int64_t yymm() const { return m_yyyymm % 10000; }
    // The month as "MMMyy", like the scan folders name it.
    QString scanFolder() const;

private:
    QDate m_first;
    int m_ordinal;
    int m_firstDayIndex;
    int m_lastDay;
    bool m_holdsToday;
    std::int64_t m_yyyymm;
    std::array<std::string, 32> m_dates;
};

// "HH:mm" of a minute of the day.
std::string clockTime(int minute);

// A sender or a consignee: name and address lines, mobile number (may be empty), pin code.
struct Contact {
    std::string name;
    std::string line2;
    std::string line3;
    std::string line4; // often empty
    std::string mobile;
    std::string pin;
};

// One line of a delivery runsheet.
struct Attempt {
    int day = 0;
    int slot = 0;   // the runsheet of the day
    int serial = 0; // line on the runsheet
    int outMinute = 0;
    int doneMinute = 0;
    bool outcomeKnown = false; // the runsheet has come back
    bool delivered = false;
    std::string_view reason; // Run_ReasonMaster code, empty while the outcome is not known
    bool podReturned = false;
    int podDay = 0;
    int podMinute = 0;
};

enum class Fate { Cancelled, Delivered, DeliveredOnRetry, Returned, Misrouted, InTransit };

// A day of 0 means the event has not happened (yet) inside the month.
struct Consignment {
    std::int64_t number = 0;
    std::uint64_t noise = 0; // source of the writers' minor choices (remarks, times, flags)
    Fate fate = Fate::Delivered;
    std::size_t origin = 0;      // stations() index
    std::size_t destination = 0; // stations() index
    std::string_view branch;     // booking branch code
    std::string_view subBranch;  // empty: none
    std::string_view user;       // the counter user who entered the booking
    int bookDay = 0;
    int bookMinute = 0;
    bool account = false;
    std::size_t party = 0; // parties() index of an account booking
    Contact sender;
    Contact consignee;
    double weight = 0;
    int pieces = 1;
    bool document = true;
    bool priority = false;
    std::int64_t proNumber = 0; // 0: none; else a 32-bit earlier consignment number

    // Outgoing manifest.
    int manifestDay = 0;
    std::int64_t manifestNo = 0;
    int packetNo = 0;
    int manifestLine = 0;

    // Arrival on an incoming manifest, and what came of it here.
    int arriveDay = 0;
    std::int64_t incomingManifestNo = 0;
    int incomingSerial = 0;
    std::string_view arrivalStatus; // Run_Manifest.Status
    bool lateArrival = false;
    int otcSerial = 0;         // > 0: also on the OTC manifest of the arrival day
    int localSerial = 0;       // > 0: sent on to the city branch on a local manifest
    int branchLocalSerial = 0; // > 0: and entered there
    int pendingSerial = 0;     // > 0: held as a pending document
    int miscSerial = 0;        // > 0: a miscellaneous entry
    int misrouteDay = 0;

    std::array<Attempt, 3> attempts{};
    int attemptCount = 0;
    int returnDay = 0;       // the documents came back to be returned to the origin
    bool dummyPod = false;   // a dummy POD stands for the real one
    bool missingPod = false; // recorded as a missing-POD case
    bool scannedPdf = false; // the POD document was moved to the document store
    bool pointPod = false;   // scanned at a delivery point

    // The minor choice number salt of the consignment, below bound.
    std::uint64_t pick(std::uint64_t salt, std::uint64_t bound) const;
    const Attempt* delivery() const;         // the delivering line, if any
    const Attempt* lastKnownAttempt() const; // the last line with an outcome, if any
    // Booking values more than one database repeats.
    std::string_view bookingMode() const;
    std::string_view transactionMode() const;
    std::string_view partyCode() const;
    // The booking's delivery status: "D", "N", or empty while no runsheet line has come back.
    std::string_view deliveryStatus() const;
};

// Plans the consignments of one month in order of booking.
class RoadPlanner {
public:
    RoadPlanner(const MonthSpan& month, std::uint64_t seed, std::int64_t consignments, std::int64_t firstNumber);

    // The runsheets of a day: the main branch's come first, then the city branch's.
    int runsheetsPerDay() const { return m_runsheets; }
    // The branch whose runsheet a slot of a day is.
    std::string_view branchOf(int slot) const;
    // The runsheet number of a runsheet of a day and its returned-POD (DRS) number.
    std::int64_t runsheetNo(int day, int slot) const;
    std::int64_t drsNo(int day, int slot) const;
    // Runsheets that received a line: day * runsheetsPerDay + slot.
    const std::vector<bool>& usedRunsheets() const { return m_used; }
    // Whether a runsheet of a day has come back with its PODs.
    bool podsReturned(int day) const;
    int podDay(int day) const;

    // The next consignment; call consignments() times.
    Consignment next();

private:
    std::uint64_t draw(std::uint64_t bound);
    bool chance(int perMille);
    Contact contact(bool business);
    std::string mobile();
    // Puts an attempt on a runsheet of the day: of the city branch for consignments sent on there.
    void runsheetLine(int day, bool cityBranch, Attempt& attempt);
    void planRunsheets(Consignment& c);

    const MonthSpan& m_month;
    std::mt19937_64 m_random;
    std::int64_t m_total;
    std::int64_t m_index = 0;
    std::int64_t m_firstNumber;
    int m_runsheets;
    int m_mainRunsheets;
    std::vector<bool> m_used;
    std::vector<int> m_runsheetLines;   // per day and runsheet
    std::vector<int> m_manifestLines;   // per day and destination station
    std::vector<int> m_arrivalLines;    // per day and origin station
    std::array<int, 32> m_otcLines{};
    std::array<int, 32> m_localLines{};
    std::array<int, 32> m_branchLocalLines{};
    std::array<int, 32> m_pendingLines{};
    std::array<int, 32> m_miscLines{};
    int m_misroutesSentBack = 0;
};

} // namespace installer::demo
