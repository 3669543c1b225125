#include "hive_checks.h"

#include "platform/hive/hive.h"
#include "test_machine.h"
#include "testsupport/regf/regf_checks.h"

#include <QFile>
#include <QString>

namespace platform::test {
namespace {

std::string utf8_of(const std::u16string& units)
{
    return QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size())).toStdString();
}

void add_keys(const hive::Key& key, const std::string& path, regf_checks::OracleTree& tree)
{
    auto& values = tree.keys[path];
    for (const hive::Value& value : key.values())
        values[utf8_of(value.name)] = {value.type, value.data};
    for (const auto& sub : key.subkeys())
        add_keys(*sub, path.empty() ? utf8_of(sub->name()) : path + "\\" + utf8_of(sub->name()), tree);
}

} // namespace

testing::AssertionResult sound_hive(const QString& path)
{
    const std::string native = QFile::encodeName(path).toStdString();
    const std::vector<std::string> problems = regf_checks::validate_file(native);
    if (!problems.empty()) {
        auto failure = testing::AssertionFailure() << path.toStdString() << " breaks the format's rules:";
        for (const std::string& problem : problems)
            failure << "\n  " << problem;
        return failure;
    }
    const auto ours = hive::Hive::parse(file_bytes(path));
    if (!ours)
        return testing::AssertionFailure() << path.toStdString() << ": our reader can't read it";
    regf_checks::OracleTree expected;
    add_keys(ours->root(), "", expected);
    std::string error;
    const auto theirs = regf_checks::hivex_read(native, &error);
    if (!theirs)
        return testing::AssertionFailure() << path.toStdString() << ": hivex can't read it: " << error;
    if (!(*theirs == expected))
        return testing::AssertionFailure() << path.toStdString() << ": hivex reads other content than we do\n  hivex: "
                                           << testing::PrintToString(*theirs) << "\n  ours: " << testing::PrintToString(expected);
    return testing::AssertionSuccess();
}

} // namespace platform::test
