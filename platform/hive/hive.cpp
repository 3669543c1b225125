#include "platform/hive/access.h"
#include "platform/hive/format.h"
#include "platform/hive/security.h"

#include <algorithm>

namespace hive {

Hive::Hive() : modified_(std::make_unique<bool>(false)) {}
Hive::Hive(Hive&&) noexcept = default;
Hive& Hive::operator=(Hive&&) noexcept = default;
Hive::~Hive() = default;

Hive Hive::create(std::uint32_t minor_version, FileTime now)
{
    Hive hive;
    hive.minor_version_ = std::clamp<std::uint32_t>(minor_version, 3, 6);
    hive.sequence_ = 0; // the first write makes it 1
    hive.base_block_.assign(format::kBaseBlockSize, 0);
    hive.root_ = Access::new_key(hive, 0);
    Key& root = *hive.root_;
    // The name Windows 2000 and XP give the root of every hive they set up (SOFTWARE, SYSTEM, the default
    // user's NTUSER.DAT that each new profile copies).
    root.name_ = u"$$$PROTO.HIV";
    root.flags_ = 0x2C & ~format::nk::kCompressedName; // hive entry, no delete; the name bit follows the name
    root.last_written_ = now;
    root.security_ = default_security_descriptor();
    return hive;
}

} // namespace hive
