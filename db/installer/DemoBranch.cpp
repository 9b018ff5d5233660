#include "installer/DemoBranch.h"
#include "installer/DemoAdmin.h"
#include "installer/DemoMonth.h"
#include "installer/DemoNames.h"
#include "installer/DemoNetwork.h"
#include "installer/DemoRoad.h"
#include "installer/DemoTable.h"
#include "installer/Installer.h"

#include <QDir>
#include <atomic>
#include <future>
#include <memory>

namespace installer {

namespace {

using namespace demo;

// The first consignment number; a month's numbers follow the previous month's.
constexpr std::int64_t kFirstConsignment = 10000000000001;

struct TableCount {
    QString database;
    QString table;
    std::int64_t rows;
};

// Consignments worth looking up at the counter, one of each kind.
struct Samples {
    std::int64_t delivered = 0;
    std::int64_t deliveredOnRetry = 0;
    std::int64_t misrouted = 0;
    std::int64_t returned = 0;
    QString origin[4];

    void offer(const Consignment& c)
    {
        const bool road = c.manifestDay && c.arriveDay && c.delivery() && c.delivery()->podReturned;
        const QString code = QString::fromLatin1(stations()[c.origin].code);
        auto take = [&](std::int64_t& slot, int i) {
            if (!slot) {
                slot = c.number;
                origin[i] = code;
            }
        };
        if (c.fate == Fate::Delivered && road && c.otcSerial == 0)
            take(delivered, 0);
        else if (c.fate == Fate::DeliveredOnRetry && road && c.attemptCount == 2)
            take(deliveredOnRetry, 1);
        else if (c.fate == Fate::Misrouted && road)
            take(misrouted, 2);
        else if (c.fate == Fate::Returned && c.returnDay)
            take(returned, 3);
    }
};

class Installation {
public:
    Installation(const QString& root, const DemoOptions& options) : m_options(options)
    {
        m_server = serverFolder(root, Names::kBranchServer);
        m_headOffice = serverFolder(root, Names::kHeadOfficeServer);
        // The months of the installation, oldest first.
        const QDate current(options.today.year(), options.today.month(), 1);
        int dayIndex = 0;
        for (int back = 2; back >= 0; --back) {
            const QDate first = current.addMonths(-back);
            m_months.push_back(std::make_unique<MonthSpan>(first, options.today, 2 - back, dayIndex));
            dayIndex += first.daysInMonth();
        }
    }

    // The month databases: booking, manifests, runsheets and the rest of each consignment's road.
    // Each month is planned on its own, so each is written by a thread of its own; a failure is
    // recorded and stops the others.
    std::vector<TableCount> fillMonths(Samples& samples)
    {
        std::vector<std::vector<TableCount>> monthCounts(m_months.size());
        std::vector<std::future<void>> passes;
        for (std::size_t m = 0; m < m_months.size(); ++m)
            passes.push_back(std::async(std::launch::async, [this, m, &monthCounts, &samples] {
                try {
                    monthCounts[m] = fillMonth(*m_months[m], samples);
                } catch (...) {
                    fail(std::current_exception());
                }
            }));
        std::vector<TableCount> counts;
        for (std::size_t m = 0; m < m_months.size(); ++m) {
            passes[m].wait();
            counts.insert(counts.end(), monthCounts[m].begin(), monthCounts[m].end());
        }
        return counts;
    }

    // The administration, tracking, phone-book and head-office databases.
    std::vector<TableCount> fillNetwork()
    {
        DemoDatabase admin(m_server, QLatin1String(Names::kAdminDatabase));
        DemoDatabase tracking(m_server, QLatin1String(Names::kTrackingDatabase));
        DemoDatabase phoneBook(m_server, QLatin1String(Names::kPhoneBookDatabase));
        DemoDatabase headOffice(m_headOffice, QLatin1String(Names::kHeadOfficeDatabase));
        writeAdministration(admin);
        writePhoneBook(phoneBook, m_options.today);
        writeStatusCodes(headOffice);
        NetworkWriter writer(headOffice, admin, tracking);
        for (const auto& month : m_months) {
            RoadPlanner planner = plannerOf(*month);
            writer.beginMonth(*month, planner, std::max<std::int64_t>(1, m_options.consignments / 12));
            for (std::int64_t i = 0; i < m_options.consignments; ++i) {
                checkGoingOn(i);
                writer.write(planner.next());
            }
        }
        std::vector<TableCount> counts;
        for (DemoDatabase* database : {&admin, &tracking, &phoneBook, &headOffice}) {
            database->commit();
            count(*database, counts);
        }
        return counts;
    }

