#include "platform/vb_ucase.h"

#include "platform/hive/hive.h"

namespace platform {

QString vb_ucase(const QString& text)
{
    QString upper = text;
    for (QChar& c : upper)
        c = QChar(hive::upcase(c.unicode()));
    return upper;
}

} // namespace platform
