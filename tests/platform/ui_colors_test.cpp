// The system colours as the windows give them (0x80000000 + index), read from the palette of the
// default theme: every text colour is readable on the background it is drawn on, and the edges
// of controls stand out from their faces.

#include "platform/ui/Colors.h"

#include "support/Contrast.h"

#include <gtest/gtest.h>

using testsupport::contrastRatio;

namespace {

QColor systemColor(quint32 index) { return ui::toQColor(0x80000000u + index); }

} // namespace

TEST(SystemColors, EachForegroundIsReadableOnItsBackground)
{
    const struct {
        quint32 foreground;
        quint32 background;
        double least;
        const char* what;
    } pairs[] = {
        {8, 5, 4.5, "window text on the window"},
        {7, 4, 4.5, "menu text on the menu"},
        {7, 30, 4.5, "menu text on the menu bar"},
        {18, 15, 4.5, "button text on the button face"},
        {23, 24, 4.5, "info text on the info background (the grid's editor)"},
        {14, 13, 3.0, "highlighted text on the highlight"},
        {14, 29, 3.0, "highlighted text on the menu highlight"},
        {9, 2, 3.0, "caption text on the active caption"},
        {26, 5, 3.0, "a hot-tracked item on the window"},
        {6, 5, 3.0, "the window frame around the window"},
        {21, 15, 3.0, "the dark 3D shadow on the button face"},
        {12, 5, 1.5, "the application workspace beside a window"},
        {17, 5, 1.5, "grey text is lighter, but still shows"},
    };
    for (const auto& p : pairs)
        EXPECT_GE(contrastRatio(systemColor(p.foreground), systemColor(p.background)), p.least) << p.what;
}
