#include "testsupport/regf/check_context.h"

#include <algorithm>
#include <cstring>

namespace regf_checks {

namespace {

std::uint32_t header_checksum(std::span<const std::uint8_t> file)
{
    std::uint32_t sum = 0;
    for (std::size_t at = 0; at < 508; at += 4)
        sum ^= le32(file, at);
    // The stored checksum is never 0 or 0xFFFFFFFF.
    if (sum == 0xFFFFFFFF)
        return 0xFFFFFFFE;
    if (sum == 0)
        return 1;
    return sum;
}

} // namespace

void check_base_block(Context& ctx)
{
    const auto f = ctx.file;
    if (f.size() < base_block_size) {
        ctx.report("file-size", Context::at_base(0),
                   "file of " + std::to_string(f.size()) + " bytes is shorter than the base block");
        ctx.bins = {};
        return;
    }
    if (std::memcmp(f.data(), "regf", 4) != 0)
        ctx.report("regf-signature", Context::at_base(0), "signature is not \"regf\"");
    const std::uint32_t seq1 = le32(f, 4), seq2 = le32(f, 8);
    if (seq1 != seq2)
        ctx.report("sequence", Context::at_base(4),
                   "sequence numbers differ (" + std::to_string(seq1) + ", " + std::to_string(seq2) +
                       "): the hive is not clean");
    if (le32(f, 20) != 1)
        ctx.report("version", Context::at_base(20), "major version " + std::to_string(le32(f, 20)) + ", expected 1");
    ctx.minor = le32(f, 24);
    if (ctx.minor < 3 || ctx.minor > 6)
        ctx.report("version", Context::at_base(24), "minor version " + std::to_string(ctx.minor) + " is not 3 to 6");
    if (le32(f, 28) != 0)
        ctx.report("file-type", Context::at_base(28),
                   "file type " + std::to_string(le32(f, 28)) + ", expected 0 (primary file)");
    if (le32(f, 32) != 1)
        ctx.report("file-format", Context::at_base(32), "file format " + std::to_string(le32(f, 32)) + ", expected 1");
    ctx.root = le32(f, 36);
    if (le32(f, 44) != 1)
        ctx.report("clustering", Context::at_base(44),
                   "clustering factor " + std::to_string(le32(f, 44)) + ", expected 1");

    const std::uint32_t declared = le32(f, 40);
    const std::size_t available = f.size() - base_block_size;
    if (declared == 0 || declared % 4096 != 0)
        ctx.report("bins-size", Context::at_base(40),
                   "hive bins size " + hex(declared) + " is not a positive multiple of 4096");
    if (declared > available)
        ctx.report("file-size", Context::at_base(40),
                   "hive bins size " + hex(declared) + " but the file holds only " + hex(available) +
                       " bytes after the base block");
    else if (declared < available)
        ctx.report("trailing-data", Context::at_base(40),
                   std::to_string(available - declared) + " bytes beyond the declared hive bins");

    const std::uint32_t stored = le32(f, 508), expected = header_checksum(f);
    if (stored != expected)
        ctx.report("checksum", Context::at_base(508), "checksum " + hex(stored) + ", expected " + hex(expected));

    ctx.bins = f.subspan(base_block_size, std::min<std::size_t>(declared, available));
}

} // namespace regf_checks
