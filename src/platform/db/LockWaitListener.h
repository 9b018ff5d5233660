#pragma once

#include <functional>

namespace db {

// The program's one listener for lock waits, whichever connection waits: told when a statement
// begins to wait for a database another connection is writing (true) and when that wait is over
// (false), so the program can show that it waits.
class LockWaitListener {
public:
    using Callback = std::function<void(bool waiting)>;
    static void set(Callback callback);
    static void notify(bool waiting);
};

} // namespace db
