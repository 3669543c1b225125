#pragma once
// A main window over a temporary sample machine, set up as its load leaves it for the engine: the restriction
// table and the applet list filled, the click reactions attached, an account chosen and, on the NT family,
// that account's hive mounted under HKEY_USERS.

#include "hive_view.h"
#include "mainform/main_form.h"
#include "policy/engine.h"
#include "testsupport/context/test_program.h"

#include <QString>

namespace policy_tests {

inline const QString pupil = QStringLiteral("pupil");

struct WindowOptions {
    platform::SampleSystem system = platform::SampleSystem::winxp;
    QString account = pupil;  // chosen in Combo_user
    bool mount = true;        // NT family: mount the account's hive
    bool read_only = false;   // ... read-only
};

class Window {
public:
    explicit Window(WindowOptions options = {});

    testsupport::TestProgram program;
    mainwindow::MainForm form;
    policy::Engine engine;

    platform::Registry& registry() { return program.registry(); }
    bool nt() const;
    // The hive file that the chosen account's branch lives in: its NTUSER.DAT, or on 95/98/ME the user hive.
    QString branch_file() const;
    // Everything written so far, read back from the branch's file.
    HiveView branch();
    // The chosen account's root for hand-made values: HKEY_USERS\<account>\ or HKEY_CURRENT_USER.
    platform::HKEY root() const;
    QString key(const QString& path) const;

    // Writes into the chosen account's branch directly, for the reader's tests.
    void set_dword(const QString& path, const QString& name, std::uint32_t value);
    void set_text(const QString& path, const QString& name, const QString& value);

    // Every restriction box, tick or untick; and every drive box.
    void tick_all(bool on);

    // Position in lv1 of an applet's item by its catalogue row.
    int applet_item(int row) const;

private:
    WindowOptions options_;
};

} // namespace policy_tests
