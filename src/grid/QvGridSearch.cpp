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

// Text upper-cased character by character into Out, whose storage is reused from call to call.
// As in the runtime's UCase, a character never grows into two ("ß" stays "ß").
void upperCaseInto(QStringView Text, QString& Out)
{
    Out.resize(Text.size());
    QChar* out = Out.data();
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const QChar ch = Text[i];
        if (ch.isHighSurrogate() && i + 1 < Text.size() && Text[i + 1].isLowSurrogate()) {
            const char32_t upper = QChar::toUpper(QChar::surrogateToUcs4(ch, Text[i + 1]));
            out[i] = QChar::highSurrogate(upper);
            out[++i] = QChar::lowSurrogate(upper);
        } else {
            out[i] = ch.toUpper();
        }
    }
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
    m_store.CheckColumn(col);
    TextMatcher matcher(SearchText, SearchMode, MatchCase);
    for (qint32 row = firstRow; row <= lastRow; ++row)
        if (matcher.matches(m_store.CellAt(row, col).Text))
            return row;
    return -1;
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
