#include "platform/ui/OneLineText.h"

#include <algorithm>

namespace ui {

namespace {

// Qt's views hand a cell's LF on as a line separator.
bool breaksTheLine(QChar c) { return c == u'\r' || c == u'\n' || c == u'\t' || c == QChar::LineSeparator; }

} // namespace

QString shownOnOneLine(const QString& text)
{
    if (std::none_of(text.begin(), text.end(), breaksTheLine))
        return text;
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool lineFeedNext = i + 1 < text.size() && (text[i + 1] == u'\n' || text[i + 1] == QChar::LineSeparator);
        if (!breaksTheLine(text[i]))
            shown += text[i];
        else if (!(text[i] == u'\r' && lineFeedNext)) // the CR of a CR LF gives no blank of its own
            shown += u' ';
    }
    return shown;
}

} // namespace ui
