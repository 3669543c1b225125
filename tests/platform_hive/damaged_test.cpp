// Damaged and hostile hive files: each must fail with a message saying what is wrong, or read as something
// sane. Never a crash (these tests also run under the address and undefined-behaviour sanitizers).

#include "hive_bytes.h"
#include "platform/hive/access.h"
#include "platform/hive/hive.h"
#include "testsupport/regf/regf_checks.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

using hive::Hive;
using hive::Key;
using hive_test::HiveBytes;

constexpr hive::FileTime kT1 = 0x01D5000000000000ull;

// Software\A\Deep, Software\B, System (with a class name); Software holds values d (4 bytes), s (20 bytes)
// and big (40000 bytes, big data).
HiveBytes small_hive()
{
    Hive h = Hive::create(5, kT1);
    Key* software = h.root().add_subkey(u"Software");
    software->add_subkey(u"A")->add_subkey(u"Deep");
    software->add_subkey(u"B");
    software->set_value(u"d", 4, {1, 2, 3, 4});
    software->set_value(u"s", 1, hive_test::pattern(20));
    software->set_value(u"big", 3, hive_test::pattern(40000));
    hive::Access::class_name(*h.root().add_subkey(u"System")) = u"Cls";
    return HiveBytes{h.serialize(kT1)};
}

// Many1 and Many2, each with enough sub-keys for an index root.
HiveBytes ri_hive()
{
    Hive h = Hive::create(5, kT1);
    for (const char16_t* name : {u"Many1", u"Many2"}) {
        Key* k = h.root().add_subkey(name);
        for (int i = 0; i < 1100; ++i)
            k->add_subkey(hive_test::numbered(u"k", static_cast<std::size_t>(i)));
    }
    return HiveBytes{h.serialize(kT1)};
}

struct Damage {
    const char* label;
    std::function<void(HiveBytes&)> apply;
    const char* message; // part of the error
    bool use_ri_hive = false;
};

std::uint32_t software(const HiveBytes& b) { return b.path({"Software"}); }
std::uint32_t value_cell(const HiveBytes& b, std::size_t i) { return b.u32(b.u32(software(b), 40), 4 * i); }

