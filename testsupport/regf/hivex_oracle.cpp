#include "testsupport/regf/regf_checks.h"

namespace regf_checks {

std::optional<OracleTree> hivex_read(const std::string&, std::string* error)
{
    if (error)
        *error = "not implemented";
    return std::nullopt;
}

bool hivex_write(const std::string&, const OracleTree&, std::string* error)
{
    if (error)
        *error = "not implemented";
    return false;
}

} // namespace regf_checks
