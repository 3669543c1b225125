#include "testsupport/regf/check_tree.h"

#include <map>
#include <set>

namespace regf_checks {

namespace {

constexpr std::size_t sk_header = 20;
constexpr std::size_t descriptor_header = 20;
constexpr std::uint16_t se_self_relative = 0x8000;

bool is_security_cell(const Context& ctx, std::uint32_t offset)
{
    const auto d = ctx.peek(offset);
    return d && d->size() >= sk_header && (*d)[0] == 's' && (*d)[1] == 'k';
}

void check_descriptor(Context& ctx, std::uint32_t offset, std::span<const std::uint8_t> d)
{
    const std::string where = Context::at_cell(offset);
    const std::uint32_t length = le32(d, 16);
    if (length < descriptor_header || sk_header + std::uint64_t(length) > d.size()) {
        ctx.report("sk-descriptor", where,
                   "descriptor length " + std::to_string(length) + " does not fit the cell of " +
                       std::to_string(d.size()) + " bytes");
        return;
    }
    ctx.check_slack(offset, sk_header + length, "security");
    const auto sd = d.subspan(sk_header, length);
    if (sd[0] != 1)
        ctx.report("sk-descriptor", where, "descriptor revision " + std::to_string(sd[0]) + ", expected 1");
    if (!(le16(sd, 2) & se_self_relative))
        ctx.report("sk-descriptor", where, "descriptor is not self-relative");
    const char* parts[] = {"owner", "group", "SACL", "DACL"};
    for (int i = 0; i < 4; ++i) {
        const std::uint32_t at = le32(sd, 4 + 4 * std::size_t(i));
        if (at != 0 && (at < descriptor_header || at >= length))
            ctx.report("sk-descriptor", where,
                       std::string("descriptor's ") + parts[i] + " offset " + hex(at) + " lies outside it");
    }
}

void check_list(Context& ctx, const std::vector<std::uint32_t>& used)
{
    const std::uint32_t start = used.front();
    std::set<std::uint32_t> on_list{start};
    std::uint32_t current = start;
    for (;;) {
        const std::uint32_t next = le32(*ctx.peek(current), 4);
        if (!is_security_cell(ctx, next)) {
            ctx.report("sk-list", Context::at_cell(current), "flink " + hex(next) + " is not a security cell");
            break;
        }
        const std::uint32_t back = le32(*ctx.peek(next), 8);
        if (back != current)
            ctx.report("sk-list", Context::at_cell(next),
                       "blink " + hex(back) + ", expected " + hex(current) + " whose flink points here");
        if (next == start)
            break;
        if (!on_list.insert(next).second) {
            ctx.report("sk-list", Context::at_cell(next), "flink chain loops without returning to " + hex(start));
            break;
        }
        current = next;
    }
    for (std::uint32_t sk : used)
        if (!on_list.count(sk))
            ctx.report("sk-list", Context::at_cell(sk), "security cell is not on the list through " + hex(start));
}

} // namespace

void use_security(Context& ctx, std::uint32_t offset, const std::string& from)
{
    if (offset == none) {
        ctx.report("bad-reference", from, "key has no security cell (offset none)");
        return;
    }
    auto it = ctx.cells.find(offset);
    if (it == ctx.cells.end() || !it->second.allocated) {
        ctx.report("bad-reference", from, "security offset " + hex(offset) + " is not an allocated cell");
        return;
    }
    if (!is_security_cell(ctx, offset)) {
        ctx.report("signature", Context::at_cell(offset), "security cell (\"sk\") expected, referenced from " + from);
        return;
    }
    ++it->second.sk_users;
}

void check_security(Context& ctx)
{
    std::vector<std::uint32_t> used;
    std::map<std::vector<std::uint8_t>, std::uint32_t> by_descriptor;
    for (const auto& [offset, cell] : ctx.cells) {
        if (cell.sk_users == 0)
            continue;
        used.push_back(offset);
        const auto d = *ctx.peek(offset);
        const std::string where = Context::at_cell(offset);
        const std::uint32_t refs = le32(d, 12);
        if (refs == 0)
            ctx.report("sk-refcount", where,
                       "reference count 0, used by " + std::to_string(cell.sk_users) + " keys");
        else if (refs != std::uint32_t(cell.sk_users))
            ctx.report("sk-refcount", where,
                       "reference count " + std::to_string(refs) + ", used by " + std::to_string(cell.sk_users) +
                           " keys");
        check_descriptor(ctx, offset, d);
        const std::uint32_t length = le32(d, 16);
        if (sk_header + std::uint64_t(length) <= d.size()) {
            const auto sd = d.subspan(sk_header, length);
            auto [it, fresh] = by_descriptor.emplace(std::vector<std::uint8_t>(sd.begin(), sd.end()), offset);
            if (!fresh)
                ctx.report("sk-shared", where, "same descriptor as the security cell at " + hex(it->second) +
                                                   "; identical descriptors are shared",
                           true);
        }
    }
    if (!used.empty())
        check_list(ctx, used);
}

} // namespace regf_checks
