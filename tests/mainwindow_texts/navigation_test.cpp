// The list bar, the tab change and the Window menu: which tab shows, the help context, the title and help
// labels, and that the window comes forward.

#include "tests/mainwindow_texts/main_window.h"

#include "controls/menu.h"

#include <gtest/gtest.h>

namespace {

using mainwindow::MainForm;

const char* const english_titles[] = {"Start",       "Control Panel", "Desktop",  "Restrict EXEs", "Hide Drives",
                                      "Net/Printer", "IE Explorer",   "Misc.",    "Settings",      "Help"};
const char* const german_titles[] = {"Startmenü",    "Sys-Steuerung", "Desktop",  "Zensur",        "Laufwerke",
                                     "Netz/Drucker", "IE Explorer",   "Diverses", "Einstellungen", "Hilfe"};

// Counts the times the window was brought forward (show() on a shown window).
struct Raises {
    explicit Raises(controls::Form& form)
    {
        form.observe([this](controls::FormEvent e) {
            if (e == controls::FormEvent::Raised || e == controls::FormEvent::Shown)
                ++count;
        });
    }
    int count = 0;
};

TEST(ListBar, BuiltForEachLanguage)
{
    for (const int language : {1, 0}) {
        main_window::Window window{language};
        const MainForm& form = window.form;
        const controls::ListBar& bar = form.SSListBar1;
        ASSERT_EQ(bar.groupCount(), 1);
        EXPECT_EQ(bar.group(1).caption,
                  language == 1 ? QStringLiteral("Restrictions") : QStringLiteral("Einschränkungen"));
        ASSERT_EQ(bar.group(1).items.size(), 10u);
        for (int i = 1; i <= 10; ++i) {
            const QString title = QString::fromUtf8(language == 1 ? english_titles[i - 1] : german_titles[i - 1]);
            EXPECT_EQ(form.tab_titles[static_cast<std::size_t>(i)], title) << i;
            const controls::ListBarItem& item = bar.item(1, i);
            EXPECT_EQ(item.key, QStringLiteral("L %1").arg(i));
            EXPECT_EQ(item.text, title);
            EXPECT_EQ(item.pictureKey, QStringLiteral("PicKey %1").arg(i));
            const controls::Picture* picture = bar.picture(item.pictureKey);
            ASSERT_NE(picture, nullptr) << i;
            EXPECT_EQ(picture->format, controls::PictureFormat::Bitmap);
            EXPECT_EQ(controls::recogniseFormat(picture->data), controls::PictureFormat::Bitmap);
        }
        // Each item has a picture of its own.
        for (int i = 2; i <= 10; ++i)
            EXPECT_NE(bar.picture(bar.item(1, i).pictureKey)->data, bar.picture(bar.item(1, i - 1).pictureKey)->data);
    }
}

struct TabRow {
    int tab;
    const char* english_help_start;
};

void PrintTo(const TabRow& r, std::ostream* os) { *os << "tab " << r.tab; }

class TabChange : public ::testing::TestWithParam<TabRow> {};

// Selecting a tab from code runs the change: help context 10 + tab, the tab's title and help text.
TEST_P(TabChange, SetsContextTitleAndHelp)
{
    const int k = GetParam().tab;
    for (const int language : {1, 0}) {
        main_window::Window window{language};
        MainForm& form = window.form;
        form.tab.setTab(k == 0 ? 1 : 0); // so that selecting k is a change
        form.tab.setTab(k);
        EXPECT_EQ(form.helpContextId(), 10 + k);
        const auto element = static_cast<std::size_t>(k + 1);
        EXPECT_EQ(form.l01.caption(),
                  QString::fromUtf8(language == 1 ? english_titles[k] : german_titles[k]));
        EXPECT_EQ(form.l02.caption(), form.tab_help_texts[element]);
        if (language == 1) {
            EXPECT_TRUE(form.l02.caption().startsWith(QLatin1String(GetParam().english_help_start)))
                << qPrintable(form.l02.caption());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Tabs, TabChange,
                         ::testing::Values(TabRow{0, "Restrict your Startmenu"}, TabRow{1, "Restrict your Control"},
                                           TabRow{2, "Changing settings"}, TabRow{3, "Restrict the availability"},
                                           TabRow{4, "Hide drives"}, TabRow{5, "More Security"},
                                           TabRow{6, "Restrict your Inter Explorer"}, TabRow{7, "Misc. Restrictions"},
                                           TabRow{8, "General settings"}),
                         [](const auto& row) { return "Tab" + std::to_string(row.param.tab); });

// Before any change the labels keep what the load gives them; the user's click on a tab runs the change too.
TEST(TabChange, UserClickOnATab)
{
    main_window::Window window{1};
    MainForm& form = window.form;
    EXPECT_EQ(form.l01.caption(), QStringLiteral("Start"));
    form.tab.userSelect(3);
    EXPECT_EQ(form.helpContextId(), 13);
    EXPECT_EQ(form.l01.caption(), QStringLiteral("Restrict EXEs"));
}

TEST(ListBarClick, ItemSelectsItsTabAndShowsTheWindow)
{
    main_window::Window window{1};
    MainForm& form = window.form;
    Raises raises(form);
    form.SSListBar1.userClickItem(1, 5);
    EXPECT_EQ(form.tab.tab(), 4);
    EXPECT_EQ(form.helpContextId(), 14);
    EXPECT_EQ(form.l01.caption(), QStringLiteral("Hide Drives"));
    EXPECT_EQ(form.l02.caption(), form.tab_help_texts[5]);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(raises.count, 1);
}

// The item of the tab already shown sets the title again and raises no tab change.
TEST(ListBarClick, ItemOfTheShownTab)
{
    main_window::Window window{0};
    MainForm& form = window.form;
    form.setHelpContextId(99);
    form.l02.setCaption(QStringLiteral("unchanged"));
    form.SSListBar1.userClickItem(1, 1);
    EXPECT_EQ(form.tab.tab(), 0);
    EXPECT_EQ(form.l01.caption(), QStringLiteral("Startmenü"));
    EXPECT_EQ(form.l02.caption(), QStringLiteral("unchanged"));
    EXPECT_EQ(form.helpContextId(), 99);
}

// The help item opens help only: tab, labels and help context stay.
TEST(ListBarClick, HelpItemChangesNothingOnTheWindow)
{
    main_window::Window window{1};
    MainForm& form = window.form;
    form.tab.setTab(2);
    const QString title = form.l01.caption();
    const QString help = form.l02.caption();
    form.SSListBar1.userClickItem(1, 10);
    EXPECT_EQ(form.tab.tab(), 2);
    EXPECT_EQ(form.l01.caption(), title);
    EXPECT_EQ(form.l02.caption(), help);
    EXPECT_EQ(form.helpContextId(), 12);
    EXPECT_TRUE(window.program.ui().messages().empty());
}

TEST(WindowMenu, EachItemSelectsItsTab)
{
    main_window::Window window{1};
    MainForm& form = window.form;
    controls::Menu* items[] = {&form.mm31, &form.mm32, &form.mm33, &form.mm34, &form.mm35,
                               &form.mm36, &form.mm37, &form.mm38, &form.mm39};
    // Backwards, so that every choice is a change.
    for (int k = 8; k >= 0; --k) {
        items[k]->userClick();
        EXPECT_EQ(form.tab.tab(), k);
        EXPECT_EQ(form.helpContextId(), 10 + k);
        EXPECT_EQ(form.l01.caption(), QString::fromUtf8(english_titles[k]));
    }
}

TEST(WindowMenu, SettingsTabInGerman)
{
    main_window::Window window{0};
    MainForm& form = window.form;
    form.mm39.userClick();
    EXPECT_EQ(form.helpContextId(), 18);
    EXPECT_EQ(form.l01.caption(), QStringLiteral("Einstellungen"));
    EXPECT_EQ(form.l02.caption(),
              QStringLiteral("Allgemeine Einstellungen zum Programm selbst, sowie Lizenzdaten können Sie hier ändern."));
}

// The item of the tab already shown leaves the tab and brings the window forward.
TEST(WindowMenu, ItemOfTheShownTabRaisesTheWindow)
{
    main_window::Window window{1};
    MainForm& form = window.form;
    form.show();
    form.setHelpContextId(99);
    Raises raises(form);
    form.mm31.userClick();
    EXPECT_EQ(form.tab.tab(), 0);
    EXPECT_EQ(form.helpContextId(), 99);
    EXPECT_EQ(raises.count, 1);
}

} // namespace
