#pragma once

#include <QString>

namespace ui {
class FlexGrid;
}

// The workbook export of the report windows.
namespace core {

// Writes the whole grid (fixed rows and columns, hidden columns included) into a new workbook
// "<program folder>/ConvertedExcelFile/<FileName>.xlsx", the folder made when missing and a file of
// that name replaced. The grid's text goes through the clipboard and is pasted at A1, so numbers
// and dates become numbers and dates, and every grid cell one cell whatever it holds (a cell with a
// tab or a line break goes quoted, as the spreadsheet copies it); then four rows are inserted
// above it, each merged across the grid's columns and centred: "Orvane - Velmora", Title1, Title2
// and an empty row.
// Afterwards the grid's selection covers the whole grid (current cell 0, 0) and the clipboard holds
// the grid's text. Nothing is shown but the wait pointer while it runs, also on failure; the result
// tells whether the workbook was written. A FileName holding a folder separator is refused.
bool ExportGridToExcel(const QString& FileName, ui::FlexGrid* Grid, const QString& Title1, const QString& Title2);

} // namespace core
