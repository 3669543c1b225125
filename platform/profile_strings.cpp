#include "platform/profile_strings.h"

#include "platform/codepage.h"
#include "platform/file_attributes.h"

#include <QByteArrayList>
#include <QFile>
#include <QFileInfo>

namespace platform {

namespace {

// One line of the file: the bytes as they stand and what they mean.
struct Line {
    QByteArray raw;
    enum Kind { other, section, entry } kind = other;
    QString name;  // section or entry name, trimmed
    QString value; // entry value, trimmed
};

std::vector<Line> parse(const QByteArray& bytes)
{
    std::vector<Line> lines;
    QByteArrayList rows = bytes.split('\n');
    if (!rows.isEmpty() && rows.back().isEmpty())
        rows.removeLast();
    for (QByteArray& row : rows) {
        if (row.endsWith('\r'))
            row.chop(1);
        Line line;
        line.raw = row;
        const QString text = from_cp1252(row).trimmed();
        if (text.startsWith(QLatin1Char('['))) {
            const qsizetype close = text.indexOf(QLatin1Char(']'));
            line.kind = Line::section;
            line.name = (close < 0 ? text.mid(1) : text.mid(1, close - 1)).trimmed();
        } else if (!text.isEmpty() && !text.startsWith(QLatin1Char(';'))) {
            const qsizetype eq = text.indexOf(QLatin1Char('='));
            line.kind = Line::entry;
            line.name = (eq < 0 ? text : text.left(eq)).trimmed();
            line.value = eq < 0 ? QString() : text.mid(eq + 1).trimmed();
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

bool same(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

QString unquoted(const QString& value)
{
    if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\''))
        && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

// Copies `text` into a buffer of `size` characters as the call does, cut when it does not fit.
std::uint32_t copy_out(const QString& text, std::uint32_t size, QString* out)
{
    if (size == 0) {
        if (out)
            out->clear();
        return 0;
    }
    const QString copied = text.left(size - 1);
    if (out)
        *out = copied;
    return static_cast<std::uint32_t>(copied.size());
}

// A list of NUL-terminated names closed by a second NUL; a list that does not fit counts size - 2.
std::uint32_t copy_list(const QStringList& names, std::uint32_t size, QString* out)
{
    QString list;
    for (const QString& n : names)
        list += n + QChar(0);
    if (static_cast<std::uint64_t>(list.size()) + 1 <= size) {
        if (out)
            *out = list;
        return static_cast<std::uint32_t>(list.size());
    }
    if (size < 2) {
        if (out)
            out->clear();
        return 0;
    }
    QString cut = list.left(size - 2) + QChar(0);
    if (out)
        *out = cut;
    return size - 2;
}

} // namespace

ProfileStrings::ProfileStrings(const Machine& machine) : machine_(machine), held_(machine) {}

QString ProfileStrings::full_path(const QString& file) const
{
    if (file.size() >= 2 && file[1] == QLatin1Char(':'))
        return file;
    return machine_.facts().windows_dir + (machine_.facts().windows_dir.endsWith(QLatin1Char('\\')) ? "" : "\\")
           + file;
}

std::uint32_t ProfileStrings::get(const std::optional<QString>& section, const std::optional<QString>& entry,
                                  const std::optional<QString>& default_value, QString* out, std::uint32_t size,
                                  const QString& file) const
{
    std::vector<Line> lines;
    const HostPath host = machine_.to_host(full_path(file));
    if (host.ok() && !held_.is_held(host.path)) {
        QFile f(host.path);
        if (f.open(QIODevice::ReadOnly))
            lines = parse(f.readAll());
    }

    if (!section) {
        QStringList names;
        for (const Line& l : lines)
            if (l.kind == Line::section)
                names.push_back(l.name);
        return copy_list(names, size, out);
    }
    bool in_section = false;
    bool section_found = false;
    QStringList names;
    for (const Line& l : lines) {
        if (l.kind == Line::section) {
            in_section = same(l.name, *section);
            section_found = section_found || in_section;
            continue;
        }
        if (!in_section || l.kind != Line::entry)
            continue;
        if (!entry) {
            names.push_back(l.name);
        } else if (same(l.name, *entry)) {
            return copy_out(unquoted(l.value), size, out);
        }
    }
    if (!entry && section_found)
        return copy_list(names, size, out);
    QString fallback = default_value.value_or(QString());
    while (fallback.endsWith(QLatin1Char(' ')))
        fallback.chop(1);
    return copy_out(fallback, size, out);
}

bool ProfileStrings::write(const std::optional<QString>& section, const std::optional<QString>& entry,
                           const std::optional<QString>& value, const QString& file)
{
    if (!section)
        return false;
    const HostPath host = machine_.to_host_for_write(full_path(file));
    if (!host.ok())
        return false;
    const QFileInfo info(host.path);
    if (!QFileInfo(info.absolutePath()).isDir() || info.isDir())
        return false;
    if (info.exists()) {
        const auto attributes = host_attributes(host.path);
        if ((attributes && (*attributes & attr_readonly)) || held_.is_held(host.path))
            return false;
    }

    QByteArray old_bytes;
    {
        QFile f(host.path);
        if (f.exists()) {
            if (!f.open(QIODevice::ReadOnly))
                return false;
            old_bytes = f.readAll();
        }
    }
    std::vector<Line> lines = parse(old_bytes);
    const QByteArray entry_line = entry && value ? to_cp1252(*entry + QLatin1Char('=') + *value) : QByteArray();

    // The section's extent: its header, and the line after its last entry (blank lines behind it stay behind).
    qsizetype header = -1;
    qsizetype end = -1;
    for (qsizetype i = 0; i < static_cast<qsizetype>(lines.size()); ++i) {
        if (lines[i].kind == Line::section) {
            if (header >= 0)
                break;
            if (same(lines[i].name, *section))
                header = end = i + 1;
            continue;
        }
        if (header >= 0 && lines[i].kind != Line::other)
            end = i + 1;
    }

    bool changed = false;
    if (!entry) {
        if (header >= 0) {
            qsizetype last = header;
            while (last < static_cast<qsizetype>(lines.size()) && lines[last].kind != Line::section)
                ++last;
            lines.erase(lines.begin() + (header - 1), lines.begin() + last);
            changed = true;
        }
    } else if (header >= 0) {
        qsizetype found = -1;
        for (qsizetype i = header; i < end; ++i)
            if (lines[i].kind == Line::entry && same(lines[i].name, *entry)) {
                found = i;
                break;
            }
        if (found >= 0 && !value) {
            lines.erase(lines.begin() + found);
            changed = true;
        } else if (found >= 0) {
            lines[found].raw = entry_line;
            changed = true;
        } else if (value) {
            lines.insert(lines.begin() + end, Line{entry_line, Line::entry, *entry, *value});
            changed = true;
        }
    } else if (value) {
        lines.push_back(Line{to_cp1252(QLatin1Char('[') + *section + QLatin1Char(']')), Line::section, *section, {}});
        lines.push_back(Line{entry_line, Line::entry, *entry, *value});
        changed = true;
    }
    if (!changed)
        return true;

    QByteArray bytes;
    for (const Line& l : lines)
        bytes += l.raw + "\r\n";
    // Rewritten in place, so that the file keeps its permissions and attributes.
    QFile f(host.path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(bytes) == bytes.size() && f.flush();
}

} // namespace platform
