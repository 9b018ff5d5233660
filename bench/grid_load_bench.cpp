// Loading the grid control: a million rows of ten cells added one by one with AddItem against
// QStandardItemModel::appendRow of ten items, and a million records of ten fields filled from a
// recordset with FillGridFromQuery against a QStandardItemModel filled from the same recordset.
// The recordset reads a throw-away SQLite database made on the first run and kept in
// $QUORVEL_BENCH_ROOT (default /tmp/quorvel-bench)/grid-load.

#include "grid/QvGrid.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/runtime/Conversions.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardItemModel>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>
#include <vector>

namespace {

constexpr qint64 Rows = 1000000;
constexpr int Distinct = 1000; // rows of different texts, repeated over the whole grid

// Cells such as the windows show: numbers, money, dates, names, blanks and flags.
QStringList cellsOf(int n)
{
    return {QStringLiteral("C%1").arg(100000 + n),
            QString::number(n % 97),
            QString::number((n % 1000) / 8.0, 'f', 2),
            QStringLiteral("$%L1").arg(n * 13.5, 0, 'f', 2),
            QStringLiteral("%1/12/2026").arg(1 + n % 28, 2, 10, QLatin1Char('0')),
            QStringLiteral("Branch %1").arg(n % 40),
            n % 3 == 0 ? QString() : QString::number(-(n % 11)),
            QStringLiteral("Acme Freight Ltd"),
            n % 2 == 0 ? QStringLiteral("True") : QStringLiteral("False"),
            QStringLiteral("Level %1, %2 Queen St").arg(n % 9).arg(n % 300)};
}

struct Texts {
    std::vector<QStringList> cells;
    std::vector<QString> lines; // the cells joined by tabs, as AddItem takes them
};

const Texts& texts()
{
    static const Texts made = [] {
        Texts t;
        for (int n = 0; n < Distinct; ++n) {
            t.cells.push_back(cellsOf(n));
            t.lines.push_back(t.cells.back().join(QLatin1Char('\t')));
        }
        return t;
    }();
    return made;
}

void addColumns(grid::QvGrid& grid)
{
    const qint32 types[] = {grid::ColText,   grid::ColNumber, grid::ColNumber, grid::ColNumber, grid::ColDate,
                            grid::ColText,   grid::ColNumber, grid::ColText,   grid::ColCheckBox, grid::ColText};
    for (int c = 0; c < 10; ++c)
        grid.AddColumn(QStringLiteral("Field%1").arg(c), 1000, 0, types[c], QString(), QString(), 0, false);
}

void BM_GridAddItem(benchmark::State& state)
{
    const Texts& t = texts();
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = std::make_unique<grid::QvGrid>();
        addColumns(*grid);
        state.ResumeTiming();
        for (qint64 r = 0; r < state.range(0); ++r)
            grid->AddItem(t.lines[r % Distinct]);
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ModelAppendRow(benchmark::State& state)
{
    const Texts& t = texts();
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<QStandardItemModel>(0, 10);
        state.ResumeTiming();
        for (qint64 r = 0; r < state.range(0); ++r) {
            QList<QStandardItem*> items;
            items.reserve(10);
            for (const QString& text : t.cells[r % Distinct])
                items.append(new QStandardItem(text));
            model->appendRow(items);
        }
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The database of Rows records, made once; QUORVEL_ROOT points at its installation afterwards.
void makeDatabase()
{
    const QString root = qEnvironmentVariable("QUORVEL_BENCH_ROOT", QStringLiteral("/tmp/quorvel-bench"))
                         + QStringLiteral("/grid-load");
    const QString folder = root + QStringLiteral("/servers/BENCH");
    const QString file = folder + QStringLiteral("/Load.sqlite");
    qputenv("QUORVEL_ROOT", root.toLocal8Bit());
    if (QFileInfo::exists(file))
        return;
    QDir().mkpath(folder);
    const QString building = file + QStringLiteral(".part");
    QFile::remove(building);
    sqlite3* handle = nullptr;
    sqlite3_open(building.toUtf8().constData(), &handle);
    const QString fill = QStringLiteral(
        "CREATE TABLE Bookings (Consignment TEXT, Items INTEGER, Weight REAL, Charge REAL, Booked TEXT,"
        " Branch TEXT, Adjust INTEGER, Customer TEXT, Paid INTEGER, Address TEXT);"
        "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i + 1 < %1)"
        " INSERT INTO Bookings SELECT 'C' || (100000 + i), i % 97, (i % 1000) / 8.0, i * 13.5,"
        " printf('%02d/12/2026', 1 + i % 28), 'Branch ' || (i % 40), CASE WHEN i % 3 = 0 THEN NULL ELSE -(i % 11) END,"
        " 'Acme Freight Ltd', i % 2, 'Level ' || (i % 9) || ', ' || (i % 300) || ' Queen St' FROM n;")
                              .arg(Rows);
    char* error = nullptr;
    if (sqlite3_exec(handle, fill.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK)
        qFatal("making the benchmark database: %s", error);
    sqlite3_close(handle);
    QFile::rename(building, file);
}

// The recordset of every booking, read once for all runs.
db::Recordset& bookings()
{
    static db::Connection connection;
    static db::Recordset records;
    if (records.state() == db::ObjectState::Closed) {
        makeDatabase();
        connection.open(QStringLiteral("Data Source=BENCH;USER ID=sa;PASSWORD=x;Initial Catalog=Load"));
        records.open(QStringLiteral("SELECT * FROM Bookings"), connection);
    }
    return records;
}

void BM_GridFillFromQuery(benchmark::State& state)
{
    db::Recordset& records = bookings();
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = std::make_unique<grid::QvGrid>();
        state.ResumeTiming();
        grid->FillGridFromQuery(records, true, false);
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * records.recordCount());
}

void BM_ModelFillFromRecordset(benchmark::State& state)
{
    db::Recordset& records = bookings();
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<QStandardItemModel>();
        state.ResumeTiming();
        const int fields = records.fieldCount();
        model->setHorizontalHeaderLabels(records.fieldNames());
        for (records.moveFirst(); !records.eof(); records.moveNext()) {
            QList<QStandardItem*> items;
            items.reserve(fields);
            for (int field = 0; field < fields; ++field)
                items.append(new QStandardItem(runtime::CellText(records.value(field))));
            model->appendRow(items);
        }
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * records.recordCount());
}

BENCHMARK(BM_GridAddItem)->Arg(Rows)->ArgName("rows")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ModelAppendRow)->Arg(Rows)->ArgName("rows")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridFillFromQuery)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ModelFillFromRecordset)->Unit(benchmark::kMillisecond);

} // namespace
