#include "platform/ui_services.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using platform::Answer;
using platform::MessageIcon;

struct StyleCase {
    int style;
    MessageIcon icon;
    std::vector<Answer> buttons;
    Answer defaultAnswer;
};

class MessageStyle : public testing::TestWithParam<StyleCase> {};

TEST_P(MessageStyle, DecodesIconButtonsAndDefault)
{
    const StyleCase& c = GetParam();
    const platform::MessageStyle s = platform::decodeMessageStyle(c.style);
    EXPECT_EQ(s.icon, c.icon);
    ASSERT_EQ(s.buttonCount, static_cast<int>(c.buttons.size()));
    for (std::size_t i = 0; i < c.buttons.size(); ++i)
        EXPECT_EQ(s.buttons[i], c.buttons[i]) << i;
    EXPECT_EQ(s.defaultAnswer(), c.defaultAnswer);
}

INSTANTIATE_TEST_SUITE_P(
    ProgramStyles, MessageStyle,
    testing::Values(StyleCase{0, MessageIcon::None, {Answer::Ok}, Answer::Ok},
                    StyleCase{16, MessageIcon::Critical, {Answer::Ok}, Answer::Ok},
                    StyleCase{48, MessageIcon::Exclamation, {Answer::Ok}, Answer::Ok},
                    StyleCase{64, MessageIcon::Information, {Answer::Ok}, Answer::Ok},
                    StyleCase{50, MessageIcon::Exclamation, {Answer::Abort, Answer::Retry, Answer::Ignore}, Answer::Abort},
                    StyleCase{52, MessageIcon::Exclamation, {Answer::Yes, Answer::No}, Answer::Yes},
                    StyleCase{276, MessageIcon::Critical, {Answer::Yes, Answer::No}, Answer::No},
                    StyleCase{292, MessageIcon::Question, {Answer::Yes, Answer::No}, Answer::No},
                    StyleCase{308, MessageIcon::Exclamation, {Answer::Yes, Answer::No}, Answer::No},
                    // A default button beyond the buttons falls back to the first.
                    StyleCase{512 + 4, MessageIcon::None, {Answer::Yes, Answer::No}, Answer::Yes}),
    [](const auto& row) { return "style" + std::to_string(row.param.style); });

} // namespace
