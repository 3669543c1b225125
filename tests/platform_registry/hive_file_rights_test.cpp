// A hive file's own attributes: every one of them survives the registry's rewrite, and a read-only file is read,
// never written.

#include "platform/file_attributes.h"
#include "platform/registry.h"
#include "hive_checks.h"
#include "test_machine.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <sys/xattr.h>

namespace platform {
namespace {

using test::System;
using test::TestMachine;

const char* const other_attribute = "user.test.other";

ino_t inode_of(const QString& path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_ino;
}

QByteArray attribute_of(const QString& path, const char* name)
{
    char buffer[64] = {};
    const ssize_t n = ::getxattr(QFile::encodeName(path).constData(), name, buffer, sizeof buffer);
    return n < 0 ? QByteArray("<none>") : QByteArray(buffer, static_cast<int>(n));
}

struct HiveRow {
    const char* name;
    System system;
    HKEY root;
    QString key;   // exists on the sample machine
    QString value; // a REG_SZ there
    QString hive;  // the hive file that holds the key (Windows path)
    bool mounted;  // under HKEY_USERS as "pupil"
};
void PrintTo(const HiveRow& row, std::ostream* out) { *out << row.name; }

class HiveFileRights : public testing::TestWithParam<HiveRow> {
protected:
    HiveFileRights() : machine(GetParam().system), file(machine.host(GetParam().hive)) {}

    Registry registry()
    {
        RegistryLayout layout = machine.layout();
        if (GetParam().mounted) {
            const QString mounted = file;
            layout.mounts = [mounted] { return std::vector<MountedHive>{{"pupil", mounted, false}}; };
        }
        return Registry(std::move(layout));
    }
    QString temporary() const { return QFileInfo(file).absolutePath() + "/." + QFileInfo(file).fileName() + ".new"; }

    TestMachine machine;
    QString file; // host path
};

TEST_P(HiveFileRights, KeepsEveryAttributeOfTheFileItRewrites)
{
    if (!host_keeps_dos_attributes(file))
        GTEST_SKIP() << "the file system keeps no extended attributes";
    const HiveRow& row = GetParam();
    ASSERT_TRUE(set_host_attributes(file, attr_hidden | attr_system | attr_archive));
    ASSERT_EQ(::setxattr(QFile::encodeName(file).constData(), other_attribute, "kept", 4, 0), 0);
    const ino_t before = inode_of(file);

    Registry reg = registry();
    ASSERT_EQ(REG_SetString(reg, row.root, row.key, "Rewritten", "yes"), 0);
    ASSERT_EQ(reg.flush_all(), 0);

    EXPECT_NE(inode_of(file), before) << "the hive was not rewritten";
    EXPECT_TRUE(test::sound_hive(file));
    EXPECT_EQ(host_attributes(file), std::optional<std::uint32_t>(attr_hidden | attr_system | attr_archive));
    EXPECT_EQ(attribute_of(file, other_attribute), "kept");
}

TEST_P(HiveFileRights, ReadOnlyFileIsReadAndNeverWritten)
{
    const HiveRow& row = GetParam();
    ASSERT_TRUE(set_host_attributes(file, attr_readonly));
    const std::vector<std::uint8_t> bytes = test::file_bytes(file);
    const ino_t before = inode_of(file);

    Registry reg = registry();
    EXPECT_NE(REG_GetString(reg, row.root, row.key, row.value), "");
    EXPECT_EQ(REG_SetString(reg, row.root, row.key, "New", "x"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(REG_DeleteValue(reg, row.root, row.key, row.value), ERROR_ACCESS_DENIED);
    EXPECT_EQ(REG_CreateKey(reg, row.root, row.key), 0); // the write test of a mounted hive
    EXPECT_EQ(REG_CreateKey(reg, row.root, row.key + "\\Sub"), 0);
    EXPECT_EQ(reg.flush_all(), 0);
    EXPECT_FALSE(reg.pending());

    EXPECT_EQ(test::file_bytes(file), bytes);
    EXPECT_EQ(inode_of(file), before);
    EXPECT_FALSE(QFileInfo::exists(temporary()));
    ASSERT_TRUE(set_host_attributes(file, 0)); // the temporary folder's clean-up
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HiveFileRights,
    testing::Values(
        HiveRow{"current_user", System::xp, HKEY_CURRENT_USER, "Control Panel\\Desktop", "Wallpaper",
                "C:\\Documents and Settings\\Administrator\\NTUSER.DAT", false},
        HiveRow{"machine_software", System::xp, HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                "RegisteredOwner", "C:\\WINDOWS\\system32\\config\\SOFTWARE", false},
        HiveRow{"mounted_account", System::xp, HKEY_USERS, "pupil\\Control Panel\\Desktop", "Wallpaper",
                "C:\\Documents and Settings\\pupil\\NTUSER.DAT", true},
        HiveRow{"windows98_user", System::win98, HKEY_CURRENT_USER, "Control Panel\\Desktop", "Wallpaper",
                "C:\\WINDOWS\\USER.DAT", false},
        HiveRow{"windows98_machine", System::win98, HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion",
                "RegisteredOwner", "C:\\WINDOWS\\SYSTEM.DAT", false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(HiveFileMadeReadOnly, KeepsWhatIsPendingAndLeavesTheFile)
{
    TestMachine machine(System::xp);
    const QString file = machine.host("C:\\Documents and Settings\\Administrator\\NTUSER.DAT");
    Registry registry(machine.layout());
    ASSERT_EQ(REG_SetString(registry, HKEY_CURRENT_USER, "Control Panel\\Desktop", "Late", "x"), 0);
    ASSERT_TRUE(set_host_attributes(file, attr_readonly));
    const std::vector<std::uint8_t> bytes = test::file_bytes(file);

    EXPECT_EQ(registry.flush_all(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(test::file_bytes(file), bytes);
    EXPECT_TRUE(registry.pending());

    ASSERT_TRUE(set_host_attributes(file, 0));
    EXPECT_EQ(registry.flush_all(), 0);
    EXPECT_EQ(test::value_in_file(file, u"Control Panel\\Desktop", u"Late"), "x");
}

} // namespace
} // namespace platform
