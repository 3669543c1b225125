#include "platform/file_attributes.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <cstdlib>

#include <sys/stat.h>
#include <sys/xattr.h>

namespace platform {

namespace {

constexpr std::uint32_t kept_bits = attr_hidden | attr_system | attr_archive;

std::uint32_t read_kept_bits(const QByteArray& path)
{
    char buffer[16] = {};
    const ssize_t n = ::getxattr(path.constData(), dos_attribute_name, buffer, sizeof buffer - 1);
    if (n <= 0)
        return 0;
    return static_cast<std::uint32_t>(std::strtoul(buffer, nullptr, 10)) & kept_bits;
}

} // namespace

std::optional<std::uint32_t> host_attributes(const QString& host_path)
{
    const QByteArray path = QFile::encodeName(host_path);
    struct stat st;
    if (::stat(path.constData(), &st) != 0)
        return std::nullopt;
    std::uint32_t bits = read_kept_bits(path);
    if (S_ISDIR(st.st_mode))
        bits |= attr_directory;
    if ((st.st_mode & S_IWUSR) == 0)
        bits |= attr_readonly;
    return bits;
}

bool set_host_attributes(const QString& host_path, std::uint32_t attributes)
{
    const QByteArray path = QFile::encodeName(host_path);
    struct stat st;
    if (::stat(path.constData(), &st) != 0)
        return false;
    const mode_t old_mode = st.st_mode & 07777;
    const mode_t mode = attributes & attr_readonly ? old_mode & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH)
                                                   : old_mode | S_IWUSR;
    // The extended attribute can only be written while the file is writable: make it so for that moment.
    const mode_t writable = old_mode | S_IWUSR;
    if (writable != old_mode && ::chmod(path.constData(), writable) != 0)
        return false;
    const std::uint32_t kept = attributes & kept_bits;
    if (kept == 0) {
        ::removexattr(path.constData(), dos_attribute_name);
    } else {
        const QByteArray value = QByteArray::number(kept);
        ::setxattr(path.constData(), dos_attribute_name, value.constData(), static_cast<size_t>(value.size()), 0);
    }
    if (mode != writable && ::chmod(path.constData(), mode) != 0)
        return false;
    return true;
}

bool host_keeps_dos_attributes(const QString& host_path)
{
    const QByteArray path = QFile::encodeName(host_path);
    if (::setxattr(path.constData(), "user.gatrisk.probe", "1", 1, 0) != 0)
        return false;
    ::removexattr(path.constData(), "user.gatrisk.probe");
    return true;
}

} // namespace platform
