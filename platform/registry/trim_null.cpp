#include "platform/registry.h"
#include "platform/vb_trim.h"

namespace platform {

QString trim_null(const QString& text)
{
    QString trimmed = vb_trim(text);
    if (trimmed.endsWith(QChar(u'\0')))
        trimmed.chop(1);
    return trimmed;
}

QString trim_null(const Variant& value) { return trim_null(value.to_text()); }

} // namespace platform
