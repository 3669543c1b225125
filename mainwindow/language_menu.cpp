#include "mainwindow/language_menu.h"

#include "platform/in_language.h"
#include "platform/registry.h"

namespace mainwindow {

namespace {

const QString program_key = QStringLiteral("Software\\Brekund\\G2002");
const QString crlf = QStringLiteral("\r\n");

struct Choice {
    const char* value;
    const char* german_title;
    const char* german_name;
    const char* english_title;
    const char* english_name;
};

// The message follows whether or not the write worked: a missing program key goes unreported.
void choose(MainForm& main, int language, const Choice& c)
{
    platform::Context& context = main.context();
    platform::REG_SetString(context.registry, platform::HKEY_LOCAL_MACHINE, program_key, QStringLiteral("Country"),
                            QLatin1String(c.value));
    if (language == platform::german)
        context.ui.msgBox(QStringLiteral("Sprache wurde auf %1 gesetzt.").arg(QString::fromUtf8(c.german_name)) + crlf +
                              QStringLiteral("Die Einstellungen werden erst nach Neustart des Programms geändert."),
                          64, QString::fromUtf8(c.german_title));
    else
        context.ui.msgBox(QStringLiteral("Language was set to %1.").arg(QLatin1String(c.english_name)) + crlf +
                              QStringLiteral("You need to restart the program to set this changes."),
                          16, QLatin1String(c.english_title));
}

} // namespace

void mm41_Click(MainForm& main, int language)
{
    choose(main, language, {"0", "Deutsch...", "Deutsch", "Language German...", "german"});
}

void mm42_Click(MainForm& main, int language)
{
    choose(main, language, {"1", "Englisch...", "Englisch", "Language English...", "English"});
}

} // namespace mainwindow
