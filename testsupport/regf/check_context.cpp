#include "testsupport/regf/check_context.h"

#include <cstdio>

namespace regf_checks {

std::string hex(std::uint64_t v)
{
    char buf[24];
    std::snprintf(buf, sizeof buf, "0x%llX", static_cast<unsigned long long>(v));
    return buf;
}

void Context::report(std::string rule, std::string where, std::string text, bool warning)
{
    problems.push_back({std::move(rule), std::move(where), std::move(text), warning});
}

std::string Context::at_base(std::uint32_t field) { return "base block +" + hex(field); }

std::string Context::at_bin(std::uint32_t offset)
{
    return "hbin " + hex(offset) + " (file " + hex(std::uint64_t(offset) + base_block_size) + ")";
}

std::string Context::at_cell(std::uint32_t offset)
{
    return "cell " + hex(offset) + " (file " + hex(std::uint64_t(offset) + base_block_size) + ")";
}

std::optional<std::span<const std::uint8_t>> Context::peek(std::uint32_t offset) const
{
    auto it = cells.find(offset);
    if (it == cells.end() || !it->second.allocated)
        return std::nullopt;
    return bins.subspan(std::size_t(offset) + 4, it->second.size - 4);
}

std::optional<std::span<const std::uint8_t>> Context::claim(std::uint32_t offset, std::string_view what,
                                                            std::string_view signature, std::uint64_t min_data,
                                                            const std::string& from)
{
    const std::string name(what);
    if (offset == none) {
        report("bad-reference", from, "no " + name + " (offset none)");
        return std::nullopt;
    }
    auto it = cells.find(offset);
    if (it == cells.end()) {
        report("bad-reference", from, name + " offset " + hex(offset) + " is not the start of a cell");
        return std::nullopt;
    }
    Cell& cell = it->second;
    if (!cell.allocated) {
        report("free-reference", from, name + " offset " + hex(offset) + " points at a free cell");
        return std::nullopt;
    }
    if (++cell.claims > 1) {
        report("shared-cell", at_cell(offset), name + " referenced again, from " + from);
        return std::nullopt;
    }
    const auto data = bins.subspan(std::size_t(offset) + 4, cell.size - 4);
    if (!signature.empty() &&
        (data.size() < 2 || data[0] != std::uint8_t(signature[0]) || data[1] != std::uint8_t(signature[1]))) {
        std::string found = data.size() < 2 ? std::string("nothing") : "\"" + std::string(1, char(data[0])) +
                                                                           std::string(1, char(data[1])) + "\"";
        report("signature", at_cell(offset),
               name + " (\"" + std::string(signature) + "\") expected, found " + found + ", referenced from " + from);
        return std::nullopt;
    }
    if (data.size() < min_data) {
        report("cell-too-small", at_cell(offset),
               name + " needs " + std::to_string(min_data) + " bytes, the cell holds " + std::to_string(data.size()));
        return std::nullopt;
    }
    return data;
}

void Context::check_slack(std::uint32_t offset, std::uint64_t needed_data, std::string_view what)
{
    auto it = cells.find(offset);
    if (it == cells.end())
        return;
    const std::uint64_t fitting = (needed_data + 4 + 7) / 8 * 8;
    if (it->second.size > fitting)
        report("slack", at_cell(offset),
               std::string(what) + " cell is " + std::to_string(it->second.size) + " bytes, " +
                   std::to_string(fitting) + " would do",
               true);
}

} // namespace regf_checks
