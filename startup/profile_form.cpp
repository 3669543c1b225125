#include "startup/profile_form.h"

#include "platform/accounts/account_lookup.h"
#include "platform/in_language.h"
#include "platform/registry/ansi_text.h"
#include "platform/registry/win32_registry.h"

#include <array>
#include <cstring>
#include <optional>

namespace startup {

namespace {

const QString profile_list = QStringLiteral("Software\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList");
constexpr platform::REGSAM query_enumerate_notify = 25;
constexpr platform::REGSAM enumerate = 8;
constexpr std::uint32_t reg_sz = 1;
constexpr std::uint32_t more_data = 234;
constexpr std::uint32_t no_more_items = 259;

QString cannot_open_german() { return QStringLiteral("Der Registryeintrag konnte nicht geöffnet werden."); }
QString cannot_read_german() { return QStringLiteral("Der Registryeintrag konnte nicht gelesen oder gefunden werden."); }

// The key opened for as long as it is used.
struct OpenKey {
    platform::Registry& registry;
    platform::HKEY key = 0;
    ~OpenKey()
    {
        // The handle was opened by the owner of this object: its close can't fail.
        if (key)
            (void)registry.RegCloseKey(key);
    }
};

// "ProfileImagePath" read into a 255-character buffer and cut at its first NUL; std::nullopt when it can't be.
std::optional<QString> image_path(platform::Registry& registry, platform::HKEY key)
{
    std::array<std::uint8_t, 255> buffer{};
    std::uint32_t type = reg_sz;
    std::uint32_t size = buffer.size();
    if (registry.RegQueryValueExA(key, "ProfileImagePath", nullptr, &type, buffer.data(), &size) != 0)
        return std::nullopt;
    const char* text = reinterpret_cast<const char*>(buffer.data());
    return platform::from_ansi(std::string_view(text, ::strnlen(text, std::min<std::size_t>(size, buffer.size()))));
}

} // namespace

Profile::Profile(platform::Context& context, int language)
    : Form(QStringLiteral("profile")), context_(context), language_(language)
{
    setCaption(QStringLiteral("Form1"));
    setClientSize(6120, 3990);
    Command1.move(120, 120, 1815, 495);
    Command1.setCaption(QStringLiteral("Wert holen"));
    Command2.move(2100, 120, 1815, 495);
    Command2.setCaption(QStringLiteral("Command2"));
    Command3.move(4080, 120, 1815, 495);
    Command3.setCaption(QStringLiteral("Command3"));
    List1.move(120, 780, 5775, 3015);

    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
}

QString Profile::REG_GetUserProfileList(const QString& key_path)
{
    return platform::REG_GetUserProfileList(
        context_.registry, context_.ui, key_path,
        {platform::in_language(language_, cannot_open_german(),
                               QStringLiteral("The Registry Entry could not be opened.")),
         platform::in_language(language_, cannot_read_german(),
                               QStringLiteral("The registry value could not be read or found."))});
}

void Profile::Command1_Click()
{
    platform::UiServices& ui = context_.ui;
    OpenKey key{context_.registry};
    if (context_.registry.RegOpenKeyExA(platform::HKEY_LOCAL_MACHINE,
                                        platform::to_ansi(profile_list + QStringLiteral("\\S-1-5-18")).c_str(), 0,
                                        query_enumerate_notify, &key.key) != 0) {
        key.key = 0;
        ui.msgBox(cannot_open_german(), 0);
        return;
    }
    const std::optional<QString> path = image_path(context_.registry, key.key);
    if (!path) {
        ui.msgBox(cannot_read_german(), 0);
        return;
    }
    ui.msgBox(QStringLiteral("Der Produkt Key ist: ") + *path, 0, QStringLiteral("Produkt Key"));
}

void Profile::Command2_Click()
{
    platform::UiServices& ui = context_.ui;
    OpenKey key{context_.registry};
    if (context_.registry.RegOpenKeyExA(platform::HKEY_LOCAL_MACHINE, platform::to_ansi(profile_list).c_str(), 0,
                                        enumerate, &key.key) != 0) {
        // Windows 95/98/ME have no profile list to walk.
        key.key = 0;
        ui.msgBox(cannot_open_german(), 0);
        return;
    }
    for (std::uint32_t index = 0;; ++index) {
        std::array<char, 255> name{};
        std::uint32_t name_size = name.size();
        char class_name[1] = {};
        std::uint32_t class_size = 0;
        const platform::LSTATUS result = context_.registry.RegEnumKeyExA(key.key, index, name.data(), &name_size,
                                                                         nullptr, class_name, &class_size, nullptr);
        if (result == static_cast<platform::LSTATUS>(more_data)) {
            const QString sid = platform::from_ansi(std::string_view(name.data(), std::min<std::size_t>(name_size, name.size())));
            List1.addItem(sid);
            List1.addItem(REG_GetUserProfileList(profile_list + QLatin1Char('\\') + sid));
        } else if (result == static_cast<platform::LSTATUS>(no_more_items) || result != 0) {
            // The end of the list, or a key that can't be walked any further: either way the walk is over.
            ui.msgBox(QStringLiteral("ende"), 0);
            return;
        }
    }
}

} // namespace startup
