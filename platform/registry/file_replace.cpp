#include "platform/registry/file_replace.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace platform {
namespace {

bool write_all(int fd, std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    return true;
}

bool fails(const WriteHook& hook, WriteStep step) { return hook && hook(step); }

// The names of a file's extended attributes, NUL-separated; std::nullopt when they can't be listed (a file
// system without them has none).
std::optional<std::vector<char>> attribute_names(const char* path)
{
    std::vector<char> names;
    while (true) {
        const ssize_t size = ::listxattr(path, nullptr, 0);
        if (size < 0)
            return errno == ENOTSUP ? std::optional(std::vector<char>{}) : std::nullopt;
        names.resize(static_cast<std::size_t>(size));
        const ssize_t got = ::listxattr(path, names.data(), names.size());
        if (got >= 0) {
            names.resize(static_cast<std::size_t>(got));
            return names;
        }
        if (errno != ERANGE) // ERANGE: the list grew in between
            return std::nullopt;
    }
}

// Gives the new file every extended attribute of the old one: the DOS attributes (hidden, system) live there.
// Those of the user namespace must come along; the others need privileges this process may lack, as the owner
// does, and are kept where permitted.
bool copy_attributes(const char* from, int to_fd)
{
    const auto names = attribute_names(from);
    if (!names)
        return false;
    std::vector<char> value;
    for (std::size_t at = 0; at < names->size();) {
        const char* name = names->data() + at;
        at += std::strlen(name) + 1;
        const bool needed = std::strncmp(name, "user.", 5) == 0;
        ssize_t size = ::getxattr(from, name, nullptr, 0);
        if (size >= 0) {
            value.resize(static_cast<std::size_t>(size));
            size = ::getxattr(from, name, value.data(), value.size());
        }
        if (size < 0 && errno == ENODATA)
            continue; // removed since it was listed
        if (size < 0 || ::fsetxattr(to_fd, name, value.data(), static_cast<std::size_t>(size), 0) != 0) {
            if (needed)
                return false;
        }
    }
    return true;
}

} // namespace

std::string temporary_name(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    // Hidden, so that listings of the Windows folders do not show it.
    return folder + "." + name + ".new";
}

ReplaceResult replace_file(int folder_fd, const std::string& path, std::span<const std::uint8_t> bytes,
                           const WriteHook& hook)
{
    const std::string temp = temporary_name(path);
    ::unlink(temp.c_str()); // left over from a crash: its content was never renamed into place

    struct stat old {};
    const bool have_old = ::stat(path.c_str(), &old) == 0;
    // A new file gets the mode any new file gets; a replacement the old one's, once it has its attributes.
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, have_old ? 0600 : 0666);
    if (fd < 0)
        return ReplaceResult::failed;

    bool ok = true;
    if (have_old) {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            // Only root may give a file away; the file then stays ours.
        }
        // Before the mode: a file without write permission takes no extended attribute.
        ok = copy_attributes(path.c_str(), fd) && ::fchmod(fd, old.st_mode & 07777) == 0;
    }
    ok = ok && write_all(fd, bytes) && !fails(hook, WriteStep::temp_written);
    ok = ok && ::fsync(fd) == 0 && !fails(hook, WriteStep::temp_synced);
    ok = (::close(fd) == 0) && ok;
    if (!ok || ::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return ReplaceResult::failed;
    }
    return ::fsync(folder_fd) == 0 ? ReplaceResult::replaced : ReplaceResult::replaced_unsynced;
}

} // namespace platform
