#include "hive_view.h"

#include <gtest/gtest.h>

namespace policy_tests {

HiveView HiveView::read(const QString& host_file)
{
    HiveView view;
    const std::string path = host_file.toStdString();
    for (const std::string& problem : regf_checks::validate_file(path))
        ADD_FAILURE() << host_file.toStdString() << ": " << problem;
    std::string error;
    std::optional<regf_checks::OracleTree> tree = regf_checks::hivex_read(path, &error);
    if (!tree)
        ADD_FAILURE() << "hivex can't read " << path << ": " << error;
    else
        view.tree_ = std::move(*tree);
    return view;
}

const std::map<std::string, regf_checks::OracleValue>* HiveView::values_of(const QString& key) const
{
    const QString wanted = key.toUpper();
    for (const auto& [path, values] : tree_.keys)
        if (QString::fromStdString(path).toUpper() == wanted)
            return &values;
    return nullptr;
}

bool HiveView::has_key(const QString& path) const { return values_of(path) != nullptr; }

bool HiveView::has_value(const QString& key, const QString& name) const { return value(key, name).has_value(); }

std::optional<regf_checks::OracleValue> HiveView::value(const QString& key, const QString& name) const
{
    const auto* values = values_of(key);
    if (!values)
        return std::nullopt;
    const QString wanted = name.toUpper();
    for (const auto& [value_name, value] : *values)
        if (QString::fromStdString(value_name).toUpper() == wanted)
            return value;
    return std::nullopt;
}

std::optional<std::uint32_t> HiveView::dword(const QString& key, const QString& name) const
{
    const auto v = value(key, name);
    if (!v || v->type != 4 || v->data.size() != 4)
        return std::nullopt;
    return std::uint32_t{v->data[0]} | std::uint32_t{v->data[1]} << 8 | std::uint32_t{v->data[2]} << 16 |
           std::uint32_t{v->data[3]} << 24;
}

std::optional<QString> HiveView::text(const QString& key, const QString& name) const
{
    const auto v = value(key, name);
    if (!v || v->type != 1)
        return std::nullopt;
    std::u16string units;
    for (std::size_t i = 0; i + 1 < v->data.size(); i += 2)
        units.push_back(static_cast<char16_t>(v->data[i] | v->data[i + 1] << 8));
    while (!units.empty() && units.back() == u'\0')
        units.pop_back();
    return QString::fromStdU16String(units);
}

QStringList HiveView::value_names(const QString& key) const
{
    QStringList names;
    if (const auto* values = values_of(key))
        for (const auto& entry : *values)
            names.push_back(QString::fromStdString(entry.first));
    return names;
}

} // namespace policy_tests
