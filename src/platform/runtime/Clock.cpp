#include "platform/runtime/Clock.h"
#include "platform/runtime/WallClock.h"

#include <mutex>
#include <optional>

namespace runtime {
namespace {

std::mutex fixedMutex;
std::optional<QDateTime> fixedMoment;

} // namespace

QDateTime Clock::now()
{
    {
        std::lock_guard lock(fixedMutex);
        if (fixedMoment)
            return *fixedMoment;
    }
    const QDateTime moment = QDateTime::currentDateTime();
    return WallDateTime(moment.date(), QTime(moment.time().hour(), moment.time().minute(), moment.time().second()));
}

QDate Clock::today()
{
    return now().date();
}

void Clock::setFixed(const QDateTime& moment)
{
    std::lock_guard lock(fixedMutex);
    fixedMoment = WallDateTime(moment);
}

void Clock::reset()
{
    std::lock_guard lock(fixedMutex);
    fixedMoment.reset();
}

} // namespace runtime
