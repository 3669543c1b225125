#pragma once
// One hive file as the registry holds it: parsed once and kept while the file is unchanged, edited in memory,
// written back whole when flushed.

#include "platform/hive/hive.h"
#include "platform/registry/file_replace.h"
#include "platform/registry/key_path.h"
#include "platform/registry/reg_types.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

namespace platform {

// What tells one version of a file from another: a file replaced by rename has a new inode, one rewritten in
// place a new size or modification time.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t mtime_sec = 0;
    long mtime_nsec = 0;
    bool operator==(const FileStamp&) const = default;
};

class HiveFile {
public:
    enum class State {
        absent,  // no file (or it can't be read)
        damaged, // the file is not a hive we can read
        loaded,
    };

    // `host_path`: the file's absolute host path (its folder's links resolved).
    explicit HiveFile(QString host_path);
    HiveFile(const HiveFile&) = delete;
    HiveFile& operator=(const HiveFile&) = delete;

    const QString& path() const { return path_; }

    // Reads the file again when it is not the version last read or written: another process changed it. Edits
    // not yet written are applied again over the new content, so neither side's flushed work is lost.
    void refresh();

    State state() const { return state_; }
    // A hive that was read with unequal sequence numbers: it is read, never written.
    bool clean() const { return state_ == State::loaded && hive_->clean(); }
    // A file with the read-only attribute, or one this process may not write: read, never written, as the file
    // layer treats it. Asked of the file each time, since the attribute changes without the content.
    bool read_only() const;

    // The key at a path from the hive's root; nullptr when it is not there (or the hive is not loaded).
    hive::Key* key(const KeyPath& path);

    // Edits. They change the hive in memory; flush() writes them. Each is kept until it is written so that it
    // can be applied again over a newer file. The hive must be loaded and clean.
    // The key and its missing parents; nullptr for a name the hive refuses. `created` tells whether it was new.
    [[nodiscard]] hive::Key* create_key(const KeyPath& path, bool& created);
    // false for a missing key or a name the hive refuses. Writing the data a value already has changes nothing.
    [[nodiscard]] bool set_value(const KeyPath& key, std::u16string_view name, std::uint32_t type, std::vector<std::uint8_t> data);
    // false when the key or the value is not there.
    [[nodiscard]] bool delete_value(const KeyPath& key, std::u16string_view name);
    // Deletes the key and everything below it; false when it is not there or is the root. Applied again over a
    // newer file, it leaves a key that has gained a sub-key since: that is the other process's flushed work.
    [[nodiscard]] bool delete_key(const KeyPath& path);

    // True while edits wait to be written.
    bool pending() const { return !edits_.empty(); }

    // Writes the hive when it has pending edits (compact, atomically, synced); an unchanged hive writes nothing.
    // Before writing, the file is checked to be the version read; a newer one is read first (see refresh).
    // ERROR_REGISTRY_IO_FAILED when the file can't be written, ERROR_ACCESS_DENIED when it is read-only,
    // ERROR_LOCK_VIOLATION when another process's write held the hive's folder for longer than the lock wait;
    // the edits then stay pending.
    [[nodiscard]] LSTATUS flush(const WriteHook& hook);

private:
    struct Edit {
        enum class Kind { create_key, set_value, delete_value, delete_key } kind;
        KeyPath path;
        std::u16string name;
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
        std::vector<std::u16string> subkeys; // of a deleted key, as it had them
    };

    static bool apply(hive::Hive& hive, const Edit& edit, bool* created = nullptr);
    void read_file();
    std::optional<FileStamp> stamp_now() const;

    QString path_;
    std::string native_path_;
    State state_ = State::absent;
    std::optional<hive::Hive> hive_;
    std::optional<FileStamp> stamp_; // of the version in memory; none when no file was read
    std::vector<Edit> edits_;        // since the last write
    bool ever_read_ = false;
};

// The current time as a Windows FILETIME.
hive::FileTime filetime_now();

} // namespace platform
