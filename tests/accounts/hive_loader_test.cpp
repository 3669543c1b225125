#include "platform/accounts/hive_loader.h"

#include "platform/accounts/shell_and_wait.h"
#include "platform/file_attributes.h"
#include "platform/machine/mount_table.h"
#include "platform/registry.h"
#include "testsupport/context/test_program.h"
#include "tests/accounts/qt_print.h"
#include "testsupport/regf/regf_checks.h"

#include "platform/process_identity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using platform::HKEY_USERS;

namespace {

testsupport::ProgramOptions with_helper(bool install)
{
    testsupport::ProgramOptions o;
    o.install_regg = install;
    return o;
}

class HiveLoader : public testing::Test {
protected:
    explicit HiveLoader(bool install_helper = true) : program(with_helper(install_helper)) {}

    QString hive(const QString& account) const { return program.machine().profile_dir(account) + "\\NTUSER.DAT"; }
    QString helper() { return platform::hive_helper_path(program.context().program.folder); }
    std::int16_t load(const QString& file, const QString& name, bool deinstall = false)
    {
        return platform::HIVE_LoadUnload(program.context(), platform::hive_load, file, name, deinstall);
    }
    std::int16_t unload(const QString& name)
    {
        return platform::HIVE_LoadUnload(program.context(), platform::hive_unload, QString(), name, false);
    }
    QStringList mounts() const
    {
        QStringList names;
        const auto list = platform::MountTable(program.machine()).list();
        if (!list) {
            ADD_FAILURE() << "mount table not readable";
            return {"?"};
        }
        for (const platform::Mount& m : *list)
            names.push_back(m.name);
        return names;
    }
    void write_host_file(const QString& windows_path, const QByteArray& bytes)
    {
        QFile f(program.host(windows_path));
        QFile::remove(f.fileName()); // a link would be written through
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    const std::vector<scripted_ui::ShownMessage>& messages() { return program.ui().messages(); }

    testsupport::TestProgram program;
};

TEST(HiveCommandLines, AreExact)
{
    EXPECT_EQ(platform::hive_load_command("C:\\Tools", "C:\\Profiles\\pupil\\NTUSER.DAT", "pupil"),
              "\"C:\\Tools\\regg.exe\" load \"C:\\Profiles\\pupil\\NTUSER.DAT\" HKU\\pupil");
    EXPECT_EQ(platform::hive_unload_command("C:\\Tools", "pupil"), "\"C:\\Tools\\regg.exe\" unload HKU\\pupil");
}

struct ProbeRow {
    const char* name;
    const char* path;        // Windows path; "<hive>" is the logged-on user's hive
    const char* content;     // nullptr: do not create; "" an empty file
    bool read_only;
    std::int32_t code;
    bool exists_afterwards;
};

class HiveProbe : public testing::WithParamInterface<ProbeRow>, public HiveLoader {};

TEST_P(HiveProbe, Code)
{
    const ProbeRow& r = GetParam();
    const QString path = QString(r.path) == "<hive>" ? hive("Administrator") : QString(r.path);
    if (r.content)
        write_host_file(path, r.content);
    if (r.read_only) {
        ASSERT_TRUE(platform::set_host_attributes(program.host(path), platform::attr_readonly));
    }
    EXPECT_EQ(platform::HIVE_CheckFile(program.context().files, path), r.code);
    EXPECT_EQ(QFileInfo::exists(program.host(path)), r.exists_afterwards);
    EXPECT_FALSE(program.context().files.is_open(98));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HiveProbe,
    testing::Values(ProbeRow{"Present", "C:\\hive.dat", "regf", false, 0, true},
                    ProbeRow{"MissingIsCreatedAndRemoved", "C:\\hive.dat", nullptr, false, 1, false},
                    ProbeRow{"EmptyIsRemoved", "C:\\hive.dat", "", false, 1, false},
                    ProbeRow{"EmptyReadOnlyCannotBeRemoved", "C:\\hive.dat", "", true, 2, true},
                    ProbeRow{"ReadOnlyPresent", "C:\\hive.dat", "regf", true, 0, true},
                    ProbeRow{"HeldByAnotherProcess", "<hive>", nullptr, false, 2, true},
                    ProbeRow{"Folder", "C:\\WINDOWS", nullptr, false, 2, true},
                    ProbeRow{"PathNotFound", "C:\\Nowhere\\hive.dat", nullptr, false, 3, false},
                    ProbeRow{"DriveNotMapped", "Q:\\hive.dat", nullptr, false, 3, false},
                    ProbeRow{"InvalidName", "C:\\hi|ve.dat", nullptr, false, 9, false}),
    [](const testing::TestParamInfo<ProbeRow>& row) { return std::string(row.param.name); });

TEST_F(HiveLoader, ProbeWithItsFileNumberInUseIsAnUnknownError)
{
    ASSERT_EQ(program.context().files.open("C:\\other.dat", platform::FileMode::binary, 98), 0);
    EXPECT_EQ(platform::HIVE_CheckFile(program.context().files, hive("pupil")), 9);
}

struct RefusalRow {
    const char* name;
    const char* account;  // whose hive file
    const char* file;     // or this file
    bool block_file_number;
    const char* title;
    const char* text;     // %1 is the file
};

class HiveRefusal : public testing::WithParamInterface<RefusalRow>, public HiveLoader {};

TEST_P(HiveRefusal, OneMessageAndNothingStarted)
{
    const RefusalRow& r = GetParam();
    const QString file = *r.account ? hive(r.account) : QString(r.file);
    if (r.block_file_number) {
        ASSERT_EQ(program.context().files.open("C:\\other.dat", platform::FileMode::binary, 98), 0);
    }

    EXPECT_EQ(load(file, "pupil"), 99);

    ASSERT_EQ(messages().size(), 1u) << program.ui().transcript().join("\n").toStdString();
    EXPECT_EQ(messages()[0].style, 16);
    EXPECT_EQ(messages()[0].title, QString(r.title));
    EXPECT_EQ(messages()[0].text, QString(r.text).arg(file));
    EXPECT_EQ(program.ui().doEventsCalls(), 0); // the helper was not started
    EXPECT_TRUE(mounts().isEmpty());
    if (!*r.account) {
        EXPECT_FALSE(QFileInfo::exists(program.host(file)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HiveRefusal,
    testing::Values(
        RefusalRow{"Missing", "", "C:\\Documents and Settings\\All Users\\NTUSER.DAT", false,
                   "Could not find path/file...",
                   "The file %1 could not be loaded. Please check your profile-pathes and make sure that you logged in "
                   "a new user once."},
        RefusalRow{"InUse", "Administrator", "", false, "File in use...",
                   "Access to %1 was denied. The file is in use by another process or you don't have right to acess."},
        RefusalRow{"NoPath", "", "C:\\Nowhere\\pupil\\NTUSER.DAT", false, "Path not found...",
                   "Could not find the path to %1. Please check you settings (Profile Paths)."},
        RefusalRow{"Unknown", "", "C:\\Profiles\\pu|pil\\NTUSER.DAT", false, "Unknown Error...",
                   "Unexpected Error acessing & %1"}),
    [](const testing::TestParamInfo<RefusalRow>& row) { return std::string(row.param.name); });

TEST_F(HiveLoader, LoadAndUnloadThroughTheHelperProgram)
{
    int pumped_while_mounted = 0;
    program.ui().onDoEvents = [&] { ++pumped_while_mounted; };
    ASSERT_EQ(load(hive("pupil"), "pupil"), 0);
    EXPECT_GT(pumped_while_mounted, 0);
    EXPECT_TRUE(messages().empty()) << program.ui().transcript().join("\n").toStdString();
    EXPECT_EQ(mounts(), QStringList({"pupil"}));

    auto& reg = program.registry();
    ASSERT_EQ(platform::REG_CreateKey(reg, HKEY_USERS, "pupil\\Software\\Probe"), 1);
    ASSERT_EQ(platform::REG_SetDWORD(reg, HKEY_USERS, "pupil\\Software\\Probe", "Written", "7"), 0);

    EXPECT_EQ(unload("pupil"), 0);
    EXPECT_TRUE(mounts().isEmpty());

    std::string error;
    const auto tree = regf_checks::hivex_read(program.account_hive("pupil").toStdString(), &error);
    ASSERT_TRUE(tree) << error;
    const auto key = tree->keys.find("Software\\Probe");
    ASSERT_NE(key, tree->keys.end());
    const regf_checks::OracleValue seven{platform::REG_DWORD, {7, 0, 0, 0}};
    EXPECT_EQ(key->second.at("Written"), seven);
}

TEST_F(HiveLoader, UnloadOfANameNotMountedSucceeds)
{
    EXPECT_EQ(unload("nobody"), 0);
    EXPECT_TRUE(messages().empty());
}

TEST_F(HiveLoader, OtherOperationsDoNothing)
{
    for (std::int16_t op : {0, 3, -1})
        EXPECT_EQ(platform::HIVE_LoadUnload(program.context(), op, hive("pupil"), "pupil", false), 99) << op;
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(program.ui().doEventsCalls(), 0);
    EXPECT_TRUE(mounts().isEmpty());
}

TEST_F(HiveLoader, HiveTheHelperCannotMountFailsTheWriteTest)
{
    write_host_file(hive("pupil"), QByteArray(8192, 'x'));
    EXPECT_EQ(load(hive("pupil"), "pupil"), 99);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].style, 16);
    EXPECT_EQ(messages()[0].title, "Problems while writing to registry...");
    EXPECT_EQ(messages()[0].text, "File was loaded sucessfully but write-access was denied by system. Please check "
                                  "your windows security settings.");
    EXPECT_TRUE(mounts().isEmpty());
}

TEST_F(HiveLoader, ReadOnlyHiveFileFailsTheWriteTestAndIsNeverWritten)
{
    ASSERT_EQ(program.context().files.set_attr(hive("pupil"), 1), 0);
    QFile f(program.account_hive("pupil"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();

    EXPECT_EQ(load(hive("pupil"), "pupil"), 99);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].title, "Problems while writing to registry...");
    const auto mount = platform::MountTable(program.machine()).find("pupil");
    ASSERT_TRUE(mount);
    EXPECT_TRUE(mount->read_only);

    auto& reg = program.registry();
    EXPECT_NE(platform::REG_GetString(reg, HKEY_USERS, "pupil\\Control Panel\\Desktop", "Wallpaper"), "");
    EXPECT_EQ(platform::REG_SetString(reg, HKEY_USERS, "pupil\\Control Panel\\Desktop", "Wallpaper", "x"),
              platform::ERROR_ACCESS_DENIED);
    EXPECT_EQ(reg.flush_all(), 0);
    EXPECT_EQ(unload("pupil"), 0);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
    EXPECT_EQ(program.context().files.set_attr(hive("pupil"), 0), 0);
}

TEST_F(HiveLoader, HiveMountedReadOnlyFailsTheWriteTestAndStaysMounted)
{
    // Unequal sequence numbers: the hive's log was never replayed, so it may only be read.
    QFile f(program.account_hive("pupil"));
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    QByteArray bytes = f.readAll();
    bytes[8] = static_cast<char>(bytes[8] + 1);
    f.seek(0);
    f.write(bytes);
    f.close();

    EXPECT_EQ(load(hive("pupil"), "pupil"), 99);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].title, "Problems while writing to registry...");
    EXPECT_EQ(mounts(), QStringList({"pupil"}));
    EXPECT_EQ(unload("pupil"), 0);
    EXPECT_TRUE(mounts().isEmpty());
}

TEST(HiveLoaderAsAUser, HelperMountsNothingAndTheLoadIsToldAsFailed)
{
    testsupport::ProgramOptions options;
    options.admin = false;
    testsupport::TestProgram program(options);
    const QString file = program.machine().profile_dir("pupil") + "\\NTUSER.DAT";

    EXPECT_EQ(platform::HIVE_LoadUnload(program.context(), platform::hive_load, file, "pupil", false), 99);

    ASSERT_EQ(program.ui().messages().size(), 1u) << program.ui().transcript().join("\n").toStdString();
    EXPECT_EQ(program.ui().messages()[0].style, 16);
    EXPECT_EQ(program.ui().messages()[0].title, "Problems while writing to registry...");
    const auto list = platform::MountTable(program.machine()).list();
    ASSERT_TRUE(list);
    EXPECT_TRUE(list->empty()) << list->front().name.toStdString();
}

TEST_F(HiveLoader, DeinstallSkipsTheProbeAndTheWriteTest)
{
    // The logged-on user's hive is held: the probe would refuse it, the helper refuses to mount it.
    EXPECT_EQ(load(hive("Administrator"), "Administrator", true), 0);
    EXPECT_TRUE(messages().empty()) << program.ui().transcript().join("\n").toStdString();
    EXPECT_GT(program.ui().doEventsCalls(), 0); // the helper ran

    EXPECT_EQ(load("C:\\Nowhere\\NTUSER.DAT", "gone", true), 0);
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(mounts().isEmpty());
}

TEST_F(HiveLoader, EmptyHelperCountsAsMissingAndIsRemoved)
{
    write_host_file(helper(), "");
    EXPECT_EQ(load(hive("pupil"), "pupil"), 99);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].style, 16);
    EXPECT_EQ(messages()[0].title, "File missing...");
    EXPECT_EQ(messages()[0].text, "A file needed to set your restrictions is missing. Please run setup again.");
    EXPECT_FALSE(QFileInfo::exists(program.host(helper())));
}

