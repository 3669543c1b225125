#pragma once
// Which help file a start of the viewer names: the rest of its command line is a Windows path on the machine it
// was started from, or a host path.

#include <QString>

#include <optional>

namespace winhlp {

// The host path of the help file (".hlp") that `rest` names, when that file exists; std::nullopt otherwise
// (nothing named, a folder, a web address, another kind of file). `machine_folder` may be empty.
std::optional<QString> help_file_on_host(const QString& rest, const QString& machine_folder);

} // namespace winhlp
