#pragma once
// The notification-area icon: the record it is added with, and the sink that shows it (the Qt front end).

#include <QString>

#include <array>
#include <cstdint>

namespace platform {

// NOTIFYICONDATA as the program fills it: 88 bytes.
struct NotifyIconData {
    std::uint32_t size = 0;
    std::uint32_t window = 0;
    std::uint32_t icon_id = 0;
    std::uint32_t flags = 0;
    std::uint32_t callback_message = 0;
    std::uint32_t icon = 0;
    std::array<char, 64> tip{}; // Windows-1252
};

inline constexpr std::uint32_t nim_add = 0;
inline constexpr std::uint32_t nif_message = 1;
inline constexpr std::uint32_t nif_icon = 2;
inline constexpr std::uint32_t nif_tip = 4;
inline constexpr std::uint32_t wm_mousemove = 512;

// Where Shell_NotifyIconA goes.
class TraySink {
public:
    virtual ~TraySink() = default;
    virtual bool notify_icon(std::uint32_t message, const NotifyIconData& data) = 0;
};

class Tray {
public:
    explicit Tray(TraySink& sink) : sink_(sink) {}

    // Fills the record (size 88, icon id 2, flags 7, callback WM_MOUSEMOVE, the tip text and a NUL padded with
    // blanks to 64 characters) from the tool-tip text box's window and text and the picture's icon, then adds it.
    // A tip of 64 characters or more is cut to 63 so that its NUL stays inside the field.
    void tray_add(std::uint32_t tooltip_window, const QString& tooltip_text, std::uint32_t picture_icon);

    const NotifyIconData& tray_nid() const { return tray_nid_; }

private:
    TraySink& sink_;
    NotifyIconData tray_nid_;
};

} // namespace platform
