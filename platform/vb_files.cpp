#include "platform/vb_files.h"

#include "platform/codepage.h"
#include "platform/file_attributes.h"
#include "platform/machine/windows_path.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

struct VbFiles::OpenFile {
    int fd = -1;
    FileMode mode = FileMode::binary;
    bool writable = false;
    dev_t dev = 0;
    ino_t ino = 0;
    // Sequential reading: bytes read ahead of the logical position.
    QByteArray buffer;
    qsizetype buffer_pos = 0;
    std::int64_t position = 0; // logical position of the next byte

    ~OpenFile()
    {
        if (fd >= 0)
            ::close(fd);
    }

    std::int64_t size() const
    {
        struct stat st;
        return ::fstat(fd, &st) == 0 ? static_cast<std::int64_t>(st.st_size) : 0;
    }

    // The next byte without taking it; -1 at the end.
    int peek()
    {
        if (buffer_pos >= buffer.size()) {
            buffer.resize(4096);
            const ssize_t n = ::pread(fd, buffer.data(), static_cast<size_t>(buffer.size()), position);
            buffer.resize(n > 0 ? n : 0);
            buffer_pos = 0;
            if (buffer.isEmpty())
                return -1;
        }
        return static_cast<unsigned char>(buffer[buffer_pos]);
    }
    int take()
    {
        const int c = peek();
        if (c >= 0) {
            ++buffer_pos;
            ++position;
        }
        return c;
    }
    void drop_buffer()
    {
        buffer.clear();
        buffer_pos = 0;
    }
};

namespace {

bool write_all(int fd, const QByteArray& bytes, std::int64_t* position)
{
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = position ? ::pwrite(fd, p, static_cast<size_t>(left), *position)
                                   : ::write(fd, p, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= n;
        if (position)
            *position += n;
    }
    return true;
}

int open_error(int err)
{
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        return vb::path_not_found;
    default:
        return vb::path_file_access;
    }
}

bool is_blank(int c) { return c == ' ' || c == '\t'; }


} // namespace

VbFiles::VbFiles(const Machine& machine)
    : machine_(machine), held_(machine), current_dir_(machine.facts().program_dir)
{
}

VbFiles::~VbFiles() = default;

QString VbFiles::full_path(const QString& path) const
{
    if (path.size() >= 2 && path[1] == QLatin1Char(':'))
        return path;
    if (path.startsWith(QLatin1Char('\\')) || path.startsWith(QLatin1Char('/')))
        return current_dir_.left(2) + path;
    return current_dir_ + QLatin1Char('\\') + path;
}

VbResult<QString> VbFiles::host_path(const QString& path, Access access) const
{
    if (path.isEmpty())
        return {QString(), vb::bad_file_number};
    const HostPath mapped = access == Access::write ? machine_.to_host_for_write(full_path(path))
                                                    : machine_.to_host(full_path(path));
    switch (mapped.error) {
    case PathError::none:
        break;
    case PathError::no_drive:
        return {QString(), vb::path_not_found};
    case PathError::invalid:
        return {QString(), vb::bad_file_number};
    case PathError::escapes:
        return {QString(), vb::path_file_access};
    }
    return {mapped.path, vb::ok};
}

VbFiles::OpenFile* VbFiles::file(int number) const
{
    const auto it = files_.find(number);
    return it == files_.end() ? nullptr : it->second.get();
}

bool VbFiles::is_open(int number) const { return file(number) != nullptr; }

int VbFiles::free_file() const
{
    for (int n = 1; n <= 255; ++n)
        if (!is_open(n))
            return n;
    return 0;
}

