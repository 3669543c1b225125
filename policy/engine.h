#pragma once
// The restriction policy engine's view of the program: the context, the main window's controls (which are the
// restriction set), and the form-level tables that the engine owns. The engine's operations are free
// functions taking this object, named as the program's own code names them (REG_Save32, Get_CR, ...).

#include "mainform/main_form.h"
#include "platform/context.h"
#include "platform/profile_list.h"

#include <QString>

#include <array>

namespace policy {

struct Engine {
    Engine(platform::Context& context, mainwindow::MainForm& main_form) : ctx(context), form(main_form) {}

    platform::Context& ctx;
    mainwindow::MainForm& form;

    // Restriction table: value name and key path (relative to the user root) by restriction number.
    static constexpr int restriction_count = 611;
    std::array<QString, restriction_count> VN;
    std::array<QString, restriction_count> KP;

    // Applet catalogue: file or item name and label by row, rows 1 to CplCount; 0 unused.
    static constexpr int applet_capacity = 39;
    std::array<QString, applet_capacity + 1> CplFile;
    std::array<QString, applet_capacity + 1> CplName;
    int CplCount = 0;

    // The accounts found on disk (NT family), filled at load.
    platform::ProfileList profiles;

    // Account lookup tables of ProfileList: security identifiers and profile folder names, entries 1 to 100.
    static constexpr int sid_capacity = 100;
    std::array<QString, sid_capacity + 1> SidList;
    std::array<QString, sid_capacity + 1> SidUser;

    // Set while de-install runs: the engine then lets the logged-on user pass, and the hive loader skips its
    // probe of the hive file and its write test.
    bool deinstall_running = false;
};

} // namespace policy
