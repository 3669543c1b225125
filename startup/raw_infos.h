#pragma once
// Markup tags removed from a text: each "<" up to the first ">" after it goes, the two included. A ">" with no
// "<" before it stays; so does a "<" that no ">" follows, with everything after it.

#include <QString>

namespace startup {

// Changes `text` in place and returns it.
QString GetRawInfos(QString& text);

} // namespace startup
