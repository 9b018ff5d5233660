#include "grid/QvGrid.h"

#include <algorithm>

namespace grid {

namespace {

// The first character of a text, a surrogate pair taken whole; empty for an empty text.
QStringView firstCharacter(QStringView Text)
{
    if (Text.isEmpty())
        return {};
    return Text.first(Text.size() > 1 && Text.front().isHighSurrogate() ? 2 : 1);
}

// The upper case of the character at Text[i], a surrogate pair taken whole, written to Out[0]
// (and Out[1] for a pair); answers the number of code units taken. As in the runtime's UCase,
// a character never grows into two ("ß" stays "ß"), so the upper-cased text keeps its length.
qsizetype upperCaseAt(QStringView Text, qsizetype i, QChar* Out)
{
    const QChar ch = Text[i];
    if (ch.unicode() < 0x80) {
        Out[0] = ch >= u'a' && ch <= u'z' ? QChar(ch.unicode() - (u'a' - u'A')) : ch;
        return 1;
    }
    if (ch.isHighSurrogate() && i + 1 < Text.size() && Text[i + 1].isLowSurrogate()) {
        const char32_t upper = QChar::toUpper(QChar::surrogateToUcs4(ch, Text[i + 1]));
        Out[0] = QChar::highSurrogate(upper);
        Out[1] = QChar::lowSurrogate(upper);
        return 2;
    }
    Out[0] = ch.toUpper();
    return 1;
}

// Text upper-cased character by character into Out, whose storage is reused from call to call.
void upperCaseInto(QStringView Text, QString& Out)
{
    Out.resize(Text.size());
    QChar* out = Out.data();
    for (qsizetype i = 0; i < Text.size();)
        i += upperCaseAt(Text, i, out + i);
}

// Whether Text upper-cased begins with Upper, upper-casing only as far as needed: the first
// difference ends the comparison.
bool upperCaseStartsWith(QStringView Text, QStringView Upper)
{
    if (Text.size() < Upper.size())
        return false;
    QChar out[2];
    for (qsizetype i = 0; i < Upper.size();) {
        const qsizetype taken = upperCaseAt(Text, i, out);
        if (out[0] != Upper[i] || (taken == 2 && i + 1 < Upper.size() && out[1] != Upper[i + 1]))
            return false;
        i += taken;
    }
    return true;
}

// Compares cell texts with one search text by one mode; the search text is prepared once.
class TextMatcher {
public:
    TextMatcher(const QString& Search, qint32 Mode, bool MatchCase)
        : m_mode(Mode)
        , m_matchCase(MatchCase)
    {
        if (MatchCase)
            m_search = Search;
        else
            upperCaseInto(Search, m_search);
    }

    bool matches(const QString& CellText)
    {
        if (m_matchCase)
            return compare(CellText);
        // Equal and BeginsWith stop at the first character that differs.
        if (TextMatch(m_mode) == TextMatch::Equal)
            return CellText.size() == m_search.size() && upperCaseStartsWith(CellText, m_search);
        if (TextMatch(m_mode) == TextMatch::BeginsWith)
            return upperCaseStartsWith(CellText, m_search);
        upperCaseInto(CellText, m_upper);
        return compare(m_upper);
    }

private:
    bool compare(QStringView Text) const
    {
        switch (TextMatch(m_mode)) {
        case TextMatch::Equal: return Text == m_search;
        case TextMatch::AtOrAfter: return Text.compare(m_search) >= 0;
        case TextMatch::Contains: return Text.contains(m_search);
        case TextMatch::SameInitialAtOrAfter:
            return !Text.isEmpty() && Text.compare(m_search) >= 0 && firstCharacter(Text) == firstCharacter(m_search);
        case TextMatch::BeginsWith: return Text.startsWith(m_search);
        case TextMatch::EndsWith: return Text.endsWith(m_search);
        default: return false;
        }
    }

    QString m_search;
    QString m_upper;
    qint32 m_mode;
    bool m_matchCase;
};

} // namespace

qint32 QvGrid::FindItem(const QString& SearchText, qint32 SearchCol, qint32 SearchMode, bool MatchCase,
                        qint32 StartingRow) const
{
    const qint32 lastRow = m_store.LastRow();
    if (lastRow == -1 || SearchText.isEmpty())
        return -1;
    const qint32 firstRow = StartingRow < 0 || StartingRow > lastRow ? 0 : StartingRow;
    const qint32 col = SearchCol == -1 ? SearchColumn() : SearchCol;
    if (col < 0)
        return -1;
    TextMatcher matcher(SearchText, SearchMode, MatchCase);
    return m_store.FirstRowWhere(col, firstRow, [&matcher](const QString& Text) { return matcher.matches(Text); });
}

void QvGrid::FilterOn(const QString& FilterText, qint32 SearchCol, qint32 SearchMode, bool MatchCase,
                      qint32 StartingRow)
{
    const qint32 lastRow = m_store.LastRow();
    if (lastRow == -1 || StartingRow < 0 || StartingRow > lastRow)
        return;
    m_store.CheckColumn(SearchCol);
    TextMatcher matcher(FilterText, SearchMode, MatchCase);
    // Rows are hidden directly rather than one by one through RowVisible, so that the layout,
    // the scroll bars and the paint are worked out once for the whole pass.
    for (qint32 row = StartingRow; row <= lastRow; ++row) {
        RowInfo& record = m_store.RowAt(row);
        if (!matcher.matches(record.Cells.at(SearchCol).Text))
            record.Visible = false;
    }
    RowLayoutChanged();
    UpdateScrollBars();
    drawGrid(m_paintEnabled);
}

void QvGrid::FilterOff(qint32 StartingRow)
{
    const qint32 lastRow = m_store.LastRow();
    if (lastRow == -1)
        return;
    // As in FilterOn, the rows are shown directly and the layout worked out once.
    for (qint32 row = std::clamp(StartingRow, 0, lastRow); row <= lastRow; ++row)
        m_store.RowAt(row).Visible = true;
    RowLayoutChanged();
    UpdateScrollBars();
    SBSetValue(1, std::max(m_store.CurRow(), 0));
    drawGrid(m_paintEnabled);
}

} // namespace grid
