#pragma once
// The check boxes of the restriction set by restriction number.

#include "mainform/main_form.h"

namespace policy {

// The box of restriction `number` (c11 for 11, c610 for 610, c41, c61, c62 ...); nullptr for a number
// without a box of its own.
controls::CheckBox* restriction_box(mainwindow::MainForm& form, int number);

// A box counts as ticked only with the value 1 (a greyed box is not).
inline bool ticked(const controls::CheckBox& box) { return box.value() == 1; }

} // namespace policy
