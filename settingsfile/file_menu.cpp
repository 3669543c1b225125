#include "settingsfile/file_menu.h"

#include "platform/ui_services.h"
#include "platform/vb_files.h"
#include "settingsfile/deinstall.h"
#include "settingsfile/printed_report.h"
#include "settingsfile/settings_file.h"

#include <memory>

namespace settingsfile {

namespace {

constexpr int ask_yes_no = 52; // exclamation, Yes and No, Yes the default

void prepare(controls::CommonDialog& dialog, const QString& title)
{
    dialog.setDialogTitle(title);
    dialog.setFilter(QString::fromLatin1(settings_filter));
    dialog.setInitDir(QString());
}

// Whether a file that holds something already may be overwritten; an empty or missing one may.
bool may_overwrite(platform::Context& ctx, const QString& path, int language)
{
    const auto length = ctx.files.file_len(path);
    if (!length.ok() || length.value <= 0)
        return true;
    ctx.ui.beep();
    const platform::Answer answer = language == 0
        ? ctx.ui.msgBox(QStringLiteral("Diese Datei ist bereits vorhanden. \rBestehende Datei überschreiben ?"),
                        ask_yes_no, QStringLiteral("Einschränkungen speichern"))
        : ctx.ui.msgBox(QStringLiteral("This file already exists.\rOverwrite existing file ?"), ask_yes_no,
                        QStringLiteral("Save settings..."));
    return answer == platform::Answer::Yes;
}

} // namespace

void mm11_Click(mainwindow::MainForm& form, int language)
{
    prepare(form.dialog, language == 0 ? QStringLiteral("Datei öffnen...") : QStringLiteral("Open File..."));
    form.dialog.showOpen();
    const QString path = form.dialog.fileName();
    if (!path.isEmpty())
        dateiöffnen(form, path, language);
}

void mm12_Click(mainwindow::MainForm& form, FileMenuState& state, int language)
{
    if (!state.current_settings_file.isEmpty()) {
        dateispeichern(form, state.current_settings_file, language);
        return;
    }
    mm13_Click(form, state, language);
}

void mm13_Click(mainwindow::MainForm& form, FileMenuState& state, int language)
{
    prepare(form.dialog, form.save_dialog_title);
    form.dialog.showSave();
    const QString path = form.dialog.fileName();
    if (path.isEmpty())
        return;
    if (!may_overwrite(form.context(), path, language))
        return;
    // Only a file that was written becomes the one Save goes to without asking.
    if (dateispeichern(form, path, language))
        state.current_settings_file = path;
}

void mm15_Click(mainwindow::MainForm& form) { form.dialog.showPrinter(); }

void mm16_Click(mainwindow::MainForm& form) { form.context().ui.endProgram(); }

void attach_file_menu(policy::Engine& engine, int language)
{
    mainwindow::MainForm& form = engine.form;
    auto state = std::make_shared<FileMenuState>();
    form.mm11.onClick = [&form, language] { mm11_Click(form, language); };
    form.mm12.onClick = [&form, state, language] { mm12_Click(form, *state, language); };
    form.mm13.onClick = [&form, state, language] { mm13_Click(form, *state, language); };
    form.mm132.onClick = [&engine, language] { mm132_Click(engine, language); };
    form.mm14.onClick = [&form, language] { mm14_Click(form, language); };
    form.mm15.onClick = [&form] { mm15_Click(form); };
    form.mm16.onClick = [&form] { mm16_Click(form); };
}

} // namespace settingsfile
