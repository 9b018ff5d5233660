#pragma once

// The peer of the workbook export: libxlsxwriter writing the finished workbook directly, once, with
// the writer's default options: the title rows, each merged across the columns and centred, then
// the cells under them, each already the text, number or date the spreadsheet holds after the
// paste.

#include <xlsxwriter.h>

#include <string>
#include <variant>
#include <vector>

namespace bench {

struct XlsxDate {
    lxw_datetime when;
    size_t format; // index into XlsxSheet::dateFormats
};
using XlsxCell = std::variant<std::monostate, std::string, double, XlsxDate>;

struct XlsxSheet {
    std::vector<std::string> titles;
    int columns = 0;
    std::vector<std::string> dateFormats;
    std::vector<XlsxCell> cells; // row after row, columns cells a row

    XlsxCell& at(size_t row, int column) { return cells[row * size_t(columns) + size_t(column)]; }
};

// False when the file was not written.
inline bool writeXlsx(const std::string& path, const XlsxSheet& sheet)
{
    lxw_workbook* workbook = workbook_new(path.c_str());
    if (!workbook)
        return false;
    lxw_worksheet* out = workbook_add_worksheet(workbook, "Sheet1");
    lxw_format* centred = workbook_add_format(workbook);
    format_set_align(centred, LXW_ALIGN_CENTER);
    std::vector<lxw_format*> dates;
    for (const std::string& numberFormat : sheet.dateFormats) {
        dates.push_back(workbook_add_format(workbook));
        format_set_num_format(dates.back(), numberFormat.c_str());
    }
    const lxw_col_t lastColumn = lxw_col_t(sheet.columns > 0 ? sheet.columns - 1 : 0);
    const lxw_row_t first = lxw_row_t(sheet.titles.size());
    for (lxw_row_t r = 0; r < first; ++r)
        worksheet_merge_range(out, r, 0, r, lastColumn, sheet.titles[r].c_str(), centred);
    for (size_t i = 0; i < sheet.cells.size(); ++i) {
        const lxw_row_t row = first + lxw_row_t(i / size_t(sheet.columns));
        const lxw_col_t column = lxw_col_t(i % size_t(sheet.columns));
        const XlsxCell& cell = sheet.cells[i];
        if (const auto* text = std::get_if<std::string>(&cell))
            worksheet_write_string(out, row, column, text->c_str(), nullptr);
        else if (const auto* number = std::get_if<double>(&cell))
            worksheet_write_number(out, row, column, *number, nullptr);
        else if (const auto* date = std::get_if<XlsxDate>(&cell))
            worksheet_write_datetime(out, row, column, const_cast<lxw_datetime*>(&date->when), dates[date->format]);
    }
    return workbook_close(workbook) == LXW_NO_ERROR;
}

} // namespace bench
