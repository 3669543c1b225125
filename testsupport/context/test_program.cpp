#include "testsupport/context/test_program.h"

#include "platform/machine/machine_config.h"
#include "platform/machine/mount_table.h"
#include "platform/registry/machine_registry.h"
#include "platform/registry/sample_hives.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace testsupport {

namespace {

const char* const administrators_group = "S-1-5-32-544";

// A fixture that can't be set up is a broken test, not a failing one.
[[noreturn]] void setup_failed(const QString& what) { throw std::runtime_error(what.toStdString()); }

} // namespace

TestProgram::TestProgram(ProgramOptions options)
{
    if (!dir_.isValid())
        setup_failed(QStringLiteral("no temporary folder"));
    platform::SampleOptions sample;
    sample.system = options.system;
    if (options.install_regg)
        sample.programs = {{QStringLiteral("regg.exe"), platform::ProgramPlace::program_folder,
                            QStringLiteral(GATRISK_REGG_PROGRAM)}};
    sample.write_hives = [](const platform::Machine& machine, QString* error) {
        return platform::populate_sample_hives(machine, {}, error);
    };
    QString error;
    machine_ = platform::create_sample_machine(dir_.path(), sample, &error);
    if (!machine_)
        setup_failed(error);
    if (!options.admin || !options.user.isEmpty()) {
        platform::MachineFacts facts = machine_->facts();
        if (!options.admin)
            facts.groups.removeAll(QString::fromLatin1(administrators_group));
        if (!options.user.isEmpty())
            facts.user = options.user;
        QFile config(machine_->config_path());
        if (!config.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            config.write(platform::format_machine_config(facts, dir_.path())) < 0)
            setup_failed(QStringLiteral("machine configuration not written"));
        config.close();
        machine_ = platform::Machine::open(dir_.path(), &error);
        if (!machine_)
            setup_failed(error);
    }
    if (!options.user.isEmpty() && machine_->is_nt_family())
        give_profile(options.user);

    registry_ = std::make_unique<platform::Registry>(platform::registry_layout(*machine_));
    files_ = std::make_unique<platform::VbFiles>(*machine_);
    processes_ = std::make_unique<platform::Processes>(*machine_);
    profile_strings_ = std::make_unique<platform::ProfileStrings>(*machine_);
    platform::flush_before_starts(*registry_, *processes_);
    context_.reset(new platform::Context{*machine_, *registry_, *files_, *processes_, *profile_strings_, ui_, clock_,
                                         tray_, platform::program_info(*machine_, options.arguments)});
}

TestProgram::~TestProgram()
{
    // Written out before the folder goes, as at the end of the program, where nobody is left to tell a failure.
    (void)registry_->flush_all();
}

QString TestProgram::host(const QString& windows_path) const { return machine_->to_host(windows_path).path; }

QString TestProgram::account_hive(const QString& account) const
{
    return host(machine_->profile_dir(account) + QStringLiteral("\\NTUSER.DAT"));
}

bool TestProgram::mount(const QString& account, bool read_only)
{
    // As the helper program's start flushes first: a failure leaves the edits pending, for the test to see.
    (void)registry_->flush_all();
    platform::MountTable table(*machine_);
    const QString hive = machine_->profile_dir(account) + QStringLiteral("\\NTUSER.DAT");
    return table.add({account, hive, read_only}) != platform::MountChange::failed;
}

void TestProgram::give_profile(const QString& account)
{
    const QString hive = account_hive(account);
    if (QFile::exists(hive))
        return;
    if (!QDir().mkpath(QFileInfo(hive).path()) || !QFile::copy(account_hive(QStringLiteral("Default User")), hive))
        setup_failed(QStringLiteral("no profile for ") + account);
}

void TestProgram::unmount(const QString& account)
{
    // As the helper program's start flushes first: a failure leaves the edits pending, for the test to see.
    (void)registry_->flush_all();
    platform::MountTable(*machine_).remove(account);
}

} // namespace testsupport
