#include "platform/command_line.h"

namespace platform {

namespace {

bool is_blank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

qsizetype skip_blanks(const QString& s, qsizetype i)
{
    while (i < s.size() && is_blank(s[i]))
        ++i;
    return i;
}

// Reads the argument that starts at `i` into `arg`; answers where it ends.
qsizetype read_argument(const QString& s, qsizetype i, QString& arg)
{
    bool quoted = false;
    while (i < s.size() && (quoted || !is_blank(s[i]))) {
        if (s[i] == QLatin1Char('\\')) {
            qsizetype n = 0;
            while (i < s.size() && s[i] == QLatin1Char('\\')) {
                ++n;
                ++i;
            }
            if (i < s.size() && s[i] == QLatin1Char('"')) {
                arg += QString(n / 2, QLatin1Char('\\'));
                if (n % 2 == 1) {
                    arg += QLatin1Char('"');
                    ++i;
                }
                // an even count leaves the quote for the next round
            } else {
                arg += QString(n, QLatin1Char('\\'));
            }
            continue;
        }
        if (s[i] == QLatin1Char('"')) {
            if (quoted && i + 1 < s.size() && s[i + 1] == QLatin1Char('"')) {
                arg += QLatin1Char('"');
                i += 2;
                quoted = false;
            } else {
                quoted = !quoted;
                ++i;
            }
            continue;
        }
        arg += s[i++];
    }
    return i;
}

QStringList parse_arguments(const QString& s, qsizetype i)
{
    QStringList args;
    for (i = skip_blanks(s, i); i < s.size(); i = skip_blanks(s, i)) {
        QString arg;
        i = read_argument(s, i, arg);
        args.push_back(arg);
    }
    return args;
}

} // namespace

QStringList command_line_to_argv(const QString& s)
{
    if (s.isEmpty())
        return {};
    QString program;
    qsizetype i = 0;
    if (s[0] == QLatin1Char('"')) {
        ++i;
        while (i < s.size() && s[i] != QLatin1Char('"'))
            program += s[i++];
        if (i < s.size())
            ++i; // the closing quote; the next argument may follow at once
    } else {
        while (i < s.size() && s[i].unicode() > 0x20)
            program += s[i++];
    }
    QStringList argv{program};
    argv += parse_arguments(s, i);
    return argv;
}

QStringList split_arguments(const QString& arguments) { return parse_arguments(arguments, 0); }

QString text_after_arguments(const QString& arguments, int count)
{
    qsizetype i = skip_blanks(arguments, 0);
    for (int n = 0; n < count && i < arguments.size(); ++n) {
        QString ignored;
        i = skip_blanks(arguments, read_argument(arguments, i, ignored));
    }
    return arguments.mid(i);
}

} // namespace platform
