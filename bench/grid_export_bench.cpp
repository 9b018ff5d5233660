// The CSV export of the grid control's 100,000 rows of eight cells (ExportGrid, without its
// closing question) against writing a QStandardItemModel's cells, comma-separated, with a
// QTextStream to a file of the same folder.

#include "grid/QvGrid.h"

#include "platform/paths/Installation.h"
#include "platform/ui/MessageBox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTextStream>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr qint64 Rows = 100000;
constexpr int Cols = 8;

QStringList cellsOf(qint64 n)
{
    return {QStringLiteral("C%1").arg(100000 + n),
            QStringLiteral("Branch %1").arg(n % 40),
            QString::number((n % 1000) / 8.0, 'f', 2),
            QStringLiteral("Acme Freight Ltd"),
            QStringLiteral("%1/12/2026").arg(1 + n % 28, 2, 10, QLatin1Char('0')),
            QString::number(n % 97),
            QStringLiteral("Level %1, %2 Queen St").arg(n % 9).arg(n % 300),
            n % 3 == 0 ? QString() : QStringLiteral("Fragile \"glass\"")};
}

// The export folder of a throw-away installation root.
const QString& exportFolder()
{
    static QTemporaryDir root;
    static const QString folder = [] {
        qputenv("QUORVEL_ROOT", root.path().toLocal8Bit());
        QDir().mkpath(root.path() + QStringLiteral("/ConvertedExcelFile"));
        return QFileInfo(paths::programPath(QStringLiteral("ConvertedExcelFile\\x.csv"))).path();
    }();
    return folder;
}

void BM_GridExportCsv(benchmark::State& state)
{
    exportFolder();
    grid::QvGrid grid;
    for (int c = 0; c < Cols; ++c)
        grid.AddColumn(QStringLiteral("Field %1").arg(c), 1000, 0, grid::ColText, QString(), QString(), 0, false);
    for (qint64 n = 0; n < Rows; ++n)
        grid.AddItem(cellsOf(n).join(QLatin1Char('\t')));
    ui::MessageBoxSeam::setAnswerer([](const ui::ShownMessage&) { return int(ui::vbNo); });
    for (auto _ : state)
        grid.ExportGrid(QStringLiteral("grid"));
    ui::MessageBoxSeam::setAnswerer(nullptr);
    state.SetItemsProcessed(state.iterations() * Rows);
}

void BM_ModelTextStreamCsv(benchmark::State& state)
{
    const QString path = exportFolder() + QStringLiteral("/model.csv");
    QStandardItemModel model(0, Cols);
    for (qint64 n = 0; n < Rows; ++n) {
        QList<QStandardItem*> items;
        for (const QString& text : cellsOf(n))
            items.append(new QStandardItem(text));
        model.appendRow(items);
    }
    for (int c = 0; c < Cols; ++c)
        model.setHeaderData(c, Qt::Horizontal, QStringLiteral("Field %1").arg(c));
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        QTextStream out(&file);
        for (int c = 0; c < Cols; ++c)
            out << ',' << model.headerData(c, Qt::Horizontal).toString();
        out << "\r\n";
        for (int r = 0; r < model.rowCount(); ++r) {
            for (int c = 0; c < Cols; ++c)
                out << ',' << model.item(r, c)->text();
            out << "\r\n";
        }
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}

BENCHMARK(BM_GridExportCsv)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ModelTextStreamCsv)->Unit(benchmark::kMillisecond);

} // namespace
