#pragma once
// The printed report of the window's restriction set: three pages on the current printer, at once, with no
// dialog. It reads the controls (captions, states, texts) and writes nothing.

#include "mainform/main_form.h"

#include <QString>

namespace settingsfile {

// File > Print.
void mm14_Click(mainwindow::MainForm& form);

// The print-line procedure of the window. Its printer object is never set, so it prints nothing.
void druckzeile(const QString& text, bool flag);

} // namespace settingsfile
