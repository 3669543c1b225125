#include "temp_machine.h"

#include "platform/machine/mount_table.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include <sys/wait.h>
#include <unistd.h>

using platform::MountChange;
using platform::ProcessIdentity;

TEST(MountTable, AddReplaceFindRemove)
{
    TempMachine t;
    platform::MountTable table(*t.machine);
    EXPECT_TRUE(table.list()->empty());
    EXPECT_EQ(table.add({"pupil", "C:\\Documents and Settings\\pupil\\NTUSER.DAT", false}), MountChange::added);
    EXPECT_EQ(table.add({"Schueler", "C:\\Documents and Settings\\Schueler\\NTUSER.DAT", true}), MountChange::added);
    EXPECT_EQ(table.add({"PUPIL", "C:\\x\\NTUSER.DAT", true}), MountChange::replaced);
    const auto found = table.find("Pupil");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->name, "PUPIL");
    EXPECT_EQ(found->hive_file, "C:\\x\\NTUSER.DAT");
    EXPECT_TRUE(found->read_only);
    EXPECT_EQ(table.list()->size(), 2u);
    EXPECT_EQ(table.remove("pupil"), MountChange::removed);
    EXPECT_EQ(table.remove("pupil"), MountChange::not_found);
    EXPECT_FALSE(table.find("pupil"));

    // Another table object of the same machine sees the same mounts.
    platform::MountTable other(*t.machine);
    ASSERT_EQ(other.list()->size(), 1u);
    EXPECT_EQ(other.list()->front().name, "Schueler");
}

TEST(MountTable, IsMountedComparesFilesNotSpellings)
{
    TempMachine t;
    const QString hive = "C:\\Documents and Settings\\pupil\\NTUSER.DAT";
    t.write(hive, "regf");
    platform::MountTable table(*t.machine);
    EXPECT_FALSE(table.is_mounted(t.host(hive)));
    table.add({"pupil", "c:/DOCUMENTS AND SETTINGS/Pupil/ntuser.dat", false});
    EXPECT_TRUE(table.is_mounted(t.host(hive)));
    EXPECT_FALSE(table.is_mounted(t.host("C:\\Documents and Settings\\Schueler\\NTUSER.DAT")));
}

TEST(MountTable, RefusedNamesChangeNothing)
{
    TempMachine t;
    platform::MountTable table(*t.machine);
    QString error;
    for (const char* name : {"", "a\tb", "a\nb", "a\\b"})
        EXPECT_EQ(table.add({QLatin1String(name), "C:\\x", false}, &error), MountChange::failed) << name;
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(table.list()->empty());
}

struct LineRow {
    const char* name;
    const char* line;
    bool readable;
    std::optional<ProcessIdentity> owner;
};
void PrintTo(const LineRow& row, std::ostream* out) { *out << row.name; }

class MountLine : public testing::TestWithParam<LineRow> {};

