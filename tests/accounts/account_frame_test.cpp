#include "policy/account_frame.h"

#include "platform/accounts/profiles.h"
#include "platform/file_lock.h"
#include "platform/machine/mount_table.h"
#include "policy/click_reactions.h"
#include "policy/operations.h"
#include "testsupport/context/lock_holder.h"
#include "testsupport/regf/regf_checks.h"
#include "tests/accounts/own_window.h"
#include "tests/accounts/qt_print.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

using namespace accounts_tests;
using platform::HKEY_CURRENT_USER;
using platform::HKEY_USERS;
using platform::MousePointer;
using platform::SampleSystem;

namespace {

// The window as its load leaves it: the restriction table, the applet list, the profiles folder in t810,
// a clock text in the status bar's second panel.
class Frame : public testing::Test {
protected:
    explicit Frame(SampleSystem system = SampleSystem::winxp) : w(on(system))
    {
        policy::attach_click_reactions(w.form);
        policy::Get_CR(w.engine);
        policy::CPL_All(w.engine);
        QString folder = w.form.t810.text();
        platform::get_profiles(w.program.context(), w.engine.profiles, folder);
        w.form.t810.setText(folder);
        while (w.form.StatusBar.panelCount() < 2)
            w.form.StatusBar.addPanel();
        w.form.StatusBar.setPanelText(2, "09:30:15");
        w.form.Combo_user.setText("pupil");
        w.program.ui().onDoEvents = [this] {
            ++pumped;
            busy_seen = busy_seen && w.form.mousePointer() == MousePointer::Hourglass && !w.form.Combo_user.enabled();
            progress_seen = w.form.StatusBar.panel(2).text;
        };
    }

    QStringList mounts() const
    {
        QStringList names;
        const auto list = platform::MountTable(w.program.machine()).list();
        if (!list) {
            ADD_FAILURE() << "mount table not readable";
            return {"?"};
        }
        for (const platform::Mount& m : *list)
            names.push_back(m.name);
        return names;
    }
    void expect_restored()
    {
        EXPECT_EQ(w.form.mousePointer(), MousePointer::Default);
        EXPECT_TRUE(w.form.Combo_user.enabled());
        EXPECT_TRUE(mounts().isEmpty()) << mounts().join(",").toStdString();
    }
    // A value of the account's hive file as the hivex library reads it; key names compare without regard to case.
    std::optional<regf_checks::OracleValue> in_hive_file(const QString& account, const QString& key, const char* name)
    {
        EXPECT_EQ(w.registry().flush_all(), 0);
        return on_disk(w.program.account_hive(account), key, name);
    }
    // The same of a hive file as it is now, with nothing flushed first.
    std::optional<regf_checks::OracleValue> on_disk(const QString& hive_file, const QString& key, const char* name)
    {
        std::string error;
        const auto tree = regf_checks::hivex_read(hive_file.toStdString(), &error);
        if (!tree) {
            ADD_FAILURE() << error;
            return std::nullopt;
        }
        for (const auto& [path, values] : tree->keys)
            if (QString::fromStdString(path).compare(key, Qt::CaseInsensitive) == 0) {
                const auto v = values.find(name);
                if (v != values.end())
                    return v->second;
            }
        return std::nullopt;
    }

    OwnWindow w;
    int pumped = 0;
    bool busy_seen = true;
    QString progress_seen;
};

const regf_checks::OracleValue dword_one{platform::REG_DWORD, {1, 0, 0, 0}};
const regf_checks::OracleValue dword_zero{platform::REG_DWORD, {0, 0, 0, 0}};

TEST_F(Frame, ApplyWritesIntoTheAccountsHiveFileThroughTheHelper)
{
    w.form.c11.setValue(1);
    w.form.c23.setValue(1);

    policy::hive(w.engine, policy::hive_apply);

    EXPECT_TRUE(w.messages().empty()) << w.program.ui().transcript().join("\n").toStdString();
    EXPECT_GT(pumped, 0);
    EXPECT_TRUE(busy_seen);
    EXPECT_EQ(progress_seen, "Load Profile:pupil");
    expect_restored();
    EXPECT_EQ(w.form.StatusBar.panel(2).text, "09:30:15");
    EXPECT_EQ(in_hive_file("pupil", explorer_key, "NoClose"), dword_one);
    EXPECT_EQ(in_hive_file("pupil", explorer_key, "NoLogOff"), dword_zero);
    EXPECT_EQ(in_hive_file("pupil", "SOFTWARE\\Policies\\Microsoft\\Internet Explorer\\Restrictions",
                           "NoBrowserOptions"),
              dword_one);
    // Nothing of it reached the running account.
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, explorer_key, "NoClose"), platform::Variant());
}

