#pragma once

#include <QString>
#include <QVariant>
#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

// The worksheet of the spreadsheet stand-in: cells addressed from 1 (row 1, column 1 is "A1"),
// each holding a value (text, number or date) with its number format and horizontal alignment,
// the merged areas and the selection. The workbook writes it out when it is saved.
namespace excel {

constexpr int kMaxRows = 1048576;
constexpr int kMaxColumns = 16384;

// The spreadsheet's horizontal alignment codes.
enum class HorizontalAlignment : int { General = 1, Left = -4131, Center = -4108, Right = -4152 };

// An address or operation the spreadsheet refuses ("Application-defined or object-defined error").
class AutomationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A rectangle of cells, inclusive.
struct Area {
    int top = 1;
    int left = 1;
    int bottom = 1;
    int right = 1;
    bool contains(int row, int column) const
    {
        return row >= top && row <= bottom && column >= left && column <= right;
    }
    bool intersects(const Area& other) const
    {
        return top <= other.bottom && other.top <= bottom && left <= other.right && other.left <= right;
    }
    // The smallest area holding both.
    Area united(const Area& other) const
    {
        return {std::min(top, other.top), std::min(left, other.left), std::max(bottom, other.bottom),
            std::max(right, other.right)};
    }
    bool operator==(const Area&) const = default;
};

// One cell: an empty value, text (QString), a number (double) or a date (QDateTime; its date and
// time fields are the value, whatever its time zone: pasted dates are in UTC).
struct Cell {
    QVariant value;
    QString numberFormat; // "" is General
    HorizontalAlignment alignment = HorizontalAlignment::General;
};

class Worksheet;

// A range of a worksheet, valid while its worksheet is.
class Range {
public:
    Range(Worksheet* sheet, const Area& area)
        : m_sheet(sheet)
        , m_area(area)
    {
    }
    const Area& area() const { return m_area; }

    // Makes the range the sheet's selection.
    void select();
    // Inserts as many rows as the range holds above it, shifting down: the cells of its columns
    // from its first row on move down, and merged areas with them (one that spans the first row
    // grows). Refused when cells would move past the last row or a merged area lies partly in the
    // columns.
    void insert();
    // Merges the range with every merged area it overlaps; only the upper-left value is kept.
    // A single cell is left as it is.
    void merge();
    void setHorizontalAlignment(HorizontalAlignment alignment);
    // Gives every cell of the range the value, keeping its format: a string stays text, a date
    // (QDate or QDateTime) is a date, anything convertible to a number a number; an empty QVariant
    // clears.
    void setValue(const QVariant& value);
    // The upper-left cell's value.
    QVariant value() const;

private:
    Worksheet* m_sheet;
    Area m_area;
};

class Worksheet {
public:
    // The cells of one row that were given a value or a format (pasted empty ones too), by column.
    using Row = std::vector<std::pair<int, Cell>>;

    explicit Worksheet(const QString& name)
        : m_name(name)
    {
    }
    QString name() const { return m_name; }

    // "A1" or "A1:C3" (column letters in any case).
    Range range(const QString& address);
    // The rectangle spanned by two ranges: Range(Cells(r, 1), Cells(r, c)).
    Range range(const Range& first, const Range& last);
    // Whole rows: "1:4" or "7".
    Range rows(const QString& rows);
    Range cells(int row, int column);

    // Pastes the clipboard's text at the selection's upper-left cell, converted as
    // convertPastedText says, and selects the pasted cells. False when the clipboard holds no text.
    bool paste();

    const Area& selection() const { return m_selection; }
    // The rows from row 1 to at least the last that has cells (index 0 is row 1).
    const std::vector<Row>& cellRows() const { return m_rows; }
    // The cell, or null when it was never given a value or a format.
    const Cell* cell(int row, int column) const;
    const std::vector<Area>& mergedAreas() const { return m_merges; }

private:
    friend class Range;

    void select(const Area& area) { m_selection = area; }
    void insertRows(const Area& area);
    void merge(const Area& area);
    void pasteText(const QString& text);
    template <class Change> void forEachCell(const Area& area, Change change);
    // The cell, made empty when missing.
    Cell& cellAt(int row, int column);

    QString m_name;
    std::vector<Row> m_rows;
    std::vector<Area> m_merges;
    Area m_selection;
};

} // namespace excel
