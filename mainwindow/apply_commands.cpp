#include "mainwindow/apply_commands.h"

#include "platform/registry.h"
#include "platform/system_queries.h"
#include "platform/ui_services.h"
#include "policy/account_frame.h"

namespace mainwindow {

void cmd_set_Click(policy::Engine& engine) { policy::hive(engine, policy::hive_apply); }

void cm02_Click(policy::Engine& engine)
{
    cmd_set_Click(engine);
    engine.ctx.ui.endProgram();
}

void cm01_Click(policy::Engine& engine) { engine.ctx.ui.endProgram(); }

void Combo_user_Click(policy::Engine& engine) { policy::hive(engine, policy::hive_read); }

void Combo_user_GotFocus(policy::Engine& engine, int language)
{
    if (platform::is_nt(engine.ctx.machine))
        return;
    platform::UiServices& ui = engine.ctx.ui;
    if (language == 0)
        ui.msgBox(QStringLiteral("Unter Win9X und WinME Betriebssystemen können die Einschränkungen nur für den "
                                 "aktuell angemeldeten und hier angezeigten Benutzer vorgenommen werden. Um ein "
                                 "anderes Benutzerprofil zu ändern, melden Sie sich bitte in Windows ab und loggen "
                                 "sich erneut mit dem Username ein, den Sie einschränken möchten. Starten Sie danach "
                                 "dieses Programm erneut."),
                  16, QStringLiteral("Benutzerverwaltung nur W2K/NT/XP"));
    if (language == 1)
        ui.msgBox(QStringLiteral("If you are using a Win9X or WinME System you can only set restrictions for the "
                                 "logged-in user. If you have to change settings for other users, please reboot and "
                                 "login as the name you want to restrict."),
                  16, QStringLiteral("Sorry - Changing Users only in Win2K, WinNT or WinXP-Systems..."));
    engine.form.Combo_user.setText(platform::trim_null(platform::get_username(engine.ctx.machine)));
}

void Combo_user_KeyPress(int& key_ascii) { key_ascii = 0; }

void attach_apply_commands(policy::Engine& engine, int language)
{
    MainForm& form = engine.form;
    form.cmd_set.onClick = [&engine] { cmd_set_Click(engine); };
    form.cm02.onClick = [&engine] { cm02_Click(engine); };
    form.cm01.onClick = [&engine] { cm01_Click(engine); };
    form.Combo_user.onClick = [&engine] { Combo_user_Click(engine); };
    form.Combo_user.onGotFocus = [&engine, language] { Combo_user_GotFocus(engine, language); };
    form.Combo_user.onKeyPress = [](int& key_ascii) { Combo_user_KeyPress(key_ascii); };
    // Nor does a paste, a cut or any other edit change the text: the account is chosen from the list.
    form.Combo_user.setTextLocked(true);
}

} // namespace mainwindow
