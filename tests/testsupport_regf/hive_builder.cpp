#include "hive_builder.h"

#include "testsupport/regf/names.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace testhive {

namespace {

constexpr std::uint32_t none = 0xFFFFFFFF;
constexpr std::uint64_t stamp = 0x01C1925A5B3E0000ull;

void put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint16_t v)
{
    b.at(at) = std::uint8_t(v);
    b.at(at + 1) = std::uint8_t(v >> 8);
}
void put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v)
{
    for (std::size_t i = 0; i < 4; ++i)
        b.at(at + i) = std::uint8_t(v >> (8 * i));
}
void put64(std::vector<std::uint8_t>& b, std::size_t at, std::uint64_t v)
{
    put32(b, at, std::uint32_t(v));
    put32(b, at + 4, std::uint32_t(v >> 32));
}
std::uint32_t get32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return std::uint32_t(b.at(at)) | std::uint32_t(b.at(at + 1)) << 8 | std::uint32_t(b.at(at + 2)) << 16 |
           std::uint32_t(b.at(at + 3)) << 24;
}

std::uint32_t round8(std::size_t n) { return std::uint32_t((n + 7) / 8 * 8); }

bool fits_latin1(std::u16string_view s)
{
    return std::all_of(s.begin(), s.end(), [](char16_t c) { return c <= 0xFF; });
}

std::vector<std::uint8_t> stored_name(std::u16string_view s, bool compressed)
{
    std::vector<std::uint8_t> out;
    for (char16_t c : s) {
        out.push_back(std::uint8_t(c));
        if (!compressed)
            out.push_back(std::uint8_t(c >> 8));
    }
    return out;
}

// The hive bins data, filled cell after cell; a cell that doesn't fit the current bin opens a new one.
class Cells {
public:
    std::vector<std::uint8_t> bins;

    std::uint32_t alloc(std::size_t data_size)
    {
        const std::uint32_t size = round8(data_size + 4);
        if (bin_end_ - cursor_ < size) {
            close_bin();
            const std::uint32_t bin_size = (size + 32 + 4095) / 4096 * 4096;
            const std::uint32_t start = std::uint32_t(bins.size());
            bins.resize(start + bin_size);
            std::memcpy(bins.data() + start, "hbin", 4);
            testhive::put32(bins, start + 4, start);
            testhive::put32(bins, start + 8, bin_size);
            if (start == 0)
                testhive::put64(bins, 20, stamp);
            cursor_ = start + 32;
            bin_end_ = start + bin_size;
        }
        const std::uint32_t at = cursor_;
        testhive::put32(bins, at, std::uint32_t(-std::int32_t(size)));
        cursor_ += size;
        return at;
    }

    void close_bin()
    {
        if (cursor_ < bin_end_)
            testhive::put32(bins, cursor_, bin_end_ - cursor_);
        cursor_ = bin_end_;
    }

    void put16(std::uint32_t cell, std::size_t field, std::uint16_t v) { testhive::put16(bins, cell + 4 + field, v); }
    void put32(std::uint32_t cell, std::size_t field, std::uint32_t v) { testhive::put32(bins, cell + 4 + field, v); }
    void put64(std::uint32_t cell, std::size_t field, std::uint64_t v) { testhive::put64(bins, cell + 4 + field, v); }
    void bytes(std::uint32_t cell, std::size_t field, const std::vector<std::uint8_t>& data)
    {
        std::copy(data.begin(), data.end(), bins.begin() + cell + 4 + std::ptrdiff_t(field));
    }

private:
    std::uint32_t cursor_ = 0;
    std::uint32_t bin_end_ = 0;
};

struct Writer {
    const Options& opt;
    Cells cells;
    Built built;
    std::vector<std::uint32_t> sk;
    std::vector<std::uint32_t> sk_users;

    char leaf_kind() const { return opt.leaf_kind ? opt.leaf_kind : opt.minor >= 5 ? 'h' : 'f'; }

