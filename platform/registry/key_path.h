#pragma once
// A key path split into its names: "Software\Microsoft" is {"Software", "Microsoft"}.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

using KeyPath = std::vector<std::u16string>;

// The names of a path relative to a key. "" is the key itself; one trailing backslash is allowed, as Windows
// allows it. std::nullopt for a leading backslash, an empty name inside the path or a name longer than 255
// characters.
std::optional<KeyPath> split_key_path(std::u16string_view path);

// Case-insensitive equality of two key or value names, by Windows' upper-case table.
bool same_name(std::u16string_view a, std::u16string_view b);

} // namespace platform
