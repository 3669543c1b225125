#include "testsupport/regf/regf_checks.h"

namespace regf_checks {

std::vector<std::uint8_t> minimal_hive(std::uint32_t) { return {}; }

} // namespace regf_checks
