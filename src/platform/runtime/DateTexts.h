#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <QVariant>

namespace runtime {

// The texts of a result's dates in one pattern of the day alone (no time of day in it), each
// written out once: the rows of a result fall on the few days of its range.
class DateTexts {
public:
    explicit DateTexts(QString pattern) : m_pattern(std::move(pattern)) {}

    // Format(value, pattern): a date or date-time through the texts already written.
    QString of(const QVariant& value);

private:
    QString m_pattern;
    QHash<QDate, QString> m_texts;
};

} // namespace runtime
