#include "platform/excel/XlsxFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <xlsxwriter.h>

#include <algorithm>
#include <clocale>
#include <filesystem>
#include <string>

namespace excel {
namespace {

// The C library's numeric locale is "C" while it lives: the writer prints numbers with printf,
// and a locale with a decimal comma (Qt takes the process's locale from the environment) would
// write numbers the spreadsheet cannot read.
class CNumericLocale {
public:
    CNumericLocale()
    {
        const char* current = std::setlocale(LC_NUMERIC, nullptr);
        m_previous = current ? current : "C";
        std::setlocale(LC_NUMERIC, "C");
    }
    ~CNumericLocale() { std::setlocale(LC_NUMERIC, m_previous.c_str()); }
    CNumericLocale(const CNumericLocale&) = delete;
    CNumericLocale& operator=(const CNumericLocale&) = delete;

private:
    std::string m_previous;
};

bool isDate(const Cell& cell) { return cell.value.typeId() == QMetaType::QDateTime; }

// The number format written: a date given as a value (not pasted) shows as the windows show dates.
QString numberFormatOf(const Cell& cell)
{
    if (!cell.numberFormat.isEmpty() || !isDate(cell))
        return cell.numberFormat;
    return cell.value.toDateTime().time() == QTime(0, 0) ? QStringLiteral("dd-mm-yyyy")
                                                         : QStringLiteral("dd-mm-yyyy hh:mm:ss");
}

uint8_t alignmentOf(HorizontalAlignment alignment)
{
    switch (alignment) {
    case HorizontalAlignment::Left:
        return LXW_ALIGN_LEFT;
    case HorizontalAlignment::Center:
        return LXW_ALIGN_CENTER;
    case HorizontalAlignment::Right:
        return LXW_ALIGN_RIGHT;
    case HorizontalAlignment::General:
        break;
    }
    return LXW_ALIGN_NONE;
}

// One format per combination of number format and alignment; null for the default look.
class Formats {
public:
    explicit Formats(lxw_workbook* workbook)
        : m_workbook(workbook)
    {
    }

    lxw_format* of(const Cell* cell)
    {
        if (!cell || (cell->numberFormat.isEmpty() && cell->alignment == HorizontalAlignment::General && !isDate(*cell)))
            return nullptr;
        const QString numberFormat = numberFormatOf(*cell);
        const auto known = std::find_if(m_formats.begin(), m_formats.end(), [&](const Known& format) {
            return format.alignment == cell->alignment && format.numberFormat == numberFormat;
        });
        if (known != m_formats.end())
            return known->format;
        lxw_format* format = workbook_add_format(m_workbook);
        if (!numberFormat.isEmpty())
            format_set_num_format(format, numberFormat.toUtf8().constData());
        if (cell->alignment != HorizontalAlignment::General)
            format_set_align(format, alignmentOf(cell->alignment));
        m_formats.push_back({numberFormat, cell->alignment, format});
        return format;
    }

private:
    struct Known {
        QString numberFormat;
        HorizontalAlignment alignment;
        lxw_format* format;
    };
    lxw_workbook* m_workbook;
    std::vector<Known> m_formats; // a sheet uses a handful
};

lxw_error writeCell(lxw_worksheet* sheet, int row, int column, const Cell& cell, lxw_format* format)
{
    const lxw_row_t r = lxw_row_t(row - 1);
    const lxw_col_t c = lxw_col_t(column - 1);
    switch (cell.value.typeId()) {
    case QMetaType::QString:
        return worksheet_write_string(sheet, r, c, cell.value.toString().toUtf8().constData(), format);
    case QMetaType::Double:
        return worksheet_write_number(sheet, r, c, cell.value.toDouble(), format);
    case QMetaType::QDateTime: {
        const QDateTime moment = cell.value.toDateTime();
        const QDate date = moment.date();
        const QTime time = moment.time();
        lxw_datetime when{date.year(), date.month(), date.day(), time.hour(), time.minute(), double(time.second())};
        return worksheet_write_datetime(sheet, r, c, &when, format);
    }
    default:
        return worksheet_write_blank(sheet, r, c, format);
    }
}

// Row by row, so that the writer can hold one row at a time: each merged area where its first row
// begins, then the row's cells (the merged area's upper-left one shows, the others are hidden).
bool writeSheet(lxw_workbook* workbook, Formats& formats, const Worksheet& sheet)
{
    lxw_worksheet* out = workbook_add_worksheet(workbook, sheet.name().toUtf8().constData());
    if (!out)
        return false;
    bool ok = true;
    const std::vector<Area>& merges = sheet.mergedAreas();
    const std::vector<Worksheet::Row>& rows = sheet.cellRows();
    int lastRow = int(rows.size());
    for (const Area& m : merges)
        lastRow = std::max(lastRow, m.bottom);
    std::vector<Area> mergesOfRow;
    for (int row = 1; row <= lastRow; ++row) {
        mergesOfRow.clear();
        for (const Area& m : merges) {
            if (m.top == row)
                ok &= worksheet_merge_range(out, lxw_row_t(m.top - 1), lxw_col_t(m.left - 1), lxw_row_t(m.bottom - 1),
                          lxw_col_t(m.right - 1), "", formats.of(sheet.cell(m.top, m.left)))
                    == LXW_NO_ERROR;
            if (m.top <= row && row <= m.bottom)
                mergesOfRow.push_back(m);
        }
        if (row > int(rows.size()))
            continue;
        for (const auto& [column, cell] : rows[row - 1]) {
            const bool hidden = std::any_of(mergesOfRow.begin(), mergesOfRow.end(),
                [&](const Area& m) { return m.contains(row, column) && !(row == m.top && column == m.left); });
            if (!hidden)
                ok &= writeCell(out, row, column, cell, formats.of(&cell)) == LXW_NO_ERROR;
        }
    }
    return ok;
}

// The writer can hold one row at a time (less memory and a quicker write) unless a merged area
// spans rows: it writes the area's cells below its first row before the rest of that row.
bool oneRowAtATime(const std::vector<std::unique_ptr<Worksheet>>& sheets)
{
    return std::all_of(sheets.begin(), sheets.end(), [](const auto& sheet) {
        return std::all_of(sheet->mergedAreas().begin(), sheet->mergedAreas().end(),
            [](const Area& m) { return m.top == m.bottom; });
    });
}

} // namespace

bool writeXlsx(const std::vector<std::unique_ptr<Worksheet>>& sheets, const QString& path)
{
    const QFileInfo target(path);
    if (!target.absoluteDir().exists())
        return false;
    const QByteArray part
        = QFile::encodeName(target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".part"));
    bool ok = true;
    {
        const CNumericLocale numericLocale;
        lxw_workbook_options options{};
        options.constant_memory = oneRowAtATime(sheets);
        lxw_workbook* workbook = workbook_new_opt(part.constData(), &options);
        if (!workbook)
            return false;
        Formats formats(workbook);
        for (const auto& sheet : sheets)
            ok &= writeSheet(workbook, formats, *sheet);
        ok &= workbook_close(workbook) == LXW_NO_ERROR;
    }
    std::error_code error;
    if (ok)
        std::filesystem::rename(part.toStdString(), QFile::encodeName(path).toStdString(), error);
    if (!ok || error) {
        std::filesystem::remove(part.toStdString(), error);
        return false;
    }
    return true;
}

} // namespace excel
