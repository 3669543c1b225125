#include "temp_machine.h"

#include "platform/machine/machine_config.h"
#include "platform/system_queries.h"
#include "platform/win32_system.h"

#include <gtest/gtest.h>

namespace {

platform::Machine with_facts(const TempMachine& t, const std::function<void(platform::MachineFacts&)>& change)
{
    platform::MachineFacts f = t.machine->facts();
    change(f);
    QString error;
    auto m = platform::Machine::from_facts(t.machine->folder(), f, &error);
    EXPECT_TRUE(m) << error.toStdString();
    return *m;
}

} // namespace

struct OsRow {
    const char* name;
    std::uint32_t platform_id, major, minor, build;
    const char* os;
    bool nt;
};

// Rows print by name in test listings.
void PrintTo(const OsRow& row, std::ostream* os) { *os << row.name; }

class GetOs : public testing::TestWithParam<OsRow> {
protected:
    static TempMachine* t;
    static void SetUpTestSuite() { t = new TempMachine; }
    static void TearDownTestSuite() { delete t; }
};
TempMachine* GetOs::t = nullptr;

TEST_P(GetOs, NameAndFamily)
{
    const OsRow& r = GetParam();
    const platform::Machine m = with_facts(*t, [&](platform::MachineFacts& f) {
        f.platform_id = r.platform_id;
        f.major = r.major;
        f.minor = r.minor;
        f.build = r.build;
    });
    EXPECT_EQ(platform::get_os(m), QLatin1String(r.os));
    EXPECT_EQ(platform::is_nt(m), r.nt);
}

// Every row of the decision table, first match wins; the 9x build carries the version in its high word.
INSTANTIATE_TEST_SUITE_P(
    Table, GetOs,
    testing::Values(OsRow{"Nt4", 2, 4, 0, 1381, "WinNT", true}, OsRow{"Nt4AnyMinor", 2, 4, 7, 5, "WinNT", true},
                    OsRow{"Xp", 2, 5, 1, 2600, "WinXP", true}, OsRow{"Win2000", 2, 5, 0, 2195, "Win2K", true},
                    OsRow{"Nt5Minor2", 2, 5, 2, 3790, "Win2K", true}, OsRow{"Nt6", 2, 6, 0, 6000, "Win???", false},
                    OsRow{"Nt3", 2, 3, 51, 1057, "Win???", false},
                    OsRow{"Above4Build1998", 1, 5, 0, 1998, "Win98", false},
                    OsRow{"Above4OtherBuild", 1, 5, 0, 2222, "Win98SE", false},
                    OsRow{"Win98", 1, 4, 10, 1998, "Win98", false}, OsRow{"Win98SE", 1, 4, 10, 2222, "Win98SE", false},
                    OsRow{"Win98HighBuildBits", 1, 4, 10, 0x00AA07CE, "Win98", false},
                    OsRow{"Win95", 1, 4, 0, 950, "Win95", false}, OsRow{"WinMe", 1, 4, 90, 3000, "WinME", false},
                    OsRow{"Windows4Other", 1, 4, 3, 1, "Win???", false},
                    OsRow{"WindowsBelow4", 1, 3, 10, 1998, "Win???", false},
                    OsRow{"Win32s", 0, 1, 30, 1, "Win32S", false}, OsRow{"OtherPlatform", 3, 4, 0, 1, "Win???", false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(OsName, BuildIsReadAsSigned16Bits)
{
    // 34766 is -30770 as a signed 16-bit number: neither 1998 nor anything else matters but the equality.
    EXPECT_EQ(platform::os_name(1, 4, 10, 1998 + 65536), "Win98");
    EXPECT_EQ(platform::os_name(1, 4, 10, 34766), "Win98SE");
}

TEST(SystemQueries, DirectoriesEndInOneBackslash)
{
    TempMachine t;
    EXPECT_EQ(platform::get_windir(*t.machine), "C:\\WINDOWS\\");
    EXPECT_EQ(platform::get_sysdir(*t.machine), "C:\\WINDOWS\\system32\\");
    EXPECT_EQ(platform::get_profilesdir(*t.machine), "C:\\Documents and Settings\\");
    const platform::Machine root = with_facts(t, [](platform::MachineFacts& f) { f.windows_dir = "C:\\"; });
    EXPECT_EQ(platform::get_windir(root), "C:\\");
}

TEST(SystemQueries, UserNameEndsInOneNul)
{
    TempMachine t;
    const platform::Machine pupil = with_facts(t, [](platform::MachineFacts& f) { f.user = "pupil"; });
    const QString name = platform::get_username(pupil);
    EXPECT_EQ(name.size(), 6);
    EXPECT_EQ(name, QString("pupil") + QChar(0));
    EXPECT_EQ(platform::get_language(), 1);
}

TEST(SystemQueries, NoProfilesDirectoryOn9x)
{
    TempMachine t(platform::SampleSystem::win98);
    EXPECT_EQ(platform::get_profilesdir(*t.machine), "");
    QByteArray buffer(255, ' ');
    std::uint32_t size = 255;
    EXPECT_FALSE(platform::win32::GetProfilesDirectoryA(*t.machine, buffer, size));
}

TEST(Win32System, BufferRules)
{
    TempMachine t(platform::SampleSystem::win98se);
    platform::win32::OsVersionInfo info;
    info.size = 100;
    EXPECT_FALSE(platform::win32::GetVersionExA(*t.machine, info));
    info.size = 148;
    ASSERT_TRUE(platform::win32::GetVersionExA(*t.machine, info));
    EXPECT_EQ(info.build, 0x040A08AEu); // 4.10 in the high word, 2222 in the low
    EXPECT_EQ(std::string(info.csd.data()), " A ");

    QByteArray buffer(4, ' ');
    std::uint32_t size = 4;
    EXPECT_FALSE(platform::win32::GetUserNameA(*t.machine, buffer, size));
    EXPECT_EQ(size, 14u); // "Administrator" and its NUL
    EXPECT_EQ(buffer, QByteArray(4, ' '));
    EXPECT_EQ(platform::win32::GetWindowsDirectoryA(*t.machine, buffer, 4), 11u); // "C:\WINDOWS" and NUL
    EXPECT_EQ(platform::win32::GetLogicalDrives(*t.machine), (1u << 2) | (1u << 3));
}
