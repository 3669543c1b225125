#pragma once
// Test-only checks of hive files: a strict validator of the format's rules, and the hivex library as an
// independent reader of content.

#include <cstdint>
#include <iosfwd>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace regf_checks {

// One broken rule. `where` names the place: "base block +0x1FC" (file offset) for the header, otherwise
// "hbin 0x1000 (file 0x2000)" or "cell 0x20 (file 0x1020)" with the offset as the hive's own references give it
// (relative to the first hbin).
//
// Rule names, stable for tests to match:
//   base block  regf-signature sequence version file-type file-format clustering bins-size file-size
//               trailing-data checksum
//   bins        hbin-signature hbin-offset hbin-size hbin-coverage hbin-time
//   cells       cell-size cell-bounds free-cell empty-bin leak slack
//   references  bad-reference free-reference shared-cell signature cell-too-small
//   keys        root-flag compressed-name name-length key-name parent volatile work-var class-name
//               subkey-count value-list largest-subkey-name largest-subkey-class largest-value-name
//               largest-value-data cycle depth
//   lists       leaf-kind leaf-size empty-leaf nested-ri lh-hash lf-hint order duplicate-name
//   values      vk-name-length duplicate-value inline-data data-offset big-data db-segments
//   security    sk-list sk-refcount sk-descriptor sk-shared
struct Problem {
    std::string rule;
    std::string where;
    std::string text;
    // Legal for Windows but not what our writer should leave: identical descriptors not shared, a cell larger
    // than its record needs, an empty value not stored inline (hivex can't read that form).
    bool warning = false;
};

// Every rule of the format that a hive we write must keep, with each problem found.
std::vector<Problem> check(std::span<const std::uint8_t> bytes);
// "where: text [rule]", prefixed "warning: " for warnings.
std::string to_string(const Problem& problem);

// Empty when the bytes are a valid, clean, compact hive; otherwise one line per problem (warnings included),
// naming the offset.
std::vector<std::string> validate(std::span<const std::uint8_t> bytes);
std::vector<std::string> validate_file(const std::string& path);

struct OracleValue {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    bool operator==(const OracleValue&) const = default;
};

// A hive's content as hivex reads it. Keys by full path from the root ("" is the root, "Software\Classes"),
// in UTF-8 as hivex gives them; values by name ("" is the default value).
struct OracleTree {
    std::map<std::string, std::map<std::string, OracleValue>> keys;
    bool operator==(const OracleTree&) const = default;
};

// Readable dump of a tree (GoogleTest finds it for failure messages).
void PrintTo(const OracleTree& tree, std::ostream* out);

// std::nullopt when hivex can't open the file; `error` then says why.
std::optional<OracleTree> hivex_read(const std::string& path, std::string* error = nullptr);

// Applies changes with hivex's own writer and commits them to `path` (hivex needs an existing hive to start from).
// Each entry of `set` creates the key path if needed and sets the listed values, replacing the key's values.
bool hivex_write(const std::string& path, const OracleTree& set, std::string* error = nullptr);

// A tiny valid hive built by hand: a root key with its security cell, nothing else. Minor version 3 to 6.
std::vector<std::uint8_t> minimal_hive(std::uint32_t minor_version);

} // namespace regf_checks
