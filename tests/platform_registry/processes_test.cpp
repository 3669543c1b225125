// The registry across processes: the hive helper program mounts and dismounts, a second process sees what was
// flushed, program starts and termination signals flush first.

#include "platform/accounts/hive_loader.h"
#include "platform/command_line.h"
#include "platform/machine/mount_table.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/registry/machine_registry.h"
#include "hive_checks.h"
#include "test_machine.h"
#include "testsupport/context/lock_holder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <chrono>
#include <csignal>
#include <future>
#include <optional>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {
namespace {

using test::System;
using test::TestMachine;

const QString pupil_hive = "C:\\Documents and Settings\\pupil\\NTUSER.DAT";
const QString desktop = "Control Panel\\Desktop";

class AcrossProcesses : public testing::Test {
protected:
    explicit AcrossProcesses(bool admin = true) : machine(System::xp, admin) {}

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("GATRISK_MACHINE", machine.folder());
        if (!inherited_arguments.isNull())
            env.insert("GATRISK_ARGUMENTS", inherited_arguments);
        return env;
    }

    int run(const QString& program, const QStringList& args, QString* output = nullptr, int timeout_ms = 30000)
    {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(program, args);
        if (!process.waitForFinished(timeout_ms))
            return -1;
        if (output)
            *output = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
        last_error = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    int regg(const QStringList& args) { return run(REGG_PROGRAM, args); }
    QString probe_get(const QString& root, const QString& key, const QString& value)
    {
        QString output;
        EXPECT_EQ(run(PROBE_PROGRAM, {"get", root, key, value}, &output), 0);
        return output;
    }

    // Started as the program starts it, from a Windows command line; its exit code.
    std::uint32_t run_by_program(const QString& command_line)
    {
        Processes processes(machine.machine());
        const auto pid = processes.shell(command_line, 0);
        if (!pid.ok())
            return 0xDEAD;
        std::optional<std::uint32_t> code;
        while ((code = processes.exit_code(pid.value)) && *code == still_active)
            ::usleep(1000);
        return code.value_or(0xDEAD);
    }
    QStringList mounts() const
    {
        QStringList names;
        for (const Mount& m : MountTable(machine.machine()).list().value_or(std::vector<Mount>{{"?", "?"}}))
            names.push_back(m.name);
        return names;
    }

    TestMachine machine;
    QString last_error;          // what the last program run wrote to its error output
    QString inherited_arguments; // set: what the started programs find of an earlier start in their environment
};

TEST_F(AcrossProcesses, MountedByTheHelperProgramAndSeenByAnotherProcess)
{
    Registry registry(machine.layout());
    EXPECT_EQ(REG_CreateKey(registry, HKEY_USERS, "pupil\\Software"), 0);
    ASSERT_EQ(regg({"load", pupil_hive, "HKU\\pupil"}), 0);

    EXPECT_EQ(REG_GetString(registry, HKEY_USERS, "pupil\\" + desktop, "Wallpaper"), "C:\\WINDOWS\\Web\\Wallpaper\\Bliss.bmp");
    EXPECT_EQ(REG_CreateKey(registry, HKEY_USERS, "pupil\\Software"), 2);
    ASSERT_EQ(REG_SetString(registry, HKEY_USERS, "pupil\\" + desktop, "Wallpaper", "C:\\x.bmp"), 0);
    ASSERT_EQ(REG_CreateKey(registry, HKEY_USERS, "pupil\\" + desktop), 2);
    EXPECT_EQ(probe_get("HKU", "pupil\\" + desktop, "Wallpaper"), "C:\\x.bmp");

    ASSERT_EQ(regg({"unload", "HKU\\pupil"}), 0);
    EXPECT_EQ(REG_GetString(registry, HKEY_USERS, "pupil\\" + desktop, "Wallpaper"), "");
    EXPECT_EQ(REG_CreateKey(registry, HKEY_USERS, "pupil\\Software"), 0);
    EXPECT_EQ(probe_get("HKU", "pupil\\" + desktop, "Wallpaper"), "");
    EXPECT_EQ(test::value_in_file(machine.host(pupil_hive), u"Control Panel\\Desktop", u"Wallpaper"), "C:\\x.bmp");
    EXPECT_TRUE(test::sound_hive(machine.host(pupil_hive)));
    // Dismounting a name that is not mounted is harmless.
    EXPECT_EQ(regg({"unload", "HKU\\pupil"}), 0);
}

// The helper reads a hive as far as its header says: a hive followed by far more zeros than any hive may hold
// (sparse, it costs no disk) is mounted as the hive it is.
TEST_F(AcrossProcesses, HelperMountsAHiveFollowedByZerosAsFarAsItsHeaderSays)
{
    const QByteArray host = QFile::encodeName(machine.host(pupil_hive));
    ASSERT_EQ(::truncate(host.constData(), off_t{3} << 30), 0);
    ASSERT_EQ(regg({"load", pupil_hive, "HKU\\pupil"}), 0) << last_error.toStdString();
    Registry registry(machine.layout());
    EXPECT_EQ(REG_GetString(registry, HKEY_USERS, "pupil\\" + desktop, "Wallpaper"),
              "C:\\WINDOWS\\Web\\Wallpaper\\Bliss.bmp");
    EXPECT_EQ(regg({"unload", "HKU\\pupil"}), 0);
}

struct RefusalRow {
    const char* name;
    QString file;
    QString target;
    std::function<void(AcrossProcesses&, TestMachine&)> prepare;
};
void PrintTo(const RefusalRow& row, std::ostream* out) { *out << row.name; }

// Held open while a test runs: another process's lock on the hive file.
int held_fd = -1;

class HelperRefuses : public AcrossProcesses, public testing::WithParamInterface<RefusalRow> {
public:
    void TearDown() override
    {
        if (held_fd >= 0)
            ::close(held_fd);
        held_fd = -1;
    }
    int load(const QString& file, const QString& target) { return regg({"load", file, target}); }
};

TEST_P(HelperRefuses, AndMountsNothing)
{
    const RefusalRow& row = GetParam();
    if (row.prepare)
        row.prepare(*this, machine);
    const QString name = row.target.mid(4);
    Registry before(machine.layout());
    const bool was_mounted = REG_CreateKey(before, HKEY_USERS, name) == 2;
    EXPECT_EQ(regg({"load", row.file, row.target}), 1);
    EXPECT_FALSE(last_error.isEmpty()) << "the helper program says why it mounts nothing";
    Registry after(machine.layout());
    EXPECT_EQ(REG_CreateKey(after, HKEY_USERS, name + "\\Software") == 2, was_mounted);
    EXPECT_FALSE(QFile::exists(machine.host("C:\\Documents and Settings\\nobody\\NTUSER.DAT")));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HelperRefuses,
    testing::Values(
        RefusalRow{"logged_on_users_hive", "C:\\Documents and Settings\\Administrator\\NTUSER.DAT", "HKU\\admin", {}},
        RefusalRow{"machine_hive", "C:\\WINDOWS\\system32\\config\\SOFTWARE", "HKU\\soft", {}},
        RefusalRow{"missing_file", "C:\\Documents and Settings\\nobody\\NTUSER.DAT", "HKU\\nobody", {}},
        RefusalRow{"not_a_hive", pupil_hive, "HKU\\pupil",
                   [](AcrossProcesses&, TestMachine& m) { test::write_bytes(m.host(pupil_hive), std::vector<std::uint8_t>(8192, 7)); }},
        RefusalRow{"locked_by_another_process", pupil_hive, "HKU\\pupil",
                   [](AcrossProcesses&, TestMachine& m) {
                       held_fd = ::open(QFile::encodeName(m.host(pupil_hive)).constData(), O_RDONLY | O_CLOEXEC);
                       ::flock(held_fd, LOCK_EX);
                   }},
        RefusalRow{"mounted_already_under_another_name", pupil_hive, "HKU\\second",
                   [](AcrossProcesses& self, TestMachine&) { ASSERT_EQ(static_cast<HelperRefuses&>(self).load(pupil_hive, "HKU\\pupil"), 0); }},
        RefusalRow{"name_taken", "C:\\Documents and Settings\\Schueler\\NTUSER.DAT", "HKU\\pupil",
                   [](AcrossProcesses& self, TestMachine&) { ASSERT_EQ(static_cast<HelperRefuses&>(self).load(pupil_hive, "HKU\\pupil"), 0); }},
        RefusalRow{"default_users_name", "C:\\Documents and Settings\\Schueler\\NTUSER.DAT", "HKU\\.DEFAULT", {}}),
    [](const auto& row) { return std::string(row.param.name); });

struct BlankNameRow {
    const char* name;
    const char* account;     // its profile folder, and the mount name
    bool by_the_program;     // from the loader's command lines; else as a shell splits them
    const char* inherited;   // what the helper inherits of another start; nullptr: nothing
};
void PrintTo(const BlankNameRow& row, std::ostream* out) { *out << row.name; }

class NameWithBlanks : public AcrossProcesses, public testing::WithParamInterface<BlankNameRow> {
protected:
    int helper(const QString& command_line)
    {
        if (GetParam().by_the_program) {
            if (!inherited_arguments.isNull())
                qputenv("GATRISK_ARGUMENTS", inherited_arguments.toLocal8Bit());
            const int code = static_cast<int>(run_by_program(command_line));
            qunsetenv("GATRISK_ARGUMENTS");
            return code;
        }
        const QString program = "\"" + hive_helper_path(machine.machine().facts().program_dir) + "\"";
        return regg(split_arguments(command_line.mid(program.size())));
    }
};

TEST_P(NameWithBlanks, RunsToTheEndOfTheCommandLine)
{
    const BlankNameRow& row = GetParam();
    const QString account = row.account;
    const QString hive = "C:\\Documents and Settings\\" + account + "\\NTUSER.DAT";
    ASSERT_TRUE(QDir().mkpath(machine.host("C:\\Documents and Settings") + "/" + account));
    ASSERT_TRUE(QFile::copy(machine.host(pupil_hive), machine.host("C:\\Documents and Settings") + "/" + account + "/NTUSER.DAT"));
    if (row.inherited)
        inherited_arguments = row.inherited;
    const QString folder = machine.machine().facts().program_dir;

    ASSERT_EQ(helper(hive_load_command(folder, hive, account)), 0) << last_error.toStdString();
    EXPECT_EQ(mounts(), QStringList({account}));
    Registry registry(machine.layout());
    EXPECT_EQ(REG_CreateKey(registry, HKEY_USERS, account + "\\Software"), 2);

    ASSERT_EQ(helper(hive_unload_command(folder, account)), 0) << last_error.toStdString();
    EXPECT_TRUE(mounts().isEmpty()) << mounts().join(",").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NameWithBlanks,
    testing::Values(BlankNameRow{"by_the_program", "John Smith", true, nullptr},
                    BlankNameRow{"two_blanks_by_the_program", "Anna  Maria", true, nullptr},
                    BlankNameRow{"from_a_shell", "John Smith", false, nullptr},
                    BlankNameRow{"inherited_text_of_another_start_is_not_taken", "John Smith", false,
                                 " load x HKU\\Administrator"},
                    BlankNameRow{"inherited_text_is_replaced_by_the_program", "Anna  Maria", true,
                                 " unload HKU\\pupil"}),
    [](const auto& row) { return std::string(row.param.name); });

class HelperAsAUser : public AcrossProcesses {
protected:
    HelperAsAUser() : AcrossProcesses(false) {}
};

TEST_F(HelperAsAUser, MountsAndDismountsNothing)
{
    EXPECT_EQ(regg({"load", pupil_hive, "HKU\\pupil"}), 1);
    EXPECT_FALSE(last_error.isEmpty()) << "the helper program says why it mounts nothing";
    EXPECT_TRUE(mounts().isEmpty()) << mounts().join(",").toStdString();

    // An administrator's mount stays.
    ASSERT_NE(MountTable(machine.machine()).add({"pupil", pupil_hive, false}), MountChange::failed);
    EXPECT_EQ(regg({"unload", "HKU\\pupil"}), 1);
    EXPECT_EQ(mounts(), QStringList({"pupil"}));
}

TEST_F(AcrossProcesses, AHiveThatIsNotCleanIsMountedReadOnly)
{
    std::vector<std::uint8_t> bytes = test::file_bytes(machine.host(pupil_hive));
    bytes[4] ^= 1; // the sequence numbers differ; the checksum is not checked for this
    std::uint32_t sum = 0;
    for (std::size_t at = 0; at < 508; at += 4)
        sum ^= bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
    for (int i = 0; i < 4; ++i)
        bytes[508 + i] = static_cast<std::uint8_t>(sum >> (8 * i));
    test::write_bytes(machine.host(pupil_hive), bytes);

    ASSERT_EQ(regg({"load", pupil_hive, "HKU\\pupil"}), 0) << last_error.toStdString();
    Registry registry(machine.layout());
    EXPECT_NE(REG_GetString(registry, HKEY_USERS, "pupil\\" + desktop, "Wallpaper"), "");
    EXPECT_EQ(REG_CreateKey(registry, HKEY_USERS, "pupil\\Software"), 0); // the caller's write test sees it
    EXPECT_EQ(test::file_bytes(machine.host(pupil_hive)), bytes);
}

TEST_F(AcrossProcesses, ProgramStartsFlushFirst)
{
    Registry registry(machine.layout());
    Processes processes(machine.machine());
    flush_before_starts(registry, processes);
    ASSERT_EQ(REG_SetString(registry, HKEY_CURRENT_USER, desktop, "Wallpaper", "pending.bmp"), 0);

    const QString load = "\"C:\\Programme\\Gatrisk 2002\\regg.exe\" load \"" + pupil_hive + "\" HKU\\pupil";
    const auto pid = processes.shell(load, 0);
    ASSERT_TRUE(pid.ok());
    std::optional<std::uint32_t> code;
    while ((code = processes.exit_code(pid.value)) && *code == still_active)
        ::usleep(1000);
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(registry.pending());
    EXPECT_EQ(test::value_in_file(machine.host("C:\\Documents and Settings\\Administrator\\NTUSER.DAT"),
                                  u"Control Panel\\Desktop", u"Wallpaper"),
              "pending.bmp");
    EXPECT_EQ(REG_CreateKey(registry, HKEY_USERS, "pupil\\Software"), 2);
}

TEST_F(AcrossProcesses, AProgramEndingThroughExitFlushes)
{
    EXPECT_EQ(run(PROBE_PROGRAM, {"exit", "HKCU", desktop, "Wallpaper", "at exit"}), 0);
    EXPECT_EQ(test::value_in_file(machine.host("C:\\Documents and Settings\\Administrator\\NTUSER.DAT"),
                                  u"Control Panel\\Desktop", u"Wallpaper"),
              "at exit");
}

TEST_F(AcrossProcesses, ATerminationSignalFlushesBeforeTheProgramEnds)
{
    Registry here(machine.layout()); // has the hive parsed before the other process writes it
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        const QString before = REG_GetString(here, HKEY_CURRENT_USER, desktop, "Wallpaper");
        QProcess process;
        process.setProcessEnvironment(environment());
        const QString text = "ended by " + QString::number(signal);
        process.start(PROBE_PROGRAM, {"hold", "HKCU", desktop, "Wallpaper", text});
        ASSERT_TRUE(process.waitForReadyRead(30000));
        ASSERT_EQ(process.readLine().trimmed(), "pending");
        EXPECT_NE(test::value_in_file(machine.host("C:\\Documents and Settings\\Administrator\\NTUSER.DAT"),
                                      u"Control Panel\\Desktop", u"Wallpaper"),
                  text);
        ::kill(static_cast<pid_t>(process.processId()), signal);
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitStatus(), QProcess::CrashExit); // ended by the signal itself
        EXPECT_EQ(test::value_in_file(machine.host("C:\\Documents and Settings\\Administrator\\NTUSER.DAT"),
                                      u"Control Panel\\Desktop", u"Wallpaper"),
                  text);
        // The other process's change is noticed and read again.
        EXPECT_NE(before, text);
        EXPECT_EQ(REG_GetString(here, HKEY_CURRENT_USER, desktop, "Wallpaper"), text);
    }
}