int VbFiles::open(const QString& path, FileMode mode, int number)
{
    if (number < 1 || number > max_file_number)
        return vb::bad_file_number;
    if (is_open(number))
        return vb::file_already_open;
    auto host = host_path(path, mode == FileMode::input ? Access::read : Access::write);
    // What may not be written (a link to an installed program) may still be opened for Binary reading.
    bool read_only_link = false;
    if (mode == FileMode::binary && !host.ok()) {
        host = host_path(path);
        read_only_link = true;
    }
    if (!host.ok())
        return host.error;
    const QByteArray name = QFile::encodeName(host.value);

    struct stat st;
    const bool exists = ::stat(name.constData(), &st) == 0;
    if (exists) {
        if (S_ISDIR(st.st_mode))
            return vb::path_file_access;
        const bool sequential_write = mode == FileMode::output || mode == FileMode::append;
        for (const auto& [n, f] : files_)
            if (f->dev == st.st_dev && f->ino == st.st_ino
                && (sequential_write || f->mode == FileMode::output || f->mode == FileMode::append))
                return vb::file_already_open;
        if (held_.is_held(host.value))
            return vb::permission_denied;
    } else {
        if (!QFileInfo(QFileInfo(host.value).absolutePath()).isDir())
            return vb::path_not_found;
        if (mode == FileMode::input)
            return vb::file_not_found;
    }
    const auto attributes = exists ? host_attributes(host.value) : std::optional<std::uint32_t>(0);
    const bool read_only = read_only_link || (attributes && (*attributes & attr_readonly));

    int flags = O_CLOEXEC;
    bool writable = true;
    switch (mode) {
    case FileMode::input:
        flags |= O_RDONLY;
        writable = false;
        break;
    case FileMode::output:
        if (read_only)
            return vb::path_file_access;
        flags |= O_WRONLY | O_CREAT | O_TRUNC;
        break;
    case FileMode::append:
        if (read_only)
            return vb::path_file_access;
        flags |= O_WRONLY | O_CREAT | O_APPEND;
        break;
    case FileMode::binary:
        // VB tries read and write first, then reading alone.
        flags |= read_only ? O_RDONLY : (O_RDWR | O_CREAT);
        writable = !read_only;
        break;
    }
    int fd = ::open(name.constData(), flags, 0666);
    if (fd < 0 && mode == FileMode::binary && exists && errno == EACCES) {
        fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
        writable = false;
    }
    if (fd < 0)
        return open_error(errno);
    auto f = std::make_unique<OpenFile>();
    f->fd = fd;
    f->mode = mode;
    f->writable = writable;
    if (::fstat(fd, &st) == 0) {
        f->dev = st.st_dev;
        f->ino = st.st_ino;
    }
    if (mode == FileMode::append)
        f->position = f->size();
    files_[number] = std::move(f);
    return vb::ok;
}

void VbFiles::close(int number) { files_.erase(number); }
void VbFiles::close_all() { files_.clear(); }

VbResult<std::int64_t> VbFiles::length(int number) const
{
    const OpenFile* f = file(number);
    if (!f)
        return {0, vb::bad_file_number};
    return {f->size(), vb::ok};
}

VbResult<bool> VbFiles::eof(int number) const
{
    const OpenFile* f = file(number);
    if (!f)
        return {false, vb::bad_file_number};
    return {f->position >= f->size(), vb::ok};
}

int VbFiles::print(int number, const QString& text, bool line_end)
{
    OpenFile* f = file(number);
    if (!f)
        return vb::bad_file_number;
    if (f->mode != FileMode::output && f->mode != FileMode::append)
        return vb::bad_file_mode;
    QByteArray bytes = to_cp1252(text);
    if (line_end)
        bytes += "\r\n";
    if (!write_all(f->fd, bytes, nullptr))
        return vb::device_io_error;
    f->position += bytes.size();
    return vb::ok;
}

VbResult<QString> VbFiles::input_item(int number)
{
    OpenFile* f = file(number);
    if (!f)
        return {QString(), vb::bad_file_number};
    if (f->mode != FileMode::input && f->mode != FileMode::binary)
        return {QString(), vb::bad_file_mode};
    while (is_blank(f->peek()))
        f->take();
    if (f->peek() < 0)
        return {QString(), vb::input_past_end};

    const auto take_line_end = [f] {
        if (f->take() == '\r' && f->peek() == '\n')
            f->take();
    };
    QByteArray item;
    if (f->peek() == '"') {
        f->take();
        int c = f->take();
        for (; c >= 0 && c != '"'; c = f->take())
            item += static_cast<char>(c);
        // A quote that is never closed ran into the end of the file: the item was not read whole.
        if (c < 0)
            return {QString(), vb::input_past_end};
        // What follows the closing quote up to the delimiter is not part of the item; a delimiter is taken.
        while (is_blank(f->peek()))
            f->take();
        if (f->peek() == ',')
            f->take();
        else if (f->peek() == '\r' || f->peek() == '\n')
            take_line_end();
        return {from_cp1252(item), vb::ok};
    }
    for (int c = f->peek(); c >= 0; c = f->peek()) {
        if (c == ',') {
            f->take();
            break;
        }
        if (c == '\r' || c == '\n') {
            take_line_end();
            break;
        }
        item += static_cast<char>(f->take());
    }
    return {from_cp1252(item), vb::ok};
}

