#include "window_fixture.h"

#include "platform/system_queries.h"
#include "policy/click_reactions.h"
#include "policy/operations.h"
#include "policy/restriction_boxes.h"

#include <gtest/gtest.h>

namespace policy_tests {

namespace {

testsupport::ProgramOptions program_options(const WindowOptions& options)
{
    testsupport::ProgramOptions p;
    p.system = options.system;
    return p;
}

const int box_numbers[] = {11, 12, 13, 14, 15, 16, 17, 18, 19, 110, 21, 22, 23, 24, 25, 26, 27, 28, 29, 210,
                           31, 32, 33, 34, 35, 36, 37, 38, 39, 41, 61, 62, 63, 64, 65, 66, 67, 68, 69, 610,
                           90, 91, 93, 94, 95, 96, 98, 99};

} // namespace

Window::Window(WindowOptions options)
    : program(program_options(options)), form(program.context()), engine(program.context(), form),
      options_(options)
{
    policy::attach_click_reactions(form);
    policy::Get_CR(engine);
    policy::CPL_All(engine);
    // The load replaces the designed texts of the fields.
    for (controls::TextBox* field : {&form.t31, &form.t32, &form.t81, &form.t82})
        field->setText(QString());
    form.Combo_user.setText(options.account);
    if (nt() && options.mount && !program.mount(options.account, options.read_only))
        ADD_FAILURE() << "can't mount " << options.account.toStdString();
}

bool Window::nt() const { return platform::is_nt(program.machine()); }

QString Window::branch_file() const
{
    if (!nt())
        return program.host(program.machine().hive_files().current_user);
    return program.account_hive(options_.account);
}

HiveView Window::branch()
{
    EXPECT_EQ(registry().flush_all(), 0);
    return HiveView::read(branch_file());
}

platform::HKEY Window::root() const { return nt() ? platform::HKEY_USERS : platform::HKEY_CURRENT_USER; }

QString Window::key(const QString& path) const { return nt() ? options_.account + QLatin1Char('\\') + path : path; }

void Window::set_dword(const QString& path, const QString& name, std::uint32_t value)
{
    platform::REG_CreateKey(registry(), root(), key(path));
    ASSERT_EQ(platform::REG_SetDWORD(registry(), root(), key(path), name, QString::number(value)), 0);
}

void Window::set_text(const QString& path, const QString& name, const QString& value)
{
    platform::REG_CreateKey(registry(), root(), key(path));
    ASSERT_EQ(platform::REG_SetString(registry(), root(), key(path), name, value), 0);
}

void Window::tick_all(bool on)
{
    for (int n : box_numbers)
        policy::restriction_box(form, n)->setValue(on ? 1 : 0);
    for (controls::CheckBox* box : form.driveBoxes())
        box->setValue(on ? 1 : 0);
}

int Window::applet_item(int row) const
{
    return form.lv1.find(engine.CplName[static_cast<std::size_t>(row)]);
}

} // namespace policy_tests