TEST_F(HiveLoader, HelperThatCannotBeStartedCountsAsMissing)
{
    write_host_file(helper(), "not a program");
    EXPECT_EQ(load(hive("pupil"), "pupil"), 99);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].title, "File missing...");
    EXPECT_TRUE(mounts().isEmpty());

    EXPECT_EQ(unload("pupil"), 99); // the load that follows an unload tells about it
    EXPECT_EQ(messages().size(), 1u);
}

// A profile folder whose name is a branch of HKEY_USERS that the helper can't mount over: the write test would pass
// on the system's own hive there.
struct ForeignBranchRow {
    const char* name;
    std::function<QString(const platform::Machine&)> folder;
};
void PrintTo(const ForeignBranchRow& row, std::ostream* out) { *out << row.name; }

class HiveLoaderForeignBranch : public testing::WithParamInterface<ForeignBranchRow>, public HiveLoader {};

TEST_P(HiveLoaderForeignBranch, IsAFailedLoad)
{
    const QString name = GetParam().folder(program.machine());
    ASSERT_FALSE(name.isEmpty());
    const QString file = hive(name);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(program.host(file)).path()));
    ASSERT_TRUE(QFile::copy(program.account_hive("pupil"), program.host(file)));
    ASSERT_EQ(platform::REG_CreateKey(program.registry(), HKEY_USERS, name + "\\Software"), 2)
        << "the branch is there before any mount";

    EXPECT_EQ(load(file, name), 99);
    ASSERT_EQ(messages().size(), 1u) << program.ui().transcript().join("\n").toStdString();
    EXPECT_EQ(messages()[0].style, 16);
    EXPECT_EQ(messages()[0].title, "Problems while writing to registry...");
    EXPECT_TRUE(mounts().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HiveLoaderForeignBranch,
    testing::Values(ForeignBranchRow{"default_users_name", [](const platform::Machine&) { return QString(".DEFAULT"); }},
                    ForeignBranchRow{"logged_on_users_sid",
                                     [](const platform::Machine& m) {
                                         for (const platform::Account& a : m.facts().accounts)
                                             if (a.name.compare(m.facts().user, Qt::CaseInsensitive) == 0)
                                                 return a.sid;
                                         return QString();
                                     }}),
    [](const auto& row) { return std::string(row.param.name); });

