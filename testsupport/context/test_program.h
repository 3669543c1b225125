#pragma once
// A whole program's context over a temporary sample machine, for tests of the forms and modules: the machine
// with its hives and the hive helper program, the registry, files, processes and profile strings, the
// scripted UI, a fixed clock and a recording tray.

#include "platform/context.h"
#include "platform/machine/machine.h"
#include "platform/machine/sample_machine.h"
#include "platform/process.h"
#include "platform/profile_strings.h"
#include "platform/registry.h"
#include "platform/tray.h"
#include "platform/vb_files.h"
#include "platform/clock.h"
#include "testsupport/ui/scripted_ui.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <vector>

namespace testsupport {

class FixedClock final : public platform::Clock {
public:
    QDateTime now() const override { return time; }
    QDateTime time{QDate(2002, 3, 14), QTime(9, 30, 15)};
};

class RecordingTray final : public platform::TraySink {
public:
    bool notify_icon(std::uint32_t message, const platform::NotifyIconData& data) override
    {
        calls.push_back({message, data});
        return true;
    }
    std::vector<std::pair<std::uint32_t, platform::NotifyIconData>> calls;
};

struct ProgramOptions {
    platform::SampleSystem system = platform::SampleSystem::winxp;
    bool admin = true;                 // the logged-on user is in the administrators group
    bool install_regg = true;          // the hive helper program is in the program folder
    QStringList arguments;             // the program's command line, split
    // The logged-on account; empty keeps the sample's Administrator. On the NT family an account without a
    // profile gets one from Default User's hive, as Windows makes it at the first logon.
    QString user;
};

class TestProgram {
public:
    explicit TestProgram(ProgramOptions options = {});
    ~TestProgram();
    TestProgram(const TestProgram&) = delete;
    TestProgram& operator=(const TestProgram&) = delete;

    platform::Context& context() { return *context_; }
    const platform::Machine& machine() const { return *machine_; }
    platform::Registry& registry() { return *registry_; }
    scripted_ui::ScriptedUi& ui() { return ui_; }
    FixedClock& clock() { return clock_; }
    RecordingTray& tray_sink() { return tray_sink_; }

    // The host path of a Windows path of the machine.
    QString host(const QString& windows_path) const;
    // The logged-on user's hive file, and an account's hive file (host paths).
    QString account_hive(const QString& account) const;
    // Mounts an account's hive under HKEY_USERS\<account> directly in the mount table, as the helper program
    // would; false when it could not.
    bool mount(const QString& account, bool read_only = false);
    void unmount(const QString& account);

private:
    void give_profile(const QString& account);

    QTemporaryDir dir_;
    std::optional<platform::Machine> machine_;
    std::unique_ptr<platform::Registry> registry_;
    std::unique_ptr<platform::VbFiles> files_;
    std::unique_ptr<platform::Processes> processes_;
    std::unique_ptr<platform::ProfileStrings> profile_strings_;
    scripted_ui::ScriptedUi ui_;
    FixedClock clock_;
    RecordingTray tray_sink_;
    platform::Tray tray_{tray_sink_};
    std::unique_ptr<platform::Context> context_;
};

} // namespace testsupport
