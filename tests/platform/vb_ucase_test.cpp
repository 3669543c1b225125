#include "platform/vb_ucase.h"

#include <gtest/gtest.h>

namespace {

TEST(VbUcase, EachUnitToItsOneUpperCaseUnit)
{
    const struct {
        const char* name;
        QString in;
        QString out;
    } rows[] = {
        {"letters and digits", "Winword2.exe", "WINWORD2.EXE"},
        {"empty", "", ""},
        {"umlauts", "äöü", "ÄÖÜ"},
        {"sharp s has no single upper case", "straße.exe", "STRAßE.EXE"},
        {"y with diaeresis leaves Latin-1", "ÿ", "Ÿ"},
        {"n preceded by apostrophe stays", "ŉ", "ŉ"},
        {"fi ligature stays", "ﬁle", "ﬁLE"},
        {"dotless i", "ı", "I"},
        {"greek final sigma", "ς", "Σ"},
        {"surrogate pair stays", QString::fromUcs4(U"\U00010428"), QString::fromUcs4(U"\U00010428")},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(platform::vb_ucase(r.in), r.out) << r.name;
        EXPECT_EQ(platform::vb_ucase(r.in).size(), r.in.size()) << r.name;
    }
}

} // namespace
