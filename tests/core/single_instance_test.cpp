// A second copy of the program says so and ends.

#include "support/CoreFixture.h"

#include "core/MainModule.h"

#include <QLockFile>
#include <QStandardPaths>

using testsupport::CoreFixture;

namespace {

class SingleInstance : public CoreFixture {};

TEST_F(SingleInstance, ASecondCopyEndsAtOnce)
{
    install(QDate(2026, 6, 15));
    // the first copy holds the instance lock
    QLockFile first(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + "/quorvel.lock");
    ASSERT_TRUE(first.tryLock(0));
    EXPECT_THROW(core::Main(), ui::ProgramEnd);
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].prompt, "Only One Instance can be run at a Time");
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].icon(), ui::vbInformation);
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].title, "Quorvel");
    EXPECT_EQ(core::gcnnServer.state(), db::ObjectState::Closed);
}

} // namespace
