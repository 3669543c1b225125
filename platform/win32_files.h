#pragma once
// FindFirstFileA / FindNextFileA / FindClose and GetFileAttributesA over the machine.

#include "platform/machine/machine.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace platform::win32 {

struct FindData {
    std::uint32_t attributes = 0; // as GetFileAttributesA gives them
    QString name;                 // as the "A" call gives it: a character outside Windows-1252 reads as "?"
    std::int64_t size = 0;
};

// Everything FindFirstFileA and the FindNextFileA calls after it yield for `pattern` (a folder & "*", or a name
// with * and ? in its last component, matched without regard to case; a ? or a dot followed by * or ? also matches
// the end of a name, so "*.*" matches every name). A folder other than a drive's root lists "." and ".." first,
// then the names in NTFS order (case-insensitive). std::nullopt when the listing can't be started (the folder
// is missing or can't be mapped); an empty list when nothing matches.
std::optional<std::vector<FindData>> find_all(const Machine& machine, const QString& pattern);

// Read-only 1, hidden 2, system 4, directory 16, archive 32, or 128 (normal) when none is set;
// 0xFFFFFFFF (invalid_file_attributes) when the path does not exist or can't be mapped.
std::uint32_t GetFileAttributesA(const Machine& machine, const QString& path);

} // namespace platform::win32
