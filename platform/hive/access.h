#pragma once
// The reader's and the writer's way into the private state of keys and hives.

#include "platform/hive/hive.h"

namespace hive {

struct Access {
    static Hive new_hive() { return Hive(); }
    static std::unique_ptr<Key> new_key(Hive& hive, std::uint16_t depth)
    {
        return std::unique_ptr<Key>(new Key(hive.modified_.get(), depth));
    }

    static std::u16string& name(Key& k) { return k.name_; }
    static std::u16string& class_name(Key& k) { return k.class_name_; }
    static std::uint16_t& flags(Key& k) { return k.flags_; }
    static std::uint32_t& access_bits(Key& k) { return k.access_bits_; }
    static std::uint32_t& subkey_name_hi(Key& k) { return k.subkey_name_hi_; }
    static FileTime& last_written(Key& k) { return k.last_written_; }
    static bool& dirty(Key& k) { return k.dirty_; }
    static SecurityDescriptor& security(Key& k) { return k.security_; }
    static std::vector<std::unique_ptr<Key>>& subkeys(Key& k) { return k.subkeys_; }
    static std::vector<Value>& values(Key& k) { return k.values_; }
    static std::uint16_t depth(const Key& k) { return k.depth_; }

    static std::unique_ptr<Key>& root(Hive& h) { return h.root_; }
    static std::uint32_t& minor_version(Hive& h) { return h.minor_version_; }
    static std::uint32_t& sequence(Hive& h) { return h.sequence_; }
    static bool& clean(Hive& h) { return h.clean_; }
    static bool& modified(Hive& h) { return *h.modified_; }
    static std::uint32_t& root_parent(Hive& h) { return h.root_parent_; }
    static std::size_t& size_hint(Hive& h) { return h.size_hint_; }
    static std::vector<std::uint8_t>& base_block(Hive& h) { return h.base_block_; }
};

} // namespace hive
