#include "platform/ui/PickerFormat.h"

namespace ui {
namespace {

// The Qt token for a run of one format letter, or an empty string when the letter is no token.
QString tokenOf(QChar letter, qsizetype run)
{
    switch (letter.unicode()) {
    case 'd':
    case 'M': return QString(qMin<qsizetype>(run, 4), letter);
    case 'y': return run <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
    case 'h':
    case 'H':
    case 'm':
    case 's': return QString(qMin<qsizetype>(run, 2), letter);
    case 't': return QStringLiteral("AP");
    default: return {};
    }
}

} // namespace

QString displayFormatOf(const QString& customFormat)
{
    QString display;
    qsizetype i = 0;
    while (i < customFormat.size()) {
        const QChar c = customFormat[i];
        if (c == u'\'') {
            // Quoted text is passed on with its quotes; an unclosed quote runs to the end.
            const qsizetype close = customFormat.indexOf(u'\'', i + 1);
            const qsizetype end = close < 0 ? customFormat.size() : close + 1;
            display += customFormat.mid(i, end - i);
            if (close < 0)
                display += u'\'';
            i = end;
            continue;
        }
        qsizetype run = 1;
        while (i + run < customFormat.size() && customFormat[i + run] == c)
            ++run;
        const QString runText = customFormat.mid(i, run);
        if (const QString token = tokenOf(c, run); !token.isEmpty())
            display += token;
        else if (c.isLetter())
            display += u'\'' + runText + u'\'';
        else
            display += runText;
        i += run;
    }
    return display;
}

std::optional<YearField> yearFieldOf(const QString& displayFormat)
{
    bool quoted = false;
    for (qsizetype i = 0; i < displayFormat.size(); ++i) {
        const QChar c = displayFormat[i];
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || c != u'y')
            continue;
        qsizetype run = 1;
        while (i + run < displayFormat.size() && displayFormat[i + run] == u'y')
            ++run;
        return YearField{displayFormat.left(i), run >= 4 ? 4 : 2, displayFormat.mid(i + run)};
    }
    return std::nullopt;
}

} // namespace ui
