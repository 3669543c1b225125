#include "platform/machine/machine_config.h"

#include "platform/machine/windows_path.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <map>
#include <set>

namespace platform {

namespace {

// Where each key stood, so that a fact found wrong later can still name its line.
using KeyLines = std::map<QString, int>;

struct Problem {
    int line = 0; // 0: the file as a whole
    QString what;
};

const QStringList system_keys = {
    QStringLiteral("platform"), QStringLiteral("major"),   QStringLiteral("minor"),
    QStringLiteral("build"),    QStringLiteral("csd"),     QStringLiteral("user"),
    QStringLiteral("groups"),   QStringLiteral("windows"), QStringLiteral("system"),
    QStringLiteral("profiles"), QStringLiteral("programs"),
};

int line_of(const KeyLines& lines, const QString& key)
{
    const auto it = lines.find(key);
    return it == lines.end() ? 0 : it->second;
}

std::optional<Problem> check_facts(const MachineFacts& facts, const KeyLines& lines)
{
    if (facts.drives.empty())
        return Problem{line_of(lines, QStringLiteral("[drives]")), QStringLiteral("no drive is mapped")};
    if (facts.user.isEmpty())
        return Problem{line_of(lines, QStringLiteral("user")), QStringLiteral("the logged-on user is not given")};
    if (facts.csd.size() > 127)
        return Problem{line_of(lines, QStringLiteral("csd")),
                       QStringLiteral("the service-pack text is longer than 127 characters")};
    for (const QString& sid : facts.groups)
        if (!is_sid_text(sid))
            return Problem{line_of(lines, QStringLiteral("groups")),
                           QStringLiteral("\"%1\" is not a SID (S-1-...)").arg(sid)};

    const auto mapped = [&](QChar letter) {
        for (const Drive& d : facts.drives)
            if (d.letter == letter)
                return true;
        return false;
    };
    struct Folder {
        const char* key;
        const QString* value;
        bool required;
    };
    const Folder folders[] = {
        {"windows", &facts.windows_dir, true},
        {"system", &facts.system_dir, true},
        {"profiles", &facts.profiles_dir, facts.platform_id == platform_nt},
        {"programs", &facts.program_dir, true},
    };
    for (const Folder& f : folders) {
        const QString key = QLatin1String(f.key);
        if (f.value->isEmpty()) {
            if (f.required)
                return Problem{line_of(lines, QStringLiteral("[system]")),
                               QStringLiteral("the folder \"%1\" is not given").arg(key)};
            continue;
        }
        const auto parsed = parse_windows_path(*f.value);
        if (!parsed)
            return Problem{line_of(lines, key),
                           QStringLiteral("\"%1\" is not a full Windows path").arg(*f.value)};
        if (!mapped(parsed->drive))
            return Problem{line_of(lines, key),
                           QStringLiteral("\"%1\" lies on drive %2:, which is not mapped")
                               .arg(*f.value, QString(parsed->drive))};
    }
    for (const Account& a : facts.accounts)
        if (!is_sid_text(a.sid))
            return Problem{line_of(lines, QStringLiteral("account:") + a.name.toLower()),
                           QStringLiteral("\"%1\" is not a SID (S-1-...)").arg(a.sid)};
    return std::nullopt;
}

QString message(const QString& file, const Problem& p)
{
    return p.line > 0 ? QStringLiteral("%1:%2: %3").arg(file).arg(p.line).arg(p.what)
                      : QStringLiteral("%1: %2").arg(file, p.what);
}

std::optional<std::uint32_t> parse_number(const QString& text)
{
    bool ok = false;
    const qulonglong n = text.toULongLong(&ok, 10);
    if (!ok || n > 0xFFFFFFFFull || text.startsWith(QLatin1Char('+')))
        return std::nullopt;
    return static_cast<std::uint32_t>(n);
}

} // namespace

bool is_sid_text(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('-'));
    if (parts.size() < 3 || parts[0].compare(QLatin1String("S"), Qt::CaseInsensitive) != 0
        || parts[1] != QLatin1String("1"))
        return false;
    if (parts.size() > 2 + 1 + 15) // authority and at most 15 sub-authorities
        return false;
    for (qsizetype i = 2; i < parts.size(); ++i) {
        const QString& p = parts[i];
        if (p.isEmpty() || p.size() > 15)
            return false;
        for (QChar c : p)
            if (!c.isDigit() || c.unicode() > '9')
                return false;
        bool ok = false;
        const qulonglong n = p.toULongLong(&ok);
        if (!ok || (i > 2 && n > 0xFFFFFFFFull) || (i == 2 && n > 0xFFFFFFFFFFFFull))
            return false;
    }
    return true;
}

