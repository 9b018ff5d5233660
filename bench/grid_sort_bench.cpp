// Sorting a grid of 100,000 and 1,000,000 rows by a number column, on random numbers and on rows
// that all hold the same number, against QSortFilterProxyModel over a QStandardItemModel holding
// the same numbers (as numbers: the peer does not read texts).

#include "grid/QvGrid.h"

#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <random>

namespace {

enum Data { Random = 0, AllEqual = 1 };

std::vector<double> numbers(qint64 rows, qint64 data)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> spread(0, 999999);
    std::vector<double> values(rows);
    for (double& value : values)
        value = data == AllEqual ? 42 : spread(random) / 100.0;
    return values;
}

// One grid per size and data, filled once: the text column only carries the number column.
grid::QvGrid& filledGrid(qint64 rows, qint64 data)
{
    static std::map<std::pair<qint64, qint64>, std::unique_ptr<grid::QvGrid>> grids;
    auto& held = grids[{rows, data}];
    if (!held) {
        held = std::make_unique<grid::QvGrid>();
        held->AddColumn(QStringLiteral("Consignment"), 1500, 0, grid::ColText, QString(), QString(), 0, false);
        held->AddColumn(QStringLiteral("Weight"), 1000, 2, grid::ColNumber, QString(), QString(), 0, false);
        qint64 n = 0;
        for (const double value : numbers(rows, data))
            held->AddItem(QStringLiteral("C%1\t%2").arg(n++).arg(value));
    }
    return *held;
}

void BM_GridSortNumbers(benchmark::State& state)
{
    grid::QvGrid& grid = filledGrid(state.range(0), state.range(1));
    for (auto _ : state) {
        grid.Sort(1, 2, -1, -1);
        state.PauseTiming();
        grid.Sort(1, 0, -1, -1); // back to the order the rows were added in
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ProxyModelSortNumbers(benchmark::State& state)
{
    QStandardItemModel model(int(state.range(0)), 2);
    qint64 n = 0;
    for (const double value : numbers(state.range(0), state.range(1))) {
        model.setItem(int(n), 0, new QStandardItem(QStringLiteral("C%1").arg(n)));
        auto* weight = new QStandardItem;
        weight->setData(value, Qt::DisplayRole);
        model.setItem(int(n), 1, weight);
        ++n;
    }
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(&model);
    for (auto _ : state) {
        proxy.sort(1, Qt::AscendingOrder);
        state.PauseTiming();
        proxy.sort(-1);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

const std::vector<std::vector<int64_t>> cases{{100000, 1000000}, {Random, AllEqual}};

BENCHMARK(BM_GridSortNumbers)->ArgsProduct(cases)->ArgNames({"rows", "equal"})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProxyModelSortNumbers)->ArgsProduct(cases)->ArgNames({"rows", "equal"})->Unit(benchmark::kMillisecond);

} // namespace
