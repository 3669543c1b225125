#pragma once
// The registry hives of a sample machine: what Windows and the program's installation leave in them.

#include "platform/machine/machine.h"

#include <QString>

namespace platform {

struct SampleOwner {
    QString owner = QStringLiteral("Administrator");
    QString organization = QStringLiteral("Musterschule");
};

// Writes every hive file of the machine that does not exist yet: SOFTWARE (the profile list of the accounts and
// of the service accounts, the registered owner and organisation, the Run key, the program's uninstall entry and
// its key Software\Brekund\G2002), SYSTEM, DEFAULT and each account's NTUSER.DAT (Shell Folders "Desktop",
// Control Panel\Desktop "Wallpaper", Control Panel\Sound, the Run key, the Windows NT current-version key and,
// in an account's hive, the program's key Software\Brekund\G2002); on Windows 95/98/ME SYSTEM.DAT and USER.DAT.
// Windows XP hives are of format 1.5, the others 1.3. False with a message when a file can't be written;
// existing files are kept.
bool populate_sample_hives(const Machine& machine, const SampleOwner& owner = {}, QString* error = nullptr);

} // namespace platform
