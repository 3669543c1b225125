#include "controls/folder_lists.h"
#include "controls/form.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using controls::FolderEntry;

// Folders by full Windows path (upper case keys), drives by letter.
class FakeSource : public controls::FolderSource {
public:
    QList<QChar> drives() const override { return {QChar('C'), QChar('D')}; }
    int list(const QString& folder, std::vector<FolderEntry>& out) const override
    {
        ++calls;
        if (!drives().contains(folder.isEmpty() ? QChar() : folder[0].toUpper()))
            return controls::errorDeviceUnavailable;
        const auto it = folders.find(folder.toUpper());
        if (it == folders.end())
            return controls::errorPathNotFound;
        out = it->second;
        return 0;
    }
    std::map<QString, std::vector<FolderEntry>> folders;
    mutable int calls = 0;
};

struct TestForm : controls::Form {
    TestForm() : Form("test") {}
    controls::DirListBox dir{*this, "Dir1"};
    controls::FileListBox files{*this, "File1"};
    controls::DriveListBox drive{*this, "Drive1"};
};

FakeSource sampleSource()
{
    FakeSource s;
    const auto d = controls::attributeDirectory;
    s.folders[QStringLiteral("C:\\")] = {{"WINDOWS", d}, {"apps", d}, {"boot.ini", controls::attributeHidden}};
    s.folders[QStringLiteral("C:\\APPS")] = {{"Tool.EXE", 0},      {"readme.txt", 0}, {"SETUPEXE", 0},
                                            {"hidden.exe", controls::attributeHidden},
                                            {"sys.exe", controls::attributeSystem}, {"sub", d}};
    return s;
}

TEST(FilePattern, MatchesAsThePlatformDoes)
{
    struct Row {
        const char* name;
        const char* pattern;
        bool match;
    };
    const Row rows[] = {
        {"tool.exe", "*.EXE", true}, {"TOOL.EXE", "*.exe", true}, {"SETUPEXE", "*.exe", false},
        {"noext", "*.*", true},      {"a.b.c", "*.*", true},      {"a.txt", "?.txt", true},
        {"ab.txt", "?.txt", false},  {"x.gtr", "*.gtr", true},    {"x.gtrx", "*.gtr", false},
    };
    for (const Row& r : rows)
        EXPECT_EQ(controls::matchesFilePattern(r.name, r.pattern), r.match) << r.name << " / " << r.pattern;
}

TEST(DirListBox, ListsSubfoldersAsFullPathsSorted)
{
    FakeSource source = sampleSource();
    TestForm form;
    form.dir.setSource(&source);
    int changes = 0;
    form.dir.onChange = [&] { ++changes; };
    ASSERT_EQ(form.dir.setPath("c:"), 0);
    EXPECT_EQ(form.dir.path(), "c:\\");
    EXPECT_EQ(form.dir.entries(), QStringList({"c:\\apps", "c:\\WINDOWS"}));
    ASSERT_EQ(form.dir.setPath("c:\\apps\\"), 0);
    EXPECT_EQ(form.dir.entries(), QStringList({"c:\\apps\\sub"}));
    EXPECT_EQ(changes, 2);
}

TEST(DirListBox, FailedListingKeepsPathAndEntries)
{
    FakeSource source = sampleSource();
    TestForm form;
    form.dir.setSource(&source);
    ASSERT_EQ(form.dir.setPath("C:\\"), 0);
    EXPECT_EQ(form.dir.setPath("Q:\\"), controls::errorDeviceUnavailable);
    EXPECT_EQ(form.dir.setPath("C:\\missing"), controls::errorPathNotFound);
    EXPECT_EQ(form.dir.path(), "C:\\");
    EXPECT_EQ(form.dir.listCount(), 2);
}

TEST(FileListBox, ListsMatchingFilesWithoutHiddenAndSystem)
{
    FakeSource source = sampleSource();
    TestForm form;
    form.files.setSource(&source);
    ASSERT_EQ(form.files.setPath("C:\\APPS"), 0);
    EXPECT_EQ(form.files.entries(), QStringList({"readme.txt", "SETUPEXE", "Tool.EXE"}));
    ASSERT_EQ(form.files.setPattern("*.exe;*.txt"), 0);
    EXPECT_EQ(form.files.entries(), QStringList({"readme.txt", "Tool.EXE"}));
    form.files.setShowHidden(true);
    form.files.setShowSystem(true);
    ASSERT_EQ(form.files.refresh(), 0);
    EXPECT_EQ(form.files.entries(), QStringList({"hidden.exe", "readme.txt", "sys.exe", "Tool.EXE"}));
}

TEST(FolderLists, WithoutSourceStayEmpty)
{
    TestForm form;
    EXPECT_EQ(form.dir.setPath("C:\\"), controls::errorPathNotFound);
    EXPECT_EQ(form.files.setPath("C:\\"), controls::errorPathNotFound);
    EXPECT_EQ(form.drive.setDrive("c"), controls::errorDeviceUnavailable);
    EXPECT_EQ(form.dir.listCount(), 0);
}

TEST(DriveListBox, ChoosesPresentDrivesOnly)
{
    FakeSource source = sampleSource();
    TestForm form;
    form.drive.setSource(&source);
    EXPECT_EQ(form.drive.setDrive("D:\\x"), 0);
    EXPECT_EQ(form.drive.drive(), "d:");
    EXPECT_EQ(form.drive.entries(), QStringList({"c:", "d:"}));
    EXPECT_EQ(form.drive.setDrive("e"), controls::errorDeviceUnavailable);
    EXPECT_EQ(form.drive.drive(), "d:");
}

TEST(FolderLists, UnloadRestoresDesign)
{
    FakeSource source = sampleSource();
    TestForm form;
    form.dir.setSource(&source);
    form.show();
    ASSERT_EQ(form.dir.setPath("C:\\"), 0);
    form.unload();
    EXPECT_EQ(form.dir.path(), "");
    EXPECT_EQ(form.dir.listCount(), 0);
}

} // namespace
