// Windows paths the program reads or composes land inside the installation root.

#include "platform/paths/Installation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class InstallationPaths : public ::testing::Test {
protected:
    void SetUp() override { qputenv("QUORVEL_ROOT", root.path().toLocal8Bit()); }
    void TearDown() override { qunsetenv("QUORVEL_ROOT"); }
    QTemporaryDir root;
};

TEST_F(InstallationPaths, MapsDrivesUncAndRelativePaths)
{
    const QString r = root.path();
    struct Case {
        const char* windows;
        QString expected;
    } cases[] = {
        {"C:\\NVX\\NVX_ZEL_CONFIG.ini", r + "/C/NVX/NVX_ZEL_CONFIG.ini"},
        {"c:/nvx/a.ini", r + "/C/nvx/a.ini"},
        {"\\\\imagehost\\pods\\2026\\6\\7\\DZEL1.JPG", r + "/UNC/imagehost/pods/2026/6/7/DZEL1.JPG"},
        {"ConvertedExcelFile\\Report.xlsx", r + "/ConvertedExcelFile/Report.xlsx"},
        {".\\BackScreen.jpg", r + "/BackScreen.jpg"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(paths::mapWindowsPath(QLatin1String(c.windows)), c.expected) << c.windows;
}

TEST_F(InstallationPaths, ExistingComponentsAreFoundWhateverTheirCase)
{
    QDir().mkpath(root.path() + "/C/Nvx");
    QFile(root.path() + "/C/Nvx/Nvx_Zel_Config.INI").open(QIODevice::WriteOnly);
    EXPECT_EQ(paths::mapWindowsPath("C:\\NVX\\NVX_ZEL_CONFIG.ini"), root.path() + "/C/Nvx/Nvx_Zel_Config.INI");
    EXPECT_EQ(paths::serversFolder(), root.path() + "/servers");
}

} // namespace
