#pragma once
// What the hive helper program does: mount a hive file under HKEY_USERS, or dismount it.

#include "platform/machine/machine.h"
#include "platform/process_identity.h"

#include <QString>
#include <QStringList>

namespace regg {

enum class Outcome {
    done,
    refused, // nothing changed; `why` tells the reason
    failed,  // the mount table could not be read or written
};

// Both commands refuse a user who is not an administrator, as loading and unloading hives needs the backup and
// restore privileges of that group.

// Mounts the hive file (a Windows path of the machine) as HKEY_USERS\<name> when it is a readable hive that no
// process holds: not the logged-on user's hive or another loaded system hive, not mounted already, not locked.
// A hive that is not clean is mounted read-only. A name that is mounted already is refused. The mount belongs to
// `owner`, the program that started the helper.
Outcome load(const platform::Machine& machine, const QString& hive_file, const QString& name,
             const platform::ProcessIdentity& owner, QString* why);

// Dismounts HKEY_USERS\<name>; a name that is not mounted is no error. A mount that another running program made
// is refused, as Windows refuses to unload a hive that another process holds; one whose program has ended, or
// that names none, is stale and goes.
Outcome unload(const platform::Machine& machine, const QString& name, const platform::ProcessIdentity& caller,
               QString* why);

// The name of "HKU\<name>" or "HKEY_USERS\<name>"; "" when the text is not of that form.
QString mount_name(const QString& target);

// The target that follows the first `leading` arguments (the command, the hive file). The program writes the
// account name unquoted, blanks and all, so it runs to the end of the command line: the line as written when the
// program started this one; else the remaining arguments joined by single blanks, as a shell split them.
QString target_text(const QStringList& arguments, int leading);

} // namespace regg
