#pragma once
// Builds hive files byte by byte for the validator's tests, independent of the project's hive writer.
// The output is compact and follows the format's rules unless an option says otherwise, and it records where
// each record went so that a test can break one rule at a known offset.

#include "testsupport/regf/regf_checks.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace testhive {

struct Value {
    std::u16string name;
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
};

struct Key {
    std::u16string name;
    std::u16string class_name;
    std::vector<Value> values;
    std::vector<Key> subkeys; // written sorted, as the format wants
    std::size_t security = 0; // index into Options::descriptors
};

struct Options {
    std::uint32_t minor = 5;
    // 0: what the minor version wants ('h' from 1.5, else 'f'); 'i', 'f' or 'h' to force a leaf kind.
    char leaf_kind = 0;
    // Entries per leaf before the list is split under an ri; 0: the format's limit for the leaf kind.
    std::size_t leaf_limit = 0;
    bool utf16_names = false;          // store every name as UTF-16 even where Latin-1 would do
    bool big_data_in_one_cell = false; // ignore db even where the minor version wants it
    bool big_data_as_db = false;       // use db even in 1.3
    std::uint32_t segment_size = 16344;
    std::vector<std::vector<std::uint8_t>> descriptors; // empty: one default descriptor
};

struct Built {
    std::vector<std::uint8_t> bytes;
    // Offsets of records (relative to the first hbin) by label: a key's path ("" for the root, "A\B") for its
    // nk; "<path>|subkeys" for its list (the ri if split), "<path>|leaf<N>" for the leaves of an ri,
    // "<path>|values", "<path>|class", "<path>/<value>" for a vk, "<path>/<value>|data" for its data cell or db,
    // "<path>/<value>|segments" and "<path>/<value>|segment<N>"; "sk<N>" for the security cells.
    std::map<std::string, std::uint32_t> at;
    std::uint32_t at_of(const std::string& label) const;
};

Built build(const Key& root, const Options& options = {});

// The content hivex should read from a built hive.
regf_checks::OracleTree expected_content(const Key& root);

std::vector<std::uint8_t> default_descriptor();
// Another valid descriptor, different from the default one.
std::vector<std::uint8_t> other_descriptor();

std::u16string u16(const std::string& ascii);

// Raw edits for the mutation tests; offsets relative to the first hbin, `field` relative to the cell's data.
std::uint16_t cell16(const std::vector<std::uint8_t>& b, std::uint32_t cell, std::uint32_t field);
std::uint32_t cell32(const std::vector<std::uint8_t>& b, std::uint32_t cell, std::uint32_t field);
void set_cell16(std::vector<std::uint8_t>& b, std::uint32_t cell, std::uint32_t field, std::uint16_t v);
void set_cell32(std::vector<std::uint8_t>& b, std::uint32_t cell, std::uint32_t field, std::uint32_t v);
void set_hive32(std::vector<std::uint8_t>& b, std::uint32_t offset, std::uint32_t v); // a raw hive offset
void set_file32(std::vector<std::uint8_t>& b, std::uint32_t file_offset, std::uint32_t v);
std::uint32_t file32(const std::vector<std::uint8_t>& b, std::uint32_t file_offset);
// Recomputes the base block's checksum after an edit.
void reseal(std::vector<std::uint8_t>& b);
// Takes a new allocated cell for `data` from the start of the last bin's free tail (the tail stays free).
std::uint32_t carve(std::vector<std::uint8_t>& b, const std::vector<std::uint8_t>& data);

} // namespace testhive
