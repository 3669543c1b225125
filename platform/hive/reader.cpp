// Reading a hive file. Nothing in the file is trusted: every reference goes through the cell map, every
// count is checked against the cell that holds it, and each cell is used by one parent only, which stops
// loops and keeps memory in proportion to the file.

#include "platform/hive/access.h"
#include "platform/hive/bytes.h"
#include "platform/hive/cells.h"
#include "platform/hive/format.h"
#include "platform/hive/names.h"
#include "platform/hive/security.h"

#include <algorithm>
#include <unordered_map>

namespace hive {

namespace {

using namespace format;

class Reader {
public:
    explicit Reader(Bytes file) : file_(file) {}
    std::optional<Hive> run();
    const std::string& error() const { return error_; }

private:
    bool fail(const std::string& what);
    std::string where() const;
    std::optional<Bytes> cell(std::uint32_t offset, std::size_t min_size, const char* what);
    std::optional<Bytes> record(std::uint32_t offset, const char (&sig)[3], std::size_t min_size, const char* what);
    bool read_key(std::uint32_t offset, Key& key, const SecurityDescriptor* parent_security);
    bool read_values(Key& key, std::uint32_t count, std::uint32_t list);
    bool read_value(std::uint32_t offset, Value& value);
    bool read_big_data(std::uint32_t offset, Bytes db, std::size_t size, Value& value);
    bool read_subkeys(Key& key, std::uint32_t count, std::uint32_t list);
    bool collect(std::uint32_t list, std::size_t& remaining, bool root_allowed);
    const SecurityDescriptor* security(std::uint32_t offset);

