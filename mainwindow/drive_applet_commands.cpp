#include "mainwindow/desktop_commands.h"

namespace mainwindow {

void cm51_Click(MainForm& form)
{
    // Boxes of drives that are not there stay as they are, ticked or not.
    for (controls::CheckBox* box : form.driveBoxes())
        if (box->enabled())
            box->setValue(1);
}

void cm52_Click(MainForm& form)
{
    for (controls::CheckBox* box : form.driveBoxes())
        box->setValue(0);
}

namespace {

void tick_every_applet(MainForm& form, bool checked)
{
    for (int i = 1; i <= form.lv1.count(); ++i)
        form.lv1.setChecked(i, checked);
}

} // namespace

void cmd21_Click(MainForm& form) { tick_every_applet(form, true); }

void cmd22_Click(MainForm& form) { tick_every_applet(form, false); }

} // namespace mainwindow