const Damage kDamages[] = {
    {"bad_signature", [](HiveBytes& b) { b.b[0] = 'x'; }, "no regf signature"},
    {"unsupported_version", [](HiveBytes& b) { b.set_header32(24, 2); }, "unsupported hive format version 1.2"},
    {"log_file_type", [](HiveBytes& b) { b.set_header32(28, 1); }, "not a primary hive file"},
    {"bins_size_past_end", [](HiveBytes& b) { b.set_header32(40, b.header32(40) + 4096); }, "does not fit"},
    {"bins_size_not_a_multiple", [](HiveBytes& b) { b.set_header32(40, 100); }, "does not fit"},
    {"bin_offset_wrong", [](HiveBytes& b) { b.set_header32(4096 + 4, 4096); }, "says it is at"},
    {"bin_size_zero", [](HiveBytes& b) { b.set_header32(4096 + 8, 0); }, "impossible size"},
    {"cell_overruns_its_bin", [](HiveBytes& b) { b.set_header32(4096 + 32, static_cast<std::uint32_t>(-0x2000)); },
     "does not fit its hive bin"},
    {"cell_size_unaligned",
     [](HiveBytes& b) { b.set_header32(4096 + 32, b.header32(4096 + 32) - 4); }, "does not fit its hive bin"},
    {"root_out_of_bounds", [](HiveBytes& b) { b.set_header32(36, 0x7FFFFFF8); }, "not an allocated cell"},
    {"root_unaligned", [](HiveBytes& b) { b.set_header32(36, b.root() + 4); }, "not an allocated cell"},
    {"root_none", [](HiveBytes& b) { b.set_header32(36, 0xFFFFFFFF); }, "not an allocated cell"},
    {"root_is_a_security_cell", [](HiveBytes& b) { b.set_header32(36, b.u32(b.root(), 44)); },
     "no 'nk' signature"},
    {"subkey_list_points_at_itself",
     [](HiveBytes& b) {
         const std::uint32_t list = b.u32(software(b), 28);
         b.set32(list, 4, list);
     },
     "no 'nk' signature"},
    {"subkey_list_points_at_the_root",
     [](HiveBytes& b) { b.set32(b.u32(b.path({"Software", "A"}), 28), 4, b.root()); }, "used twice"},
    {"key_listed_twice",
     [](HiveBytes& b) {
         const std::uint32_t list = b.u32(software(b), 28);
         b.set32(list, 12, b.u32(list, 4));
     },
     "used twice"},
    {"subkey_count_too_high", [](HiveBytes& b) { b.set32(software(b), 20, 3); }, "sub-keys but its lists hold 2"},
    {"subkey_count_too_low", [](HiveBytes& b) { b.set32(software(b), 20, 1); }, "more entries than the key's"},
    {"leaf_count_beyond_its_cell", [](HiveBytes& b) { b.set16(b.u32(software(b), 28), 2, 5000); },
     "more than its cell holds"},
    {"unknown_list_signature", [](HiveBytes& b) { b.set16(b.u32(software(b), 28), 0, 0x7878); },
     "unknown signature"},
    {"value_count_beyond_its_list", [](HiveBytes& b) { b.set32(software(b), 36, 1000); }, "holds at most"},
    {"value_points_at_a_key",
     [](HiveBytes& b) { b.set32(b.u32(software(b), 40), 0, b.path({"Software", "A"})); }, "no 'vk' signature"},
    {"inline_data_too_long", [](HiveBytes& b) { b.set32(value_cell(b, 0), 4, 0x80000007); }, "inline data"},
    {"impossible_data_size", [](HiveBytes& b) { b.set32(value_cell(b, 1), 4, 0x7FFFFFF0); },
     "more than the whole hive"},
    {"data_cell_too_small", [](HiveBytes& b) { b.set32(value_cell(b, 1), 4, 4000); }, "too small"},
    {"big_data_segment_count", [](HiveBytes& b) { b.set16(b.u32(value_cell(b, 2), 8), 2, 2); }, "segments"},
    {"big_data_segment_missing",
     [](HiveBytes& b) { b.set32(b.u32(b.u32(value_cell(b, 2), 8), 4), 4, 0x00FFFFF8); }, "not an allocated cell"},
    {"big_data_segment_shared",
     [](HiveBytes& b) {
         const std::uint32_t list = b.u32(b.u32(value_cell(b, 2), 8), 4);
         b.set32(list, 4, b.u32(list, 0));
     },
     "used twice"},
    {"name_length_zero", [](HiveBytes& b) { b.set16(b.path({"Software", "A"}), 72, 0); }, "bad length"},
    {"name_length_past_its_cell", [](HiveBytes& b) { b.set16(b.path({"Software", "A"}), 72, 300); },
     "bad length"},
    {"utf16_name_of_odd_length",
     [](HiveBytes& b) {
         const std::uint32_t a = b.path({"Software", "A"});
         b.set16(a, 2, static_cast<std::uint16_t>(b.u16(a, 2) & ~0x20));
     },
     "bad length"},
    {"value_name_past_its_cell", [](HiveBytes& b) { b.set16(value_cell(b, 0), 2, 2000); }, "bad length"},
    {"class_name_cell_missing", [](HiveBytes& b) { b.set32(b.path({"System"}), 48, 0x00FFFFF8); },
     "not an allocated cell"},
    {"security_cell_is_a_key", [](HiveBytes& b) { b.set32(b.root(), 44, software(b)); }, "not an sk record"},
    {"security_length_past_its_cell", [](HiveBytes& b) { b.set32(b.u32(b.root(), 44), 16, 0x10000); },
     "bad length"},
    {"two_values_equal_but_for_case",
     [](HiveBytes& b) { b.b[4096 + value_cell(b, 1) + 4 + 20] = 'D'; }, "two values are named \"D\""},
    {"descriptor_owner_outside_it",
     [](HiveBytes& b) { b.set32(b.u32(b.root(), 44), 20 + 4, 0x2D4E); }, "malformed: owner offset"},
    {"descriptor_sid_too_long",
     [](HiveBytes& b) {
         const std::uint32_t sk = b.u32(b.root(), 44);
         b.b[4096 + sk + 4 + 20 + b.u32(sk, 20 + 8) + 1] = 200; // the group's sub-authority count
     },
     "group SID with 200 sub-authorities"},
    {"descriptor_acl_past_its_end",
     [](HiveBytes& b) {
         const std::uint32_t sk = b.u32(b.root(), 44);
         b.set16(sk, 20 + b.u32(sk, 20 + 16) + 2, 0x1000); // the DACL's size
     },
     "DACL at 48 does not fit"},
    {"descriptor_not_self_relative", [](HiveBytes& b) { b.set16(b.u32(b.root(), 44), 20 + 2, 0x0004); },
     "not self-relative"},
    {"two_keys_equal_but_for_case",
     [](HiveBytes& b) { b.b[4096 + b.path({"Software", "B"}) + 4 + 76] = 'a'; }, "two sub-keys"},
    {"backslash_in_a_name", [](HiveBytes& b) { b.b[4096 + b.path({"Software", "B"}) + 4 + 76] = '\\'; },
     "backslash"},
    {"nested_index_root",
     [](HiveBytes& b) { b.set32(b.u32(b.path({"Many1"}), 28), 4, b.u32(b.path({"Many2"}), 28)); },
     "index root inside an index root", true},
    {"index_root_points_at_itself",
     [](HiveBytes& b) {
         const std::uint32_t ri = b.u32(b.path({"Many1"}), 28);
         b.set32(ri, 4, ri);
     },
     "used twice", true},
};

