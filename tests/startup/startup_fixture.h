#pragma once
// The start-up forms over a temporary sample machine, with a main window that only counts its openings.

#include "platform/registry.h"
#include "platform/registry/machine_registry.h"
#include "startup/getpass_form.h"
#include "startup/program_key.h"
#include "startup/pw_scramble.h"
#include "startup/setpass_form.h"
#include "testsupport/context/test_program.h"

#include <gtest/gtest.h>

namespace startup_tests {

inline std::string str(const QString& s) { return s.toStdString(); }

// Names table rows by their `name` field.
struct RowName {
    template <class T>
    std::string operator()(const testing::TestParamInfo<T>& row) const { return row.param.name; }
};

struct StartupForms {
    explicit StartupForms(testsupport::ProgramOptions options = {}) : program(options) {}

    testsupport::TestProgram program;
    int main_shown = 0;
    startup::SetPass setpass{program.context(), [this] { ++main_shown; }};
    startup::GetPass getpass{program.context(), setpass, [this] { ++main_shown; }};

    platform::Registry& registry() { return program.registry(); }
    scripted_ui::ScriptedUi& ui() { return program.ui(); }

    QString stored_password()
    {
        return platform::REG_GetString(registry(), platform::HKEY_LOCAL_MACHINE, startup::program_key(),
                                       startup::password_value());
    }
    void store_password(const QString& plain)
    {
        ASSERT_EQ(platform::REG_SetString(registry(), platform::HKEY_LOCAL_MACHINE, startup::program_key(),
                                          startup::password_value(),
                                          startup::pw_scramble(plain, startup::password_key())),
                  0);
    }
    // Stores it as an administrator would have, whatever the user's rights.
    void store_password_as_admin(const QString& plain)
    {
        platform::RegistryLayout layout = platform::registry_layout(program.machine());
        layout.user_is_admin = true;
        platform::Registry admin(layout);
        ASSERT_EQ(platform::REG_SetString(admin, platform::HKEY_LOCAL_MACHINE, startup::program_key(),
                                          startup::password_value(),
                                          startup::pw_scramble(plain, startup::password_key())),
                  0);
        ASSERT_EQ(admin.flush_all(), 0);
    }
    // Shows the start-up form as the program does at its start; true when that ended the program.
    bool start() { return scripted_ui::endsProgram([this] { getpass.show(); }); }

    // Message titles in the order shown.
    QStringList titles()
    {
        QStringList out;
        for (const auto& m : program.ui().messages())
            out << m.title;
        return out;
    }
};

} // namespace startup_tests
