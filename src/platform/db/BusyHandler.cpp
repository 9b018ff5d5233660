#include "platform/db/BusyHandler.h"

#include "platform/db/LockWaitListener.h"

#include <algorithm>
#include <sqlite3.h>

namespace db {

int BusyHandler::onBusy(void* handler, int attempts)
{
    auto* self = static_cast<BusyHandler*>(handler);
    if (!self->m_waiting) {
        self->m_waiting = true;
        self->m_waited.start();
        LockWaitListener::notify(true);
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

void BusyHandler::callDone()
{
    if (!m_waiting)
        return;
    m_waiting = false;
    LockWaitListener::notify(false);
}

} // namespace db
