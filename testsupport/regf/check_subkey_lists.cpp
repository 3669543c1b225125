#include "testsupport/regf/check_tree.h"

namespace regf_checks {

namespace {

// Windows splits longer lists under an ri.
constexpr std::size_t max_lf_entries = 506;
constexpr std::size_t max_lh_li_entries = 1012;

bool is_leaf(std::span<const std::uint8_t> d)
{
    return d[0] == 'l' && (d[1] == 'i' || d[1] == 'f' || d[1] == 'h');
}

std::string signature_of(std::span<const std::uint8_t> d)
{
    return "\"" + std::string(1, char(d[0])) + std::string(1, char(d[1])) + "\"";
}

void read_leaf(Context& ctx, std::uint32_t leaf, std::span<const std::uint8_t> d, bool under_index_root,
               std::vector<SubkeyEntry>& out)
{
    const std::string where = Context::at_cell(leaf);
    const char kind[2] = {char(d[0]), char(d[1])};
    const std::size_t count = le16(d, 2);
    const std::size_t entry_size = kind[1] == 'i' ? 4 : 8;
    if (d.size() < 4 + entry_size * count) {
        ctx.report("cell-too-small", where,
                   std::to_string(count) + " entries need " + std::to_string(4 + entry_size * count) +
                       " bytes, the cell holds " + std::to_string(d.size()));
        return;
    }
    ctx.check_slack(leaf, 4 + entry_size * count, "sub-key leaf");
    const char expected = ctx.minor >= 5 ? 'h' : 'f';
    if (kind[1] != expected)
        ctx.report("leaf-kind", where,
                   signature_of(d) + " leaf in a 1." + std::to_string(ctx.minor) + " hive, expected \"l" +
                       std::string(1, expected) + "\"");
    const std::size_t limit = kind[1] == 'f' ? max_lf_entries : max_lh_li_entries;
    if (count > limit)
        ctx.report("leaf-size", where,
                   signature_of(d) + " leaf of " + std::to_string(count) + " entries, at most " +
                       std::to_string(limit));
    if (count == 0)
        ctx.report("empty-leaf", where, under_index_root ? "empty leaf under an index root" : "empty sub-key leaf");
    for (std::size_t i = 0; i < count; ++i) {
        SubkeyEntry e;
        e.key = le32(d, 4 + entry_size * i);
        e.leaf = leaf;
        e.index = i;
        e.kind[0] = kind[0];
        e.kind[1] = kind[1];
        e.tag = entry_size == 8 ? le32(d, 8 + entry_size * i) : 0;
        out.push_back(e);
    }
}

} // namespace

std::vector<SubkeyEntry> read_subkey_list(Context& ctx, std::uint32_t list, const std::string& from)
{
    std::vector<SubkeyEntry> out;
    const auto claimed = ctx.claim(list, "sub-key list", "", 4, from);
    if (!claimed)
        return out;
    const auto d = *claimed;
    const std::string where = Context::at_cell(list);
    if (is_leaf(d)) {
        read_leaf(ctx, list, d, false, out);
        return out;
    }
    if (d[0] != 'r' || d[1] != 'i') {
        ctx.report("signature", where, "sub-key list " + signature_of(d) + " is none of li, lf, lh, ri");
        return out;
    }
    const std::size_t count = le16(d, 2);
    if (d.size() < 4 + 4 * count) {
        ctx.report("cell-too-small", where,
                   "index root of " + std::to_string(count) + " leaves needs " + std::to_string(4 + 4 * count) +
                       " bytes, the cell holds " + std::to_string(d.size()));
        return out;
    }
    ctx.check_slack(list, 4 + 4 * count, "index root");
    if (count == 0)
        ctx.report("empty-leaf", where, "index root with no leaves");
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t leaf = le32(d, 4 + 4 * i);
        const auto leaf_data = ctx.claim(leaf, "sub-key leaf", "", 4, where + " entry " + std::to_string(i));
        if (!leaf_data)
            continue;
        if (is_leaf(*leaf_data))
            read_leaf(ctx, leaf, *leaf_data, true, out);
        else if ((*leaf_data)[0] == 'r' && (*leaf_data)[1] == 'i')
            ctx.report("nested-ri", Context::at_cell(leaf), "index root under the index root at " + hex(list));
        else
            ctx.report("signature", Context::at_cell(leaf),
                       "leaf " + signature_of(*leaf_data) + " under an index root is none of li, lf, lh");
    }
    return out;
}

} // namespace regf_checks
