#include "testsupport/regf/check_context.h"

#include <cstring>

namespace regf_checks {

namespace {

constexpr std::uint32_t bin_header = 32;

// Records the cells of one bin; stops at the first cell that can't be followed.
void scan_cells(Context& ctx, std::uint32_t bin, std::uint32_t end)
{
    std::uint32_t at = bin + bin_header;
    std::vector<std::uint32_t> free_cells;
    bool any_allocated = false;
    while (at < end) {
        if (end - at < 4) {
            ctx.report("cell-size", Context::at_cell(at), "no room for a cell size field before the bin's end");
            return;
        }
        const auto raw = static_cast<std::int32_t>(le32(ctx.bins, at));
        const std::int64_t size = raw < 0 ? -std::int64_t(raw) : raw;
        if (size < 8 || size % 8 != 0) {
            ctx.report("cell-size", Context::at_cell(at),
                       "cell size " + std::to_string(raw) + " is not a multiple of 8 of at least 8");
            return;
        }
        if (size > end - at) {
            ctx.report("cell-bounds", Context::at_cell(at),
                       "cell of " + std::to_string(size) + " bytes overruns its bin at " + hex(bin) + " by " +
                           std::to_string(size - (end - at)) + " bytes");
            return;
        }
        ctx.cells[at] = Cell{std::uint32_t(size), raw < 0, bin};
        if (raw < 0)
            any_allocated = true;
        else
            free_cells.push_back(at);
        at += std::uint32_t(size);
    }
    // A compact writer leaves free space only at a bin's end.
    for (std::uint32_t cell : free_cells)
        if (cell + ctx.cells[cell].size != end)
            ctx.report("free-cell", Context::at_cell(cell),
                       "free cell of " + std::to_string(ctx.cells[cell].size) + " bytes inside the bin (wasted)");
    if (!any_allocated)
        ctx.report("empty-bin", Context::at_bin(bin), "bin holds no allocated cell (wasted)");
}

} // namespace

void check_bins(Context& ctx)
{
    const auto& b = ctx.bins;
    std::uint32_t at = 0;
    while (at < b.size()) {
        if (b.size() - at < bin_header) {
            ctx.report("hbin-size", Context::at_bin(at), "no room for a bin header");
            break;
        }
        if (std::memcmp(b.data() + at, "hbin", 4) != 0) {
            ctx.report("hbin-signature", Context::at_bin(at), "signature is not \"hbin\"");
            break;
        }
        if (le32(b, at + 4) != at)
            ctx.report("hbin-offset", Context::at_bin(at),
                       "bin says it is at " + hex(le32(b, at + 4)) + ", it is at " + hex(at));
        const std::uint32_t size = le32(b, at + 8);
        if (size < 4096 || size % 4096 != 0) {
            ctx.report("hbin-size", Context::at_bin(at), "bin size " + hex(size) + " is not a multiple of 4096");
            break;
        }
        if (size > b.size() - at) {
            ctx.report("hbin-size", Context::at_bin(at),
                       "bin of " + hex(size) + " bytes reaches beyond the hive bins data (" + hex(b.size()) + ")");
            break;
        }
        if (at == 0 && le64(b, 20) != le64(ctx.file, 12))
            ctx.report("hbin-time", Context::at_bin(0),
                       "first bin's time " + hex(le64(b, 20)) + " differs from the base block's " +
                           hex(le64(ctx.file, 12)));
        scan_cells(ctx, at, at + size);
        at += size;
    }
    if (at != b.size())
        ctx.report("hbin-coverage", Context::at_bin(at),
                   "bins end at " + hex(at) + " but the hive bins data is " + hex(b.size()) + " bytes");
}

} // namespace regf_checks