// Another program of the machine, which mounts through the helper program and runs until it is closed.
class OtherProgram {
public:
    OtherProgram(const testsupport::TestProgram& program, const QStringList& command_lines)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("GATRISK_MACHINE", program.machine().folder());
        process_.setProcessEnvironment(env);
        process_.start(ACCOUNTS_PROGRAM_HOLDING_MOUNTS, command_lines);
        ready_ = process_.waitForReadyRead(30000) && process_.readLine().trimmed() == "ready";
    }
    ~OtherProgram() { close(); }
    bool ready() const { return ready_; }
    std::optional<platform::ProcessIdentity> identity() const
    {
        return platform::running_process(static_cast<pid_t>(process_.processId()));
    }
    void close()
    {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.closeWriteChannel();
        process_.waitForFinished(30000);
    }

private:
    QProcess process_;
    bool ready_ = false;
};

enum class MadeBy { another_running_program, a_program_that_ended, an_older_table, this_program };

struct OwnerRow {
    const char* name;
    MadeBy made_by;
    const char* account;   // whose hive is mounted as HKU\pupil
    bool stays;            // the mount outlives this program's unload
    std::int16_t loaded;   // this program's load of pupil's hive afterwards
    const char* told;      // the title of the one message; "" none
};
void PrintTo(const OwnerRow& row, std::ostream* out) { *out << row.name; }

