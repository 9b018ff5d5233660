#include "platform/db/SqlText.h"

namespace db {

QString sqlQuote(const QString& text)
{
    // written once into a text made to size: a value is quoted for every statement that holds it
    QString quoted;
    quoted.reserve(text.size() + 2);
    quoted += QLatin1Char('\'');
    const QStringView rest(text);
    qsizetype from = 0;
    for (qsizetype apostrophe; (apostrophe = rest.indexOf(u'\'', from)) >= 0; from = apostrophe + 1) {
        quoted += rest.sliced(from, apostrophe + 1 - from);
        quoted += QLatin1Char('\'');
    }
    quoted += rest.sliced(from);
    quoted += QLatin1Char('\'');
    return quoted;
}

QString sqlName(const QString& name)
{
    QString escaped = name;
    escaped.replace(QLatin1Char(']'), QLatin1String("]]"));
    return QLatin1Char('[') + escaped + QLatin1Char(']');
}

QString sqliteName(const QString& name) { return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"'; }

QString sqlDate(const QDate& date)
{
    return QLatin1Char('\'') + date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('\'');
}

QString sqlDateTime(const QDateTime& dateTime)
{
    return QLatin1Char('\'') + dateTime.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QLatin1Char('\'');
}

} // namespace db
