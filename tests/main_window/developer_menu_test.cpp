// The developer menu "Intern" on the loaded window, and the two probes that no command reaches.

#include "tests/main_window/main_window_fixture.h"

#include "mainwindow/developer_menu.h"
#include "startup/program_key.h"
#include "startup/pw_scramble.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

using main_window_tests::Program;
using main_window_tests::with_arguments;
using platform::HKEY_CURRENT_USER;
using platform::HKEY_LOCAL_MACHINE;

const QString system_key = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System");

struct Developer : Program {
    explicit Developer(QStringList arguments = {QStringLiteral("ZAV")}) : Program(with_arguments(std::move(arguments)))
    {
        EXPECT_FALSE(load()) << transcript().toStdString();
    }
    // The one message an item showed.
    scripted_ui::ShownMessage only_message()
    {
        EXPECT_EQ(messages().size(), 1u) << transcript().toStdString();
        return messages().empty() ? scripted_ui::ShownMessage{} : messages().back();
    }
};

TEST(DeveloperMenu, WithoutTheWordNoItemCanBeChosen)
{
    Developer p(QStringList{});
    for (controls::Menu* item : p.window.mm6.items()) {
        EXPECT_FALSE(item->canBeChosen()) << item->name().toStdString();
        item->userClick();
    }
    EXPECT_TRUE(p.ui().transcript().isEmpty()) << p.transcript().toStdString();
    EXPECT_TRUE(p.program.tray_sink().calls.empty());
}

TEST(DeveloperMenu, ItemsWithoutAnEffectDoNothing)
{
    Developer p;
    for (controls::Menu* item : {&p.window.mm_tes_2, &p.window.mm_tes_8, &p.window.m_tes_regedit,
                                 &p.window.m_tes_reghive, &p.window.m_tes_unhive, &p.window.mm_tes_9}) {
        ASSERT_TRUE(item->canBeChosen()) << item->name().toStdString();
        item->userClick();
    }
    EXPECT_TRUE(p.ui().transcript().isEmpty()) << p.transcript().toStdString();
}

TEST(DeveloperMenu, ProfileDirsListsEachNameAndHive)
{
    Developer p;
    p.window.m_tes_profiledirs.userClick();
    const auto m = p.only_message();
    EXPECT_EQ(m.style, 0);
    const QString folder = p.window.t810.text();
    EXPECT_TRUE(m.text.contains(QStringLiteral("pupil\r\n") + folder + QStringLiteral("pupil\\NTUSER.DAT\r\n")))
        << m.text.toStdString();
}

TEST(DeveloperMenu, ProfileDirsWithoutProfilesShowsAnEmptyBox)
{
    Program p(with_arguments({QStringLiteral("ZAV")}));
    ASSERT_TRUE(QDir().mkpath(p.program.host(QStringLiteral("C:\\Leer"))));
    p.set_text(HKEY_LOCAL_MACHINE, main_window_tests::program_key, QStringLiteral("ProfileMainPath"),
               QStringLiteral("C:\\Leer\\"));
    ASSERT_FALSE(p.load());
    p.window.m_tes_profiledirs.userClick();
    ASSERT_EQ(p.messages().size(), 1u) << p.transcript().toStdString();
    EXPECT_EQ(p.messages()[0].style, 0);
    EXPECT_EQ(p.messages()[0].text, QString());
}

TEST(DeveloperMenu, GetpassBringsThePromptBackAndItsCancelEnds)
{
    Program p(with_arguments({QStringLiteral("ZAV")}));
    startup::StartupForms& forms = p.window.startup_forms();
    p.set_text(HKEY_LOCAL_MACHINE, startup::program_key(), startup::password_value(),
               startup::pw_scramble(QStringLiteral("secret1"), startup::password_key()));
    ASSERT_FALSE(p.ends([&forms] { forms.getpass.show(); }));
    forms.getpass.txt_pw.setText(QStringLiteral("secret1"));
    ASSERT_FALSE(p.ends([&forms] { forms.getpass.cmd_ok.userClick(); }));
    ASSERT_TRUE(p.window.isVisible());
    ASSERT_FALSE(forms.getpass.isLoaded());

    p.window.m_tes3.userClick();
    EXPECT_TRUE(forms.getpass.isVisible());
    EXPECT_EQ(forms.getpass.txt_pw.text(), QString());
    EXPECT_EQ(forms.getpass.caption(), QStringLiteral("Enter Password Please !"));

    EXPECT_TRUE(p.ends([&forms] { forms.getpass.Command2.userClick(); }));
}

TEST(DeveloperMenu, ProfileOpensTheProfileTestDialog)
{
    Developer p;
    p.window.m_tes_profile.userClick();
    EXPECT_TRUE(p.window.startup_forms().profile.isVisible());
}

