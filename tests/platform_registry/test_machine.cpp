#include "test_machine.h"

#include "platform/machine/machine_config.h"
#include "platform/registry/machine_registry.h"
#include "platform/registry/sample_hives.h"

#include <QDir>
#include <QFile>

#include "platform/hive/hive.h"

#include <stdexcept>

namespace platform::test {

namespace {

MachineFacts facts_of(System system, bool admin)
{
    MachineFacts f;
    f.user = QStringLiteral("Administrator");
    f.groups = {QStringLiteral("S-1-5-21-1004336348-1177238915-682003330-513"), QStringLiteral("S-1-1-0")};
    if (admin)
        f.groups << QString::fromLatin1(administrators_sid);
    f.groups << QStringLiteral("S-1-5-32-545");
    f.program_dir = QStringLiteral("C:\\Programme\\Gatrisk 2002");
    f.accounts = {{QStringLiteral("Administrator"), QString::fromLatin1(administrator_sid)},
                  {QStringLiteral("pupil"), QString::fromLatin1(pupil_sid)},
                  {QStringLiteral("teacher"), QString::fromLatin1(teacher_sid)}};
    f.drives = {{QLatin1Char('C'), QStringLiteral("drive_c")}};
    switch (system) {
    case System::win98:
        f.platform_id = platform_windows;
        f.major = 4;
        f.minor = 10;
        f.build = 1998;
        f.user = QStringLiteral("pupil");
        f.accounts.clear();
        f.windows_dir = QStringLiteral("C:\\WINDOWS");
        f.system_dir = QStringLiteral("C:\\WINDOWS\\SYSTEM");
        break;
    case System::nt4:
        f.major = 4;
        f.minor = 0;
        f.build = 1381;
        f.windows_dir = QStringLiteral("C:\\WINNT");
        f.system_dir = QStringLiteral("C:\\WINNT\\system32");
        f.profiles_dir = QStringLiteral("C:\\WINNT\\Profiles");
        break;
    case System::win2000:
        f.major = 5;
        f.minor = 0;
        f.build = 2195;
        f.windows_dir = QStringLiteral("C:\\WINNT");
        f.system_dir = QStringLiteral("C:\\WINNT\\system32");
        f.profiles_dir = QStringLiteral("C:\\Documents and Settings");
        break;
    case System::xp:
        f.windows_dir = QStringLiteral("C:\\WINDOWS");
        f.system_dir = QStringLiteral("C:\\WINDOWS\\system32");
        f.profiles_dir = QStringLiteral("C:\\Documents and Settings");
        break;
    }
    return f;
}

} // namespace

TestMachine::TestMachine(System system, bool admin)
{
    if (!dir_.isValid())
        throw std::runtime_error("no temporary folder");
    folder_ = dir_.path();
    QDir(folder_).mkpath(QStringLiteral("drive_c"));
    const MachineFacts facts = facts_of(system, admin);
    QFile config(folder_ + QLatin1Char('/') + Machine::config_file_name());
    if (!config.open(QIODevice::WriteOnly) || config.write(format_machine_config(facts, folder_)) < 0)
        throw std::runtime_error("machine configuration not written");
    config.close();
    QString error;
    machine_ = Machine::open(folder_, &error);
    if (!machine_)
        throw std::runtime_error(error.toStdString());
    if (!populate_sample_hives(*machine_, {}, &error))
        throw std::runtime_error(error.toStdString());
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
