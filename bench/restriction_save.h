#pragma once
// The registry calls of one save of a restriction set into an account branch, in the order the writer makes them:
// the policy keys, the probe, every restriction off, the command prompt, the applets, the ticked boxes, the censor
// list, the hidden drives and the rest. Each call is counted and recorded as a .reg script for hivexregedit.

#include "platform/registry.h"

#include <QString>

namespace bench {

// Registry calls of one save, counted, and recorded as a .reg script for hivexregedit.
class SaveCalls {
public:
    struct Counts {
        int creates = 0, dwords = 0, strings = 0, key_deletes = 0, value_deletes = 0;
        int total() const { return creates + dwords + strings + key_deletes + value_deletes; }
    };

    // `prefix`: the account's mount name and a backslash.
    SaveCalls(platform::Registry& registry, QString prefix) : registry_(registry), prefix_(std::move(prefix)) {}

    void create(platform::HKEY root, const QString& path);
    void dword(const QString& path, const char* name, const QString& text);
    void string(const QString& path, const QString& name, const QString& text);
    void delete_key(const QString& path);
    void delete_value(const QString& path, const char* name);

    int total() const { return counts.total(); }
    // The calls that changed the hive, as a .reg script for HKEY_USERS\<prefix>.
    QString reg_script() const;

    Counts counts;

private:
    void section(const QString& path);

    platform::Registry& registry_;
    QString prefix_;
    QString reg_;
    QString current_;
};

// One save with a censor list of `censored_programs` entries, into HKEY_USERS\<prefix>.
void save(SaveCalls& calls, int censored_programs);

} // namespace bench
