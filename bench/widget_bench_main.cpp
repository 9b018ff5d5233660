// The main of the benchmarks that drive windows: one QApplication drawing off screen, message boxes
// answered and modal windows that do not wait.

#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowHost.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::MessageBoxSeam::startAnswering();
    ui::WindowHost::setNonBlocking(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
