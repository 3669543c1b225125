#include "temp_machine.h"

#include "platform/file_attributes.h"
#include "platform/vb_files.h"

#include <QFile>

#include <gtest/gtest.h>

namespace vb = platform::vb;
using platform::FileMode;

class VbFilesTest : public testing::Test {
protected:
    TempMachine t;
    platform::VbFiles files{*t.machine};
};

TEST_F(VbFilesTest, OpenErrors)
{
    t.write("C:\\data.txt", "abc");
    EXPECT_EQ(files.open("C:\\data.txt", FileMode::binary, 0), vb::bad_file_number);
    EXPECT_EQ(files.open("C:\\data.txt", FileMode::binary, 512), vb::bad_file_number);
    EXPECT_EQ(files.open("C:\\missing.txt", FileMode::input, 1), vb::file_not_found);
    EXPECT_EQ(files.open("C:\\No Folder\\x.txt", FileMode::binary, 1), vb::path_not_found);
    EXPECT_EQ(files.open("Q:\\x.txt", FileMode::binary, 1), vb::path_not_found);
    EXPECT_EQ(files.open("C:\\WINDOWS", FileMode::binary, 1), vb::path_file_access);
    ASSERT_EQ(files.open("C:\\data.txt", FileMode::binary, 1), vb::ok);
    EXPECT_EQ(files.open("C:\\other.txt", FileMode::binary, 1), vb::file_already_open);
    EXPECT_EQ(files.open("C:\\DATA.TXT", FileMode::output, 2), vb::file_already_open);
    EXPECT_EQ(files.open("C:\\DATA.TXT", FileMode::input, 2), vb::ok); // reading twice is allowed
    EXPECT_EQ(files.length(1).value, 3);
    files.close(1);
    files.close(1); // harmless
    EXPECT_EQ(files.length(1).error, vb::bad_file_number);
}

TEST_F(VbFilesTest, BinaryCreatesAndReadOnlyOpensForReading)
{
    ASSERT_EQ(files.open("C:\\new.bin", FileMode::binary, 3), vb::ok);
    EXPECT_TRUE(t.exists("C:\\new.bin"));
    EXPECT_EQ(files.put(3, 1, "hello"), vb::ok);
    EXPECT_EQ(files.get(3, 2, 3).value, "ell");
    files.close(3);

    ASSERT_EQ(files.set_attr("C:\\new.bin", platform::attr_readonly), vb::ok);
    EXPECT_EQ(files.open("C:\\new.bin", FileMode::output, 1), vb::path_file_access);
    EXPECT_EQ(files.open("C:\\new.bin", FileMode::append, 1), vb::path_file_access);
    ASSERT_EQ(files.open("C:\\new.bin", FileMode::binary, 1), vb::ok);
    EXPECT_EQ(files.put(1, 1, "x"), vb::path_file_access);
    files.close(1);
    EXPECT_EQ(files.kill("C:\\new.bin"), vb::path_file_access);
    ASSERT_EQ(files.set_attr("C:\\new.bin", 0), vb::ok);
    EXPECT_EQ(files.kill("C:\\NEW.BIN"), vb::ok);
    EXPECT_FALSE(t.exists("C:\\new.bin"));
}

TEST_F(VbFilesTest, KillErrors)
{
    EXPECT_EQ(files.kill("C:\\missing.txt"), vb::file_not_found);
    EXPECT_EQ(files.kill("C:\\No Folder\\x.txt"), vb::path_not_found);
    EXPECT_EQ(files.kill("C:\\WINDOWS"), vb::file_not_found);
    t.write("C:\\open.txt", "x");
    ASSERT_EQ(files.open("C:\\open.txt", FileMode::input, 4), vb::ok);
    EXPECT_EQ(files.kill("C:\\open.txt"), vb::path_file_access);
    files.close(4);
    const LockHolder lock(t.host("C:\\open.txt"));
    ASSERT_TRUE(lock.locked());
    EXPECT_EQ(files.kill("C:\\open.txt"), vb::permission_denied);
    EXPECT_EQ(files.open("C:\\open.txt", FileMode::input, 4), vb::permission_denied);
}

TEST_F(VbFilesTest, PrintWritesCp1252WithCrLf)
{
    ASSERT_EQ(files.open("C:\\out.txt", FileMode::output, 1), vb::ok);
    EXPECT_EQ(files.print(1, QString::fromUtf8("Grüße €")), vb::ok);
    EXPECT_EQ(files.print(1, "a", false), vb::ok);
    EXPECT_EQ(files.print(1, "b"), vb::ok);
    EXPECT_EQ(files.input_item(1).error, vb::bad_file_mode);
    files.close(1);
    EXPECT_EQ(t.read("C:\\out.txt"), QByteArray("Gr\xFC\xDF" "e \x80\r\nab\r\n"));
    ASSERT_EQ(files.open("C:\\out.txt", FileMode::append, 1), vb::ok);
    EXPECT_EQ(files.print(1, "c"), vb::ok);
    files.close(1);
    EXPECT_TRUE(t.read("C:\\out.txt").endsWith("ab\r\nc\r\n"));
    ASSERT_EQ(files.open("C:\\out.txt", FileMode::input, 1), vb::ok);
    EXPECT_EQ(files.print(1, "x"), vb::bad_file_mode);
}

