#include "platform/shell/system_parameters.h"

namespace platform {

namespace {

// Stores the wallpaper's file as the desktop setting and writes it out at once, as the profile is.
bool store_wallpaper(Registry& registry, const QByteArray& file)
{
    HKEY key = 0;
    std::uint32_t disposition = 0;
    if (registry.RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, REG_OPTION_NON_VOLATILE,
                                 KEY_WRITE, &key, &disposition) != ERROR_SUCCESS)
        return false;
    QByteArray data = file;
    data.append('\0');
    const LSTATUS set = registry.RegSetValueExA(key, "Wallpaper", 0, REG_SZ,
                                                reinterpret_cast<const std::uint8_t*>(data.constData()),
                                                static_cast<std::uint32_t>(data.size()));
    const LSTATUS flushed = set == ERROR_SUCCESS ? registry.RegFlushKey(key) : set;
    // The handle was opened above: its close can't fail.
    (void)registry.RegCloseKey(key);
    return flushed == ERROR_SUCCESS;
}

} // namespace

std::int32_t SystemParameters::SystemParametersInfoA(std::uint32_t action, std::uint32_t ui_param,
                                                     const QByteArray& pv_param, std::uint32_t win_ini)
{
    // The text ends at its first NUL, as the callee reads it.
    const qsizetype nul = pv_param.indexOf('\0');
    const QByteArray text = nul < 0 ? pv_param : pv_param.left(nul);
    calls_.push_back({action, ui_param, text, win_ini});
    if (action != SPI_SETDESKWALLPAPER)
        return 0;
    if ((win_ini & SPIF_UPDATEINIFILE) && !store_wallpaper(registry_, text))
        return 0;
    return 1;
}

} // namespace platform
