#include "grid/GridSort.h"

#include "grid/GridStore.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/DateMath.h"

namespace grid {

namespace {

struct TextRules {
    const ColumnSortKeys::TextKeys* keys;
    bool largerFirst;
    bool Before(qint32 row, qint32 pivot) const
    {
        const int order = keys->Collator.compare(keys->Texts[row], keys->Texts[pivot]);
        return largerFirst ? order > 0 : order < 0;
    }
    bool SameKey(qint32 row, qint32 pivot) const
    {
        return keys->Collator.compare(keys->Texts[row], keys->Texts[pivot]) == 0;
    }
};

struct NumberRules {
    const std::vector<double>* keys;
    bool largerFirst;
    bool Before(qint32 row, qint32 pivot) const
    {
        const double a = (*keys)[row];
        const double p = (*keys)[pivot];
        return largerFirst ? a > p : a < p;
    }
    bool SameKey(qint32 row, qint32 pivot) const { return (*keys)[row] == (*keys)[pivot]; }
};

struct DateRules {
    const std::vector<ColumnSortKeys::DateKey>* keys;
    bool largerFirst;
    bool Before(qint32 row, qint32 pivot) const
    {
        const ColumnSortKeys::DateKey& a = (*keys)[row];
        const ColumnSortKeys::DateKey& p = (*keys)[pivot];
        if (largerFirst)
            return a.IsDate && (!p.IsDate || a.Serial > p.Serial);
        return !a.IsDate || (p.IsDate && a.Serial < p.Serial);
    }
    bool SameKey(qint32 row, qint32 pivot) const
    {
        const ColumnSortKeys::DateKey& a = (*keys)[row];
        const ColumnSortKeys::DateKey& p = (*keys)[pivot];
        return a.IsDate == p.IsDate && a.Serial == p.Serial;
    }
};

struct CheckedRules {
    const std::vector<char>* keys;
    bool largerFirst;
    bool Before(qint32 row, qint32 pivot) const
    {
        const bool a = (*keys)[row] != 0;
        const bool p = (*keys)[pivot] != 0;
        return largerFirst ? !a && p : a && !p;
    }
    bool SameKey(qint32 row, qint32 pivot) const { return (*keys)[row] == (*keys)[pivot]; }
};

} // namespace

ColumnSortKeys ColumnSortKeys::Text(std::vector<QString> Texts)
{
    TextKeys keys{std::move(Texts), QCollator(QLocale())};
    keys.Collator.setCaseSensitivity(Qt::CaseInsensitive);
    return ColumnSortKeys(std::move(keys));
}

ColumnSortKeys ColumnSortKeys::Number(const std::vector<QString>& Texts)
{
    std::vector<double> keys;
    keys.reserve(Texts.size());
    for (const QString& text : Texts)
        keys.push_back(GridStore::rVal(text));
    return ColumnSortKeys(std::move(keys));
}

ColumnSortKeys ColumnSortKeys::Date(const std::vector<QString>& Texts)
{
    std::vector<DateKey> keys;
    keys.reserve(Texts.size());
    for (const QString& text : Texts) {
        const QVariant value(text);
        if (runtime::IsDate(value))
            keys.push_back({true, runtime::SerialFromDate(runtime::CDate(value))});
        else
            keys.push_back({});
    }
    return ColumnSortKeys(std::move(keys));
}

ColumnSortKeys ColumnSortKeys::Checked(std::vector<char> Checked) { return ColumnSortKeys(std::move(Checked)); }

void ColumnSortKeys::Sort(std::vector<qint32>& Order, qint32 lo, qint32 hi, bool LargerFirst) const
{
    std::visit(
        [&](const auto& keys) {
            using Held = std::decay_t<decltype(keys)>;
            if constexpr (std::is_same_v<Held, TextKeys>)
                QuickSortRows(Order, lo, hi, TextRules{&keys, LargerFirst});
            else if constexpr (std::is_same_v<Held, std::vector<double>>)
                QuickSortRows(Order, lo, hi, NumberRules{&keys, LargerFirst});
            else if constexpr (std::is_same_v<Held, std::vector<DateKey>>)
                QuickSortRows(Order, lo, hi, DateRules{&keys, LargerFirst});
            else
                QuickSortRows(Order, lo, hi, CheckedRules{&keys, LargerFirst});
        },
        m_keys);
}

} // namespace grid
