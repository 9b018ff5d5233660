#include "platform/excel/Worksheet.h"

#include "platform/excel/PastedText.h"

#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>
#include <QRegularExpression>

namespace excel {
namespace {

[[noreturn]] void refuse() { throw AutomationError("Application-defined or object-defined error"); }

Area checked(const Area& area)
{
    if (area.top < 1 || area.left < 1 || area.bottom > kMaxRows || area.right > kMaxColumns || area.top > area.bottom
        || area.left > area.right)
        refuse();
    return area;
}

// "A1" to row and column.
std::pair<int, int> cellAddress(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^([A-Za-z]{1,3})([0-9]{1,7})$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        refuse();
    int column = 0;
    for (const QChar letter : match.captured(1).toUpper())
        column = column * 26 + (letter.unicode() - 'A' + 1);
    return {match.captured(2).toInt(), column};
}

int rowNumber(const QString& text)
{
    bool ok = false;
    const int row = text.trimmed().toInt(&ok);
    if (!ok)
        refuse();
    return row;
}

// What a cell keeps of a value: text, a number (double) or a date (QDateTime).
QVariant cellValue(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::UnknownType:
    case QMetaType::QString:
    case QMetaType::QDateTime:
        return value;
    case QMetaType::QDate:
        return QDateTime(value.toDate(), QTime(0, 0), Qt::UTC);
    default:
        bool isNumber = false;
        const double number = value.toDouble(&isNumber);
        return isNumber ? QVariant(number) : QVariant(value.toString());
    }
}

} // namespace

// ---- Range ----

void Range::select() { m_sheet->select(m_area); }

void Range::insert() { m_sheet->insertRows(m_area); }

void Range::merge() { m_sheet->merge(m_area); }

void Range::setHorizontalAlignment(HorizontalAlignment alignment)
{
    m_sheet->forEachCell(m_area, [&](Cell& cell) { cell.alignment = alignment; });
}

void Range::setValue(const QVariant& value)
{
    const QVariant stored = cellValue(value);
    m_sheet->forEachCell(m_area, [&](Cell& cell) { cell.value = stored; });
}

QVariant Range::value() const
{
    const Cell* cell = m_sheet->cell(m_area.top, m_area.left);
    return cell ? cell->value : QVariant();
}

// ---- Worksheet ----

Range Worksheet::range(const QString& address)
{
    const QStringList corners = address.split(QLatin1Char(':'));
    if (corners.size() > 2)
        refuse();
    const auto [top, left] = cellAddress(corners.first());
    const auto [bottom, right] = cellAddress(corners.last());
    return Range(
        this, checked({std::min(top, bottom), std::min(left, right), std::max(top, bottom), std::max(left, right)}));
}

Range Worksheet::range(const Range& first, const Range& last)
{
    return Range(this, first.area().united(last.area()));
}

Range Worksheet::rows(const QString& rows)
{
    const QStringList bounds = rows.split(QLatin1Char(':'));
    if (bounds.size() > 2)
        refuse();
    const int first = rowNumber(bounds.first());
    const int last = rowNumber(bounds.last());
    return Range(this, checked({std::min(first, last), 1, std::max(first, last), kMaxColumns}));
}

Range Worksheet::cells(int row, int column) { return Range(this, checked({row, column, row, column})); }

namespace {

// The first cell of the row at or after the column.
template <class CellRow> auto firstFrom(CellRow& row, int column)
{
    return std::lower_bound(
        row.begin(), row.end(), column, [](const auto& cell, int wanted) { return cell.first < wanted; });
}

} // namespace

const Cell* Worksheet::cell(int row, int column) const
{
    if (row < 1 || row > int(m_rows.size()))
        return nullptr;
    const Row& cells = m_rows[row - 1];
    const auto found = firstFrom(cells, column);
    return found == cells.end() || found->first != column ? nullptr : &found->second;
}

Cell& Worksheet::cellAt(int row, int column)
{
    if (row > int(m_rows.size()))
        m_rows.resize(row);
    Row& cells = m_rows[row - 1];
    // cells are mostly added left to right
    if (cells.empty() || cells.back().first < column)
        return cells.emplace_back(column, Cell()).second;
    const auto found = firstFrom(cells, column);
    if (found->first == column)
        return found->second;
    return cells.emplace(found, column, Cell())->second;
}