TEST_F(Frame, LoadReadsTheAccountsHiveThroughTheHelper)
{
    ASSERT_TRUE(w.program.mount("pupil"));
    w.set_dword(HKEY_USERS, "pupil\\" + explorer_key, "NoRun", 1);
    w.set_dword(HKEY_USERS, "pupil\\" + hide_key, "C", 1);
    w.program.unmount("pupil");
    w.form.c12.setValue(1);

    policy::hive(w.engine, policy::hive_read);

    EXPECT_TRUE(w.messages().empty()) << w.program.ui().transcript().join("\n").toStdString();
    EXPECT_EQ(w.form.c13.value(), 1);
    EXPECT_EQ(w.form.c12.value(), 0);
    EXPECT_EQ(w.form.d_c.value(), 1);
    EXPECT_TRUE(busy_seen);
    EXPECT_GT(pumped, 0);
    expect_restored();
    EXPECT_EQ(w.form.StatusBar.panel(2).text, "09:30:15");
}

TEST_F(Frame, LoggedOnAccountIsRefusedInAnyCase)
{
    int unmarked = 0;
    w.form.mm22.onClick = [&] { ++unmarked; };
    w.form.c11.setValue(1);
    for (const char* name : {"Administrator", "administrator", "ADMINistrator"}) {
        w.form.Combo_user.setText(name);
        policy::hive(w.engine, policy::hive_apply);
        ASSERT_FALSE(w.messages().empty()) << name;
        EXPECT_EQ(w.messages().back().style, 16);
        EXPECT_EQ(w.messages().back().title, "Sorry..");
        EXPECT_EQ(w.messages().back().text,
                  "You can not set restrictions for the user you are logged in. Please choose another one.");
        const std::size_t shown = w.messages().size();
        policy::hive(w.engine, policy::hive_read);
        EXPECT_EQ(w.messages().size(), shown) << name;
        EXPECT_EQ(w.program.ui().doEventsCalls(), 0) << name;
    }
    EXPECT_EQ(unmarked, 3);
    EXPECT_EQ(w.messages().size(), 3u);
    EXPECT_EQ(w.form.c11.value(), 1);
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, explorer_key, "NoClose"), platform::Variant());
    EXPECT_EQ(w.form.StatusBar.panel(2).text, "09:30:15");
}

TEST_F(Frame, HiveTheHelperCannotMountIsToldOnceAndTheWindowIsGivenBack)
{
    QFile f(w.program.account_hive("pupil"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QByteArray(8192, 'x'));
    f.close();
    w.form.c11.setValue(1);

    policy::hive(w.engine, policy::hive_apply);

    ASSERT_EQ(w.messages().size(), 1u) << w.program.ui().transcript().join("\n").toStdString();
    EXPECT_EQ(w.messages()[0].title, "Problems while writing to registry...");
    expect_restored();
    EXPECT_EQ(w.form.StatusBar.panel(2).text, "Load Profile:pupil");
}

TEST_F(Frame, AccountNameWithBlanksIsAppliedAndLoadedBack)
{
    QDir profiles = QFileInfo(w.program.account_hive("pupil")).dir();
    ASSERT_TRUE(profiles.cdUp());
    const QString folder = profiles.filePath("John Smith");
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QFile::copy(w.program.account_hive("pupil"), folder + "/NTUSER.DAT"));
    w.form.Combo_user.setText("John Smith");
    w.form.c11.setValue(1);

    policy::hive(w.engine, policy::hive_apply);

    EXPECT_TRUE(w.messages().empty()) << w.program.ui().transcript().join("\n").toStdString();
    expect_restored();
    EXPECT_EQ(in_hive_file("John Smith", explorer_key, "NoClose"), dword_one);
    EXPECT_EQ(in_hive_file("pupil", explorer_key, "NoClose"), std::nullopt);

    w.form.c11.setValue(0);
    policy::hive(w.engine, policy::hive_read);

    EXPECT_TRUE(w.messages().empty()) << w.program.ui().transcript().join("\n").toStdString();
    EXPECT_EQ(w.form.c11.value(), 1);
    expect_restored();
}

