#include "platform/runtime/Conversions.h"
#include "platform/runtime/WallClock.h"

#include "platform/runtime/DateFormat.h"
#include "platform/runtime/DateMath.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/ValueKind.h"

#include <QLocale>
#include <charconv>

namespace runtime {
namespace {

QString realText(const QVariant& value)
{
    // Single-precision values carry 7 significant digits, doubles 15.
    const int digits = value.typeId() == QMetaType::Float ? 7 : 15;
    return QString::number(value.toDouble(), 'G', digits);
}

QString dateText(const QDateTime& moment)
{
    const QTime time = moment.time();
    const bool hasTimeOfDay = time.hour() != 0 || time.minute() != 0 || time.second() != 0;
    return FormatDatePattern(moment, hasTimeOfDay ? QStringLiteral("yyyy-mm-dd hh:nn:ss") : QStringLiteral("yyyy-mm-dd"));
}

// The program's date texts; an invalid QDateTime when the text is none of them.
QDateTime parseDateText(const QString& text)
{
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    static const QString dateForms[] = {QStringLiteral("yyyy-M-d"), QStringLiteral("d-MMM-yyyy"),
                                        QStringLiteral("d/M/yyyy")};
    static const QString timeForms[] = {QStringLiteral("H:mm:ss"), QStringLiteral("H:mm")};

    const QString trimmed = text.trimmed();
    const qsizetype blank = trimmed.indexOf(u' ');
    const QString datePart = blank < 0 ? trimmed : trimmed.left(blank);
    const QString timePart = blank < 0 ? QString() : trimmed.mid(blank + 1).trimmed();

    QDate date;
    for (const QString& form : dateForms) {
        date = english.toDate(datePart, form);
        if (date.isValid())
            break;
    }
    if (!date.isValid())
        return {};
    if (timePart.isEmpty())
        return WallDateTime(date);
    for (const QString& form : timeForms) {
        const QTime time = english.toTime(timePart, form);
        if (time.isValid())
            return WallDateTime(date, time);
    }
    return {};
}

} // namespace

QString CStr(const QVariant& value)
{
    switch (KindOf(value)) {
    case ValueKind::Null:
        throw RuntimeError(ErrorNumber::InvalidUseOfNull);
    case ValueKind::Real:
        return realText(value);
    case ValueKind::Boolean:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case ValueKind::Date:
        return dateText(DateTimeOf(value));
    case ValueKind::Text:
    case ValueKind::Integer:
        return value.toString();
    case ValueKind::Other:
        break;
    }
    if (!value.canConvert<QString>())
        throw RuntimeError(ErrorNumber::TypeMismatch);
    return value.toString();
}

QString CellText(const QVariant& value)
{
    // most cells hold text, which shows as it is (a null text as the empty one), or a whole number
    if (value.typeId() == QMetaType::QString)
        return value.toString();
    if (value.typeId() == QMetaType::LongLong && !value.isNull()) {
        // the digits QString::number writes, without its trip through the locale code
        char digits[24];
        const char* end = std::to_chars(digits, digits + sizeof digits, value.toLongLong()).ptr;
        return QString::fromLatin1(digits, end - digits);
    }
    return IsNull(value) ? QString() : CStr(value);
}

bool IsDate(const QVariant& value)
{
    switch (KindOf(value)) {
    case ValueKind::Date:
        return true;
    case ValueKind::Text:
        return parseDateText(value.toString()).isValid();
    default:
        return false;
    }
}

QDateTime CDate(const QVariant& value)
{
    switch (KindOf(value)) {
    case ValueKind::Null:
        throw RuntimeError(ErrorNumber::InvalidUseOfNull);
    case ValueKind::Date:
        return DateTimeOf(value);
    case ValueKind::Integer:
    case ValueKind::Real:
        return DateFromSerial(value.toDouble());
    case ValueKind::Boolean:
        return DateFromSerial(value.toBool() ? -1.0 : 0.0);
    case ValueKind::Text:
        if (const QDateTime moment = parseDateText(value.toString()); moment.isValid())
            return moment;
        break;
    case ValueKind::Other:
        break;
    }
    throw RuntimeError(ErrorNumber::TypeMismatch);
}

} // namespace runtime
