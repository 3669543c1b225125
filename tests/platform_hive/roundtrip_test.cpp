// create -> edit -> serialize -> parse, for each minor version, checking both the content read back and how
// the file lays it out.

#include "hive_bytes.h"
#include "platform/hive/access.h"
#include "platform/hive/hive.h"
#include "platform/hive/names.h"
#include "testsupport/regf/regf_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using hive::Hive;
using hive::Key;
using hive_test::HiveBytes;
using hive_test::layout_problems;
using hive_test::pattern;
using hive_test::u16;

constexpr hive::FileTime kT1 = 0x01D5000000000000ull;
constexpr hive::FileTime kT2 = kT1 + 36000000000ull;

// Writes the hive, checks the layout and reads it back.
std::optional<Hive> round_trip(Hive& h, hive::FileTime now, std::vector<std::uint8_t>* file = nullptr)
{
    std::vector<std::uint8_t> bytes = h.serialize(now);
    EXPECT_EQ(hive_test::joined(layout_problems(bytes)), "");
    EXPECT_EQ(hive_test::joined(regf_checks::validate(bytes)), "");
    std::string error;
    auto back = Hive::parse(bytes, &error);
    EXPECT_TRUE(back) << error;
    if (file)
        *file = std::move(bytes);
    return back;
}

class RoundTrip : public testing::TestWithParam<std::uint32_t> {
protected:
    std::uint32_t minor() const { return GetParam(); }
    std::size_t max_leaf() const { return minor() >= 5 ? 1012 : 506; }
};

struct ValueCase {
    std::u16string name;
    std::uint32_t type;
    std::size_t size;
};

TEST_P(RoundTrip, ValuesOfEverySizeAndTypeComeBackAsWritten)
{
    const std::vector<ValueCase> cases = {
        {u"", 1, 10},              // the default value
        {u"Empty", 3, 0},          {u"One", 3, 1},
        {u"Three", 0xDEADBEEF, 3}, {u"Dword", 4, 4},
        {u"Five", 3, 5},           {u"Odd\u0416Name", 7, 9},
        {u"ExactlyASegment", 3, 16344},
        {u"OneByteMore", 3, 16345}, {u"TwoSegments", 0x7FFFFFFF, 2 * 16344},
        {u"Big", 3, 100000},       {u"z-last-but-listed-before", 11, 8},
        {u"a-first-alphabetically", 2, 6},
    };
    Hive h = Hive::create(minor(), kT1);
    Key* key = h.root().add_subkey(u"Values");
    std::uint8_t seed = 1;
    for (const auto& c : cases)
        ASSERT_TRUE(key->set_value(c.name, c.type, pattern(c.size, seed++)));

    std::vector<std::uint8_t> file;
    auto back = round_trip(h, kT2, &file);
    ASSERT_TRUE(back);
    const Key* read = back->root().subkey(u"values");
    ASSERT_NE(read, nullptr);
    ASSERT_EQ(read->values().size(), cases.size());
    seed = 1;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const hive::Value& v = read->values()[i];
        EXPECT_EQ(v.name, cases[i].name) << i;
        EXPECT_EQ(v.type, cases[i].type) << i;
        EXPECT_EQ(v.data, pattern(cases[i].size, seed++)) << i;
    }

    // How each value is stored.
    const HiveBytes b{file};
    const std::uint32_t nk = b.path({"Values"});
    ASSERT_NE(nk, 0xFFFFFFFFu);
    EXPECT_EQ(b.u32(nk, 36), cases.size());
    EXPECT_EQ(b.u32(nk, 64), 100000u) << "largest value data";
    EXPECT_EQ(b.u32(nk, 60), std::u16string(u"z-last-but-listed-before").size() * 2) << "largest value name";
    const std::uint32_t list = b.u32(nk, 40);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const std::uint32_t vk = b.u32(list, 4 * i);
        ASSERT_EQ(b.signature(vk), "vk");
        const std::uint32_t size = b.u32(vk, 4);
        const bool compressed = hive::compressible(cases[i].name);
        EXPECT_EQ(b.u16(vk, 16) & 1, compressed ? 1u : 0u) << i;
        EXPECT_EQ(b.u16(vk, 2), compressed ? cases[i].name.size() : 2 * cases[i].name.size()) << i;
        if (cases[i].size <= 4) {
            EXPECT_EQ(size, cases[i].size | 0x80000000u) << "inline " << i;
            continue;
        }
        EXPECT_EQ(size, cases[i].size) << i;
        const std::uint32_t data = b.u32(vk, 8);
        if (minor() >= 4 && cases[i].size > 16344) {
            ASSERT_EQ(b.signature(data), "db") << i;
            const std::size_t count = b.u16(data, 2);
            EXPECT_EQ(count, (cases[i].size + 16343) / 16344) << i;
            const std::uint32_t segments = b.u32(data, 4);
            for (std::size_t s = 0; s < count; ++s) {
                const std::uint32_t seg = b.u32(segments, 4 * s);
                const auto cell = static_cast<std::size_t>(-static_cast<std::int32_t>(b.header32(4096 + seg)));
                const std::size_t part = std::min<std::size_t>(16344, cases[i].size - s * 16344);
                EXPECT_GE(cell - 4, part) << "segment " << s << " of value " << i;
                if (s + 1 < count) {
                    EXPECT_EQ(cell, 16352u) << "a full segment holds exactly 16344 bytes";
                }
            }
        } else {
            EXPECT_NE(b.signature(data), "db") << i;
        }
    }
}

