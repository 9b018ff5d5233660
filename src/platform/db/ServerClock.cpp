#include "platform/db/ServerClock.h"
#include "platform/runtime/WallClock.h"

namespace db {

std::optional<QDateTime>& ServerClock::fixed()
{
    static std::optional<QDateTime> value;
    return value;
}

QDateTime ServerClock::now() { return runtime::WallDateTime(fixed().value_or(QDateTime::currentDateTime())); }

void ServerClock::setFixed(const QDateTime& now) { fixed() = runtime::WallDateTime(now); }

void ServerClock::reset() { fixed().reset(); }

} // namespace db
