#pragma once
// The concrete bindings, one maker per control kind.

#include "qtui/binding.h"

#include "controls/controls.h"

namespace qtui {

std::unique_ptr<Binding> bindCheckBox(controls::CheckBox& c, FormWindow& w);
std::unique_ptr<Binding> bindCommandButton(controls::CommandButton& c, FormWindow& w);
std::unique_ptr<Binding> bindLabel(controls::Label& c, FormWindow& w);
std::unique_ptr<Binding> bindTextBox(controls::TextBox& c, FormWindow& w);
std::unique_ptr<Binding> bindListBox(controls::ListBox& c, FormWindow& w);
std::unique_ptr<Binding> bindListView(controls::ListView& c, FormWindow& w);
std::unique_ptr<Binding> bindDriveList(controls::DriveListBox& c, FormWindow& w);
std::unique_ptr<Binding> bindDirList(controls::DirListBox& c, FormWindow& w);
std::unique_ptr<Binding> bindFileList(controls::FileListBox& c, FormWindow& w);
std::unique_ptr<Binding> bindComboBox(controls::ComboBox& c, FormWindow& w);
std::unique_ptr<Binding> bindFrame(controls::Frame& c, FormWindow& w);
std::unique_ptr<Binding> bindPicture(controls::PictureControl& c, FormWindow& w);
std::unique_ptr<Binding> bindTabControl(controls::TabControl& c, FormWindow& w);
std::unique_ptr<Binding> bindStatusBar(controls::StatusBar& c, FormWindow& w);
std::unique_ptr<Binding> bindListBar(controls::ListBar& c, FormWindow& w);
std::unique_ptr<Binding> bindTimer(controls::Timer& c, FormWindow& w);
// A control that works without a widget of its own (the common dialog): an object by its name only.
std::unique_ptr<Binding> bindWithoutWidget(controls::Control& c, FormWindow& w);

} // namespace qtui
