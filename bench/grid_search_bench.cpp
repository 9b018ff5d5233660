// Searching and filtering the grid control's 100,000 rows: FilterOn and FilterOff on a column of
// forty branch names against QSortFilterProxyModel filtering the same column by a fixed string,
// and FindItem of the last row's number against QStandardItemModel::match.

#include "grid/QvGrid.h"

#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr qint64 Rows = 100000;
constexpr qint32 NumberCol = 0;
constexpr qint32 BranchCol = 1;

QStringList cellsOf(qint64 n)
{
    return {QStringLiteral("C%1").arg(100000 + n), QStringLiteral("Branch %1").arg(n % 40),
            QString::number((n % 1000) / 8.0, 'f', 2), QStringLiteral("Acme Freight Ltd")};
}

grid::QvGrid& filledGrid()
{
    static const std::unique_ptr<grid::QvGrid> grid = [] {
        auto made = std::make_unique<grid::QvGrid>();
        for (const char* name : {"Consignment", "Branch", "Weight", "Customer"})
            made->AddColumn(QString::fromLatin1(name), 1000, 0, grid::ColText, QString(), QString(), 0, false);
        for (qint64 n = 0; n < Rows; ++n)
            made->AddItem(cellsOf(n).join(QLatin1Char('\t')));
        return made;
    }();
    return *grid;
}

QStandardItemModel& filledModel()
{
    static const std::unique_ptr<QStandardItemModel> model = [] {
        auto made = std::make_unique<QStandardItemModel>(0, 4);
        for (qint64 n = 0; n < Rows; ++n) {
            QList<QStandardItem*> items;
            for (const QString& text : cellsOf(n))
                items.append(new QStandardItem(text));
            made->appendRow(items);
        }
        return made;
    }();
    return *model;
}

// One branch of the forty: a fortieth of the rows stays shown.
const QString Branch = QStringLiteral("BRANCH 17");

void BM_GridFilterOn(benchmark::State& state)
{
    grid::QvGrid& grid = filledGrid();
    for (auto _ : state) {
        grid.FilterOn(Branch, BranchCol, 0, false);
        state.PauseTiming();
        grid.FilterOff();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}

void BM_GridFilterOff(benchmark::State& state)
{
    grid::QvGrid& grid = filledGrid();
    for (auto _ : state) {
        state.PauseTiming();
        grid.FilterOn(Branch, BranchCol, 0, false);
        state.ResumeTiming();
        grid.FilterOff();
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}

// The proxy filters the way FilterOn's mode 0 does: the whole text, in either case.
void filterProxy(QSortFilterProxyModel& proxy, const QString& text)
{
    proxy.setFilterRegularExpression(
        text.isEmpty() ? QRegularExpression()
                       : QRegularExpression(QRegularExpression::anchoredPattern(QRegularExpression::escape(text)),
                                            QRegularExpression::CaseInsensitiveOption));
    benchmark::DoNotOptimize(proxy.rowCount());
}

void BM_ProxyFilterOn(benchmark::State& state)
{
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(&filledModel());
    proxy.setFilterKeyColumn(BranchCol);
    filterProxy(proxy, QString());
    for (auto _ : state) {
        filterProxy(proxy, Branch);
        state.PauseTiming();
        filterProxy(proxy, QString());
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}

void BM_ProxyFilterOff(benchmark::State& state)
{
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(&filledModel());
    proxy.setFilterKeyColumn(BranchCol);
    for (auto _ : state) {
        state.PauseTiming();
        filterProxy(proxy, Branch);
        state.ResumeTiming();
        filterProxy(proxy, QString());
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}

// The last row's number, in another case: every row is looked at.
const QString LastNumber = QStringLiteral("c%1").arg(100000 + Rows - 1);

void BM_GridFindItem(benchmark::State& state)
{
    grid::QvGrid& grid = filledGrid();
    for (auto _ : state)
        benchmark::DoNotOptimize(grid.FindItem(LastNumber, NumberCol, 0, false));
    state.SetItemsProcessed(state.iterations() * Rows);
}

void BM_ModelMatch(benchmark::State& state)
{
    QStandardItemModel& model = filledModel();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            model.match(model.index(0, NumberCol), Qt::DisplayRole, LastNumber, 1, Qt::MatchFixedString));
    state.SetItemsProcessed(state.iterations() * Rows);
}

BENCHMARK(BM_GridFilterOn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProxyFilterOn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridFilterOff)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProxyFilterOff)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridFindItem)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ModelMatch)->Unit(benchmark::kMillisecond);

} // namespace
