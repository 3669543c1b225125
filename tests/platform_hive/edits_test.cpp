// Editing the key tree: lookups without regard to case, the names Windows refuses, values kept in place,
// and what counts as a change.

#include "hive_bytes.h"
#include "platform/hive/hive.h"

#include <gtest/gtest.h>

namespace {

using hive::Hive;
using hive::Key;
using hive_test::u16;

constexpr hive::FileTime kT1 = 0x01D5000000000000ull;

TEST(Edits, LookupsIgnoreCaseTheWayWindowsDoes)
{
    Hive h = Hive::create(5, kT1);
    Key& root = h.root();
    Key* software = root.add_subkey(u"Software");
    Key* strasse = root.add_subkey(u"Stra\u00DFe");
    Key* y = root.add_subkey(u"\u00FF");
    root.add_subkey(u"_Under");

    EXPECT_EQ(root.subkey(u"SOFTWARE"), software);
    EXPECT_EQ(root.subkey(u"software"), software);
    EXPECT_EQ(root.subkey(u"STRA\u00DFE"), strasse);
    EXPECT_EQ(root.subkey(u"STRASSE"), nullptr) << "sharp s does not become SS";
    EXPECT_EQ(root.subkey(u"\u0178"), y);
    EXPECT_EQ(root.subkey(u"_under")->name(), u"_Under");
    EXPECT_EQ(root.subkey(u"Softwar"), nullptr);
    EXPECT_EQ(root.subkey(u"Softwares"), nullptr);
    EXPECT_EQ(root.add_subkey(u"\u0178"), y) << "an existing key in another case";
    EXPECT_EQ(y->name(), u"\u00FF");
    const Key& const_root = root;
    EXPECT_EQ(const_root.subkey(u"SoftWare"), software);
}

TEST(Edits, NamesWindowsRefusesAreRefused)
{
    Hive h = Hive::create(5, kT1);
    Key& root = h.root();
    EXPECT_EQ(root.add_subkey(u""), nullptr);
    EXPECT_EQ(root.add_subkey(std::u16string(256, u'k')), nullptr);
    EXPECT_EQ(root.add_subkey(u"a\\b"), nullptr);
    EXPECT_FALSE(h.modified());
    EXPECT_NE(root.add_subkey(std::u16string(255, u'k')), nullptr);
    EXPECT_NE(root.add_subkey(std::u16string(u"nul\0inside", 10)), nullptr);

    EXPECT_FALSE(root.set_value(std::u16string(16384, u'v'), 1, {}));
    EXPECT_TRUE(root.set_value(std::u16string(16383, u'v'), 1, {}));
}

TEST(Edits, SetValueReplacesInPlaceAndKeepsTheStoredName)
{
    Hive h = Hive::create(5, kT1);
    Key& k = *h.root().add_subkey(u"K");
    k.set_value(u"First", 1, {1});
    k.set_value(u"Second", 4, {2, 0, 0, 0});
    k.set_value(u"Third", 3, {3});
    k.set_value(u"SECOND", 3, {9, 9});
    ASSERT_EQ(k.values().size(), 3u);
    EXPECT_EQ(k.values()[1].name, u"Second");
    EXPECT_EQ(k.values()[1].type, 3u);
    EXPECT_EQ(k.values()[1].data, (std::vector<std::uint8_t>{9, 9}));
    ASSERT_NE(k.value(u"third"), nullptr);
    EXPECT_EQ(k.value(u"third")->data, (std::vector<std::uint8_t>{3}));
    EXPECT_EQ(k.value(u"Fourth"), nullptr);

    EXPECT_TRUE(k.remove_value(u"FIRST"));
    EXPECT_FALSE(k.remove_value(u"First"));
    ASSERT_EQ(k.values().size(), 2u);
    EXPECT_EQ(k.values()[0].name, u"Second");
}

TEST(Edits, RemoveSubkeyTakesEverythingBelow)
{
    Hive h = Hive::create(5, kT1);
    Key* a = h.root().add_subkey(u"A");
    a->add_subkey(u"B")->add_subkey(u"C")->set_value(u"v", 1, {});
    h.root().add_subkey(u"Z");
    EXPECT_FALSE(h.root().remove_subkey(u"Missing"));
    EXPECT_TRUE(h.root().remove_subkey(u"a"));
    EXPECT_EQ(h.root().subkey(u"A"), nullptr);
    ASSERT_EQ(h.root().subkeys().size(), 1u);
    EXPECT_EQ(h.root().subkeys()[0]->name(), u"Z");
}

TEST(Edits, OnlyRealChangesMarkTheHiveModified)
{
    Hive h = Hive::create(5, kT1);
    EXPECT_FALSE(h.modified());
    Key* k = h.root().add_subkey(u"K");
    EXPECT_TRUE(h.modified());
    h.serialize(kT1);
    EXPECT_FALSE(h.modified());

    EXPECT_EQ(h.root().add_subkey(u"k"), k);
    h.root().subkey(u"K");
    k->value(u"x");
    EXPECT_FALSE(k->remove_value(u"x"));
    EXPECT_FALSE(h.root().remove_subkey(u"none"));
    EXPECT_FALSE(h.modified()) << "lookups and failed edits change nothing";

    struct Edit {
        const char* label;
        void (*apply)(Key&);
    };
    const Edit edits[] = {
        {"set_value", [](Key& key) { key.set_value(u"v", 4, {1, 2, 3, 4}); }},
        {"remove_value", [](Key& key) { key.remove_value(u"v"); }},
        {"add_subkey", [](Key& key) { key.add_subkey(u"Child"); }},
        {"remove_subkey", [](Key& key) { key.remove_subkey(u"Child"); }},
    };
    for (const Edit& e : edits) {
        e.apply(*k);
        EXPECT_TRUE(h.modified()) << e.label;
        h.serialize(kT1);
        EXPECT_FALSE(h.modified()) << e.label;
    }
}

TEST(Edits, AMovedHiveStillSeesItsChanges)
{
    Hive original = Hive::create(5, kT1);
    Key* k = original.root().add_subkey(u"K");
    original.serialize(kT1);
    Hive moved = std::move(original);
    k->set_value(u"v", 1, {});
    EXPECT_TRUE(moved.modified());
    Hive assigned = Hive::create(3, kT1);
    assigned = std::move(moved);
    assigned.serialize(kT1);
    k->remove_value(u"v");
    EXPECT_TRUE(assigned.modified());
}

TEST(Edits, TreeDepthStopsWhereTheReaderStops)
{
    Hive h = Hive::create(5, kT1);
    Key* k = &h.root();
    std::size_t levels = 1;
    while (Key* child = k->add_subkey(u"d")) {
        k = child;
        ++levels;
        ASSERT_LE(levels, 1000u);
    }
    EXPECT_EQ(levels, 512u);
    std::string error;
    auto back = Hive::parse(h.serialize(kT1), &error);
    ASSERT_TRUE(back) << error;
    const Key* deepest = &back->root();
    for (std::size_t i = 1; i < levels; ++i) {
        deepest = deepest->subkey(u"D");
        ASSERT_NE(deepest, nullptr) << i;
    }
    EXPECT_TRUE(deepest->subkeys().empty());
}

} // namespace