TEST_P(RoundTrip, SubkeysAreSortedHashedAndKeepTheirCase)
{
    const std::vector<std::u16string> names = {
        u"_under", u"Zeta", u"alpha", u"MixedCase", u"\u00FFnd", u"\u041A\u043B\u044E\u0447",
        u"Run", u"RunOnce", u"stra\u00DFe", u"STRASSE", u"9lives", u"\u0178x"};
    Hive h = Hive::create(minor(), kT1);
    for (const auto& n : names)
        ASSERT_NE(h.root().add_subkey(n), nullptr);

    std::vector<std::uint8_t> file;
    auto back = round_trip(h, kT2, &file);
    ASSERT_TRUE(back);

    std::vector<std::u16string> expected = names;
    std::sort(expected.begin(), expected.end(),
              [](const auto& a, const auto& b) { return hive::compare_names(a, b) < 0; });
    std::vector<std::u16string> got;
    for (const auto& k : back->root().subkeys())
        got.push_back(k->name());
    EXPECT_EQ(got, expected);
    const auto at = [&](const std::u16string& n) { return std::find(got.begin(), got.end(), n) - got.begin(); };
    EXPECT_GT(at(u"_under"), at(u"Zeta")) << "'_' sorts after the letters";
    EXPECT_GT(at(u"_under"), at(u"alpha"));
    EXPECT_LT(at(u"Run"), at(u"RunOnce"));
    EXPECT_GT(at(u"stra\u00DFe"), at(u"STRASSE"));

    for (const auto& n : names) {
        std::u16string shouted;
        for (char16_t c : n)
            shouted += hive::upcase(c);
        const Key* k = back->root().subkey(shouted);
        ASSERT_NE(k, nullptr) << hive::to_utf8(n);
        EXPECT_EQ(k->name(), n);
    }

    const HiveBytes b{file};
    const std::uint32_t list = b.u32(b.root(), 28);
    EXPECT_EQ(b.signature(list), minor() >= 5 ? "lh" : "lf");
    const std::vector<std::uint32_t> cells = b.subkey_cells(b.root());
    ASSERT_EQ(cells.size(), expected.size());
    std::uint32_t largest = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::u16string& n = expected[i];
        const bool compressed = hive::compressible(n);
        EXPECT_EQ((b.u16(cells[i], 2) & 0x20) != 0, compressed) << hive::to_utf8(n);
        EXPECT_EQ(b.u16(cells[i], 72), compressed ? n.size() : 2 * n.size());
        EXPECT_EQ(b.u32(cells[i], 16), b.root()) << "parent";
        const std::uint32_t stored = b.u32(list, 4 + 8 * i + 4);
        EXPECT_EQ(stored, minor() >= 5 ? hive::lh_hash(n) : hive::lf_hint(n)) << hive::to_utf8(n);
        largest = std::max<std::uint32_t>(largest, static_cast<std::uint32_t>(2 * n.size()));
    }
    EXPECT_EQ(b.u32(b.root(), 52) & 0xFFFF, largest) << "largest sub-key name, in UTF-16 bytes";
}

