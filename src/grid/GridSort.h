#pragma once

#include <QCollator>
#include <QString>
#include <QtGlobal>

#include <utility>
#include <variant>
#include <vector>

// The grid's row sort, apart from the widget: it permutes a display order (display row -> row
// index) and never touches the rows themselves.
//
// The sort is a quicksort on a range of display rows. The middle row of the range is the pivot
// and moves to the front; every row that comes before the pivot is gathered behind it, the pivot
// then goes between the two groups, and both groups are sorted the same way. Rows equal to the
// pivot stay after it, so the sort is not stable; the order among equal keys is the one these
// steps give, and every caller relies on getting exactly that order.
namespace grid {

// The pivot of the display rows lo..hi: their middle, an exact half going to the even neighbour
// (0..1 gives 0, 0..3 gives 2, 1..4 gives 2).
constexpr qint32 SortPivotRow(qint32 lo, qint32 hi)
{
    const qint64 sum = qint64(lo) + hi;
    qint64 middle = sum / 2;
    if (sum % 2 != 0 && middle % 2 != 0)
        ++middle;
    return qint32(middle);
}

// Sorts the display rows lo..hi of Order (both inclusive) with Rules, which answers
//   bool Before(qint32 Row, qint32 Pivot): the row (an index) goes in front of the pivot row;
//   bool SameKey(qint32 A, qint32 B): both rows have one key, so that Before answers alike with
//       either of them in either place (always false where no keys are kept).
// Before may change Rules' own state; that state is what the rest of this range and the ranges
// split from it see. The smaller part is sorted by a nested call and the larger one in the loop,
// so a range of n rows nests at most log2(n) calls. When no row came before a pivot, none comes
// before a later pivot of the same key among those rows either: that pass is not compared again,
// only its pivot moves to the front, so a range of equal keys costs one pass, not n.
template <typename Rules>
void QuickSortRows(std::vector<qint32>& Order, qint32 lo, qint32 hi, Rules rules)
{
    qint32 pivotWithNoneBefore = -1;
    while (hi > lo) {
        std::swap(Order[lo], Order[SortPivotRow(lo, hi)]);
        const qint32 pivot = Order[lo];
        if (pivotWithNoneBefore != -1 && rules.SameKey(pivot, pivotWithNoneBefore)) {
            ++lo;
            continue;
        }
        qint32 last = lo;
        for (qint32 i = lo + 1; i <= hi; ++i) {
            if (rules.Before(Order[i], pivot)) {
                ++last;
                std::swap(Order[last], Order[i]);
            }
        }
        std::swap(Order[lo], Order[last]);
        if (last == lo) {
            pivotWithNoneBefore = pivot;
            ++lo;
            continue;
        }
        pivotWithNoneBefore = -1;
        if (last - lo < hi - last) {
            QuickSortRows(Order, lo, last - 1, rules);
            lo = last + 1;
        } else {
            QuickSortRows(Order, last + 1, hi, rules);
            hi = last - 1;
        }
    }
}

// The keys of one column, read once per sort from the cell texts (or check marks) of every row,
// by row index, and the comparison of that column's type. LargerFirst is sort state 1; any other
// state sorts smaller first.
class ColumnSortKeys {
public:
    // Texts in a case-insensitive comparison of the current locale.
    static ColumnSortKeys Text(std::vector<QString> Texts);
    // The numbers GridStore::rVal reads (an empty text is 0).
    static ColumnSortKeys Number(const std::vector<QString>& Texts);
    // Dates the runtime's date conversion accepts; other texts before every date when smaller
    // comes first, after every date when larger comes first.
    static ColumnSortKeys Date(const std::vector<QString>& Texts);
    // Check marks: checked rows first when smaller comes first, unchecked rows when larger does.
    static ColumnSortKeys Checked(std::vector<char> Checked);

    void Sort(std::vector<qint32>& Order, qint32 lo, qint32 hi, bool LargerFirst) const;

    struct DateKey {
        bool IsDate = false;
        double Serial = 0;
    };
    struct TextKeys {
        std::vector<QString> Texts;
        QCollator Collator;
    };

private:
    using Keys = std::variant<TextKeys, std::vector<double>, std::vector<DateKey>, std::vector<char>>;
    explicit ColumnSortKeys(Keys keys)
        : m_keys(std::move(keys))
    {
    }

    Keys m_keys;
};

} // namespace grid
