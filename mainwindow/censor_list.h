#pragma once
// Small steps the censor-list commands share.

#include "mainform/censor_entries.h"
#include "mainform/main_form.h"

namespace mainwindow::censor {

// gesamtfiles: "Total:" and the number of entries.
void show_count(MainForm& form);

} // namespace mainwindow::censor
