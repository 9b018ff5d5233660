#pragma once

// The previous-instance test: one copy of the program per user session.
namespace core {

// True when another copy of the program holds the instance lock; otherwise takes the lock for
// the life of this process and returns false.
bool AnotherInstanceRunning();

} // namespace core
