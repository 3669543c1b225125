#include "startup/code_page_text.h"
#include "startup/pw_scramble.h"
#include "startup_fixture.h"

#include <gtest/gtest.h>

namespace {

using startup::pw_scramble;

const QString key = QStringLiteral("6190");

struct RoundTrip {
    const char* name;
    QString password;
};

class ScrambleRoundTrip : public testing::TestWithParam<RoundTrip> {};

TEST_P(ScrambleRoundTrip, TwiceGivesThePasswordBack)
{
    const QString once = pw_scramble(GetParam().password, key);
    EXPECT_NE(once, GetParam().password);
    EXPECT_EQ(pw_scramble(once, key), GetParam().password);
    EXPECT_EQ(once.size(), GetParam().password.size()) << "no character may be lost";
}

INSTANTIATE_TEST_SUITE_P(
    Passwords, ScrambleRoundTrip,
    testing::Values(RoundTrip{"letters", QStringLiteral("Geheim")},
                    // Each key digit at its own position scrambles to code 0.
                    RoundTrip{"key_digits_in_place", QStringLiteral("6190x6190")},
                    RoundTrip{"blanks_inside", QStringLiteral("ab cd e")},
                    RoundTrip{"umlauts_and_euro", QStringLiteral("Grüße€ß")},
                    // Scrambles into the codes the code page leaves free (81 and 8D).
                    RoundTrip{"codes_the_page_leaves_free", QString::fromUtf8("\u00B7\u00BC\u00B4")},
                    RoundTrip{"longer_than_the_key_many_times", QStringLiteral("abcdefghijklmnopqrst")}),
    startup_tests::RowName());

TEST(Scramble, StoredFormIsTheCodeXorTheRepeatedKey)
{
    // a^6 = W, b^1 = S, c^9 = Z, d^0 = T, and the key starts again: e^6 = S.
    EXPECT_EQ(pw_scramble(QStringLiteral("abcde"), key), QStringLiteral("WSZTS"));
    const QString zeros = pw_scramble(QStringLiteral("6190"), key);
    EXPECT_EQ(zeros, QString(4, QChar(u'\0')));
}

TEST(Scramble, BlanksAtTheEndsOfThePasswordScrambleToOtherCodesAndStay)
{
    // So " ab " and "ab" are different passwords; only the unscrambled text loses them to the trim.
    EXPECT_EQ(pw_scramble(QStringLiteral(" ab "), key).size(), 4);
    EXPECT_NE(pw_scramble(QStringLiteral(" ab "), key), pw_scramble(QStringLiteral("ab"), key));
}

TEST(Scramble, BlanksAtTheEndsOfTheResultAreTrimmed)
{
    // 0x16 ^ '6' is a blank: trimmed at the start; inside the text it stays.
    const QString lead = QString(QChar(0x16)) + QStringLiteral("bc");
    EXPECT_EQ(pw_scramble(lead, key), QStringLiteral("SZ"));
    const QString inner = QStringLiteral("a") + QChar(0x11) + QStringLiteral("c");
    EXPECT_EQ(pw_scramble(inner, key), QStringLiteral("W Z"));
}

TEST(Scramble, CharacterOutsideTheCodePageCountsAsQuestionMark)
{
    EXPECT_EQ(pw_scramble(QString::fromUtf8("\u03A9bcde"), key), pw_scramble(QStringLiteral("?bcde"), key));
}

TEST(CodePageText, DropsOnlyCharactersTheCodePageLacks)
{
    EXPECT_EQ(startup::code_page_characters(QString::fromUtf8("a\u03A9ü€\U0001F600z")), QStringLiteral("aü€z"));
    EXPECT_EQ(startup::code_page_characters(QStringLiteral("plain ?")), QStringLiteral("plain ?"));
}

} // namespace
