#include "platform/tray.h"

#include "platform/codepage.h"

#include <algorithm>

namespace platform {

void Tray::tray_add(std::uint32_t tooltip_window, const QString& tooltip_text, std::uint32_t picture_icon)
{
    tray_nid_.size = 88;
    tray_nid_.window = tooltip_window;
    tray_nid_.icon_id = 2;
    tray_nid_.flags = nif_message | nif_icon | nif_tip;
    tray_nid_.callback_message = wm_mousemove;
    tray_nid_.icon = picture_icon;
    const QByteArray text = to_cp1252(tooltip_text).left(static_cast<qsizetype>(tray_nid_.tip.size()) - 1);
    tray_nid_.tip.fill(' ');
    std::copy(text.begin(), text.end(), tray_nid_.tip.begin());
    tray_nid_.tip[static_cast<std::size_t>(text.size())] = '\0';
    sink_.notify_icon(nim_add, tray_nid_);
}

} // namespace platform
