#include "controls/list_view.h"
#include "policy/applet_catalogue.h"
#include "policy/restriction_table.h"
#include "policy/value_names.h"
#include "policy/value_tests.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace policy;

namespace {

TEST(RestrictionTable, CurrentVersionKeyFollowsTheSystemFamily)
{
    RestrictionNames vn, kp;
    fill_restriction_table(vn, kp, true);
    EXPECT_EQ(kp[81], QStringLiteral("Software\\Microsoft\\Windows NT\\CurrentVersion"));
    EXPECT_EQ(kp[82], kp[81]);
    EXPECT_EQ(vn[81], QStringLiteral("RegisteredOrganization"));
    EXPECT_EQ(vn[82], QStringLiteral("RegisteredOwner"));

    RestrictionNames vn9x, kp9x;
    fill_restriction_table(vn9x, kp9x, false);
    EXPECT_EQ(kp9x[81], QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion"));
    EXPECT_EQ(kp9x[82], kp9x[81]);
    // A second fill for the other family must not keep the first one's choice.
    fill_restriction_table(vn, kp, false);
    EXPECT_EQ(kp[81], kp9x[81]);
}

TEST(RestrictionTable, ListedNumbersOnly)
{
    RestrictionNames vn, kp;
    fill_restriction_table(vn, kp, true);
    std::set<int> listed;
    for (int n = 11; n <= 19; ++n) listed.insert(n);
    for (int n = 21; n <= 29; ++n) listed.insert(n);
    for (int n = 31; n <= 39; ++n) listed.insert(n);
    for (int n = 63; n <= 69; ++n) listed.insert(n);
    for (int n = 80; n <= 82; ++n) listed.insert(n);
    for (int n = 90; n <= 99; ++n) listed.insert(n);
    for (int n : {110, 161, 162, 210, 610}) listed.insert(n);
    for (int n = 0; n < restriction_table_size; ++n) {
        const auto i = static_cast<std::size_t>(n);
        EXPECT_EQ(vn[i].isEmpty(), !listed.count(n)) << "VN of " << n;
        EXPECT_EQ(kp[i].isEmpty(), !listed.count(n)) << "KP of " << n;
    }
}

TEST(RestrictionTable, EntriesThatShareOneValue)
{
    RestrictionNames vn, kp;
    fill_restriction_table(vn, kp, true);
    for (auto [a, b] : {std::pair{33, 92}, {66, 97}, {161, 31}}) {
        EXPECT_EQ(vn[a], vn[b]) << a << " and " << b;
        EXPECT_EQ(kp[a], kp[b]) << a << " and " << b;
    }
    EXPECT_EQ(vn[162], QStringLiteral("NoControlPanel"));
    EXPECT_EQ(vn[96], QStringLiteral("DisableCMD"));
    EXPECT_EQ(kp[96], QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System"));
    EXPECT_EQ(kp[90], QStringLiteral("Control Panel\\Sound"));
    EXPECT_EQ(kp[80], QStringLiteral("Software\\Brekund\\G2002"));
}

TEST(ValueNames, NumberedNamesCarryALeadingBlank)
{
    EXPECT_EQ(numbered_value_name(0), QStringLiteral(" 0"));
    EXPECT_EQ(numbered_value_name(10), QStringLiteral(" 10"));
    EXPECT_EQ(drive_value_name(0), QStringLiteral("A"));
    EXPECT_EQ(drive_value_name(25), QStringLiteral("Z"));
}

DriveFlags drives(const QString& letters)
{
    DriveFlags flags{};
    for (QChar c : letters)
        flags[static_cast<std::size_t>(c.unicode() - u'A')] = true;
    return flags;
}

TEST(ValueNames, DriveMask)
{
    EXPECT_EQ(drive_mask(drives(QString())), 0u);
    EXPECT_EQ(drive_mask(drives(QStringLiteral("ACD"))), 13u);
    EXPECT_EQ(drive_mask(drives(QStringLiteral("CD"))), 12u);
    EXPECT_EQ(drive_mask(drives(QStringLiteral("Z"))), 33554432u);
    EXPECT_EQ(drive_mask(drives(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"))), 67108863u);
}

struct ValueCase {
    const char* name;
    platform::Variant value;
    bool one;
};

TEST(ValueTests, EqualsOne)
{
    const QString nul_blank = QString(QChar(u'\0')) + QLatin1Char(' ');
    const ValueCase cases[] = {
        {"dword 1", platform::Variant(QStringLiteral("1")), true},
        {"text 1 as read", platform::Variant(QStringLiteral("1") + nul_blank), true},
        {"dword 2", platform::Variant(QStringLiteral("2")), false},
        {"dword 0", platform::Variant(QStringLiteral("0")), false},
        {"yes", platform::Variant(QStringLiteral("yes") + nul_blank), false},
        {"missing", platform::Variant(QString()), false},
        {"empty", platform::Variant(), false},
        {"integer 1", platform::Variant(std::int32_t{1}), true},
        {"1 then text after the NUL", platform::Variant(QStringLiteral("1") + QChar(u'\0') + QStringLiteral("7")), true},
        {"11", platform::Variant(QStringLiteral("11")), false},
    };
    for (const ValueCase& c : cases)
        EXPECT_EQ(equals_one(c.value), c.one) << c.name;
}

TEST(ValueTests, ExactNoAndUpperCaseNo)
{
    EXPECT_TRUE(exact_no(QStringLiteral("No")));
    for (const char* t : {"no", "NO", "Yes", "0", "", "No "})
        EXPECT_FALSE(exact_no(QString::fromLatin1(t))) << t;
    for (const char* t : {"No", "no", "nO", "NO"})
        EXPECT_TRUE(upper_case_no(QString::fromLatin1(t))) << t;
    for (const char* t : {"", "yes", "N", "NOT"})
        EXPECT_FALSE(upper_case_no(QString::fromLatin1(t))) << t;
}

TEST(AppletCatalogue, RowsAndLabels)
{
    EXPECT_EQ(applet_file(1), QStringLiteral("APPWIZ.CPL"));
    EXPECT_EQ(applet_file(2), QStringLiteral("DESK.CPL"));
    EXPECT_EQ(applet_file(15), QStringLiteral("ACCESS.CPL"));
    EXPECT_EQ(applet_file(39), QStringLiteral("Netzwerkverbindungen"));
    EXPECT_EQ(applet_file(0), QString());
    EXPECT_EQ(applet_file(40), QString());
    EXPECT_EQ(applet_label(4, 0), QStringLiteral("L\u00e4ndereinstellungen"));
    EXPECT_EQ(applet_label(4, 1), QStringLiteral("Regional Settings"));
    EXPECT_EQ(applet_label(37, 0), QStringLiteral("Taskleiste und Startmen\u00fc (2000/XP)"));
    EXPECT_EQ(applet_label(36, 1), QStringLiteral("Speech"));
    EXPECT_EQ(applet_label(24, 0), QStringLiteral("Sound"));
    EXPECT_EQ(applet_label(24, 1), QStringLiteral("Sounds"));
    // Another code: only the rows with one label for both languages get one.
    EXPECT_EQ(applet_label(7, 5), QStringLiteral("Multimedia"));
    EXPECT_EQ(applet_label(2, 5), QString());
}

TEST(AppletCatalogue, LabelsAreDistinctWithinEachLanguage)
{
    for (int language : {0, 1}) {
        std::set<QString> labels;
        for (int row = 1; row <= applet_row_count; ++row) {
            const QString label = applet_label(row, language);
            EXPECT_FALSE(label.isEmpty()) << "row " << row;
            EXPECT_TRUE(labels.insert(label).second) << "row " << row << " repeats " << label.toStdString();
        }
    }
}

TEST(AppletCatalogue, EnglishListBeginsWithTheAlphabeticallyFirstLabels)
{
    std::vector<QString> labels;
    for (int row = 1; row <= applet_row_count; ++row)
        labels.push_back(applet_label(row, 1));
    std::stable_sort(labels.begin(), labels.end(), controls::listViewLess);
    ASSERT_GE(labels.size(), 3u);
    EXPECT_EQ(labels[0], QStringLiteral("Accessibility Options"));
    EXPECT_EQ(labels[1], QStringLiteral("Add/Remove Software"));
    EXPECT_EQ(labels[2], QStringLiteral("Administrative Tools"));
}

} // namespace
