// Filling the flex grid the way the report windows do: a row at a time, growing Rows by one after
// each record's cells are set, against a QStandardItemModel shown in a QTableView that appends a
// row of items per record.

#include "platform/flexgrid/FlexGrid.h"

#include <QStandardItemModel>
#include <QTableView>
#include <benchmark/benchmark.h>

namespace {

constexpr int Cols = 22;

QString cellText(int row, int col) { return QStringLiteral("R%1C%2").arg(row).arg(col); }

void BM_FlexGridGrowByRow(benchmark::State& state)
{
    const int records = int(state.range(0));
    for (auto _ : state) {
        ui::FlexGrid grid;
        grid.resize(900, 600);
        grid.show();
        grid.setCols(Cols);
        grid.setRows(2);
        grid.setFixedRows(1);
        for (int row = 1; row <= records; ++row) {
            for (int c = 0; c < Cols; ++c)
                grid.setTextMatrix(row, c, cellText(row, c));
            grid.setRows(grid.rows() + 1);
        }
        benchmark::DoNotOptimize(grid.rows());
    }
    state.counters["rows"] = double(records);
}
BENCHMARK(BM_FlexGridGrowByRow)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond);

void BM_ItemModelAppendRow(benchmark::State& state)
{
    const int records = int(state.range(0));
    for (auto _ : state) {
        QStandardItemModel model(0, Cols);
        QTableView view;
        view.resize(900, 600);
        view.setModel(&model);
        view.show();
        for (int row = 1; row <= records; ++row) {
            QList<QStandardItem*> items;
            for (int c = 0; c < Cols; ++c)
                items.append(new QStandardItem(cellText(row, c)));
            model.appendRow(items);
        }
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.counters["rows"] = double(records);
}
BENCHMARK(BM_ItemModelAppendRow)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond);

} // namespace
