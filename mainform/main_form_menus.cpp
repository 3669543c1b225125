// The menu bar: File, Edit, Window, Language, Help and the developer menu, each item with its designed
// caption. The developer items keep fixed captions in both languages, so theirs are the final texts.

#include "mainform/main_form.h"

#include "mainform/design.h"

#include <utility>

namespace mainwindow {

void MainForm::designMenus()
{
    const std::pair<controls::Menu*, const char*> localised[] = {
        {&mm1, "&Datei"},
        {&mm11, "&Öffnen"},
        {&mm12, "&Speichern..."},
        {&mm13, "Speichern &unter"},
        {&mm132, "De-&Installieren"},
        {&mm14, "&Drucken"},
        {&mm15, "Drucker &einrichten"},
        {&mm16, "&Beenden"},
        {&mm2, "&Bearbeiten"},
        {&mm21, "&Alles markieren"},
        {&mm22, "Alles &entmarkieren"},
        {&mm23, "&Passwort ändern"},
        {&mm24, "&Vorschläge"},
        {&mm3, "&Fenster"},
        {&mm31, "&Startmenü"},
        {&mm32, "S&ystemsteuerung"},
        {&mm33, "&Desktop"},
        {&mm34, "&Zensur"},
        {&mm35, "&Laufwerke"},
        {&mm36, "&Netz und Drucker"},
        {&mm37, "&IE Explorer"},
        {&mm38, "&Diverses"},
        {&mm39, "&Einstellungen"},
        {&mm310, "&Hilfe"},
        {&mm4, "&Sprache"},
        {&mm41, "Deutsch"},
        {&mm42, "English"},
        {&mm5, "&Hilfe"},
        {&mm51, "&Hilfethemen"},
        {&mm52, "&Inhalt und Index"},
        {&mm53, "Inter&net-Hilfe"},
        {&mm54, "&Versions-Info"},
        {&mm55, "&Online-Update"},
        {&mm57, "&Über..."},
        {&mm6, "Intern"},
    };
    for (const auto& [menu, german] : localised)
        menu->setCaption(designed(*menu, QString::fromUtf8(german)));

    for (controls::Menu* separator : {&m1x1, &m1x9, &mm1x2})
        separator->setCaption(QStringLiteral("-"));

    const std::pair<controls::Menu*, const char*> fixed[] = {
        {&mm_tes_2, "Test menü-captions"},
        {&m_tes3, "getpass"},
        {&mm_tes_7, "icon an"},
        {&mm_tes_8, "icon aus"},
        {&mm_tes_9, "checkgatr99"},
        {&m_tes_regedit, "regedit"},
        {&m_tes_profile, "profile"},
        {&m_tes_getsys, "GetSysDir"},
        {&m_tes_existiert, "Existiert Datei"},
        {&m_tes_user, "GetUserInfo"},
        {&m_tes_profiledirs, "ProfileDirs"},
        {&m_tes_reghive, "RegHive"},
        {&m_tes_unhive, "RegUnHive"},
        {&regset_int_, "Registry setzen (int)"},
    };
    for (const auto& [menu, caption] : fixed)
        menu->setCaption(QString::fromUtf8(caption));

    mm51.setShortcut(QStringLiteral("F1"));

    // Neither is ever offered without the load deciding so: the Language menu stays hidden, the developer
    // menu shows only for the developer word.
    mm4.setVisible(false);
    mm6.setVisible(false);
}

} // namespace mainwindow
