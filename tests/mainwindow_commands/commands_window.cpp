#include "commands_window.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace commands_tests {

CommandsWindow::CommandsWindow(testsupport::ProgramOptions options) : program(std::move(options))
{
    mainwindow::attach_main_commands(form, links);
}

void CommandsWindow::write(const QString& windows_path, const QByteArray& bytes)
{
    const QString host = program.host(windows_path);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(host).absolutePath())) << qPrintable(windows_path);
    QFile f(host);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << qPrintable(windows_path);
    ASSERT_EQ(f.write(bytes), bytes.size());
}

void CommandsWindow::make_folder(const QString& windows_path)
{
    ASSERT_TRUE(QDir().mkpath(program.host(windows_path))) << qPrintable(windows_path);
}

void CommandsWindow::set_censor_list(const QStringList& entries)
{
    form.List1.clear();
    for (const QString& e : entries)
        form.List1.addItem(e);
}

namespace {

bool is_restriction_box(const controls::Control* c)
{
    return c->kind() == controls::Kind::CheckBox && !c->name().startsWith(QLatin1String("d_"));
}

} // namespace

QStringList CommandsWindow::ticked_boxes() const
{
    QStringList out;
    for (const controls::Control* c : form.controls())
        if (is_restriction_box(c) && static_cast<const controls::CheckBox*>(c)->value() == 1)
            out << c->name();
    out.sort();
    return out;
}

QStringList CommandsWindow::restriction_boxes() const
{
    QStringList out;
    for (const controls::Control* c : form.controls())
        if (is_restriction_box(c))
            out << c->name();
    out.sort();
    return out;
}

void CommandsWindow::set_every_box(int value)
{
    for (controls::Control* c : form.controls())
        if (is_restriction_box(c))
            static_cast<controls::CheckBox*>(c)->setValue(value);
}

void CommandsWindow::enable_drives(const QString& letters)
{
    for (controls::CheckBox* box : form.driveBoxes())
        box->setEnabled(letters.contains(box->name().at(2).toUpper()));
}

QString CommandsWindow::ticked_drives()
{
    QString out;
    for (controls::CheckBox* box : form.driveBoxes())
        if (box->value() == 1)
            out += box->name().at(2).toUpper();
    return out;
}

void CommandsWindow::fill_applets(int n)
{
    form.lv1.clear();
    for (int i = 1; i <= n; ++i)
        form.lv1.add(QStringLiteral("Applet %1").arg(i, 2, 10, QLatin1Char('0')));
}

int CommandsWindow::ticked_applets() const
{
    int n = 0;
    for (int i = 1; i <= form.lv1.count(); ++i)
        n += form.lv1.checked(i) ? 1 : 0;
    return n;
}

} // namespace commands_tests
