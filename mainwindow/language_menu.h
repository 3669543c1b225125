#pragma once
// The Language menu (never shown): records the preferred language under the program key and says that it
// takes effect at the next start. Nothing reads the value back; the texts stay in the running language.

#include "mainform/main_form.h"
#include "platform/system_queries.h"

namespace mainwindow {

// German.
void mm41_Click(MainForm& main, int language = platform::get_language());
// English.
void mm42_Click(MainForm& main, int language = platform::get_language());

} // namespace mainwindow
