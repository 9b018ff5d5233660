// The main of every test that uses widgets: one QApplication for the whole run, made before the
// tests and gone after them.

#include "platform/ui/ElidedText.h"
#include "platform/ui/Fonts.h"

#include <QApplication>
#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
// The leak checker's standing exceptions. Fontconfig holds a pattern's elements by their offset from
// the pattern, not by a pointer, so the elements of every pattern still alive at the end (Qt's font
// engines keep the patterns of their fallback fonts until then) look unreferenced.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
#endif

int main(int argc, char** argv)
{
    // Tests draw off screen unless told otherwise (also when CTest lists them while building).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // the program's fonts and captions, as ui::Application sets them
    ui::useDesktopFonts(app);
    QApplication::setStyle(new ui::FittingStyle);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
