#include "mainwindow/developer_menu.h"

#include "platform/process.h"
#include "platform/registry.h"
#include "platform/system_queries.h"
#include "platform/tray.h"
#include "platform/ui_services.h"
#include "policy/account_discovery.h"
#include "policy/older_version.h"

#include <algorithm>

namespace mainwindow {

namespace {

const QString system_policies =
    QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System");

// Controls have no window handles here; a control's place among its form's controls stands in for one, so
// that the notification icon's record names the same text box and picture every time.
std::uint32_t handle_of(const controls::Control& control)
{
    const auto& all = control.form().controls();
    const auto at = std::find(all.begin(), all.end(), &control);
    return static_cast<std::uint32_t>(at - all.begin()) + 1;
}

} // namespace

void m_tes_getsys_Click(policy::Engine& engine)
{
    engine.ctx.ui.msgBox(platform::get_sysdir(engine.ctx.machine), 0);
}

void m_tes_existiert_Click(policy::Engine& engine)
{
    platform::UiServices& ui = engine.ctx.ui;
    const QString path = ui.inputBox(QStringLiteral("Filename MIT PFAD eingeben:"));
    if (platform::file_exists(engine.ctx.files, path))
        ui.msgBox(QStringLiteral("Ja, gibt es"), 64);
    else
        ui.msgBox(QStringLiteral("Nein, Datei gibts ned"), 16);
}

void m_tes_user_Click(policy::Engine& engine)
{
    // A message box ends its text at the name's NUL.
    QString name = platform::get_username(engine.ctx.machine);
    if (name.endsWith(QChar(0)))
        name.chop(1);
    engine.ctx.ui.msgBox(name, 64);
}

void m_tes_profiledirs_Click(policy::Engine& engine)
{
    policy::get_profiles(engine);
    const platform::ProfileList& p = engine.profiles;
    QString text;
    for (int i = 1; i <= p.profile_count; ++i)
        text += p.profile_names[static_cast<std::size_t>(i)] + QStringLiteral("\r\n") +
                p.profile_hives[static_cast<std::size_t>(i)] + QStringLiteral("\r\n");
    engine.ctx.ui.msgBox(text, 0);
}

void regset_int__Click(policy::Engine& engine)
{
    const platform::LSTATUS result =
        platform::REG_SetDWORD(engine.ctx.registry, platform::HKEY_CURRENT_USER, system_policies,
                               QStringLiteral("DisableRegistryTools"), QStringLiteral("0"));
    engine.ctx.ui.msgBox(system_policies + QStringLiteral(" Return:") + QString::number(result), 0);
}

void mm_tes_7_Click(policy::Engine& engine)
{
    MainForm& form = engine.form;
    engine.ctx.tray.tray_add(handle_of(form.txttooltip), form.txttooltip.text(), handle_of(form.prgpic));
}

void unhive_regexe(policy::Engine& engine)
{
    const QString command = engine.ctx.program.folder + QStringLiteral("\\REG.EXE UNLOAD HKU\\") +
                            engine.form.Combo_user.text();
    engine.ctx.ui.msgBox(command, 64, QStringLiteral("Unload Hive"));
    // REG.EXE is rarely in the program folder; a start that fails leaves the program running.
    (void)engine.ctx.processes.shell(command, 1);
}

void show_profiles_dir(policy::Engine& engine)
{
    engine.ctx.ui.msgBox(platform::get_profilesdir(engine.ctx.machine), 0);
}

void attach_developer_menu(policy::Engine& engine, DeveloperForms forms)
{
    MainForm& form = engine.form;
    // "Test menü-captions", "icon aus", "regedit", "RegHive" and "RegUnHive" have no effect.
    form.m_tes3.onClick = std::move(forms.show_getpass);
    form.mm_tes_7.onClick = [&engine] { mm_tes_7_Click(engine); };
    form.mm_tes_9.onClick = [&engine] { (void)policy::checkgatr99(engine); };
    form.m_tes_profile.onClick = std::move(forms.show_profile);
    form.m_tes_getsys.onClick = [&engine] { m_tes_getsys_Click(engine); };
    form.m_tes_existiert.onClick = [&engine] { m_tes_existiert_Click(engine); };
    form.m_tes_user.onClick = [&engine] { m_tes_user_Click(engine); };
    form.m_tes_profiledirs.onClick = [&engine] { m_tes_profiledirs_Click(engine); };
    form.regset_int_.onClick = [&engine] { regset_int__Click(engine); };
}

} // namespace mainwindow
