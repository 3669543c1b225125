#pragma once
// A hive file's content as the independent reader (hivex) sees it, looked up as the registry does: key paths
// and value names without regard to case.

#include "testsupport/regf/regf_checks.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace policy_tests {

class HiveView {
public:
    // Reads the file through hivex; fails the running test (and gives an empty view) when it can't, or when
    // the validator finds a broken rule.
    static HiveView read(const QString& host_file);

    bool has_key(const QString& path) const;
    bool has_value(const QString& key, const QString& name) const;
    std::optional<regf_checks::OracleValue> value(const QString& key, const QString& name) const;
    // nullopt when missing or of another type.
    std::optional<std::uint32_t> dword(const QString& key, const QString& name) const;
    std::optional<QString> text(const QString& key, const QString& name) const;
    // The value names of a key, sorted by name; empty when it has none or is missing.
    QStringList value_names(const QString& key) const;

    const regf_checks::OracleTree& tree() const { return tree_; }

private:
    const std::map<std::string, regf_checks::OracleValue>* values_of(const QString& key) const;
    regf_checks::OracleTree tree_;
};

} // namespace policy_tests
