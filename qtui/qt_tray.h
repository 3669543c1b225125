#pragma once
// The notification-area icon on Qt: the record's tip becomes the icon's tool tip; the icon shown is the
// program's window icon.

#include "platform/tray.h"

#include <QIcon>

#include <memory>

class QSystemTrayIcon;

namespace qtui {

class QtTraySink : public platform::TraySink {
public:
    explicit QtTraySink(QIcon icon = {});
    ~QtTraySink() override;

    // NIM_ADD shows the icon (again, when it is shown already); false where the desktop has no
    // notification area.
    bool notify_icon(std::uint32_t message, const platform::NotifyIconData& data) override;

    // The tool tip of the icon shown; empty while none is.
    QString toolTip() const;

private:
    QIcon icon_;
    std::unique_ptr<QSystemTrayIcon> tray_;
};

// The tip field of the record as text: Windows-1252 up to its NUL, without the blanks that pad it.
QString tipText(const platform::NotifyIconData& data);

} // namespace qtui
