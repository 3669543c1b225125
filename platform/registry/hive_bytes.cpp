#include "platform/registry/hive_bytes.h"

#include "platform/hive/format.h"
#include "platform/hive/hive.h"

#include <cerrno>
#include <optional>

#include <unistd.h>

namespace platform {

namespace {

// Reads until `bytes` holds `count` bytes or the file ends; false on a read error.
bool read_up_to(int fd, std::vector<std::uint8_t>& bytes, std::size_t count)
{
    std::size_t have = bytes.size();
    bytes.resize(count);
    while (have < count) {
        const ssize_t n = ::read(fd, bytes.data() + have, count - have);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            break;
        have += static_cast<std::size_t>(n);
    }
    bytes.resize(have);
    return true;
}

} // namespace

bool read_hive_bytes(int fd, std::vector<std::uint8_t>& bytes)
{
    bytes.clear();
    if (!read_up_to(fd, bytes, hive::format::kBaseBlockSize))
        return false;
    const std::optional<std::size_t> size = hive::stored_size(bytes);
    return !size || read_up_to(fd, bytes, *size);
}

} // namespace platform
