#pragma once
// Replaces a file of the machine with new content so that a failed write or a crash leaves the old file as it
// was: the bytes go to a temporary file in the same folder, which then takes the old file's name in one step,
// as a hive is written. The temporary file has one name per file; one left by a crash is replaced by the next
// save.

#include "platform/machine/machine.h"
#include "platform/vb_files.h"

#include <QByteArray>
#include <QString>

namespace settingsfile {

// `path` a Windows path, relative ones taken as `files` takes them. VB error numbers as an Output open gives
// them: 52 an empty or invalid name, 70 held by another process, 75 a folder, a read-only file or access
// refused, 76 path not found; 57 when writing the new content fails. A replaced file keeps its mode and its
// hidden, system and archive attributes.
int write_whole_file(const platform::Machine& machine, const platform::VbFiles& files, const QString& path,
                     const QByteArray& bytes);

} // namespace settingsfile
