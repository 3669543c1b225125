#include "mainwindow/main_window.h"

#include "mainwindow/main_bars_and_menus.h"
#include "mainwindow/main_commands.h"
#include "mainwindow/apply_commands.h"
#include "mainwindow/developer_menu.h"
#include "mainwindow/program_pictures.h"
#include "policy/click_reactions.h"
#include "settingsfile/file_menu.h"

namespace mainwindow {

MainWindow::MainWindow(platform::Context& context, startup::UpdateSites sites)
    : MainForm(context), engine_(context, *this), forms_(*this, [this] { show(); }, std::move(sites)),
      links_(context)
{
    // The information panel's picture fills its place; the icon is the notification icon's and the window's.
    Image1.setPicture(program_emblem(Image1.width() / 15, Image1.height() / 15));
    prgpic.setPicture(program_emblem(32, 32));
    setIcon(prgpic.picture());
    // The password forms show the same picture beside their fields, and every form the program's icon.
    for (controls::Image* image : {&forms_.getpass.Image1, &forms_.setpass.Image1})
        image->setPicture(program_emblem(image->width() / 15, image->height() / 15));
    for (controls::Form* form : std::initializer_list<controls::Form*>{
             &forms_.getpass, &forms_.setpass, &forms_.verzeichnis, &forms_.update, &forms_.profile})
        form->setIcon(prgpic.picture());
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
