// The workbook export of the report windows on a grid of 10,000 and 100,000 rows of 10 columns,
// against libxlsxwriter writing the same finished workbook directly, once, as the export does.
//
// Both write, under four title rows merged across A:J and centred (company title, two titles, an
// empty row), the grid's rows from row 5: a heading row of text, then per row a 14-digit
// consignment number (number), a date 07-Dec-2026 (date, dd-mmm-yyyy), an origin code (text), a
// consignee with commas (text), a weight 1.250 (number), an amount with grouping 1,234.50 (text),
// a blank, a piece count, negative on every 7th row (number), a booking time 07-12-2026 14:35
// (date, dd-mm-yyyy hh:mm) and a code with leading zeros 00123 (number) or a blank on odd rows.

#include "XlsxPeer.h"

#include "core/ExcelExport.h"
#include "platform/flexgrid/FlexGrid.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

namespace {

constexpr int kColumns = 10;
const char* const kHeadings[kColumns] = {"Cons No", "Booked", "Origin", "Consignee", "Weight", "Amount", "Remarks",
    "Pieces", "Booked At", "Code"};
const char* const kOrigins[] = {"DEL", "BOM", "MAA", "CCU", "BLR"};

// The text of row r's cell c (rows from 1), as the report windows fill their grids.
QString cellText(int r, int c)
{
    switch (c) {
    case 0:
        return QString::number(12345678900000LL + r);
    case 1:
        return QStringLiteral("%1-Dec-2026").arg(r % 28 + 1, 2, 10, QLatin1Char('0'));
    case 2:
        return QString::fromLatin1(kOrigins[r % 5]);
    case 3:
        return QStringLiteral("Trader %1, Karol Bagh, New Delhi").arg(r);
    case 4:
        return QStringLiteral("%1.250").arg(r % 50);
    case 5:
        return QStringLiteral("1,%1.50").arg(r % 1000, 3, 10, QLatin1Char('0'));
    case 6:
        return QString();
    case 7:
        return QString::number(r % 7 == 0 ? -(r % 9) : r % 9);
    case 8:
        return QStringLiteral("07-12-2026 %1:35").arg(r % 24, 2, 10, QLatin1Char('0'));
    default:
        return r % 2 ? QString() : QStringLiteral("%1").arg(r % 1000, 5, 10, QLatin1Char('0'));
    }
}

ui::FlexGrid& filledGrid(int rows)
{
    static std::map<int, std::unique_ptr<ui::FlexGrid>> grids;
    auto& held = grids[rows];
    if (!held) {
        held = std::make_unique<ui::FlexGrid>();
        held->setRows(rows + 1);
        held->setCols(kColumns);
        for (int c = 0; c < kColumns; ++c)
            held->setTextMatrix(0, c, QString::fromLatin1(kHeadings[c]));
        for (int r = 1; r <= rows; ++r)
            for (int c = 0; c < kColumns; ++c)
                held->setTextMatrix(r, c, cellText(r, c));
    }
    return *held;
}

void BM_Export_Procedure(benchmark::State& state)
{
    ui::FlexGrid& grid = filledGrid(int(state.range(0)));
    QTemporaryDir root;
    qputenv("QUORVEL_ROOT", QFile::encodeName(root.path()));
    for (auto _ : state)
        if (!core::ExportGridToExcel(QStringLiteral("Report"), &grid, QStringLiteral("Consignment Query Details Report"),
                QStringLiteral("Origin :- DEL")))
            state.SkipWithError("the workbook was not written");
    qunsetenv("QUORVEL_ROOT");
    state.SetItemsProcessed(state.iterations() * state.range(0) * kColumns);
}

// The finished workbook: the titles and the cells as the spreadsheet holds them after the paste.
bench::XlsxSheet rawSheet(int rows)
{
    bench::XlsxSheet sheet;
    sheet.titles = {"Orvane - Velmora", "Consignment Query Details Report", "Origin :- DEL", ""};
    sheet.columns = kColumns;
    sheet.dateFormats = {"dd-mmm-yyyy", "dd-mm-yyyy hh:mm"};
    sheet.cells.resize(size_t(rows + 1) * kColumns);
    for (int c = 0; c < kColumns; ++c)
        sheet.at(0, c) = std::string(kHeadings[c]);
    for (int r = 1; r <= rows; ++r) {
        sheet.at(r, 0) = double(12345678900000LL + r);
        sheet.at(r, 1) = bench::XlsxDate{{2026, 12, r % 28 + 1, 0, 0, 0}, 0};
        sheet.at(r, 2) = std::string(kOrigins[r % 5]);
        sheet.at(r, 3) = cellText(r, 3).toStdString();
        sheet.at(r, 4) = r % 50 + 0.25;
        sheet.at(r, 5) = cellText(r, 5).toStdString();
        sheet.at(r, 7) = double(r % 7 == 0 ? -(r % 9) : r % 9);
        sheet.at(r, 8) = bench::XlsxDate{{2026, 12, 7, r % 24, 35, 0}, 1};
        if (r % 2 == 0)
            sheet.at(r, 9) = double(r % 1000);
    }
    return sheet;
}

// The finished workbook written once.
void BM_Export_RawXlsxwriter(benchmark::State& state)
{
    const bench::XlsxSheet sheet = rawSheet(int(state.range(0)));
    QTemporaryDir dir;
    const std::string path = QFile::encodeName(dir.filePath(QStringLiteral("Report.xlsx"))).toStdString();
    for (auto _ : state)
        if (!bench::writeXlsx(path, sheet))
            state.SkipWithError("the workbook was not written");
    state.SetItemsProcessed(state.iterations() * state.range(0) * kColumns);
}

BENCHMARK(BM_Export_Procedure)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export_RawXlsxwriter)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
