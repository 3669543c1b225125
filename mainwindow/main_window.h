#pragma once
// The program's working window as it runs: the form with the restriction policy engine over it, every
// command module attached to its controls, the start-up's forms that it opens, and its load sequence.
// The start-up form getpass shows it once the password is right; closing it ends the program.

#include "mainwindow/command_links.h"
#include "mainform/main_form.h"
#include "platform/context.h"
#include "policy/engine.h"
#include "startup/startup_forms.h"

namespace mainwindow {

class MainWindow : public MainForm {
public:
    // `sites` are the maker's update sites (tests point them at a local server).
    explicit MainWindow(platform::Context& context, startup::UpdateSites sites = {});

    policy::Engine& engine() { return engine_; }
    // getpass is the program's first window; the others open from the window's commands.
    startup::StartupForms& startup_forms() { return forms_; }

protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

private:
    void attach_commands();
    void fill_user_chooser();
    void warn_of_older_version();

    policy::Engine engine_;
    startup::StartupForms forms_;
    CommandLinks links_;
};

} // namespace mainwindow
