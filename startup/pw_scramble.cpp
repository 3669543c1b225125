#include "startup/pw_scramble.h"

#include "platform/codepage.h"

namespace startup {

namespace {

QString trim_blanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == QLatin1Char(' '))
        ++begin;
    while (end > begin && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

} // namespace

QString pw_scramble(const QString& text, const QString& key)
{
    QByteArray bytes = platform::to_cp1252(text);
    const QByteArray key_bytes = platform::to_cp1252(key);
    if (!key_bytes.isEmpty())
        for (qsizetype i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>(bytes[i] ^ key_bytes[i % key_bytes.size()]);
    return trim_blanks(platform::from_cp1252(bytes));
}

} // namespace startup
