#pragma once
// Security descriptors: the one a new hive starts with, and the sk cells of a hive being written.

#include "platform/hive/bin_writer.h"
#include "platform/hive/hive.h"

#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace hive {

// Owner Administrators, group SYSTEM; full control for SYSTEM and Administrators, read for Everyone,
// inherited by sub-keys.
SecurityDescriptor default_security_descriptor();

// Empty when `sd` is a well-formed self-relative descriptor: revision 1, and owner, group and both ACLs
// (where present) inside it. Otherwise what is wrong.
std::string descriptor_problem(std::span<const std::uint8_t> sd);

// Writes one sk cell per distinct descriptor and links them into the circular list.
class SecurityWriter {
public:
    explicit SecurityWriter(BinWriter& bins) : bins_(bins) {}

    // The sk cell for a key with this descriptor: shared with every key whose descriptor has the same bytes.
    std::uint32_t use(const SecurityDescriptor& descriptor);
    // Fills in the list links and the reference counts once every key is written.
    void finish();

private:
    struct Entry {
        std::uint32_t cell;
        std::uint32_t references;
    };
    BinWriter& bins_;
    std::vector<Entry> entries_;
    std::unordered_map<const std::vector<std::uint8_t>*, std::size_t> by_object_;
    std::unordered_map<std::string_view, std::size_t> by_bytes_;
    std::vector<SecurityDescriptor> held_; // keeps the bytes that by_bytes_ views alive
    SecurityDescriptor fallback_;          // for a key that somehow has none
};

} // namespace hive