template <class Change> void Worksheet::forEachCell(const Area& area, Change change)
{
    for (int row = area.top; row <= area.bottom; ++row)
        for (int column = area.left; column <= area.right; ++column)
            change(cellAt(row, column));
}

bool Worksheet::paste()
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QString text = clipboard ? clipboard->text() : QString();
    if (text.isEmpty())
        return false;
    pasteText(text);
    return true;
}

void Worksheet::pasteText(const QString& text)
{
    int rows = 0;
    int widest = 1;
    for (PastedCells cells(text); cells.next();) {
        rows = cells.row() + 1;
        widest = std::max(widest, cells.column() + 1);
    }
    const Area pasted
        = checked({m_selection.top, m_selection.left, m_selection.top + rows - 1, m_selection.left + widest - 1});
    if (pasted.bottom > int(m_rows.size()))
        m_rows.resize(pasted.bottom);
    for (int row = pasted.top; row <= pasted.bottom; ++row)
        m_rows[row - 1].reserve(m_rows[row - 1].size() + widest);
    for (PastedCells cells(text); cells.next();) {
        PastedValue pastedValue = convertPastedText(cells.text());
        Cell& cell = cellAt(pasted.top + cells.row(), pasted.left + cells.column());
        cell.value = std::move(pastedValue.value);
        cell.numberFormat = std::move(pastedValue.numberFormat);
    }
    m_selection = pasted;
}

void Worksheet::insertRows(const Area& area)
{
    const int count = area.bottom - area.top + 1;
    const auto inColumns = [&](const Row::value_type& cell) {
        return cell.first >= area.left && cell.first <= area.right;
    };
    for (const Area& merged : m_merges)
        if (merged.bottom >= area.top && merged.intersects({merged.top, area.left, merged.bottom, area.right})
            && (merged.left < area.left || merged.right > area.right))
            refuse();
    for (int row = std::max(area.top, kMaxRows - count + 1); row <= int(m_rows.size()); ++row)
        if (std::any_of(m_rows[row - 1].begin(), m_rows[row - 1].end(), inColumns))
            refuse();

    if (area.top <= int(m_rows.size())) {
        if (area.left == 1 && area.right == kMaxColumns) {
            m_rows.insert(m_rows.begin() + (area.top - 1), count, Row());
        } else {
            // from the bottom up, so each row's moving cells land in a row whose own have left
            m_rows.resize(m_rows.size() + count);
            for (int row = int(m_rows.size()) - count; row >= area.top; --row) {
                Row& from = m_rows[row - 1];
                Row& to = m_rows[row - 1 + count];
                const auto first = firstFrom(from, area.left);
                const auto last = firstFrom(from, area.right + 1);
                const auto at = firstFrom(to, area.left);
                to.insert(at, std::make_move_iterator(first), std::make_move_iterator(last));
                from.erase(first, last);
            }
        }
    }
    for (Area& merged : m_merges) {
        if (merged.right < area.left || merged.left > area.right || merged.bottom < area.top)
            continue;
        if (merged.top >= area.top)
            merged.top += count;
        merged.bottom += count;
    }
}

void Worksheet::merge(const Area& area)
{
    Area merged = area;
    // grow over every merged area the range touches, until none is left partly outside
    for (bool grown = true; grown;) {
        grown = false;
        for (auto it = m_merges.begin(); it != m_merges.end(); ++it) {
            if (!it->intersects(merged))
                continue;
            merged = merged.united(*it);
            m_merges.erase(it);
            grown = true;
            break;
        }
    }
    if (merged.top == merged.bottom && merged.left == merged.right)
        return;
    for (int row = merged.top; row <= std::min(merged.bottom, int(m_rows.size())); ++row) {
        Row& cells = m_rows[row - 1];
        for (auto it = firstFrom(cells, merged.left); it != cells.end() && it->first <= merged.right; ++it)
            if (row != merged.top || it->first != merged.left)
                it->second.value.clear();
    }
    m_merges.push_back(merged);
}

} // namespace excel
