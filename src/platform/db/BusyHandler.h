#pragma once

#include <QElapsedTimer>

namespace db {

// SQLite's busy handler of one connection: how long its statements wait for a lock. It tells the
// LockWaitListener when a call of the connection begins to wait, and when that call is over.
class BusyHandler {
public:
    // 0: until the other connection is done.
    void setLimit(int seconds) { m_limitMs = seconds > 0 ? qint64(seconds) * 1000 : 0; }
    // The function SQLite calls with the handler while a lock is taken: whether to try again,
    // after a pause. The time-out counts from the call's first wait.
    static int onBusy(void* handler, int attempts);

    // A call of the connection under way: when it is over, so is its wait, if it waited.
    class Call {
    public:
        explicit Call(BusyHandler& handler) : m_handler(handler) {}
        ~Call() { m_handler.callDone(); }
        Call(const Call&) = delete;
        Call& operator=(const Call&) = delete;

    private:
        BusyHandler& m_handler;
    };

private:
    void callDone();

    qint64 m_limitMs = 30000;
    QElapsedTimer m_waited; // since the call's first wait
    bool m_waiting = false;
};

} // namespace db