    std::uint32_t write_data(const std::vector<std::uint8_t>& data, const std::string& label)
    {
        const bool db = opt.big_data_as_db || (opt.minor >= 4 && !opt.big_data_in_one_cell);
        if (data.size() <= 16344 || !db) {
            const std::uint32_t cell = cells.alloc(data.size());
            cells.bytes(cell, 0, data);
            built.at[label + "|data"] = cell;
            return cell;
        }
        const std::size_t count = (data.size() + opt.segment_size - 1) / opt.segment_size;
        const std::uint32_t header = cells.alloc(8);
        built.at[label + "|data"] = header;
        const std::uint32_t list = cells.alloc(4 * count);
        built.at[label + "|segments"] = list;
        cells.bytes(header, 0, {'d', 'b'});
        cells.put16(header, 2, std::uint16_t(count));
        cells.put32(header, 4, list);
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t from = i * opt.segment_size;
            const std::size_t n = std::min<std::size_t>(opt.segment_size, data.size() - from);
            // A segment cell keeps 4 bytes spare behind its data (16344 bytes fill a 16352-byte cell).
            const std::uint32_t segment = cells.alloc(n + 4);
            cells.bytes(segment, 0, std::vector<std::uint8_t>(data.begin() + std::ptrdiff_t(from),
                                                               data.begin() + std::ptrdiff_t(from + n)));
            cells.put32(list, 4 * i, segment);
            built.at[label + "|segment" + std::to_string(i)] = segment;
        }
        return header;
    }

    std::uint32_t write_value(const Value& v, const std::string& label)
    {
        const bool compressed = !opt.utf16_names && fits_latin1(v.name);
        const auto name = stored_name(v.name, compressed);
        const std::uint32_t vk = cells.alloc(20 + name.size());
        built.at[label] = vk;
        cells.bytes(vk, 0, {'v', 'k'});
        cells.put16(vk, 2, std::uint16_t(name.size()));
        const auto size = std::uint32_t(v.data.size());
        if (size <= 4) {
            cells.put32(vk, 4, size | 0x80000000u);
            cells.bytes(vk, 8, v.data);
        } else {
            cells.put32(vk, 4, size);
            cells.put32(vk, 8, write_data(v.data, label));
        }
        cells.put32(vk, 12, v.type);
        cells.put16(vk, 16, compressed ? 1 : 0);
        cells.bytes(vk, 20, name);
        return vk;
    }

    struct Child {
        std::uint32_t nk;
        std::u16string name;
    };

    std::uint32_t write_leaf(const std::vector<Child>& kids, std::size_t from, std::size_t n)
    {
        const char kind = leaf_kind();
        const std::size_t entry = kind == 'i' ? 4 : 8;
        const std::uint32_t leaf = cells.alloc(4 + entry * n);
        cells.bytes(leaf, 0, {'l', std::uint8_t(kind)});
        cells.put16(leaf, 2, std::uint16_t(n));
        for (std::size_t i = 0; i < n; ++i) {
            const Child& c = kids[from + i];
            cells.put32(leaf, 4 + entry * i, c.nk);
            if (kind == 'h') {
                cells.put32(leaf, 8 + entry * i, regf_checks::lh_hash(c.name));
            } else if (kind == 'f') {
                // The first four units as bytes; all zero when one of them is beyond Latin-1.
                std::vector<std::uint8_t> hint(4);
                const std::u16string_view head = std::u16string_view(c.name).substr(0, 4);
                if (fits_latin1(head))
                    for (std::size_t j = 0; j < head.size(); ++j)
                        hint[j] = std::uint8_t(head[j]);
                cells.bytes(leaf, 8 + entry * i, hint);
            }
        }
        return leaf;
    }

    std::uint32_t write_list(const std::vector<Child>& kids, const std::string& path)
    {
        const std::size_t limit = opt.leaf_limit ? opt.leaf_limit : leaf_kind() == 'f' ? 506 : 1012;
        if (kids.size() <= limit) {
            const std::uint32_t leaf = write_leaf(kids, 0, kids.size());
            built.at[path + "|subkeys"] = leaf;
            return leaf;
        }
        const std::size_t leaves = (kids.size() + limit - 1) / limit;
        const std::uint32_t ri = cells.alloc(4 + 4 * leaves);
        built.at[path + "|subkeys"] = ri;
        cells.bytes(ri, 0, {'r', 'i'});
        cells.put16(ri, 2, std::uint16_t(leaves));
        for (std::size_t i = 0; i < leaves; ++i) {
            const std::size_t from = i * limit;
            const std::uint32_t leaf = write_leaf(kids, from, std::min(limit, kids.size() - from));
            cells.put32(ri, 4 + 4 * i, leaf);
            built.at[path + "|leaf" + std::to_string(i)] = leaf;
        }
        return ri;
    }

    std::uint32_t write_key(const Key& k, std::uint32_t parent, const std::string& path)
    {
        const bool root = parent == none;
        const bool compressed = !opt.utf16_names && fits_latin1(k.name);
        const auto name = stored_name(k.name, compressed);
        const std::uint32_t nk = cells.alloc(76 + name.size());
        built.at[path] = nk;
        cells.bytes(nk, 0, {'n', 'k'});
        cells.put16(nk, 2, std::uint16_t((compressed ? 0x20 : 0) | (root ? 0x0C : 0)));
        cells.put64(nk, 4, stamp);
        cells.put32(nk, 16, parent);
        cells.put32(nk, 28, none);
        cells.put32(nk, 32, none);
        cells.put32(nk, 40, none);
        cells.put32(nk, 44, sk.at(k.security));
        ++sk_users.at(k.security);
        cells.put32(nk, 48, none);
        cells.put16(nk, 72, std::uint16_t(name.size()));
        cells.bytes(nk, 76, name);

        if (!k.class_name.empty()) {
            const auto cls = stored_name(k.class_name, false);
            const std::uint32_t cell = cells.alloc(cls.size());
            cells.bytes(cell, 0, cls);
            cells.put32(nk, 48, cell);
            cells.put16(nk, 74, std::uint16_t(cls.size()));
            built.at[path + "|class"] = cell;
        }

        if (!k.values.empty()) {
            std::vector<std::uint32_t> vks;
            std::uint32_t largest_name = 0, largest_data = 0;
            for (const auto& v : k.values) {
                vks.push_back(write_value(v, path + "/" + regf_checks::to_utf8(v.name)));
                largest_name = std::max(largest_name, std::uint32_t(v.name.size() * 2));
                largest_data = std::max(largest_data, std::uint32_t(v.data.size()));
            }
            const std::uint32_t list = cells.alloc(4 * vks.size());
            built.at[path + "|values"] = list;
            for (std::size_t i = 0; i < vks.size(); ++i)
                cells.put32(list, 4 * i, vks[i]);
            cells.put32(nk, 36, std::uint32_t(vks.size()));
            cells.put32(nk, 40, list);
            cells.put32(nk, 60, largest_name);
            cells.put32(nk, 64, largest_data);
        }

        if (!k.subkeys.empty()) {
            std::vector<const Key*> sorted;
            for (const auto& s : k.subkeys)
                sorted.push_back(&s);
            std::stable_sort(sorted.begin(), sorted.end(), [](const Key* a, const Key* b) {
                return regf_checks::compare_names(a->name, b->name) < 0;
            });
            std::vector<Child> kids;
            std::uint32_t largest_name = 0, largest_class = 0;
            for (const Key* s : sorted) {
                const std::string child_path =
                    (path.empty() ? "" : path + "\\") + regf_checks::to_utf8(s->name);
                kids.push_back({write_key(*s, nk, child_path), s->name});
                largest_name = std::max(largest_name, std::uint32_t(s->name.size() * 2));
                largest_class = std::max(largest_class, std::uint32_t(s->class_name.size() * 2));
            }
            cells.put32(nk, 20, std::uint32_t(kids.size()));
            cells.put32(nk, 28, write_list(kids, path));
            cells.put32(nk, 52, largest_name);
            cells.put32(nk, 56, largest_class);
        }
        return nk;
    }

    void write_security(const std::vector<std::vector<std::uint8_t>>& descriptors)
    {
        for (std::size_t i = 0; i < descriptors.size(); ++i) {
            const std::uint32_t cell = cells.alloc(20 + descriptors[i].size());
            cells.bytes(cell, 0, {'s', 'k'});
            cells.put32(cell, 16, std::uint32_t(descriptors[i].size()));
            cells.bytes(cell, 20, descriptors[i]);
            sk.push_back(cell);
            built.at["sk" + std::to_string(i)] = cell;
        }
        sk_users.assign(sk.size(), 0);
        for (std::size_t i = 0; i < sk.size(); ++i) {
            cells.put32(sk[i], 4, sk[(i + 1) % sk.size()]);
            cells.put32(sk[i], 8, sk[(i + sk.size() - 1) % sk.size()]);
        }
    }
};

} // namespace

