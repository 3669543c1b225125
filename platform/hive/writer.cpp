// Writing a hive: the whole tree in a fresh compact layout, following the rules of the hive's minor version.

#include "platform/hive/access.h"
#include "platform/hive/bin_writer.h"
#include "platform/hive/bytes.h"
#include "platform/hive/format.h"
#include "platform/hive/names.h"
#include "platform/hive/security.h"

#include <algorithm>

namespace hive {

namespace {

using namespace format;

class Writer {
public:
    Writer(Hive& hive, FileTime now)
        : hive_(hive), now_(now), minor_(Access::minor_version(hive)), bins_(Access::size_hint(hive) + 65536),
          security_(bins_)
    {
    }
    std::vector<std::uint8_t> run();

private:
    std::uint32_t write_key(Key& key, std::uint32_t parent);
    std::uint32_t write_values(const std::vector<Value>& values);
    std::uint32_t write_value(const Value& value);
    void write_data(const Value& value, std::uint32_t vk);
    std::uint32_t write_subkey_list(const std::vector<std::unique_ptr<Key>>& subkeys, std::size_t first);
    std::uint32_t write_leaf(const std::vector<std::unique_ptr<Key>>& subkeys, std::size_t first,
                             std::size_t from, std::size_t count);

    Hive& hive_;
    FileTime now_;
    std::uint32_t minor_;
    BinWriter bins_;
    SecurityWriter security_;
    std::vector<std::uint32_t> child_cells_; // nk cells of the sub-keys written, a range per level
};

std::uint32_t Writer::write_key(Key& key, std::uint32_t parent)
{
    const std::u16string& name = key.name();
    const std::size_t name_size = stored_name_size(name);
    const std::uint32_t nk = bins_.alloc(nk::kName + name_size);
    if (Access::dirty(key)) {
        Access::last_written(key) = now_;
        Access::dirty(key) = false;
    }

    std::uint32_t class_cell = kNone;
    const std::u16string& class_name = key.class_name();
    if (!class_name.empty()) {
        class_cell = bins_.alloc(class_name.size() * 2);
        store_utf16(class_name, bins_.data(class_cell));
    }
    const std::uint32_t sk = security_.use(key.security());
    const auto& values = key.values();
    const std::uint32_t value_list = write_values(values);

    auto& subkeys = Access::subkeys(key);
    const std::size_t first = child_cells_.size();
    std::uint32_t max_name = 0, max_class = 0;
    for (auto& child : subkeys) {
        const std::uint32_t cell = write_key(*child, nk);
        child_cells_.push_back(cell);
        max_name = std::max(max_name, static_cast<std::uint32_t>(child->name().size() * 2));
        max_class = std::max(max_class, static_cast<std::uint32_t>(child->class_name().size() * 2));
    }
    const std::uint32_t subkey_list = write_subkey_list(subkeys, first);
    child_cells_.resize(first);

    std::uint32_t max_value_name = 0, max_value_data = 0;
    for (const Value& v : values) {
        max_value_name = std::max(max_value_name, static_cast<std::uint32_t>(v.name.size() * 2));
        max_value_data = std::max(max_value_data, static_cast<std::uint32_t>(v.data.size()));
    }

    const bool compressed = compressible(name);
    std::uint8_t* p = bins_.data(nk);
    p[0] = 'n';
    p[1] = 'k';
    // The name encoding and the root mark follow from the key itself, whatever a damaged file said.
    std::uint16_t flags = Access::flags(key) & ~(nk::kCompressedName | nk::kRootFlag);
    if (compressed)
        flags |= nk::kCompressedName;
    if (&key == &hive_.root())
        flags |= nk::kRootFlag;
    put16(p + nk::kFlags, flags);
    put64(p + nk::kTimestamp, key.last_written());
    put32(p + nk::kAccessBits, Access::access_bits(key));
    put32(p + nk::kParent, parent);
    put32(p + nk::kSubkeyCount, static_cast<std::uint32_t>(subkeys.size()));
    put32(p + nk::kSubkeyList, subkey_list);
    put32(p + nk::kVolatileSubkeyList, kNone);
    put32(p + nk::kValueCount, static_cast<std::uint32_t>(values.size()));
    put32(p + nk::kValueList, value_list);
    put32(p + nk::kSecurity, sk);
    put32(p + nk::kClassName, class_cell);
    put32(p + nk::kMaxSubkeyName, (Access::subkey_name_hi(key) & 0xFFFF0000) | (max_name & 0xFFFF));
    put32(p + nk::kMaxSubkeyClass, max_class);
    put32(p + nk::kMaxValueName, max_value_name);
    put32(p + nk::kMaxValueData, max_value_data);
    put16(p + nk::kNameLength, static_cast<std::uint16_t>(name_size));
    put16(p + nk::kClassLength, static_cast<std::uint16_t>(class_name.size() * 2));
    store_name(name, p + nk::kName);
    return nk;
}

std::uint32_t Writer::write_values(const std::vector<Value>& values)
{
    if (values.empty())
        return kNone;
    const std::uint32_t list = bins_.alloc(4 * values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::uint32_t vk = write_value(values[i]);
        put32(bins_.data(list) + 4 * i, vk);
    }
    return list;
}

std::uint32_t Writer::write_value(const Value& value)
{
    const std::size_t name_size = stored_name_size(value.name);
    const std::uint32_t vk = bins_.alloc(vk::kName + name_size);
    std::uint8_t* p = bins_.data(vk);
    p[0] = 'v';
    p[1] = 'k';
    put16(p + vk::kNameLength, static_cast<std::uint16_t>(name_size));
    put32(p + vk::kType, value.type);
    put16(p + vk::kFlags, compressible(value.name) ? vk::kCompressedName : 0);
    store_name(value.name, p + vk::kName);
    write_data(value, vk);
    return vk;
}

void Writer::write_data(const Value& value, std::uint32_t vk)
{
    const std::size_t size = value.data.size();
    const auto size32 = static_cast<std::uint32_t>(size);
    if (size <= vk::kMaxInline) {
        // Windows keeps up to four bytes in the offset field; an empty value too, which hivex needs.
        std::uint8_t* p = bins_.data(vk);
        put32(p + vk::kDataSize, size32 | vk::kInlineData);
        std::copy(value.data.begin(), value.data.end(), p + vk::kData);
        return;
    }
    std::uint32_t data_cell;
    if (minor_ >= 4 && size > db::kSegment) {
        const std::size_t count = (size + db::kSegment - 1) / db::kSegment;
        data_cell = bins_.alloc(db::kRecordSize);
        const std::uint32_t list = bins_.alloc(4 * count);
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t from = i * db::kSegment;
            const std::size_t part = std::min(db::kSegment, size - from);
            // Four bytes of slack after each segment, as Windows leaves them; hivex reads segments that way.
            const std::uint32_t segment = bins_.alloc(part + 4);
            std::copy_n(value.data.begin() + static_cast<std::ptrdiff_t>(from), part, bins_.data(segment));
            put32(bins_.data(list) + 4 * i, segment);
        }
        std::uint8_t* db = bins_.data(data_cell);
        db[0] = 'd';
        db[1] = 'b';
        put16(db + db::kCount, static_cast<std::uint16_t>(count));
        put32(db + db::kSegmentList, list);
    } else {
        data_cell = bins_.alloc(size);
        std::copy(value.data.begin(), value.data.end(), bins_.data(data_cell));
    }
    std::uint8_t* p = bins_.data(vk);
    put32(p + vk::kDataSize, size32);
    put32(p + vk::kData, data_cell);
}

std::uint32_t Writer::write_leaf(const std::vector<std::unique_ptr<Key>>& subkeys, std::size_t first,
                                 std::size_t from, std::size_t count)
{
    const bool hashed = minor_ >= 5;
    const std::uint32_t leaf = bins_.alloc(list::kEntries + 8 * count);
    std::uint8_t* p = bins_.data(leaf);
    p[0] = 'l';
    p[1] = hashed ? 'h' : 'f';
    put16(p + list::kCount, static_cast<std::uint16_t>(count));
    for (std::size_t i = 0; i < count; ++i) {
        const std::u16string& name = subkeys[from + i]->name();
        std::uint8_t* entry = p + list::kEntries + 8 * i;
        put32(entry, child_cells_[first + from + i]);
        put32(entry + 4, hashed ? lh_hash(name) : lf_hint(name));
    }
    return leaf;
}

std::uint32_t Writer::write_subkey_list(const std::vector<std::unique_ptr<Key>>& subkeys, std::size_t first)
{
    const std::size_t n = subkeys.size();
    if (n == 0)
        return kNone;
    const std::size_t max_leaf = minor_ >= 5 ? kMaxHashLeaf : kMaxFastLeaf;
    if (n <= max_leaf)
        return write_leaf(subkeys, first, 0, n);
    // Leaves of nearly equal size under one index root, in order.
    const std::size_t leaves = (n + max_leaf - 1) / max_leaf;
    const std::uint32_t root = bins_.alloc(list::kEntries + 4 * leaves);
    std::size_t from = 0;
    for (std::size_t i = 0; i < leaves; ++i) {
        const std::size_t count = n / leaves + (i < n % leaves ? 1 : 0);
        const std::uint32_t leaf = write_leaf(subkeys, first, from, count);
        put32(bins_.data(root) + list::kEntries + 4 * i, leaf);
        from += count;
    }
    std::uint8_t* p = bins_.data(root);
    p[0] = 'r';
    p[1] = 'i';
    put16(p + list::kCount, static_cast<std::uint16_t>(leaves));
    return root;
}

std::vector<std::uint8_t> Writer::run()
{
    const std::uint32_t root = write_key(hive_.root(), Access::root_parent(hive_));
    security_.finish();
    const std::uint32_t bins_size = bins_.bins_size();
    std::vector<std::uint8_t> file = bins_.finish(now_);

    std::vector<std::uint8_t>& base = Access::base_block(hive_);
    base.resize(kBaseBlockSize);
    std::uint32_t& sequence = Access::sequence(hive_);
    ++sequence;
    std::uint8_t* h = base.data();
    put32(h, 0x66676572); // "regf"
    put32(h + base::kSequence1, sequence);
    put32(h + base::kSequence2, sequence);
    put64(h + base::kTimestamp, now_);
    put32(h + base::kMajor, 1);
    put32(h + base::kMinor, minor_);
    put32(h + base::kFileType, 0);
    put32(h + base::kFileFormat, 1);
    put32(h + base::kRootCell, root);
    put32(h + base::kBinsSize, bins_size);
    put32(h + base::kClustering, 1); // sectors of 512 bytes: what the machine writing the file has
    put32(h + base::kChecksum, header_checksum(h));
    std::copy(base.begin(), base.end(), file.begin());

    Access::modified(hive_) = false;
    Access::size_hint(hive_) = file.size();
    return file;
}

} // namespace

std::vector<std::uint8_t> Hive::serialize(FileTime now)
{
    return Writer(*this, now).run();
}

} // namespace hive
