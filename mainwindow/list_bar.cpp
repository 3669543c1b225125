#include "mainwindow/list_bar.h"

#include "mainwindow/help_menu.h"
#include "mainwindow/list_bar_pictures.h"
#include "platform/in_language.h"

namespace mainwindow {

namespace {

constexpr int help_item = 10;
constexpr int first_help_context = 10;

// The titles of the list-bar items; item k + 1 opens tab k, the last one help.
const char* const titles[10][2] = {
    {"Start", "Startmenü"},
    {"Control Panel", "Sys-Steuerung"},
    {"Desktop", "Desktop"},
    {"Restrict EXEs", "Zensur"},
    {"Hide Drives", "Laufwerke"},
    {"Net/Printer", "Netz/Drucker"},
    {"IE Explorer", "IE Explorer"},
    {"Misc.", "Diverses"},
    {"Settings", "Einstellungen"},
    {"Help", "Hilfe"},
};

// A number written as Str writes it: a leading blank holds the place of the sign.
QString numbered(const char* stem, int i) { return QLatin1String(stem) + QStringLiteral(" %1").arg(i); }

} // namespace

void menu1(MainForm& main, int language)
{
    for (int i = 1; i <= 10; ++i)
        main.tab_titles[static_cast<std::size_t>(i)] =
            QString::fromUtf8(titles[i - 1][language == platform::german ? 1 : 0]);

    controls::ListBar& bar = main.SSListBar1;
    const int group = bar.groupCount() >= 1 ? 1 : bar.addGroup(QStringLiteral("G1"), QString());
    for (int i = 1; i <= 10; ++i) {
        const int item = bar.addItem(group, i, numbered("L", i), main.tab_titles[static_cast<std::size_t>(i)]);
        const QString picture = numbered("PicKey", i);
        bar.addPicture(picture, list_bar_picture(i));
        bar.setItemPicture(group, item, picture);
    }
    bar.setGroupCaption(
        group, platform::in_language(language, QStringLiteral("Einschränkungen"), QStringLiteral("Restrictions")));
    // A narrow bar: a slightly smaller font keeps the longer German group caption whole.
    controls::Font font = bar.font();
    font.size = 7.5;
    bar.setFont(font);
}

void land_menu(MainForm&) {}
void menu2(MainForm&) {}
void m_normal(MainForm&) {}

void SSListBar1_ItemClick(MainForm& main, int item)
{
    if (item == help_item) {
        mm51_Click(main);
        return;
    }
    if (item < 1 || item > 9 || !main.SSListBar1.validItem(1, item))
        return;
    main.l01.setCaption(main.SSListBar1.item(1, item).text);
    main.tab.setTab(item - 1);
    main.show();
}

void tab_Click(MainForm& main)
{
    const int tab = main.tab.tab();
    const auto element = static_cast<std::size_t>(tab + 1);
    main.setHelpContextId(first_help_context + tab);
    main.l01.setCaption(main.tab_titles[element]);
    main.l02.setCaption(main.tab_help_texts[element]);
}

} // namespace mainwindow
