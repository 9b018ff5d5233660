#pragma once

// Test rows given as "Column=SQL value" pairs.

#include <QString>
#include <QStringList>

namespace testsupport {

// The INSERT of the pairs into the table; a later pair for a column replaces the earlier one.
inline QString insertOf(const QString& table, const QStringList& pairs)
{
    QStringList columns;
    QStringList values;
    for (const QString& pair : pairs) {
        const QString column = pair.section('=', 0, 0);
        const QString value = pair.section('=', 1);
        if (const qsizetype at = columns.indexOf(column); at >= 0) {
            values[at] = value;
        } else {
            columns << column;
            values << value;
        }
    }
    return "INSERT INTO " + table + " (" + columns.join(',') + ") VALUES (" + values.join(',') + ")";
}

} // namespace testsupport
