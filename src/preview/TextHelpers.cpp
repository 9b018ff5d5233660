#include "preview/TextHelpers.h"

namespace preview {
namespace {

// Upper-cases the character after every occurrence of the marker.
void capitaliseAfter(QString& text, const QString& marker)
{
    for (qsizetype at = text.indexOf(marker); at >= 0; at = text.indexOf(marker, at + 1)) {
        const qsizetype next = at + marker.size();
        if (next >= text.size())
            return;
        text[next] = text[next].toUpper();
    }
}

} // namespace

QString removeLineBreaks(const QString& text)
{
    QString result = text;
    for (bool changed = true; changed;) {
        changed = false;
        const qsizetype cr = result.indexOf(u'\r');
        if (cr >= 0) {
            result[cr] = u' ';
            changed = true;
        }
        const qsizetype lf = result.indexOf(u'\n');
        if (lf >= 0) {
            if (lf == 0 || cr >= 0)
                result.remove(lf, 1);
            else
                result[lf] = u' ';
            changed = true;
        }
    }
    return result;
}

QString stripQuotes(const QString& text)
{
    QString result = text;
    if (result.startsWith(u'"'))
        result.remove(0, 1);
    if (result.endsWith(u'"'))
        result.chop(1);
    return result;
}

QString formalCase(const QString& text)
{
    QString result = text.left(1).toUpper() + text.mid(1).toLower();
    for (const char* marker : {" ", ".", "Mc", "O'", "-"})
        capitaliseAfter(result, QString::fromLatin1(marker));
    qsizetype blanks = 0;
    while (blanks < result.size() && result[blanks] == u' ')
        ++blanks;
    return result.mid(blanks);
}

} // namespace preview
