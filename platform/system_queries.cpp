#include "platform/system_queries.h"

#include "platform/codepage.h"
#include "platform/file_attributes.h"
#include "platform/like_pattern.h"
#include "platform/win32_files.h"
#include "platform/win32_system.h"

namespace platform {

QString os_name(std::uint32_t platform_id, std::uint32_t major, std::uint32_t minor, std::uint32_t build)
{
    const auto low_build = static_cast<std::int16_t>(build & 0xFFFF);
    const char* name = "Win???";
    switch (platform_id) {
    case platform_nt:
        if (major == 4)
            name = "WinNT";
        else if (major == 5)
            name = minor == 1 ? "WinXP" : "Win2K";
        break;
    case platform_windows:
        if (major > 4 || (major == 4 && minor == 10))
            name = low_build == 1998 ? "Win98" : "Win98SE";
        else if (major == 4 && minor == 0)
            name = "Win95";
        else if (major == 4 && minor == 90)
            name = "WinME";
        break;
    case platform_win32s:
        name = "Win32S";
        break;
    default:
        break;
    }
    return QLatin1String(name);
}

QString get_os(const Machine& machine)
{
    win32::OsVersionInfo info;
    info.size = win32::os_version_info_size;
    if (!win32::GetVersionExA(machine, info))
        return QStringLiteral("Win???");
    return os_name(info.platform_id, info.major, info.minor, info.build);
}

bool is_nt(const Machine& machine)
{
    const QString os = get_os(machine);
    return os == QLatin1String("WinNT") || os == QLatin1String("Win2K") || os == QLatin1String("WinXP");
}

std::int16_t get_language() { return 1; }

QString get_username(const Machine& machine)
{
    QByteArray buffer(255, ' ');
    std::uint32_t size = 255;
    if (!win32::GetUserNameA(machine, buffer, size))
        size = 0;
    const QString name = from_cp1252(buffer.left(size));
    return name.isEmpty() ? QStringLiteral("NoUser") : name;
}

namespace {

QString with_backslash(const QByteArray& buffer, std::uint32_t length)
{
    QString path = from_cp1252(buffer.left(length));
    if (!path.endsWith(QLatin1Char('\\')))
        path += QLatin1Char('\\');
    return path;
}

} // namespace

QString get_windir(const Machine& machine)
{
    QByteArray buffer(255, ' ');
    const std::uint32_t length = win32::GetWindowsDirectoryA(machine, buffer, 255);
    return with_backslash(buffer, length > 255 ? 0 : length);
}

QString get_sysdir(const Machine& machine)
{
    QByteArray buffer(255, ' ');
    const std::uint32_t length = win32::GetSystemDirectoryA(machine, buffer, 255);
    return with_backslash(buffer, length > 255 ? 0 : length);
}

QString get_profilesdir(const Machine& machine)
{
    QByteArray buffer(255, ' ');
    std::uint32_t size = 255;
    if (!win32::GetProfilesDirectoryA(machine, buffer, size) || size == 0)
        return {};
    return from_cp1252(buffer.left(size - 1)) + QLatin1Char('\\');
}

VbResult<std::int32_t> find_files(const Machine& machine, const QString& folder_in, QStringList& files,
                                  const QString& pattern_in, std::uint32_t mask, bool recurse)
{
    const QString folder = folder_in.endsWith(QLatin1Char('\\')) ? folder_in : folder_in + QLatin1Char('\\');
    const QString pattern = pattern_in.toLower();
    const auto listing = win32::find_all(machine, folder + QLatin1Char('*'));
    if (!listing)
        return {0, vb::path_not_found};
    std::int32_t count = 0;
    for (const win32::FindData& entry : *listing) {
        const std::uint32_t attributes = win32::GetFileAttributesA(machine, folder + entry.name);
        if (attributes & attr_directory) {
            if (recurse && entry.name != QLatin1String(".") && entry.name != QLatin1String("..")
                && attributes != invalid_file_attributes) {
                const auto deeper = find_files(machine, folder + entry.name, files, pattern, mask, true);
                if (!deeper.ok())
                    return {0, deeper.error};
                count += deeper.value;
            }
            continue;
        }
        if ((attributes & mask) == mask && like(entry.name.toLower(), pattern)) {
            files.push_back(folder + entry.name);
            ++count;
        }
    }
    return {count, vb::ok};
}

bool file_exists(VbFiles& files, const QString& path)
{
    const int error = files.open(path, FileMode::binary, 1);
    if (error != vb::ok) {
        // The open fails before taking number 1 unless number 1 was open already; that one stays open.
        return error == vb::permission_denied;
    }
    const auto length = files.length(1);
    bool result = false;
    if (length.ok() && length.value > 0) {
        result = true;
    } else if (length.ok()) {
        files.close(1);
        files.kill(path);
    }
    files.close(1);
    return result;
}

} // namespace platform
