#pragma once
// State shared by the validator's stages: the bytes, the cell map built from the bins, and the problems found.

#include "testsupport/regf/regf_checks.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace regf_checks {

inline constexpr std::uint32_t base_block_size = 4096;
inline constexpr std::uint32_t none = 0xFFFFFFFF;
inline constexpr std::uint32_t big_data_segment = 16344;
inline constexpr int max_depth = 512;

inline std::uint16_t le16(std::span<const std::uint8_t> b, std::size_t at)
{
    return at + 2 <= b.size() ? std::uint16_t(b[at] | b[at + 1] << 8) : 0;
}
inline std::uint32_t le32(std::span<const std::uint8_t> b, std::size_t at)
{
    return at + 4 <= b.size() ? std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 |
                                    std::uint32_t(b[at + 2]) << 16 | std::uint32_t(b[at + 3]) << 24
                              : 0;
}
inline std::uint64_t le64(std::span<const std::uint8_t> b, std::size_t at)
{
    return std::uint64_t(le32(b, at)) | std::uint64_t(le32(b, at + 4)) << 32;
}

std::string hex(std::uint64_t v);

struct Cell {
    std::uint32_t size = 0; // including the size field
    bool allocated = false;
    std::uint32_t bin = 0;
    int claims = 0;   // references from the tree
    int sk_users = 0; // keys that use it as their security cell
};

struct Context {
    std::span<const std::uint8_t> file;
    std::span<const std::uint8_t> bins; // the hive bins data as far as the file holds it
    std::uint32_t minor = 5;
    std::uint32_t root = none;
    std::map<std::uint32_t, Cell> cells;
    std::vector<std::uint32_t> ancestors; // keys on the path the tree walk is on
    std::vector<Problem> problems;

    void report(std::string rule, std::string where, std::string text, bool warning = false);

    static std::string at_base(std::uint32_t field);
    static std::string at_bin(std::uint32_t offset);
    static std::string at_cell(std::uint32_t offset);

    // The data of the allocated cell starting at `offset` (after its size field), when it is there, has
    // `signature` (if any) and holds at least `min_data` bytes. Counts the reference; a second reference to the
    // same cell is reported and gives std::nullopt, so nothing is walked twice. `what` and `from` name the
    // expected record and the referrer for messages.
    std::optional<std::span<const std::uint8_t>> claim(std::uint32_t offset, std::string_view what,
                                                       std::string_view signature, std::uint64_t min_data,
                                                       const std::string& from);
    // Like claim, but for inspection only: no count, no report.
    std::optional<std::span<const std::uint8_t>> peek(std::uint32_t offset) const;

    // Reports a cell larger than its record needs (rounded up to 8).
    void check_slack(std::uint32_t offset, std::uint64_t needed_data, std::string_view what);
};

// The stages, in the order validate runs them.
void check_base_block(Context& ctx);
void check_bins(Context& ctx);
void check_tree(Context& ctx);
void check_security(Context& ctx);
void check_leaks(Context& ctx);

} // namespace regf_checks
