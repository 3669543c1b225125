// The editing commands attached in German: each dialog, question and message in its German text.

#include "commands_window.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using commands_tests::CommandsWindow;
using platform::Answer;
using scripted_ui::endsProgram;

TEST(CommandsInGerman, EveryTextIsTheGermanOne)
{
    struct Row {
        const char* name;
        std::function<void(CommandsWindow&)> step;
        const char* title; // of the dialog, or of the first message box (the program's own when it has none)
        const char* text;  // of that message box; nullptr: a dialog
    };
    const Row rows[] = {
        {"suggestions", [](CommandsWindow& w) { w.form.mm24.onClick(); }, "Vorschläge...",
         "Vorschläge des Autors wurden gesetzt."},
        {"wallpaper_chooser",
         [](CommandsWindow& w) {
             w.ui().cancelDialog();
             w.form.cm31.onClick();
         },
         "Festen Desktop Hintergrund auswählen", nullptr},
        {"profiles_field_warning",
         [](CommandsWindow& w) {
             w.ui().answer(Answer::Yes);
             w.form.t810.onGotFocus();
         },
         "ACHTUNG !!!!",
         "Ändern Sie diese Angaben nur, wenn Benutzerprofile von einem Server bezogen werden und nicht lokal "
         "vorliegen !\r\nWollen Sie diese Einstellung wirklich ändern ?"},
        {"profiles_field_question",
         [](CommandsWindow& w) {
             w.form.t810.setText(QStringLiteral("D:\\Profile\\"));
             w.ui().answer(Answer::Yes);
             EXPECT_TRUE(endsProgram([&] { w.form.t810.onLostFocus(); }));
         },
         "Sicher ?",
         "Soll D:\\Profile\\ als neuer Pfad für die Benutzerprofile festgelegt werden ? Bitte beachten: Bei einem "
         "falschen Pfad funktioniert das Programm nicht mehr richtig !"},
        {"tool_not_installed",
         [](CommandsWindow& w) {
             for (int i = 0; i < 10; ++i)
                 w.form.syslist.addItem(QStringLiteral("tool %1").arg(i));
             w.form.syslist.userSelect(5); // msconfig
             w.form.syslist.userDoubleClick();
         },
         "Gatrisk 2002", "Das gesuchte Windows-Tool ist auf Ihrem Rechner leider nicht installiert."},
        {"censor_remove_from_empty_list",
         [](CommandsWindow& w) {
             w.set_censor_list({});
             w.form.cm42.userClick();
         },
         "Gatrisk 2002", "Es gibt nichts mehr zu löschen."},
        {"censor_remove_own_file",
         [](CommandsWindow& w) {
             w.set_censor_list({"GATR2002.EXE"});
             w.form.List1.userSelect(0);
             w.form.cm42.userClick();
         },
         "WICHTIGER HINWEIS !",
         "Dieser Eintrag kennzeichnet die Version des Programmes (Gatrisk) und kann daher aus Sicherheitsgründen "
         "nicht entfernt werden !"},
        {"censor_suggestions", [](CommandsWindow& w) { w.form.cm43.userClick(); }, "Vorschläge Zensurliste",
         "Die nachfolgenden eingetragenen Programme in die Zensurliste sind Empfehlungen des Autors. Die "
         "Zensurliste wurde nicht automatisch aktiviert, nehmen Sie dies ggf. noch vor."},
        {"censor_scan_missing_drive",
         [](CommandsWindow& w) {
             w.ui().type("Q:\\");
             w.form.cm45.userClick();
         },
         "Fehler", "Gewünschtes Laufwerk/Pfad nicht gefunden."},
    };
    for (const Row& r : rows) {
        CommandsWindow w;
        mainwindow::attach_main_commands(w.form, w.links, 0);
        r.step(w);
        if (!r.text) {
            ASSERT_EQ(w.ui().dialogs().size(), 1u) << r.name;
            EXPECT_EQ(w.ui().dialogs()[0].request.title, QString::fromUtf8(r.title)) << r.name;
            continue;
        }
        ASSERT_FALSE(w.ui().messages().empty()) << r.name;
        EXPECT_EQ(w.ui().messages()[0].title, QString::fromUtf8(r.title)) << r.name;
        EXPECT_EQ(w.ui().messages()[0].text, QString::fromUtf8(r.text)) << r.name;
    }
}

} // namespace
