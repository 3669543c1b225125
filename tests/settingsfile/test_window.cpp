#include "test_window.h"

#include "policy/click_reactions.h"
#include "policy/operations.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

namespace settingsfile_tests {

FormOn::FormOn(platform::Context& context) : form(context), engine(context, form)
{
    policy::attach_click_reactions(form);
    policy::Get_CR(engine);
    policy::CPL_All(engine);
    // The load replaces the designed texts of the fields.
    for (controls::TextBox* field : {&form.t31, &form.t32, &form.t81, &form.t82, &form.t810})
        field->setText(QString());
}

Window::Window(testsupport::ProgramOptions options) : program(options), main(program.context())
{
    EXPECT_TRUE(QDir().mkpath(program.host(sets_folder)));
}

QByteArray Window::file(const QString& windows_path) const
{
    QFile f(program.host(windows_path));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << windows_path.toStdString();
    return f.readAll();
}

void Window::write(const QString& windows_path, const QByteArray& bytes) const
{
    QFile f(program.host(windows_path));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << windows_path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

bool Window::exists(const QString& windows_path) const { return QFile::exists(program.host(windows_path)); }

std::map<QString, QByteArray> Window::machine_files() const
{
    std::map<QString, QByteArray> out;
    QDirIterator it(program.machine().folder(), QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    // The mount table's lock is the machine's own bookkeeping: any look at a file's holders makes it.
    const QStringList bookkeeping{program.machine().mount_lock_path(), program.machine().mount_table_path()};
    while (it.hasNext()) {
        const QString path = it.next();
        if (bookkeeping.contains(path))
            continue;
        QFile f(path);
        out[path] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    return out;
}

void fill_distinct(mainwindow::MainForm& form)
{
    for (controls::Control* c : form.controls())
        if (c->kind() == controls::Kind::CheckBox)
            static_cast<controls::CheckBox*>(c)->setValue(1);
    for (int i = 1; i <= form.lv1.count(); ++i)
        form.lv1.setChecked(i, true);
    form.List1.clear();
    form.List1.addItem(QStringLiteral("OLD.EXE"));
    for (controls::TextBox* field : {&form.t31, &form.t81, &form.t82, &form.t810})
        field->setText(QStringLiteral("old text"));
}

} // namespace settingsfile_tests
