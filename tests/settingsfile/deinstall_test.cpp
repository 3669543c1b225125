// De-install: every account of the chooser written with the cleared set, the autostart value and the hive
// note removed, the uninstaller started, the program ended.

#include "test_window.h"

#include "platform/accounts/profiles.h"
#include "platform/machine/mount_table.h"
#include "platform/registry.h"
#include "settingsfile/deinstall.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

namespace settingsfile_tests {

namespace {

using platform::Answer;
using platform::HKEY_CURRENT_USER;
using platform::HKEY_LOCAL_MACHINE;
using platform::HKEY_USERS;
using scripted_ui::endsProgram;

const QString run_key = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run");
const QString hive_note = QStringLiteral("C:\\Programme\\Gatrisk 2002\\GATR2002.HIV");
const QString start_question = QStringLiteral("Start Uninstall now ?");
const QString profiles_warning = QStringLiteral("Read carefully");

class Deinstall : public ::testing::Test {
protected:
    explicit Deinstall(platform::SampleSystem system = platform::SampleSystem::winxp) : w(options(system))
    {
        QString folder = f.t810.text();
        platform::get_profiles(w.program.context(), w.main.engine.profiles, folder);
        f.t810.setText(folder);
        while (f.StatusBar.panelCount() < 2)
            f.StatusBar.addPanel();
        // Stands in for Edit > Unmark all: it clears c11 and leaves c12, and notes the account it ran for.
        f.mm22.onClick = [this] {
            unmarked_for << f.Combo_user.text();
            f.c11.setValue(0);
        };
        f.c11.setValue(1);
        f.c12.setValue(1);
        platform::REG_SetString(w.program.registry(), HKEY_LOCAL_MACHINE, run_key, QStringLiteral("Gatr2002Tray"),
                                QStringLiteral("C:\\Programme\\Gatrisk 2002\\GATR2002.EXE /icon"));
    }

    static testsupport::ProgramOptions options(platform::SampleSystem system)
    {
        testsupport::ProgramOptions o;
        o.system = system;
        return o;
    }

    bool run() { return endsProgram([this] { settingsfile::mm132_Click(w.main.engine); }); }

    // A restriction of an account as its hive holds it: mounted for the look, as the helper program would.
    platform::Variant stored(const QString& account, int number)
    {
        const bool logged_on = account == QStringLiteral("Administrator");
        if (!logged_on && !w.program.mount(account))
            return platform::Variant(QStringLiteral("not mountable"));
        const QString prefix = logged_on ? QString() : account + QLatin1Char('\\');
        platform::Variant v;
        platform::REG_QueryValueRaw(w.program.registry(), logged_on ? HKEY_CURRENT_USER : HKEY_USERS,
                                    prefix + w.main.engine.KP[static_cast<std::size_t>(number)],
                                    w.main.engine.VN[static_cast<std::size_t>(number)], v);
        if (!logged_on)
            w.program.unmount(account);
        return v;
    }

    bool autostart_present()
    {
        return !platform::REG_GetString(w.program.registry(), HKEY_LOCAL_MACHINE, run_key,
                                        QStringLiteral("Gatr2002Tray"))
                    .isEmpty();
    }

    QStringList mounts()
    {
        const auto list = platform::MountTable(w.program.machine()).list();
        QStringList names;
        if (list)
            for (const platform::Mount& m : *list)
                names << m.name;
        return names;
    }

    // An uninstaller that notes it ran.
    QString install_uninstaller()
    {
        const QString folder = w.program.host(QStringLiteral("C:\\WINDOWS\\uninstall\\gatrisk 2002"));
        EXPECT_TRUE(QDir().mkpath(folder));
        const QString script = folder + QStringLiteral("/setup.exe");
        QFile file(script);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\necho ran > \"$(dirname \"$0\")/ran.txt\"\n");
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
        return folder + QStringLiteral("/ran.txt");
    }

    static bool appears(const QString& host_path)
    {
        QElapsedTimer t;
        t.start();
        while (!QFile::exists(host_path) && t.elapsed() < 10000)
            QThread::msleep(20);
        return QFile::exists(host_path);
    }

