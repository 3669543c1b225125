#include "policy/drive_probe.h"

#include "platform/win32_system.h"

namespace policy {

void get_drives(Engine& engine)
{
    const std::uint32_t present = platform::win32::GetLogicalDrives(engine.ctx.machine);
    const auto boxes = engine.form.driveBoxes();
    for (int k = 0; k < 26; ++k)
        if (present & (std::uint32_t{1} << k))
            boxes[static_cast<std::size_t>(k)]->setEnabled(true);
}

} // namespace policy
