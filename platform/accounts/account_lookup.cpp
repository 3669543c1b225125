#include "platform/accounts/account_lookup.h"

#include "platform/codepage.h"
#include "platform/system_queries.h"

#include <QByteArray>

#include <functional>

namespace platform {

namespace {

constexpr int name_buffer = 255;

QString lang(const char* german, const char* english)
{
    return get_language() == 0 ? QString::fromUtf8(german) : QString::fromUtf8(english);
}

// Enumerates the sub-keys of `key` by index, as the program does: a class buffer of size 0 makes every
// existing entry answer 234 with its name filled in; 259 ends. `visit` returns false to stop early.
void enumerate_sub_keys(Registry& registry, HKEY key, const std::function<bool(const QString&)>& visit)
{
    for (std::uint32_t index = 0;; ++index) {
        QByteArray name(name_buffer + 1, '\0');
        std::uint32_t name_size = name_buffer;
        char class_name[1] = {0};
        std::uint32_t class_size = 0;
        const LSTATUS status = registry.RegEnumKeyExA(key, index, name.data(), &name_size, nullptr, class_name,
                                                      &class_size, nullptr);
        if (status == ERROR_MORE_DATA || status == ERROR_SUCCESS) {
            if (!visit(from_cp1252(QByteArray(name.constData()))))
                return;
            continue;
        }
        // 259 is the end; anything else (a handle gone, a deleted key) would answer the same for every
        // further index, so it ends the walk too.
        return;
    }
}

} // namespace

void GET_SIDS(Registry& registry, UiServices& ui, SidTable& sid_list, SidTable& sid_user)
{
    HKEY key = 0;
    if (registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, to_cp1252(profile_list_key()).constData(), 0,
                               KEY_ENUMERATE_SUB_KEYS, &key) != ERROR_SUCCESS)
        return;
    QStringList names;
    enumerate_sub_keys(registry, key, [&](const QString& name) {
        if (name.size() > 10)
            names.push_back(name);
        return names.size() < sid_capacity;
    });
    // The handle was opened above: its close can't fail.
    (void)registry.RegCloseKey(key);

    // The profile paths are read after the walk, so that no other key is open while it runs.
    std::size_t count = 0;
    for (const QString& name : names) {
        ++count;
        sid_list[count] = name;
        sid_user[count] = REG_GetUserProfileList(registry, ui, profile_list_key() + QLatin1Char('\\') + name);
    }
}

QString NameToSID(UiServices& ui, const SidTable& sid_list, const SidTable& sid_user, const QString& user)
{
    for (std::size_t i = 1; i < sid_list.size() && !sid_list[i].isEmpty(); ++i)
        if (sid_user[i] == user)
            return sid_list[i];
    ui.msgBox(QStringLiteral("SID not found."), 16);
    return {};
}

QString REG_GetUserProfileList(Registry& registry, UiServices& ui, const QString& key_path)
{
    return REG_GetUserProfileList(
        registry, ui, key_path,
        {lang("Der Registryeintrag konnte nicht geöffnet werden.", "Registry could not be opened."),
         lang("Der Registryeintrag konnte nicht gelesen oder gefunden werden.",
              "Registry entry could not be read/found.")});
}

QString REG_GetUserProfileList(Registry& registry, UiServices& ui, const QString& key_path,
                               const ProfileLookupMessages& messages)
{
    HKEY key = 0;
    if (registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, to_cp1252(key_path).constData(), 0, 0x19, &key) != ERROR_SUCCESS) {
        ui.msgBox(messages.cannot_open, 0);
        return {};
    }
    QByteArray buffer(name_buffer, '\0');
    std::uint32_t size = name_buffer;
    std::uint32_t type = 0;
    const LSTATUS status = registry.RegQueryValueExA(key, "ProfileImagePath", nullptr, &type,
                                                     reinterpret_cast<std::uint8_t*>(buffer.data()), &size);
    // The handle was opened above: its close can't fail.
    (void)registry.RegCloseKey(key);
    if (status != ERROR_SUCCESS) {
        ui.msgBox(messages.cannot_read, 0);
        return {};
    }
    const QString path = from_cp1252(QByteArray(buffer.constData(), qstrnlen(buffer.constData(), buffer.size())));
    const qsizetype slash = path.lastIndexOf(QLatin1Char('\\'));
    return slash < 0 ? QString() : path.mid(slash + 1);
}

void Reg_Wait(Registry& registry, UiServices& ui, HKEY root)
{
    HKEY key = 0;
    if (registry.RegOpenKeyExA(root, nullptr, 0, KEY_ENUMERATE_SUB_KEYS, &key) != ERROR_SUCCESS)
        return;
    QStringList names;
    enumerate_sub_keys(registry, key, [&](const QString& name) {
        names.push_back(name);
        return true;
    });
    // The handle was opened above: its close can't fail.
    (void)registry.RegCloseKey(key);
    for (const QString& name : names)
        ui.msgBox(name, 0);
}

} // namespace platform