TEST_F(VbFilesTest, InputItems)
{
    t.write("C:\\items.txt", "G2002,  \"a, b\"  ,plain text\r\n"
                             "\r\n"
                             "Autoscan=0\n"
                             "\"x\"\"y\"\r"
                             "last,");
    ASSERT_EQ(files.open("C:\\items.txt", FileMode::input, 1), vb::ok);
    const QStringList expected = {"G2002", "a, b", "plain text", "", "Autoscan=0", "x", "y", "last"};
    for (const QString& item : expected) {
        const auto got = files.input_item(1);
        ASSERT_TRUE(got.ok()) << item.toStdString();
        EXPECT_EQ(got.value, item);
    }
    EXPECT_TRUE(files.eof(1).value);
    EXPECT_EQ(files.input_item(1).error, vb::input_past_end);
}

TEST_F(VbFilesTest, QuotedItemCutOffByTheEndOfTheFileIsNotRead)
{
    struct Row {
        const char* name;
        QByteArray bytes;
    } rows[] = {
        {"text cut short", "first,\"C:\\Documents and Setting"},
        {"only the opening quote", "first,\""},
        {"line end inside the quotes", "first,\"C:\\Profiles\r\n"},
    };
    for (const Row& r : rows) {
        t.write("C:\\cut.txt", r.bytes);
        ASSERT_EQ(files.open("C:\\cut.txt", FileMode::input, 1), vb::ok) << r.name;
        EXPECT_EQ(files.input_item(1).value, "first") << r.name;
        const auto cut = files.input_item(1);
        EXPECT_EQ(cut.error, vb::input_past_end) << r.name;
        EXPECT_EQ(cut.value, QString()) << r.name;
        files.close(1);
    }
}

TEST_F(VbFilesTest, LineInput)
{
    t.write("C:\\lines.txt", "one, two\r\nthree\nfour");
    ASSERT_EQ(files.open("C:\\lines.txt", FileMode::input, 1), vb::ok);
    EXPECT_EQ(files.line_input(1).value, "one, two");
    EXPECT_EQ(files.line_input(1).value, "three");
    EXPECT_FALSE(files.eof(1).value);
    EXPECT_EQ(files.line_input(1).value, "four");
    EXPECT_TRUE(files.eof(1).value);
    EXPECT_EQ(files.line_input(1).error, vb::input_past_end);
}

TEST_F(VbFilesTest, Attributes)
{
    t.write("C:\\attr.txt", "x");
    const bool keeps = platform::host_keeps_dos_attributes(t.host("C:\\attr.txt"));
    EXPECT_EQ(files.get_attr("C:\\attr.txt").value, 0u);
    EXPECT_EQ(files.get_attr("C:\\WINDOWS").value, platform::attr_directory);
    EXPECT_EQ(files.get_attr("C:\\missing").error, vb::file_not_found);
    ASSERT_EQ(files.set_attr("C:\\attr.txt", platform::attr_readonly), vb::ok);
    EXPECT_EQ(files.get_attr("C:\\attr.txt").value, platform::attr_readonly);
    if (!keeps)
        GTEST_SKIP() << "the host file system keeps no extended attributes";
    ASSERT_EQ(files.set_attr("C:\\attr.txt", platform::attr_readonly | platform::attr_hidden | platform::attr_system),
              vb::ok);
    EXPECT_EQ(files.get_attr("C:\\ATTR.TXT").value, 7u);
    ASSERT_EQ(files.set_attr("C:\\attr.txt", 0), vb::ok);
    EXPECT_EQ(files.get_attr("C:\\attr.txt").value, 0u);
    EXPECT_TRUE(QFileInfo(t.host("C:\\attr.txt")).isWritable());
}

TEST_F(VbFilesTest, InstalledProgramIsNeverWrittenThrough)
{
    QTemporaryDir outside;
    const QString program = outside.path() + "/prog";
    {
        QFile p(program);
        ASSERT_TRUE(p.open(QIODevice::WriteOnly));
        p.write("MZ");
        p.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ASSERT_TRUE(QFile::link(program, t.host("C:\\Programme\\Gatrisk 2002\\TOOL.EXE")));
    ASSERT_EQ(files.open("C:\\Programme\\Gatrisk 2002\\tool.exe", FileMode::binary, 1), vb::ok);
    EXPECT_EQ(files.length(1).value, 2);
    EXPECT_EQ(files.put(1, 1, "xx"), vb::path_file_access);
    files.close(1);
    EXPECT_EQ(files.open("C:\\Programme\\Gatrisk 2002\\tool.exe", FileMode::output, 1), vb::path_file_access);
    EXPECT_EQ(files.set_attr("C:\\Programme\\Gatrisk 2002\\tool.exe", platform::attr_readonly), vb::path_file_access);
    QFile p(program);
    ASSERT_TRUE(p.open(QIODevice::ReadOnly));
    EXPECT_EQ(p.readAll(), "MZ");
}

TEST_F(VbFilesTest, RelativePathsStartInTheCurrentFolder)
{
    t.write("C:\\Programme\\Gatrisk 2002\\here.txt", "1");
    EXPECT_EQ(files.file_len("here.txt").value, 1);
    EXPECT_EQ(files.file_len("\\Programme\\Gatrisk 2002\\HERE.TXT").value, 1);
    files.set_current_dir("C:\\WINDOWS");
    EXPECT_EQ(files.file_len("here.txt").error, vb::file_not_found);
    EXPECT_EQ(files.free_file(), 1);
}
