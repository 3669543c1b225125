#pragma once
// Every text the user sees exists in German and English; the language code chooses.

#include "platform/system_queries.h"

#include <QString>

namespace startup {

inline QString in_language(const QString& german, const QString& english)
{
    return platform::get_language() == 0 ? german : english;
}

} // namespace startup
