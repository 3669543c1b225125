#pragma once
// The chooser of the desktop-link folder: the administrator browses to a folder that holds link files (*.lnk).
// OK writes the folder into the main window's t32 and ticks c39; Cancel unticks c39. It stores nothing itself.

#include "controls/controls.h"
#include "mainform/main_form.h"
#include "platform/context.h"
#include "platform/system_queries.h"

namespace startup {

class Verzeichnis : public controls::Form {
    // What the folder lists are made with; declared first, so that it is there when they are.
    mainwindow::MainForm& main_;
    platform::Context& context_;

public:
    // The chooser speaks `language` (0 German, 1 English).
    explicit Verzeichnis(mainwindow::MainForm& main, int language = platform::get_language());

    controls::DriveListBox Drive1{*this, "Drive1", context_.machine};
    controls::DirListBox Dir1{*this, "Dir1", context_.machine};
    controls::Label Label1{*this, "Label1"};
    controls::CommandButton Command1{*this, "Command1"};
    controls::CommandButton Command2{*this, "Command2"};
    controls::CommandButton Command3{*this, "Command3"};

protected:
    void Form_Load() override;

private:
    void Dir1_Change();
    void Drive1_Change();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    // Link files directly in `folder`; 0 when it can't be listed.
    int link_count(const QString& folder) const;

    int language_;
    bool settingDrive_ = false; // the load and a refused drive set the drive list without moving the folder
};

} // namespace startup
