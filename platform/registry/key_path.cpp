#include "platform/registry/key_path.h"

#include "platform/hive/hive.h"

namespace platform {

namespace {
constexpr std::size_t max_key_name = 255;
}

std::optional<KeyPath> split_key_path(std::u16string_view path)
{
    KeyPath names;
    if (path.empty())
        return names;
    if (path.front() == u'\\')
        return std::nullopt;
    if (path.back() == u'\\')
        path.remove_suffix(1);
    std::size_t start = 0;
    while (true) {
        const std::size_t end = path.find(u'\\', start);
        const std::u16string_view name = path.substr(start, end == std::u16string_view::npos ? path.npos : end - start);
        if (name.empty() || name.size() > max_key_name)
            return std::nullopt;
        names.emplace_back(name);
        if (end == std::u16string_view::npos)
            break;
        start = end + 1;
    }
    return names;
}

bool same_name(std::u16string_view a, std::u16string_view b)
{
    return a.size() == b.size() && hive::compare_names(a, b) == 0;
}

} // namespace platform