    // Records the failure of a pass, unless the other failed first, and makes the other pass give up.
    void fail(std::exception_ptr error)
    {
        if (!m_stopped.exchange(true))
            m_firstError = error;
    }
    // Rethrows the failure that stopped the passes; call when both have ended.
    void rethrowFailure() const
    {
        if (m_firstError)
            std::rethrow_exception(m_firstError);
    }

private:
    // One month database. Only the month that holds today offers samples, so one thread at most
    // touches them.
    std::vector<TableCount> fillMonth(const MonthSpan& month, Samples& samples)
    {
        DemoDatabase database(m_server, month.database());
        RoadPlanner planner = plannerOf(month);
        MonthWriter writer(database, month, planner);
        writer.writeMasters();
        for (std::int64_t i = 0; i < m_options.consignments; ++i) {
            checkGoingOn(i);
            const Consignment c = planner.next();
            writer.write(c);
            if (month.holdsToday())
                samples.offer(c);
        }
        writer.writeRunsheets();
        database.commit();
        std::vector<TableCount> counts;
        count(database, counts);
        return counts;
    }

    void checkGoingOn(std::int64_t i) const
    {
        if (i % 4096 == 0 && m_stopped)
            throw InstallError("stopped");
    }

    // Both passes plan the same consignments from the same seed.
    RoadPlanner plannerOf(const MonthSpan& month) const
    {
        return RoadPlanner(month, m_options.seed, m_options.consignments,
                           kFirstConsignment + month.ordinal() * m_options.consignments);
    }

    static void count(const DemoDatabase& database, std::vector<TableCount>& counts)
    {
        for (const DemoTable* table : database.tables())
            counts.push_back({database.name(), QString::fromStdString(table->name()), table->rows()});
    }

    const DemoOptions& m_options;
    QString m_server;
    QString m_headOffice;
    std::vector<std::unique_ptr<MonthSpan>> m_months;
    std::atomic<bool> m_stopped{false};
    std::exception_ptr m_firstError;
};

void report(QTextStream& out, const DemoOptions& options, const std::vector<TableCount>& counts, const Samples& samples)
{
    out << "demo branch: " << options.consignments << " consignments a month, seed " << options.seed << ", up to "
        << options.today.toString(QStringLiteral("yyyy-MM-dd")) << '\n';
    QString database;
    for (const TableCount& c : counts) {
        if (c.database != database) {
            database = c.database;
            out << "  " << database << ':';
        }
        out << ' ' << c.table << ' ' << c.rows << (&c == &counts.back() || (&c + 1)->database != database ? "\n" : ",");
    }
    out << "users (name, password, category, branch):\n";
    for (const User& u : users())
        out << "  " << QString::fromLatin1(u.name).leftJustified(10) << ' '
            << QString::fromLatin1(u.password).leftJustified(10) << ' '
            << QString::fromLatin1(u.category).leftJustified(20) << ' '
            << QString::fromLatin1(u.branch) << '\n';
    out << "workstations registered: " << registeredWorkstations().join(QStringLiteral(", ")) << '\n';
    const char* kinds[4] = {"delivered", "not delivered, then delivered", "misrouted", "returned"};
    const std::int64_t numbers[4] = {samples.delivered, samples.deliveredOnRetry, samples.misrouted, samples.returned};
    out << "consignments to look up this month:\n";
    for (int i = 0; i < 4; ++i)
        if (numbers[i])
            out << "  " << numbers[i] << " (origin " << samples.origin[i] << "): " << kinds[i] << '\n';
    out.flush();
}

} // namespace

void fillDemoBranch(const QString& root, const DemoOptions& options, QTextStream& out)
{
    if (options.consignments < 1)
        throw InstallError("the demo branch needs at least one consignment a month");
    if (!options.today.isValid())
        throw InstallError("the demo branch needs a valid date for today");
    Installation installation(root, options);
    Samples samples;
    std::vector<TableCount> counts;
    try {
        // The month databases and the others are written side by side; each pass plans the same
        // consignments on its own.
        auto months = std::async(std::launch::async, [&] {
            try {
                counts = installation.fillMonths(samples);
            } catch (...) {
                installation.fail(std::current_exception());
            }
        });
        std::vector<TableCount> network;
        try {
            network = installation.fillNetwork();
        } catch (...) {
            installation.fail(std::current_exception());
        }
        months.wait();
        installation.rethrowFailure();
        counts.insert(counts.end(), network.begin(), network.end());
    } catch (const std::exception& e) {
        throw InstallError(QStringLiteral("the demo branch could not be filled: %1\nThe installation %2 stays as created; "
                                          "some of its databases may hold part of the demo rows.")
                               .arg(QString::fromUtf8(e.what()), QDir(root).absolutePath())
                               .toStdString());
    }
    report(out, options, counts, samples);
}

} // namespace installer
