#pragma once
// The start-up's forms of one program, made over its main window. The program shows `getpass` first; the
// main window's commands show the others (cm32: verzeichnis, Edit "Change Password": setpass, Help "Online
// Update": update, the developer menu: getpass and profile). `show_main` opens the main window.

#include "mainform/main_form.h"
#include "startup/getpass_form.h"
#include "startup/profile_form.h"
#include "startup/setpass_form.h"
#include "startup/update_form.h"
#include "startup/verzeichnis_form.h"

#include <functional>

namespace startup {

struct StartupForms {
    StartupForms(mainwindow::MainForm& main, const std::function<void()>& show_main, UpdateSites sites = {})
        : setpass(main.context(), show_main),
          getpass(main.context(), setpass, show_main),
          update(main.context(), std::move(sites)),
          verzeichnis(main),
          profile(main.context())
    {
    }

    SetPass setpass;
    GetPass getpass;
    Update update;
    Verzeichnis verzeichnis;
    Profile profile;
};

} // namespace startup
