// One frame of a 1280 x 800 grid rendered into an image, with 100 and with 1,000,000 rows (the
// frame's cost should not depend on the rows out of sight): a repaint and a Refresh; and
// the same frame of a QTableView over a QStandardItemModel for comparison.

#include "grid/QvGrid.h"

#include <QImage>
#include <QStandardItemModel>
#include <QTableView>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 800;
constexpr int kColumns = 6;
constexpr int kColumnWidth = 200;

QString cellText(int Row, int Col)
{
    switch (Col) {
    case 0: return QStringLiteral("CN%1").arg(100000 + Row);
    case 1: return QString::number(Row % 997 * 1.25);
    case 2: return QStringLiteral("2026-06-%1").arg(Row % 28 + 1, 2, 10, QLatin1Char('0'));
    default: return QStringLiteral("Delivered to reception, signed by J. Smith (%1)").arg(Row % 50);
    }
}

// A painting grid of Rows rows, the first screen's rows on show.
std::unique_ptr<grid::QvGrid> makeGrid(int Rows)
{
    auto grid = std::make_unique<grid::QvGrid>();
    grid->CalcRowMetrics();
    for (int c = 0; c < kColumns; ++c) {
        grid->AddColumn(QStringLiteral("Column %1").arg(c), 3000, c == 1 ? 2 : 0, c == 1 ? 1 : 0, {}, {}, 0, false);
        grid->store().Column(c).WidthPx = kColumnWidth;
    }
    QStringList parts;
    for (int r = 0; r < Rows; ++r) {
        parts.clear();
        for (int c = 0; c < kColumns; ++c)
            parts << cellText(r, c);
        grid->AddItem(parts.join(QLatin1Char('\t')));
    }
    grid->SetShowRowNumbers(true);
    grid->SetFocusRectMode(1);
    grid->resize(kWidth, kHeight);
    grid->show();
    grid->SetRedraw(true);
    grid->Refresh();
    return grid;
}

// A repaint (a grid-colour change, which paints at once): the paint pass alone.
void BM_GridFrame(benchmark::State& state)
{
    const auto grid = makeGrid(int(state.range(0)));
    QImage frame(kWidth, kHeight, QImage::Format_RGB32);
    const qint32 passes = grid->paintPasses();
    bool shade = false;
    for (auto _ : state) {
        shade = !shade;
        grid->SetGridColor(shade ? grid::RGB(192, 192, 192) : grid::RGB(191, 191, 191));
        grid->render(&frame);
        benchmark::DoNotOptimize(frame.constBits());
    }
    state.counters["rows_drawn"] = grid->RowLastVisible() - grid->RowFirstVisible() + 1;
    state.counters["passes"] = benchmark::Counter(grid->paintPasses() - passes, benchmark::Counter::kAvgIterations);
}

// Refresh: the layout metrics and the scroll bars brought up to date, then the pass.
void BM_GridRefreshFrame(benchmark::State& state)
{
    const auto grid = makeGrid(int(state.range(0)));
    QImage frame(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        grid->Refresh();
        grid->render(&frame);
        benchmark::DoNotOptimize(frame.constBits());
    }
}

void BM_TableViewFrame(benchmark::State& state)
{
    const int rows = int(state.range(0));
    QStandardItemModel model(rows, kColumns);
    for (int c = 0; c < kColumns; ++c)
        model.setHorizontalHeaderItem(c, new QStandardItem(QStringLiteral("Column %1").arg(c)));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < kColumns; ++c)
            model.setItem(r, c, new QStandardItem(cellText(r, c)));
    QTableView view;
    view.setModel(&model);
    view.setAlternatingRowColors(true);
    for (int c = 0; c < kColumns; ++c)
        view.setColumnWidth(c, kColumnWidth);
    view.resize(kWidth, kHeight);
    view.show();
    QImage frame(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        view.viewport()->update();
        view.render(&frame);
        benchmark::DoNotOptimize(frame.constBits());
    }
}

BENCHMARK(BM_GridFrame)->Arg(100)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridRefreshFrame)->Arg(100)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TableViewFrame)->Arg(100)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace
