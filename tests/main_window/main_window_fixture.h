#pragma once
// The whole main window over a temporary sample machine, as the program builds it, and the registry as the
// tests set it up and look at it.

#include "mainwindow/main_window.h"
#include "platform/registry.h"
#include "platform/system_queries.h"
#include "testsupport/context/test_program.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace main_window_tests {

inline testsupport::ProgramOptions on(platform::SampleSystem system, QStringList arguments = {})
{
    testsupport::ProgramOptions o;
    o.system = system;
    o.arguments = std::move(arguments);
    return o;
}

inline testsupport::ProgramOptions with_arguments(QStringList arguments)
{
    return on(platform::SampleSystem::winxp, std::move(arguments));
}

// Names table rows by their `name` field.
struct RowName {
    template <class T>
    std::string operator()(const testing::TestParamInfo<T>& row) const { return row.param.name; }
};

inline const QString explorer_key = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer");
inline const QString program_key = QStringLiteral("Software\\Brekund\\G2002");

struct Program {
    explicit Program(testsupport::ProgramOptions options = {}) : program(std::move(options)) {}

    // The window's load, as its first showing runs it; true when that ended the program.
    bool load() { return scripted_ui::endsProgram([this] { window.show(); }); }
    // A step of the user's; true when it ended the program.
    template <class F>
    bool ends(F&& step) { return scripted_ui::endsProgram(std::forward<F>(step)); }

    platform::Registry& registry() { return program.registry(); }
    scripted_ui::ScriptedUi& ui() { return program.ui(); }
    const std::vector<scripted_ui::ShownMessage>& messages() { return program.ui().messages(); }
    QString transcript() { return program.ui().transcript().join(QLatin1Char('\n')); }

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
    // A value as stored: an integer for a REG_DWORD, the trimmed text for a REG_SZ, empty when missing.
    platform::Variant stored(platform::HKEY root, const QString& path, const QString& name)
    {
        platform::Variant v;
        platform::REG_QueryValueRaw(registry(), root, path, name, v);
        if (v.is_text())
            return platform::Variant(platform::trim_null(v));
        return v;
    }

    testsupport::TestProgram program;
    mainwindow::MainWindow window{program.context()};
};

} // namespace main_window_tests
