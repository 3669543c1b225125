#pragma once
// The small queries through which the program learns about the machine it runs on.

#include "platform/machine/machine.h"
#include "platform/vb_errors.h"
#include "platform/vb_files.h"

#include <QString>
#include <QStringList>

#include <cstdint>

namespace platform {

// "Win32S", "Win95", "Win98", "Win98SE", "WinME", "WinNT", "Win2K", "WinXP" or "Win???", decided from the version
// record's fields (only the low 16 bits of the build count, read as a signed number).
QString os_name(std::uint32_t platform_id, std::uint32_t major, std::uint32_t minor, std::uint32_t build);

QString get_os(const Machine& machine);
bool is_nt(const Machine& machine);
// 0 German, 1 English; this program always answers 1.
std::int16_t get_language();
// The account name followed by one NUL, or "NoUser".
QString get_username(const Machine& machine);
// Directories with a trailing backslash; get_profilesdir is "" where the system has no profiles directory.
QString get_windir(const Machine& machine);
QString get_sysdir(const Machine& machine);
QString get_profilesdir(const Machine& machine);

// Adds folder & name of every file of `folder` (recursing into sub-folders when `recurse`) whose lower-cased name
// matches the lower-cased VB Like `pattern` and whose attributes hold every bit of `mask` (0 accepts all).
// The value is the count added; error 76 when a folder can't be listed (what was added stays in `files`).
VbResult<std::int32_t> find_files(const Machine& machine, const QString& folder, QStringList& files,
                                  const QString& pattern, std::uint32_t mask, bool recurse);

// The probe that opens the path for binary access as file number 1 of `files`: true when the file has a length
// above 0 or is held by another process (70); an empty file is deleted (a missing one is thus left absent); false
// on any other error, file number 1 already open included.
bool file_exists(VbFiles& files, const QString& path);

} // namespace platform
