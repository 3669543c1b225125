#pragma once
// Mounting another account's hive under HKEY_USERS through the helper program regg.exe of the program folder,
// and dismounting it again.

#include "platform/context.h"
#include "platform/system_queries.h"
#include "platform/vb_files.h"

#include <QString>

#include <cstdint>

namespace platform {

inline constexpr std::int16_t hive_load = 1;
inline constexpr std::int16_t hive_unload = 2;
inline constexpr std::int16_t hive_ok = 0;
inline constexpr std::int16_t hive_failed = 99;

// Probe codes of HIVE_CheckFile.
inline constexpr std::int32_t probe_present = 0;
inline constexpr std::int32_t probe_missing = 1;  // missing or empty
inline constexpr std::int32_t probe_refused = 2;  // held by another process, or access refused
inline constexpr std::int32_t probe_no_path = 3;  // the folder does not exist
inline constexpr std::int32_t probe_unknown = 9;

// The helper program's Windows path: the program folder & "\regg.exe".
QString hive_helper_path(const QString& program_folder);
// "<helper>" load "<hive file>" HKU\<name>, and "<helper>" unload HKU\<name>, exactly.
QString hive_load_command(const QString& program_folder, const QString& hive_file, const QString& name);
QString hive_unload_command(const QString& program_folder, const QString& name);

// Opens the file for binary access as file number 98, which creates a missing file; an empty file is deleted.
// 0 present and not empty, 1 missing or empty, 2 refused (70, 75), 3 path not found (76), 9 any other error.
std::int32_t HIVE_CheckFile(VbFiles& files, const QString& path);

// Operation 1 mounts `hive_file` as HKEY_USERS\<name> and checks that the branch can be written; 2 dismounts
// `name` (harmless when it is not mounted). 0 success, 99 failure, each failure of a load told in one message.
// A load has failed too when HKEY_USERS\<name> is not then this program's mount of `hive_file`: a branch of the
// running system, another hive, or another running program's mount, which the unload left alone.
// Under `deinstall_running` the load neither probes the hive file nor tests writing, and tells nothing about
// either; the messages are those of `language` (0 German, 1 English). Any other operation answers 99 and does
// nothing.
std::int16_t HIVE_LoadUnload(Context& ctx, std::int16_t operation, const QString& hive_file, const QString& name,
                             bool deinstall_running, int language = get_language());

} // namespace platform
