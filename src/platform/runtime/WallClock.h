#pragma once

#include <QDateTime>

// Date-times are wall-clock readings without a time zone, as the original's Date values were.
// They are kept with the UTC time spec so that no time-zone rule ever shifts them (or costs a
// time-zone look-up); every date-time the layers make goes through these two helpers.
namespace runtime {

inline QDateTime WallDateTime(const QDate& date, const QTime& time = QTime(0, 0))
{
    return QDateTime(date, time, Qt::UTC);
}

// The same reading as a wall-clock value (for values that arrive in another time spec).
inline QDateTime WallDateTime(const QDateTime& moment)
{
    return moment.timeSpec() == Qt::UTC ? moment : WallDateTime(moment.date(), moment.time());
}

} // namespace runtime
