#include "mainwindow/window/main_window.h"

#include "mainwindow/main_bars_and_menus.h"
#include "mainwindow/main_commands.h"
#include "mainwindow/window/apply_commands.h"
#include "mainwindow/window/developer_menu.h"
#include "policy/click_reactions.h"
#include "settingsfile/file_menu.h"

namespace mainwindow {

MainWindow::MainWindow(platform::Context& context, startup::UpdateSites sites)
    : MainForm(context), engine_(context, *this), forms_(*this, [this] { show(); }, std::move(sites)),
      links_(context)
{
    attach_commands();
}

void MainWindow::attach_commands()
{
    // First: the readers and the presets rely on c16's and c41's reactions when they set those boxes.
    policy::attach_click_reactions(*this);
    links_.show_verzeichnis = [this] { forms_.verzeichnis.show(); };
    links_.show_setpass = [this] { forms_.setpass.show(); };
    attach_main_commands(*this, links_);
    attach_main_bars_and_menus(*this);
    settingsfile::attach_file_menu(engine_);
    attach_apply_commands(engine_);
    attach_developer_menu(engine_, {[this] { forms_.getpass.show(); }, [this] { forms_.profile.show(); }});
    mm55.onClick = [this] { forms_.update.show(); };
}

void MainWindow::Form_Unload(bool& cancel)
{
    (void)cancel;
    context().ui.endProgram();
}

} // namespace mainwindow
