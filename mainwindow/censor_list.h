#pragma once
// Small steps the censor-list commands share.

#include "mainwindow/main_form.h"

namespace mainwindow::censor {

// An entry equal to `name` as stored (case matters).
bool contains(const controls::ListBox& list, const QString& name);
// Appends `name` unless an entry equals it as stored; false when the list is full.
bool add_if_missing(controls::ListBox& list, const QString& name);
// gesamtfiles: "Total:" and the number of entries.
void show_count(MainForm& form);

} // namespace mainwindow::censor
