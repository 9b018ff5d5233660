#include "installer/DemoBranch.h"
#include "installer/Installer.h"

namespace installer {
void fillDemoBranch(const QString&, const DemoOptions&, QTextStream&)
{
    throw InstallError("demo data is being written");
}
} // namespace installer
