#pragma once
// The maker's web site, one per language: the German site for German, the English one otherwise.

#include "platform/in_language.h"

namespace mainwindow {

// The address the shell opens and the About box names.
inline QString maker_site(int language)
{
    return platform::in_language(language, QStringLiteral("http://www.brekund.de"),
                                 QStringLiteral("http://www.brekund.com"));
}

// The same address as the status bar's first panel shows it: short enough for the panel.
inline QString maker_site_shown(int language)
{
    return platform::in_language(language, QStringLiteral("www.brekund.de"), QStringLiteral("www.brekund.com"));
}

} // namespace mainwindow
