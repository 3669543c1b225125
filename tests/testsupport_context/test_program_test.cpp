#include "testsupport/context/test_program.h"

#include <gtest/gtest.h>

using platform::HKEY_USERS;

namespace {

// What the upper layers' tests rely on: a mounted account hive takes writes, and they reach its file.
TEST(TestProgram, MountedAccountTakesWritesIntoItsOwnFile)
{
    testsupport::TestProgram program;
    ASSERT_TRUE(program.mount(QStringLiteral("pupil")));
    auto& reg = program.registry();
    EXPECT_EQ(platform::REG_CreateKey(reg, HKEY_USERS, QStringLiteral("pupil\\Software\\Test")), 1);
    EXPECT_EQ(platform::REG_SetDWORD(reg, HKEY_USERS, QStringLiteral("pupil\\Software\\Test"),
                                     QStringLiteral("Probe"), QStringLiteral("1")),
              0);
    program.unmount(QStringLiteral("pupil"));
    EXPECT_EQ(platform::REG_GetString(reg, HKEY_USERS, QStringLiteral("pupil\\Software\\Test"), QStringLiteral("Probe")),
              QString());

    ASSERT_TRUE(program.mount(QStringLiteral("pupil")));
    EXPECT_EQ(platform::REG_GetString(reg, HKEY_USERS, QStringLiteral("pupil\\Software\\Test"), QStringLiteral("Probe")),
              QStringLiteral("1"));
}

TEST(TestProgram, NonAdministratorCannotWriteTheMachineKeys)
{
    testsupport::ProgramOptions options;
    options.admin = false;
    testsupport::TestProgram program(options);
    EXPECT_EQ(platform::REG_CreateKey(program.registry(), platform::HKEY_LOCAL_MACHINE, QStringLiteral("Software\\X")), 0);
}

} // namespace
