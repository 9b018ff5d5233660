// Quorvel: the front-counter query program of a courier branch office.
#include "app/RegisterWindows.h"
#include "core/MainModule.h"

#include "platform/ui/Application.h"
#include "platform/ui/WindowHost.h"

int main(int argc, char** argv)
{
    ui::Application app(argc, argv);
    RegisterQueryWindows();
    try {
        core::Main();
    } catch (const ui::ProgramEnd&) {
        return 0;
    }
    return app.exec();
}
