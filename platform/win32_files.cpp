#include "platform/win32_files.h"

#include "platform/codepage.h"
#include "platform/file_attributes.h"
#include "platform/hive/hive.h"
#include "platform/machine/windows_path.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <string>

namespace platform::win32 {

namespace {

std::uint32_t win32_bits(std::uint32_t attributes) { return attributes == 0 ? attr_normal : attributes; }

// What is left of a pattern when the name has run out may still match: * and ? match nothing there, and so
// does a dot followed by * or ?. That is how "*.*" (and "name*.*") takes names without a dot.
bool matches_at_end(const QString& pattern, qsizetype p)
{
    for (; p < pattern.size(); ++p) {
        const QChar c = pattern[p];
        if (c == QLatin1Char('*') || c == QLatin1Char('?'))
            continue;
        if (c == QLatin1Char('.') && p + 1 < pattern.size()
            && (pattern[p + 1] == QLatin1Char('*') || pattern[p + 1] == QLatin1Char('?')))
            continue;
        return false;
    }
    return true;
}

// FindFirstFile's own wildcards: * any run, ? one character, without regard to case.
bool wildcard_match(const QString& name, const QString& pattern)
{
    if (pattern == QLatin1String("*") || pattern == QLatin1String("*.*"))
        return true;
    qsizetype n = 0, p = 0, star_p = -1, star_n = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            star_p = ++p;
            star_n = n;
        } else if (p < pattern.size()
                   && (pattern[p] == QLatin1Char('?') || pattern[p].toCaseFolded() == name[n].toCaseFolded())) {
            ++p;
            ++n;
        } else if (star_p >= 0) {
            p = star_p;
            n = ++star_n;
        } else {
            return false;
        }
    }
    return matches_at_end(pattern, p);
}

// NTFS keeps a folder's names in the order of their upper-cased UTF-16 units, and lists them so.
bool ntfs_before(const QFileInfo& a, const QFileInfo& b)
{
    const std::u16string x = a.fileName().toStdU16String();
    const std::u16string y = b.fileName().toStdU16String();
    const int order = hive::compare_names(x, y);
    return order != 0 ? order < 0 : x < y;
}

} // namespace

std::optional<std::vector<FindData>> find_all(const Machine& machine, const QString& pattern)
{
    // Split off the last component: it may hold wildcards, which the path mapping refuses.
    qsizetype cut = -1;
    for (qsizetype i = pattern.size() - 1; i >= 0; --i)
        if (pattern[i] == QLatin1Char('\\') || pattern[i] == QLatin1Char('/')) {
            cut = i;
            break;
        }
    if (cut < 0)
        return std::nullopt;
    const QString folder = pattern.left(cut + 1);
    const QString wanted = pattern.mid(cut + 1);
    if (wanted.isEmpty())
        return std::nullopt;
    const auto parsed = parse_windows_path(folder);
    if (!parsed)
        return std::nullopt;
    const HostPath host = machine.to_host(folder);
    if (!host.ok() || !QFileInfo(host.path).isDir())
        return std::nullopt;
    const QDir dir(host.path);
    if (!dir.isReadable())
        return std::nullopt;

    std::vector<FindData> found;
    if (!parsed->components.isEmpty())
        for (const char* dots : {".", ".."})
            if (wildcard_match(QLatin1String(dots), wanted))
                found.push_back({attr_directory, QLatin1String(dots), 0});
    QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    std::sort(entries.begin(), entries.end(), ntfs_before);
    for (const QFileInfo& entry : entries) {
        const QString name = from_cp1252(to_cp1252(entry.fileName()));
        if (!wildcard_match(name, wanted))
            continue;
        const auto attributes = host_attributes(entry.filePath());
        found.push_back({win32_bits(attributes.value_or(0)), name, entry.isDir() ? 0 : entry.size()});
    }
    return found;
}

std::uint32_t GetFileAttributesA(const Machine& machine, const QString& path)
{
    const HostPath host = machine.to_host(path);
    if (!host.ok())
        return invalid_file_attributes;
    const auto attributes = host_attributes(host.path);
    return attributes ? win32_bits(*attributes) : invalid_file_attributes;
}

} // namespace platform::win32
