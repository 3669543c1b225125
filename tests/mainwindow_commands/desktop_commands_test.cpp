#include "commands_window.h"

#include "platform/codepage.h"
#include "platform/registry.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using commands_tests::CommandsWindow;

TEST(StartMenuSettings, TickingC16TicksC31)
{
    CommandsWindow w;
    w.form.c16.userClick();
    EXPECT_EQ(w.form.c31.value(), 1);
    w.form.c16.userClick(); // unticked
    EXPECT_EQ(w.form.c31.value(), 1) << "unticking c16 leaves c31";

    // A reader that sets c16 before c31 leaves c31 at its own stored value.
    w.form.c16.setValue(0);
    w.form.c31.setValue(0);
    w.form.c16.setValue(1);
    w.form.c31.setValue(0);
    EXPECT_EQ(w.form.c31.value(), 0);
}

TEST(DriveButtons, AllTicksThePresentDrivesNoneUnticksEvery)
{
    CommandsWindow w;
    w.enable_drives("ACD");
    w.form.d_z.setValue(1); // from a settings file, for a drive that is not there
    w.form.cm51.userClick();
    EXPECT_EQ(w.ticked_drives(), "ACDZ");
    w.form.cm52.userClick();
    EXPECT_EQ(w.ticked_drives(), "");
}

TEST(AppletButtons, AllAndNoneChangeEveryItem)
{
    CommandsWindow w;
    w.fill_applets();
    w.form.lv1.setChecked(5, true);
    w.form.cmd21.userClick();
    EXPECT_EQ(w.ticked_applets(), 39);
    w.form.cmd22.userClick();
    EXPECT_EQ(w.ticked_applets(), 0);
}

TEST(WallpaperPath, ClickIntoThePathFixesTheWallpaper)
{
    CommandsWindow w;
    w.form.t31.setText("");
    w.form.t31.userClick();
    EXPECT_EQ(w.form.c37.value(), 1);
}

QByteArray bitmap()
{
    QByteArray b("BM");
    b.append(QByteArray(60, '\0'));
    return b;
}

QString stored_wallpaper(CommandsWindow& w)
{
    return platform::REG_GetString(w.program.registry(), platform::HKEY_CURRENT_USER, "Control Panel\\Desktop",
                                   "Wallpaper");
}

TEST(WallpaperChooser, SetsPathPreviewBoxAndTheRunningAccountsWallpaper)
{
    struct Row {
        const char* name;
        const char* file;
        QByteArray content; // empty: the file is not there
        bool preview;
    } rows[] = {
        {"a picture", "C:\\WINDOWS\\Web\\Wolken.bmp", bitmap(), true},
        {"no picture", "C:\\WINDOWS\\notes.bmp", "just text", false},
        {"missing", "C:\\WINDOWS\\gone.bmp", {}, false},
        {"name outside ASCII", "C:\\WINDOWS\\Bäume.bmp", bitmap(), true},
    };
    for (const Row& r : rows) {
        CommandsWindow w;
        if (!r.content.isEmpty())
            w.write(r.file, r.content);
        w.ui().choose(r.file);
        w.form.cm31.userClick();

        EXPECT_EQ(w.form.t31.text(), r.file) << r.name;
        EXPECT_EQ(w.form.pic31.picture().isNull(), !r.preview) << r.name;
        EXPECT_EQ(w.form.c37.value(), 1) << r.name;
        EXPECT_EQ(stored_wallpaper(w), r.file) << r.name;
        EXPECT_FALSE(w.program.registry().pending()) << r.name << ": the setting is written out at once";
        ASSERT_EQ(w.links.system_parameters.calls().size(), 1u) << r.name;
        const platform::SystemParametersCall expected{20, 0, platform::to_cp1252(r.file), 3};
        EXPECT_EQ(w.links.system_parameters.calls()[0], expected) << r.name;
        if (r.content.isEmpty()) {
            EXPECT_FALSE(QFileInfo::exists(w.program.host(r.file))) << "the probe leaves no file behind";
        }
    }
}

TEST(WallpaperChooser, AsksInTheWindowsFolderAndAChoiceKeepsThePreviewOnAFailedOne)
{
    CommandsWindow w;
    w.write("C:\\WINDOWS\\first.bmp", bitmap());
    w.write("C:\\WINDOWS\\broken.bmp", "no bitmap");
    w.ui().choose("C:\\WINDOWS\\first.bmp");
    w.form.cm31.userClick();
    const controls::Picture first = w.form.pic31.picture();
    w.ui().choose("C:\\WINDOWS\\broken.bmp");
    w.form.cm31.userClick();

    EXPECT_EQ(w.form.pic31.picture(), first) << "a file that is no picture leaves the old preview";
    EXPECT_EQ(w.form.t31.text(), "C:\\WINDOWS\\broken.bmp");
    const auto& request = w.ui().dialogs().at(0).request;
    EXPECT_EQ(request.title, "Select fixed Wallpaper");
    EXPECT_EQ(request.filter, "*.BMP (Bitmap)|*.bmp");
    EXPECT_EQ(request.initDir, "C:\\WINDOWS\\");
}

TEST(WallpaperChooser, CancelledAtFirstUseChangesNothing)
{
    CommandsWindow w;
    const QString before = stored_wallpaper(w);
    const QString path = w.form.t31.text();
    w.ui().cancelDialog();
    w.form.cm31.userClick();
    EXPECT_EQ(w.form.t31.text(), path);
    EXPECT_EQ(w.form.c37.value(), 0);
    EXPECT_TRUE(w.links.system_parameters.calls().empty());
    EXPECT_EQ(stored_wallpaper(w), before);
}

TEST(LinkFolderButton, OpensTheFolderChooser)
{
    CommandsWindow w;
    w.form.cm32.userClick(); // nothing set: nothing opens
    int shown = 0;
    w.links.show_verzeichnis = [&] { ++shown; };
    w.form.cm32.userClick();
    EXPECT_EQ(shown, 1);
}

} // namespace
