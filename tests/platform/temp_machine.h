#pragma once
// A sample machine in a temporary folder, removed with the object.

#include "platform/machine/machine.h"
#include "platform/machine/sample_machine.h"
#include "testsupport/context/lock_holder.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>

struct TempMachine {
    explicit TempMachine(platform::SampleSystem system = platform::SampleSystem::winxp,
                         std::vector<platform::BuiltProgram> programs = {});

    // The host path of a Windows path (which must map).
    QString host(const QString& windows_path) const;
    // Writes a file, creating its folders.
    void write(const QString& windows_path, const QByteArray& bytes) const;
    QByteArray read(const QString& windows_path) const;
    bool exists(const QString& windows_path) const;

    QTemporaryDir dir;
    std::unique_ptr<platform::Machine> machine;
};

using testsupport::LockHolder;
