#include "platform/machine/machine.h"
#include "platform/machine/machine_config.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const char* const good_config = "[system]\n"
                                "platform = 2\nmajor = 5\nminor = 1\nbuild = 2600\n"
                                "csd = \"Service Pack 2\"\nuser = Administrator\n"
                                "groups = S-1-5-21-1-2-3-513, S-1-5-32-544\n"
                                "windows = C:\\WINDOWS\nsystem = c:/windows/system32\n"
                                "profiles = C:\\Documents and Settings\nprograms = C:\\Programme\\Gatrisk 2002\n"
                                "[accounts]\npupil = S-1-5-21-1-2-3-1003\n"
                                "[drives]\nC = drive_c\n";

// Every file below the folder with its contents, to show that opening changed nothing.
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        files[path] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<dir>");
    }
    return files;
}

struct TempFolder {
    TempFolder(const QByteArray& config)
    {
        QDir(dir.path()).mkpath(QStringLiteral("drive_c"));
        QFile f(dir.path() + QStringLiteral("/machine.ini"));
        f.open(QIODevice::WriteOnly);
        f.write(config);
    }
    QTemporaryDir dir;
};

} // namespace

TEST(MachineConfig, ReadsEveryFact)
{
    TempFolder t(good_config);
    QString error;
    const auto m = platform::Machine::open(t.dir.path(), &error);
    ASSERT_TRUE(m) << error.toStdString();
    const platform::MachineFacts& f = m->facts();
    EXPECT_EQ(f.platform_id, 2u);
    EXPECT_EQ(f.major, 5u);
    EXPECT_EQ(f.minor, 1u);
    EXPECT_EQ(f.build, 2600u);
    EXPECT_EQ(f.csd, "Service Pack 2");
    EXPECT_EQ(f.user, "Administrator");
    EXPECT_EQ(f.groups, QStringList({"S-1-5-21-1-2-3-513", "S-1-5-32-544"}));
    EXPECT_EQ(f.system_dir, "C:\\windows\\system32"); // normalised: backslashes, upper-case drive
    ASSERT_EQ(f.accounts.size(), 1u);
    EXPECT_EQ(f.accounts[0].name, "pupil");
    ASSERT_EQ(f.drives.size(), 1u);
    EXPECT_EQ(f.drives[0].host_folder, t.dir.path() + "/drive_c");
    EXPECT_EQ(m->logical_drives(), 1u << 2);
}

TEST(MachineConfig, WrittenFactsReadBack)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("drive_c");
    platform::MachineFacts f;
    f.csd = " A ";
    f.user = "pupil";
    f.windows_dir = "C:\\WINDOWS";
    f.system_dir = "C:\\WINDOWS\\system32";
    f.profiles_dir = "C:\\Documents and Settings";
    f.program_dir = "C:\\Programme\\Gatrisk 2002";
    f.groups = {"S-1-1-0"};
    f.drives = {{QLatin1Char('C'), dir.path() + "/drive_c"}};
    QString error;
    const auto read = platform::parse_machine_config(platform::format_machine_config(f, dir.path()), "x.ini",
                                                     dir.path(), &error);
    ASSERT_TRUE(read) << error.toStdString();
    EXPECT_EQ(read->csd, " A ");
    EXPECT_EQ(read->drives[0].host_folder, dir.path() + "/drive_c");
    EXPECT_EQ(read->groups, f.groups);
}

struct BadConfig {
    const char* name;
    std::string text;
    const char* message; // what the message must hold after "<file>"
};

// Rows print by name in test listings.
void PrintTo(const BadConfig& row, std::ostream* os) { *os << row.name; }

class MalformedConfig : public testing::TestWithParam<BadConfig> {};

TEST_P(MalformedConfig, GivesOneMessageAndChangesNothing)
{
    TempFolder t(QByteArray::fromStdString(GetParam().text));
    const auto before = snapshot(t.dir.path());
    QString error;
    EXPECT_FALSE(platform::Machine::open(t.dir.path(), &error));
    const QString file = t.dir.path() + "/machine.ini";
    EXPECT_TRUE(error.startsWith(file)) << error.toStdString();
    EXPECT_TRUE(error.contains(QLatin1String(GetParam().message))) << error.toStdString();
    EXPECT_FALSE(error.contains('\n'));
    EXPECT_EQ(snapshot(t.dir.path()), before);
}

std::string replaced(const std::string& from, const std::string& to)
{
    std::string s = good_config;
    const auto at = s.find(from);
    return at == std::string::npos ? s : s.replace(at, from.size(), to);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MalformedConfig,
    testing::Values(
        BadConfig{"NotANumber", replaced("major = 5", "major = five"), ":3: \"major\" must be a number"},
        BadConfig{"NoEquals", replaced("user = Administrator", "user Administrator"), ":7: expected \"name = value\""},
        BadConfig{"UnknownKey", replaced("build = 2600", "bild = 2600"), ":5: unknown entry \"bild\""},
        BadConfig{"UnknownSection", replaced("[accounts]", "[acounts]"), ":13: unknown section [acounts]"},
        BadConfig{"Twice", replaced("minor = 1", "minor = 1\nminor = 2"), ":5: \"minor\" is given twice (first on line 4)"},
        BadConfig{"MissingUser", replaced("user = Administrator\n", ""), ":1: [system] has no \"user\" entry"},
        BadConfig{"BadSid", replaced("S-1-5-32-544", "S-1-5-32-x"), ":8: \"S-1-5-32-x\" is not a SID"},
        BadConfig{"NotFullPath", replaced("windows = C:\\WINDOWS", "windows = WINDOWS"), ":9: \"WINDOWS\" is not a full Windows path"},
        BadConfig{"UnmappedDrive", replaced("programs = C:", "programs = E:"), ":12: \"E:\\Programme\\Gatrisk 2002\" lies on drive E:"},
        BadConfig{"BadLetter", replaced("C = drive_c", "CC = drive_c"), ":16: \"CC\" is not a drive letter"},
        BadConfig{"MissingDriveFolder", replaced("C = drive_c", "C = nowhere"), ":16: the folder"},
        BadConfig{"NoDrives", replaced("[drives]\nC = drive_c\n", ""), "there is no [drives] section"},
        BadConfig{"BeforeSection", "user = x\n" + std::string(good_config), ":1: \"user\" stands before any section"},
        BadConfig{"NotUtf8", replaced("pupil", "p\xFFpil"), "not UTF-8"},
        BadConfig{"UnclosedSection", replaced("[drives]", "[drives"), ":15: a section header must end with"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(MachineConfig, MissingFileNamesIt)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(platform::Machine::open(dir.path(), &error));
    EXPECT_EQ(error, dir.path() + "/machine.ini: the machine's configuration file is missing");
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}
