#include "platform/registry/hive_file.h"

#include "platform/file_attributes.h"
#include "platform/file_lock.h"
#include "platform/registry/hive_bytes.h"

#include <QFile>

#include <cerrno>
#include <chrono>
#include <new>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

namespace platform {
namespace {

constexpr int read_attempts = 5;

FileStamp stamp_of(const struct stat& st)
{
    return FileStamp{st.st_dev, st.st_ino, st.st_size, static_cast<std::int64_t>(st.st_mtim.tv_sec), st.st_mtim.tv_nsec};
}

// Holds a file descriptor and closes it.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    bool ok() const { return fd_ >= 0; }

private:
    int fd_;
};

std::string folder_of(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

hive::FileTime filetime_now()
{
    using namespace std::chrono;
    constexpr std::uint64_t unix_epoch_in_filetime = 116444736000000000ull;
    const auto ticks = duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count() / 100;
    return unix_epoch_in_filetime + static_cast<std::uint64_t>(ticks);
}

HiveFile::HiveFile(QString host_path) : path_(std::move(host_path)), native_path_(QFile::encodeName(path_).toStdString())
{
}

std::optional<FileStamp> HiveFile::stamp_now() const
{
    struct stat st {};
    if (::stat(native_path_.c_str(), &st) != 0)
        return std::nullopt;
    return stamp_of(st);
}

bool HiveFile::read_only() const
{
    const auto attributes = host_attributes(path_);
    if (attributes && (*attributes & attr_readonly))
        return true;
    // A file this process may not write (another account's, on a read-only file system) is read-only to it too,
    // though the rename in its folder might succeed.
    return ::faccessat(AT_FDCWD, native_path_.c_str(), W_OK, AT_EACCESS) != 0 && (errno == EACCES || errno == EROFS);
}

void HiveFile::refresh()
{
    if (!ever_read_ || stamp_now() != stamp_)
        read_file();
}

// A hive within the size limit may still be more than the memory there is: it is then as good as damaged, read
// by no call and never written over.
void HiveFile::read_file()
try {
    ever_read_ = true;
    std::vector<std::uint8_t> bytes;
    std::optional<FileStamp> read_stamp;
    bool have_bytes = false;
    // A writer that rewrites the file in place may be half way: read until two looks at the file agree.
    for (int attempt = 0; attempt < read_attempts && !have_bytes; ++attempt) {
        Descriptor fd(::open(native_path_.c_str(), O_RDONLY | O_CLOEXEC));
        if (!fd.ok())
            break;
        struct stat before {}, after {};
        if (::fstat(fd.get(), &before) != 0 || !S_ISREG(before.st_mode))
            break;
        if (!read_hive_bytes(fd.get(), bytes))
            break;
        if (::fstat(fd.get(), &after) != 0)
            break;
        read_stamp = stamp_of(after);
        have_bytes = stamp_of(before) == stamp_of(after);
    }

    if (!have_bytes) {
        state_ = State::absent;
        hive_.reset();
        stamp_ = stamp_now();
        return;
    }
    stamp_ = read_stamp;
    hive_ = hive::Hive::parse(bytes);
    if (!hive_) {
        state_ = State::damaged;
        return;
    }
    state_ = State::loaded;
    // Our edits that were not written yet go over the other process's version.
    if (hive_->clean()) {
        for (const Edit& edit : edits_)
            apply(*hive_, edit);
    }
} catch (const std::bad_alloc&) {
    state_ = State::damaged;
    hive_.reset();
    stamp_ = stamp_now();
}

hive::Key* HiveFile::key(const KeyPath& path)
{
    if (state_ != State::loaded)
        return nullptr;
    hive::Key* key = &hive_->root();
    for (const std::u16string& name : path) {
        key = key->subkey(name);
        if (!key)
            return nullptr;
    }
    return key;
}

bool HiveFile::apply(hive::Hive& hive, const Edit& edit, bool* created)
{
    hive::Key* key = &hive.root();
    const std::size_t walk = edit.kind == Edit::Kind::delete_key ? edit.path.size() - 1 : edit.path.size();
    for (std::size_t i = 0; i < walk; ++i) {
        hive::Key* next = key->subkey(edit.path[i]);
        if (!next && edit.kind == Edit::Kind::create_key) {
            next = key->add_subkey(edit.path[i]);
            if (next && created)
                *created = true;
        }
        if (!next)
            return false;
        key = next;
    }
    switch (edit.kind) {
    case Edit::Kind::create_key:
        return true;
    case Edit::Kind::set_value:
        return key->set_value(edit.name, edit.type, edit.data);
    case Edit::Kind::delete_value:
        return key->remove_value(edit.name);
    case Edit::Kind::delete_key: {
        const hive::Key* doomed = key->subkey(edit.path.back());
        if (!doomed)
            return false;
        // Over a newer file a sub-key the deletion did not see is another process's flushed work: it keeps the
        // key, as NT keeps a key that has sub-keys.
        for (const auto& sub : doomed->subkeys()) {
            const auto seen = [&](const std::u16string& name) { return same_name(name, sub->name()); };
            if (std::none_of(edit.subkeys.begin(), edit.subkeys.end(), seen))
                return false;
        }
        return key->remove_subkey(edit.path.back());
    }
    }
    return false;
}

hive::Key* HiveFile::create_key(const KeyPath& path, bool& created)
{
    created = false;
    if (hive::Key* existing = key(path))
        return existing;
    if (state_ != State::loaded)
        return nullptr;
    Edit edit{Edit::Kind::create_key, path, {}, 0, {}, {}};
    const bool ok = apply(*hive_, edit, &created);
    if (created)
        edits_.push_back(std::move(edit));
    return ok ? key(path) : nullptr;
}

bool HiveFile::set_value(const KeyPath& path, std::u16string_view name, std::uint32_t type, std::vector<std::uint8_t> data)
{
    hive::Key* target = key(path);
    if (!target)
        return false;
    if (const hive::Value* old = target->value(name); old && old->type == type && old->data == data)
        return true;
    Edit edit{Edit::Kind::set_value, path, std::u16string(name), type, std::move(data), {}};
    if (!apply(*hive_, edit))
        return false;
    edits_.push_back(std::move(edit));
    return true;
}

bool HiveFile::delete_value(const KeyPath& path, std::u16string_view name)
{
    hive::Key* target = key(path);
    if (!target || !target->value(name))
        return false;
    Edit edit{Edit::Kind::delete_value, path, std::u16string(name), 0, {}, {}};
    if (!apply(*hive_, edit))
        return false;
    edits_.push_back(std::move(edit));
    return true;
}

bool HiveFile::delete_key(const KeyPath& path)
{
    const hive::Key* target = path.empty() ? nullptr : key(path);
    if (!target)
        return false;
    Edit edit{Edit::Kind::delete_key, path, {}, 0, {}, {}};
    for (const auto& sub : target->subkeys())
        edit.subkeys.push_back(sub->name());
    if (!apply(*hive_, edit))
        return false;
    edits_.push_back(std::move(edit));
    return true;
}

LSTATUS HiveFile::flush(const WriteHook& hook)
{
    if (edits_.empty())
        return ERROR_SUCCESS;
    if (read_only())
        return ERROR_ACCESS_DENIED; // made read-only since the edits: they stay pending, the file as it is
    // One writer at a time per folder, across processes: the check that the file is still the version read and
    // the rename that replaces it must not interleave with another writer's.
    const LockedFolder folder(folder_of(native_path_));
    if (!folder.opened())
        return ERROR_REGISTRY_IO_FAILED;
    switch (folder.result()) {
    case LockResult::locked:
        break;
    case LockResult::busy:
        return ERROR_LOCK_VIOLATION;
    case LockResult::failed:
        return ERROR_REGISTRY_IO_FAILED;
    }
    if (stamp_now() != stamp_)
        read_file();
    if (!clean())
        return ERROR_REGISTRY_IO_FAILED; // a damaged, vanished or unclean file is never written over

    std::vector<std::uint8_t> bytes;
    try {
        bytes = hive_->serialize(filetime_now());
    } catch (const std::bad_alloc&) {
        return ERROR_REGISTRY_IO_FAILED; // the file is untouched and the edits stay pending
    }
    const ReplaceResult result = replace_file(folder.fd(), native_path_, bytes, hook);
    if (result == ReplaceResult::failed)
        return ERROR_REGISTRY_IO_FAILED;
    stamp_ = stamp_now();
    edits_.clear();
    return result == ReplaceResult::replaced ? ERROR_SUCCESS : ERROR_REGISTRY_IO_FAILED;
}

} // namespace platform