struct RegistryToolsCase {
    const char* name;
    bool key_there;
    const char* text;
};

class RegistryTools : public testing::TestWithParam<RegistryToolsCase> {};

TEST_P(RegistryTools, ShowsTheKeyAndTheResultCode)
{
    Developer p;
    if (GetParam().key_there)
        p.set_dword(HKEY_CURRENT_USER, system_key, QStringLiteral("DisableRegistryTools"), 1);
    else
        platform::REG_DeleteKey(p.registry(), HKEY_CURRENT_USER, system_key);

    p.window.regset_int_.userClick();

    const auto m = p.only_message();
    EXPECT_EQ(m.style, 0);
    EXPECT_EQ(m.text, QString::fromUtf8(GetParam().text));
    EXPECT_EQ(p.stored(HKEY_CURRENT_USER, system_key, QStringLiteral("DisableRegistryTools")),
              GetParam().key_there ? platform::Variant(0) : platform::Variant());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, RegistryTools,
    testing::Values(RegistryToolsCase{"key_there", true,
                                      "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System Return:0"},
                    RegistryToolsCase{"key_missing", false,
                                      "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System Return:2"}),
    main_window_tests::RowName());

TEST(DeveloperMenu, FileTestAnswersForAFileThatIsThereAndForOneThatIsNot)
{
    Developer p;
    QFile file(p.program.host(QStringLiteral("C:\\probe.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
    file.close();

    p.ui().type(QStringLiteral("C:\\probe.txt"), QStringLiteral("Filename MIT PFAD eingeben:"));
    p.window.m_tes_existiert.userClick();
    p.ui().type(QStringLiteral("C:\\missing.txt"));
    p.window.m_tes_existiert.userClick();
    p.ui().cancelInput();
    p.window.m_tes_existiert.userClick();

    ASSERT_EQ(p.messages().size(), 3u) << p.transcript().toStdString();
    EXPECT_EQ(p.messages()[0].style, 64);
    EXPECT_EQ(p.messages()[0].text, QStringLiteral("Ja, gibt es"));
    for (int i : {1, 2}) {
        EXPECT_EQ(p.messages()[static_cast<std::size_t>(i)].style, 16);
        EXPECT_EQ(p.messages()[static_cast<std::size_t>(i)].text, QStringLiteral("Nein, Datei gibts ned"));
    }
    EXPECT_EQ(p.ui().inputs()[0].title, platform::programTitle());
    // The probe leaves no file behind where there was none.
    EXPECT_FALSE(QFile::exists(p.program.host(QStringLiteral("C:\\missing.txt"))));
}

TEST(DeveloperMenu, SystemFolderAndUserName)
{
    Developer p;
    p.window.m_tes_getsys.userClick();
    p.window.m_tes_user.userClick();
    ASSERT_EQ(p.messages().size(), 2u) << p.transcript().toStdString();
    EXPECT_EQ(p.messages()[0].style, 0);
    EXPECT_EQ(p.messages()[0].text, platform::get_sysdir(p.program.machine()));
    EXPECT_TRUE(p.messages()[0].text.endsWith(QLatin1Char('\\')));
    EXPECT_EQ(p.messages()[1].style, 64);
    EXPECT_EQ(p.messages()[1].text, QStringLiteral("Administrator"));
}

TEST(DeveloperMenu, IconOnAddsTheNotificationIconEachTime)
{
    Developer p;
    p.window.mm_tes_7.userClick();
    p.window.mm_tes_7.userClick();
    const auto& calls = p.program.tray_sink().calls;
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].first, platform::nim_add);
    EXPECT_EQ(QByteArray(calls[0].second.tip.data()), QByteArray("Gatrisk"));
    EXPECT_NE(calls[0].second.window, calls[0].second.icon);
    EXPECT_EQ(calls[1].second.window, calls[0].second.window);
}

TEST(UnreachableProbes, UnloadHiveShowsItsCommandLineAndGoesOnWhenItCannotStart)
{
    Developer p;
    p.window.Combo_user.setText(QStringLiteral("pupil"));
    EXPECT_FALSE(p.ends([&p] { mainwindow::unhive_regexe(p.window.engine()); }));
    const auto m = p.only_message();
    EXPECT_EQ(m.style, 64);
    EXPECT_EQ(m.title, QStringLiteral("Unload Hive"));
    EXPECT_EQ(m.text, p.program.context().program.folder + QStringLiteral("\\REG.EXE UNLOAD HKU\\pupil"));
}

TEST(UnreachableProbes, ProfilesFolder)
{
    Developer p;
    mainwindow::show_profiles_dir(p.window.engine());
    const auto m = p.only_message();
    EXPECT_EQ(m.style, 0);
    EXPECT_EQ(m.text, platform::get_profilesdir(p.program.machine()));
    EXPECT_FALSE(m.text.isEmpty());
}

} // namespace
