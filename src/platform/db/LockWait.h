#pragma once

#include <QElapsedTimer>
#include <functional>

namespace db {

// Told when a statement begins to wait for a database another connection is writing (true) and
// when that wait is over (false), so the program can show that it waits.
class LockWait {
public:
    using Listener = std::function<void(bool waiting)>;
    static void setListener(Listener listener);
    static void notify(bool waiting);
};

// How long the statements of one connection wait for a lock: SQLite's busy handler of the
// connection, which tells LockWait when a wait begins.
class LockWaiter {
public:
    // 0: until the other connection is done.
    void setLimit(int seconds) { m_limitMs = seconds > 0 ? qint64(seconds) * 1000 : 0; }
    // SQLite's busy handler: whether to try again, after a pause. The time-out counts from the
    // call's first wait.
    static int busyHandler(void* waiter, int attempts);
    // After a call of the connection: tells LockWait that its wait, if it waited, is over.
    void callDone();

private:
    qint64 m_limitMs = 30000;
    QElapsedTimer m_waited; // since the call's first wait
    bool m_waiting = false;
};

} // namespace db
