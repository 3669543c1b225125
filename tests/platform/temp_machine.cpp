#include "temp_machine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>


TempMachine::TempMachine(platform::SampleSystem system, std::vector<platform::BuiltProgram> programs)
{
    platform::SampleOptions options;
    options.system = system;
    options.programs = std::move(programs);
    QString error;
    auto m = platform::create_sample_machine(dir.path() + QStringLiteral("/machine"), options, &error);
    if (!m)
        ADD_FAILURE() << "sample machine not created: " << error.toStdString();
    else
        machine = std::make_unique<platform::Machine>(*m);
}

QString TempMachine::host(const QString& windows_path) const
{
    const platform::HostPath h = machine->to_host(windows_path);
    EXPECT_TRUE(h.ok()) << windows_path.toStdString();
    return h.path;
}

void TempMachine::write(const QString& windows_path, const QByteArray& bytes) const
{
    const QString path = host(windows_path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << windows_path.toStdString();
    f.write(bytes);
}

QByteArray TempMachine::read(const QString& windows_path) const
{
    QFile f(host(windows_path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool TempMachine::exists(const QString& windows_path) const { return QFileInfo::exists(host(windows_path)); }

