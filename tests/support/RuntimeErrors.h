#pragma once

// The number of the runtime error a call raises, for the tests of the runtime's errors.

#include "platform/runtime/RuntimeError.h"

#include <gtest/gtest.h>

#include <functional>

namespace testsupport {

// The number of the error the call raises; a call that raises none fails the test.
inline runtime::ErrorNumber errorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const runtime::RuntimeError& error) {
        return error.number();
    }
    ADD_FAILURE() << "no runtime error raised";
    return runtime::ErrorNumber{};
}

} // namespace testsupport
