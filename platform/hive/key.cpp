// Edits of the key tree. Sub-keys stay sorted by Windows' order, so lookups are binary searches.

#include "platform/hive/format.h"
#include "platform/hive/hive.h"
#include "platform/hive/names.h"

#include <algorithm>

namespace hive {

namespace {

using Subkeys = std::vector<std::unique_ptr<Key>>;

Subkeys::const_iterator lower_bound(const Subkeys& subkeys, std::u16string_view name)
{
    return std::lower_bound(subkeys.begin(), subkeys.end(), name,
                            [](const std::unique_ptr<Key>& k, std::u16string_view n) {
                                return compare_names(k->name(), n) < 0;
                            });
}

bool matches(const Subkeys& subkeys, Subkeys::const_iterator it, std::u16string_view name)
{
    return it != subkeys.end() && compare_names((*it)->name(), name) == 0;
}

template <typename Values>
auto find_value(Values& values, std::u16string_view name)
{
    return std::find_if(values.begin(), values.end(), [&](const Value& v) { return names_equal(v.name, name); });
}

} // namespace

void Key::changed()
{
    dirty_ = true;
    *hive_modified_ = true;
}

Key* Key::subkey(std::u16string_view name)
{
    const auto it = lower_bound(subkeys_, name);
    return matches(subkeys_, it, name) ? it->get() : nullptr;
}

const Key* Key::subkey(std::u16string_view name) const
{
    const auto it = lower_bound(subkeys_, name);
    return matches(subkeys_, it, name) ? it->get() : nullptr;
}

Key* Key::add_subkey(std::u16string_view name)
{
    if (name.empty() || name.size() > kMaxKeyNameLength || name.find(u'\\') != std::u16string_view::npos)
        return nullptr;
    const auto it = lower_bound(subkeys_, name);
    if (matches(subkeys_, it, name))
        return it->get();
    if (depth_ + 1u >= format::kMaxDepth)
        return nullptr;
    auto child = std::unique_ptr<Key>(new Key(hive_modified_, static_cast<std::uint16_t>(depth_ + 1)));
    child->name_ = name;
    child->security_ = security_;
    child->changed();
    Key* added = child.get();
    subkeys_.insert(it, std::move(child));
    changed();
    return added;
}

bool Key::remove_subkey(std::u16string_view name)
{
    const auto it = lower_bound(subkeys_, name);
    if (!matches(subkeys_, it, name))
        return false;
    subkeys_.erase(it);
    changed();
    return true;
}

const Value* Key::value(std::u16string_view name) const
{
    const auto it = find_value(values_, name);
    return it == values_.end() ? nullptr : &*it;
}

bool Key::set_value(std::u16string_view name, std::uint32_t type, std::vector<std::uint8_t> data)
{
    if (name.size() > kMaxValueNameLength || data.size() > format::kMaxValueData)
        return false;
    if (const auto it = find_value(values_, name); it != values_.end()) {
        it->type = type;
        it->data = std::move(data);
    } else {
        values_.push_back(Value{std::u16string(name), type, std::move(data)});
    }
    changed();
    return true;
}

bool Key::remove_value(std::u16string_view name)
{
    const auto it = find_value(values_, name);
    if (it == values_.end())
        return false;
    values_.erase(it);
    changed();
    return true;
}

} // namespace hive
