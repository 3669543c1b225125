#include "platform/registry/variant.h"

namespace platform {

std::int32_t Variant::int_value() const
{
    const auto* number = std::get_if<std::int32_t>(&value_);
    return number ? *number : 0;
}

QString Variant::text_value() const
{
    const auto* text = std::get_if<QString>(&value_);
    return text ? *text : QString();
}

QString Variant::to_text() const
{
    if (const auto* number = std::get_if<std::int32_t>(&value_))
        return QString::number(*number);
    return text_value();
}

} // namespace platform
