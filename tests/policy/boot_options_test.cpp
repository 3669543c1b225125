#include "platform/file_attributes.h"
#include "policy/boot_options.h"
#include "testsupport/context/test_program.h"

#include <QFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using policy::BootOptions;

namespace {

const QString msdos = QStringLiteral("C:\\MSDOS.SYS");

testsupport::ProgramOptions on(platform::SampleSystem system)
{
    testsupport::ProgramOptions options;
    options.system = system;
    return options;
}

QByteArray contents(testsupport::TestProgram& program)
{
    QFile f(program.host(msdos));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void replace_contents(testsupport::TestProgram& program, const QByteArray& text)
{
    ASSERT_TRUE(platform::set_host_attributes(program.host(msdos), 0));
    QFile f(program.host(msdos));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}

TEST(BootOptions, WriteSetsAndRemovesTheEntriesOfOptions)
{
    testsupport::TestProgram program(on(platform::SampleSystem::win98));
    ASSERT_TRUE(policy::write_boot_options(program.context(), {true, false}));
    QByteArray text = contents(program);
    EXPECT_TRUE(text.contains("[Options]\r\n"));
    EXPECT_TRUE(text.contains("\r\nAutoscan=0\r\n")) << text.toStdString();
    EXPECT_FALSE(text.contains("AutoScan=1"));
    EXPECT_FALSE(text.toLower().contains("bootkeys"));
    EXPECT_TRUE(text.contains("BootGUI=1")); // the rest stays
    // Read-only, hidden and system are gone and stay gone.
    EXPECT_EQ(platform::host_attributes(program.host(msdos)).value_or(99) & 7u, 0u);
    EXPECT_EQ(policy::read_boot_options(program.context()), (BootOptions{true, false}));

    ASSERT_TRUE(policy::write_boot_options(program.context(), {false, true}));
    text = contents(program);
    EXPECT_FALSE(text.toLower().contains("autoscan"));
    EXPECT_TRUE(text.contains("\r\nBootkeys=0\r\n"));
    EXPECT_EQ(policy::read_boot_options(program.context()), (BootOptions{false, true}));
}

TEST(BootOptions, ReaderTakesTheFirstEightCharactersOfEachItem)
{
    struct Case {
        const char* text;
        BootOptions expected;
    };
    const Case cases[] = {
        {"[Options]\r\nAutoScan=1\r\n", {false, false}},
        {"[Options]\r\nAutoscan=0\r\n", {true, false}},
        {"[Options]\r\nAutoscan=2\r\nBootKeys=0\r\n", {true, false}},
        {"[Options]\r\nBootkeys=0\r\n", {false, true}},
        {"[Paths]\r\nWinDir=C:\\WINDOWS,Autoscan\r\n  \"Bootkeys=1\"\r\n", {true, true}},
        {"", {false, false}},
    };
    testsupport::TestProgram program(on(platform::SampleSystem::win98));
    for (const Case& c : cases) {
        replace_contents(program, c.text);
        ASSERT_TRUE(platform::set_host_attributes(program.host(msdos), platform::attr_readonly | platform::attr_hidden));
        EXPECT_EQ(policy::read_boot_options(program.context()), c.expected) << c.text;
        EXPECT_EQ(platform::host_attributes(program.host(msdos)).value_or(99) & 7u, 0u) << c.text;
        EXPECT_FALSE(program.context().files.is_open(1));
    }
}

TEST(BootOptions, WithoutTheFileNothingIsCreated)
{
    testsupport::TestProgram program; // Windows XP: no MSDOS.SYS
    EXPECT_FALSE(policy::write_boot_options(program.context(), {true, true}));
    EXPECT_FALSE(QFile::exists(program.host(msdos)));
    EXPECT_EQ(policy::read_boot_options(program.context()), (BootOptions{false, false}));
    EXPECT_FALSE(QFile::exists(program.host(msdos)));
}

TEST(BootOptions, AFileHeldByAnotherProgramIsLeftAsItIs)
{
    testsupport::TestProgram program(on(platform::SampleSystem::win98));
    replace_contents(program, "[Options]\r\nAutoscan=0\r\n");
    const QByteArray before = contents(program);
    const int fd = ::open(QFile::encodeName(program.host(msdos)).constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    EXPECT_FALSE(policy::write_boot_options(program.context(), {false, true}));
    EXPECT_EQ(contents(program), before);
    EXPECT_EQ(policy::read_boot_options(program.context()), (BootOptions{false, false}));
    ::close(fd);
    EXPECT_EQ(policy::read_boot_options(program.context()), (BootOptions{true, false}));
}

} // namespace
