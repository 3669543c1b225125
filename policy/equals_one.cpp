#include "policy/equals_one.h"

#include "platform/registry/number_text.h"

namespace policy {

bool reads_as_one(const platform::Variant& value)
{
    QString text = value.to_text();
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);
    const auto number = platform::val_of_text(text);
    return number && *number == 1.0;
}

} // namespace policy