std::uint32_t Built::at_of(const std::string& label) const
{
    auto it = at.find(label);
    if (it == at.end())
        throw std::out_of_range("no record labelled " + label);
    return it->second;
}

Built build(const Key& root, const Options& options)
{
    Writer w{options, {}, {}, {}, {}};
    auto descriptors = options.descriptors;
    if (descriptors.empty())
        descriptors.push_back(default_descriptor());
    w.write_security(descriptors);
    const std::uint32_t root_cell = w.write_key(root, none, "");
    for (std::size_t i = 0; i < w.sk.size(); ++i)
        w.cells.put32(w.sk[i], 12, w.sk_users[i]);
    w.cells.close_bin();

    auto& b = w.built.bytes;
    b.assign(4096, 0);
    std::memcpy(b.data(), "regf", 4);
    put32(b, 4, 7);
    put32(b, 8, 7);
    put64(b, 12, stamp);
    put32(b, 20, 1);
    put32(b, 24, options.minor);
    put32(b, 32, 1);
    put32(b, 36, root_cell);
    put32(b, 40, std::uint32_t(w.cells.bins.size()));
    put32(b, 44, 1);
    b.insert(b.end(), w.cells.bins.begin(), w.cells.bins.end());
    reseal(b);
    return std::move(w.built);
}

