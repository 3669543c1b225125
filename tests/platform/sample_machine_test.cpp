#include "temp_machine.h"

#include "platform/file_attributes.h"
#include "platform/system_queries.h"

#include <QFileInfo>

#include <gtest/gtest.h>

struct SampleRow {
    platform::SampleSystem system;
    const char* os;
    const char* profiles; // "" for none
};

void PrintTo(const SampleRow& row, std::ostream* os) { *os << row.os; }

class SampleMachine : public testing::TestWithParam<SampleRow> {};

TEST_P(SampleMachine, Layout)
{
    const SampleRow& r = GetParam();
    TempMachine t(r.system, {{"GATR2002.EXE", platform::ProgramPlace::program_folder, PLATFORM_TEST_CHILD}});
    ASSERT_TRUE(t.machine);
    const platform::Machine& m = *t.machine;
    EXPECT_EQ(platform::get_os(m), QLatin1String(r.os));
    EXPECT_EQ(m.facts().profiles_dir, QLatin1String(r.profiles));
    EXPECT_TRUE(QFileInfo(t.host(m.facts().system_dir)).isDir());

    const QString program = t.host("C:\\Programme\\Gatrisk 2002\\GATR2002.EXE");
    EXPECT_TRUE(QFileInfo(program).isSymLink());
    EXPECT_EQ(QFileInfo(program).canonicalFilePath(), QFileInfo(PLATFORM_TEST_CHILD).canonicalFilePath());
    const QByteArray help = t.read("C:\\Programme\\Gatrisk 2002\\gatr2002.hlp");
    EXPECT_TRUE(help.contains("<title>Gatrisk 2002 Help</title>")) << help.left(200).toStdString();

    const QString msdos = "C:\\MSDOS.SYS";
    if (m.is_nt_family()) {
        EXPECT_FALSE(t.exists(msdos));
        for (const char* p : {"Administrator", "pupil", "Schueler", "All Users", "Default User", "LocalService",
                              "NetworkService"})
            EXPECT_TRUE(QFileInfo(t.host(m.profile_dir(QLatin1String(p)))).isDir()) << p;
        EXPECT_EQ(m.hive_files().current_user, QLatin1String(r.profiles) + "\\Administrator\\NTUSER.DAT");
    } else {
        const QByteArray text = t.read(msdos);
        EXPECT_TRUE(text.startsWith("[Paths]\r\nWinDir=C:\\WINDOWS\r\n"));
        EXPECT_TRUE(text.contains("\r\n[Options]\r\n"));
        EXPECT_GT(text.size(), 1024);
        EXPECT_FALSE(QByteArray(text).replace("\r\n", "").contains('\n'));
        const auto attributes = platform::host_attributes(t.host(msdos));
        ASSERT_TRUE(attributes);
        EXPECT_TRUE(*attributes & platform::attr_readonly);
        if (platform::host_keeps_dos_attributes(t.host("C:\\WINDOWS\\CONTROL.INI"))) {
            EXPECT_EQ(*attributes, platform::attr_readonly | platform::attr_hidden | platform::attr_system);
        }
        EXPECT_EQ(m.hive_files().current_user, "C:\\WINDOWS\\USER.DAT");
    }
    // The hive places are reserved, not filled: an empty file would be taken for a missing hive and deleted.
    for (const QString& hive : platform::sample_hive_files(m))
        EXPECT_FALSE(t.exists(hive)) << hive.toStdString();

    // The machine reads back from its own configuration.
    QString error;
    const auto again = platform::Machine::open(m.folder(), &error);
    ASSERT_TRUE(again) << error.toStdString();
    EXPECT_EQ(again->facts().csd, m.facts().csd);
    EXPECT_EQ(again->facts().groups, m.facts().groups);
}

INSTANTIATE_TEST_SUITE_P(
    Systems, SampleMachine,
    testing::Values(SampleRow{platform::SampleSystem::win95, "Win95", ""},
                    SampleRow{platform::SampleSystem::win98, "Win98", ""},
                    SampleRow{platform::SampleSystem::win98se, "Win98SE", ""},
                    SampleRow{platform::SampleSystem::winme, "WinME", ""},
                    SampleRow{platform::SampleSystem::nt4, "WinNT", "C:\\WINNT\\Profiles"},
                    SampleRow{platform::SampleSystem::win2000, "Win2K", "C:\\Documents and Settings"},
                    SampleRow{platform::SampleSystem::winxp, "WinXP", "C:\\Documents and Settings"}),
    [](const auto& row) { return platform::sample_system_name(row.param.system).toStdString(); });

TEST(SampleMachineCreation, RefusesAFolderThatHoldsAMachine)
{
    TempMachine t;
    QString error;
    EXPECT_FALSE(platform::create_sample_machine(t.machine->folder(), {}, &error));
    EXPECT_TRUE(error.contains("holds a machine already"));
}

TEST(SampleMachineCreation, HiveWriterRunsBeforeTheConfigurationIsWritten)
{
    QTemporaryDir dir;
    platform::SampleOptions options;
    QStringList places;
    options.write_hives = [&](const platform::Machine& m, QString*) {
        places = platform::sample_hive_files(m);
        EXPECT_FALSE(QFileInfo::exists(m.config_path()));
        return true;
    };
    ASSERT_TRUE(platform::create_sample_machine(dir.path() + "/m", options));
    EXPECT_TRUE(places.contains("C:\\WINDOWS\\system32\\config\\SOFTWARE"));
    EXPECT_TRUE(places.contains("C:\\Documents and Settings\\pupil\\NTUSER.DAT"));

    options.write_hives = [](const platform::Machine&, QString* error) {
        *error = "hive writer failed";
        return false;
    };
    QString error;
    EXPECT_FALSE(platform::create_sample_machine(dir.path() + "/n", options, &error));
    EXPECT_TRUE(error.contains("hive writer failed"));
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "/n/machine.ini"));
}
