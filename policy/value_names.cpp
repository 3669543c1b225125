#include "policy/value_names.h"

namespace policy {

QString numbered_value_name(int n)
{
    // A negative number carries its sign where the blank stands.
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

QString drive_value_name(int position) { return QString(QChar(u'A' + position)); }

std::uint32_t drive_mask(const DriveFlags& hidden)
{
    std::uint32_t mask = 0;
    for (int i = 0; i < drive_letter_count; ++i)
        if (hidden[static_cast<std::size_t>(i)])
            mask |= std::uint32_t{1} << i;
    return mask;
}

} // namespace policy
