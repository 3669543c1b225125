#include "platform/accounts/profiles.h"

#include "platform/registry.h"
#include "platform/system_queries.h"
#include "testsupport/context/test_program.h"
#include "tests/accounts/qt_print.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using platform::SampleSystem;

namespace {

struct FolderRow {
    const char* name;
    const char* main_path;
    const char* os;
    const char* profiles_dir;
    const char* windows_dir;
    const char* expected;
};

class ProfilesFolder : public testing::TestWithParam<FolderRow> {};

TEST_P(ProfilesFolder, IsChosenFromTheSettingOrTheSystem)
{
    const FolderRow& r = GetParam();
    EXPECT_EQ(platform::choose_profiles_folder(r.main_path, r.os, r.profiles_dir, r.windows_dir), QString(r.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ProfilesFolder,
    testing::Values(
        FolderRow{"SettingWinsOnXp", "E:\\Konten\\", "WinXP", "C:\\Documents and Settings\\", "C:\\WINDOWS\\",
                  "E:\\Konten\\"},
        FolderRow{"SettingWithoutBackslashKept", "E:\\Konten", "Win2K", "C:\\Documents and Settings\\", "C:\\WINNT\\",
                  "E:\\Konten"},
        FolderRow{"SettingOn98", "E:\\Konten\\", "Win98", "", "C:\\WINDOWS\\", "E:\\Konten\\"},
        FolderRow{"Nt4System", "", "WinNT", "C:\\WINNT\\Profiles\\", "C:\\WINNT\\", "C:\\WINNT\\Profiles\\"},
        FolderRow{"Nt4Guess", "", "WinNT", "", "C:\\WINNT\\", "C:\\WINNT\\Profiles\\"},
        FolderRow{"Win2000System", "", "Win2K", "C:\\Documents and Settings\\", "C:\\WINNT\\",
                  "C:\\Documents and Settings\\"},
        FolderRow{"Win2000Guess", "", "Win2K", "", "D:\\WINNT\\", "D:\\Dokumente und Einstellungen\\"},
        FolderRow{"XpGuess", "", "WinXP", "", "C:\\WINDOWS\\", "C:\\Dokumente und Einstellungen\\"},
        FolderRow{"Win98None", "", "Win98", "", "C:\\WINDOWS\\", ""},
        FolderRow{"UnknownNone", "", "Win???", "C:\\x\\", "C:\\WINDOWS\\", ""}),
    [](const testing::TestParamInfo<FolderRow>& row) { return std::string(row.param.name); });

class Profiles : public testing::Test {
protected:
    explicit Profiles(SampleSystem system = SampleSystem::winxp) : program(options(system)) {}

    static testsupport::ProgramOptions options(SampleSystem system)
    {
        testsupport::ProgramOptions o;
        o.system = system;
        return o;
    }

    void set_main_path(const QString& path)
    {
        ASSERT_EQ(platform::REG_SetString(program.registry(), platform::HKEY_LOCAL_MACHINE,
                                          "Software\\Brekund\\G2002", "ProfileMainPath", path),
                  0);
    }
    void make_folder(const QString& windows_path) { ASSERT_TRUE(QDir().mkpath(program.host(windows_path))); }
    void make_file(const QString& windows_path, const QByteArray& bytes)
    {
        QFile f(program.host(windows_path));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QStringList names() const
    {
        QStringList list;
        for (int i = 1; i <= profiles.profile_count; ++i)
            list.push_back(profiles.profile_names[static_cast<std::size_t>(i)]);
        return list;
    }
    void run() { platform::get_profiles(program.context(), profiles, t810); }

    testsupport::TestProgram program;
    platform::ProfileList profiles;
    QString t810 = "designed";
};

class ProfilesOnNt : public testing::WithParamInterface<SampleSystem>, public Profiles {
protected:
    ProfilesOnNt() : Profiles(GetParam()) {}
};

TEST_P(ProfilesOnNt, SampleMachineYieldsItsAccounts)
{
    run();
    const QString folder = platform::get_profilesdir(program.machine());
    ASSERT_FALSE(folder.isEmpty());
    EXPECT_EQ(profiles.profile_folder, folder);
    EXPECT_EQ(t810, folder);
    // In the order NTFS lists them: without regard to case.
    EXPECT_EQ(names(), QStringList({"Administrator", "pupil", "Schueler"}));
    for (int i = 1; i <= profiles.profile_count; ++i)
        EXPECT_EQ(profiles.profile_hives[static_cast<std::size_t>(i)],
                  folder + profiles.profile_names[static_cast<std::size_t>(i)] + "\\NTUSER.DAT");
    // The logged-on user's hive is held open, and counts as present.
    EXPECT_TRUE(program.ui().messages().empty()) << program.ui().transcript().join("\n").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Systems, ProfilesOnNt,
                         testing::Values(SampleSystem::nt4, SampleSystem::win2000, SampleSystem::winxp),
                         [](const testing::TestParamInfo<SampleSystem>& row) {
                             return "Win" + platform::sample_system_name(row.param).toStdString();
                         });

TEST_F(Profiles, SettingChoosesTheFolderAndUnreadableHivesAreNamedOnce)
{
    set_main_path("D:\\Konten\\");
    // "all users" in lower case is an account; the machine maps names without regard to case, so the folder
    // "All Users" is left to the sample machines.
    for (const char* folder : {"Administrator", "Default User", "LocalService", "NetworkService", "pupil",
                               "all users", "Gast", "Old LocalService copy"})
        make_folder(QString("D:\\Konten\\") + folder);
    make_file("D:\\Konten\\Administrator\\NTUSER.DAT", "regf");
    make_file("D:\\Konten\\pupil\\NTUSER.DAT", "regf");
    make_file("D:\\Konten\\Gast\\NTUSER.DAT", ""); // empty: unreadable, and removed by the probe
    make_file("D:\\Konten\\notes.txt", "not an account");

    run();

    QStringList found = names();
    found.sort();
    EXPECT_EQ(found, QStringList({"Administrator", "Gast", "all users", "pupil"}));
    EXPECT_EQ(profiles.profile_folder, "D:\\Konten\\");
    EXPECT_EQ(t810, "D:\\Konten\\");

    ASSERT_EQ(program.ui().messages().size(), 1u);
    const auto& m = program.ui().messages()[0];
    EXPECT_EQ(m.style, 16);
    EXPECT_EQ(m.title, "Sorry, could not load every files..");
    const QString intro = "Sorry, I could not load the profiles below. Please make sure that you are logged in as an "
                          "Administrator and make also sure that you have all the rights the acess the files "
                          "below...\r\n";
    ASSERT_TRUE(m.text.startsWith(intro)) << m.text.toStdString();
    QStringList listed = m.text.mid(intro.size()).split("\r\n");
    EXPECT_EQ(listed.takeLast(), QString()); // every path ends with a line break
    listed.sort();
    EXPECT_EQ(listed, QStringList({"D:\\Konten\\Gast\\NTUSER.DAT", "D:\\Konten\\all users\\NTUSER.DAT"}));

    // The probe leaves no file behind where there was none or an empty one.
    EXPECT_FALSE(QFileInfo::exists(program.host("D:\\Konten\\all users\\NTUSER.DAT")));
    EXPECT_FALSE(QFileInfo::exists(program.host("D:\\Konten\\Gast\\NTUSER.DAT")));
}

TEST_F(Profiles, SettingWithoutBackslashIsJoinedWithoutSeparator)
{
    set_main_path("D:\\Konten");
    // "D:\Konten*.*" lists the folder itself beside its namesakes, as Windows does.
    make_folder("D:\\Konten\\pupil");
    make_file("D:\\Konten\\pupil\\NTUSER.DAT", "regf");
    make_folder("D:\\Konten.alt");
    make_file("D:\\Konten.alt\\NTUSER.DAT", "regf");

    run();

    EXPECT_EQ(t810, "D:\\Konten");
    EXPECT_EQ(names(), QStringList({"Konten", "Konten.alt"}));
    EXPECT_EQ(profiles.profile_hives[1], "D:\\KontenKonten\\NTUSER.DAT");
    EXPECT_EQ(profiles.profile_hives[2], "D:\\KontenKonten.alt\\NTUSER.DAT");
    ASSERT_EQ(program.ui().messages().size(), 1u);
    EXPECT_TRUE(program.ui().messages()[0].text.endsWith(
        "below...\r\nD:\\KontenKonten\\NTUSER.DAT\r\nD:\\KontenKonten.alt\\NTUSER.DAT\r\n"))
        << program.ui().messages()[0].text.toStdString();
}

TEST_F(Profiles, FolderThatCannotBeListedChangesNothing)
{
    set_main_path("D:\\Nowhere\\");
    profiles.profile_folder = "C:\\Before\\";
    profiles.profile_names[1] = "before";
    profiles.profile_count = 1;

    run();

    EXPECT_EQ(t810, "designed");
    EXPECT_EQ(profiles.profile_folder, "C:\\Before\\");
    EXPECT_EQ(profiles.profile_count, 1);
    EXPECT_EQ(profiles.profile_names[1], "before");
    EXPECT_TRUE(program.ui().messages().empty());
}

TEST_F(Profiles, MoreAccountsThanTheListHoldsAreLeftOut)
{
    set_main_path("D:\\Viele\\");
    for (int i = 0; i < platform::ProfileList::capacity + 5; ++i) {
        const QString folder = QString("D:\\Viele\\user%1").arg(i, 4, 10, QChar('0'));
        make_folder(folder);
        make_file(folder + "\\NTUSER.DAT", "regf");
    }

    run();

    EXPECT_EQ(profiles.profile_count, platform::ProfileList::capacity);
    EXPECT_FALSE(profiles.profile_names[platform::ProfileList::capacity].isEmpty());
    EXPECT_TRUE(program.ui().messages().empty());
}

class ProfilesOn98 : public Profiles {
protected:
    ProfilesOn98() : Profiles(SampleSystem::win98) {}
};

TEST_F(ProfilesOn98, NoProfilesFolderMeansNoChange)
{
    run();
    EXPECT_EQ(profiles.profile_count, 0);
    EXPECT_EQ(t810, "designed");
    EXPECT_TRUE(program.ui().messages().empty());
}

} // namespace
