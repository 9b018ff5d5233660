#include "platform/db/LockWaitListener.h"

namespace db {
namespace {

LockWaitListener::Callback& callback()
{
    static LockWaitListener::Callback kept;
    return kept;
}

} // namespace

void LockWaitListener::set(Callback c) { callback() = std::move(c); }

void LockWaitListener::notify(bool waiting)
{
    if (callback())
        callback()(waiting);
}

} // namespace db
