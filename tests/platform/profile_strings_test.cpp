#include "temp_machine.h"

#include "platform/file_attributes.h"
#include "platform/profile_strings.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

std::optional<QString> none() { return std::nullopt; }

} // namespace

class ProfileStringsTest : public testing::Test {
protected:
    QString get(const QString& section, const QString& entry, const QString& file, const QString& def = "",
                std::uint32_t size = 255)
    {
        QString out;
        const std::uint32_t n = strings.get(section, entry, def, &out, size, file);
        EXPECT_EQ(n, static_cast<std::uint32_t>(out.size()));
        return out;
    }
    TempMachine t{platform::SampleSystem::win98};
    platform::ProfileStrings strings{*t.machine};
};

TEST_F(ProfileStringsTest, BareNameLiesInTheWindowsFolderAndIsCreatedAtFirstWrite)
{
    EXPECT_TRUE(strings.write("don't load", "DESK.CPL", "no", "new.ini"));
    EXPECT_EQ(t.read("C:\\WINDOWS\\NEW.INI"), "[don't load]\r\nDESK.CPL=no\r\n");
    // Removing from a file that does not exist creates nothing.
    EXPECT_TRUE(strings.write("x", "y", none(), "absent.ini"));
    EXPECT_FALSE(t.exists("C:\\WINDOWS\\absent.ini"));
}

TEST_F(ProfileStringsTest, SectionsAndEntriesWithoutRegardToCase)
{
    EXPECT_TRUE(strings.write("don't load", "DESK.CPL", "no", "control.ini"));
    EXPECT_EQ(get("DON'T LOAD", "desk.cpl", "CONTROL.INI"), "no");
    EXPECT_EQ(get("don't load", "main.cpl", "control.ini", "dflt  "), "dflt");
    EXPECT_EQ(get("nothing", "desk.cpl", "control.ini"), "");
    EXPECT_EQ(get("nothing", "desk.cpl", "missing.ini", "d"), "d");

    // Replacing keeps the place and writes the caller's spelling; a null value removes the entry.
    EXPECT_TRUE(strings.write("Don't Load", "desk.cpl", "yes", "control.ini"));
    EXPECT_TRUE(strings.write("don't load", "MAIN.CPL", "no", "control.ini"));
    EXPECT_EQ(t.read("C:\\WINDOWS\\CONTROL.INI"), "[MMCPL]\r\n\r\n[don't load]\r\ndesk.cpl=yes\r\nMAIN.CPL=no\r\n");
    EXPECT_TRUE(strings.write("don't load", "DESK.CPL", none(), "control.ini"));
    EXPECT_EQ(get("don't load", "desk.cpl", "control.ini", "gone"), "gone");
    // No entry removes the whole section.
    EXPECT_TRUE(strings.write("DON'T LOAD", none(), none(), "control.ini"));
    EXPECT_EQ(t.read("C:\\WINDOWS\\CONTROL.INI"), "[MMCPL]\r\n\r\n");
}

TEST_F(ProfileStringsTest, MsdosSysKeepsItsOtherLines)
{
    const QByteArray before = t.read("C:\\MSDOS.SYS");
    EXPECT_FALSE(strings.write("Options", "Autoscan", "0", "C:\\MSDOS.SYS")); // read-only
    ASSERT_TRUE(platform::set_host_attributes(t.host("C:\\MSDOS.SYS"), 0));
    EXPECT_TRUE(strings.write("Options", "Autoscan", "0", "C:\\MSDOS.SYS"));
    EXPECT_TRUE(strings.write("Options", "Bootkeys", "0", "C:\\MSDOS.SYS"));
    const QByteArray after = t.read("C:\\MSDOS.SYS");
    QByteArray expected = before;
    expected.replace("AutoScan=1\r\n", "Autoscan=0\r\n");
    expected.replace("WinVer=4.10.1998\r\n", "WinVer=4.10.1998\r\nBootkeys=0\r\n");
    EXPECT_EQ(after, expected);
    EXPECT_EQ(get("options", "AUTOSCAN", "C:\\MSDOS.SYS"), "0");
    EXPECT_EQ(get("Paths", "WinDir", "C:\\MSDOS.SYS"), "C:\\WINDOWS");
}

TEST_F(ProfileStringsTest, ValuesListsAndCuts)
{
    t.write("C:\\WINDOWS\\v.ini", "[A]\r\nq = \"quoted value\" \r\nlong=abcdef\r\n[B]\r\nx=1\r\n");
    EXPECT_EQ(get("a", "q", "v.ini"), "quoted value");
    EXPECT_EQ(get("a", "long", "v.ini", "", 4), "abc"); // size - 1 characters
    QString out;
    EXPECT_EQ(strings.get(none(), none(), none(), &out, 255, "v.ini"), 4u);
    EXPECT_EQ(out, QString("A") + QChar(0) + "B" + QChar(0));
    EXPECT_EQ(strings.get(QString("a"), none(), none(), &out, 255, "v.ini"), 7u);
    EXPECT_EQ(out, QString("q") + QChar(0) + "long" + QChar(0));
    EXPECT_EQ(strings.get(QString("a"), none(), none(), &out, 5, "v.ini"), 3u); // a cut list counts size - 2
}

TEST_F(ProfileStringsTest, Cp1252Text)
{
    EXPECT_TRUE(strings.write(QString::fromUtf8("Größe"), "k", QString::fromUtf8("€"), "c.ini"));
    EXPECT_EQ(t.read("C:\\WINDOWS\\c.ini"), "[Gr\xF6\xDF" "e]\r\nk=\x80\r\n");
    EXPECT_EQ(get(QString::fromUtf8("GRÖSSE"), "k", "c.ini", "none"), "none"); // no folding beyond case
    EXPECT_EQ(get(QString::fromUtf8("grösse"), "k", "c.ini", "none"), "none");
    EXPECT_EQ(get(QString::fromUtf8("GRÖßE"), "K", "c.ini"), QString::fromUtf8("€"));
}

TEST_F(ProfileStringsTest, HeldFileIsNotWritten)
{
    t.write("C:\\WINDOWS\\held.ini", "[s]\r\nk=v\r\n");
    const LockHolder lock(t.host("C:\\WINDOWS\\held.ini"));
    ASSERT_TRUE(lock.locked());
    EXPECT_FALSE(strings.write("s", "k", "w", "held.ini"));
    EXPECT_EQ(t.read("C:\\WINDOWS\\held.ini"), "[s]\r\nk=v\r\n");
}
