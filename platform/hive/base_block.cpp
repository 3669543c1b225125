#include "platform/hive/bytes.h"
#include "platform/hive/format.h"

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
