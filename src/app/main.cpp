// Quorvel: the front-counter query program of a courier branch office.
#include "app/RegisterWindows.h"
#include "core/MainModule.h"

#include "installer/StatusProcedures.h"

#include "platform/ui/Application.h"
#include "platform/ui/WindowHost.h"

int main(int argc, char** argv)
{
    ui::Application app(argc, argv);
    RegisterQueryWindows();
    // the stored procedures the branch server runs for the delivery status report
    installer::addStatusProcedures();
    try {
        core::Main();
    } catch (const ui::ProgramEnd&) {
        return 0;
    }
    return app.exec();
}
