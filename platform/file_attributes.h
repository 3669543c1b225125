#pragma once
// DOS file attributes on host files. Read-only is the host's write permission; hidden, system and archive are kept
// in an extended attribute where the host file system keeps one, and are lost silently where it does not.

#include <QString>

#include <cstdint>
#include <optional>

namespace platform {

inline constexpr std::uint32_t attr_readonly = 1;
inline constexpr std::uint32_t attr_hidden = 2;
inline constexpr std::uint32_t attr_system = 4;
inline constexpr std::uint32_t attr_directory = 16;
inline constexpr std::uint32_t attr_archive = 32;
inline constexpr std::uint32_t attr_normal = 128; // GetFileAttributes' answer when no other bit is set
inline constexpr std::uint32_t invalid_file_attributes = 0xFFFFFFFF;

// The extended attribute that holds hidden, system and archive (a decimal number).
inline constexpr const char* dos_attribute_name = "user.gatrisk.dosattrib";

// Read-only, hidden, system, directory and archive bits of a host file; std::nullopt when it does not exist.
// Links are followed. The bits are as VB's GetAttr gives them: 0 for a plain file.
std::optional<std::uint32_t> host_attributes(const QString& host_path);

// Sets read-only, hidden, system and archive (other bits are ignored). False when the file does not exist or its
// permission can't be changed. Hidden, system and archive are kept only where the file system allows.
bool set_host_attributes(const QString& host_path, std::uint32_t attributes);

// True when the file system of the path keeps the extended attribute.
bool host_keeps_dos_attributes(const QString& host_path);

} // namespace platform
