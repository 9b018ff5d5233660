#include "installer/DemoRoad.h"
#include "installer/DemoNames.h"
#include "installer/Installer.h"

#include <QLocale>
#include <algorithm>

namespace installer::demo {

namespace {

// Runsheet numbers are yyMM followed by five digits; a month holds at most this many runsheets.
constexpr int kRunsheetNumbersPerMonth = 100000;
constexpr int kLinesPerRunsheet = 40;
// Returned-POD (DRS) numbers follow the runsheet numbers, still within 32 bits.
constexpr std::int64_t kDrsOffset = 1000000000;
// Outgoing manifest lines: 99 lines to a packet.
constexpr int kLinesPerPacket = 99;
constexpr int kPacketsPerManifest = 999;

void appendTwoDigits(std::string& text, int value)
{
    text += char('0' + value / 10);
    text += char('0' + value % 10);
}

std::uint64_t splitMix(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

} // namespace

// ---- MonthSpan -----------------------------------------------------------------------------------

MonthSpan::MonthSpan(const QDate& first, const QDate& today, int ordinal, int firstDayIndex)
    : m_first(first), m_ordinal(ordinal), m_firstDayIndex(firstDayIndex)
{
    m_holdsToday = today.year() == first.year() && today.month() == first.month();
    m_lastDay = m_holdsToday ? today.day() : first.daysInMonth();
    m_yyyymm = first.year() * 100 + first.month();
    for (int day = 1; day <= first.daysInMonth(); ++day)
        m_dates[std::size_t(day)] = first.addDays(day - 1).toString(QStringLiteral("yyyy-MM-dd")).toStdString();
}

QString MonthSpan::database() const
{
    return monthDatabaseName(m_first);
}

std::string MonthSpan::dateTime(int day, int minute, int second) const
{
    std::string text = date(day);
    text += ' ';
    text += clockTime(minute);
    text += ':';
    appendTwoDigits(text, second);
    return text;
}

QString MonthSpan::scanFolder() const
{
    return QLocale(QLocale::English).toString(m_first, QStringLiteral("MMMyy")).toUpper();
}

std::string clockTime(int minute)
{
    std::string text;
    appendTwoDigits(text, minute / 60);
    text += ':';
    appendTwoDigits(text, minute % 60);
    return text;
}

// ---- Consignment ---------------------------------------------------------------------------------

std::uint64_t Consignment::pick(std::uint64_t salt, std::uint64_t bound) const
{
    return splitMix(noise ^ (salt * 0xD1B54A32D192ED03ull)) % bound;
}

const Attempt* Consignment::delivery() const
{
    for (int i = 0; i < attemptCount; ++i)
        if (attempts[std::size_t(i)].delivered)
            return &attempts[std::size_t(i)];
    return nullptr;
}

const Attempt* Consignment::lastKnownAttempt() const
{
    for (int i = attemptCount - 1; i >= 0; --i)
        if (attempts[std::size_t(i)].outcomeKnown)
            return &attempts[std::size_t(i)];
    return nullptr;
}

std::string_view Consignment::bookingMode() const
{
    return account ? "CORPORATE" : pick(7, 3) == 0 ? "PICKUP" : "COUNTER";
}

std::string_view Consignment::transactionMode() const
{
    return account ? "Acct. Party" : "Paid";
}

std::string_view Consignment::partyCode() const
{
    return account ? parties()[party].code : "CASH";
}

std::string_view Consignment::deliveryStatus() const
{
    return delivery() ? "D" : lastKnownAttempt() ? "N" : "";
}

// ---- RoadPlanner ---------------------------------------------------------------------------------

RoadPlanner::RoadPlanner(const MonthSpan& month, std::uint64_t seed, std::int64_t consignments, std::int64_t firstNumber)
    : m_month(month), m_total(consignments), m_firstNumber(firstNumber)
{
    std::seed_seq sequence{std::uint32_t(seed), std::uint32_t(seed >> 32), std::uint32_t(month.ordinal())};
    m_random.seed(sequence);
    // A consignment makes about 1.3 runsheet lines; runsheets of some forty lines each.
    const std::int64_t linesPerDay = consignments * 13 / 10 / month.lastDay() + 1;
    m_runsheets = int(std::clamp<std::int64_t>((linesPerDay + kLinesPerRunsheet - 1) / kLinesPerRunsheet, 6,
                                               kRunsheetNumbersPerMonth / 31 - 1));
    m_mainRunsheets = std::max(1, m_runsheets - std::max(1, m_runsheets / 6));
    m_used.assign(std::size_t(32 * m_runsheets), false);
    m_runsheetLines.assign(m_used.size(), 0);
    m_manifestLines.assign(32 * stations().size(), 0);
    m_arrivalLines.assign(32 * stations().size(), 0);
}

std::int64_t RoadPlanner::runsheetNo(int day, int slot) const
{
    return m_month.yymm() * kRunsheetNumbersPerMonth + std::int64_t(day - 1) * m_runsheets + slot + 1;
}

std::int64_t RoadPlanner::drsNo(int day, int slot) const
{
    return kDrsOffset + runsheetNo(day, slot);
}

std::string_view RoadPlanner::branchOf(int slot) const
{
    return slot < m_mainRunsheets ? kMainBranch : kCityBranch;
}

bool RoadPlanner::podsReturned(int day) const
{
    return !m_month.holdsToday() || day < m_month.lastDay();
}

int RoadPlanner::podDay(int day) const
{
    return std::min(day + 1, m_month.lastDay());
}

std::uint64_t RoadPlanner::draw(std::uint64_t bound)
{
    return m_random() % bound;
}

bool RoadPlanner::chance(int perMille)
{
    return int(draw(1000)) < perMille;
}

std::string RoadPlanner::mobile()
{
    const int kind = int(draw(100));
    if (kind < 10)
        return {};
    if (kind < 14)
        return "NA";
    if (kind < 15)
        return std::to_string(100 + draw(900));
    std::string number(mobilePrefixes()[draw(mobilePrefixes().size())]);
    const std::string tail = std::to_string(100000 + draw(100000));
    return number + tail.substr(1);
}

Contact RoadPlanner::contact(bool business)
{
    Contact c;
    if (business) {
        const Party& party = parties()[draw(parties().size())];
        c.name = party.name;
    } else {
        c.name = std::string(firstNames()[draw(firstNames().size())]) + ' ' + std::string(surnames()[draw(surnames().size())]);
    }
    c.line2 = std::to_string(1 + draw(240)) + ' ' + std::string(streets()[draw(streets().size())]);
    c.line3 = localities()[draw(localities().size())];
    if (chance(400))
        c.line4 = "NEAR " + std::string(localities()[draw(localities().size())]);
    c.mobile = mobile();
    c.pin = std::to_string(400001 + draw(90000));
    return c;
}

void RoadPlanner::runsheetLine(int day, bool cityBranch, Attempt& attempt)
{
    const int slot = cityBranch ? m_mainRunsheets + int(draw(std::uint64_t(m_runsheets - m_mainRunsheets)))
                                : int(draw(std::uint64_t(m_mainRunsheets)));
    const std::size_t index = std::size_t(day * m_runsheets + slot);
    m_used[index] = true;
    attempt.slot = slot;
    attempt.serial = ++m_runsheetLines[index];
}

void RoadPlanner::planRunsheets(Consignment& c)
{
    static constexpr std::array<bool, 1> kDeliver{true};
    static constexpr std::array<bool, 2> kRetry{false, true};
    static constexpr std::array<bool, 2> kReturn{false, false};
    const int lastDay = m_month.lastDay();
    std::span<const bool> pattern;
    bool sentBack = c.fate == Fate::Returned;
    switch (c.fate) {
    case Fate::Delivered:
        pattern = kDeliver;
        break;
    case Fate::Misrouted:
        // Re-forwarded consignments mostly get through. The month's first that can still come back
        // within it, and one in five after that, fail on both tries and go back to the origin: a
        // road through every register the consignment history window shows.
        sentBack = c.arriveDay + 4 <= lastDay && (m_misroutesSentBack == 0 || chance(200));
        m_misroutesSentBack += sentBack ? 1 : 0;
        pattern = sentBack ? std::span<const bool>(kReturn) : std::span<const bool>(kDeliver);
        break;
    case Fate::DeliveredOnRetry:
        pattern = kRetry;
        break;
    case Fate::Returned:
        pattern = kReturn;
        break;
    case Fate::Cancelled:
    case Fate::InTransit:
        return;
    }
    int day = c.fate == Fate::Misrouted ? c.arriveDay + 2 : c.arriveDay + (chance(300) ? 1 : 0);
    for (bool delivers : pattern) {
        if (day > lastDay)
            break;
        Attempt& a = c.attempts[std::size_t(c.attemptCount++)];
        a.day = day;
        runsheetLine(day, c.localSerial > 0, a);
        a.outMinute = 8 * 60 + int(draw(60));
        a.doneMinute = 10 * 60 + int(draw(480));
        // Today's runsheets are partly still out.
        a.outcomeKnown = !(m_month.holdsToday() && day == lastDay) || chance(500);
        if (a.outcomeKnown) {
            a.delivered = delivers;
            a.reason = delivers ? kDelivered : nonDeliveryReasons()[draw(nonDeliveryReasons().size())];
            a.podReturned = podsReturned(day);
            a.podDay = podDay(day);
            a.podMinute = a.podDay > day ? 9 * 60 + int(draw(120)) : 19 * 60 + int(draw(120));
        }
        if (!a.outcomeKnown)
            return;
        ++day;
    }
    if (sentBack && c.attemptCount == 2 && day <= lastDay)
        c.returnDay = day;
}

Consignment RoadPlanner::next()
{
    const std::span<const Station> list = stations();
    const int lastDay = m_month.lastDay();
    Consignment c;
    const std::int64_t i = m_index++;
    c.number = m_firstNumber + i;
    c.noise = m_random();
    c.bookDay = 1 + int(i * lastDay / m_total);
    c.bookMinute = 9 * 60 + int(draw(600));
    c.origin = chance(400) ? kHomeStation : 1 + std::size_t(draw(list.size() - 1));
    c.destination = std::size_t(draw(list.size() - 1));
    if (c.destination >= c.origin)
        ++c.destination;
    if (c.origin == kHomeStation) {
        c.branch = chance(500) ? kMainBranch : kCityBranch;
        if (chance(700))
            c.subBranch = subBranches()[draw(subBranches().size())].code;
    } else {
        c.branch = list[c.origin].code;
    }
    c.user = counterUsers()[draw(counterUsers().size())];
    c.account = chance(400);
    if (c.account)
        c.party = std::size_t(draw(parties().size()));
    c.sender = contact(false);
    if (c.account)
        c.sender.name = parties()[c.party].name;
    c.consignee = contact(chance(300));
    c.weight = double(100 + draw(29900)) / 1000.0;
    c.pieces = 1 + int(draw(10) / 7 + draw(10) / 9);
    c.document = chance(600);
    c.priority = chance(50);
    if (chance(5))
        c.proNumber = 1000000000 + c.number % 1000000000;

    const int fate = int(draw(1000));
    c.fate = fate < 10    ? Fate::Cancelled
             : fate < 700 ? Fate::Delivered
             : fate < 850 ? Fate::DeliveredOnRetry
             : fate < 890 ? Fate::Returned
             : fate < 920 ? Fate::Misrouted
                          : Fate::InTransit;
    if (c.fate == Fate::Cancelled)
        return c;

    // Out on the evening manifest of the booking day, or of the next day when booked late.
    const int manifestDay = c.bookMinute < 17 * 60 ? c.bookDay : c.bookDay + 1;
    if (manifestDay > lastDay)
        return c;
    const int line = m_manifestLines[std::size_t(manifestDay) * list.size() + c.destination]++;
    c.manifestDay = manifestDay;
    c.manifestNo = m_month.yyyymmdd(manifestDay) * 1000000 + std::int64_t(c.destination) * 1000
                   + 1 + line / (kLinesPerPacket * kPacketsPerManifest);
    c.packetNo = 1 + (line / kLinesPerPacket) % kPacketsPerManifest;
    c.manifestLine = 1 + line % kLinesPerPacket;

    const int arriveDay = manifestDay + 1 + (chance(150) ? 1 : 0);
    if (arriveDay > lastDay)
        return c;
    c.arriveDay = arriveDay;
    c.incomingSerial = ++m_arrivalLines[std::size_t(arriveDay) * list.size() + c.origin];
    c.incomingManifestNo = m_month.yyyymmdd(arriveDay) * 1000000 + 500000 + std::int64_t(c.origin) * 1000 + 1;
    static constexpr std::array<std::string_view, 5> kExceptions{"WITHOUT ENTRY", "OPEN CONDITION", "DAMAGED",
                                                                  "NOT RECEIVED", "RETURN"};
    c.arrivalStatus = c.fate == Fate::Misrouted ? std::string_view("MISROUTE")
                      : chance(920)             ? std::string_view("NORMAL")
                                                : kExceptions[draw(kExceptions.size())];
    c.lateArrival = chance(100);
    if (chance(100))
        c.otcSerial = ++m_otcLines[std::size_t(arriveDay)];
    if (chance(150)) {
        c.localSerial = ++m_localLines[std::size_t(arriveDay)];
        if (chance(800))
            c.branchLocalSerial = ++m_branchLocalLines[std::size_t(arriveDay)];
    }
    if (c.fate == Fate::InTransit ? chance(400) : chance(20))
        c.pendingSerial = ++m_pendingLines[std::size_t(arriveDay)];
    if (chance(20))
        c.miscSerial = ++m_miscLines[std::size_t(arriveDay)];
    if (c.fate == Fate::Misrouted)
        c.misrouteDay = arriveDay;

    planRunsheets(c);
    if (c.delivery()) {
        c.dummyPod = chance(30);
        c.missingPod = chance(10);
        c.scannedPdf = chance(20);
        c.pointPod = chance(100);
    }
    return c;
}

} // namespace installer::demo
