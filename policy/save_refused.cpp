#include "policy/save_refused.h"

namespace policy {

void show_save_refused(platform::UiServices& ui, int language, const std::optional<QString>& account)
{
    if (language == 1) {
        ui.msgBox(QStringLiteral("Your settings could not be saved. Please make sure that no other user than you "
                                 "(as admin) is logged in right now. Try to reboot the system and log in as a system "
                                 "administrator and start this program again."),
                  16, QStringLiteral("Could not save settings..."));
        return;
    }
    const QString who = account ? QStringLiteral("Benutzer ") + *account + QLatin1Char(' ') : QStringLiteral("Benutzer ");
    ui.msgBox(QStringLiteral("Ihre Änderungen können nicht für den ") + who +
                  QStringLiteral("gesetzt werden. Stellen Sie sicher, daß nur Sie als Administrator an diesem (lokalen) "
                                 "System angemeldet sind ! Starten Sie den Computer evtl. neu, melden sich mit "
                                 "Administratoren-Rechten an und starten dieses Programm erneut."),
              16, QStringLiteral("Kann Einschränkung nicht setzen..."));
}

} // namespace policy