TEST_P(RoundTrip, LargeSubkeyListsSplitIntoLeavesUnderAnIndexRoot)
{
    const std::size_t max = max_leaf();
    for (const std::size_t n : {max, max + 1, 3 * max + 5}) {
        Hive h = Hive::create(minor(), kT1);
        Key* parent = h.root().add_subkey(u"Many");
        // Added in reverse so the library, not the caller, has to order them.
        for (std::size_t i = n; i-- > 0;)
            ASSERT_NE(parent->add_subkey(hive_test::numbered(u"k", i * 7919 % 100003)), nullptr);

        std::vector<std::uint8_t> file;
        auto back = round_trip(h, kT2, &file);
        ASSERT_TRUE(back);
        const Key* many = back->root().subkey(u"Many");
        ASSERT_NE(many, nullptr);
        ASSERT_EQ(many->subkeys().size(), n);
        for (std::size_t i = 0; i < n; ++i)
            EXPECT_NE(many->subkey(hive_test::numbered(u"K", i * 7919 % 100003)), nullptr) << i;

        const HiveBytes b{file};
        const std::uint32_t nk = b.path({"Many"});
        EXPECT_EQ(b.u32(nk, 20), n);
        const std::uint32_t list = b.u32(nk, 28);
        const std::string leaf_sig = minor() >= 5 ? "lh" : "lf";
        if (n <= max) {
            EXPECT_EQ(b.signature(list), leaf_sig) << n;
        } else {
            ASSERT_EQ(b.signature(list), "ri") << n;
            std::size_t total = 0;
            for (std::uint32_t i = 0; i < b.u16(list, 2); ++i) {
                const std::uint32_t leaf = b.u32(list, 4 + 4 * i);
                EXPECT_EQ(b.signature(leaf), leaf_sig);
                EXPECT_GT(b.u16(leaf, 2), 0u);
                EXPECT_LE(b.u16(leaf, 2), max);
                total += b.u16(leaf, 2);
            }
            EXPECT_EQ(total, n);
        }
        // Strictly ascending across all leaves.
        const std::vector<std::uint32_t> cells = b.subkey_cells(nk);
        ASSERT_EQ(cells.size(), n);
        std::u16string previous;
        for (std::uint32_t c : cells) {
            const std::size_t len = b.u16(c, 72);
            std::u16string name;
            for (std::size_t i = 0; i < len; ++i)
                name += static_cast<char16_t>(b.b[4096 + c + 4 + 76 + i]);
            EXPECT_LT(hive::compare_names(previous, name), 0);
            previous = name;
        }
    }
}