class HiveLoaderMountOwner : public testing::WithParamInterface<OwnerRow>, public HiveLoader {};

// Two programs applying to one account: the second neither dismounts the first one's mount nor writes into it.
TEST_P(HiveLoaderMountOwner, OnlyAStaleMountIsDismounted)
{
    const OwnerRow& r = GetParam();
    const QString folder = program.context().program.folder;
    const QString mounted_file = hive(r.account);
    std::unique_ptr<OtherProgram> other;
    std::optional<platform::ProcessIdentity> other_identity;
    switch (r.made_by) {
    case MadeBy::another_running_program:
    case MadeBy::a_program_that_ended:
        other = std::make_unique<OtherProgram>(program, QStringList{platform::hive_load_command(folder, mounted_file,
                                                                                                "pupil")});
        ASSERT_TRUE(other->ready());
        other_identity = other->identity();
        if (r.made_by == MadeBy::a_program_that_ended)
            other->close();
        break;
    case MadeBy::an_older_table:
        ASSERT_EQ(platform::MountTable(program.machine()).add({"pupil", mounted_file, false}),
                  platform::MountChange::added);
        break;
    case MadeBy::this_program:
        ASSERT_EQ(load(mounted_file, "pupil"), 0);
        break;
    }
    const auto before = platform::MountTable(program.machine()).find("pupil");
    ASSERT_TRUE(before) << "HKU\\pupil is mounted";

    EXPECT_EQ(unload("pupil"), 0);
    const auto after_unload = platform::MountTable(program.machine()).find("pupil");
    EXPECT_EQ(after_unload.has_value(), r.stays);
    if (after_unload) {
        EXPECT_EQ(after_unload->owner, other_identity);
        EXPECT_EQ(after_unload->hive_file, mounted_file);
    }

    EXPECT_EQ(load(hive("pupil"), "pupil"), r.loaded);
    if (*r.told) {
        ASSERT_EQ(messages().size(), 1u) << program.ui().transcript().join("\n").toStdString();
        EXPECT_EQ(messages()[0].style, 16);
        EXPECT_EQ(messages()[0].title, QString(r.told));
    } else {
        EXPECT_TRUE(messages().empty()) << program.ui().transcript().join("\n").toStdString();
    }
    const auto mount = platform::MountTable(program.machine()).find("pupil");
    ASSERT_TRUE(mount);
    if (r.loaded == 0) {
        EXPECT_EQ(mount->owner, platform::this_process());
        EXPECT_EQ(mount->hive_file, hive("pupil"));
    } else {
        EXPECT_EQ(mount->owner, other_identity) << "the other program's mount stays";
        EXPECT_EQ(mount->hive_file, mounted_file);
    }
    if (other)
        other->close();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HiveLoaderMountOwner,
    testing::Values(
        OwnerRow{"another_running_programs", MadeBy::another_running_program, "pupil", true, 99, "File in use..."},
        OwnerRow{"another_running_programs_of_another_hive", MadeBy::another_running_program, "Schueler", true, 99,
                 "Problems while writing to registry..."},
        OwnerRow{"of_a_program_that_ended", MadeBy::a_program_that_ended, "pupil", false, 0, ""},
        OwnerRow{"of_an_older_table_without_owners", MadeBy::an_older_table, "Schueler", false, 0, ""},
        OwnerRow{"this_programs_own", MadeBy::this_program, "Schueler", false, 0, ""}),
    [](const auto& row) { return std::string(row.param.name); });

