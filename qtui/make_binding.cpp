#include "qtui/bindings.h"

namespace qtui {

std::unique_ptr<Binding> makeBinding(controls::Control& c, FormWindow& w)
{
    using K = controls::Kind;
    switch (c.kind()) {
    case K::CheckBox:
        return bindCheckBox(static_cast<controls::CheckBox&>(c), w);
    case K::CommandButton:
        return bindCommandButton(static_cast<controls::CommandButton&>(c), w);
    case K::Label:
        return bindLabel(static_cast<controls::Label&>(c), w);
    case K::TextBox:
        return bindTextBox(static_cast<controls::TextBox&>(c), w);
    case K::ListBox:
        return bindListBox(static_cast<controls::ListBox&>(c), w);
    case K::ListView:
        return bindListView(static_cast<controls::ListView&>(c), w);
    case K::DriveListBox:
        return bindDriveList(static_cast<controls::DriveListBox&>(c), w);
    case K::DirListBox:
        return bindDirList(static_cast<controls::DirListBox&>(c), w);
    case K::FileListBox:
        return bindFileList(static_cast<controls::FileListBox&>(c), w);
    case K::ComboBox:
        return bindComboBox(static_cast<controls::ComboBox&>(c), w);
    case K::Frame:
        return bindFrame(static_cast<controls::Frame&>(c), w);
    case K::PictureBox:
    case K::Image:
        return bindPicture(static_cast<controls::PictureControl&>(c), w);
    case K::TabControl:
        return bindTabControl(static_cast<controls::TabControl&>(c), w);
    case K::StatusBar:
        return bindStatusBar(static_cast<controls::StatusBar&>(c), w);
    case K::ListBar:
        return bindListBar(static_cast<controls::ListBar&>(c), w);
    case K::Timer:
        return bindTimer(static_cast<controls::Timer&>(c), w);
    case K::CommonDialog:
        return bindWithoutWidget(c, w);
    case K::Menu:
        break;
    }
    return nullptr;
}

} // namespace qtui
