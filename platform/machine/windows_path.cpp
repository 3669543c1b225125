#include "platform/machine/windows_path.h"

namespace platform {

namespace {

bool is_separator(QChar c) { return c == QLatin1Char('\\') || c == QLatin1Char('/'); }

bool refused_in_name(QChar c)
{
    if (c.unicode() < 32)
        return true;
    switch (c.unicode()) {
    case '<': case '>': case ':': case '"': case '|': case '?': case '*':
        return true;
    default:
        return false;
    }
}

} // namespace

std::optional<WindowsPath> parse_windows_path(const QString& path)
{
    if (path.size() < 2 || path[1] != QLatin1Char(':'))
        return std::nullopt;
    const QChar letter = path[0].toUpper();
    if (letter < QLatin1Char('A') || letter > QLatin1Char('Z'))
        return std::nullopt;
    // "C:" alone is the root; "C:name" would be relative to the drive's current folder, which nothing here has.
    if (path.size() > 2 && !is_separator(path[2]))
        return std::nullopt;

    WindowsPath result{letter, {}};
    qsizetype i = 2;
    while (i < path.size()) {
        while (i < path.size() && is_separator(path[i]))
            ++i;
        const qsizetype start = i;
        while (i < path.size() && !is_separator(path[i]))
            ++i;
        QString name = path.mid(start, i - start);
        if (name.isEmpty() || name == QLatin1String("."))
            continue;
        if (name == QLatin1String(".."))
            return std::nullopt;
        for (QChar c : name)
            if (refused_in_name(c))
                return std::nullopt;
        // Windows drops trailing dots and blanks of a name ("x." is "x"); a name of nothing else is refused, so
        // ". ." or "..." can never climb.
        while (!name.isEmpty() && (name.back() == QLatin1Char('.') || name.back() == QLatin1Char(' ')))
            name.chop(1);
        if (name.isEmpty())
            return std::nullopt;
        result.components.push_back(name);
    }
    return result;
}

QString format_windows_path(const WindowsPath& path)
{
    QString text = QString(path.drive) + QLatin1String(":\\");
    text += path.components.join(QLatin1Char('\\'));
    return text;
}

QString normalize_windows_path(const QString& path)
{
    const auto parsed = parse_windows_path(path);
    return parsed ? format_windows_path(*parsed) : QString();
}

} // namespace platform
