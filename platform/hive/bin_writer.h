#pragma once
// Lays out the cells of a hive being written: packed into 4 KiB bins, never across a bin, a cell too big
// for one getting a bin of its own size. The only free space left is the tail of a bin.

#include "platform/hive/hive.h"

#include <cstdint>
#include <vector>

namespace hive {

class BinWriter {
public:
    explicit BinWriter(std::size_t expected_size);

    // A new allocated cell with room for `payload` bytes, zero-filled; its offset from the first bin.
    std::uint32_t alloc(std::size_t payload);
    // The cell's data after its size field. Valid until the next alloc.
    std::uint8_t* data(std::uint32_t cell) { return out_.data() + kBase + cell + 4; }

    // The whole file: a zeroed base block for the caller to fill, then the bins. The first bin carries `now`.
    std::vector<std::uint8_t> finish(FileTime now);
    std::uint32_t bins_size() const { return static_cast<std::uint32_t>(out_.size() - kBase); }

private:
    static constexpr std::size_t kBase = 4096;
    std::uint32_t new_bin(std::size_t size);
    void place(std::uint32_t at, std::size_t size, bool allocated);
    void close_open_bin();

    std::vector<std::uint8_t> out_;
    // The free tail of the bin that small cells go into.
    std::uint32_t open_pos_ = 0;
    std::uint32_t open_end_ = 0;
};

} // namespace hive
