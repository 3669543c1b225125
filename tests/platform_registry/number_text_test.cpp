#include "platform/registry/number_text.h"

#include <gtest/gtest.h>

#include <optional>

namespace platform {
namespace {

struct ValRow {
    const char* name;
    const char16_t* text;
    std::optional<double> number;
};
void PrintTo(const ValRow& row, std::ostream* out) { *out << row.name; }

class ValOfText : public testing::TestWithParam<ValRow> {};

TEST_P(ValOfText, ReadsTheNumberAtTheStart)
{
    const ValRow& row = GetParam();
    EXPECT_EQ(val_of_text(QString::fromUtf16(row.text)), row.number) << "text: " << QString::fromUtf16(row.text).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ValOfText,
    testing::Values(ValRow{"plain", u"1", 1.0}, ValRow{"zero", u"0", 0.0}, ValRow{"leading_blank", u" 5", 5.0},
                    ValRow{"leading_blank_zero", u" 0", 0.0}, ValRow{"empty", u"", 0.0}, ValRow{"letter_first", u"a1", 0.0},
                    ValRow{"trailing_letters", u"12abc", 12.0}, ValRow{"blanks_inside", u" 1 2 3", 123.0},
                    ValRow{"tab_and_line_feed", u"\t4\n2", 42.0}, ValRow{"carriage_return_stops", u"4\r2", 4.0},
                    ValRow{"fraction", u"1.5", 1.5}, ValRow{"leading_point", u".25", 0.25},
                    ValRow{"negative", u"-7", -7.0}, ValRow{"plus", u"+7", 7.0}, ValRow{"sign_alone", u"-", 0.0},
                    ValRow{"comma_is_no_decimal", u"1,5", 1.0}, ValRow{"exponent", u"2E3", 2000.0},
                    ValRow{"d_exponent", u"1d2", 100.0}, ValRow{"exponent_without_digits", u"3e", 3.0},
                    ValRow{"hex", u"&H10", 16.0}, ValRow{"hex_16_bit_signed", u"&HFFFF", -1.0},
                    ValRow{"hex_32_bit", u"&H10000", 65536.0}, ValRow{"hex_32_bit_signed", u"&HFFFFFFFF", -1.0},
                    ValRow{"hex_too_long", u"&H100000000", std::nullopt}, ValRow{"octal", u"&O17", 15.0},
                    ValRow{"ampersand_alone", u"&", 0.0}, ValRow{"ampersand_other", u"&X1", 0.0},
                    ValRow{"overflow", u"1e999", std::nullopt}, ValRow{"underflow", u"1e-999", 0.0},
                    ValRow{"non_ascii_stops", u"7\u00e48", 7.0}),
    [](const auto& row) { return std::string(row.param.name); });

struct RoundRow {
    const char* name;
    double number;
    std::optional<std::int32_t> whole;
};
void PrintTo(const RoundRow& row, std::ostream* out) { *out << row.name; }

class RoundToInt32 : public testing::TestWithParam<RoundRow> {};

TEST_P(RoundToInt32, RoundsHalvesToEven)
{
    EXPECT_EQ(round_to_int32(GetParam().number), GetParam().whole);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RoundToInt32,
    testing::Values(RoundRow{"half_up_to_even", 1.5, 2}, RoundRow{"half_down_to_even", 2.5, 2},
                    RoundRow{"below_half", 2.49, 2}, RoundRow{"above_half", 2.51, 3},
                    RoundRow{"negative_half", -2.5, -2}, RoundRow{"negative_odd_half", -3.5, -4},
                    RoundRow{"largest", 2147483647.0, 2147483647}, RoundRow{"smallest", -2147483648.0, -2147483647 - 1},
                    RoundRow{"rounds_past_largest", 2147483647.5, std::nullopt},
                    RoundRow{"rounds_to_smallest", -2147483648.5, -2147483647 - 1},
                    RoundRow{"beyond_smallest", -2147483649.0, std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace platform