TEST_P(RoundTrip, ClassNamesFlagsAndAccessBitsAreKept)
{
    Hive h = Hive::create(minor(), kT1);
    Key* k = h.root().add_subkey(u"Classy");
    hive::Access::class_name(*k) = u"Shell\u0416Class";
    hive::Access::flags(*k) = 0x0008 | 0x0004; // no-delete, and a stray root mark
    hive::Access::flags(h.root()) = 0;
    hive::Access::access_bits(*k) = 0x00000002;
    hive::Access::subkey_name_hi(*k) = 0x00120000;
    k->add_subkey(u"Child");

    std::vector<std::uint8_t> file;
    auto back = round_trip(h, kT2, &file);
    ASSERT_TRUE(back);
    Key* read = back->root().subkey(u"Classy");
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->class_name(), u"Shell\u0416Class");
    EXPECT_EQ(hive::Access::flags(*read), 0x0008);
    EXPECT_EQ(hive::Access::access_bits(*read), 0x00000002u);

    const HiveBytes b{file};
    const std::uint32_t nk = b.path({"Classy"});
    EXPECT_EQ(b.u16(nk, 2), 0x0028) << "no-delete kept, compressed name added, root mark only on the root";
    EXPECT_EQ(b.u32(nk, 52), 0x00120000u | 10u) << "high bits kept, low bits the longest sub-key name";
    EXPECT_EQ(b.u16(nk, 74), 2 * std::u16string(u"Shell\u0416Class").size());
    EXPECT_EQ(b.u32(b.root(), 56), 2 * std::u16string(u"Shell\u0416Class").size()) << "largest sub-key class";
    EXPECT_EQ(b.u16(b.root(), 2), 0x0024) << "the root is marked";

    // And again, from what was read.
    auto again = round_trip(*back, kT2 + 1);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->root().subkey(u"Classy")->class_name(), u"Shell\u0416Class");
}

TEST_P(RoundTrip, IdenticalSecurityDescriptorsShareOneCountedCell)
{
    Hive h = Hive::create(minor(), kT1);
    h.root().add_subkey(u"A")->add_subkey(u"A1");
    h.root().add_subkey(u"B");
    Key* c = h.root().add_subkey(u"C");
    Key* d = h.root().add_subkey(u"D");
    std::vector<std::uint8_t> custom = *h.root().security();
    custom[custom.size() - 1] ^= 0x01; // another SID for Everyone
    hive::Access::security(*c) = std::make_shared<const std::vector<std::uint8_t>>(custom);
    hive::Access::security(*d) = std::make_shared<const std::vector<std::uint8_t>>(custom);
    c->add_subkey(u"Inherits");

    std::vector<std::uint8_t> file;
    auto back = round_trip(h, kT2, &file);
    ASSERT_TRUE(back);
    const Key& root = back->root();
    EXPECT_EQ(root.subkey(u"C")->security(), root.subkey(u"D")->security());
    EXPECT_EQ(*root.subkey(u"C")->security(), custom);
    EXPECT_EQ(root.subkey(u"C")->subkey(u"Inherits")->security(), root.subkey(u"C")->security());
    EXPECT_EQ(root.subkey(u"A")->subkey(u"A1")->security(), root.security());

    const HiveBytes b{file};
    const std::uint32_t sk_default = b.u32(b.root(), 44);
    const std::uint32_t sk_custom = b.u32(b.path({"C"}), 44);
    EXPECT_NE(sk_default, sk_custom);
    EXPECT_EQ(b.u32(b.path({"D"}), 44), sk_custom);
    EXPECT_EQ(b.u32(b.path({"A", "A1"}), 44), sk_default);
    EXPECT_EQ(b.signature(sk_default), "sk");
    EXPECT_EQ(b.u32(sk_default, 12), 4u) << "root, A, A1, B";
    EXPECT_EQ(b.u32(sk_custom, 12), 3u) << "C, D, C\\Inherits";
    // Two cells, one circular list.
    EXPECT_EQ(b.u32(sk_default, 4), sk_custom);
    EXPECT_EQ(b.u32(sk_default, 8), sk_custom);
    EXPECT_EQ(b.u32(sk_custom, 4), sk_default);
    EXPECT_EQ(b.u32(sk_custom, 8), sk_default);
    EXPECT_EQ(b.u32(sk_custom, 16), custom.size());
}

