#include "platform/registry.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

struct TrimRow {
    const char* name;
    QString text;
    QString trimmed;
};
void PrintTo(const TrimRow& row, std::ostream* out) { *out << row.name; }

class TrimNull : public testing::TestWithParam<TrimRow> {};

TEST_P(TrimNull, DropsBlanksThenOneNul)
{
    EXPECT_EQ(trim_null(GetParam().text), GetParam().trimmed);
}

const QChar nul(u'\0');

INSTANTIATE_TEST_SUITE_P(
    Rows, TrimNull,
    testing::Values(TrimRow{"read_text", QString("1") + nul + " ", "1"}, TrimRow{"empty", "", ""},
                    TrimRow{"empty_read_text", QString(nul) + " ", ""}, TrimRow{"blank_only", "   ", ""},
                    TrimRow{"stored_blanks_survive_behind", QString("  ab  ") + nul + " ", "ab  "},
                    TrimRow{"only_one_nul", QString("a") + nul + nul, QString("a") + nul},
                    TrimRow{"nul_not_last", QString("a") + nul + "b", QString("a") + nul + "b"},
                    TrimRow{"tabs_stay", "\ta\t", "\ta\t"}, TrimRow{"no_nul", " x ", "x"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(VariantText, EmptyIntegerAndText)
{
    EXPECT_EQ(Variant().to_text(), "");
    EXPECT_EQ(Variant(std::int32_t{1}).to_text(), "1");
    EXPECT_EQ(Variant(std::int32_t{-1}).to_text(), "-1");
    EXPECT_EQ(Variant(QString("a")).to_text(), "a");
    EXPECT_EQ(trim_null(Variant(std::int32_t{-1})), "-1");
}

} // namespace
} // namespace platform
