#include "test_machine.h"

#include "platform/hive/hive.h"
#include "platform/machine/machine_config.h"
#include "platform/machine/sample_machine.h"
#include "platform/registry/machine_registry.h"
#include "platform/registry/sample_hives.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace platform::test {

namespace {

SampleSystem sample_of(System system)
{
    switch (system) {
    case System::win98:
        return SampleSystem::win98;
    case System::nt4:
        return SampleSystem::nt4;
    case System::win2000:
        return SampleSystem::win2000;
    case System::xp:
        break;
    }
    return SampleSystem::winxp;
}

} // namespace

TestMachine::TestMachine(System system, bool admin)
{
    if (!dir_.isValid())
        throw std::runtime_error("no temporary folder");
    folder_ = dir_.path();
    SampleOptions options;
    options.system = sample_of(system);
    options.programs = {{QStringLiteral("regg.exe"), ProgramPlace::program_folder, QStringLiteral(REGG_PROGRAM)}};
    options.write_hives = [](const Machine& machine, QString* error) { return populate_sample_hives(machine, {}, error); };
    QString error;
    machine_ = create_sample_machine(folder_, options, &error);
    if (!machine_)
        throw std::runtime_error(error.toStdString());
    if (!admin) {
        MachineFacts facts = machine_->facts();
        facts.groups.removeAll(QString::fromLatin1(administrators_sid));
        QFile config(machine_->config_path());
        if (!config.open(QIODevice::WriteOnly | QIODevice::Truncate) || config.write(format_machine_config(facts, folder_)) < 0)
            throw std::runtime_error("machine configuration not written");
        config.close();
        machine_ = Machine::open(folder_, &error);
        if (!machine_)
            throw std::runtime_error(error.toStdString());
    }
}

QString TestMachine::host(const QString& windows_path) const { return machine_->to_host(windows_path).path; }

RegistryLayout TestMachine::layout() const { return registry_layout(*machine_); }

std::vector<std::uint8_t> file_bytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

void write_bytes(const QString& path, const std::vector<std::uint8_t>& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) < 0)
        throw std::runtime_error("file not written");
}

// What a fresh reader finds in the file.
QString value_in_file(const QString& path, const char16_t* key_path, const char16_t* name)
{
    const auto hive = hive::Hive::parse(test::file_bytes(path));
    if (!hive)
        return "<damaged>";
    const hive::Key* key = &hive->root();
    for (const auto& part : QString::fromUtf16(key_path).split('\\')) {
        key = key->subkey(std::u16string(reinterpret_cast<const char16_t*>(part.utf16()), static_cast<std::size_t>(part.size())));
        if (!key)
            return "<no key>";
    }
    const hive::Value* value = key->value(name);
    if (!value)
        return "<no value>";
    QString text;
    for (std::size_t i = 0; i + 1 < value->data.size(); i += 2)
        text += QChar(static_cast<char16_t>(value->data[i] | (value->data[i + 1] << 8)));
    return text.left(text.indexOf(QChar(u'\0')));
}

} // namespace platform::test
