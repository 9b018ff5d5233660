// The main of every test that uses widgets: one QApplication for the whole run, made before the
// tests and gone after them.

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Tests draw off screen unless told otherwise (also when CTest lists them while building).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
