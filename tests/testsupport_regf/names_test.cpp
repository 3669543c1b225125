// Windows' upper-casing decides order and hashes; the C locale would get these wrong.
#include "testsupport/regf/names.h"

#include <gtest/gtest.h>

namespace {

using regf_checks::compare_names;
using regf_checks::lh_hash;
using regf_checks::upcase;

TEST(Upcase, FollowsTheWindowsTableNotTheCLocale)
{
    struct Row {
        char16_t in, out;
    };
    const Row rows[] = {
        {u'a', u'A'},     {u'z', u'Z'},     {u'A', u'A'},     {u'_', u'_'},     {u'1', u'1'},
        {0x00E9, 0x00C9}, // é
        {0x00FF, 0x0178}, // ÿ leaves Latin-1
        {0x00DF, 0x00DF}, // ß has no one-unit upper case
        {0x03C3, 0x03A3}, {0x03C2, 0x03A3}, // both sigmas
        {0x0131, u'I'},   // dotless i
        {0x0430, 0x0410}, // Cyrillic a
        {0xD800, 0xD800}, // a lone surrogate stays
    };
    for (const auto& r : rows)
        EXPECT_EQ(upcase(r.in), r.out) << "U+" << std::hex << int(r.in);
}

TEST(CompareNames, OrdersByUpperCasedUnits)
{
    EXPECT_LT(compare_names(u"a", u"B"), 0) << "bytes would put 'a' after 'B'";
    EXPECT_LT(compare_names(u"Zebra", u"_x"), 0) << "'_' sorts after the letters";
    EXPECT_LT(compare_names(u"AB", u"abc"), 0) << "a prefix sorts first";
    EXPECT_EQ(compare_names(u"Software", u"SOFTWARE"), 0);
    EXPECT_GT(compare_names(u"\u00FF", u"Z"), 0);
    EXPECT_NE(compare_names(u"Stra\u00DFe", u"STRASSE"), 0);
}

TEST(LhHash, HashesUpperCasedUtf16Units)
{
    EXPECT_EQ(lh_hash(u""), 0u);
    EXPECT_EQ(lh_hash(u"Software"), 0xE9FE1463u);
    EXPECT_EQ(lh_hash(u"software"), 0xE9FE1463u);
    EXPECT_EQ(lh_hash(u"Microsoft"), 0x7F00CD26u);
    EXPECT_EQ(lh_hash(u"\u00FF"), 0x178u);
    EXPECT_EQ(lh_hash(u"Stra\u00DFe"), 0x60B1BF06u);
    EXPECT_EQ(lh_hash(u"a_b"), 0x16996u);
}

} // namespace
