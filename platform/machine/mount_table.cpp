#include "platform/machine/mount_table.h"

namespace platform {

MountTable::MountTable(const Machine& machine) : machine_(machine) {}
std::optional<std::vector<Mount>> MountTable::list(QString*) const { return std::vector<Mount>{}; }
std::optional<Mount> MountTable::find(const QString&, QString*) const { return std::nullopt; }
MountChange MountTable::add(const Mount&, QString*) { return MountChange::failed; }
MountChange MountTable::remove(const QString&, QString*) { return MountChange::failed; }
bool MountTable::is_mounted(const QString&) const { return false; }
bool MountTable::update(const std::function<bool(std::vector<Mount>&)>&, QString*) { return false; }

} // namespace platform
