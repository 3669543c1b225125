#pragma once
// Where the fields of a hive file live and the limits the format sets. Record offsets are relative to the
// cell data, which starts after the cell's 4-byte size field; cell references are relative to the first bin.

#include <cstddef>
#include <cstdint>

namespace hive::format {

inline constexpr std::uint32_t kNone = 0xFFFFFFFF;

inline constexpr std::size_t kBaseBlockSize = 4096;
inline constexpr std::size_t kBinGranule = 4096;
inline constexpr std::size_t kBinHeaderSize = 32;
inline constexpr std::size_t kCellAlign = 8;

namespace base {
inline constexpr std::size_t kSequence1 = 4;
inline constexpr std::size_t kSequence2 = 8;
inline constexpr std::size_t kTimestamp = 12;
inline constexpr std::size_t kMajor = 20;
inline constexpr std::size_t kMinor = 24;
inline constexpr std::size_t kFileType = 28;
inline constexpr std::size_t kFileFormat = 32;
inline constexpr std::size_t kRootCell = 36;
inline constexpr std::size_t kBinsSize = 40;
inline constexpr std::size_t kClustering = 44;
inline constexpr std::size_t kChecksum = 508;
} // namespace base

namespace bin {
inline constexpr std::size_t kOffset = 4;
inline constexpr std::size_t kSize = 8;
inline constexpr std::size_t kTimestamp = 20;
} // namespace bin

namespace nk {
inline constexpr std::size_t kFlags = 2;
inline constexpr std::size_t kTimestamp = 4;
inline constexpr std::size_t kAccessBits = 12;
inline constexpr std::size_t kParent = 16;
inline constexpr std::size_t kSubkeyCount = 20;
inline constexpr std::size_t kVolatileSubkeyCount = 24;
inline constexpr std::size_t kSubkeyList = 28;
inline constexpr std::size_t kVolatileSubkeyList = 32;
inline constexpr std::size_t kValueCount = 36;
inline constexpr std::size_t kValueList = 40;
inline constexpr std::size_t kSecurity = 44;
inline constexpr std::size_t kClassName = 48;
inline constexpr std::size_t kMaxSubkeyName = 52;
inline constexpr std::size_t kMaxSubkeyClass = 56;
inline constexpr std::size_t kMaxValueName = 60;
inline constexpr std::size_t kMaxValueData = 64;
inline constexpr std::size_t kNameLength = 72;
inline constexpr std::size_t kClassLength = 74;
inline constexpr std::size_t kName = 76;

inline constexpr std::uint16_t kRootFlag = 0x0004;
inline constexpr std::uint16_t kCompressedName = 0x0020;
} // namespace nk

namespace vk {
inline constexpr std::size_t kNameLength = 2;
inline constexpr std::size_t kDataSize = 4;
inline constexpr std::size_t kData = 8;
inline constexpr std::size_t kType = 12;
inline constexpr std::size_t kFlags = 16;
inline constexpr std::size_t kName = 20;

inline constexpr std::uint16_t kCompressedName = 0x0001;
inline constexpr std::uint32_t kInlineData = 0x80000000;
inline constexpr std::size_t kMaxInline = 4;
} // namespace vk

namespace sk {
inline constexpr std::size_t kFlink = 4;
inline constexpr std::size_t kBlink = 8;
inline constexpr std::size_t kReferences = 12;
inline constexpr std::size_t kLength = 16;
inline constexpr std::size_t kDescriptor = 20;
} // namespace sk

namespace list {
inline constexpr std::size_t kCount = 2;
inline constexpr std::size_t kEntries = 4;
} // namespace list

namespace db {
inline constexpr std::size_t kCount = 2;
inline constexpr std::size_t kSegmentList = 4;
inline constexpr std::size_t kRecordSize = 8;
// Data larger than one segment is split into segments of exactly this size (minor version 4 on).
inline constexpr std::size_t kSegment = 16344;
} // namespace db

// Windows refuses to go deeper.
inline constexpr std::size_t kMaxDepth = 512;
// Leaf sizes Windows makes before it splits a list under an `ri`.
inline constexpr std::size_t kMaxHashLeaf = 1012;
inline constexpr std::size_t kMaxFastLeaf = 506;
// The largest value data this library writes.
inline constexpr std::size_t kMaxValueData = 0x40000000;
// Windows' own limit for a hive: cell offsets have 31 bits, the top one marks volatile cells.
inline constexpr std::size_t kMaxBinsSize = 0x80000000;

// XOR of the first 127 dwords of the base block, never 0 or 0xFFFFFFFF.
std::uint32_t header_checksum(const std::uint8_t* base_block);

} // namespace hive::format
