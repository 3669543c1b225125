#pragma once
// The maker's update sites: the information file comes from the site of the user's language, the package from
// the German site. Only the paths below the sites are fixed; tests point the dialog at a local server.

#include <QString>

namespace startup {

struct UpdateSites {
    QString german = QStringLiteral("http://www.brekund.de");
    QString english = QStringLiteral("http://www.brekund.com");
};

inline QString information_path() { return QStringLiteral("/update/gatr.txt"); }
inline QString package_path() { return QStringLiteral("/update/g2002up.exe"); }

} // namespace startup
