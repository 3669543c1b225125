#pragma once
// Commands of the drive, Control Panel, Start-menu and desktop tabs that change several boxes at once or
// keep two of them consistent, the wallpaper chooser and the button that opens the desktop-link folder
// chooser. Only the wallpaper chooser reaches outside the window: it sets the running account's wallpaper.

#include "mainform/box_reactions.h"
#include "mainwindow/command_links.h"
#include "mainform/main_form.h"
#include "platform/system_queries.h"

namespace mainwindow {

// A click into the wallpaper path fixes the wallpaper.
void t31_Click(MainForm& form);
// Wallpaper chooser: t31, the preview pic31, c37, and the running account's wallpaper at once.
void cm31_Click(MainForm& form, platform::SystemParameters& system_parameters,
                int language = platform::get_language());
// Opens the desktop-link folder chooser, which writes t32 and c39 itself.
void cm32_Click(const CommandLinks& links);

void cm51_Click(MainForm& form);  // every enabled drive box ticked
void cm52_Click(MainForm& form);  // all 26 drive boxes unticked
void cmd21_Click(MainForm& form); // every applet ticked
void cmd22_Click(MainForm& form); // every applet unticked

// Drive and applet buttons, c16, t31, cm31 and cm32, speaking `language`. `links` must outlive the form's
// handlers.
void attach_desktop_commands(MainForm& form, CommandLinks& links, int language = platform::get_language());

} // namespace mainwindow