    Window w;
    mainwindow::MainForm& f = w.form;
    QStringList unmarked_for;
};

TEST_F(Deinstall, NoToTheQuestionChangesNothing)
{
    f.Combo_user.addItem(QStringLiteral("pupil"));
    ASSERT_EQ(w.program.registry().flush_all(), 0);
    const auto before = w.machine_files();
    w.ui().answer(Answer::No, start_question);
    EXPECT_FALSE(run());
    EXPECT_FALSE(w.main.engine.deinstall_running);
    EXPECT_TRUE(unmarked_for.isEmpty());
    EXPECT_EQ(f.c11.value(), 1);
    ASSERT_EQ(w.program.registry().flush_all(), 0);
    EXPECT_EQ(w.machine_files(), before);
    ASSERT_EQ(w.ui().messages().size(), 1u);
    EXPECT_EQ(w.ui().messages()[0].style, 292);
    EXPECT_EQ(w.ui().messages()[0].title, QStringLiteral("Uninstall ?"));
    EXPECT_EQ(w.ui().messages()[0].text,
              QStringLiteral("Uninstall will take a while, if you have a lot of user profiles. Start Uninstall now ?"));
}

TEST_F(Deinstall, EveryAccountOfTheChooserGetsTheClearedSetInListOrder)
{
    for (const char* account : {"pupil", "Schueler", "Administrator"})
        f.Combo_user.addItem(QString::fromLatin1(account));
    f.Combo_user.setText(QStringLiteral("pupil"));
    bool chooser_load_ran = false;
    f.Combo_user.onClick = [&] { chooser_load_ran = true; };
    w.write(hive_note, "note");

    w.ui().answer(Answer::Yes, start_question);
    EXPECT_TRUE(run());

    EXPECT_EQ(unmarked_for, (QStringList{"pupil", "Schueler", "Administrator"}));
    EXPECT_FALSE(chooser_load_ran);
    EXPECT_EQ(f.Combo_user.text(), QStringLiteral("Administrator"));
    EXPECT_TRUE(w.main.engine.deinstall_running);
    EXPECT_TRUE(mounts().isEmpty()) << mounts().join(',').toStdString();
    for (const char* account : {"pupil", "Schueler", "Administrator"}) {
        EXPECT_EQ(stored(QString::fromLatin1(account), 11), platform::Variant(0)) << account;
        EXPECT_EQ(stored(QString::fromLatin1(account), 12), platform::Variant(1)) << account; // left by Unmark all
    }
    EXPECT_FALSE(autostart_present());
    EXPECT_FALSE(w.exists(hive_note));
    // The question, then only the missing uninstaller: no message for any account between.
    EXPECT_EQ(w.ui().transcript().size(), 3) << w.ui().transcript().join('\n').toStdString();
    EXPECT_EQ(w.ui().transcript().value(2), QStringLiteral("end of program"));
    ASSERT_EQ(w.ui().messages().size(), 2u);
    EXPECT_EQ(w.ui().messages()[1].style, 16);
    EXPECT_EQ(w.ui().messages()[1].title, QStringLiteral("Uninstall not found"));
    EXPECT_EQ(w.ui().messages()[1].text,
              QStringLiteral("Uninstall Path was not found. Try to deinstall this program using control "
                             "panel/software."));
}

TEST_F(Deinstall, StartsTheUninstallerAndEnds)
{
    const QString ran = install_uninstaller();
    w.ui().answer(Answer::Yes, start_question);
    EXPECT_TRUE(run());
    EXPECT_TRUE(appears(ran));
    EXPECT_EQ(w.ui().messages().size(), 1u);
    EXPECT_FALSE(autostart_present());
}

TEST_F(Deinstall, WithoutTheHelperProgramEachAccountSaysSoAndTheRestStillRuns)
{
    QFile::remove(w.program.host(QStringLiteral("C:\\Programme\\Gatrisk 2002\\regg.exe")));
    for (const char* account : {"pupil", "Schueler"})
        f.Combo_user.addItem(QString::fromLatin1(account));
    w.ui().answer(Answer::Yes, start_question);
    EXPECT_TRUE(run());
    int missing = 0;
    for (const auto& m : w.ui().messages())
        missing += m.title == QStringLiteral("File missing...") ? 1 : 0;
    EXPECT_EQ(missing, 2);
    EXPECT_FALSE(autostart_present());
    EXPECT_EQ(w.ui().messages().back().title, QStringLiteral("Uninstall not found"));
}

TEST_F(Deinstall, SpeaksTheLanguagePassedInForEveryAccount)
{
    QFile::remove(w.program.host(QStringLiteral("C:\\Programme\\Gatrisk 2002\\regg.exe")));
    for (const char* account : {"pupil", "Schueler"})
        f.Combo_user.addItem(QString::fromLatin1(account));
    w.ui().answer(Answer::Yes, QStringLiteral("DE-Installation beginnen"));
    EXPECT_TRUE(endsProgram([this] { settingsfile::mm132_Click(w.main.engine, 0); }));
    QStringList titles;
    for (const auto& m : w.ui().messages())
        titles << m.title;
    EXPECT_EQ(titles, QStringList({QStringLiteral("DE-Installieren ?"), QStringLiteral("Datei fehlt..."),
                                   QStringLiteral("Datei fehlt..."), QStringLiteral("Uninstall nicht gefunden")}));
    EXPECT_EQ(f.StatusBar.panel(2).text, QStringLiteral("Lade Profil:Schueler"));
}

class Deinstall98 : public Deinstall {
protected:
    Deinstall98() : Deinstall(platform::SampleSystem::win98) {}
};

TEST_F(Deinstall98, NoToTheWarningClearsTheFlagAndTouchesNothing)
{
    ASSERT_EQ(w.program.registry().flush_all(), 0);
    const auto before = w.machine_files();
    w.ui().answer(Answer::Yes, start_question);
    w.ui().answer(Answer::No, profiles_warning);
    EXPECT_FALSE(run());
    EXPECT_FALSE(w.main.engine.deinstall_running);
    ASSERT_EQ(w.program.registry().flush_all(), 0);
    EXPECT_EQ(w.machine_files(), before);
    ASSERT_EQ(w.ui().messages().size(), 2u);
    EXPECT_EQ(w.ui().messages()[1].style, 308);
    EXPECT_EQ(w.ui().messages()[1].title, QStringLiteral("Attention User Profiles - Read carefully !"));
    EXPECT_EQ(w.ui().messages()[1].text,
              QStringLiteral("There are user profiles on your PC.\r\rIn this case you have to notice some "
                             "advices:\r\rIf you have set several restrictions for more than one user, you have to "
                             "check all restricted users. To uninstall all restrictions you have to:Log off and log "
                             "in with the restricted user. Start this program. Unmark all restrictions. Apply these "
                             "settings. Do this for every restricted user ! Continue ?"));
}

TEST_F(Deinstall98, YesResetsTheCurrentUserAndEnds)
{
    auto& reg = w.program.registry();
    const auto& e = w.main.engine;
    platform::REG_CreateKey(reg, HKEY_CURRENT_USER, e.KP[11]);
    ASSERT_EQ(platform::REG_SetDWORD(reg, HKEY_CURRENT_USER, e.KP[11], e.VN[11], QStringLiteral("1")), 0);
    w.ui().answer(Answer::Yes, start_question);
    w.ui().answer(Answer::Yes, profiles_warning);
    EXPECT_TRUE(run());
    platform::Variant v;
    platform::REG_QueryValueRaw(reg, HKEY_CURRENT_USER, e.KP[11], e.VN[11], v);
    EXPECT_EQ(v, platform::Variant(0));
    EXPECT_TRUE(unmarked_for.isEmpty()); // the window is not cleared here
    EXPECT_FALSE(autostart_present());
    EXPECT_EQ(w.ui().messages().back().title, QStringLiteral("Uninstall not found"));
}

} // namespace

} // namespace settingsfile_tests
