#include "platform/win32_system.h"

#include "platform/codepage.h"

#include <algorithm>

namespace platform::win32 {

namespace {

// Copies text and a NUL when both fit; the length without NUL, or the size needed.
std::uint32_t copy_path(const QString& path, QByteArray& buffer, std::uint32_t size)
{
    const QByteArray bytes = to_cp1252(path);
    const auto needed = static_cast<std::uint32_t>(bytes.size()) + 1;
    if (needed > size)
        return needed;
    if (static_cast<std::uint32_t>(buffer.size()) < size)
        buffer.resize(size);
    std::copy(bytes.begin(), bytes.end(), buffer.begin());
    buffer[bytes.size()] = '\0';
    return needed - 1;
}

bool copy_counted(const QString& text, QByteArray& buffer, std::uint32_t& size)
{
    const QByteArray bytes = to_cp1252(text);
    const auto needed = static_cast<std::uint32_t>(bytes.size()) + 1;
    if (needed > size) {
        size = needed;
        return false;
    }
    if (static_cast<std::uint32_t>(buffer.size()) < size)
        buffer.resize(size);
    std::copy(bytes.begin(), bytes.end(), buffer.begin());
    buffer[bytes.size()] = '\0';
    size = needed;
    return true;
}

} // namespace

bool GetVersionExA(const Machine& machine, OsVersionInfo& info)
{
    if (info.size != os_version_info_size && info.size != os_version_info_ex_size)
        return false;
    const MachineFacts& f = machine.facts();
    info.major = f.major;
    info.minor = f.minor;
    info.platform_id = f.platform_id;
    info.build = f.platform_id == platform_windows ? ((f.major & 0xFF) << 24) | ((f.minor & 0xFF) << 16) | (f.build & 0xFFFF)
                                                   : f.build;
    info.csd.fill('\0');
    const QByteArray csd = to_cp1252(f.csd).left(127);
    std::copy(csd.begin(), csd.end(), info.csd.begin());
    return true;
}

bool GetUserNameA(const Machine& machine, QByteArray& buffer, std::uint32_t& size)
{
    return copy_counted(machine.facts().user, buffer, size);
}

std::uint32_t GetWindowsDirectoryA(const Machine& machine, QByteArray& buffer, std::uint32_t size)
{
    return copy_path(machine.facts().windows_dir, buffer, size);
}

std::uint32_t GetSystemDirectoryA(const Machine& machine, QByteArray& buffer, std::uint32_t size)
{
    return copy_path(machine.facts().system_dir, buffer, size);
}

bool GetProfilesDirectoryA(const Machine& machine, QByteArray& buffer, std::uint32_t& size)
{
    if (!machine.is_nt_family() || machine.facts().profiles_dir.isEmpty())
        return false;
    return copy_counted(machine.facts().profiles_dir, buffer, size);
}

std::uint32_t GetLogicalDrives(const Machine& machine) { return machine.logical_drives(); }

} // namespace platform::win32
