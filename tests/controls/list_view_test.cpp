#include "test_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

using controls::ListView;
using controls_test::TestForm;

QStringList texts(const ListView& lv)
{
    QStringList out;
    for (int i = 1; i <= lv.count(); ++i)
        out << lv.text(i);
    return out;
}

TEST(ListView, AddsInAnyOrderLandSortedAtPositionsOneToN)
{
    const QStringList sorted{"Accessibility Options", "Add/Remove Software", "Administrative Tools", "Date/Time",
                             "Display", "Network", "Network (NT/W2K/XP)", "Network Connections (2000/XP)",
                             "Scanner and Cameras", "Scanners and Cameras (2000/XP)", "System", "UPS"};
    std::mt19937 random(2002);
    for (int round = 0; round < 20; ++round) {
        QStringList shuffled = sorted;
        std::shuffle(shuffled.begin(), shuffled.end(), random);
        TestForm form;
        ListView lv{form, "lv1"};
        for (const QString& t : shuffled)
            lv.add(t);
        ASSERT_EQ(texts(lv), sorted) << shuffled.join(" | ").toStdString();
    }
}

TEST(ListView, AddReturnsThePositionTakenAndTicksTravelWithTheirItems)
{
    TestForm form;
    ListView lv{form, "lv1"};
    EXPECT_EQ(lv.add("Mail"), 1);
    EXPECT_EQ(lv.add("Sounds"), 2);
    ASSERT_TRUE(lv.setChecked(1, true)); // Mail

    EXPECT_EQ(lv.add("Display"), 1);
    EXPECT_EQ(lv.add("Fonts (2000/XP)"), 2);
    EXPECT_EQ(lv.add("Tweak UI"), 5);

    EXPECT_EQ(lv.find("Mail"), 3);
    EXPECT_TRUE(lv.checked(3));
    for (int p : {1, 2, 4, 5})
        EXPECT_FALSE(lv.checked(p)) << p;

    ASSERT_TRUE(lv.remove(1));
    EXPECT_EQ(lv.find("Mail"), 2);
    EXPECT_TRUE(lv.checked(2));
    EXPECT_FALSE(lv.setChecked(0, true));
    EXPECT_FALSE(lv.setChecked(5, true));
    EXPECT_FALSE(lv.checked(9));
}

TEST(ListView, GermanLabelsSortWithoutRegardToCaseOrAccents)
{
    TestForm form;
    ListView lv{form, "lv1"};
    for (const char* t : {"Multimedia", "Ländereinstellungen", "Anzeige", "Anschlüsse (NT)", "Kennwörter",
                          "Konsole (NT)", "eingabehilfen", "Energieverwaltung", "Drucker und Faxgeräte (2000/XP)",
                          "Datum/Uhrzeit", "Maus,Tastatur,Schrift,Drucker", "Mail", "Straße", "Strasse"})
        lv.add(QString::fromUtf8(t));
    EXPECT_EQ(texts(lv),
              (QStringList{"Anschlüsse (NT)", "Anzeige", "Datum/Uhrzeit", "Drucker und Faxgeräte (2000/XP)",
                           "eingabehilfen", "Energieverwaltung", "Kennwörter", "Konsole (NT)",
                           "Ländereinstellungen", "Mail", "Maus,Tastatur,Schrift,Drucker", "Multimedia",
                           "Strasse", "Straße"}));
}

TEST(ListView, EqualTextsKeepTheOrderOfAdding)
{
    TestForm form;
    ListView lv{form, "lv1"};
    lv.add("Multimedia", "first");
    lv.add("Modems");
    lv.add("Multimedia", "second");
    ASSERT_EQ(lv.count(), 3);
    EXPECT_EQ(lv.item(2).key, "first");
    EXPECT_EQ(lv.item(3).key, "second");
}

TEST(ListView, OnlyTheUsersTickRunsTheItemCheckHandler)
{
    TestForm form;
    ListView lv{form, "lv1"};
    lv.add("Display");
    lv.add("Mail");
    std::vector<int> checkedEvents;
    lv.onItemCheck = [&](int position) { checkedEvents.push_back(position); };

    lv.setChecked(2, true);
    lv.userSetChecked(1, true);
    lv.userSetChecked(1, true); // no change, no event
    EXPECT_TRUE(lv.checked(1));
    EXPECT_EQ(checkedEvents, std::vector<int>{1});
}

} // namespace
