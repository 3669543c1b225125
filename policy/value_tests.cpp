#include "policy/value_tests.h"

#include "platform/registry/number_text.h"
#include "platform/vb_ucase.h"

namespace policy {

bool equals_one(const platform::Variant& value)
{
    QString text = value.to_text();
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0)
        text.truncate(nul);
    const std::optional<double> number = platform::val_of_text(text);
    return number && *number == 1.0;
}

bool exact_no(const QString& text) { return text == QLatin1String("No"); }

bool upper_case_no(const QString& text) { return platform::vb_ucase(text) == QLatin1String("NO"); }

} // namespace policy
