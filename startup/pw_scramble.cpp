#include "startup/pw_scramble.h"

#include "platform/codepage.h"
#include "platform/vb_trim.h"

namespace startup {

QString pw_scramble(const QString& text, const QString& key)
{
    QByteArray bytes = platform::to_cp1252(text);
    const QByteArray key_bytes = platform::to_cp1252(key);
    if (!key_bytes.isEmpty())
        for (qsizetype i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>(bytes[i] ^ key_bytes[i % key_bytes.size()]);
    return platform::vb_trim(platform::from_cp1252(bytes));
}

} // namespace startup