regf_checks::OracleTree expected_content(const Key& root)
{
    regf_checks::OracleTree tree;
    struct Walk {
        regf_checks::OracleTree& tree;
        void operator()(const Key& k, const std::string& path)
        {
            auto& values = tree.keys[path];
            for (const auto& v : k.values)
                values[regf_checks::to_utf8(v.name)] = {v.type, v.data};
            for (const auto& s : k.subkeys)
                (*this)(s, (path.empty() ? "" : path + "\\") + regf_checks::to_utf8(s.name));
        }
    };
    Walk{tree}(root, "");
    return tree;
}

std::vector<std::uint8_t> default_descriptor()
{
    // Self-relative, owner Administrators (S-1-5-32-544), nothing else.
    return {1, 0, 0x00, 0x80, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
            1, 2, 0, 0, 0, 0, 0, 5, 32, 0, 0, 0, 0x20, 2, 0, 0};
}

std::vector<std::uint8_t> other_descriptor()
{
    // Self-relative, owner and group SYSTEM (S-1-5-18).
    return {1, 0, 0x00, 0x80, 20, 0, 0, 0, 32, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
            1, 1, 0, 0, 0, 0, 0, 5, 18, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 5, 18, 0, 0, 0};
}

std::u16string u16(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

std::uint16_t cell16(const std::vector<std::uint8_t>& b, std::uint32_t cell, std::uint32_t field)
{
    return std::uint16_t(b.at(4096 + cell + 4 + field) | b.at(4096 + cell + 5 + field) << 8);
}
std::uint32_t cell32(const std::vector<std::uint8_t>& b, std::uint32_t cell, std::uint32_t field)
{
    return get32(b, 4096 + std::size_t(cell) + 4 + field);
}
void set_cell16(std::vector<std::uint8_t>& b, std::uint32_t cell, std::uint32_t field, std::uint16_t v)
{
    put16(b, 4096 + std::size_t(cell) + 4 + field, v);
}
void set_cell32(std::vector<std::uint8_t>& b, std::uint32_t cell, std::uint32_t field, std::uint32_t v)
{
    put32(b, 4096 + std::size_t(cell) + 4 + field, v);
}
void set_hive32(std::vector<std::uint8_t>& b, std::uint32_t offset, std::uint32_t v) { put32(b, 4096 + std::size_t(offset), v); }
void set_file32(std::vector<std::uint8_t>& b, std::uint32_t file_offset, std::uint32_t v) { put32(b, file_offset, v); }
std::uint32_t file32(const std::vector<std::uint8_t>& b, std::uint32_t file_offset) { return get32(b, file_offset); }

void reseal(std::vector<std::uint8_t>& b)
{
    std::uint32_t sum = 0;
    for (std::size_t at = 0; at < 508; at += 4)
        sum ^= get32(b, at);
    put32(b, 508, sum == 0 ? 1 : sum == 0xFFFFFFFF ? 0xFFFFFFFE : sum);
}

std::uint32_t carve(std::vector<std::uint8_t>& b, const std::vector<std::uint8_t>& data)
{
    const std::uint32_t total = get32(b, 40);
    std::uint32_t bin = 0;
    while (bin + get32(b, 4096 + bin + 8) < total)
        bin += get32(b, 4096 + bin + 8);
    const std::uint32_t end = bin + get32(b, 4096 + bin + 8);
    std::uint32_t at = bin + 32;
    for (;;) {
        const auto raw = std::int32_t(get32(b, 4096 + std::size_t(at)));
        const std::uint32_t size = std::uint32_t(raw < 0 ? -raw : raw);
        if (raw > 0 && at + size == end)
            break;
        at += size;
        if (at >= end)
            throw std::runtime_error("no free tail to carve from");
    }
    const std::uint32_t free_size = end - at;
    const std::uint32_t size = round8(data.size() + 4);
    if (size > free_size || (free_size - size != 0 && free_size - size < 8))
        throw std::runtime_error("free tail too small to carve from");
    put32(b, 4096 + std::size_t(at), std::uint32_t(-std::int32_t(size)));
    std::copy(data.begin(), data.end(), b.begin() + 4096 + at + 4);
    if (free_size > size)
        put32(b, 4096 + std::size_t(at + size), free_size - size);
    return at;
}

} // namespace testhive
