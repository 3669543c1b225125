#pragma once
// The Control Panel applets that can be hidden from a user: for each row the name under which Windows knows
// the applet (an applet file, or the German display name of a Windows 2000/XP Control Panel item) and its
// label in German and English.

#include <QString>

namespace policy {

inline constexpr int applet_row_count = 39;

// Row 1 to 39; "" outside.
QString applet_file(int row);
// The row's label for language code 0 (German) or 1 (English). A row whose label is the same in both
// languages gives it for any code; the others give "" for a code other than 0 and 1.
QString applet_label(int row, int language);

} // namespace policy
