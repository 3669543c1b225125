// Windows' name rules: upper-casing, sub-key order, the lh hash and the lf hint.

#include "platform/hive/hive.h"
#include "platform/hive/names.h"

#include <gtest/gtest.h>

namespace {

struct UpcaseCase {
    const char* label;
    char16_t in;
    char16_t out;
};

class Upcase : public testing::TestWithParam<UpcaseCase> {};

TEST_P(Upcase, MapsAsWindowsDoes)
{
    EXPECT_EQ(int(hive::upcase(GetParam().in)), int(GetParam().out));
}

INSTANTIATE_TEST_SUITE_P(Table, Upcase,
                         testing::Values(UpcaseCase{"ascii", u'q', u'Q'}, UpcaseCase{"upper_stays", u'Q', u'Q'},
                                         UpcaseCase{"underscore_stays", u'_', u'_'},
                                         UpcaseCase{"digit_stays", u'7', u'7'},
                                         UpcaseCase{"e_acute", u'\u00E9', u'\u00C9'},
                                         UpcaseCase{"y_diaeresis_leaves_latin1", u'\u00FF', u'\u0178'},
                                         UpcaseCase{"sharp_s_stays", u'\u00DF', u'\u00DF'},
                                         UpcaseCase{"micro_sign", u'\u00B5', u'\u039C'},
                                         UpcaseCase{"cyrillic", u'\u0436', u'\u0416'},
                                         UpcaseCase{"greek_final_sigma", u'\u03C2', u'\u03A3'},
                                         UpcaseCase{"iota_subscript", u'\u1F80', u'\u1F88'},
                                         UpcaseCase{"fullwidth", u'\uFF41', u'\uFF21'},
                                         UpcaseCase{"surrogate_stays", u'\xD801', u'\xD801'}),
                         [](const auto& row) { return std::string(row.param.label); });

struct OrderCase {
    const char* label;
    std::u16string a;
    std::u16string b;
    int sign; // of compare_names(a, b)
};

class Order : public testing::TestWithParam<OrderCase> {};

TEST_P(Order, ComparesUpperCasedUnits)
{
    const auto& c = GetParam();
    const int r = hive::compare_names(c.a, c.b);
    EXPECT_EQ((r > 0) - (r < 0), c.sign);
    const int back = hive::compare_names(c.b, c.a);
    EXPECT_EQ((back > 0) - (back < 0), -c.sign);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Order,
    testing::Values(OrderCase{"case_blind", u"Software", u"SOFTWARE", 0},
                    OrderCase{"letters_before_underscore", u"Zebra", u"_first", -1},
                    OrderCase{"lower_letters_before_underscore", u"zebra", u"_first", -1},
                    OrderCase{"prefix_first", u"Run", u"RunOnce", -1},
                    OrderCase{"digits_before_letters", u"9", u"a", -1},
                    OrderCase{"y_diaeresis_equals_its_capital", u"\u00FF", u"\u0178", 0},
                    OrderCase{"y_diaeresis_after_z", u"\u00FF", u"z", 1},
                    OrderCase{"sharp_s_is_not_ss", u"stra\u00DFe", u"STRASSE", 1},
                    OrderCase{"surrogates_sort_below_high_bmp", u"\uFF21", u"\U00010400", 1},
                    OrderCase{"empty_first", u"", u"a", -1}),
    [](const auto& row) { return std::string(row.param.label); });

TEST(Names, LhHashUsesUpperCasedUtf16Units)
{
    EXPECT_EQ(hive::lh_hash(u""), 0u);
    EXPECT_EQ(hive::lh_hash(u"ab"), 37u * 'A' + 'B');
    EXPECT_EQ(hive::lh_hash(u"ab"), hive::lh_hash(u"AB"));
    // One unit 0xC4, not the two UTF-8 bytes of "ä".
    EXPECT_EQ(hive::lh_hash(u"\u00E4"), 0xC4u);
    // Wraps modulo 2^32.
    std::uint32_t h = 0;
    for (char16_t c : std::u16string(u"ABCDEFGHIJKLMNOP"))
        h = 37 * h + c;
    EXPECT_EQ(hive::lh_hash(u"abcdefghijklmnop"), h);
}

TEST(Names, LfHintIsFirstFourCharactersAsLatin1)
{
    EXPECT_EQ(hive::lf_hint(u"Software"), 0x74666F53u); // "Soft", case kept
    EXPECT_EQ(hive::lf_hint(u"ab"), 0x00006261u);
    EXPECT_EQ(hive::lf_hint(u"\u00E9t\u00E9"), 0x00E974E9u);
    // Windows gives up at a character beyond Latin-1; those before it stay zero.
    EXPECT_EQ(hive::lf_hint(u"a\u0416bc"), 0x63620000u);
}

TEST(Names, CompressedExactlyWhenEveryUnitFitsAByte)
{
    EXPECT_TRUE(hive::compressible(u"Caf\u00E9\u00FF"));
    EXPECT_FALSE(hive::compressible(u"\u0178"));
    EXPECT_EQ(hive::stored_name_size(u"Caf\u00E9"), 4u);
    EXPECT_EQ(hive::stored_name_size(u"\u0416a"), 4u);
}

} // namespace
