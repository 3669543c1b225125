#include "startup/raw_infos.h"

namespace startup {

QString GetRawInfos(QString& text)
{
    for (;;) {
        const qsizetype open = text.indexOf(QLatin1Char('<'));
        if (open < 0)
            break;
        const qsizetype close = text.indexOf(QLatin1Char('>'), open + 1);
        if (close < 0)
            break;
        text = text.left(open) + text.mid(close + 1);
    }
    return text;
}

} // namespace startup
