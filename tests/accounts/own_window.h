#pragma once
// The main window over a temporary sample machine, with the engine's state, for the tests of the engine's
// operations on the window; and the registry as those tests look at it.

#include "mainform/main_form.h"
#include "policy/engine.h"
#include "testsupport/context/test_program.h"

#include <QString>

namespace accounts_tests {

inline testsupport::ProgramOptions on(platform::SampleSystem system)
{
    testsupport::ProgramOptions o;
    o.system = system;
    return o;
}

struct OwnWindow {
    explicit OwnWindow(testsupport::ProgramOptions options = {})
        : program(options), form(program.context()), engine(program.context(), form)
    {
    }

    platform::Registry& registry() { return program.registry(); }
    const std::vector<scripted_ui::ShownMessage>& messages() { return program.ui().messages(); }

    // A value as stored: an integer for a REG_DWORD, the text (without its NUL) for a REG_SZ, empty when
    // the key or value is missing.
    platform::Variant stored(platform::HKEY root, const QString& path, const QString& name)
    {
        platform::Variant v;
        platform::REG_QueryValueRaw(registry(), root, path, name, v);
        if (v.is_text())
            return platform::Variant(platform::trim_null(v));
        return v;
    }
    bool key_exists(platform::HKEY root, const QString& path)
    {
        platform::HKEY key = 0;
        if (registry().RegOpenKeyExA(root, path.toLatin1().constData(), 0, platform::KEY_QUERY_VALUE, &key) != 0)
            return false;
        // Opened just above: its close can't fail.
        (void)registry().RegCloseKey(key);
        return true;
    }
    void set_dword(platform::HKEY root, const QString& path, const QString& name, std::int32_t value)
    {
        platform::REG_CreateKey(registry(), root, path);
        platform::REG_SetValueRaw(registry(), root, path, name, platform::Variant(value));
    }
    void set_text(platform::HKEY root, const QString& path, const QString& name, const QString& text)
    {
        platform::REG_CreateKey(registry(), root, path);
        platform::REG_SetString(registry(), root, path, name, text);
    }

    testsupport::TestProgram program;
    mainwindow::MainForm form;
    policy::Engine engine;
};

inline platform::Variant dword(std::int32_t v) { return platform::Variant(v); }
inline platform::Variant text(const char* t) { return platform::Variant(QString::fromUtf8(t)); }

inline const QString explorer_key = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer");
inline const QString system_key = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System");
inline const QString network_key = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network");
inline const QString ie_key = QStringLiteral("Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions");
inline const QString hide_key = explorer_key + QStringLiteral("\\Hide");
inline const QString restrict_run_key = explorer_key + QStringLiteral("\\RestrictRun");
inline const QString desktop_key = QStringLiteral("Control Panel\\Desktop");

} // namespace accounts_tests