TEST_F(Frame, FailedLastWriteIsToldAndTheHiveFileStaysAsItWas)
{
    QFile hive_file(w.program.account_hive("pupil"));
    ASSERT_TRUE(hive_file.open(QIODevice::ReadOnly));
    const QByteArray before = hive_file.readAll();
    hive_file.close();
    w.form.c11.setValue(1);

    // A full disk (no temporary file can be written), then a refused rename.
    const platform::WriteStep steps[] = {platform::WriteStep::temp_written, platform::WriteStep::temp_synced};
    for (const platform::WriteStep failing : steps) {
        SCOPED_TRACE(static_cast<int>(failing));
        w.registry().set_write_hook([failing](platform::WriteStep step) { return step == failing; });
        const std::size_t shown = w.messages().size();

        policy::hive(w.engine, policy::hive_apply);

        ASSERT_EQ(w.messages().size(), shown + 1) << w.program.ui().transcript().join("\n").toStdString();
        EXPECT_EQ(w.messages().back().style, 16);
        EXPECT_EQ(w.messages().back().title, platform::programTitle());
        EXPECT_EQ(w.messages().back().text, "The restrictions could not be saved to the user's registry.");
        expect_restored();
        EXPECT_EQ(w.form.StatusBar.panel(2).text, "09:30:15");
        ASSERT_TRUE(hive_file.open(QIODevice::ReadOnly));
        EXPECT_EQ(hive_file.readAll(), before);
        hive_file.close();
        EXPECT_EQ(QDir(QFileInfo(hive_file).absolutePath()).entryList(QDir::Files), QStringList({"NTUSER.DAT"}));
    }
    // The edits went with the dismount: a later flush that can write finds nothing of them, and has no loss left
    // to tell.
    w.registry().set_write_hook({});
    EXPECT_EQ(w.registry().flush_all(), 0);
    ASSERT_TRUE(hive_file.open(QIODevice::ReadOnly));
    EXPECT_EQ(hive_file.readAll(), before);
    hive_file.close();
    EXPECT_EQ(w.messages().size(), 2u);
}

TEST_F(Frame, OtherModesAreAnInternalError)
{
    for (std::int16_t mode : {0, 3}) {
        policy::hive(w.engine, mode);
        ASSERT_FALSE(w.messages().empty());
        EXPECT_EQ(w.messages().back().style, 0);
        EXPECT_EQ(w.messages().back().title, platform::programTitle());
        EXPECT_EQ(w.messages().back().text, "Interner Fehler bei Sub:HIVE");
    }
    EXPECT_EQ(w.messages().size(), 2u);
    EXPECT_EQ(w.program.ui().doEventsCalls(), 0);
    EXPECT_EQ(w.form.StatusBar.panel(2).text, "09:30:15");
}

TEST_F(Frame, DeinstallLetsTheLoggedOnAccountPass)
{
    w.engine.deinstall_running = true;
    w.form.Combo_user.setText("Administrator");
    w.form.c11.setValue(1);

    policy::hive(w.engine, policy::hive_apply);

    EXPECT_TRUE(w.messages().empty()) << w.program.ui().transcript().join("\n").toStdString();
    EXPECT_GT(pumped, 0); // the helper was asked, and refused to mount a hive in use
    expect_restored();
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, explorer_key, "NoClose"), dword(1));
}

// REG_SZ as NT stores it: UTF-16LE with its NUL.
regf_checks::OracleValue sz(const QString& text)
{
    regf_checks::OracleValue v{platform::REG_SZ, {}};
    for (const QChar c : text + QChar(0)) {
        v.data.push_back(static_cast<std::uint8_t>(c.unicode() & 0xFF));
        v.data.push_back(static_cast<std::uint8_t>(c.unicode() >> 8));
    }
    return v;
}

class FrameOnNt : public testing::WithParamInterface<SampleSystem>, public Frame {
protected:
    FrameOnNt() : Frame(GetParam()) {}
};

