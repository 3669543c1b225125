#include "platform/hive/bytes.h"
#include "platform/hive/format.h"
#include "platform/hive/hive.h"

namespace hive::format {

std::uint32_t header_checksum(const std::uint8_t* base_block)
{
    std::uint32_t sum = 0;
    for (std::size_t at = 0; at < base::kChecksum; at += 4)
        sum ^= get32(Bytes(base_block, base::kChecksum), at);
    if (sum == 0xFFFFFFFF)
        return 0xFFFFFFFE;
    if (sum == 0)
        return 1;
    return sum;
}

} // namespace hive::format

namespace hive {

std::optional<std::size_t> stored_size(std::span<const std::uint8_t> base_block)
{
    using namespace format;
    if (base_block.size() < kBaseBlockSize || get32(base_block, 0) != 0x66676572) // "regf"
        return std::nullopt;
    const std::size_t bins_size = get32(base_block, base::kBinsSize);
    if (bins_size > kMaxBinsSize)
        return std::nullopt;
    return kBaseBlockSize + bins_size;
}

} // namespace hive
