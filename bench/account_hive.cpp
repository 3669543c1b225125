#include "account_hive.h"

#include "platform/hive/hive.h"
#include "platform/registry/hive_file.h"

#include <QString>
#include <QStringList>

namespace bench {
namespace {

const QString explorer_policies = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer");

std::u16string units(const QString& text)
{
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

std::vector<std::uint8_t> text_data(const QString& text)
{
    std::vector<std::uint8_t> bytes;
    for (char16_t unit : units(text) + u'\0') {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

hive::Key& key_at(hive::Hive& hive, const QString& path)
{
    hive::Key* key = &hive.root();
    for (const QString& name : path.split(QLatin1Char('\\'), Qt::SkipEmptyParts))
        key = key->add_subkey(units(name));
    return *key;
}

} // namespace

// A user's branch the way years of installed programs leave it: the shell's keys, then vendors' settings.
std::vector<std::uint8_t> account_hive(long long bytes_wanted)
{
    hive::Hive hive = hive::Hive::create(5, platform::filetime_now());
    key_at(hive, QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"))
        .set_value(u"Desktop", 1, text_data(QStringLiteral("C:\\Documents and Settings\\pupil\\Desktop")));
    key_at(hive, QStringLiteral("Control Panel\\Desktop")).set_value(u"Wallpaper", 1, text_data(QStringLiteral("C:\\WINDOWS\\Web\\Wallpaper\\Bliss.bmp")));
    key_at(hive, explorer_policies).set_value(u"NoDriveTypeAutoRun", 4, {0x91, 0, 0, 0});
    const char* const areas[] = {"Software", "Software\\Microsoft", "Software\\Classes", "AppEvents\\Schemes\\Apps", "Control Panel"};
    std::vector<std::uint8_t> bytes = hive.serialize(platform::filetime_now());
    for (int n = 0; static_cast<long long>(bytes.size()) < bytes_wanted; ++n) {
        const QString base = QStringLiteral("%1\\Vendor %2\\Product %3").arg(QLatin1String(areas[n % 5])).arg(n % 97).arg(n);
        for (int k = 0; k < 6; ++k) {
            hive::Key& key = key_at(hive, base + QStringLiteral("\\Settings %1").arg(k));
            key.set_value(u"Enabled", 4, {static_cast<std::uint8_t>(k & 1), 0, 0, 0});
            key.set_value(u"InstallPath", 1, text_data(QStringLiteral("C:\\Programme\\Vendor %1\\Product %2").arg(n % 97).arg(n)));
            key.set_value(u"MRU List", 1, text_data(QStringLiteral("abcdefghij").left(k + 3)));
            if (k == 0)
                key.set_value(u"WindowPlacement", 3, std::vector<std::uint8_t>(44, static_cast<std::uint8_t>(n)));
        }
        if (n % 50 == 49)
            bytes = hive.serialize(platform::filetime_now());
    }
    return hive.serialize(platform::filetime_now());
}

} // namespace bench
