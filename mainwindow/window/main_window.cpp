#include "mainwindow/window/main_window.h"

#include "mainwindow/main_bars_and_menus.h"
#include "mainwindow/window/apply_commands.h"
#include "mainwindow/window/developer_menu.h"
#include "policy/click_reactions.h"

namespace mainwindow {

MainWindow::MainWindow(platform::Context& context, startup::UpdateSites sites)
    : MainForm(context), engine_(context, *this), forms_(*this, [this] { show(); }, std::move(sites))
{
    attach_commands();
}

void MainWindow::attach_commands()
{
    // First: the readers and the presets rely on c16's and c41's reactions when they set those boxes.
    policy::attach_click_reactions(*this);
    attach_main_bars_and_menus(*this);
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
