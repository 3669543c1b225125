#include "platform/scripting/file_system_object.h"

#include "platform/file_attributes.h"
#include "platform/held_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {

namespace {

struct CopyRun {
    const Machine& machine;
    HeldFiles held;
    bool overwrite;
    int first_error = vb::ok;

    void fail(int error)
    {
        if (first_error == vb::ok)
            first_error = error;
    }
};

QString child(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('\\')) ? folder + name : folder + QLatin1Char('\\') + name;
}

// True when `inner` is `outer` or lies below it (host paths, links resolved).
bool within(const QString& inner, const QString& outer)
{
    const QString a = QFileInfo(inner).canonicalFilePath();
    const QString b = QFileInfo(outer).canonicalFilePath();
    return !a.isEmpty() && !b.isEmpty() && (a == b || a.startsWith(b + QLatin1Char('/')));
}

int copy_file(CopyRun& run, const QString& source_host, const QString& target_host)
{
    const QFileInfo target(target_host);
    if (target.exists()) {
        if (target.isDir())
            return vb::permission_denied;
        if (!run.overwrite)
            return vb::file_already_exists;
        const auto attributes = host_attributes(target_host);
        if (attributes && (*attributes & attr_readonly))
            return vb::permission_denied;
        if (run.held.is_held(target_host))
            return vb::permission_denied;
    }
    if (run.held.is_held(source_host))
        return vb::permission_denied;

    QFile in(source_host);
    if (!in.open(QIODevice::ReadOnly))
        return vb::permission_denied;
    // The new copy replaces the old one whole, or not at all.
    QSaveFile out(target_host);
    if (!out.open(QIODevice::WriteOnly))
        return vb::permission_denied;
    while (!in.atEnd()) {
        const QByteArray block = in.read(1 << 16);
        if (block.isEmpty() && in.error() != QFileDevice::NoError)
            return vb::device_io_error;
        if (out.write(block) != block.size())
            return vb::device_io_error;
    }
    if (!out.commit())
        return vb::device_io_error;
    if (const auto attributes = host_attributes(source_host))
        set_host_attributes(target_host, *attributes);
    return vb::ok;
}

void copy_contents(CopyRun& run, const QString& source, const QString& destination)
{
    const HostPath source_host = run.machine.to_host(source);
    const HostPath target_host = run.machine.to_host_for_write(destination);
    if (!source_host.ok() || !target_host.ok()) {
        run.fail(vb::path_not_found);
        return;
    }
    const QFileInfo target(target_host.path);
    if (!target.exists()) {
        if (!QDir().mkdir(target_host.path)) {
            run.fail(vb::path_not_found);
            return;
        }
    } else if (!target.isDir()) {
        run.fail(vb::file_already_exists);
        return;
    }
    if (within(target_host.path, source_host.path) && QFileInfo(source_host.path).canonicalFilePath()
                                                          != QFileInfo(target_host.path).canonicalFilePath()) {
        // A folder copied into itself would never end.
        run.fail(vb::permission_denied);
        return;
    }

    const QStringList names = QDir(source_host.path).entryList(
        QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names) {
        const QString from = child(source, name);
        const HostPath from_host = run.machine.to_host(from);
        if (!from_host.ok()) {
            run.fail(vb::file_not_found);
            continue;
        }
        const QString to = child(destination, name);
        if (QFileInfo(from_host.path).isDir()) {
            copy_contents(run, from, to);
            continue;
        }
        const HostPath to_host = run.machine.to_host_for_write(to);
        if (!to_host.ok()) {
            run.fail(vb::permission_denied);
            continue;
        }
        if (const int error = copy_file(run, from_host.path, to_host.path); error != vb::ok)
            run.fail(error);
    }
}

} // namespace

VbResult<std::optional<ScriptingFolder>> FileSystemObject::GetFolder(const QString& path) const
{
    const HostPath host = machine_.to_host(path);
    if (!host.ok() || !QFileInfo(host.path).isDir())
        return {std::nullopt, vb::path_not_found};
    return {ScriptingFolder(machine_, path), vb::ok};
}

int ScriptingFolder::Copy(const QString& destination, bool overwrite) const
{
    if (destination.isEmpty())
        return vb::bad_call;
    CopyRun run{*machine_, HeldFiles(*machine_), overwrite};
    copy_contents(run, path_, destination);
    return run.first_error;
}

} // namespace platform
