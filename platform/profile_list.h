#pragma once
// The accounts found on disk: the profiles folder and, for each account, its folder name and hive file.

#include <QString>

#include <array>

namespace platform {

struct ProfileList {
    static constexpr int capacity = 1000;

    QString profile_folder;                                 // ends in a backslash
    std::array<QString, capacity + 1> profile_names;        // entries 1 to profile_count; 0 unused
    std::array<QString, capacity + 1> profile_hives;        // profile_folder & name & "\NTUSER.DAT"
    int profile_count = 0;
};

} // namespace platform
