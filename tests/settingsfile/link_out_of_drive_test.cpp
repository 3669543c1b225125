// A file of the machine that is a link to a program outside its drive may be run, never written through: every
// writer refuses it and leaves the program and its folder as they were.

#include "test_window.h"

#include "platform/accounts/hive_loader.h"
#include "platform/registry.h"
#include "platform/registry/machine_registry.h"
#include "settingsfile/settings_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>

namespace settingsfile_tests {

namespace {

using platform::HKEY_CURRENT_USER;

struct LinkedWriter {
    const char* name;
    QString path; // a file of the machine (a Windows path) that becomes the link
    // Writes through the link; true when the writer reports success.
    std::function<bool(Window&, const QString& path)> write;
};
void PrintTo(const LinkedWriter& row, std::ostream* out) { *out << row.name; }

class LinkOutOfTheDrive : public ::testing::TestWithParam<LinkedWriter> {
protected:
    // Moves the file (an empty one when it is missing) out of the drive, makes it a program and links it back.
    void link_out(const QString& path)
    {
        const QString host = w.program.host(path);
        program = outside.path() + "/" + QFileInfo(host).fileName();
        if (!QFile::exists(host))
            w.write(path, "program");
        ASSERT_TRUE(QFile::rename(host, program));
        ASSERT_TRUE(QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        ASSERT_TRUE(QFile::link(program, host));
    }
    QByteArray program_bytes() const
    {
        QFile f(program);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    static QStringList entries(const QString& folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    Window w;
    QTemporaryDir outside;
    QString program; // host path of the program outside the drive
};

TEST_P(LinkOutOfTheDrive, IsNeverWrittenThrough)
{
    const LinkedWriter& row = GetParam();
    link_out(row.path);
    const QByteArray before = program_bytes();
    const QString link_folder = QFileInfo(w.program.host(row.path)).absolutePath();
    const QStringList beside_link = entries(link_folder);

    EXPECT_FALSE(row.write(w, row.path));

    EXPECT_TRUE(program_bytes() == before) << "the program outside the drive was changed";
    EXPECT_EQ(entries(outside.path()), QStringList{QFileInfo(program).fileName()}); // no temporary file there
    EXPECT_EQ(entries(link_folder), beside_link);
    EXPECT_EQ(QFileInfo(w.program.host(row.path)).symLinkTarget(), program);
}

INSTANTIATE_TEST_SUITE_P(
    Writers, LinkOutOfTheDrive,
    ::testing::Values(
        LinkedWriter{"registry_store", QStringLiteral("C:\\Documents and Settings\\Administrator\\NTUSER.DAT"),
                     [](Window& w, const QString&) {
                         // A registry of a program started after the hive became the link.
                         platform::Registry registry(platform::registry_layout(w.program.machine()));
                         const bool set = platform::REG_SetString(registry, HKEY_CURRENT_USER, "Control Panel\\Desktop",
                                                                  "Wallpaper", "x") == 0;
                         return registry.flush_all() == 0 && set;
                     }},
        LinkedWriter{"hive_helper", QStringLiteral("C:\\Documents and Settings\\pupil\\NTUSER.DAT"),
                     [](Window& w, const QString& path) {
                         return platform::HIVE_LoadUnload(w.program.context(), platform::hive_load, path, "pupil",
                                                          false) == platform::hive_ok;
                     }},
        LinkedWriter{"files_layer", set_path("linked.gtr"),
                     [](Window& w, const QString& path) {
                         auto& files = w.program.context().files;
                         const bool opened = files.open(path, platform::FileMode::output, 1) == 0;
                         files.close(1);
                         return opened || files.set_attr(path, 2) == 0;
                     }},
        LinkedWriter{"settings_writer", set_path("linked.gtr"),
                     [](Window& w, const QString& path) { return settingsfile::dateispeichern(w.form, path); }}),
    [](const ::testing::TestParamInfo<LinkedWriter>& row) { return std::string(row.param.name); });

} // namespace

} // namespace settingsfile_tests
