#pragma once
// The developers' menu "Intern": probes of single building blocks that show what they return. The window's
// load shows it only for the developer word. Several items were left without an effect and stay so.

#include "policy/engine.h"

#include <functional>

namespace mainwindow {

// The start-up's forms the menu opens, modeless.
struct DeveloperForms {
    std::function<void()> show_getpass;
    std::function<void()> show_profile;
};

void attach_developer_menu(policy::Engine& engine, DeveloperForms forms);

void m_tes_getsys_Click(policy::Engine& engine);
void m_tes_existiert_Click(policy::Engine& engine);
void m_tes_user_Click(policy::Engine& engine);
void m_tes_profiledirs_Click(policy::Engine& engine);
void regset_int__Click(policy::Engine& engine);
void mm_tes_7_Click(policy::Engine& engine);

// Probes that no command reaches.
// Shows the command line that unloads the chosen account's hive with REG.EXE, then starts it.
void unhive_regexe(policy::Engine& engine);
void show_profiles_dir(policy::Engine& engine);

} // namespace mainwindow
