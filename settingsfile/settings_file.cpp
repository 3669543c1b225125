#include "settingsfile/settings_file.h"

#include "platform/ui_services.h"
#include "settingsfile/settings_text.h"
#include "settingsfile/whole_file_write.h"
#include "settingsfile/window_set.h"

namespace settingsfile {

namespace {

constexpr int critical = 16;

QString error_title(bool german) { return german ? QStringLiteral("Fehler...") : QStringLiteral("Error..."); }

void show_read_failure(platform::UiServices& ui, ReadStatus status, const QString& path, int language)
{
    const bool german = language == 0;
    QString text;
    switch (status) {
    case ReadStatus::ok:
        return;
    case ReadStatus::not_settings_file:
        text = german ? QStringLiteral("Dies ist keine Gatrisk 2002 Datei.")
                        : QStringLiteral("This is not a Gatrisk 2002-File.");
        break;
    case ReadStatus::damaged:
        text = german ? QStringLiteral("Diese Gatrisk 2002 Datei ist beschädigt oder unvollständig. "
                                         "Es wurde keine Einstellung geändert.")
                        : QStringLiteral("This Gatrisk 2002-File is damaged or incomplete. "
                                         "No setting was changed.");
        break;
    case ReadStatus::cannot_open:
        text = (german ? QStringLiteral("Diese Datei konnte nicht geöffnet werden:")
                         : QStringLiteral("This file could not be opened:"))
               + QLatin1Char('\r') + path;
        break;
    }
    ui.msgBox(text, critical, error_title(german));
}

void show_write_failure(platform::UiServices& ui, const QString& path, int language)
{
    const bool german = language == 0;
    const QString text = german
        ? QStringLiteral("Die Einstellungen konnten nicht in diese Datei gespeichert werden:\r%1\r"
                         "Die Datei wurde nicht verändert.").arg(path)
        : QStringLiteral("The settings could not be saved to this file:\r%1\rThe file was not changed.")
              .arg(path);
    ui.msgBox(text, critical, error_title(german));
}

} // namespace

bool dateispeichern(mainwindow::MainForm& form, const QString& path, int language)
{
    platform::Context& ctx = form.context();
    const int error = write_whole_file(ctx.machine, ctx.files, path, settings_bytes(take_from(form)));
    if (error != platform::vb::ok) {
        show_write_failure(ctx.ui, path, language);
        return false;
    }
    return true;
}

void dateiöffnen(mainwindow::MainForm& form, const QString& path, int language)
{
    platform::Context& ctx = form.context();
    const ReadResult read = read_settings(ctx.files, path);
    if (read.status != ReadStatus::ok) {
        show_read_failure(ctx.ui, read.status, path, language);
        return;
    }
    put_into(form, read.set);
}

} // namespace settingsfile
