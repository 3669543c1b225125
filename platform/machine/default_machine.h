#pragma once
// Which machine the program administers: GATRISK_MACHINE names its folder; without it a folder in the user's data
// directory holds a sample Windows XP machine, created at the first start.

#include "platform/machine/machine.h"
#include "platform/machine/sample_machine.h"

#include <QString>

#include <optional>

namespace platform {

inline constexpr const char* machine_variable = "GATRISK_MACHINE";

// The default folder: "machine" in QStandardPaths::AppDataLocation (XDG data directory).
QString default_machine_folder();

// Opens the machine of GATRISK_MACHINE (which must exist), or the default one, created from `creation` (its
// system is always Windows XP) when its folder holds no machine yet. `created` tells whether it was created now.
std::optional<Machine> open_chosen_machine(const SampleOptions& creation, QString* error = nullptr,
                                           bool* created = nullptr);

} // namespace platform
