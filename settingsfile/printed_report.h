#pragma once
// The printed report of the window's restriction set: three pages on the current printer, at once, with no
// dialog. It reads the controls (captions, states, texts) and writes nothing.

#include "mainform/main_form.h"
#include "platform/system_queries.h"
#include "platform/ui_services.h"

#include <QString>

namespace settingsfile {

// File > Print: the report on the current printer.
void mm14_Click(mainwindow::MainForm& form, int language = platform::get_language());

// The report as one document on `printer`, with the words of `language` (0 German, 1 English).
void print_report(mainwindow::MainForm& form, platform::Printer& printer, int language);

// The print-line procedure of the window. Its printer object is never set, so it prints nothing.
void druckzeile(const QString& text, bool flag);

} // namespace settingsfile
