#pragma once

// The previous-instance test: one copy of the program per user session.
namespace core {

// True when another copy of the program holds the instance lock; otherwise takes the lock, held
// until the process ends or gives it up, and returns false.
bool AnotherInstanceRunning();
// Gives the lock up: the next call takes it afresh, in the runtime folder of that moment.
void ReleaseInstanceLock();

} // namespace core