// A process stopped while it holds a lock holds this one up for the lock wait at most.
TEST_F(AcrossProcesses, AFlushGivesUpOnAHiveFolderLockedTooLong)
{
    const QString user_hive = machine.host("C:\\Documents and Settings\\Administrator\\NTUSER.DAT");
    Registry registry(machine.layout());
    ASSERT_EQ(REG_SetString(registry, HKEY_CURRENT_USER, desktop, "Wallpaper", "late.bmp"), 0);
    const std::vector<std::uint8_t> before = test::file_bytes(user_hive);
    {
        std::optional<testsupport::LockHolder> writer(std::in_place, QFileInfo(user_hive).absolutePath());
        ASSERT_TRUE(writer->locked());
        const auto start = std::chrono::steady_clock::now();
        auto flushed = std::async(std::launch::async, [&] { return registry.flush_all(); });
        const bool ended = flushed.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
        const auto waited = std::chrono::steady_clock::now() - start;
        writer.reset(); // a flush still waiting gets the folder now
        ASSERT_TRUE(ended) << "the flush waits for as long as the other process holds the folder";
        EXPECT_EQ(flushed.get(), ERROR_LOCK_VIOLATION);
        EXPECT_LT(waited, std::chrono::seconds(5));
    }
    EXPECT_EQ(test::file_bytes(user_hive), before);
    EXPECT_TRUE(registry.pending());
    EXPECT_EQ(registry.flush_all(), 0);
    EXPECT_EQ(test::value_in_file(user_hive, u"Control Panel\\Desktop", u"Wallpaper").toStdString(), "late.bmp");
}

