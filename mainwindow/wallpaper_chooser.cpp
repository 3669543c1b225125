#include "mainwindow/desktop_commands.h"

#include "platform/codepage.h"
#include "platform/system_queries.h"

namespace mainwindow {

// Each step goes on whatever the one before it did: a file that is no picture keeps the old preview, and a
// file the probe does not find gets none, but the box is ticked and the wallpaper set all the same.
void cm31_Click(MainForm& form, platform::SystemParameters& system_parameters, int language)
{
    platform::Context& ctx = form.context();
    controls::CommonDialog& dialog = form.dialog;
    dialog.setDialogTitle(language == 1 ? QStringLiteral("Select fixed Wallpaper")
                                                        : QStringLiteral("Festen Desktop Hintergrund auswählen"));
    dialog.setFilter(QStringLiteral("*.BMP (Bitmap)|*.bmp"));
    dialog.setInitDir(platform::get_windir(ctx.machine));
    dialog.showOpen();
    if (dialog.fileName().isEmpty())
        return;

    form.t31.setText(dialog.fileName());
    if (platform::file_exists(ctx.files, form.t31.text())) {
        const platform::HostPath host = ctx.machine.to_host(form.t31.text());
        if (host.ok())
            form.pic31.loadPicture(host.path);
    }
    form.c37.setValue(1);
    // The running account's own desktop changes now and for good; the chosen user gets it on Apply.
    system_parameters.SystemParametersInfoA(platform::SPI_SETDESKWALLPAPER, 0, platform::to_cp1252(form.t31.text()),
                                            platform::SPIF_UPDATEINIFILE | platform::SPIF_SENDWININICHANGE);
}

} // namespace mainwindow
