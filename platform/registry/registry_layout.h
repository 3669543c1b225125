#pragma once
// Which hive file serves which part of the registry, and what the logged-on user may write.

#include <QString>

#include <functional>
#include <vector>

namespace platform {

struct MountedHive {
    QString name;      // the sub-key of HKEY_USERS
    QString host_file; // host path of the hive file
    bool read_only = false;
};

struct RegistryLayout {
    bool nt_family = true;
    // Members of the administrators group may write every hive; other users only their own (HKEY_CURRENT_USER).
    // Windows 95/98/ME has no such rights: everything is writable there.
    bool user_is_admin = true;

    // Host paths. A path whose file does not exist gives a branch without keys.
    QString software;           // HKEY_LOCAL_MACHINE\SOFTWARE
    QString system;             // HKEY_LOCAL_MACHINE\SYSTEM
    bool whole_machine_hive = false; // Windows 95/98/ME: `software` is the whole of HKEY_LOCAL_MACHINE
    QString current_user;       // HKEY_CURRENT_USER
    QString default_user;       // HKEY_USERS\.DEFAULT (may be the same file as current_user)
    QString current_user_sid;   // HKEY_USERS\<sid> is HKEY_CURRENT_USER too; "" for none

    // The hives mounted under HKEY_USERS now. Asked whenever a call reaches into HKEY_USERS, because another
    // process mounts and dismounts between calls.
    std::function<std::vector<MountedHive>()> mounts;
};

} // namespace platform
