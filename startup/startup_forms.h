#pragma once
// The start-up's forms of one program, made over its main window. The program shows `getpass` first; the
// main window's commands show the others (cm32: verzeichnis, Edit "Change Password": setpass, Help "Online
// Update": update, the developer menu: getpass and profile). `show_main` opens the main window.

#include "mainform/main_form.h"
#include "platform/system_queries.h"
#include "startup/getpass_form.h"
#include "startup/profile_form.h"
#include "startup/setpass_form.h"
#include "startup/update_form.h"
#include "startup/verzeichnis_form.h"

#include <functional>

namespace startup {

struct StartupForms {
    // Every form speaks `language` (0 German, 1 English).
    StartupForms(mainwindow::MainForm& main, const std::function<void()>& show_main, UpdateSites sites = {},
                 int language = platform::get_language())
        : setpass(main.context(), show_main, language),
          getpass(main.context(), setpass, show_main, language),
          update(main.context(), std::move(sites), language),
          verzeichnis(main, language),
          profile(main.context(), language)
    {
    }

    SetPass setpass;
    GetPass getpass;
    Update update;
    Verzeichnis verzeichnis;
    Profile profile;
};

} // namespace startup