TEST_P(MountLine, ReadsOrIsReported)
{
    const LineRow& r = GetParam();
    TempMachine t;
    QFile f(t.machine->mount_table_path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(r.line);
    f.close();
    platform::MountTable table(*t.machine);
    QString error;
    const auto mounts = table.list(&error);
    ASSERT_EQ(mounts.has_value(), r.readable) << error.toStdString();
    if (!r.readable) {
        EXPECT_TRUE(error.contains("mounts.txt:1:")) << error.toStdString();
        EXPECT_EQ(table.add({"a", "C:\\a", false}), MountChange::failed);
        return;
    }
    ASSERT_EQ(mounts->size(), 1u);
    EXPECT_EQ(mounts->front().owner, r.owner);
    // Written back as it was read.
    ASSERT_EQ(table.add({"other", "C:\\b", false}), MountChange::added);
    EXPECT_EQ(table.find("pupil")->owner, r.owner);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MountLine,
    testing::Values(LineRow{"without_owner_as_older_tables", "pupil\t0\tC:\\x\n", true, std::nullopt},
                    LineRow{"with_owner", "pupil\t1\tC:\\x\t4321:98765\n", true, ProcessIdentity{4321, 98765}},
                    LineRow{"bad_read_only", "pupil\t2\tC:\\x\n", false, std::nullopt},
                    LineRow{"bad_owner", "pupil\t0\tC:\\x\t4321\n", false, std::nullopt},
                    LineRow{"empty_owner", "pupil\t0\tC:\\x\t\n", false, std::nullopt},
                    LineRow{"too_many_fields", "pupil\t0\tC:\\x\t1:2\t3\n", false, std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

// A process that has ended, reaped.
ProcessIdentity ended_process()
{
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(0);
    const auto identity = platform::running_process(pid); // running, or a zombie already
    int status = 0;
    ::waitpid(pid, &status, 0);
    return identity.value_or(ProcessIdentity{pid, 1});
}

struct OwnerRow {
    const char* name;
    std::function<std::optional<ProcessIdentity>()> owner;
    bool held;
};
void PrintTo(const OwnerRow& row, std::ostream* out) { *out << row.name; }

class MountOwner : public testing::TestWithParam<OwnerRow> {};

TEST_P(MountOwner, HoldsTheMountWhileItRuns)
{
    const OwnerRow& r = GetParam();
    const platform::Mount mount{"pupil", "C:\\x", false, r.owner()};
    EXPECT_EQ(platform::held_by_another_process(mount, platform::this_process()), r.held);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MountOwner,
    testing::Values(
        OwnerRow{"none", [] { return std::nullopt; }, false},
        OwnerRow{"the_caller", [] { return platform::this_process(); }, false},
        OwnerRow{"another_running_process", [] { return platform::running_process(::getppid()); }, true},
        OwnerRow{"an_ended_process", [] { return ended_process(); }, false},
        OwnerRow{"a_later_process_of_the_same_id",
                 [] {
                     ProcessIdentity parent = *platform::running_process(::getppid());
                     ++parent.started;
                     return parent;
                 },
                 false}),
    [](const auto& row) { return std::string(row.param.name); });

enum class Planted { link, dangling_link, hard_link };

struct PlantRow {
    const char* name;
    const char* file; // in the machine folder
    Planted kind;
    bool changed;     // the change is made
};
void PrintTo(const PlantRow& row, std::ostream* out) { *out << row.name; }

class MountTableFiles : public testing::TestWithParam<PlantRow> {};

// A hostile machine folder: a link of the temporary or the lock file's name must not have a file outside the
// machine written or made.
TEST_P(MountTableFiles, AreNeverWrittenThroughALink)
{
    const PlantRow& r = GetParam();
    TempMachine t;
    QTemporaryDir outside_dir;
    ASSERT_TRUE(outside_dir.isValid());
    const QString outside = outside_dir.path() + "/outside.txt";
    const QByteArray before = "not the machine's\n";
    if (r.kind != Planted::dangling_link) {
        QFile f(outside);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(before);
    }
    const QString planted = t.machine->folder() + "/" + r.file;
    if (r.kind == Planted::hard_link)
        ASSERT_EQ(::link(QFile::encodeName(outside).constData(), QFile::encodeName(planted).constData()), 0);
    else
        ASSERT_TRUE(QFile::link(outside, planted));

    platform::MountTable table(*t.machine);
    QString error;
    EXPECT_EQ(table.add({"pupil", "C:\\x", false}, &error) == MountChange::added, r.changed) << error.toStdString();
    if (r.kind == Planted::dangling_link) {
        EXPECT_FALSE(QFileInfo::exists(outside));
    } else {
        QFile f(outside);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), before);
    }
    EXPECT_EQ(table.find("pupil").has_value(), r.changed);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MountTableFiles,
    testing::Values(PlantRow{"temporary_links_to_a_file", "mounts.txt.new", Planted::link, true},
                    PlantRow{"temporary_links_nowhere", "mounts.txt.new", Planted::dangling_link, true},
                    PlantRow{"temporary_is_a_second_name_of_a_file", "mounts.txt.new", Planted::hard_link, true},
                    PlantRow{"lock_links_to_a_file", "mounts.lock", Planted::link, false},
                    PlantRow{"lock_links_nowhere", "mounts.lock", Planted::dangling_link, false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(MountTable, ConcurrentWritersLoseNothing)
{
    TempMachine t;
    constexpr int writers = 6;
    constexpr int entries = 15;
    std::vector<pid_t> children;
    for (int w = 0; w < writers; ++w) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            platform::MountTable table(*t.machine);
            bool ok = true;
            for (int e = 0; e < entries; ++e)
                ok = ok && table.add({QStringLiteral("w%1e%2").arg(w).arg(e), "C:\\hive", false}) == MountChange::added;
            ::_exit(ok ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const auto mounts = platform::MountTable(*t.machine).list();
    ASSERT_TRUE(mounts);
    EXPECT_EQ(mounts->size(), static_cast<std::size_t>(writers * entries));
}
