// Changing many rows of the grid control: DeleteSelected of every tenth of 100,000 selected rows
// against QStandardItemModel::removeRow row by row, and the cell setters on word-wrapped rows while
// painting is off, at 10,000, 20,000 and 40,000 rows (no peer: the time per row should not grow).

#include "grid/QvGrid.h"

#include <QStandardItemModel>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int Cols = 10;

QString lineOf(qint64 n)
{
    QStringList cells{QStringLiteral("C%1").arg(100000 + n), QStringLiteral("Branch %1").arg(n % 40)};
    for (int c = 2; c < Cols; ++c)
        cells << QString::number((n * c) % 1000);
    return cells.join(QLatin1Char('\t'));
}

std::unique_ptr<grid::QvGrid> gridOf(qint64 rows, bool wordWrap)
{
    auto grid = std::make_unique<grid::QvGrid>();
    grid->SetAllowWordWrap(wordWrap);
    for (int c = 0; c < Cols; ++c)
        grid->AddColumn(QStringLiteral("Field %1").arg(c), 1000, 0, c < 2 ? grid::ColText : grid::ColNumber, QString(),
                        QString(), 0, wordWrap);
    for (qint64 n = 0; n < rows; ++n)
        grid->AddItem(lineOf(n));
    return grid;
}

void BM_GridDeleteSelected(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = gridOf(state.range(0), false);
        grid->SetMultiSelect(1);
        for (qint32 r = 0; r < grid->Rows(); r += 10)
            grid::SetFlagBit(grid->store().RowAt(r).Flags, grid::RowFlag::Selected, true);
        state.ResumeTiming();
        grid->store().DeleteSelected();
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ModelRemoveRow(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<QStandardItemModel>(0, Cols);
        for (qint64 n = 0; n < state.range(0); ++n) {
            QList<QStandardItem*> items;
            for (const QString& text : lineOf(n).split(QLatin1Char('\t')))
                items.append(new QStandardItem(text));
            model->appendRow(items);
        }
        state.ResumeTiming();
        // Every tenth row, from the top: each removal moves the rows below it up.
        const int removed = int((state.range(0) + 9) / 10);
        for (int k = 0; k < removed; ++k)
            model->removeRow(k * 10 - k);
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

enum Setter { Text = 0, Value = 1 };

// Every row's wrapped cell given a longer text (a number for Value) with painting off.
void BM_GridWrappedCellSetters(benchmark::State& state)
{
    const QString longer = QStringLiteral("a longer text that wraps onto a second line in its cell");
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = gridOf(state.range(0), true);
        grid->SetRedraw(false);
        state.ResumeTiming();
        for (qint32 r = 0; r < grid->Rows(); ++r) {
            if (state.range(1) == Text)
                grid->SetCellText(r, 1, longer);
            else
                grid->SetCellValue(r, 2, r * 1.5);
        }
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_GridDeleteSelected)->Arg(100000)->ArgName("rows")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ModelRemoveRow)->Arg(100000)->ArgName("rows")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridWrappedCellSetters)
    ->ArgsProduct({{10000, 20000, 40000}, {Text, Value}})
    ->ArgNames({"rows", "setter"})
    ->Unit(benchmark::kMillisecond);

} // namespace
