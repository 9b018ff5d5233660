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

bool isHexDigit(QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); }

// Whether "_xHHHH_" begins at the position: the form in which the workbook writes a character.
bool isEscapeAt(QStringView text, qsizetype at)
{
    return at + 7 <= text.size() && text[at] == u'_' && text[at + 1] == u'x' && isHexDigit(text[at + 2])
        && isHexDigit(text[at + 3]) && isHexDigit(text[at + 4]) && isHexDigit(text[at + 5]) && text[at + 6] == u'_';
}

// Characters XML cannot hold that the writer leaves as they are: NUL would end its C string, and
// U+FFFE and U+FFFF are not characters. It writes the other control characters as "_xHHHH_" itself.
bool isLeftUnescaped(char16_t c) { return c == 0 || c >= 0xFFFE; }

// The first character from `from` on that must be written as "_xHHHH_", or the text's size.
qsizetype nextToEscape(QStringView text, qsizetype from)
{
    for (qsizetype at = from; at < text.size(); ++at)
        if (isLeftUnescaped(text[at].unicode()) || isEscapeAt(text, at))
            return at;
    return text.size();
}

// A text cell's UTF-8 for the writer, so that a spreadsheet reads back the text as it stands: a
// character the writer leaves unescaped written as "_xHHHH_", and the underscore of a literal
// "_xHHHH_" as "_x005F_".
QByteArray cellText(const QString& text)
{
    QByteArray utf8 = text.toUtf8();
    // a quick look at the bytes first: most texts hold no underscore, NUL or character from U+F000
    // on (whose UTF-8 begins with 0xEF)
    const bool mayNeedEscapes = utf8.contains('_') || utf8.contains('\0') || utf8.contains('\xEF');
    qsizetype at = mayNeedEscapes ? nextToEscape(text, 0) : text.size();
    if (at == text.size())
        return utf8;
    QString escaped;
    qsizetype done = 0;
    for (; at < text.size(); at = nextToEscape(text, done)) {
        escaped += QStringView(text).sliced(done, at - done);
        escaped += QString::asprintf("_x%04X_", unsigned(text[at].unicode()));
        done = at + 1;
    }
    escaped += QStringView(text).sliced(done);
    return escaped.toUtf8();
}

lxw_error writeCell(lxw_worksheet* sheet, int row, int column, const Cell& cell, lxw_format* format)
{
    const lxw_row_t r = lxw_row_t(row - 1);
    const lxw_col_t c = lxw_col_t(column - 1);
    switch (cell.value.typeId()) {
    case QMetaType::QString:
        return worksheet_write_string(sheet, r, c, cellText(cell.value.toString()).constData(), format);
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
