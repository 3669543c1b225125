#pragma once
// What a new machine gets installed: the built programs beside this executable, and the writer of its hives.

#include "platform/machine/sample_machine.h"

#include <QString>

#include <vector>

namespace app {

// The built programs a machine links to, found in the build tree from the folder of the running executable.
// Add a row for each new program: its machine name, its place, and its path relative to the app/ build folder.
std::vector<platform::BuiltProgram> built_programs(const QString& app_folder);

// The sample machine options for a system, with the built programs and the hive writer.
platform::SampleOptions installation(platform::SampleSystem system, const QString& app_folder);

} // namespace app
