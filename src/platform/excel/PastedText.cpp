#include "platform/excel/PastedText.h"

#include "platform/runtime/DateMath.h"

#include <QDateTime>
#include <QRegularExpression>
#include <optional>

namespace excel {
namespace {

constexpr int kMaxSignificantDigits = 15;

std::optional<double> toNumber(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^-?(?=\.?\d)(\d*)(?:\.(\d*))?$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    // significant digits: from the first non-zero digit to the end of the integer part, or to the
    // last non-zero digit of the fraction
    QString fraction = match.captured(2);
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    QString digits = match.captured(1) + fraction;
    while (digits.startsWith(u'0'))
        digits.remove(0, 1);
    if (digits.size() > kMaxSignificantDigits)
        return std::nullopt;
    return text.toDouble() + 0.0; // + 0.0 turns "-0" into 0
}

std::optional<PastedValue> toDate(const QString& text)
{
    static const QString time = QStringLiteral(R"((?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?)?$)");
    static const QRegularExpression dayMonthName(QStringLiteral(R"(^(\d{1,2})-([A-Za-z]{3})-(\d{4}|\d{2}))") + time);
    static const QRegularExpression dayMonth(QStringLiteral(R"(^(\d{1,2})([-/])(\d{1,2})\2(\d{4}|\d{2}))") + time);
    static const QRegularExpression yearFirst(QStringLiteral(R"(^(\d{4})-(\d{1,2})-(\d{1,2}))") + time);

    QDate date;
    QString format;
    QRegularExpressionMatch m;
    int timeGroup = 0;
    if (m = dayMonthName.match(text); m.hasMatch()) {
        date = QDate(runtime::FullYear(m.captured(3)), runtime::MonthFromAbbreviation(m.captured(2)), m.captured(1).toInt());
        format = m.captured(3).size() == 4 ? QStringLiteral("dd-mmm-yyyy") : QStringLiteral("dd-mmm-yy");
        timeGroup = 4;
    } else if (m = dayMonth.match(text); m.hasMatch()) {
        date = QDate(runtime::FullYear(m.captured(4)), m.captured(3).toInt(), m.captured(1).toInt());
        const QString separator = m.captured(2);
        format = QStringLiteral("dd") + separator + QStringLiteral("mm") + separator
            + (m.captured(4).size() == 4 ? QStringLiteral("yyyy") : QStringLiteral("yy"));
        timeGroup = 5;
    } else if (m = yearFirst.match(text); m.hasMatch()) {
        date = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        format = QStringLiteral("yyyy-mm-dd");
        timeGroup = 4;
    } else {
        return std::nullopt;
    }
    if (!date.isValid() || date.year() < 1900)
        return std::nullopt;

    QTime timeOfDay(0, 0);
    if (m.hasCaptured(timeGroup)) {
        const bool withSeconds = m.hasCaptured(timeGroup + 2);
        timeOfDay = QTime(m.captured(timeGroup).toInt(), m.captured(timeGroup + 1).toInt(),
            withSeconds ? m.captured(timeGroup + 2).toInt() : 0);
        if (!timeOfDay.isValid())
            return std::nullopt;
        format += withSeconds ? QStringLiteral(" hh:mm:ss") : QStringLiteral(" hh:mm");
    }
    return PastedValue{QDateTime(date, timeOfDay, Qt::UTC), format};
}

} // namespace

QList<QStringList> splitPastedText(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineBreak);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QList<QStringList> rows;
    for (const QString& line : lines)
        rows << line.split(QLatin1Char('\t'));
    return rows;
}

PastedValue convertPastedText(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return text.isEmpty() ? PastedValue{} : PastedValue{text, QString()};
    if (const std::optional<double> number = toNumber(trimmed))
        return PastedValue{*number, QString()};
    if (std::optional<PastedValue> date = toDate(trimmed))
        return *date;
    return PastedValue{text, QString()};
}

} // namespace excel
