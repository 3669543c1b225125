#pragma once
// Entries of the censor list as stored: names are compared with case.

#include "controls/list_box.h"

namespace mainwindow::censor {

// An entry equal to `name` as stored (case matters).
bool contains(const controls::ListBox& list, const QString& name);
// Appends `name` unless an entry equals it as stored; false when the list is full.
bool add_if_missing(controls::ListBox& list, const QString& name);

} // namespace mainwindow::censor
