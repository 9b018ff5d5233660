// The number readings of cell texts.

#include "grid/GridStore.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/Strings.h"

#include <QLocale>

namespace grid {

namespace {

// Kept characters without a comma read alike with or without a locale that writes "." for
// decimals; reading without one is several times faster, which sorting and totals feel.
double decimalNumberOf(const QString& kept, bool& ok)
{
    const QLocale locale;
    if (!kept.contains(QLatin1Char(',')) && locale.decimalPoint() == QLatin1String(".")) {
        const double value = kept.toDouble(&ok);
        if (ok)
            return value;
    }
    return locale.toDouble(kept, &ok);
}

// The kept characters of a cell text as a number: "&H"/"&O" texts in base 16 or 8, others in the
// current locale; 0 when they do not convert.
double numberOf(const QString& kept)
{
    bool ok = false;
    double value = 0;
    if (kept.startsWith(QLatin1String("&H")))
        value = double(kept.mid(2).toLongLong(&ok, 16));
    else if (kept.startsWith(QLatin1String("&O")))
        value = double(kept.mid(2).toLongLong(&ok, 8));
    else
        value = decimalNumberOf(kept, ok);
    return ok ? value : 0;
}

} // namespace

double GridStore::rVal(const QString& s)
{
    const QString text = runtime::UCase(runtime::Trim(s));
    if (text.isEmpty())
        return 0;

    const bool hex = text.startsWith(QLatin1String("&H"));
    const bool prefixed = hex || text.startsWith(QLatin1String("&O"));
    QString kept = prefixed ? text.left(2) : QString();
    for (qsizetype i = prefixed ? 2 : 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        const bool digit = ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
        if (digit || ch == QLatin1Char('E') || ch == QLatin1Char(',') || ch == QLatin1Char('-')
            || ch == QLatin1Char('.') || (hex && ch >= QLatin1Char('A') && ch <= QLatin1Char('F')))
            kept += ch;
        else if (ch != QLatin1Char('$') && ch != QChar(163) && ch != QLatin1Char(' ') && ch != QLatin1Char('/'))
            break;
    }

    if (kept.isEmpty())
        return text == QLatin1String("TRUE") ? -1 : 0;
    const double value = numberOf(kept);
    return value != 0 ? value : numberOf(QString(kept).replace(QLatin1Char('.'), QLatin1Char(',')));
}

double GridStore::Total(qint32 Col) const
{
    CheckColumn(Col);
    if (!m_totalKnown[Col]) {
        // In insertion order, as the rows would have been added to it one by one.
        double sum = 0;
        for (qint32 index = 0; index <= m_lastRow; ++index)
            sum += rVal(m_rows[index].Cells[Col].Text);
        m_totals[Col] = sum;
        m_totalKnown[Col] = true;
    }
    return m_totals[Col];
}

const QList<double>& GridStore::Totals() const
{
    for (qint32 c = 0; c < Cols(); ++c)
        Total(c);
    return m_totals;
}

qint16 GridStore::UnsignedToInteger(qint32 v)
{
    const qint32 folded = v < 32768 ? v : v - 65536;
    if (folded < -32768 || folded > 32767)
        throw runtime::RuntimeError(runtime::ErrorNumber::Overflow);
    return qint16(folded);
}

} // namespace grid
