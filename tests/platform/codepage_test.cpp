#include "platform/codepage.h"

#include <gtest/gtest.h>

TEST(Codepage, Windows1252BothWays)
{
    const QString text = QString::fromUtf8("aÄß€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ\u00A0ÿ");
    const QByteArray bytes = platform::to_cp1252(text);
    EXPECT_EQ(bytes, QByteArray("a\xC4\xDF\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E\x91\x92\x93\x94\x95\x96"
                                "\x97\x98\x99\x9A\x9B\x9C\x9E\x9F\xA0\xFF"));
    EXPECT_EQ(platform::from_cp1252(bytes), text);
    // The five free bytes come back unchanged; what the code page lacks becomes "?".
    const QByteArray free_bytes("\x81\x8D\x8F\x90\x9D");
    EXPECT_EQ(platform::to_cp1252(platform::from_cp1252(free_bytes)), free_bytes);
    EXPECT_EQ(platform::to_cp1252(QString::fromUtf8("Ω😀x")), "??x");
}
