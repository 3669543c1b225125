#pragma once
// The kernel32, advapi32 and userenv system queries over the machine, with the buffer rules of the real calls.
// Texts cross in Windows-1252 bytes as the "A" calls give them.

#include "platform/machine/machine.h"

#include <QByteArray>

#include <array>
#include <cstdint>

namespace platform::win32 {

// OSVERSIONINFOA: 148 bytes.
struct OsVersionInfo {
    std::uint32_t size = 148;
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
    std::uint32_t platform_id = 0;
    std::array<char, 128> csd{};
};
inline constexpr std::uint32_t os_version_info_size = 148;
inline constexpr std::uint32_t os_version_info_ex_size = 156;

// Fills the record; false when its size field is neither 148 nor 156. On Windows 95/98/ME the build number
// carries the major and minor version in its high word, as those systems report it.
bool GetVersionExA(const Machine& machine, OsVersionInfo& info);

// Writes the user name and a NUL into `buffer` (which holds `size` bytes) and sets `size` to the count with the NUL.
// A buffer that is too small: false, `size` set to the count needed, nothing written.
bool GetUserNameA(const Machine& machine, QByteArray& buffer, std::uint32_t& size);

// The path without NUL into a buffer of `size` bytes; the length without NUL, or the size needed with the NUL
// when the buffer is too small (nothing written then).
std::uint32_t GetWindowsDirectoryA(const Machine& machine, QByteArray& buffer, std::uint32_t size);
std::uint32_t GetSystemDirectoryA(const Machine& machine, QByteArray& buffer, std::uint32_t size);

// Like GetUserNameA: the count in `size` includes the NUL. False on systems without a profiles folder
// (Windows 95/98/ME, where userenv is absent) and when the buffer is too small.
bool GetProfilesDirectoryA(const Machine& machine, QByteArray& buffer, std::uint32_t& size);

// Bit 0 for A, bit 1 for B, ...
std::uint32_t GetLogicalDrives(const Machine& machine);

} // namespace platform::win32