class HiveLoaderWithoutHelper : public HiveLoader {
protected:
    HiveLoaderWithoutHelper() : HiveLoader(false) {}

    // Puts a recorder of its arguments where the helper program belongs.
    void install_recorder()
    {
        ASSERT_TRUE(QFile::link(ACCOUNTS_ARGUMENT_RECORDER, program.host(helper())));
    }
    QStringList recorded()
    {
        QFile f(program.machine().folder() + "/helper-arguments.txt");
        if (!f.open(QIODevice::ReadOnly))
            return {};
        QStringList lines = QString::fromLocal8Bit(f.readAll()).split('\n');
        lines.removeAll(QString());
        return lines;
    }
};

TEST_F(HiveLoaderWithoutHelper, MissingHelperIsToldOnEveryLoad)
{
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(load(hive("pupil"), "pupil"), 99);
        ASSERT_EQ(messages().size(), static_cast<std::size_t>(i));
        EXPECT_EQ(messages().back().title, "File missing...");
    }
}

TEST_F(HiveLoaderWithoutHelper, HelperGetsItsCommandLinesAndWindowEventsRunMeanwhile)
{
    install_recorder();
    EXPECT_EQ(load(hive("pupil"), "pupil"), 99); // the recorder mounts nothing: the write test fails
    EXPECT_GT(program.ui().doEventsCalls(), 0);
    EXPECT_EQ(recorded(), QStringList({"load", hive("pupil"), "HKU\\pupil"}));
    EXPECT_EQ(unload("pupil"), 0);
    EXPECT_EQ(recorded(), QStringList({"load", hive("pupil"), "HKU\\pupil", "unload", "HKU\\pupil"}));
}

TEST_F(HiveLoaderWithoutHelper, ShellAndWaitAnswersTheExitCode)
{
    install_recorder();
    const auto result = platform::ShellAndWait(program.context(), "\"" + helper() + "\" x", 0, false);
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.value, 0);
    EXPECT_EQ(program.ui().doEventsCalls(), 0);
    EXPECT_EQ(platform::ShellAndWait(program.context(), "C:\\Nowhere\\x.exe", 0, true).error, 53);
}

} // namespace
