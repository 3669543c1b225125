#include "settingsfile/window_set.h"

#include "settingsfile/box_groups.h"

namespace settingsfile {

namespace {

template <std::size_t N>
void take(const std::array<controls::CheckBox*, N>& boxes, std::array<int, N>& out)
{
    for (std::size_t i = 0; i < N; ++i)
        out[i] = boxes[i]->value();
}

// Only a stored 1 ticks.
template <std::size_t N>
void put(const std::array<controls::CheckBox*, N>& boxes, const std::array<int, N>& in)
{
    for (std::size_t i = 0; i < N; ++i)
        boxes[i]->setValue(in[i] == 1 ? 1 : 0);
}

} // namespace

StoredSet take_from(mainwindow::MainForm& form)
{
    StoredSet s;
    take(start_menu_boxes(form), s.start_menu);
    for (int i = 1; i <= applet_lines; ++i)
        s.applets[static_cast<std::size_t>(i - 1)] = form.lv1.valid(i) && form.lv1.checked(i) ? 1 : 0;
    take(explorer_boxes(form), s.explorer);
    take(desktop_boxes(form), s.desktop);
    s.wallpaper = form.t31.text();
    s.censor_on = form.c41.value();
    s.censor_list = form.List1.entries();
    take(form.driveBoxes(), s.drives);
    take(network_boxes(form), s.network);
    take(misc_boxes(form), s.misc);
    s.organisation = form.t81.text();
    s.owner = form.t82.text();
    s.profiles_folder = form.t810.text();
    return s;
}

void put_into(mainwindow::MainForm& form, const StoredSet& s)
{
    put(start_menu_boxes(form), s.start_menu);
    for (int i = 1; i <= applet_lines; ++i)
        form.lv1.setChecked(i, s.applets[static_cast<std::size_t>(i - 1)] == 1);
    put(explorer_boxes(form), s.explorer);
    put(desktop_boxes(form), s.desktop);
    form.t31.setText(s.wallpaper);
    form.c41.setValue(s.censor_on == 1 ? 1 : 0);
    form.List1.clear();
    for (const QString& entry : s.censor_list)
        form.List1.addItem(entry);
    const auto drives = form.driveBoxes();
    for (std::size_t i = 0; i < drives.size(); ++i)
        drives[i]->setValue(s.drives[i]);
    put(network_boxes(form), s.network);
    put(misc_boxes(form), s.misc);
    form.t81.setText(s.organisation);
    form.t82.setText(s.owner);
    form.t810.setText(s.profiles_folder);
}

} // namespace settingsfile
