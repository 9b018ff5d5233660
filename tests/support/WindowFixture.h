#pragma once

// A test of one window of the program: the core fixture, with the window's default instance
// unloaded after each test.

#include "support/CoreFixture.h"

namespace testsupport {

template <class Window>
class WindowFixture : public CoreFixture {
protected:
    void TearDown() override
    {
        ui::DefaultInstance<Window>::unload();
        CoreFixture::TearDown();
    }

    static Window& window() { return ui::DefaultInstance<Window>::get(); }
};

} // namespace testsupport