TEST_P(RoundTrip, UntouchedKeysKeepTheirTimesAndChangedOnesTakeTheWriteTime)
{
    Hive h = Hive::create(minor(), kT1);
    for (const char16_t* n : {u"Edited", u"Parent", u"Pruned", u"Quiet"})
        h.root().add_subkey(n)->add_subkey(u"Below");
    std::vector<std::uint8_t> first_file;
    auto first = round_trip(h, kT1, &first_file);
    ASSERT_TRUE(first);
    const std::uint32_t first_sequence = HiveBytes{first_file}.header32(4);

    Key& root = first->root();
    EXPECT_FALSE(first->modified());
    root.subkey(u"Edited")->set_value(u"v", 4, {1, 0, 0, 0});
    root.subkey(u"Parent")->add_subkey(u"New");
    root.subkey(u"Pruned")->remove_subkey(u"Below");
    EXPECT_TRUE(first->modified());

    std::vector<std::uint8_t> file;
    auto second = round_trip(*first, kT2, &file);
    ASSERT_TRUE(second);
    EXPECT_FALSE(first->modified());
    const Key& r = second->root();
    EXPECT_EQ(r.last_written(), kT1);
    EXPECT_EQ(r.subkey(u"Edited")->last_written(), kT2);
    EXPECT_EQ(r.subkey(u"Edited")->subkey(u"Below")->last_written(), kT1);
    EXPECT_EQ(r.subkey(u"Parent")->last_written(), kT2);
    EXPECT_EQ(r.subkey(u"Parent")->subkey(u"New")->last_written(), kT2);
    EXPECT_EQ(r.subkey(u"Parent")->subkey(u"Below")->last_written(), kT1);
    EXPECT_EQ(r.subkey(u"Pruned")->last_written(), kT2);
    EXPECT_EQ(r.subkey(u"Quiet")->last_written(), kT1);
    EXPECT_EQ(r.subkey(u"Quiet")->subkey(u"Below")->last_written(), kT1);

    const HiveBytes b{file};
    EXPECT_EQ(b.header32(4), b.header32(8));
    EXPECT_GT(b.header32(4), first_sequence) << "never reset";
    EXPECT_EQ(b.header32(12) | std::uint64_t(b.header32(16)) << 32, kT2);
    EXPECT_EQ(b.header32(4096 + 20) | std::uint64_t(b.header32(4096 + 24)) << 32, kT2);
    EXPECT_EQ(b.header32(20), 1u);
    EXPECT_EQ(b.header32(24), minor());
}

TEST_P(RoundTrip, HeaderFieldsWeDoNotUseAreKept)
{
    Hive h = Hive::create(minor(), kT1);
    h.root().add_subkey(u"Key");
    HiveBytes b{h.serialize(kT1)};
    const std::vector<std::uint8_t> unused = pattern(4096, 9);
    auto keep_area = [](std::size_t at) {
        return (at >= 48 && at < 508) || at >= 512;
    };
    for (std::size_t at = 0; at < 4096; ++at)
        if (keep_area(at))
            b.b[at] = unused[at];
    b.set_header32(4, 41);
    b.set_header32(8, 41);
    b.fix_checksum();

    std::string error;
    auto read = Hive::parse(b.b, &error);
    ASSERT_TRUE(read) << error;
    EXPECT_TRUE(read->clean());
    read->root().subkey(u"Key")->set_value(u"x", 1, {});
    const HiveBytes out{read->serialize(kT2)};
    EXPECT_EQ(hive_test::joined(layout_problems(out.b)), "");
    for (std::size_t at = 0; at < 4096; ++at) {
        if (keep_area(at)) {
            ASSERT_EQ(out.b[at], unused[at]) << "header byte " << at;
        }
    }
    EXPECT_EQ(out.header32(4), 42u);
    EXPECT_EQ(out.header32(8), 42u);
}

