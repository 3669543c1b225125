// One broken rule per row: the validator must name it, and report nothing beyond the row's known knock-on
// effects (a cell cut off by the fault leaks, a count no longer matches, ...).
#include "sample_hives.h"

#include "testsupport/regf/names.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <set>

namespace {

using namespace testhive;
using Bytes = std::vector<std::uint8_t>;

struct Row {
    std::string name;
    std::string rule; // must be reported
    std::function<Built()> hive;
    std::function<void(Bytes&, const Built&)> mutate; // the checksum is fixed afterwards unless the row says
    std::set<std::string> knock_on = {};                // may be reported as well
    bool keep_checksum = false;
    friend void PrintTo(const Row& r, std::ostream* out) { *out << r.name; }
};

Built sample(std::uint32_t minor = 5) { return build(sample_tree(), two_descriptors(minor)); }
Built sample_ri(std::uint32_t minor = 5)
{
    Options o = two_descriptors(minor);
    o.leaf_limit = 2;
    return build(sample_tree(), o);
}
Built with_options(Key tree, std::function<void(Options&)> adjust)
{
    Options o;
    adjust(o);
    return build(tree, o);
}
Built sample_with(std::function<void(Options&)> adjust)
{
    Options o = two_descriptors();
    adjust(o);
    return build(sample_tree(), o);
}
Key with_value(Value v)
{
    Key root{u"ROOT", {}, {}, {}, 0};
    root.values.push_back(std::move(v));
    return root;
}
auto nothing = [](Bytes&, const Built&) {};

// nk fields, relative to the cell data.
constexpr std::uint32_t nk_flags = 2, nk_parent = 16, nk_subkeys = 20, nk_volatile = 24, nk_volatile_list = 32,
                        nk_values = 36, nk_sk = 44, nk_largest_name = 52, nk_largest_class = 56,
                        nk_largest_value_name = 60, nk_largest_data = 64, nk_work = 68, nk_name_len = 72,
                        nk_class_len = 74, nk_name = 76;
constexpr std::uint32_t sk_flink = 4, sk_blink = 8, sk_refs = 12, sk_len = 16;
constexpr std::uint32_t vk_size = 4, vk_data = 8;

std::uint32_t tail_free_cell(const Bytes& b)
{
    // The sample hives fit one bin: find the cell that ends it.
    std::uint32_t at = 32;
    for (;;) {
        const auto raw = std::int32_t(file32(b, 4096 + at));
        const std::uint32_t size = std::uint32_t(raw < 0 ? -raw : raw);
        if (at + size >= 4096)
            return at;
        at += size;
    }
}

std::vector<Row> rows()
{
    return {
        // Base block.
        {"wrong_checksum", "checksum", [] { return sample(); },
         [](Bytes& b, const Built&) { b[508] ^= 0x10; }, {}, true},
        {"checksum_zero_must_be_stored_as_one", "checksum", [] { return sample(); },
         [](Bytes& b, const Built&) {
             // Make the XOR come out 0: the stored value must then be 1, not 0.
             set_file32(b, 508, 0);
             std::uint32_t sum = 0;
             for (std::uint32_t at = 0; at < 508; at += 4)
                 sum ^= file32(b, at);
             set_file32(b, 48, file32(b, 48) ^ sum);
         },
         {}, true},
        {"unequal_sequence_numbers", "sequence", [] { return sample(); },
         [](Bytes& b, const Built&) { set_file32(b, 8, file32(b, 4) + 1); }},
        {"major_version_2", "version", [] { return sample(); }, [](Bytes& b, const Built&) { set_file32(b, 20, 2); }},
        {"minor_version_7", "version", [] { return sample(); }, [](Bytes& b, const Built&) { set_file32(b, 24, 7); }},
        {"log_file_type", "file-type", [] { return sample(); }, [](Bytes& b, const Built&) { set_file32(b, 28, 1); }},
        {"file_format_2", "file-format", [] { return sample(); }, [](Bytes& b, const Built&) { set_file32(b, 32, 2); }},
        {"clustering_factor_8", "clustering", [] { return sample(); },
         [](Bytes& b, const Built&) { set_file32(b, 44, 8); }},
        {"bins_size_beyond_file", "file-size", [] { return sample(); },
         [](Bytes& b, const Built&) { set_file32(b, 40, 8192); }},
        {"bytes_after_the_bins", "trailing-data", [] { return sample(); },
         [](Bytes& b, const Built&) { b.resize(b.size() + 512); }},
        {"root_offset_not_a_cell", "bad-reference", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_file32(b, 36, h.at_of("") + 8); }, {"leak"}},

        // Bins.
        {"hbin_signature", "hbin-signature", [] { return sample(); },
         [](Bytes& b, const Built&) { b[4096 + 3] = 'x'; }, {"hbin-coverage", "bad-reference"}},
        {"hbin_offset_not_its_position", "hbin-offset", [] { return sample(); },
         [](Bytes& b, const Built&) { set_file32(b, 4096 + 4, 0x1000); }},
        {"hbin_size_not_multiple_of_4096", "hbin-size", [] { return sample(); },
         [](Bytes& b, const Built&) { set_file32(b, 4096 + 8, 4000); }, {"hbin-coverage", "bad-reference"}},
        {"first_hbin_time_differs", "hbin-time", [] { return sample(); },
         [](Bytes& b, const Built&) { b[4096 + 20] ^= 1; }},

        // Cells.
        {"cell_size_not_multiple_of_8", "cell-size", [] { return sample(); },
         [](Bytes& b, const Built&) {
             const std::uint32_t tail = tail_free_cell(b);
             set_hive32(b, tail, file32(b, 4096 + tail) - 4);
         }},
        {"cell_overruns_its_bin", "cell-bounds", [] { return sample(); },
         [](Bytes& b, const Built&) {
             const std::uint32_t tail = tail_free_cell(b);
             set_hive32(b, tail, file32(b, 4096 + tail) + 8);
         }},
        {"allocated_cell_overruns_its_bin", "cell-bounds", [] { return sample(); },
         [](Bytes& b, const Built&) {
             const std::uint32_t tail = tail_free_cell(b);
             set_hive32(b, tail, std::uint32_t(-std::int32_t(file32(b, 4096 + tail) + 64)));
         }},
        {"free_cell_in_the_middle", "free-cell", [] { return sample(); },
         [](Bytes& b, const Built&) {
             const std::uint32_t tail = tail_free_cell(b);
             const std::uint32_t size = file32(b, 4096 + tail);
             set_hive32(b, tail, 16);
             set_hive32(b, tail + 16, size - 16);
         }},
        {"leaked_cell", "leak", [] { return sample(); },
         [](Bytes& b, const Built&) { carve(b, {'n', 'k', 0, 0}); }},
        {"empty_bin_appended", "empty-bin", [] { return sample(); },
         [](Bytes& b, const Built&) {
             const std::uint32_t at = file32(b, 40);
             b.resize(b.size() + 4096);
             std::memcpy(b.data() + 4096 + at, "hbin", 4);
             set_hive32(b, at + 4, at);
             set_hive32(b, at + 8, 4096);
             set_hive32(b, at + 32, 4096 - 32);
             set_file32(b, 40, at + 4096);
         }},

        // References.
        {"reference_into_a_cell", "bad-reference", [] { return sample(); },
         [](Bytes& b, const Built& h) {
             set_cell32(b, h.at_of("Alpha|values"), 0, h.at_of("Alpha/Dword") + 8);
         },
         {"leak"}},
        {"reference_to_a_free_cell", "free-reference", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_cell32(b, h.at_of("Alpha|values"), 0, tail_free_cell(b)); },
         {"leak"}},
        {"value_list_entry_points_at_sk", "signature", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_cell32(b, h.at_of("Alpha|values"), 0, h.at_of("sk0")); }, {"leak"}},
        {"value_referenced_twice", "shared-cell", [] { return sample(); },
         [](Bytes& b, const Built& h) {
             set_cell32(b, h.at_of("Alpha|values"), 4, h.at_of("Alpha/Dword"));
         },
         {"leak"}},

        // Keys.
        {"root_flag_on_a_subkey", "root-flag", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_cell16(b, h.at_of("Alpha"), nk_flags, 0x24); }},
        {"root_without_root_flag", "root-flag", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_cell16(b, h.at_of(""), nk_flags, 0x20); }},
        {"latin1_key_name_stored_as_utf16", "compressed-name",
         [] { return sample_with([](Options& o) { o.utf16_names = true; }); }, nothing,
         {"slack"}},
        {"wrong_parent", "parent", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_cell32(b, h.at_of("beta\\Child"), nk_parent, h.at_of("")); }},
        {"volatile_subkey_count", "volatile", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_cell32(b, h.at_of("beta"), nk_volatile, 1); }},
        {"volatile_subkey_list", "volatile", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_cell32(b, h.at_of("beta"), nk_volatile_list, 0x20); }},
        {"work_var_set", "work-var", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_cell32(b, h.at_of("Gamma"), nk_work, 1); }},
        {"subkey_count_too_high", "subkey-count", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_cell32(b, h.at_of(""), nk_subkeys, 5); }},
        {"subkey_count_too_low", "subkey-count", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_cell32(b, h.at_of("beta"), nk_subkeys, 0); },
         {"leak", "largest-subkey-name", "sk-refcount"}},
        {"largest_subkey_name_in_stored_bytes", "largest-subkey-name", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_cell32(b, h.at_of(""), nk_largest_name, 5); }},
        {"largest_subkey_name_keeps_high_bits", "largest-subkey-name", [] { return sample(); },
         [](Bytes& b, const Built& h) {
             // The high bits carry other flags; only the low 16 bits are the length.
             set_cell32(b, h.at_of(""), nk_largest_name, 0x00020000 | 9);
         }},
        {"largest_subkey_class", "largest-subkey-class", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_cell32(b, h.at_of(""), nk_largest_class, 3); }},
        {"largest_value_name", "largest-value-name", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_cell32(b, h.at_of("Alpha"), nk_largest_value_name, 5); }},
        {"largest_value_data", "largest-value-data", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_cell32(b, h.at_of("Alpha"), nk_largest_data, 4); }},
        {"key_name_empty", "name-length", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_cell16(b, h.at_of("Alpha"), nk_name_len, 0); },
         {"lh-hash", "slack"}},
        {"key_name_of_256_characters", "name-length",
         [] {
             Key root{u"ROOT", {}, {}, {Key{std::u16string(256, u'k'), {}, {}, {}, 0}}, 0};
             return build(root);
         },
         nothing},
        {"key_name_with_backslash", "key-name", [] { return sample(); },
         [](Bytes& b, const Built& h) {
             b[4096 + h.at_of("beta\\Child") + 4 + nk_name + 2] = '\\';
             set_cell32(b, h.at_of("beta|subkeys"), 8, regf_checks::lh_hash(u"Ch\\ld"));
         }},
        {"key_name_overruns_cell", "cell-too-small", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_cell16(b, h.at_of("Gamma"), nk_name_len, 200); },
         {"leak", "largest-subkey-name", "largest-subkey-class", "sk-refcount"}},
        {"class_name_longer_than_its_cell", "cell-too-small", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_cell16(b, h.at_of("Gamma"), nk_class_len, 100); },
         {"largest-subkey-class"}},
        {"class_cell_with_length_0", "class-name", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_cell16(b, h.at_of("Gamma"), nk_class_len, 0); },
         {"largest-subkey-class"}},
        {"key_is_its_own_grandchild", "cycle", [] { return sample(); },
         [](Bytes& b, const Built& h) {
             // beta\Child gets a sub-key list that leads back to beta.
             Bytes leaf{'l', 'h', 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
             const std::uint32_t list = carve(b, leaf);
             set_cell32(b, list, 4, h.at_of("beta"));
             set_cell32(b, list, 8, regf_checks::lh_hash(u"beta"));
             set_cell32(b, h.at_of("beta\\Child"), nk_subkeys, 1);
             set_cell32(b, h.at_of("beta\\Child"), 28, list);
         }},
        {"depth_beyond_512", "depth", [] { return build(chain(513)); }, nothing, {"leak", "sk-refcount"}},

        // Sub-key lists.
        {"unsorted_lh", "order", [] { return sample(); },
         [](Bytes& b, const Built& h) {
             const std::uint32_t lh = h.at_of("|subkeys");
             const std::uint32_t o0 = cell32(b, lh, 4), h0 = cell32(b, lh, 8);
             set_cell32(b, lh, 4, cell32(b, lh, 12));
             set_cell32(b, lh, 8, cell32(b, lh, 16));
             set_cell32(b, lh, 12, o0);
             set_cell32(b, lh, 16, h0);
         }},
        {"unsorted_across_ri_leaves", "order", [] { return sample_ri(); },
         [](Bytes& b, const Built& h) {
             const std::uint32_t ri = h.at_of("|subkeys");
             const std::uint32_t first = cell32(b, ri, 4);
             set_cell32(b, ri, 4, cell32(b, ri, 8));
             set_cell32(b, ri, 8, first);
         }},
        {"names_equal_without_case", "duplicate-name", [] { return sample(); },
         [](Bytes& b, const Built& h) {
             // Gamma becomes "DELTA", next to delta.
             const char* name = "DELTA";
             std::memcpy(b.data() + 4096 + h.at_of("Gamma") + 4 + nk_name, name, 5);
             set_cell32(b, h.at_of("|subkeys"), 4 + 8 * 3 + 4, regf_checks::lh_hash(u"DELTA"));
         }},
        {"sorted_by_bytes_not_upper_case", "order",
         [] {
             Key root{u"ROOT", {}, {}, {Key{u"B", {}, {}, {}, 0}, Key{u"a", {}, {}, {}, 0}}, 0};
             return build(root);
         },
         [](Bytes& b, const Built& h) {
             // Swap into byte order: "B" (0x42) before "a" (0x61).
             const std::uint32_t lh = h.at_of("|subkeys");
             const std::uint32_t o0 = cell32(b, lh, 4), h0 = cell32(b, lh, 8);
             set_cell32(b, lh, 4, cell32(b, lh, 12));
             set_cell32(b, lh, 8, cell32(b, lh, 16));
             set_cell32(b, lh, 12, o0);
             set_cell32(b, lh, 16, h0);
         }},
        {"wrong_lh_hash", "lh-hash", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_cell32(b, h.at_of("|subkeys"), 4 + 8 * 2 + 4, 0x12345678); }},
        {"lh_hash_of_lower_case", "lh-hash", [] { return sample(); },
         [](Bytes& b, const Built& h) {
             std::uint32_t lower = 0;
             for (char c : std::string("beta"))
                 lower = 37 * lower + std::uint8_t(c);
             set_cell32(b, h.at_of("|subkeys"), 4 + 8 * 1 + 4, lower);
         }},
        {"wrong_lf_hint", "lf-hint", [] { return sample(3); },
         [](Bytes& b, const Built& h) { b[4096 + h.at_of("|subkeys") + 4 + 4 + 8 + 4 + 1] = 'X'; }},
        {"lf_hint_not_zero_padded", "lf-hint",
         [] {
             Options o;
             o.minor = 3;
             return build(Key{u"ROOT", {}, {}, {Key{u"ab", {}, {}, {}, 0}}, 0}, o);
         },
         [](Bytes& b, const Built& h) { b[4096 + h.at_of("|subkeys") + 4 + 8 + 2] = 'X'; }},
        {"lh_leaf_in_1_3_hive", "leaf-kind",
         [] {
             Options o = two_descriptors(3);
             o.leaf_kind = 'h';
             return build(sample_tree(), o);
         },
         nothing},
        {"lf_leaf_in_1_5_hive", "leaf-kind",
         [] { return sample_with([](Options& o) { o.leaf_kind = 'f'; }); }, nothing},
        {"li_leaf_in_1_5_hive", "leaf-kind",
         [] { return sample_with([](Options& o) { o.leaf_kind = 'i'; }); }, nothing},
        {"lf_leaf_beyond_506", "leaf-size",
         [] {
             Options o;
             o.minor = 3;
             o.leaf_limit = 600;
             return build(many_subkeys(507), o);
         },
         nothing},
        {"lh_leaf_beyond_1012", "leaf-size",
         [] {
             Options o;
             o.leaf_limit = 2000;
             return build(many_subkeys(1013), o);
         },
         nothing},
        {"nested_ri", "nested-ri", [] { return sample_ri(); },
         [](Bytes& b, const Built& h) {
             const std::uint32_t inner = carve(b, {'r', 'i', 1, 0, 0, 0, 0, 0});
             set_cell32(b, inner, 4, h.at_of("|leaf1"));
             set_cell32(b, h.at_of("|subkeys"), 8, inner);
         },
         {"leak", "subkey-count", "sk-refcount"}},
        {"empty_leaf_in_ri", "empty-leaf", [] { return sample_ri(); },
         [](Bytes& b, const Built& h) {
             const std::uint32_t empty = carve(b, {'l', 'h', 0, 0});
             set_cell32(b, h.at_of("|subkeys"), 8, empty);
         },
         {"leak", "subkey-count", "sk-refcount"}},
        {"unknown_list_signature", "signature", [] { return sample(); },
         [](Bytes& b, const Built& h) { b[4096 + h.at_of("beta|subkeys") + 5] = 'x'; },
         {"leak", "subkey-count", "sk-refcount"}},

        // Values.
        {"value_count_beyond_its_list", "cell-too-small", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_cell32(b, h.at_of("Alpha"), nk_values, 5); }, {"leak"}},
        {"data_of_4_bytes_not_inline", "inline-data", [] { return sample(); },
         [](Bytes& b, const Built& h) {
             set_cell32(b, h.at_of("Alpha/Text"), vk_size, 4);
             set_cell32(b, h.at_of("Alpha"), nk_largest_data, 4);
         }},
        {"inline_data_longer_than_4_bytes", "inline-data", [] { return sample(); },
         [](Bytes& b, const Built& h) {
             set_cell32(b, h.at_of("Alpha/Dword"), vk_size, 0x80000008);
         }},
        {"empty_value_with_data_offset", "data-offset", [] { return sample(); },
         [](Bytes& b, const Built& h) {
             set_cell32(b, h.at_of("Alpha/Empty"), vk_size, 0);
             set_cell32(b, h.at_of("Alpha/Empty"), vk_data, h.at_of("Alpha/Text|data"));
         },
         {"shared-cell"}},
        {"value_data_overruns_cell", "cell-too-small", [] { return sample(); },
         [](Bytes& b, const Built& h) {
             set_cell32(b, h.at_of("Alpha/Text"), vk_size, 100);
             set_cell32(b, h.at_of("Alpha"), nk_largest_data, 100);
         },
         {"leak"}},
        {"latin1_value_name_stored_as_utf16", "compressed-name",
         [] {
             return with_options(with_value({u"Name", 4, {1, 2, 3, 4}}), [](Options& o) { o.utf16_names = true; });
         },
         nothing, {"slack"}},
        {"value_name_beyond_16383", "vk-name-length",
         [] { return build(with_value({std::u16string(16384, u'v'), 4, {1, 2, 3, 4}})); }, nothing},
        {"values_equal_without_case", "duplicate-value",
         [] {
             Key root{u"ROOT", {}, {{u"Name", 3, {1}}, {u"NAME", 3, {2}}}, {}, 0};
             return build(root);
         },
         nothing},
        {"big_value_in_one_cell_in_1_5", "big-data",
         [] {
             return with_options(with_value({u"Big", 3, filled(20000)}), [](Options& o) { o.big_data_in_one_cell = true; });
         },
         nothing},
        {"db_in_a_1_3_hive", "big-data",
         [] {
             return with_options(with_value({u"Big", 3, filled(20000)}), [](Options& o) {
                 o.minor = 3;
                 o.big_data_as_db = true;
             });
         },
         nothing, {"leak"}},
        {"db_segment_count", "db-segments", [] { return build(with_value({u"Big", 3, filled(40000)})); },
         [](Bytes& b, const Built& h) { set_cell16(b, h.at_of("/Big|data"), 2, 2); }, {"leak"}},
        {"db_segment_short_of_16344", "cell-too-small",
         [] { return with_options(with_value({u"Big", 3, filled(20000)}), [](Options& o) { o.segment_size = 16000; }); },
         nothing, {"slack"}},

        // Security.
        {"sk_refcount_too_high", "sk-refcount", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_cell32(b, h.at_of("sk0"), sk_refs, cell32(b, h.at_of("sk0"), sk_refs) + 1); }},
        {"sk_refcount_zero", "sk-refcount", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_cell32(b, h.at_of("sk1"), sk_refs, 0); }},
        {"sk_blink_broken", "sk-list", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_cell32(b, h.at_of("sk1"), sk_blink, h.at_of("sk1")); }},
        {"sk_flink_skips_a_cell", "sk-list", [] { return sample(); },
         [](Bytes& b, const Built& h) {
             set_cell32(b, h.at_of("sk0"), sk_flink, h.at_of("sk0"));
             set_cell32(b, h.at_of("sk0"), sk_blink, h.at_of("sk0"));
         }},
        {"sk_flink_not_a_security_cell", "sk-list", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_cell32(b, h.at_of("sk1"), sk_flink, h.at_of("")); }},
        {"key_without_security", "bad-reference", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_cell32(b, h.at_of("Alpha"), nk_sk, 0xFFFFFFFF); }, {"sk-refcount"}},
        {"key_security_points_at_a_key", "signature", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_cell32(b, h.at_of("Alpha"), nk_sk, h.at_of("beta")); }, {"sk-refcount"}},
        {"descriptor_longer_than_cell", "sk-descriptor", [] { return sample(); },
         [](Bytes& b, const Built& h) { set_cell32(b, h.at_of("sk0"), sk_len, 400); }},
        {"descriptor_not_self_relative", "sk-descriptor", [] { return sample(); },
         [](Bytes& b, const Built& h) { b[4096 + h.at_of("sk0") + 4 + 20 + 3] = 0; }},
        {"identical_descriptors_unshared", "sk-shared",
         [] {
             Options o;
             o.descriptors = {default_descriptor(), default_descriptor()};
             return build(sample_tree(), o);
         },
         nothing},
        {"security_cell_used_by_no_key", "leak",
         [] {
             Options o;
             o.descriptors = {default_descriptor(), other_descriptor()};
             return build(with_value({u"V", 4, {1, 2, 3, 4}}), o);
         },
         nothing},

        // Waste.
        {"cell_larger_than_its_record", "slack", [] { return sample(); },
         [](Bytes& b, const Built& h) {
             // Move Gamma's class name into a bigger cell carved from the tail.
             const std::uint32_t cls = h.at_of("Gamma|class");
             Bytes text(b.begin() + 4096 + cls + 4, b.begin() + 4096 + cls + 4 + 6);
             text.resize(40);
             set_cell32(b, h.at_of("Gamma"), 48, carve(b, text));
             set_hive32(b, cls, 8 * ((6 + 4 + 7) / 8));
         },
         {"free-cell"}},
    };
}

class Mutation : public testing::TestWithParam<Row> {};

TEST_P(Mutation, ValidatorNamesTheBrokenRule)
{
    const Row& row = GetParam();
    const Built built = row.hive();
    Bytes bytes = built.bytes;
    row.mutate(bytes, built);
    if (!row.keep_checksum)
        reseal(bytes);

    const auto problems = regf_checks::check(bytes);
    std::string all;
    for (const auto& p : problems)
        all += "  " + regf_checks::to_string(p) + "\n";
    bool named = false;
    for (const auto& p : problems) {
        if (p.rule == row.rule)
            named = true;
        else
            EXPECT_TRUE(row.knock_on.count(p.rule)) << "unexpected problem: " << regf_checks::to_string(p);
    }
    EXPECT_TRUE(named) << "expected a \"" << row.rule << "\" problem, got:\n" << all;
    for (const auto& p : problems)
        if (p.rule == row.rule) {
            EXPECT_FALSE(p.where.empty());
            EXPECT_NE(regf_checks::to_string(p).find("0x"), std::string::npos) << "names no offset";
        }
}

INSTANTIATE_TEST_SUITE_P(Rules, Mutation, testing::ValuesIn(rows()),
                         [](const auto& p) { return p.param.name; });

} // namespace