VbResult<QString> VbFiles::line_input(int number)
{
    OpenFile* f = file(number);
    if (!f)
        return {QString(), vb::bad_file_number};
    if (f->mode != FileMode::input && f->mode != FileMode::binary)
        return {QString(), vb::bad_file_mode};
    if (f->peek() < 0)
        return {QString(), vb::input_past_end};
    QByteArray line;
    for (int c = f->take(); c >= 0; c = f->take()) {
        if (c == '\n')
            break;
        if (c == '\r') {
            if (f->peek() == '\n')
                f->take();
            break;
        }
        line += static_cast<char>(c);
    }
    return {from_cp1252(line), vb::ok};
}

VbResult<QByteArray> VbFiles::get(int number, std::int64_t position, std::int64_t count)
{
    OpenFile* f = file(number);
    if (!f)
        return {QByteArray(), vb::bad_file_number};
    if (f->mode != FileMode::binary)
        return {QByteArray(), vb::bad_file_mode};
    if (position < 1 || count < 0)
        return {QByteArray(), vb::bad_call};
    QByteArray bytes(static_cast<qsizetype>(count), '\0');
    const ssize_t n = ::pread(f->fd, bytes.data(), static_cast<size_t>(count), position - 1);
    if (n < 0)
        return {QByteArray(), vb::device_io_error};
    bytes.resize(n);
    f->drop_buffer();
    f->position = position - 1 + n;
    return {bytes, vb::ok};
}

int VbFiles::put(int number, std::int64_t position, const QByteArray& bytes)
{
    OpenFile* f = file(number);
    if (!f)
        return vb::bad_file_number;
    if (f->mode != FileMode::binary)
        return vb::bad_file_mode;
    if (position < 1)
        return vb::bad_call;
    if (!f->writable)
        return vb::path_file_access;
    std::int64_t at = position - 1;
    if (!write_all(f->fd, bytes, &at))
        return vb::device_io_error;
    f->drop_buffer();
    f->position = at;
    return vb::ok;
}

int VbFiles::kill(const QString& path)
{
    const auto host = host_path(path);
    if (!host.ok())
        return host.error;
    const QByteArray name = QFile::encodeName(host.value);
    struct stat st;
    if (::lstat(name.constData(), &st) != 0)
        return QFileInfo(QFileInfo(host.value).absolutePath()).isDir() ? vb::file_not_found : vb::path_not_found;
    if (S_ISDIR(st.st_mode))
        return vb::file_not_found;
    struct stat target;
    if (::stat(name.constData(), &target) == 0) {
        for (const auto& [n, f] : files_)
            if (f->dev == target.st_dev && f->ino == target.st_ino)
                return vb::path_file_access;
        if (!S_ISLNK(st.st_mode)) {
            if (held_.is_held(host.value))
                return vb::permission_denied;
            const auto attributes = host_attributes(host.value);
            if (attributes && (*attributes & attr_readonly))
                return vb::path_file_access;
        }
    }
    if (::unlink(name.constData()) != 0)
        return errno == ENOENT ? vb::file_not_found : vb::path_file_access;
    return vb::ok;
}

VbResult<std::uint32_t> VbFiles::get_attr(const QString& path) const
{
    const auto host = host_path(path);
    if (!host.ok())
        return {0, host.error};
    const auto attributes = host_attributes(host.value);
    if (!attributes)
        return {0, QFileInfo(QFileInfo(host.value).absolutePath()).isDir() ? vb::file_not_found : vb::path_not_found};
    return {*attributes, vb::ok};
}

int VbFiles::set_attr(const QString& path, std::uint32_t attributes)
{
    const auto host = host_path(path, Access::write); // never the host program a link out of the drive leads to
    if (!host.ok())
        return host.error;
    if (!QFileInfo::exists(host.value))
        return QFileInfo(QFileInfo(host.value).absolutePath()).isDir() ? vb::file_not_found : vb::path_not_found;
    return set_host_attributes(host.value, attributes) ? vb::ok : vb::path_file_access;
}

VbResult<std::int64_t> VbFiles::file_len(const QString& path) const
{
    const auto host = host_path(path);
    if (!host.ok())
        return {0, host.error};
    const QFileInfo info(host.value);
    if (!info.exists() || info.isDir())
        return {0, QFileInfo(info.absolutePath()).isDir() ? vb::file_not_found : vb::path_not_found};
    return {info.size(), vb::ok};
}

} // namespace platform
