#include "platform/hive/cells.h"

#include "platform/hive/format.h"

#include <cstdio>

namespace hive {

std::string hex(std::uint64_t v)
{
    char buf[24];
    std::snprintf(buf, sizeof buf, "0x%llX", static_cast<unsigned long long>(v));
    return buf;
}

bool CellMap::scan(Bytes bins, std::string& error)
{
    using namespace format;
    bins_ = bins;
    const std::size_t slots = bins.size() / kCellAlign + 1;
    allocated_.assign(slots / 64 + 1, 0);
    claimed_.assign(slots / 64 + 1, 0);

    std::size_t pos = 0;
    while (pos < bins.size()) {
        const Bytes header = bins.subspan(pos);
        if (header.size() < kBinHeaderSize || get32(header, 0) != 0x6E696268) { // "hbin"
            error = "no hive bin signature at bin offset " + hex(pos);
            return false;
        }
        if (get32(header, bin::kOffset) != pos) {
            error = "hive bin at " + hex(pos) + " says it is at " + hex(get32(header, bin::kOffset));
            return false;
        }
        const std::size_t size = get32(header, bin::kSize);
        if (size == 0 || size % kBinGranule != 0 || size > bins.size() - pos) {
            error = "hive bin at " + hex(pos) + " has an impossible size " + hex(size);
            return false;
        }
        std::size_t cell = pos + kBinHeaderSize;
        const std::size_t end = pos + size;
        while (cell < end) {
            const auto raw = static_cast<std::int32_t>(get32(bins, cell));
            const std::int64_t cell_size = raw < 0 ? -static_cast<std::int64_t>(raw) : raw;
            if (cell_size < 8 || cell_size % kCellAlign != 0 || cell_size > static_cast<std::int64_t>(end - cell)) {
                error = "cell at " + hex(cell) + " has size " + hex(static_cast<std::uint32_t>(raw)) +
                        ", which does not fit its hive bin at " + hex(pos);
                return false;
            }
            if (raw < 0)
                set(allocated_, cell / kCellAlign);
            cell += static_cast<std::size_t>(cell_size);
        }
        pos = end;
    }
    return true;
}

std::optional<Bytes> CellMap::cell(std::uint32_t offset) const
{
    if (offset % format::kCellAlign != 0 || offset >= bins_.size() || !test(allocated_, offset / format::kCellAlign))
        return std::nullopt;
    // The scan checked that this allocated cell lies inside its bin.
    const auto size = static_cast<std::size_t>(-static_cast<std::int64_t>(static_cast<std::int32_t>(get32(bins_, offset))));
    return bins_.subspan(offset + 4, size - 4);
}

bool CellMap::claim(std::uint32_t offset)
{
    const std::size_t slot = offset / format::kCellAlign;
    if (offset >= bins_.size() || test(claimed_, slot))
        return false;
    set(claimed_, slot);
    return true;
}

} // namespace hive
