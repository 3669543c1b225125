#include "platform/command_line.h"

#include <gtest/gtest.h>

struct ArgvRow {
    const char* name;
    const char* line;
    std::vector<const char*> argv;
};

// Rows print by name in test listings.
void PrintTo(const ArgvRow& row, std::ostream* os) { *os << row.name; }

class CommandLineToArgv : public testing::TestWithParam<ArgvRow> {};

TEST_P(CommandLineToArgv, Splits)
{
    QStringList expected;
    for (const char* a : GetParam().argv)
        expected.push_back(QString::fromLatin1(a));
    EXPECT_EQ(platform::command_line_to_argv(QString::fromLatin1(GetParam().line)), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLineToArgv,
    testing::Values(
        ArgvRow{"Empty", "", {}},
        ArgvRow{"ProgramOnly", "regg.exe", {"regg.exe"}},
        ArgvRow{"HelperLoad", R"("C:\Tools\regg.exe" load "C:\Profiles\pupil\NTUSER.DAT" HKU\pupil)",
                {R"(C:\Tools\regg.exe)", "load", R"(C:\Profiles\pupil\NTUSER.DAT)", R"(HKU\pupil)"}},
        ArgvRow{"BlanksAndTabs", "a  b\t\tc ", {"a", "b", "c"}},
        ArgvRow{"QuotedBlank", R"(p "hello there.txt")", {"p", "hello there.txt"}},
        ArgvRow{"BackslashesAlone", R"(p C:\a\\b\)", {"p", R"(C:\a\\b\)"}},
        ArgvRow{"EscapedQuote", R"(p "hello\"there")", {"p", R"(hello"there)"}},
        ArgvRow{"TwoBackslashesBeforeQuote", R"(p "hello\\")", {"p", R"(hello\)"}},
        ArgvRow{"ThreeBackslashesBeforeQuote", R"(p a\\\"b)", {"p", R"(a\"b)"}},
        ArgvRow{"FourBackslashesBeforeQuote", R"(p "a\\\\" b)", {"p", R"(a\\)", "b"}},
        ArgvRow{"QuotesJoinParts", R"(p a"b c"d)", {"p", "ab cd"}},
        ArgvRow{"EmptyQuotedArgument", R"(p "" x)", {"p", "", "x"}},
        ArgvRow{"DoubledQuoteInsideQuotes", R"(p "a""b c")", {"p", R"(a"b)", "c"}},
        ArgvRow{"TripleQuote", R"(p """a""")", {"p", R"("a")"}},
        ArgvRow{"UnclosedQuote", R"(p "a b)", {"p", "a b"}},
        // The program name follows rules of its own.
        ArgvRow{"ProgramQuotedWithBackslashQuote", R"("C:\dir\"x y)", {R"(C:\dir\)", "x", "y"}},
        ArgvRow{"ProgramQuotedThenText", R"("a b"c d)", {"a b", "c", "d"}},
        ArgvRow{"ProgramUnquotedKeepsQuotes", R"(a"b c)", {R"(a"b)", "c"}},
        ArgvRow{"ProgramUnclosedQuote", R"("C:\Program Files\x)", {R"(C:\Program Files\x)"}},
        ArgvRow{"LeadingBlankGivesEmptyProgram", " x y", {"", "x", "y"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CommandLine, ProgramNameEndsAtAnyControlCharacter)
{
    EXPECT_EQ(platform::command_line_to_argv(QString("a\nb c")), QStringList({"a", "\nb", "c"}));
}

struct AfterRow {
    const char* name;
    const char* arguments;
    int count;
    const char* rest;
};

void PrintTo(const AfterRow& row, std::ostream* os) { *os << row.name; }

class TextAfterArguments : public testing::TestWithParam<AfterRow> {};

TEST_P(TextAfterArguments, KeepsTheRestAsWritten)
{
    EXPECT_EQ(platform::text_after_arguments(QString::fromLatin1(GetParam().arguments), GetParam().count),
              QString::fromLatin1(GetParam().rest));
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextAfterArguments,
    testing::Values(
        AfterRow{"HelperLoad", R"( load "C:\Documents and Settings\John Smith\NTUSER.DAT" HKU\John Smith)", 2,
                 R"(HKU\John Smith)"},
        AfterRow{"HelperUnload", R"( unload HKU\John Smith)", 1, R"(HKU\John Smith)"},
        AfterRow{"BlanksInsideAndAtTheEndKept", "a\t b  c\t", 1, "b  c\t"},
        AfterRow{"QuotesKept", R"(a "b c" d)", 1, R"("b c" d)"},
        AfterRow{"NoneSkipped", "  a b", 0, "a b"},
        AfterRow{"NothingMore", "a b  ", 2, ""},
        AfterRow{"FewerThanCounted", "a", 3, ""}),
    [](const auto& row) { return std::string(row.param.name); });
