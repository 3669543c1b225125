#include "controls/accelerator.h"

namespace controls {

QChar accelerator(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i; // "&&" is a literal "&"
            continue;
        }
        return caption[i + 1].toUpper();
    }
    return {};
}

QString withoutAccelerator(const QString& caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) {
            ++i;
            out += caption[i];
        } else {
            out += caption[i];
        }
    }
    return out;
}

} // namespace controls