void PrintTo(const Damage& d, std::ostream* os) { *os << d.label; }

class Damaged : public testing::TestWithParam<Damage> {};

TEST_P(Damaged, FailsWithAMessageSayingWhat)
{
    const Damage& d = GetParam();
    HiveBytes b = d.use_ri_hive ? ri_hive() : small_hive();
    ASSERT_TRUE(Hive::parse(b.b)) << "the undamaged hive reads";
    d.apply(b);
    b.fix_checksum();
    std::string error;
    const auto read = Hive::parse(b.b, &error);
    EXPECT_FALSE(read);
    EXPECT_NE(error.find(d.message), std::string::npos) << "got: " << error;
}

INSTANTIATE_TEST_SUITE_P(Corpus, Damaged, testing::ValuesIn(kDamages),
                         [](const auto& row) { return std::string(row.param.label); });

TEST(DamagedHive, TruncatedFilesFail)
{
    const HiveBytes b = small_hive();
    for (const std::size_t size : {std::size_t(0), std::size_t(3), std::size_t(511), std::size_t(4095),
                                   std::size_t(4096), std::size_t(4097), std::size_t(4096 + 32), b.b.size() / 2,
                                   b.b.size() - 4096, b.b.size() - 1}) {
        std::vector<std::uint8_t> cut(b.b.begin(), b.b.begin() + static_cast<std::ptrdiff_t>(size));
        std::string error;
        EXPECT_FALSE(Hive::parse(cut, &error)) << size;
        EXPECT_FALSE(error.empty()) << size;
    }
}

TEST(DamagedHive, KeysNestedDeeperThanWindowsAllowsAreRefused)
{
    Hive h = Hive::create(5, kT1);
    Key* k = &h.root();
    for (std::uint16_t depth = 1; depth <= 600; ++depth) {
        // Built behind the library's back: add_subkey itself stops at 512 levels.
        auto child = hive::Access::new_key(h, depth);
        hive::Access::name(*child) = u"d";
        hive::Access::security(*child) = h.root().security();
        Key* next = child.get();
        hive::Access::subkeys(*k).push_back(std::move(child));
        k = next;
    }
    std::string error;
    EXPECT_FALSE(Hive::parse(h.serialize(kT1), &error));
    EXPECT_NE(error.find("deeper than 512"), std::string::npos) << error;
}

