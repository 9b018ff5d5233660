#include "platform/db/LockWait.h"

#include <algorithm>
#include <sqlite3.h>

namespace db {
namespace {

LockWait::Listener& listener()
{
    static LockWait::Listener kept;
    return kept;
}

} // namespace

void LockWait::setListener(Listener l) { listener() = std::move(l); }

void LockWait::notify(bool waiting)
{
    if (listener())
        listener()(waiting);
}

int LockWaiter::busyHandler(void* waiter, int attempts)
{
    auto* self = static_cast<LockWaiter*>(waiter);
    if (!self->m_waiting) {
        self->m_waiting = true;
        self->m_waited.start();
        LockWait::notify(true);
    }
    qint64 pause = std::min(1 + 5 * qint64(attempts), qint64(50));
    if (self->m_limitMs > 0) {
        const qint64 left = self->m_limitMs - self->m_waited.elapsed();
        if (left <= 0)
            return 0;
        pause = std::min(pause, left);
    }
    sqlite3_sleep(int(pause));
    return 1;
}

void LockWaiter::callDone()
{
    if (!m_waiting)
        return;
    m_waiting = false;
    LockWait::notify(false);
}

} // namespace db
