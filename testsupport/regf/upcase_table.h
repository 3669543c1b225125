#pragma once
// The generated upper-case table: pairs sorted by `from`, units without a pair upcase to themselves.

#include <cstddef>

namespace regf_checks {

struct UpcasePair {
    char16_t from;
    char16_t to;
};

extern const UpcasePair upcase_pairs[];
extern const std::size_t upcase_pair_count;

} // namespace regf_checks
