#include "platform/registry/win32_registry.h"

#include "platform/registry/ansi_text.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

bool is_root(HKEY key) { return key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE || key == HKEY_USERS; }

// Copies a name and its NUL into a buffer of `size` characters; false when it does not fit.
bool copy_name(const std::string& text, char* buffer, std::uint32_t* size)
{
    if (text.size() + 1 > *size)
        return false;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    *size = static_cast<std::uint32_t>(text.size());
    return true;
}

} // namespace

LSTATUS Registry::RegOpenKeyExA(HKEY key, const char* sub_key, std::uint32_t, REGSAM rights, HKEY* result)
{
    if (!result)
        return ERROR_INVALID_PARAMETER;
    auto found = existing(key, sub_key);
    if (auto* status = std::get_if<LSTATUS>(&found))
        return *status;
    Place& place = std::get<Place>(found);
    if (rights & key_write_rights) {
        if (const LSTATUS status = write_status(place))
            return status;
    }
    *result = add_handle(std::move(place), rights);
    return ERROR_SUCCESS;
}

LSTATUS Registry::RegCreateKeyExA(HKEY key, const char* sub_key, std::uint32_t, const char*, std::uint32_t options,
                                  REGSAM rights, HKEY* result, std::uint32_t* disposition)
{
    if (!result)
        return ERROR_INVALID_PARAMETER;
    if (options != REG_OPTION_NON_VOLATILE)
        return ERROR_INVALID_PARAMETER; // volatile keys are not kept
    const std::optional<KeyPath> names = split_key_path(ansi_to_utf16(sub_key ? sub_key : ""));
    if (!names)
        return ERROR_BAD_PATHNAME;
    auto found = resolve(key, *names);
    if (auto* status = std::get_if<LSTATUS>(&found)) {
        // A name that no hive serves, directly under HKEY_LOCAL_MACHINE or HKEY_USERS, can't be made.
        return *status == ERROR_FILE_NOT_FOUND ? ERROR_ACCESS_DENIED : *status;
    }
    Place& place = std::get<Place>(found);
    std::uint32_t how = REG_OPENED_EXISTING_KEY;
    if (place.file) {
        place.file->refresh();
        if (place.file->state() == HiveFile::State::damaged)
            return ERROR_BADDB;
        if (place.file->state() == HiveFile::State::absent)
            return ERROR_FILE_NOT_FOUND;
        if (!key_at(place)) {
            if (const LSTATUS status = write_status(place))
                return status;
            if (place.top_fixed && !place.file->key({place.path.front()}))
                return ERROR_ACCESS_DENIED;
            bool created = false;
            if (!place.file->create_key(place.path, created))
                return ERROR_BAD_PATHNAME;
            how = REG_CREATED_NEW_KEY;
        }
    }
    if (how == REG_OPENED_EXISTING_KEY && (rights & key_write_rights)) {
        if (const LSTATUS status = write_status(place))
            return status;
    }
    *result = add_handle(std::move(place), rights);
    if (disposition)
        *disposition = how;
    return ERROR_SUCCESS;
}

LSTATUS Registry::RegDeleteKeyA(HKEY key, const char* sub_key)
{
    const bool itself = !sub_key || !*sub_key;
    if (itself && is_root(key))
        return ERROR_ACCESS_DENIED;
    auto found = existing(key, sub_key);
    if (auto* status = std::get_if<LSTATUS>(&found))
        return *status;
    const Place& place = std::get<Place>(found);
    // The roots and the hives themselves are not keys that can go.
    if (place.virtual_root || place.path.empty() || (place.top_fixed && place.path.size() == 1))
        return ERROR_ACCESS_DENIED;
    if (const LSTATUS status = write_status(place))
        return status;
    if (layout_.nt_family && !key_at(place)->subkeys().empty())
        return ERROR_ACCESS_DENIED;
    // The key was found just above and is not the hive's root: the deletion can't miss.
    (void)place.file->delete_key(place.path);
    return ERROR_SUCCESS;
}

LSTATUS Registry::RegEnumKeyExA(HKEY key, std::uint32_t index, char* name, std::uint32_t* name_size, std::uint32_t*,
                                char* class_name, std::uint32_t* class_size, hive::FileTime* last_written)
{
    if (!name || !name_size || (class_name && !class_size))
        return ERROR_INVALID_PARAMETER;
    auto open = handle(key);
    if (auto* status = std::get_if<LSTATUS>(&open))
        return *status;
    const OpenKey& opened = std::get<OpenKey>(open);
    if (!(opened.rights & KEY_ENUMERATE_SUB_KEYS))
        return ERROR_ACCESS_DENIED;

    std::u16string sub_name;
    std::u16string sub_class;
    hive::FileTime time = 0;
    if (opened.place.virtual_root) {
        const std::vector<Branch> list = branches(*opened.place.virtual_root);
        if (index >= list.size())
            return ERROR_NO_MORE_ITEMS;
        sub_name = list[index].name;
    } else {
        const hive::Key* parent = key_at(opened.place);
        if (!parent)
            return ERROR_KEY_DELETED;
        if (index >= parent->subkeys().size())
            return ERROR_NO_MORE_ITEMS;
        const hive::Key& sub = *parent->subkeys()[index];
        sub_name = sub.name();
        sub_class = sub.class_name();
        time = sub.last_written();
    }

    if (!copy_name(utf16_to_ansi(sub_name), name, name_size))
        return ERROR_MORE_DATA;
    if (last_written)
        *last_written = time;
    if (class_name) {
        const std::string text = utf16_to_ansi(sub_class);
        if (!copy_name(text, class_name, class_size)) {
            *class_size = static_cast<std::uint32_t>(text.size());
            return ERROR_MORE_DATA;
        }
    }
    return ERROR_SUCCESS;
}

} // namespace platform
