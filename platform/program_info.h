#pragma once
// The program's own facts: where it is installed on the machine, its file name, its version and its command line.

#include "platform/machine/machine.h"

#include <QString>
#include <QStringList>

namespace platform {

struct ProgramInfo {
    QString folder;       // the machine's program folder (a Windows path, no trailing backslash)
    QString file_name;    // without extension: "GATR2002"
    int major = 0;
    int minor = 0;
    int revision = 0;
    QString command_line; // the arguments joined by single blanks
};

// `arguments` are the program's arguments without its own name.
ProgramInfo program_info(const Machine& machine, const QStringList& arguments);

// major "." minor "." revision: the version text shown to the user.
QString version_text(const ProgramInfo& info);

} // namespace platform
