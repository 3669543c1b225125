#include "testsupport/regf/check_context.h"

#include <cctype>
#include <fstream>
#include <iterator>

namespace regf_checks {

void check_leaks(Context& ctx)
{
    for (const auto& [offset, cell] : ctx.cells) {
        if (!cell.allocated || cell.claims > 0 || cell.sk_users > 0)
            continue;
        const auto d = *ctx.peek(offset);
        std::string kind;
        if (d.size() >= 2 && std::isalpha(d[0]) && std::isalpha(d[1]))
            kind = " (starts \"" + std::string(1, char(d[0])) + std::string(1, char(d[1])) + "\")";
        ctx.report("leak", Context::at_cell(offset),
                   "allocated cell of " + std::to_string(cell.size) + " bytes" + kind + " is referenced from nowhere");
    }
}

std::vector<Problem> check(std::span<const std::uint8_t> bytes)
{
    Context ctx;
    ctx.file = bytes;
    check_base_block(ctx);
    check_bins(ctx);
    check_tree(ctx);
    check_security(ctx);
    check_leaks(ctx);
    return std::move(ctx.problems);
}

std::string to_string(const Problem& problem)
{
    return (problem.warning ? "warning: " : "") + problem.where + ": " + problem.text + " [" + problem.rule + "]";
}

std::vector<std::string> validate(std::span<const std::uint8_t> bytes)
{
    std::vector<std::string> lines;
    for (const auto& p : check(bytes))
        lines.push_back(to_string(p));
    return lines;
}

std::vector<std::string> validate_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {path + ": cannot be read [file]"};
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return validate(bytes);
}

} // namespace regf_checks
