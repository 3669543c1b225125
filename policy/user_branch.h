#pragma once
// The registry calls of the writer and the reset, aimed at one user root: every key path is taken below it.

#include "platform/registry.h"
#include "policy/user_root.h"

namespace policy {

class UserBranch {
public:
    UserBranch(platform::Registry& registry, UserRoot root) : reg_(registry), root_(std::move(root)) {}

    const UserRoot& root() const { return root_; }

    // The text is read as a number ("0", " 0", "12").
    platform::LSTATUS dword(const QString& key, const QString& name, const QString& number)
    {
        return platform::REG_SetDWORD(reg_, root_.root, root_.key(key), name, number);
    }
    platform::LSTATUS dword(const QString& key, const QString& name, std::uint32_t number)
    {
        return dword(key, name, QString::number(number));
    }
    platform::LSTATUS text(const QString& key, const QString& name, const QString& value)
    {
        return platform::REG_SetString(reg_, root_.root, root_.key(key), name, value);
    }
    void create_key(const QString& key) { platform::REG_CreateKey(reg_, root_.root, root_.key(key)); }
    void delete_key(const QString& key) { platform::REG_DeleteKey(reg_, root_.root, root_.key(key)); }
    void delete_value(const QString& key, const QString& name)
    {
        platform::REG_DeleteValue(reg_, root_.root, root_.key(key), name);
    }

private:
    platform::Registry& reg_;
    UserRoot root_;
};

} // namespace policy
