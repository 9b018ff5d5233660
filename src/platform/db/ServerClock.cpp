#include "platform/db/ServerClock.h"

namespace db {

std::optional<QDateTime>& ServerClock::fixed()
{
    static std::optional<QDateTime> value;
    return value;
}

QDateTime ServerClock::now() { return fixed().value_or(QDateTime::currentDateTime()); }

void ServerClock::setFixed(const QDateTime& now) { fixed() = now; }

void ServerClock::reset() { fixed().reset(); }

} // namespace db
