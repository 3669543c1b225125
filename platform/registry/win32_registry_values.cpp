#include "platform/registry/win32_registry.h"

#include "platform/registry/ansi_text.h"

#include <cstring>

namespace platform {
namespace {

constexpr std::size_t max_value_name = 16383;

bool is_string_type(std::uint32_t type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

std::u16string value_name(const char* name) { return ansi_to_utf16(name ? name : ""); }

// Stored UTF-16LE data as the "A" functions hand it out.
std::vector<std::uint8_t> ansi_data(const hive::Value& value)
{
    if (!is_string_type(value.type))
        return value.data;
    std::u16string units(value.data.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(value.data[2 * i] | (value.data[2 * i + 1] << 8));
    const std::string bytes = utf16_to_ansi(units);
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

std::vector<std::uint8_t> stored_data(std::uint32_t type, const std::uint8_t* data, std::uint32_t size)
{
    if (!is_string_type(type))
        return std::vector<std::uint8_t>(data, data + size);
    const std::u16string units = ansi_to_utf16(std::string_view(reinterpret_cast<const char*>(data), size));
    std::vector<std::uint8_t> bytes;
    bytes.reserve(units.size() * 2);
    for (char16_t unit : units) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

} // namespace

LSTATUS Registry::RegQueryValueExA(HKEY key, const char* name, std::uint32_t*, std::uint32_t* type,
                                   std::uint8_t* data, std::uint32_t* size)
{
    if (data && !size)
        return ERROR_INVALID_PARAMETER;
    auto open = handle(key);
    if (auto* status = std::get_if<LSTATUS>(&open))
        return *status;
    const OpenKey& opened = std::get<OpenKey>(open);
    if (!(opened.rights & KEY_QUERY_VALUE))
        return ERROR_ACCESS_DENIED;
    if (opened.place.virtual_root)
        return ERROR_FILE_NOT_FOUND;
    const hive::Key* target = key_at(opened.place);
    if (!target)
        return ERROR_KEY_DELETED;
    const hive::Value* value = target->value(value_name(name));
    if (!value)
        return ERROR_FILE_NOT_FOUND;

    const std::vector<std::uint8_t> bytes = ansi_data(*value);
    if (type)
        *type = value->type;
    if (!data) {
        if (size)
            *size = static_cast<std::uint32_t>(bytes.size());
        return ERROR_SUCCESS;
    }
    if (*size < bytes.size()) {
        *size = static_cast<std::uint32_t>(bytes.size());
        return ERROR_MORE_DATA;
    }
    if (!bytes.empty())
        std::memcpy(data, bytes.data(), bytes.size());
    *size = static_cast<std::uint32_t>(bytes.size());
    return ERROR_SUCCESS;
}

LSTATUS Registry::RegSetValueExA(HKEY key, const char* name, std::uint32_t, std::uint32_t type,
                                 const std::uint8_t* data, std::uint32_t size)
{
    if (!data && size != 0)
        return ERROR_INVALID_PARAMETER;
    const std::u16string stored_name = value_name(name);
    if (stored_name.size() > max_value_name)
        return ERROR_INVALID_PARAMETER;
    auto open = handle(key);
    if (auto* status = std::get_if<LSTATUS>(&open))
        return *status;
    const OpenKey& opened = std::get<OpenKey>(open);
    if (!(opened.rights & KEY_SET_VALUE))
        return ERROR_ACCESS_DENIED;
    if (opened.place.virtual_root)
        return ERROR_ACCESS_DENIED;
    if (const LSTATUS status = write_status(opened.place))
        return status;
    if (!key_at(opened.place))
        return ERROR_KEY_DELETED;
    std::vector<std::uint8_t> bytes = size ? stored_data(type, data, size) : std::vector<std::uint8_t>{};
    return opened.place.file->set_value(opened.place.path, stored_name, type, std::move(bytes)) ? ERROR_SUCCESS
                                                                                                : ERROR_INVALID_PARAMETER;
}

LSTATUS Registry::RegDeleteValueA(HKEY key, const char* name)
{
    auto open = handle(key);
    if (auto* status = std::get_if<LSTATUS>(&open))
        return *status;
    const OpenKey& opened = std::get<OpenKey>(open);
    if (!(opened.rights & KEY_SET_VALUE))
        return ERROR_ACCESS_DENIED;
    if (opened.place.virtual_root)
        return ERROR_FILE_NOT_FOUND;
    if (const LSTATUS status = write_status(opened.place))
        return status;
    const hive::Key* target = key_at(opened.place);
    if (!target)
        return ERROR_KEY_DELETED;
    const std::u16string stored_name = value_name(name);
    if (!target->value(stored_name))
        return ERROR_FILE_NOT_FOUND;
    // The key and the value were found just above: the deletion can't miss.
    (void)opened.place.file->delete_value(opened.place.path, stored_name);
    return ERROR_SUCCESS;
}

} // namespace platform
