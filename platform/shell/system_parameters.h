#pragma once
// SystemParametersInfoA, for the one action the program uses: setting the desktop wallpaper of the account
// that runs it. Storing the setting is its value "Wallpaper" under HKEY_CURRENT_USER "Control Panel\Desktop"
// (what Windows writes for SPIF_UPDATEINIFILE); there is no desktop to repaint here, so every call is kept
// in a record that shows what the running account's desktop was told.

#include "platform/registry/win32_registry.h"

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace platform {

inline constexpr std::uint32_t SPI_SETDESKWALLPAPER = 20;
inline constexpr std::uint32_t SPIF_UPDATEINIFILE = 1;
inline constexpr std::uint32_t SPIF_SENDWININICHANGE = 2;

struct SystemParametersCall {
    std::uint32_t action = 0;
    std::uint32_t ui_param = 0;
    QByteArray pv_param; // the ANSI text as passed, without its NUL
    std::uint32_t win_ini = 0;
    bool operator==(const SystemParametersCall&) const = default;
};

class SystemParameters {
public:
    explicit SystemParameters(Registry& registry) : registry_(registry) {}
    SystemParameters(const SystemParameters&) = delete;
    SystemParameters& operator=(const SystemParameters&) = delete;

    // 1 when the action was carried out, 0 otherwise (an action this stand-in does not know, or a setting
    // that could not be stored). The call is recorded either way.
    std::int32_t SystemParametersInfoA(std::uint32_t action, std::uint32_t ui_param, const QByteArray& pv_param,
                                       std::uint32_t win_ini);

    const std::vector<SystemParametersCall>& calls() const { return calls_; }

private:
    Registry& registry_;
    std::vector<SystemParametersCall> calls_;
};

} // namespace platform
