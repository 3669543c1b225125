#pragma once
// A registry hive file (REGF) held in memory: parsed once from bytes, edited as a tree, written back whole.
// Standard library only: bytes in, bytes out. File access belongs to the caller.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace hive {

// Windows FILETIME: 100 ns ticks since 1601-01-01 UTC.
using FileTime = std::uint64_t;

// A security descriptor in self-relative form, shared by every key that uses it.
using SecurityDescriptor = std::shared_ptr<const std::vector<std::uint8_t>>;

struct Value {
    std::u16string name; // empty: the key's default value
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data; // raw bytes, kept exactly as read
};

class Hive;

class Key {
public:
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;

    const std::u16string& name() const { return name_; }
    FileTime last_written() const { return last_written_; }
    const std::u16string& class_name() const { return class_name_; }
    const SecurityDescriptor& security() const { return security_; }

    // Sub-keys in the hive's order: ascending by upper-cased name, as Windows requires.
    const std::vector<std::unique_ptr<Key>>& subkeys() const { return subkeys_; }
    // Looks a sub-key up without regard to case (Windows' upper-case table).
    Key* subkey(std::u16string_view name);
    const Key* subkey(std::u16string_view name) const;
    // The existing sub-key of that name, or a new one that takes this key's security descriptor.
    // nullptr for a name that Windows would refuse (empty, longer than 255 units, or holding a backslash), and
    // below the 512th level of the tree, where Windows stops.
    Key* add_subkey(std::u16string_view name);
    // Removes the sub-key with everything below it; false when there is none.
    bool remove_subkey(std::u16string_view name);

    // Values in enumeration order; that order is kept when the hive is written.
    const std::vector<Value>& values() const { return values_; }
    const Value* value(std::u16string_view name) const;
    // Replaces the data of an existing value in place (its stored name is kept) or appends a new one.
    // false for a name longer than 16383 units or data over 1 GiB.
    bool set_value(std::u16string_view name, std::uint32_t type, std::vector<std::uint8_t> data);
    bool remove_value(std::u16string_view name);

private:
    friend class Hive;
    friend struct Access; // the reader and writer
    Key(bool* hive_modified, std::uint16_t depth) : hive_modified_(hive_modified), depth_(depth) {}
    void changed();

    bool* hive_modified_; // the owning hive's flag; it lives on the heap, so moving the hive keeps it valid
    std::uint16_t depth_; // 0 for the root
    std::u16string name_;
    std::u16string class_name_;
    std::uint16_t flags_ = 0;          // nk flags as read; the writer sets the name encoding and root mark
    std::uint32_t access_bits_ = 0;    // nk "access bits", kept as read
    std::uint32_t subkey_name_hi_ = 0; // high bits of the largest sub-key name field, kept as read
    FileTime last_written_ = 0;
    bool dirty_ = false; // stamped with the write time at the next serialize
    SecurityDescriptor security_;
    std::vector<std::unique_ptr<Key>> subkeys_;
    std::vector<Value> values_;
};

class Hive {
public:
    // A new empty hive: a root key with a default security descriptor.
    // minor_version 5 is what Windows XP writes, 3 what NT 4 and 2000 write.
    static Hive create(std::uint32_t minor_version, FileTime now);

    // Reads a whole hive file. A malformed file gives std::nullopt and a message that says what is wrong and where.
    static std::optional<Hive> parse(std::span<const std::uint8_t> bytes, std::string* error = nullptr);

    Hive(Hive&&) noexcept;
    Hive& operator=(Hive&&) noexcept;
    ~Hive();

    // The whole hive in a fresh compact layout, following the rules of its minor version. Both sequence numbers
    // move on to the same new value, changed keys and the header take the time `now`. Clears `modified()`.
    std::vector<std::uint8_t> serialize(FileTime now);

    // False when the file was read with unequal sequence numbers or a bad header checksum (its log has not been
    // replayed, or the header write was torn).
    // Such a hive may be read but must never be written back.
    bool clean() const { return clean_; }
    // True after any change since the hive was parsed, created or serialized.
    bool modified() const { return *modified_; }
    std::uint32_t minor_version() const { return minor_version_; }

    Key& root() { return *root_; }
    const Key& root() const { return *root_; }

private:
    friend class Key;
    friend struct Access;
    Hive();

    std::unique_ptr<Key> root_;
    std::uint32_t minor_version_ = 5;
    std::uint32_t sequence_ = 1;
    bool clean_ = true;
    std::unique_ptr<bool> modified_;       // on the heap: every key points at it
    std::uint32_t root_parent_ = 0xFFFFFFFF; // the root's parent field, kept as read
    std::size_t size_hint_ = 0;            // size of the last file read or written, to reserve the next one
    std::vector<std::uint8_t> base_block_; // the 4096 header bytes as read, so fields we don't use are kept
};

// How many bytes of a file are the hive, by its base block (the file's first 4096 bytes): the block and the bins
// it declares; what follows them is not the hive's. std::nullopt for bytes that are no base block and for bins
// larger than Windows allows a hive, so that no such file is read further.
std::optional<std::size_t> stored_size(std::span<const std::uint8_t> base_block);

// Windows' own upper-casing of one UTF-16 unit, used to compare, sort and hash names.
char16_t upcase(char16_t c);
// Negative, zero or positive as a sorts before, equals or sorts after b in a hive's sub-key order.
int compare_names(std::u16string_view a, std::u16string_view b);

} // namespace hive
