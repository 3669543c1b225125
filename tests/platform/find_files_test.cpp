#include "temp_machine.h"

#include "platform/file_attributes.h"
#include "platform/system_queries.h"
#include "platform/win32_files.h"

#include <QDir>

#include <gtest/gtest.h>

class FindFiles : public testing::Test {
protected:
    void SetUp() override
    {
        t.write("C:\\Links\\WORD.LNK", "l");
        t.write("C:\\Links\\excel.lnk", "l");
        t.write("C:\\Links\\readme.txt", "t");
        QDir(t.host("C:\\Links")).mkpath("folder.lnk");
        t.write("C:\\Links\\folder.lnk\\deep.lnk", "l");
    }
    TempMachine t;
};

TEST_F(FindFiles, LinkFilesOfOneFolder)
{
    QStringList found;
    const auto count = platform::find_files(*t.machine, "C:\\Links", found, "*.LNK", 0, false);
    ASSERT_TRUE(count.ok());
    EXPECT_EQ(count.value, 2);
    found.sort();
    EXPECT_EQ(found, QStringList({"C:\\Links\\WORD.LNK", "C:\\Links\\excel.lnk"}));
}

TEST_F(FindFiles, RecursionAndMask)
{
    QStringList found{"already there"};
    auto count = platform::find_files(*t.machine, "c:\\links\\", found, "*.lnk", 0, true);
    ASSERT_TRUE(count.ok());
    EXPECT_EQ(count.value, 3);
    EXPECT_EQ(found.size(), 4);
    EXPECT_TRUE(found.contains("c:\\links\\folder.lnk\\deep.lnk"));

    ASSERT_TRUE(platform::set_host_attributes(t.host("C:\\Links\\excel.lnk"), platform::attr_readonly));
    found.clear();
    count = platform::find_files(*t.machine, "C:\\Links", found, "*", platform::attr_readonly, true);
    EXPECT_EQ(count.value, 1);
    EXPECT_EQ(found, QStringList({"C:\\Links\\excel.lnk"}));
}

TEST_F(FindFiles, LikePatterns)
{
    t.write("C:\\Pat\\a1.txt", "");
    t.write("C:\\Pat\\ab.txt", "");
    t.write("C:\\Pat\\c1.txt", "");
    struct Row {
        const char* pattern;
        int count;
    } rows[] = {{"a#.txt", 1}, {"a?.txt", 2}, {"[ab]*", 2}, {"[!a]*", 1}, {"[a-b]1.txt", 1}, {"*", 3}, {"[a", 0}};
    for (const Row& r : rows) {
        QStringList found;
        EXPECT_EQ(platform::find_files(*t.machine, "C:\\Pat", found, QLatin1String(r.pattern), 0, false).value, r.count)
            << r.pattern;
    }
}

// The listing under find_files and the profile discovery: FindFirstFile's matching and NTFS's order.
TEST_F(FindFiles, ListingMatchesAndOrdersAsWindows)
{
    for (const char* folder : {"Konten", "Konten.alt", "pupil", "Schueler", "Administrator", "_Vorlage"})
        QDir().mkpath(t.host("C:\\Dir") + "/" + folder);
    t.write("C:\\Dir\\konten2.txt", "t");
    t.write("C:\\Dir\\README", "t");
    struct Row {
        const char* pattern;
        QStringList names;
    } rows[] = {
        {"C:\\Dir\\*", {".", "..", "Administrator", "Konten", "Konten.alt", "konten2.txt", "pupil", "README",
                          "Schueler", "_Vorlage"}},
        {"C:\\Dir\\*.*", {".", "..", "Administrator", "Konten", "Konten.alt", "konten2.txt", "pupil", "README",
                            "Schueler", "_Vorlage"}},
        {"C:\\Dir\\Konten*.*", {"Konten", "Konten.alt", "konten2.txt"}},
        {"C:\\Dir\\konten.*", {"Konten", "Konten.alt"}},
        {"C:\\Dir\\*.txt", {"konten2.txt"}},
        {"C:\\Dir\\readme.?", {"README"}},
        {"C:\\Dir\\README?", {"README"}},
        {"C:\\Dir\\README.txt", {}},
        // A folder path without its backslash lists the folder itself, from its parent.
        {"C:\\Dir*.*", {"Dir"}},
    };
    for (const Row& r : rows) {
        const auto listing = platform::win32::find_all(*t.machine, QLatin1String(r.pattern));
        ASSERT_TRUE(listing) << r.pattern;
        QStringList names;
        for (const auto& entry : *listing)
            names.push_back(entry.name);
        EXPECT_EQ(names, r.names) << r.pattern;
    }
}

TEST_F(FindFiles, MissingFolderRaises76)
{
    QStringList found;
    const auto count = platform::find_files(*t.machine, "C:\\Nowhere", found, "*.lnk", 0, false);
    EXPECT_EQ(count.error, platform::vb::path_not_found);
    EXPECT_TRUE(found.isEmpty());
    EXPECT_EQ(platform::find_files(*t.machine, "Q:\\", found, "*", 0, false).error, platform::vb::path_not_found);
}