TEST_F(AcrossProcesses, TheMountTableIsReadWithoutWaitingAndChangedOnlyWithinTheLockWait)
{
    ASSERT_EQ(regg({"load", pupil_hive, "HKU\\pupil"}), 0);
    const QString wallpaper = probe_get("HKU", "pupil\\" + desktop, "Wallpaper");
    ASSERT_NE(wallpaper, "");
    {
        const testsupport::LockHolder writer(machine.machine().mount_lock_path());
        ASSERT_TRUE(writer.locked());
        QString output;
        EXPECT_EQ(run(PROBE_PROGRAM, {"get", "HKU", "pupil\\" + desktop, "Wallpaper"}, &output, 10000), 0)
            << "a read under HKEY_USERS waits for the mount table's lock";
        EXPECT_EQ(output, wallpaper);

        // A change gives up after the lock wait, with a message.
        EXPECT_EQ(run(REGG_PROGRAM, {"unload", "HKU\\pupil"}, nullptr, 10000), 2);
        EXPECT_TRUE(last_error.contains("held by another process")) << last_error.toStdString();
    }
    EXPECT_EQ(probe_get("HKU", "pupil\\" + desktop, "Wallpaper"), wallpaper); // still mounted
    EXPECT_EQ(regg({"unload", "HKU\\pupil"}), 0);
}

} // namespace
} // namespace platform