// Equal content, field by field.
void expect_same_tree(const Key& a, const Key& b)
{
    ASSERT_EQ(a.name(), b.name());
    EXPECT_EQ(a.class_name(), b.class_name());
    EXPECT_EQ(a.last_written(), b.last_written());
    ASSERT_EQ(a.values().size(), b.values().size());
    for (std::size_t i = 0; i < a.values().size(); ++i) {
        EXPECT_EQ(a.values()[i].name, b.values()[i].name);
        EXPECT_EQ(a.values()[i].type, b.values()[i].type);
        EXPECT_EQ(a.values()[i].data, b.values()[i].data);
    }
    ASSERT_EQ(bool(a.security()), bool(b.security()));
    if (a.security()) {
        EXPECT_EQ(*a.security(), *b.security());
    }
    ASSERT_EQ(a.subkeys().size(), b.subkeys().size());
    for (std::size_t i = 0; i < a.subkeys().size(); ++i)
        expect_same_tree(*a.subkeys()[i], *b.subkeys()[i]);
}

// Whatever a damaged file reads as, we must be able to write it and read that back unchanged.
void expect_sane(const std::vector<std::uint8_t>& file, const std::string& what)
{
    std::string error;
    auto read = Hive::parse(file, &error);
    if (!read) {
        EXPECT_FALSE(error.empty()) << what;
        return;
    }
    const std::vector<std::uint8_t> rewritten = read->serialize(kT1);
    EXPECT_EQ(hive_test::joined(regf_checks::validate(rewritten)), "") << what;
    auto again = Hive::parse(rewritten, &error);
    ASSERT_TRUE(again) << what << ": " << error;
    expect_same_tree(read->root(), again->root());
}

TEST(DamagedHive, RandomBytesNeverCrash)
{
    std::mt19937 rng(20210315);
    const HiveBytes good = small_hive();
    for (int i = 0; i < 300; ++i) {
        std::vector<std::uint8_t> file(rng() % 20000);
        for (auto& byte : file)
            byte = static_cast<std::uint8_t>(rng());
        if (i % 2 == 1 && file.size() >= 4096) {
            // A plausible header in front of random bins.
            std::copy(good.b.begin(), good.b.begin() + 4096, file.begin());
            HiveBytes h{file};
            h.set_header32(40, static_cast<std::uint32_t>((file.size() - 4096) / 4096 * 4096));
            if (i % 4 == 1 && file.size() >= 8192)
                std::copy(good.b.begin() + 4096, good.b.begin() + 4096 + 32, h.b.begin() + 4096);
            h.fix_checksum();
            file = h.b;
        }
        expect_sane(file, "random file " + std::to_string(i));
    }
}

TEST(DamagedHive, MutationsOfAValidHiveFailCleanlyOrReadSanely)
{
    std::mt19937 rng(3504);
    const HiveBytes good = small_hive();
    const std::size_t bins = good.b.size() - 4096;
    int read_ok = 0;
    for (int i = 0; i < 3000; ++i) {
        HiveBytes b = good;
        const int changes = 1 + static_cast<int>(rng() % 4);
        for (int c = 0; c < changes; ++c) {
            const std::size_t at = 4096 + rng() % bins;
            switch (rng() % 3) {
            case 0:
                b.b[at] = static_cast<std::uint8_t>(rng());
                break;
            case 1:
                b.b[at] ^= static_cast<std::uint8_t>(1u << (rng() % 8));
                break;
            default:
                // A plausible cell offset where a field was.
                if (at + 4 <= b.b.size())
                    b.set_header32(at & ~std::size_t(3), static_cast<std::uint32_t>(rng() % bins) & ~7u);
            }
        }
        if (i % 10 == 0)
            b.set_header32(4 * (rng() % 20), static_cast<std::uint32_t>(rng()));
        b.fix_checksum();
        std::string error;
        if (Hive::parse(b.b, &error))
            ++read_ok;
        expect_sane(b.b, "mutation " + std::to_string(i));
        if (testing::Test::HasFailure())
            break;
    }
    // Both outcomes must actually occur, or the loop tests nothing.
    EXPECT_GT(read_ok, 0);
    EXPECT_LT(read_ok, 3000);
}

} // namespace
