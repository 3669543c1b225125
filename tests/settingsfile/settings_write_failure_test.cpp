// A save that can't be written says so and leaves the old file as it was.

#include "testsupport/context/lock_holder.h"
#include "test_window.h"

#include "settingsfile/settings_file.h"

#include <gtest/gtest.h>

#include <QDir>

#include <csignal>
#include <functional>
#include <memory>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace settingsfile_tests {

namespace {

using settingsfile::dateispeichern;

const QByteArray old_content = "\"G2002\"\r\n\"old\"\r\n";

// The host refuses to let this process grow any file past `bytes` while it lives, so a write breaks off
// part way, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ok_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, old_handler_);
    }
    bool ok() const { return ok_; }

private:
    rlimit saved_{};
    void (*old_handler_)(int) = nullptr;
    bool ok_ = false;
};

struct Failure {
    const char* name;
    QString path;
    // Runs the save with the obstacle in place; returns dateispeichern's answer.
    std::function<bool(Window&, const QString& path)> save;
};

class SettingsFileWriteFailure : public ::testing::TestWithParam<Failure> {};

TEST_P(SettingsFileWriteFailure, SaysSoAndKeepsTheOldFile)
{
    Window w;
    const QString path = GetParam().path;
    const bool had_file = QDir().exists(QFileInfo(w.program.host(path)).absolutePath());
    if (had_file)
        w.write(path, old_content);
    w.form.t81.setText(QString(2000, QLatin1Char('x'))); // more than the size limit lets through

    EXPECT_FALSE(GetParam().save(w, path));

    ASSERT_EQ(w.ui().messages().size(), 1u);
    EXPECT_EQ(w.ui().messages()[0].style, 16);
    EXPECT_EQ(w.ui().messages()[0].title, QStringLiteral("Error..."));
    EXPECT_EQ(w.ui().messages()[0].text,
              QStringLiteral("The settings could not be saved to this file:\r%1\rThe file was not changed.").arg(path));
    if (had_file)
        EXPECT_EQ(w.file(path), old_content);
    else
        EXPECT_FALSE(w.exists(path));
    // No temporary file is left beside it.
    const QDir folder(QFileInfo(w.program.host(set_path("x"))).absolutePath());
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden).size(), had_file && path.startsWith(sets_folder) ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Obstacles, SettingsFileWriteFailure,
    ::testing::Values(
        Failure{"write_breaks_off", set_path("big.gtr"),
                [](Window& w, const QString& path) {
                    const FileSizeLimit limit(200);
                    EXPECT_TRUE(limit.ok());
                    return dateispeichern(w.form, path);
                }},
        Failure{"read_only_file", set_path("ro.gtr"),
                [](Window& w, const QString& path) {
                    EXPECT_EQ(w.program.context().files.set_attr(path, 1), 0);
                    const bool saved = dateispeichern(w.form, path);
                    w.program.context().files.set_attr(path, 0);
                    return saved;
                }},
        Failure{"held_by_another_program", set_path("held.gtr"),
                [](Window& w, const QString& path) {
                    const testsupport::LockHolder holder(w.program.host(path));
                    EXPECT_TRUE(holder.locked());
                    return dateispeichern(w.form, path);
                }},
        Failure{"folder_missing", QStringLiteral("C:\\NoSuchFolder\\a.gtr"),
                [](Window& w, const QString& path) { return dateispeichern(w.form, path); }},
        Failure{"drive_missing", QStringLiteral("Q:\\a.gtr"),
                [](Window& w, const QString& path) { return dateispeichern(w.form, path); }}),
    [](const ::testing::TestParamInfo<Failure>& row) { return std::string(row.param.name); });

TEST(SettingsFileWrite, KeepsTheHiddenAttributeOfTheFileItReplaces)
{
    Window w;
    const QString path = set_path("hidden.gtr");
    w.write(path, old_content);
    auto& files = w.program.context().files;
    ASSERT_EQ(files.set_attr(path, 2 | 32), 0);
    ASSERT_TRUE(dateispeichern(w.form, path));
    EXPECT_TRUE(w.file(path).startsWith("\"G2002\"\r\n\"NEVER EDIT THIS FILE!\"\r\n"));
    const auto attributes = files.get_attr(path);
    ASSERT_TRUE(attributes.ok());
    EXPECT_EQ(attributes.value, 2u | 32u);
}

// The process ends at once, as if killed, when a write outgrows the file size limit.
void end_at_once(int) { ::_exit(3); }

TEST(SettingsFileWrite, CrashedSavesLeaveOneTemporaryFileThatTheNextSaveReplaces)
{
    Window w;
    const QString path = set_path("crash.gtr");
    w.write(path, old_content);
    w.form.t81.setText(QString(2000, QLatin1Char('x')));
    const QDir folder(QFileInfo(w.program.host(path)).absolutePath());
    for (int crash = 1; crash <= 3; ++crash) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::signal(SIGXFSZ, end_at_once);
            const rlimit limit{200, 200};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            dateispeichern(w.form, path);
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 3) << "save " << crash << " was not cut off";
        EXPECT_EQ(w.file(path), old_content);
        EXPECT_LE(folder.entryList(QDir::Files | QDir::Hidden).size(), 2) << "after crash " << crash;
    }
    ASSERT_TRUE(dateispeichern(w.form, path));
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden), QStringList{"crash.gtr"});
    EXPECT_TRUE(w.file(path).startsWith("\"G2002\"\r\n\"NEVER EDIT THIS FILE!\"\r\n"));
}

} // namespace

} // namespace settingsfile_tests
