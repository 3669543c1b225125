#include "qtui/qt_tray.h"

#include "platform/codepage.h"

#include <QApplication>
#include <QSystemTrayIcon>

namespace qtui {

QString tipText(const platform::NotifyIconData& data)
{
    QByteArray bytes(data.tip.data(), static_cast<qsizetype>(data.tip.size()));
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    return platform::from_cp1252(bytes);
}

QtTraySink::QtTraySink(QIcon icon) : icon_(std::move(icon)) {}

QtTraySink::~QtTraySink() = default;

bool QtTraySink::notify_icon(std::uint32_t message, const platform::NotifyIconData& data)
{
    if (message != platform::nim_add || !QSystemTrayIcon::isSystemTrayAvailable())
        return false;
    if (!tray_)
        tray_ = std::make_unique<QSystemTrayIcon>();
    tray_->setIcon(icon_.isNull() ? QApplication::windowIcon() : icon_);
    tray_->setToolTip(tipText(data));
    tray_->show();
    return true;
}

QString QtTraySink::toolTip() const
{
    return tray_ ? tray_->toolTip() : QString();
}

} // namespace qtui
