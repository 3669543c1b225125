#include "policy/account_frame.h"

#include "platform/accounts/profiles.h"
#include "platform/machine/mount_table.h"
#include "policy/click_reactions.h"
#include "policy/operations.h"
#include "testsupport/regf/regf_checks.h"
#include "tests/accounts/own_window.h"
#include "tests/accounts/qt_print.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

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
        w.registry().flush_all();
        std::string error;
        const auto tree = regf_checks::hivex_read(w.program.account_hive(account).toStdString(), &error);
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
