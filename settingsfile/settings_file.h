#pragma once
// The settings file of the main window: the writer and the reader of one restriction set. Only the File
// menu calls them. Reading sets the window's controls and nothing else; the registry is never touched.

#include "mainform/main_form.h"
#include "platform/system_queries.h"

#include <QString>

namespace settingsfile {

// Writes the window's restriction set to `path` (a Windows path), replacing the file whole. Shows nothing
// when it succeeds; when it can't write it says so (in `language`: 0 German, 1 English) and the file stays
// as it was. True when written.
bool dateispeichern(mainwindow::MainForm& form, const QString& path, int language = platform::get_language());

// Sets the window's restriction controls from the settings file at `path`. A file without the magic, a
// damaged one and one that can't be opened each get their message and change no control.
void dateiöffnen(mainwindow::MainForm& form, const QString& path, int language = platform::get_language());

} // namespace settingsfile
