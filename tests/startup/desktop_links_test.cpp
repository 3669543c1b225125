#include "startup_fixture.h"

#include <QDir>
#include <QFile>

namespace {

using platform::HKEY_CURRENT_USER;
using startup_tests::StartupForms;

const QString policy_key = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer");

void write_file(const QString& host_path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(host_path).path());
    QFile f(host_path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray read_file(const QString& host_path)
{
    QFile f(host_path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// "/icon" at a user's logon, with a link folder C:\Links holding two links and a sub-folder.
struct IconStart : testing::Test {
    testsupport::ProgramOptions options()
    {
        testsupport::ProgramOptions o;
        o.arguments = {QStringLiteral("/icon")};
        return o;
    }
    StartupForms forms{options()};
    QString desktop;      // Windows path
    QString desktop_host; // its host folder

    void SetUp() override
    {
        desktop = platform::REG_GetString(forms.registry(), HKEY_CURRENT_USER,
                                          QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"),
                                          QStringLiteral("Desktop"));
        ASSERT_FALSE(desktop.isEmpty());
        desktop_host = forms.program.host(desktop);
        write_file(desktop_host + QStringLiteral("/Word.LNK"), "old word");
        write_file(desktop_host + QStringLiteral("/mine.lnk"), "the user's own");
        const QString links = forms.program.host(QStringLiteral("C:\\"));
        write_file(links + QStringLiteral("/Links/word.lnk"), "new word");
        write_file(links + QStringLiteral("/Links/calc.lnk"), "calc");
        write_file(links + QStringLiteral("/Links/Tools/edit.lnk"), "edit");
        ASSERT_EQ(platform::REG_CreateKey(forms.registry(), HKEY_CURRENT_USER, policy_key) != 0, true);
        platform::REG_SetString(forms.registry(), HKEY_CURRENT_USER, policy_key, QStringLiteral("FixedLNKUrl"),
                                QStringLiteral("C:\\Links"));
    }
    void set_fixed(const QString& value)
    {
        platform::REG_SetDWORD(forms.registry(), HKEY_CURRENT_USER, policy_key, QStringLiteral("FixedLNK"), value);
    }
};

TEST_F(IconStart, SwitchedOffEndsAtOnceAndTouchesNoFile)
{
    set_fixed(QStringLiteral("0"));
    EXPECT_TRUE(forms.start());
    EXPECT_EQ(read_file(desktop_host + QStringLiteral("/Word.LNK")), "old word");
    EXPECT_FALSE(QFile::exists(desktop_host + QStringLiteral("/calc.lnk")));
    EXPECT_TRUE(forms.ui().messages().empty());
    EXPECT_FALSE(forms.getpass.isVisible());
}

TEST_F(IconStart, CopiesTheLinkFolderOntoTheDesktopReplacingSameNames)
{
    set_fixed(QStringLiteral("1"));
    EXPECT_TRUE(forms.start());
    EXPECT_EQ(read_file(desktop_host + QStringLiteral("/Word.LNK")), "new word") << "matched without regard to case";
    EXPECT_FALSE(QFile::exists(desktop_host + QStringLiteral("/word.lnk")));
    EXPECT_EQ(read_file(desktop_host + QStringLiteral("/calc.lnk")), "calc");
    EXPECT_EQ(read_file(desktop_host + QStringLiteral("/Tools/edit.lnk")), "edit");
    EXPECT_EQ(read_file(desktop_host + QStringLiteral("/mine.lnk")), "the user's own");
    EXPECT_TRUE(forms.ui().messages().empty());
}

TEST_F(IconStart, ReadOnlyDesktopFileStaysAndTheRestIsCopied)
{
    set_fixed(QStringLiteral("1"));
    QFile::setPermissions(desktop_host + QStringLiteral("/Word.LNK"), QFile::ReadOwner | QFile::ReadUser);
    EXPECT_TRUE(forms.start());
    EXPECT_EQ(read_file(desktop_host + QStringLiteral("/Word.LNK")), "old word");
    EXPECT_EQ(read_file(desktop_host + QStringLiteral("/calc.lnk")), "calc");
}

TEST_F(IconStart, MissingLinkFolderLeavesTheDesktopAndEnds)
{
    set_fixed(QStringLiteral("1"));
    platform::REG_SetString(forms.registry(), HKEY_CURRENT_USER, policy_key, QStringLiteral("FixedLNKUrl"),
                            QStringLiteral("C:\\Nowhere"));
    EXPECT_TRUE(forms.start());
    EXPECT_EQ(read_file(desktop_host + QStringLiteral("/Word.LNK")), "old word");
    EXPECT_TRUE(forms.ui().messages().empty());
}

TEST_F(IconStart, EndsBeforeTheUninstallEntryAndTheHelperCheck)
{
    set_fixed(QStringLiteral("1"));
    const QString key = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Gatrisk 2002");
    platform::REG_SetString(forms.registry(), platform::HKEY_LOCAL_MACHINE, key, QStringLiteral("UninstallString"),
                            QStringLiteral("old"));
    EXPECT_TRUE(forms.start());
    EXPECT_EQ(platform::REG_GetString(forms.registry(), platform::HKEY_LOCAL_MACHINE, key,
                                      QStringLiteral("UninstallString")),
              QStringLiteral("old"));
}

} // namespace