// The writer sets these only in keys the account's branch already has; a fresh account has them.
TEST_P(FrameOnNt, ApplyToAFreshAccountReachesTheKeysItHoldsFromTheStart)
{
    w.form.t81.setText("Gymnasium");
    w.form.t82.setText("Hausmeister");
    w.form.c39.setValue(1);

    policy::hive(w.engine, policy::hive_apply);

    EXPECT_TRUE(w.messages().empty()) << w.program.ui().transcript().join("\n").toStdString();
    const QString current_version = "Software\\Microsoft\\Windows NT\\CurrentVersion";
    EXPECT_EQ(in_hive_file("pupil", "Software\\Brekund\\G2002", "PWHide"), dword_one);
    EXPECT_EQ(in_hive_file("pupil", current_version, "RegisteredOrganization"), sz("Gymnasium"));
    EXPECT_EQ(in_hive_file("pupil", current_version, "RegisteredOwner"), sz("Hausmeister"));
    EXPECT_EQ(in_hive_file("pupil", "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "System"),
              sz("C:\\Programme\\Gatrisk 2002\\gatr2002.exe /icon"));
}

INSTANTIATE_TEST_SUITE_P(Systems, FrameOnNt,
                         testing::Values(SampleSystem::nt4, SampleSystem::win2000, SampleSystem::winxp),
                         [](const testing::TestParamInfo<SampleSystem>& row) {
                             return "Win" + platform::sample_system_name(row.param).toStdString();
                         });

// The language passed in reaches every message of the frame, of the hive loader and of the writer.
TEST_F(Frame, SpeaksTheLanguagePassedIn)
{
    struct Row {
        const char* name;
        std::function<void()> step;
        const char* title;
    };
    const Row rows[] = {
        {"logged_on_account",
         [this] {
             w.form.Combo_user.setText("Administrator");
             policy::hive(w.engine, policy::hive_apply, 0);
             w.form.Combo_user.setText("pupil");
         },
         "Dieser Benutzer nicht beschränkbar !"},
        {"branch_not_writable", [this] { policy::REG_Save32(w.engine, 0); }, "Kann Einschränkung nicht setzen..."},
        {"hive_not_writable",
         [this] {
             QFile f(w.program.account_hive("pupil"));
             ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
             f.write(QByteArray(8192, 'x'));
             f.close();
             policy::hive(w.engine, policy::hive_apply, 0);
             EXPECT_EQ(w.form.StatusBar.panel(2).text, QStringLiteral("Lade Profil:pupil"));
         },
         "Kein Schreibzugriff..."},
        {"helper_missing",
         [this] {
             ASSERT_TRUE(QFile::remove(w.program.host(w.program.context().program.folder + "\\regg.exe")));
             policy::hive(w.engine, policy::hive_read, 0);
         },
         "Datei fehlt..."},
    };
    for (const Row& r : rows) {
        const std::size_t shown = w.messages().size();
        r.step();
        ASSERT_EQ(w.messages().size(), shown + 1) << r.name;
        EXPECT_EQ(w.messages().back().title, QString::fromUtf8(r.title)) << r.name;
    }
}

// Until the test ends, another process's lock is waited for `wait` at a time.
class ShortLockWait {
public:
    explicit ShortLockWait(std::chrono::milliseconds wait) { platform::set_lock_wait(wait); }
    ~ShortLockWait() { platform::set_lock_wait(platform::lock_wait); }
    ShortLockWait(const ShortLockWait&) = delete;
    ShortLockWait& operator=(const ShortLockWait&) = delete;
};

QByteArray bytes_of(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// The hive file that an Apply to pupil writes: pupil's own on the NT family, the current user's on 95/98/ME.
QString written_hive(OwnWindow& w, SampleSystem system)
{
    const bool nt = system == SampleSystem::nt4 || system == SampleSystem::win2000 || system == SampleSystem::winxp;
    return nt ? w.program.account_hive("pupil") : w.program.host(w.program.machine().hive_files().current_user);
}

class FrameOnEverySystem : public testing::WithParamInterface<SampleSystem>, public Frame {
protected:
    FrameOnEverySystem() : Frame(GetParam()) {}
};

// What a crash right after Apply finds in the hive file is the whole set, not the part that the key creations
// happened to flush.
TEST_P(FrameOnEverySystem, ApplyIsOnDiskWhenItEnds)
{
    w.form.c11.setValue(1);
    w.form.c13.setValue(1);
    w.form.d_d.setValue(1);
    w.form.c90.setValue(1);

    policy::hive(w.engine, policy::hive_apply);

    EXPECT_TRUE(w.messages().empty()) << w.program.ui().transcript().join("\n").toStdString();
    const QString file = written_hive(w, GetParam());
    EXPECT_EQ(on_disk(file, explorer_key, "NoClose"), dword_one);
    EXPECT_EQ(on_disk(file, explorer_key, "NoRun"), dword_one);
    EXPECT_EQ(on_disk(file, explorer_key, "NoDrives"), (regf_checks::OracleValue{platform::REG_DWORD, {8, 0, 0, 0}}));
    EXPECT_EQ(on_disk(file, hide_key, "D"), dword_one);
    EXPECT_EQ(on_disk(file, "Software\\Brekund\\G2002", "PWHide"), dword_one);
    EXPECT_FALSE(w.registry().pending());
}

INSTANTIATE_TEST_SUITE_P(Systems, FrameOnEverySystem,
                         testing::Values(SampleSystem::win95, SampleSystem::win98, SampleSystem::winme,
                                         SampleSystem::winxp),
                         [](const testing::TestParamInfo<SampleSystem>& row) {
                             return "Win" + platform::sample_system_name(row.param).toStdString();
                         });

// While another process holds the folder of the written hive locked, an Apply waits for it once: the first
// flush that gives up fails the rest of the save at once, and the failure is told once. On the NT family the
// unwritten edits go with the dismount, so nothing of them reaches the file after the lock is free; on 95/98/ME
// the current user's hive stays loaded and keeps them for a later flush.
TEST_P(FrameOnEverySystem, HeldLockCostsOneWaitAndIsToldOnce)
{
    const std::chrono::milliseconds wait{1000};
    const ShortLockWait short_wait(wait);
    const QString file = written_hive(w, GetParam());
    const QByteArray before = bytes_of(file);
    w.form.c11.setValue(1);
    std::chrono::steady_clock::duration took{};
    {
        const testsupport::LockHolder other(QFileInfo(file).absolutePath());
        ASSERT_TRUE(other.locked());
        const auto start = std::chrono::steady_clock::now();
        policy::hive(w.engine, policy::hive_apply);
        took = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(bytes_of(file), before);
    }
    // About 20 flushes of the save: each waiting its turn would take 20 waits.
    EXPECT_LT(took, 5 * wait);
    ASSERT_EQ(w.messages().size(), 1u) << w.program.ui().transcript().join("\n").toStdString();
    EXPECT_EQ(w.messages()[0].style, 16);
    EXPECT_EQ(w.messages()[0].text, "The restrictions could not be saved to the user's registry.");
    expect_restored();

    EXPECT_EQ(w.registry().flush_all(), 0);
    if (GetParam() == SampleSystem::winxp)
        EXPECT_EQ(bytes_of(file), before);
    else
        EXPECT_EQ(on_disk(file, explorer_key, "NoClose"), dword_one);
    EXPECT_EQ(w.messages().size(), 1u);
}

// Edits still unwritten when their hive is dismounted go with it, whether no flush came before the dismount
// (another process's) or it failed: nothing reaches the file afterwards, and the next flush reports the loss,
// once.
TEST_F(Frame, EditsLeftAtADismountAreLostAndTheNextFlushSaysSo)
{
    struct Row {
        const char* name;
        bool flush_fails;
    };
    const Row rows[] = {{"dismounted_without_a_flush", false}, {"flush_before_the_dismount_fails", true}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        ASSERT_TRUE(w.program.mount("pupil"));
        const QByteArray before = bytes_of(w.program.account_hive("pupil"));
        ASSERT_EQ(platform::REG_SetDWORD(w.registry(), HKEY_USERS, "pupil\\" + explorer_key, "NoClose", "1"), 0);
        if (r.flush_fails) {
            w.registry().set_write_hook([](platform::WriteStep step) { return step == platform::WriteStep::temp_written; });
            w.program.unmount("pupil");
        } else {
            ASSERT_NE(platform::MountTable(w.program.machine()).remove("pupil"), platform::MountChange::failed);
        }
        // Any call under HKEY_USERS sees the dismount.
        EXPECT_EQ(platform::REG_GetString(w.registry(), HKEY_USERS, "pupil\\" + explorer_key, "NoClose"), "");
        w.registry().set_write_hook({});

        EXPECT_EQ(w.registry().flush_all(), platform::ERROR_REGISTRY_IO_FAILED);
        EXPECT_EQ(w.registry().flush_all(), 0);
        EXPECT_EQ(bytes_of(w.program.account_hive("pupil")), before);
        EXPECT_FALSE(w.registry().pending());
    }
}

class FrameOn98 : public Frame {
protected:
    FrameOn98() : Frame(SampleSystem::win98) {}
};

TEST_F(FrameOn98, ApplyWritesTheCurrentUserAtOnce)
{
    w.form.c13.setValue(1);
    policy::hive(w.engine, policy::hive_apply);
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, explorer_key, "NoRun"), dword(1));
    EXPECT_EQ(pumped, 0);
    EXPECT_EQ(w.form.StatusBar.panel(2).text, "09:30:15");
    EXPECT_EQ(w.form.mousePointer(), MousePointer::Default);
}

} // namespace