std::optional<MachineFacts> parse_machine_config(const QByteArray& text, const QString& file,
                                                 const QString& machine_folder, QString* error)
{
    const auto fail = [&](int line, const QString& what) -> std::optional<MachineFacts> {
        if (error)
            *error = message(file, Problem{line, what});
        return std::nullopt;
    };

    QStringDecoder decode(QStringDecoder::Utf8);
    const QString content = decode(text);
    if (decode.hasError())
        return fail(0, QStringLiteral("the file is not UTF-8 text"));

    MachineFacts facts;
    KeyLines lines;
    std::set<QString> seen_systems_keys;
    QString section;
    const QStringList rows = content.split(QLatin1Char('\n'));
    for (qsizetype index = 0; index < rows.size(); ++index) {
        const int line = static_cast<int>(index + 1);
        QString row = rows[index];
        if (row.endsWith(QLatin1Char('\r')))
            row.chop(1);
        row = row.trimmed();
        if (row.isEmpty() || row.startsWith(QLatin1Char(';')) || row.startsWith(QLatin1Char('#')))
            continue;
        if (row.startsWith(QLatin1Char('['))) {
            if (!row.endsWith(QLatin1Char(']')))
                return fail(line, QStringLiteral("a section header must end with \"]\""));
            section = row.mid(1, row.size() - 2).trimmed().toLower();
            if (section != QLatin1String("system") && section != QLatin1String("accounts")
                && section != QLatin1String("drives"))
                return fail(line, QStringLiteral("unknown section [%1]; known are [system], [accounts] and [drives]")
                                      .arg(row.mid(1, row.size() - 2).trimmed()));
            const QString mark = QLatin1Char('[') + section + QLatin1Char(']');
            if (lines.count(mark))
                return fail(line, QStringLiteral("section %1 appears twice (first on line %2)")
                                      .arg(mark).arg(lines[mark]));
            lines[mark] = line;
            continue;
        }
        const qsizetype eq = row.indexOf(QLatin1Char('='));
        if (eq < 0)
            return fail(line, QStringLiteral("expected \"name = value\" or a [section], found \"%1\"").arg(row));
        const QString key = row.left(eq).trimmed();
        QString value = row.mid(eq + 1).trimmed();
        // A value in double quotes keeps its blanks (the service-pack text of Windows 98 SE is " A ").
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
            value = value.mid(1, value.size() - 2);
        if (key.isEmpty())
            return fail(line, QStringLiteral("a name is missing before \"=\""));
        if (section.isEmpty())
            return fail(line, QStringLiteral("\"%1\" stands before any section").arg(key));

        if (section == QLatin1String("system")) {
            const QString k = key.toLower();
            if (!system_keys.contains(k))
                return fail(line, QStringLiteral("unknown entry \"%1\" in [system]").arg(key));
            if (lines.count(k))
                return fail(line, QStringLiteral("\"%1\" is given twice (first on line %2)").arg(key).arg(lines[k]));
            lines[k] = line;
            if (k == QLatin1String("platform") || k == QLatin1String("major") || k == QLatin1String("minor")
                || k == QLatin1String("build")) {
                const auto n = parse_number(value);
                if (!n)
                    return fail(line, QStringLiteral("\"%1\" must be a number from 0 to 4294967295, found \"%2\"")
                                          .arg(key, value));
                (k == QLatin1String("platform") ? facts.platform_id
                 : k == QLatin1String("major")  ? facts.major
                 : k == QLatin1String("minor")  ? facts.minor
                                                : facts.build) = *n;
            } else if (k == QLatin1String("csd")) {
                facts.csd = value;
            } else if (k == QLatin1String("user")) {
                facts.user = value;
            } else if (k == QLatin1String("groups")) {
                for (const QString& g : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                    const QString sid = g.trimmed().toUpper();
                    if (!is_sid_text(sid))
                        return fail(line, QStringLiteral("\"%1\" is not a SID (S-1-...)").arg(g.trimmed()));
                    facts.groups.push_back(sid);
                }
            } else {
                if (!value.isEmpty() && !parse_windows_path(value))
                    return fail(line, QStringLiteral("\"%1\" is not a full Windows path").arg(value));
                const QString normal = value.isEmpty() ? QString() : normalize_windows_path(value);
                (k == QLatin1String("windows") ? facts.windows_dir
                 : k == QLatin1String("system") ? facts.system_dir
                 : k == QLatin1String("profiles") ? facts.profiles_dir
                                                  : facts.program_dir) = normal;
            }
        } else if (section == QLatin1String("accounts")) {
            const QString mark = QStringLiteral("account:") + key.toLower();
            if (lines.count(mark))
                return fail(line, QStringLiteral("account \"%1\" is given twice (first on line %2)")
                                      .arg(key).arg(lines[mark]));
            lines[mark] = line;
            if (!is_sid_text(value))
                return fail(line, QStringLiteral("\"%1\" is not a SID (S-1-...)").arg(value));
            facts.accounts.push_back({key, value.toUpper()});
        } else { // drives
            if (key.size() != 1 || key[0].toUpper() < QLatin1Char('A') || key[0].toUpper() > QLatin1Char('Z'))
                return fail(line, QStringLiteral("\"%1\" is not a drive letter (A to Z)").arg(key));
            const QChar letter = key[0].toUpper();
            const QString mark = QStringLiteral("drive:") + letter;
            if (lines.count(mark))
                return fail(line, QStringLiteral("drive %1: is given twice (first on line %2)")
                                      .arg(letter).arg(lines[mark]));
            lines[mark] = line;
            if (value.isEmpty())
                return fail(line, QStringLiteral("drive %1: has no folder").arg(letter));
            const QString folder = QDir::cleanPath(QDir(machine_folder).absoluteFilePath(value));
            if (!QFileInfo(folder).isDir())
                return fail(line, QStringLiteral("the folder \"%1\" of drive %2: does not exist").arg(folder, letter));
            facts.drives.push_back({letter, folder});
        }
    }

    if (!lines.count(QStringLiteral("[system]")))
        return fail(0, QStringLiteral("there is no [system] section"));
    if (!lines.count(QStringLiteral("[drives]")))
        return fail(0, QStringLiteral("there is no [drives] section"));
    for (const char* required : {"platform", "major", "minor", "build", "user"})
        if (!lines.count(QLatin1String(required)))
            return fail(lines[QStringLiteral("[system]")],
                        QStringLiteral("[system] has no \"%1\" entry").arg(QLatin1String(required)));
    std::sort(facts.drives.begin(), facts.drives.end(),
              [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
    if (const auto problem = check_facts(facts, lines))
        return fail(problem->line, problem->what);
    return facts;
}

QByteArray format_machine_config(const MachineFacts& facts, const QString& machine_folder)
{
    QString out;
    out += QStringLiteral("; The facts of this machine. Paths in [system] are Windows paths on the drives below.\n");
    out += QStringLiteral("[system]\n");
    out += QStringLiteral("platform = %1\n").arg(facts.platform_id);
    out += QStringLiteral("major = %1\n").arg(facts.major);
    out += QStringLiteral("minor = %1\n").arg(facts.minor);
    out += QStringLiteral("build = %1\n").arg(facts.build);
    out += QStringLiteral("csd = \"%1\"\n").arg(facts.csd);
    out += QStringLiteral("user = %1\n").arg(facts.user);
    out += QStringLiteral("groups = %1\n").arg(facts.groups.join(QStringLiteral(", ")));
    out += QStringLiteral("windows = %1\n").arg(facts.windows_dir);
    out += QStringLiteral("system = %1\n").arg(facts.system_dir);
    out += QStringLiteral("profiles = %1\n").arg(facts.profiles_dir);
    out += QStringLiteral("programs = %1\n").arg(facts.program_dir);
    out += QStringLiteral("\n[accounts]\n");
    for (const Account& a : facts.accounts)
        out += QStringLiteral("%1 = %2\n").arg(a.name, a.sid);
    out += QStringLiteral("\n; Drive letters and their host folders, relative to this folder or absolute.\n");
    out += QStringLiteral("[drives]\n");
    const QDir base(machine_folder);
    for (const Drive& d : facts.drives) {
        const QString relative = base.relativeFilePath(d.host_folder);
        const bool inside = !relative.startsWith(QLatin1String("..")) && !QDir::isAbsolutePath(relative);
        out += QStringLiteral("%1 = %2\n").arg(d.letter, inside ? relative : d.host_folder);
    }
    return out.toUtf8();
}

QString check_machine_facts(const MachineFacts& facts)
{
    const auto problem = check_facts(facts, {});
    return problem ? problem->what : QString();
}

} // namespace platform
