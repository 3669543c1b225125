#pragma once
// The Scripting runtime's file-system object over the machine, as far as the program uses it: GetFolder and
// Folder.Copy. Paths are Windows paths; errors are VB error numbers, never exceptions.

#include "platform/machine/machine.h"
#include "platform/vb_errors.h"

#include <QString>

#include <optional>

namespace platform {

namespace vb {
inline constexpr int file_already_exists = 58;
} // namespace vb

class ScriptingFolder {
public:
    const QString& Path() const { return path_; }

    // Copies every file and sub-folder of this folder into `destination`, which is created when it is missing
    // (its parent must exist). With `overwrite` a file of the same name (matched without regard to case) is
    // replaced; without it such a file gives 58. A file that can't be copied (read-only or held by another
    // process: 70) does not stop the rest; the first error is returned, 0 when all went well.
    int Copy(const QString& destination, bool overwrite) const;

private:
    friend class FileSystemObject;
    ScriptingFolder(const Machine& machine, QString path) : machine_(&machine), path_(std::move(path)) {}
    const Machine* machine_;
    QString path_;
};

class FileSystemObject {
public:
    explicit FileSystemObject(const Machine& machine) : machine_(machine) {}

    // The folder at `path`; error 76 when there is none (a missing path, a file, a path that can't be mapped).
    VbResult<std::optional<ScriptingFolder>> GetFolder(const QString& path) const;

private:
    const Machine& machine_;
};

} // namespace platform
