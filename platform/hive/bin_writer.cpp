#include "platform/hive/bin_writer.h"

#include "platform/hive/bytes.h"
#include "platform/hive/format.h"

namespace hive {

using namespace format;

namespace {
constexpr std::size_t round_up(std::size_t n, std::size_t to) { return (n + to - 1) / to * to; }
} // namespace

BinWriter::BinWriter(std::size_t expected_size)
{
    out_.reserve(expected_size + kBase);
    out_.resize(kBase);
}

std::uint32_t BinWriter::new_bin(std::size_t size)
{
    const auto at = static_cast<std::uint32_t>(out_.size() - kBase);
    out_.resize(out_.size() + size);
    std::uint8_t* p = out_.data() + kBase + at;
    put32(p, 0x6E696268); // "hbin"
    put32(p + bin::kOffset, at);
    put32(p + bin::kSize, static_cast<std::uint32_t>(size));
    return at;
}

void BinWriter::place(std::uint32_t at, std::size_t size, bool allocated)
{
    const auto n = static_cast<std::int32_t>(size);
    put32(out_.data() + kBase + at, static_cast<std::uint32_t>(allocated ? -n : n));
}

void BinWriter::close_open_bin()
{
    if (open_end_ > open_pos_)
        place(open_pos_, open_end_ - open_pos_, false);
    open_pos_ = open_end_;
}

std::uint32_t BinWriter::alloc(std::size_t payload)
{
    const std::size_t size = round_up(payload + 4, kCellAlign);
    if (size <= open_end_ - open_pos_) {
        const std::uint32_t at = open_pos_;
        open_pos_ += static_cast<std::uint32_t>(size);
        place(at, size, true);
        return at;
    }
    if (size <= kBinGranule - kBinHeaderSize) {
        close_open_bin();
        const std::uint32_t bin = new_bin(kBinGranule);
        open_pos_ = bin + static_cast<std::uint32_t>(kBinHeaderSize + size);
        open_end_ = bin + static_cast<std::uint32_t>(kBinGranule);
        place(bin + kBinHeaderSize, size, true);
        return bin + kBinHeaderSize;
    }
    const std::size_t bin_size = round_up(size + kBinHeaderSize, kBinGranule);
    const std::uint32_t bin = new_bin(bin_size);
    const auto at = static_cast<std::uint32_t>(bin + kBinHeaderSize);
    place(at, size, true);
    const auto tail_pos = static_cast<std::uint32_t>(at + size);
    const auto tail_end = static_cast<std::uint32_t>(bin + bin_size);
    // Keep filling whichever bin has more room left; the other one's tail stays free.
    if (tail_end - tail_pos > open_end_ - open_pos_) {
        close_open_bin();
        open_pos_ = tail_pos;
        open_end_ = tail_end;
    } else if (tail_end > tail_pos) {
        place(tail_pos, tail_end - tail_pos, false);
    }
    return at;
}

std::vector<std::uint8_t> BinWriter::finish(FileTime now)
{
    close_open_bin();
    if (out_.size() > kBase)
        put64(out_.data() + kBase + bin::kTimestamp, now);
    return std::move(out_);
}

} // namespace hive
