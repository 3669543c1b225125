#include "platform/registry.h"

namespace platform {

QString trim_null(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == QLatin1Char(' '))
        ++begin;
    while (end > begin && text[end - 1] == QLatin1Char(' '))
        --end;
    if (end > begin && text[end - 1] == QChar(u'\0'))
        --end;
    return text.mid(begin, end - begin);
}

QString trim_null(const Variant& value) { return trim_null(value.to_text()); }

} // namespace platform