TEST_P(RoundTrip, NewHiveHasARootWithAValidDefaultDescriptor)
{
    Hive h = Hive::create(minor(), kT1);
    EXPECT_FALSE(h.modified());
    EXPECT_TRUE(h.clean());
    EXPECT_EQ(h.minor_version(), minor());
    std::vector<std::uint8_t> file;
    auto back = round_trip(h, kT1, &file);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->root().name(), u"$$$PROTO.HIV");
    EXPECT_EQ(back->root().last_written(), kT1);
    EXPECT_TRUE(back->root().subkeys().empty());

    const HiveBytes b{file};
    EXPECT_EQ(b.header32(4), b.header32(8));
    EXPECT_EQ(b.u16(b.root(), 2), 0x2C);
    const std::uint32_t sk = b.u32(b.root(), 44);
    EXPECT_EQ(b.signature(sk), "sk");
    EXPECT_EQ(b.u32(sk, 4), sk);
    EXPECT_EQ(b.u32(sk, 8), sk);
    EXPECT_EQ(b.u32(sk, 12), 1u);

    // A self-relative descriptor: owner Administrators, group SYSTEM, a DACL whose ACEs fit it.
    const std::vector<std::uint8_t>& sd = *back->root().security();
    ASSERT_GE(sd.size(), 20u);
    auto at32 = [&](std::size_t at) { return sd[at] | sd[at + 1] << 8 | sd[at + 2] << 16 | sd[at + 3] << 24; };
    EXPECT_EQ(sd[0], 1);
    EXPECT_EQ((sd[2] | sd[3] << 8) & 0x8004, 0x8004) << "self-relative, DACL present";
    const std::vector<std::uint8_t> admins = {1, 2, 0, 0, 0, 0, 0, 5, 32, 0, 0, 0, 0x20, 2, 0, 0};
    const std::vector<std::uint8_t> system = {1, 1, 0, 0, 0, 0, 0, 5, 18, 0, 0, 0};
    const std::size_t owner = at32(4), group = at32(8), dacl = at32(16);
    ASSERT_LE(owner + admins.size(), sd.size());
    EXPECT_TRUE(std::equal(admins.begin(), admins.end(), sd.begin() + owner));
    ASSERT_LE(group + system.size(), sd.size());
    EXPECT_TRUE(std::equal(system.begin(), system.end(), sd.begin() + group));
    ASSERT_LE(dacl + 8, sd.size());
    const std::size_t acl_size = sd[dacl + 2] | sd[dacl + 3] << 8;
    const std::size_t aces = sd[dacl + 4] | sd[dacl + 5] << 8;
    EXPECT_EQ(dacl + acl_size, sd.size());
    std::size_t ace = dacl + 8, seen = 0;
    while (ace < dacl + acl_size && seen < aces) {
        EXPECT_EQ(sd[ace], 0) << "access allowed";
        ace += sd[ace + 2] | sd[ace + 3] << 8;
        ++seen;
    }
    EXPECT_EQ(seen, 3u);
    EXPECT_EQ(ace, dacl + acl_size);
}

INSTANTIATE_TEST_SUITE_P(Versions, RoundTrip, testing::Values(3u, 4u, 5u, 6u),
                         [](const auto& row) { return "v1_" + std::to_string(row.param); });

TEST(HeaderState, UnequalSequenceNumbersOrABadChecksumReadButAreNotClean)
{
    Hive h = Hive::create(5, kT1);
    h.root().add_subkey(u"Key");
    const std::vector<std::uint8_t> good = h.serialize(kT1);

    HiveBytes unequal{good};
    unequal.set_header32(4, unequal.header32(8) + 1);
    unequal.fix_checksum();
    HiveBytes bad_sum{good};
    bad_sum.set_header32(508, bad_sum.header32(508) ^ 0x10);

    for (const HiveBytes* b : {&unequal, &bad_sum}) {
        std::string error;
        auto read = Hive::parse(b->b, &error);
        ASSERT_TRUE(read) << error;
        EXPECT_FALSE(read->clean());
        EXPECT_NE(read->root().subkey(u"Key"), nullptr);
    }
    auto fine = Hive::parse(good);
    ASSERT_TRUE(fine);
    EXPECT_TRUE(fine->clean());
}

} // namespace
