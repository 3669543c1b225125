#pragma once
// The two boot options of C:\MSDOS.SYS: ScanDisk at start ("Autoscan") and the boot keys ("Bootkeys"),
// entries of section "Options". The file is machine-wide; the NT family usually has none.

#include "platform/context.h"

namespace policy {

inline constexpr const char* msdos_sys_path = "C:\\MSDOS.SYS";

struct BootOptions {
    bool autoscan = false; // ScanDisk at start is switched off: Autoscan=0
    bool bootkeys = false; // the boot keys are switched off: Bootkeys=0
    bool operator==(const BootOptions&) const = default;
};

// Clears the file's read-only, hidden and system flags, then writes each entry as "0" when its option is set
// and removes it when not. Without the file nothing is done (it is never created); a file that can't be
// written is left as it is. The result says whether both entries were written.
bool write_boot_options(platform::Context& ctx, const BootOptions& options);

// Clears the file's flags and reads it item by item: an item whose first eight characters are "Autoscan" or
// "Bootkeys" (case and all) sets that option, whatever follows. A missing or unreadable file sets neither.
BootOptions read_boot_options(platform::Context& ctx);

} // namespace policy
