// The main window's load: everything the window needs, in a fixed order.

#include "mainwindow/main_window.h"

#include "mainwindow/list_bar.h"
#include "mainwindow/localize.h"
#include "mainwindow/status_bar.h"
#include "platform/registry.h"
#include "platform/system_queries.h"
#include "platform/ui_services.h"
#include "policy/account_discovery.h"
#include "policy/drive_probe.h"
#include "policy/older_version.h"
#include "policy/operations.h"
#include "policy/own_settings_read.h"
#include "settingsfile/deinstall.h"

#include <algorithm>

namespace mainwindow {

namespace {

const QString developer_word = QStringLiteral("ZAV");

QString logged_on_user(const platform::Machine& machine)
{
    return platform::trim_null(platform::get_username(machine));
}

} // namespace

void MainWindow::Form_Load()
{
    platform::Context& ctx = context();
    const QString& command_line = ctx.program.command_line;
    const bool nt = platform::is_nt(ctx.machine);

    mm6.setVisible(command_line.compare(developer_word, Qt::CaseInsensitive) == 0);
    policy::Get_CR(engine_);
    land_menu(*this);
    menu1(*this);
    status_init(*this);
    policy::settings_get(engine_);
    policy::get_drives(engine_);
    policy::settings_get_drives(engine_);
    policy::CPL_All(engine_);
    localize(*this);
    fill_user_chooser();

    for (controls::Frame* frame : tabFrames())
        frame->move(180, 480, 6600, 4400);
    placeInfoPanel();

    warn_of_older_version();

    setCaption(QStringLiteral("Gatrisk 2002"));
    l02.setCaption(tab_help_texts[1]);
    if (!nt) {
        t810.setText(platform::get_language() == 0 ? QStringLiteral("<nicht relevant unter W9X/ME>")
                                                   : QStringLiteral("<only available for Win NT/2000/XP-Systems>"));
        t810.setEnabled(false);
    }
    t32.setText(QString());
    mm4.setVisible(false);
    // On the NT family an account's set is read when one is chosen; here there is only the current user.
    if (!nt)
        policy::REG_Load32(engine_);
    if (command_line == QLatin1String("/uninstall"))
        settingsfile::mm132_Click(engine_);
}

void MainWindow::fill_user_chooser()
{
    const QString user = logged_on_user(context().machine);
    if (!platform::is_nt(context().machine)) {
        Combo_user.addItem(user);
        Combo_user.setText(user);
        return;
    }
    policy::get_profiles(engine_);
    const platform::ProfileList& p = engine_.profiles;
    const int count = std::min(p.profile_count, platform::ProfileList::capacity);
    for (int i = 1; i <= count; ++i)
        Combo_user.addItem(p.profile_names[static_cast<std::size_t>(i)]);
    Combo_user.setText(user);
}

void MainWindow::warn_of_older_version()
{
    if (policy::checkgatr99(engine_) == 0.0f)
        return;
    platform::UiServices& ui = context().ui;
    if (platform::get_language() == 0)
        ui.msgBox(QStringLiteral("Auf Ihrem Rechner ist Gatrisk 99 installiert. Es wird empfohlen, Ihre alte "
                                 "Gatrisk 99-Version zu deinstallieren."),
                  48, QStringLiteral("Alte Gatrisk 99-Version gefunden !"));
    else
        ui.msgBox(QStringLiteral("A older version of Gatrisk was found on this computer. We recommend you to "
                                 "deinstall the old Gatrisk 99-Version."),
                  48, QStringLiteral("Old Gatrisk 99 found!"));
}

} // namespace mainwindow
