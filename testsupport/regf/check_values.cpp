#include "testsupport/regf/check_tree.h"
#include "testsupport/regf/names.h"

namespace regf_checks {

namespace {

constexpr std::size_t vk_header = 20;
constexpr std::size_t max_value_name = 16383;
constexpr std::uint32_t inline_flag = 0x80000000;
constexpr std::uint16_t flag_compressed = 0x1;

void check_big_data(Context& ctx, std::uint32_t offset, std::uint32_t size, const std::string& from)
{
    const auto db = ctx.claim(offset, "big data", "db", 8, from);
    if (!db)
        return;
    ctx.check_slack(offset, 8, "big data");
    const std::string where = Context::at_cell(offset);
    const std::uint32_t count = le16(*db, 2);
    const std::uint32_t expected = (size + big_data_segment - 1) / big_data_segment;
    if (count != expected)
        ctx.report("db-segments", where,
                   std::to_string(count) + " segments for " + std::to_string(size) + " bytes, expected " +
                       std::to_string(expected));
    const std::uint32_t list = le32(*db, 4);
    const auto segments = ctx.claim(list, "segment list", "", 4ull * count, where);
    if (!segments)
        return;
    ctx.check_slack(list, 4ull * count, "segment list");
    std::uint64_t left = size;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint64_t part = left > big_data_segment ? big_data_segment : left;
        left -= part;
        const bool last = i + 1 == count;
        // Every segment but the last holds exactly 16344 bytes.
        const std::uint64_t need = last ? part : big_data_segment;
        const std::uint32_t segment = le32(*segments, 4 * i);
        const auto data = ctx.claim(segment, "data segment", "", need,
                                    Context::at_cell(list) + " entry " + std::to_string(i));
        if (!data)
            continue;
        // Segment cells keep 4 spare bytes behind the data, as a full one does (16344 bytes in a 16352-byte
        // cell); hivex reads every segment as its cell less 8 bytes and truncates a tighter one.
        if (data->size() < need + 4)
            ctx.report("db-segments", Context::at_cell(segment),
                       "segment of " + std::to_string(need) + " bytes leaves no 4 spare bytes in its cell of " +
                           std::to_string(data->size()) + " (hivex would read " +
                           std::to_string(data->size() < 4 ? 0 : data->size() - 4) + ")");
        ctx.check_slack(segment, need + 4, "data segment");
    }
}

} // namespace

std::optional<ValueSummary> check_value(Context& ctx, std::uint32_t offset, const std::string& from)
{
    const auto claimed = ctx.claim(offset, "value", "vk", vk_header, from);
    if (!claimed)
        return std::nullopt;
    const auto d = *claimed;
    const std::string where = Context::at_cell(offset);
    const std::uint16_t name_bytes = le16(d, 2);
    const bool compressed = le16(d, 16) & flag_compressed;
    if (d.size() < vk_header + name_bytes) {
        ctx.report("cell-too-small", where,
                   "value name of " + std::to_string(name_bytes) + " bytes overruns the cell of " +
                       std::to_string(d.size()) + " bytes");
        return std::nullopt;
    }
    ValueSummary v;
    v.name = decode_name(d, vk_header, name_bytes, compressed);
    const std::string quoted = "\"" + to_utf8(v.name) + "\"";
    if (!compressed && name_bytes % 2 != 0)
        ctx.report("vk-name-length", where, "UTF-16 value name of an odd " + std::to_string(name_bytes) + " bytes");
    if (v.name.size() > max_value_name)
        ctx.report("vk-name-length", where,
                   "value name of " + std::to_string(v.name.size()) + " characters, at most 16383");
    if (!compressed && !v.name.empty() && compressible(v.name))
        ctx.report("compressed-name", where, "value name " + quoted + " fits Latin-1 but is stored as UTF-16");
    ctx.check_slack(offset, vk_header + name_bytes, "value");

    const std::uint32_t raw_size = le32(d, 4);
    const std::uint32_t data = le32(d, 8);
    v.data_size = raw_size & ~inline_flag;
    const std::uint32_t size = v.data_size;
    if (raw_size & inline_flag) {
        if (size > 4)
            ctx.report("inline-data", where,
                       "value " + quoted + " claims " + std::to_string(size) + " bytes inline, at most 4 fit");
        return v;
    }
    if (size == 0) {
        if (data != none) {
            ctx.report("data-offset", where, "empty value " + quoted + " has data offset " + hex(data) + ", not none");
            ctx.claim(data, "value data", "", 0, where);
        } else {
            // Legal, but Windows stores empty data inline, and hivex fails to read this form.
            ctx.report("inline-data", where, "empty value " + quoted + " is not stored inline", true);
        }
        return v;
    }
    if (size <= 4) {
        ctx.report("inline-data", where,
                   "value " + quoted + " of " + std::to_string(size) + " bytes is not stored inline");
        ctx.claim(data, "value data", "", size, where);
        return v;
    }
    if (size > big_data_segment && ctx.minor >= 4) {
        const auto peeked = ctx.peek(data);
        if (peeked && peeked->size() >= 2 && ((*peeked)[0] != 'd' || (*peeked)[1] != 'b')) {
            ctx.report("big-data", where,
                       "value " + quoted + " of " + std::to_string(size) + " bytes in a 1." +
                           std::to_string(ctx.minor) + " hive must be stored as db segments");
            ctx.claim(data, "value data", "", 0, where);
            return v;
        }
        check_big_data(ctx, data, size, where);
        return v;
    }
    if (size > big_data_segment) {
        // 1.3 knows no db: the data is one cell.
        const auto peeked = ctx.peek(data);
        if (peeked && peeked->size() < size && peeked->size() >= 2 && (*peeked)[0] == 'd' && (*peeked)[1] == 'b') {
            ctx.report("big-data", where,
                       "value " + quoted + " of " + std::to_string(size) +
                           " bytes uses db segments, which a 1.3 hive does not have");
            ctx.claim(data, "value data", "", 0, where);
            return v;
        }
    }
    if (ctx.claim(data, "value data", "", size, where))
        ctx.check_slack(data, size, "value data");
    return v;
}

} // namespace regf_checks
