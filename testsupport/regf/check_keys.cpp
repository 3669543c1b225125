#include "testsupport/regf/check_tree.h"
#include "testsupport/regf/names.h"

#include <algorithm>

namespace regf_checks {

namespace {

constexpr std::uint16_t flag_root = 0x4;
constexpr std::uint16_t flag_compressed = 0x20;
constexpr std::size_t max_key_name = 255;
constexpr std::size_t nk_header = 76;

struct KeySummary {
    std::u16string name;
    std::uint32_t class_bytes = 0;
};

std::string quoted(std::u16string_view name) { return "\"" + to_utf8(name) + "\""; }

void check_entry_tag(Context& ctx, const SubkeyEntry& e, std::u16string_view name)
{
    const std::string where = Context::at_cell(e.leaf);
    const std::string entry = std::string(e.kind, 2) + " entry " + std::to_string(e.index);
    if (e.kind[1] == 'h') {
        const std::uint32_t want = lh_hash(name);
        if (e.tag != want)
            ctx.report("lh-hash", where,
                       entry + " hash " + hex(e.tag) + " should be " + hex(want) + " for " + quoted(name));
    } else if (e.kind[1] == 'f') {
        // The hint holds the first four units as bytes, zero-padded; a unit beyond Latin-1 leaves its first byte 0.
        std::uint8_t want[4] = {};
        bool wide = false;
        for (std::size_t i = 0; i < 4 && i < name.size(); ++i) {
            if (name[i] > 0xFF)
                wide = true;
            want[i] = std::uint8_t(name[i]);
        }
        const std::uint32_t expected = std::uint32_t(want[0]) | std::uint32_t(want[1]) << 8 |
                                       std::uint32_t(want[2]) << 16 | std::uint32_t(want[3]) << 24;
        const bool ok = wide ? (e.tag & 0xFF) == 0 : e.tag == expected;
        if (!ok)
            ctx.report("lf-hint", where,
                       entry + " hint " + hex(e.tag) + " should be " + (wide ? std::string("0 in its first byte") : hex(expected)) +
                           " for " + quoted(name));
    }
}

std::optional<KeySummary> check_key(Context& ctx, std::uint32_t offset, std::uint32_t parent, int depth,
                                    const std::string& from)
{
    const bool is_root = parent == none;
    if (std::find(ctx.ancestors.begin(), ctx.ancestors.end(), offset) != ctx.ancestors.end()) {
        ctx.report("cycle", Context::at_cell(offset), "key is its own descendant, reached again from " + from);
        return std::nullopt;
    }
    const auto claimed = ctx.claim(offset, "key", "nk", nk_header, from);
    if (!claimed)
        return std::nullopt;
    const auto d = *claimed;
    const std::string where = Context::at_cell(offset);

    const std::uint16_t flags = le16(d, 2);
    const bool compressed = flags & flag_compressed;
    const std::uint16_t name_bytes = le16(d, 72);
    const std::uint16_t class_bytes = le16(d, 74);
    if (d.size() < nk_header + name_bytes) {
        ctx.report("cell-too-small", where,
                   "key name of " + std::to_string(name_bytes) + " bytes overruns the cell of " +
                       std::to_string(d.size()) + " bytes");
        return std::nullopt;
    }
    const std::u16string name = decode_name(d, nk_header, name_bytes, compressed);
    if (!compressed && name_bytes % 2 != 0)
        ctx.report("name-length", where, "UTF-16 key name of an odd " + std::to_string(name_bytes) + " bytes");
    if (name.empty() || name.size() > max_key_name)
        ctx.report("name-length", where,
                   "key name of " + std::to_string(name.size()) + " characters is not 1 to 255");
    if (!compressed && !name.empty() && compressible(name))
        ctx.report("compressed-name", where, "key name " + quoted(name) + " fits Latin-1 but is stored as UTF-16");
    if (name.find(u'\\') != std::u16string::npos)
        ctx.report("key-name", where, "key name " + quoted(name) + " holds a backslash");
    ctx.check_slack(offset, nk_header + name_bytes, "key");

    if (bool(flags & flag_root) != is_root)
        ctx.report("root-flag", where,
                   is_root ? "the root key lacks the root flag" : "key " + quoted(name) + " has the root flag");
    if (!is_root && le32(d, 16) != parent)
        ctx.report("parent", where,
                   "key " + quoted(name) + " names parent " + hex(le32(d, 16)) + ", its parent is " + hex(parent));
    if (le32(d, 24) != 0)
        ctx.report("volatile", where, "volatile sub-key count " + std::to_string(le32(d, 24)) + " on disk");
    if (le32(d, 32) != none)
        ctx.report("volatile", where, "volatile sub-key list " + hex(le32(d, 32)) + " on disk, expected none");
    if (le32(d, 68) != 0)
        ctx.report("work-var", where, "work var " + hex(le32(d, 68)) + ", expected 0");

    use_security(ctx, le32(d, 44), where);

    const std::uint32_t class_cell = le32(d, 48);
    if (class_bytes == 0) {
        if (class_cell != none) {
            ctx.report("class-name", where, "class name cell " + hex(class_cell) + " with a class name length of 0");
            ctx.claim(class_cell, "class name", "", 0, where);
        }
    } else {
        if (class_bytes % 2 != 0)
            ctx.report("class-name", where, "UTF-16 class name of an odd " + std::to_string(class_bytes) + " bytes");
        if (ctx.claim(class_cell, "class name", "", class_bytes, where))
            ctx.check_slack(class_cell, class_bytes, "class name");
    }

    // Sub-keys.
    const std::uint32_t subkey_count = le32(d, 20);
    const std::uint32_t subkey_list = le32(d, 28);
    std::uint32_t largest_name = 0, largest_class = 0;
    bool subkeys_known = true;
    if (subkey_count == 0) {
        if (subkey_list != none)
            ctx.report("subkey-count", where, "no sub-keys but a sub-key list at " + hex(subkey_list));
    } else if (depth + 1 > max_depth) {
        ctx.report("depth", where, "keys nest deeper than " + std::to_string(max_depth) + " levels");
        subkeys_known = false;
    } else {
        const auto entries = read_subkey_list(ctx, subkey_list, where);
        if (entries.size() != subkey_count) {
            ctx.report("subkey-count", where,
                       "sub-key count " + std::to_string(subkey_count) + " but the list holds " +
                           std::to_string(entries.size()));
            subkeys_known = false;
        }
        std::optional<std::u16string> previous;
        ctx.ancestors.push_back(offset);
        for (const auto& e : entries) {
            const std::string entry_from = Context::at_cell(e.leaf) + " entry " + std::to_string(e.index);
            const auto child = check_key(ctx, e.key, offset, depth + 1, entry_from);
            if (!child) {
                subkeys_known = false;
                continue;
            }
            check_entry_tag(ctx, e, child->name);
            if (previous) {
                const int order = compare_names(*previous, child->name);
                if (order == 0)
                    ctx.report("duplicate-name", Context::at_cell(e.leaf),
                               "sub-keys " + quoted(*previous) + " and " + quoted(child->name) +
                                   " are equal without regard to case");
                else if (order > 0)
                    ctx.report("order", Context::at_cell(e.leaf),
                               "sub-key " + quoted(child->name) + " (entry " + std::to_string(e.index) +
                                   ") sorts before " + quoted(*previous) + " that precedes it");
            }
            previous = child->name;
            largest_name = std::max<std::uint32_t>(largest_name, std::uint32_t(child->name.size() * 2));
            largest_class = std::max(largest_class, child->class_bytes);
        }
        ctx.ancestors.pop_back();
    }
    if (subkeys_known) {
        if ((le32(d, 52) & 0xFFFF) != largest_name)
            ctx.report("largest-subkey-name", where,
                       "largest sub-key name " + std::to_string(le32(d, 52) & 0xFFFF) + ", expected " +
                           std::to_string(largest_name));
        if (le32(d, 56) != largest_class)
            ctx.report("largest-subkey-class", where,
                       "largest sub-key class " + std::to_string(le32(d, 56)) + ", expected " +
                           std::to_string(largest_class));
    }

    // Values.
    const std::uint32_t value_count = le32(d, 36);
    const std::uint32_t value_list = le32(d, 40);
    if (value_count == 0) {
        if (value_list != none)
            ctx.report("value-list", where, "no values but a value list at " + hex(value_list));
    } else if (const auto list = ctx.claim(value_list, "value list", "", 4ull * value_count, where)) {
        ctx.check_slack(value_list, 4ull * value_count, "value list");
        std::uint32_t largest_value_name = 0, largest_data = 0;
        bool values_known = true;
        std::vector<std::u16string> upper_names;
        for (std::uint32_t i = 0; i < value_count; ++i) {
            const auto v = check_value(ctx, le32(*list, 4 * i),
                                       Context::at_cell(value_list) + " entry " + std::to_string(i));
            if (!v) {
                values_known = false;
                continue;
            }
            largest_value_name = std::max<std::uint32_t>(largest_value_name, std::uint32_t(v->name.size() * 2));
            largest_data = std::max(largest_data, v->data_size);
            std::u16string upper = v->name;
            for (auto& c : upper)
                c = upcase(c);
            upper_names.push_back(std::move(upper));
        }
        std::sort(upper_names.begin(), upper_names.end());
        for (std::size_t i = 1; i < upper_names.size(); ++i)
            if (upper_names[i] == upper_names[i - 1])
                ctx.report("duplicate-value", where,
                           "two values named " + quoted(upper_names[i]) + " without regard to case");
        if (values_known) {
            if (le32(d, 60) != largest_value_name)
                ctx.report("largest-value-name", where,
                           "largest value name " + std::to_string(le32(d, 60)) + ", expected " +
                               std::to_string(largest_value_name));
            if (le32(d, 64) != largest_data)
                ctx.report("largest-value-data", where,
                           "largest value data " + std::to_string(le32(d, 64)) + ", expected " +
                               std::to_string(largest_data));
        }
    }
    return KeySummary{name, class_bytes};
}

} // namespace

std::u16string decode_name(std::span<const std::uint8_t> data, std::size_t at, std::size_t length, bool compressed)
{
    std::u16string name;
    if (compressed) {
        for (std::size_t i = 0; i < length && at + i < data.size(); ++i)
            name += char16_t(data[at + i]);
    } else {
        for (std::size_t i = 0; i + 1 < length && at + i + 1 < data.size(); i += 2)
            name += char16_t(le16(data, at + i));
    }
    return name;
}

bool compressible(std::u16string_view name)
{
    return std::all_of(name.begin(), name.end(), [](char16_t c) { return c <= 0xFF; });
}

void check_tree(Context& ctx)
{
    if (ctx.bins.empty())
        return;
    check_key(ctx, ctx.root, none, 0, Context::at_base(36) + " (root key)");
}

} // namespace regf_checks
