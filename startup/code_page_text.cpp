#include "startup/code_page_text.h"

#include "platform/codepage.h"

namespace startup {

QString code_page_characters(const QString& text)
{
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        if (platform::from_cp1252(platform::to_cp1252(character)) == character)
            kept += character;
        i += length - 1;
    }
    return kept;
}

void keep_code_page_characters(controls::TextBox& box)
{
    box.onChange = [&box] {
        const QString kept = code_page_characters(box.text());
        if (kept != box.text())
            box.setText(kept);
    };
}

} // namespace startup
