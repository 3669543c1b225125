#pragma once
// The machine's configuration file: an INI-like text in UTF-8.
//
//   [system]
//   platform = 2            ; 0 Win32s, 1 Windows 95/98/ME, 2 NT family
//   major = 5
//   minor = 1
//   build = 2600
//   csd = "Service Pack 2"      ; a value in double quotes keeps its blanks
//   user = Administrator
//   groups = S-1-5-21-1-2-3-513, S-1-1-0, S-1-5-32-544   ; token order
//   windows = C:\WINDOWS
//   system = C:\WINDOWS\system32
//   profiles = C:\Documents and Settings                  ; empty or absent on Windows 95/98/ME
//   programs = C:\Programme\Gatrisk 2002
//   [accounts]
//   Administrator = S-1-5-21-1-2-3-500
//   [drives]
//   C = drive_c            ; relative to the machine folder, or an absolute host folder
//
// Blank lines and lines starting with ';' or '#' are ignored; sections and keys are matched without regard to case.

#include "platform/machine/machine.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace platform {

// `file` names the configuration in messages; relative drive folders are taken from `machine_folder`.
// A malformed text gives std::nullopt and one message: "<file>:<line>: <what is wrong>".
std::optional<MachineFacts> parse_machine_config(const QByteArray& text, const QString& file,
                                                 const QString& machine_folder, QString* error);

// The facts as a configuration text; drive folders inside `machine_folder` are written relative to it.
QByteArray format_machine_config(const MachineFacts& facts, const QString& machine_folder);

// "" when the facts make a machine; otherwise what is wrong (paths not full or on an unmapped drive, a missing
// user, a malformed SID, no drive).
QString check_machine_facts(const MachineFacts& facts);

// True for "S-1-<authority>-<sub authority>...", the decimal text form of a SID.
bool is_sid_text(const QString& text);

} // namespace platform