    Bytes file_;
    CellMap cells_;
    Hive* hive_ = nullptr;
    std::uint32_t minor_ = 0;
    std::string error_;
    std::vector<const Key*> path_;        // the keys being read, root first, for messages
    std::vector<std::uint32_t> pending_;  // sub-key cells still to read, a range per level being read
    std::unordered_map<std::uint32_t, SecurityDescriptor> security_;
    std::vector<const std::u16string*> by_name_; // a key's value names, sorted to find duplicates
};

bool Reader::fail(const std::string& what)
{
    if (error_.empty())
        error_ = what + " (" + where() + ")";
    return false;
}

std::string Reader::where() const
{
    if (path_.empty())
        return "hive header";
    if (path_.size() == 1)
        return "in the root key";
    std::string path = "in key ";
    for (std::size_t i = 1; i < path_.size(); ++i) {
        path += '\\';
        path += to_utf8(path_[i]->name());
    }
    return path;
}

std::optional<Bytes> Reader::cell(std::uint32_t offset, std::size_t min_size, const char* what)
{
    const auto c = cells_.cell(offset);
    if (!c) {
        fail(std::string(what) + " at " + hex(offset) + " is not an allocated cell");
        return std::nullopt;
    }
    if (c->size() < min_size) {
        fail(std::string(what) + " at " + hex(offset) + " is too small: " + std::to_string(c->size()) +
             " bytes, needs " + std::to_string(min_size));
        return std::nullopt;
    }
    if (!cells_.claim(offset)) {
        fail(std::string(what) + " at " + hex(offset) + " is used twice (a loop or a shared cell)");
        return std::nullopt;
    }
    return c;
}

std::optional<Bytes> Reader::record(std::uint32_t offset, const char (&sig)[3], std::size_t min_size,
                                    const char* what)
{
    const auto c = cells_.cell(offset);
    if (c && !has_signature(*c, sig)) {
        fail(std::string(what) + " at " + hex(offset) + " has no '" + sig + "' signature");
        return std::nullopt;
    }
    return cell(offset, min_size, what);
}

const SecurityDescriptor* Reader::security(std::uint32_t offset)
{
    if (auto it = security_.find(offset); it != security_.end())
        return &it->second;
    const auto c = cells_.cell(offset);
    if (!c || !has_signature(*c, "sk") || c->size() < sk::kDescriptor) {
        fail("security cell at " + hex(offset) + " is not an sk record");
        return nullptr;
    }
    const std::size_t length = get32(*c, sk::kLength);
    constexpr std::size_t kDescriptorHeader = 20;
    if (length < kDescriptorHeader || length > c->size() - sk::kDescriptor) {
        fail("security descriptor at " + hex(offset) + " has a bad length " + std::to_string(length));
        return nullptr;
    }
    const Bytes bytes = c->subspan(sk::kDescriptor, length);
    if (const std::string problem = descriptor_problem(bytes); !problem.empty()) {
        fail("security descriptor at " + hex(offset) + " is malformed: " + problem);
        return nullptr;
    }
    auto sd = std::make_shared<const std::vector<std::uint8_t>>(bytes.begin(), bytes.end());
    return &security_.emplace(offset, std::move(sd)).first->second;
}

bool Reader::read_key(std::uint32_t offset, Key& key, const SecurityDescriptor* parent_security)
{
    const auto nk = record(offset, "nk", nk::kName, "key");
    if (!nk)
        return false;
    const Bytes d = *nk;
    const std::uint16_t flags = get16(d, nk::kFlags);
    const bool compressed = flags & nk::kCompressedName;
    const std::size_t name_size = get16(d, nk::kNameLength);
    const std::size_t name_chars = compressed ? name_size : name_size / 2;
    if (name_size == 0 || (!compressed && name_size % 2 != 0) || name_chars > kMaxKeyNameLength ||
        name_size > d.size() - nk::kName)
        return fail("key at " + hex(offset) + " has a name of bad length " + std::to_string(name_size));
    Access::name(key) = load_name(d.subspan(nk::kName, name_size), compressed);
    path_.push_back(&key);
    if (key.name().find(u'\\') != std::u16string::npos)
        return fail("key at " + hex(offset) + " has a backslash in its name");

    Access::flags(key) = flags & ~nk::kCompressedName;
    Access::last_written(key) = get64(d, nk::kTimestamp);
    Access::access_bits(key) = get32(d, nk::kAccessBits);
    Access::subkey_name_hi(key) = get32(d, nk::kMaxSubkeyName) & 0xFFFF0000;
    if (Access::depth(key) == 0)
        Access::root_parent(*hive_) = get32(d, nk::kParent);

    const std::size_t class_size = get16(d, nk::kClassLength);
    if (class_size > 0) {
        if (class_size % 2 != 0)
            return fail("key at " + hex(offset) + " has a class name of odd length");
        const auto c = cell(get32(d, nk::kClassName), class_size, "class name");
        if (!c)
            return false;
        Access::class_name(key) = load_name(c->first(class_size), false);
    }

    const std::uint32_t sk_cell = get32(d, nk::kSecurity);
    if (sk_cell == kNone) {
        // Not something Windows writes; take what a new key would get.
        Access::security(key) = parent_security ? *parent_security : default_security_descriptor();
    } else {
        const SecurityDescriptor* sd = security(sk_cell);
        if (!sd)
            return false;
        Access::security(key) = *sd;
    }

    if (!read_values(key, get32(d, nk::kValueCount), get32(d, nk::kValueList)))
        return false;
    if (!read_subkeys(key, get32(d, nk::kSubkeyCount), get32(d, nk::kSubkeyList)))
        return false;
    path_.pop_back();
    return true;
}

bool Reader::read_values(Key& key, std::uint32_t count, std::uint32_t list)
{
    if (count == 0)
        return true;
    const auto c = cell(list, 0, "value list");
    if (!c)
        return false;
    if (count > c->size() / 4)
        return fail("key has " + std::to_string(count) + " values but its value list at " + hex(list) +
                    " holds at most " + std::to_string(c->size() / 4));
    auto& values = Access::values(key);
    values.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        if (!read_value(get32(*c, 4 * i), values.emplace_back()))
            return false;

    // Windows keeps value names unique without regard to case; a lookup would see only the first of two.
    by_name_.clear();
    for (const Value& v : values)
        by_name_.push_back(&v.name);
    const auto before = [](const std::u16string* a, const std::u16string* b) { return compare_names(*a, *b) < 0; };
    std::sort(by_name_.begin(), by_name_.end(), before);
    for (std::size_t i = 1; i < by_name_.size(); ++i)
        if (compare_names(*by_name_[i - 1], *by_name_[i]) == 0)
            return fail("two values are named \"" + to_utf8(*by_name_[i]) + "\"");
    return true;
}

bool Reader::read_value(std::uint32_t offset, Value& value)
{
    const auto vk = record(offset, "vk", vk::kName, "value");
    if (!vk)
        return false;
    const Bytes d = *vk;
    const bool compressed = get16(d, vk::kFlags) & vk::kCompressedName;
    const std::size_t name_size = get16(d, vk::kNameLength);
    const std::size_t name_chars = compressed ? name_size : name_size / 2;
    if ((!compressed && name_size % 2 != 0) || name_chars > kMaxValueNameLength || name_size > d.size() - vk::kName)
        return fail("value at " + hex(offset) + " has a name of bad length " + std::to_string(name_size));
    value.name = load_name(d.subspan(vk::kName, name_size), compressed);
    value.type = get32(d, vk::kType);

    const std::uint32_t raw_size = get32(d, vk::kDataSize);
    const std::size_t size = raw_size & ~vk::kInlineData;
    if (raw_size & vk::kInlineData) {
        if (size > vk::kMaxInline)
            return fail("value at " + hex(offset) + " has " + std::to_string(size) + " bytes of inline data");
        value.data.assign(d.begin() + vk::kData, d.begin() + vk::kData + size);
        return true;
    }
    if (size == 0)
        return true;
    if (size > cells_.bins_size())
        return fail("value at " + hex(offset) + " claims " + std::to_string(size) +
                    " bytes of data, more than the whole hive");
    const std::uint32_t data_cell = get32(d, vk::kData);
    const auto c = cells_.cell(data_cell);
    // Big data has its own record from version 1.4 on; a single cell of another writer is read as it is.
    if (c && size > db::kSegment && has_signature(*c, "db") && (minor_ >= 4 || c->size() < size))
        return read_big_data(data_cell, *c, size, value);
    const auto data = cell(data_cell, size, "value data");
    if (!data)
        return false;
    value.data.assign(data->begin(), data->begin() + size);
    return true;
}

bool Reader::read_big_data(std::uint32_t offset, Bytes db, std::size_t size, Value& value)
{
    if (!cell(offset, db::kRecordSize, "big data record"))
        return false;
    const std::size_t count = get16(db, db::kCount);
    const std::size_t needed = (size + db::kSegment - 1) / db::kSegment;
    if (count != needed)
        return fail("big data record at " + hex(offset) + " has " + std::to_string(count) + " segments, " +
                    std::to_string(size) + " bytes need " + std::to_string(needed));
    const auto list = cell(get32(db, db::kSegmentList), 4 * count, "segment list");
    if (!list)
        return false;
    value.data.reserve(size);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t part = std::min(db::kSegment, size - value.data.size());
        const auto segment = cell(get32(*list, 4 * i), part, "data segment");
        if (!segment)
            return false;
        value.data.insert(value.data.end(), segment->begin(), segment->begin() + part);
    }
    return true;
}

bool Reader::collect(std::uint32_t list, std::size_t& remaining, bool root_allowed)
{
    const auto c = cell(list, list::kEntries, "sub-key list");
    if (!c)
        return false;
    const std::size_t count = get16(*c, list::kCount);
    std::size_t entry_size = 4;
    if (has_signature(*c, "ri")) {
        if (!root_allowed)
            return fail("sub-key list at " + hex(list) + " is an index root inside an index root");
    } else if (has_signature(*c, "lf") || has_signature(*c, "lh")) {
        entry_size = 8;
    } else if (!has_signature(*c, "li")) {
        return fail("sub-key list at " + hex(list) + " has an unknown signature");
    }
    if (count > (c->size() - list::kEntries) / entry_size)
        return fail("sub-key list at " + hex(list) + " claims " + std::to_string(count) +
                    " entries, more than its cell holds");
    if (has_signature(*c, "ri")) {
        for (std::size_t i = 0; i < count; ++i)
            if (!collect(get32(*c, list::kEntries + 4 * i), remaining, false))
                return false;
        return true;
    }
    if (count > remaining)
        return fail("sub-key lists hold more entries than the key's sub-key count");
    remaining -= count;
    for (std::size_t i = 0; i < count; ++i)
        pending_.push_back(get32(*c, list::kEntries + entry_size * i));
    return true;
}

bool Reader::read_subkeys(Key& key, std::uint32_t count, std::uint32_t list)
{
    if (count == 0)
        return true;
    if (Access::depth(key) + 1u >= kMaxDepth)
        return fail("keys are nested deeper than " + std::to_string(kMaxDepth) + " levels");
    const std::size_t begin = pending_.size();
    std::size_t remaining = count;
    if (!collect(list, remaining, true))
        return false;
    if (remaining != 0)
        return fail("key has " + std::to_string(count) + " sub-keys but its lists hold " +
                    std::to_string(count - remaining));

    auto& subkeys = Access::subkeys(key);
    subkeys.reserve(count);
    const SecurityDescriptor* sd = &Access::security(key);
    for (std::size_t i = begin; i < begin + count; ++i) {
        auto child = Access::new_key(*hive_, static_cast<std::uint16_t>(Access::depth(key) + 1));
        if (!read_key(pending_[i], *child, sd))
            return false;
        subkeys.push_back(std::move(child));
    }
    pending_.resize(begin);

    // Other writers have sorted by other rules; the order is ours to keep from here on.
    const auto before = [](const std::unique_ptr<Key>& a, const std::unique_ptr<Key>& b) {
        return compare_names(a->name(), b->name()) < 0;
    };
    if (!std::is_sorted(subkeys.begin(), subkeys.end(), before))
        std::sort(subkeys.begin(), subkeys.end(), before);
    for (std::size_t i = 1; i < subkeys.size(); ++i)
        if (compare_names(subkeys[i - 1]->name(), subkeys[i]->name()) == 0)
            return fail("two sub-keys are named \"" + to_utf8(subkeys[i]->name()) + "\"");
    return true;
}

std::optional<Hive> Reader::run()
{
    if (file_.size() < kBaseBlockSize) {
        fail("file too short for a hive: " + std::to_string(file_.size()) + " bytes");
        return std::nullopt;
    }
    const Bytes base = file_.first(kBaseBlockSize);
    if (get32(base, 0) != 0x66676572) { // "regf"
        fail("not a hive file: no regf signature");
        return std::nullopt;
    }
    const std::uint32_t major = get32(base, base::kMajor);
    minor_ = get32(base, base::kMinor);
    if (major != 1 || minor_ < 3 || minor_ > 6) {
        fail("unsupported hive format version " + std::to_string(major) + "." + std::to_string(minor_));
        return std::nullopt;
    }
    if (get32(base, base::kFileType) != 0) {
        fail("not a primary hive file: file type " + std::to_string(get32(base, base::kFileType)));
        return std::nullopt;
    }
    if (get32(base, base::kFileFormat) != 1) {
        fail("unknown hive file format " + std::to_string(get32(base, base::kFileFormat)));
        return std::nullopt;
    }
    const std::size_t bins_size = get32(base, base::kBinsSize);
    if (bins_size == 0 || bins_size % kBinGranule != 0 || bins_size > file_.size() - kBaseBlockSize) {
        fail("hive bins size " + hex(bins_size) + " does not fit a file of " + std::to_string(file_.size()) +
             " bytes");
        return std::nullopt;
    }
    std::string scan_error;
    if (!cells_.scan(file_.subspan(kBaseBlockSize, bins_size), scan_error)) {
        fail(scan_error);
        return std::nullopt;
    }

    Hive hive = Access::new_hive();
    hive_ = &hive;
    const std::uint32_t seq1 = get32(base, base::kSequence1);
    const std::uint32_t seq2 = get32(base, base::kSequence2);
    const bool checksum_ok = get32(base, base::kChecksum) == header_checksum(base.data());
    Access::minor_version(hive) = minor_;
    Access::sequence(hive) = std::max(seq1, seq2);
    // A torn header or unequal sequence numbers mean Windows would replay the log first.
    Access::clean(hive) = seq1 == seq2 && checksum_ok;
    Access::base_block(hive).assign(base.begin(), base.end());
    Access::size_hint(hive) = file_.size();

    auto root = Access::new_key(hive, 0);
    if (!read_key(get32(base, base::kRootCell), *root, nullptr))
        return std::nullopt;
    Access::root(hive) = std::move(root);
    return std::optional<Hive>(std::move(hive));
}

} // namespace

std::optional<Hive> Hive::parse(std::span<const std::uint8_t> bytes, std::string* error)
{
    Reader reader(bytes);
    auto hive = reader.run();
    if (!hive && error)
        *error = reader.error();
    return hive;
}

} // namespace hive
