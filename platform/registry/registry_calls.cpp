#include "platform/registry.h"

#include "platform/registry/ansi_text.h"
#include "platform/registry/number_text.h"

#include <array>
#include <string>

namespace platform {
namespace {

constexpr REGSAM rights_write = 0x3F;
constexpr REGSAM rights_read = 0x19;

} // namespace

std::int32_t REG_CreateKeyRaw(Registry& registry, HKEY root, const QString& path)
{
    HKEY key = 0;
    std::uint32_t disposition = 0;
    const std::string ansi_path = to_ansi(path);
    if (registry.RegCreateKeyExA(root, ansi_path.c_str(), 0, nullptr, 0, rights_write, &key, &disposition) != ERROR_SUCCESS)
        return 0;
    // The disposition is the result. A flush that fails keeps the edits pending for the next one, and the save
    // that made them tells it at its end.
    (void)registry.RegFlushKey(key);
    // The handle was opened just above: its close can't fail.
    (void)registry.RegCloseKey(key);
    return static_cast<std::int32_t>(disposition);
}

LSTATUS REG_DeleteKeyRaw(Registry& registry, HKEY root, const QString& path)
{
    return registry.RegDeleteKeyA(root, to_ansi(path).c_str());
}

LSTATUS REG_DeleteValueRaw(Registry& registry, HKEY root, const QString& path, const QString& name)
{
    HKEY key = 0;
    if (const LSTATUS status = registry.RegOpenKeyExA(root, to_ansi(path).c_str(), 0, rights_write, &key))
        return status;
    // Only the open's status and the close's are the result: a value that is not there is no failure here.
    (void)registry.RegDeleteValueA(key, to_ansi(name).c_str());
    return registry.RegCloseKey(key);
}

LSTATUS REG_QueryValueRaw(Registry& registry, HKEY root, const QString& path, const QString& name, Variant& value)
{
    value = Variant();
    HKEY key = 0;
    if (const LSTATUS status = registry.RegOpenKeyExA(root, to_ansi(path).c_str(), 0, rights_read, &key))
        return status;
    const std::string ansi_name = to_ansi(name);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    if (registry.RegQueryValueExA(key, ansi_name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        if (type == REG_SZ) {
            // A buffer of size + 1 blanks: the stored text and its NUL fill it but for the last blank.
            std::string buffer(static_cast<std::size_t>(size) + 1, ' ');
            std::uint32_t length = size + 1;
            if (registry.RegQueryValueExA(key, ansi_name.c_str(), nullptr, &type,
                                          reinterpret_cast<std::uint8_t*>(buffer.data()), &length) == ERROR_SUCCESS)
                value = Variant(from_ansi(buffer));
        } else if (type == REG_DWORD) {
            std::array<std::uint8_t, 4> bytes{};
            std::uint32_t length = 4;
            if (registry.RegQueryValueExA(key, ansi_name.c_str(), nullptr, &type, bytes.data(), &length) == ERROR_SUCCESS)
                value = Variant(static_cast<std::int32_t>(bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
                                                          (static_cast<std::uint32_t>(bytes[3]) << 24)));
        }
    }
    // The key was opened, and that is the result; the handle was opened above, so its close can't fail.
    (void)registry.RegCloseKey(key);
    return ERROR_SUCCESS;
}

LSTATUS REG_SetValueRaw(Registry& registry, HKEY root, const QString& path, const QString& name, const Variant& value)
{
    HKEY key = 0;
    if (const LSTATUS status = registry.RegOpenKeyExA(root, to_ansi(path).c_str(), 0, rights_write, &key))
        return status;
    const std::string ansi_name = to_ansi(name);
    // Only the open's status and the close's are the result: the write's own is not reported.
    if (value.is_int()) {
        const auto number = static_cast<std::uint32_t>(value.int_value());
        const std::array<std::uint8_t, 4> bytes = {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
                                                   static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)};
        (void)registry.RegSetValueExA(key, ansi_name.c_str(), 0, REG_DWORD, bytes.data(), 4);
    } else if (value.is_text()) {
        const std::string text = to_ansi(value.text_value());
        // With its terminating NUL: size = length + 1.
        (void)registry.RegSetValueExA(key, ansi_name.c_str(), 0, REG_SZ,
                                      reinterpret_cast<const std::uint8_t*>(text.c_str()),
                                      static_cast<std::uint32_t>(text.size() + 1));
    }
    return registry.RegCloseKey(key);
}

std::int32_t REG_CreateKey(Registry& registry, HKEY root, const QString& path)
{
    return REG_CreateKeyRaw(registry, root, path);
}

LSTATUS REG_DeleteKey(Registry& registry, HKEY root, const QString& path)
{
    REG_DeleteKeyRaw(registry, root, path);
    return ERROR_SUCCESS;
}

LSTATUS REG_DeleteValue(Registry& registry, HKEY root, const QString& path, const QString& name)
{
    return REG_DeleteValueRaw(registry, root, path, name);
}

QString REG_GetString(Registry& registry, HKEY root, const QString& path, const QString& name)
{
    Variant value;
    REG_QueryValueRaw(registry, root, path, name, value);
    return trim_null(value.to_text());
}

Variant REG_GetValue(Registry& registry, HKEY root, const QString& path, const QString& name)
{
    Variant value;
    REG_QueryValueRaw(registry, root, path, name, value);
    return Variant(value.to_text());
}

LSTATUS REG_SetString(Registry& registry, HKEY root, const QString& path, const QString& name, const QString& text)
{
    return REG_SetValueRaw(registry, root, path, name, Variant(text));
}

LSTATUS REG_SetDWORD(Registry& registry, HKEY root, const QString& path, const QString& name, const QString& text)
{
    const std::optional<double> number = val_of_text(text);
    const std::optional<std::int32_t> whole = number ? round_to_int32(*number) : std::nullopt;
    if (!whole)
        return ERROR_INVALID_PARAMETER;
    return REG_SetValueRaw(registry, root, path, name, Variant(*whole));
}

} // namespace platform
