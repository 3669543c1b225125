// The Language menu: the "Country" value under the program key and the message of the running language.

#include "tests/mainwindow_texts/main_window.h"

#include "controls/menu.h"
#include "platform/registry.h"

#include <gtest/gtest.h>

namespace {

using mainwindow::MainForm;

const QString program_key = QStringLiteral("Software\\Brekund\\G2002");

struct Row {
    const char* name;
    bool english_item; // mm42, else mm41
    int language;
    const char* value;
    int style;
    const char* title;
    const char* text;
};

void PrintTo(const Row& r, std::ostream* os) { *os << r.name; }

class LanguageMenu : public ::testing::TestWithParam<Row> {};

TEST_P(LanguageMenu, WritesCountryAndTells)
{
    const Row& r = GetParam();
    main_window::Window window{r.language};
    MainForm& form = window.form;
    // The menu is hidden, so the items are run as the program's code would run them.
    (r.english_item ? form.mm42 : form.mm41).onClick();

    platform::Variant value;
    ASSERT_EQ(platform::REG_QueryValueRaw(window.program.registry(), platform::HKEY_LOCAL_MACHINE, program_key,
                                          QStringLiteral("Country"), value),
              0);
    EXPECT_TRUE(value.is_text());
    EXPECT_EQ(platform::trim_null(value), QLatin1String(r.value));

    const auto& shown = window.program.ui().messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].style, r.style);
    EXPECT_EQ(shown[0].title, QString::fromUtf8(r.title));
    EXPECT_EQ(shown[0].text, QString::fromUtf8(r.text));
    // The running texts stay as they are.
    EXPECT_EQ(form.mm1.caption(), r.language == 0 ? QStringLiteral("&Datei") : QStringLiteral("&File"));
}

INSTANTIATE_TEST_SUITE_P(
    Items, LanguageMenu,
    ::testing::Values(
        Row{"GermanItemEnglish", false, 1, "0", 16, "Language German...",
            "Language was set to german.\r\nYou need to restart the program to set this changes."},
        Row{"EnglishItemEnglish", true, 1, "1", 16, "Language English...",
            "Language was set to English.\r\nYou need to restart the program to set this changes."},
        Row{"GermanItemGerman", false, 0, "0", 64, "Deutsch...",
            "Sprache wurde auf Deutsch gesetzt.\r\nDie Einstellungen werden erst nach Neustart des Programms "
            "geändert."},
        Row{"EnglishItemGerman", true, 0, "1", 64, "Englisch...",
            "Sprache wurde auf Englisch gesetzt.\r\nDie Einstellungen werden erst nach Neustart des Programms "
            "geändert."}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(LanguageMenuHidden, NotOfferedToTheUser)
{
    main_window::Window window{1};
    EXPECT_FALSE(window.form.mm4.visible());
    window.form.mm42.userClick();
    EXPECT_TRUE(window.program.ui().messages().empty());
}

// Without the program key nothing is written and nothing is created, but the message comes all the same.
TEST(LanguageMenuHidden, MissingProgramKey)
{
    main_window::Window window{1};
    platform::Registry& registry = window.program.registry();
    platform::REG_DeleteKey(registry, platform::HKEY_LOCAL_MACHINE, program_key);
    platform::Variant value;
    ASSERT_NE(platform::REG_QueryValueRaw(registry, platform::HKEY_LOCAL_MACHINE, program_key,
                                          QStringLiteral("Country"), value),
              0);
    window.form.mm41.onClick();
    EXPECT_NE(platform::REG_QueryValueRaw(registry, platform::HKEY_LOCAL_MACHINE, program_key,
                                          QStringLiteral("Country"), value),
              0);
    ASSERT_EQ(window.program.ui().messages().size(), 1u);
    EXPECT_EQ(window.program.ui().messages()[0].title, QStringLiteral("Language German..."));
}

} // namespace
