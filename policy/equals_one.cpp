#include "policy/equals_one.h"

#include "platform/registry/number_text.h"

namespace policy {

bool reads_as_one(const platform::Variant& value)
{
    if (value.is_int())
        return value.int_value() == 1;
    QString text = value.text_value();
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);
    const auto number = platform::val_of_text(text);
    return number && *number == 1.0;
}

} // namespace policy
