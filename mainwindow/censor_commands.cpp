#include "mainwindow/censor_commands.h"

#include "mainwindow/censor_list.h"
#include "platform/system_queries.h"
#include "platform/ui_services.h"
#include "platform/vb_files.h"
#include "platform/vb_ucase.h"

namespace mainwindow {

void cm41_Click(MainForm& form)
{
    controls::CommonDialog& dialog = form.dialog;
    dialog.setDialogTitle(QStringLiteral("Anwendung auswählen"));
    dialog.setFilter(QStringLiteral("*.EXE (Programmdatei)|*.exe"));
    dialog.setInitDir(form.context().files.current_dir());
    dialog.showOpen();
    if (dialog.fileName().isEmpty())
        return;
    censor::add_if_missing(form.List1, platform::vb_ucase(dialog.fileTitle()));
    censor::show_count(form);
}

void cm42_Click(MainForm& form, int language)
{
    platform::UiServices& ui = form.context().ui;
    controls::ListBox& list = form.List1;
    if (list.listCount() == 0) {
        ui.msgBox(language == 1 ? QStringLiteral("No more entries to delete.")
                            : QStringLiteral("Es gibt nichts mehr zu löschen."),
                  0);
        return;
    }
    const int selected = list.listIndex();
    if (selected < 0) {
        ui.beep();
        censor::show_count(form);
        return;
    }
    const QString entry = list.list(selected);
    if (entry == older_program_file) {
        if (language == 1)
            ui.msgBox(QStringLiteral("You can't remove this program, cause it is an older version of Gatrisk"), 16,
                      QStringLiteral("Can't remove..."));
        else
            ui.msgBox(QStringLiteral("Dieser Eintrag kennzeichnet dieses Programm (Gatrisk) und kann daher aus "
                                     "Sicherheitsgründen nicht entfernt werden !"),
                      16, QStringLiteral("WICHTIGER HINWEIS !"));
        return;
    }
    if (entry == own_program_file) {
        if (language == 1)
            ui.msgBox(QStringLiteral("You can't remove the actual version of this program from your "
                                     "restriction-list..."),
                      16, QStringLiteral("Can't remove..."));
        else
            ui.msgBox(QStringLiteral("Dieser Eintrag kennzeichnet die Version des Programmes (Gatrisk) und kann "
                                     "daher aus Sicherheitsgründen nicht entfernt werden !"),
                      16, QStringLiteral("WICHTIGER HINWEIS !"));
        return;
    }
    list.removeItem(selected);
    censor::show_count(form);
}

void cm43_Click(MainForm& form, int language)
{
    static const char* const suggested[] = {"OUTLOOK.EXE", "EXPLORER.EXE", "EXCEL.EXE",
                                            "MSACCESS.EXE", "WINWORD.EXE", "IEXPLORE.EXE",
                                            "CALC.EXE", "CORELDRW.EXE", "ONLINE.EXE"};
    for (const char* name : suggested)
        censor::add_if_missing(form.List1, platform::vb_ucase(QString::fromLatin1(name)));
    if (language == 1)
        form.context().ui.msgBox(QStringLiteral("Find some suggestions from the author in the list box below. The "
                                                "list was not activated automatically."),
                                 64, QStringLiteral("Some suggestions..."));
    else
        form.context().ui.msgBox(
            QStringLiteral("Die nachfolgenden eingetragenen Programme in die Zensurliste sind Empfehlungen des "
                           "Autors. Die Zensurliste wurde nicht automatisch aktiviert, nehmen Sie dies ggf. noch "
                           "vor."),
            64, QStringLiteral("Vorschläge Zensurliste"));
}

void cm44_Click(MainForm& form)
{
    form.List1.clear();
    form.List1.addItem(own_program_file);
    censor::show_count(form);
}

void attach_censor_commands(MainForm& form, int language)
{
    form.c41.onClick = [&form] { c41_Click(form); };
    form.cm41.onClick = [&form] { cm41_Click(form); };
    form.cm42.onClick = [&form, language] { cm42_Click(form, language); };
    form.cm43.onClick = [&form, language] { cm43_Click(form, language); };
    form.cm44.onClick = [&form] { cm44_Click(form); };
    form.cm45.onClick = [&form, language] { cm45_Click(form, language); };
}

} // namespace mainwindow
