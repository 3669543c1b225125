#pragma once
// The accounts that can be restricted on the NT family: every sub-folder of the profiles folder is one account,
// named by the folder, with its hive file NTUSER.DAT inside.

#include "platform/context.h"
#include "platform/profile_list.h"

#include <QString>

namespace platform {

// The profiles folder: "ProfileMainPath" of the program key when it is set (unchanged, with or without a
// trailing backslash), else the system's folder for the given OS name, else a guess from the Windows folder;
// "" on a system without profiles.
QString choose_profiles_folder(const QString& main_path, const QString& os, const QString& profiles_dir,
                               const QString& windows_dir);

// Lists the accounts of the profiles folder into `profiles` (at most ProfileList::capacity; more are left out)
// and puts the folder into `folder_text` (the main window's profiles-path field). Hives that can't be read are
// named in one message; their accounts stay in the list. A folder that can't be listed changes nothing.
void get_profiles(Context& ctx, ProfileList& profiles, QString& folder_text);

} // namespace platform
