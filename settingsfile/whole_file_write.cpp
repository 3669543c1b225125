#include "settingsfile/whole_file_write.h"

#include "platform/file_attributes.h"
#include "platform/file_lock.h"
#include "platform/held_files.h"
#include "platform/registry/file_replace.h"

#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <span>

namespace settingsfile {

int write_whole_file(const platform::Machine& machine, const platform::VbFiles& files, const QString& path,
                     const QByteArray& bytes)
{
    // A link inside the drive stays a link: the file it leads to gets the new content.
    const platform::VbResult<QString> mapped = files.host_path(path, platform::VbFiles::Access::write);
    if (!mapped.ok())
        return mapped.error;

    const QFileInfo info(mapped.value);
    if (!QFileInfo(info.absolutePath()).isDir())
        return platform::vb::path_not_found;
    if (info.exists()) {
        if (info.isDir())
            return platform::vb::path_file_access;
        if (platform::HeldFiles(machine).is_held(mapped.value))
            return platform::vb::permission_denied;
        const auto attributes = platform::host_attributes(mapped.value);
        if (attributes && (*attributes & platform::attr_readonly))
            return platform::vb::path_file_access;
    }

    // The temporary name beside the file is fixed, so saves into one folder take turns.
    const platform::LockedFolder folder(QFile::encodeName(info.absolutePath()).toStdString());
    if (!folder.opened())
        return platform::vb::path_file_access;
    if (folder.result() != platform::LockResult::locked)
        return platform::vb::permission_denied;
    const std::span content(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                            static_cast<std::size_t>(bytes.size()));
    // The folder not synced after the rename still leaves the new file in place: the save is done.
    if (platform::replace_file(folder.fd(), QFile::encodeName(mapped.value).toStdString(), content, {})
        == platform::ReplaceResult::failed)
        return platform::vb::device_io_error;
    return platform::vb::ok;
}

} // namespace settingsfile
