#include "policy/own_settings_read.h"

#include "platform/registry.h"
#include "platform/registry/number_text.h"
#include "platform/system_queries.h"
#include "policy/boot_options.h"
#include "policy/ie_restrictions.h"
#include "policy/policy_keys.h"
#include "policy/value_tests.h"

namespace policy {

namespace {

using platform::HKEY_CURRENT_USER;
using platform::HKEY_LOCAL_MACHINE;
using Box = controls::CheckBox mainwindow::MainForm::*;

struct BoxRead {
    Box box;
    QLatin1String key; // empty: an Internet Explorer restriction
    const char* name;
};

namespace k = keys;
using mainwindow::MainForm;

// In the order they are read; c16 comes before c31, whose click reaction it may run.
const BoxRead start_menu[] = {
    {&MainForm::c11, k::explorer, "NoClose"},          {&MainForm::c12, k::explorer, "NoLogOff"},
    {&MainForm::c13, k::explorer, "NoRun"},            {&MainForm::c14, k::explorer, "NoFind"},
    {&MainForm::c16, k::explorer, "NoSetFolders"},     {&MainForm::c17, k::explorer, "NoRecentDocsMenu"},
    {&MainForm::c18, k::explorer, "NoFavoritesMenu"},  {&MainForm::c19, k::explorer, "NoCommonGroups"},
    {&MainForm::c110, k::explorer, "NoChangeStartmenu"},
};

const BoxRead internet_explorer[] = {
    {&MainForm::c21, {}, "NoSelectDownloadDir"}, {&MainForm::c22, {}, "NoBrowserContextMenu"},
    {&MainForm::c23, {}, "NoBrowserOptions"},    {&MainForm::c24, {}, "NoViewSource"},
    {&MainForm::c25, {}, "NoFavorites"},         {&MainForm::c26, {}, "NoFileNew"},
    {&MainForm::c27, {}, "NoFileOpen"},          {&MainForm::c28, {}, "NoBrowserSaveAs"},
    {&MainForm::c29, {}, "NoPrinting"},          {&MainForm::c210, {}, "NoBrowserClose"},
};

// "NoDispCpl" is read where the apply writes it and Windows looks for it: the System policy key.
const BoxRead desktop[] = {
    {&MainForm::c31, k::explorer, "NoSetTaskbar"},     {&MainForm::c32, k::system, "NoDispCpl"},
    {&MainForm::c33, k::explorer, "NoDesktop"},        {&MainForm::c34, k::explorer, "NoNetHood"},
    {&MainForm::c35, k::explorer, "NoStartBanner"},    {&MainForm::c36, k::explorer, "NoSaveSettings"},
    {&MainForm::c38, k::system, "DisableRegistryTools"}, {&MainForm::c37, k::explorer, "FixedWallpaper"},
};

const BoxRead network_and_shell[] = {
    {&MainForm::c63, k::explorer, "NoActiveDesktop"},     {&MainForm::c64, k::explorer, "ClassicShell"},
    {&MainForm::c65, k::network, "NoNetSetup"},           {&MainForm::c66, k::network, "NoEntireNetwork"},
    {&MainForm::c67, k::network, "NoWorkgroupContents"},  {&MainForm::c68, k::system, "NoPwdPage"},
    {&MainForm::c69, k::network, "NoFileSharingControl"}, {&MainForm::c610, k::network, "NoPrintSharingControl"},
};

bool stored_one(Engine& e, QLatin1String key, const QString& name)
{
    return equals_one(platform::REG_GetValue(e.ctx.registry, HKEY_CURRENT_USER, key, name));
}

template <std::size_t N>
void read_boxes(Engine& e, const BoxRead (&rows)[N])
{
    for (const BoxRead& r : rows)
        (e.form.*r.box).setValue(stored_one(e, r.key, QLatin1String(r.name)) ? 1 : 0);
}

void read_wallpaper(Engine& e)
{
    const bool fixed = stored_one(e, k::explorer, QStringLiteral("FixedWallpaper"));
    e.form.t31.setText(fixed ? platform::REG_GetString(e.ctx.registry, HKEY_CURRENT_USER, k::explorer,
                                                       QStringLiteral("WallpaperName"))
                             : platform::REG_GetString(e.ctx.registry, HKEY_CURRENT_USER, k::desktop,
                                                       QStringLiteral("Wallpaper")));
    const QString file = e.form.t31.text();
    if (!platform::file_exists(e.ctx.files, file))
        return;
    const platform::HostPath host = e.ctx.machine.to_host(e.ctx.files.full_path(file));
    if (host.ok())
        e.form.pic31.loadPicture(host.path); // a file that is no picture leaves the preview as it was
}

// The boxes are unticked first: a file that is missing or can't be read leaves both unticked.
void show_boot_options(Engine& e)
{
    e.form.c61.setValue(0);
    e.form.c62.setValue(0);
    const BootOptions boot = read_boot_options(e.ctx);
    if (boot.autoscan)
        e.form.c61.setValue(1);
    if (boot.bootkeys)
        e.form.c62.setValue(1);
}

void read_registered_names(Engine& e)
{
    const QString os = platform::get_os(e.ctx.machine);
    const bool nt = os == QLatin1String("Win2K") || os == QLatin1String("WinNT") || os == QLatin1String("WinXP");
    const QString key = nt ? k::nt_current_version : k::current_version;
    e.form.t81.setText(platform::REG_GetString(e.ctx.registry, HKEY_LOCAL_MACHINE, key,
                                               QStringLiteral("RegisteredOrganization")));
    e.form.t82.setText(platform::REG_GetString(e.ctx.registry, HKEY_LOCAL_MACHINE, key,
                                               QStringLiteral("RegisteredOwner")));
}

bool not_zero(const QString& number_text)
{
    const auto number = platform::val_of_text(number_text);
    return number && *number != 0.0;
}

} // namespace

void settings_get(Engine& engine)
{
    read_boxes(engine, start_menu);
    for (const BoxRead& r : internet_explorer)
        (engine.form.*r.box).setValue(not_zero(ie_get_restriction(engine.ctx, QLatin1String(r.name))) ? 1 : 0);
    read_boxes(engine, desktop);
    read_wallpaper(engine);
    show_boot_options(engine);
    read_boxes(engine, network_and_shell);
    read_registered_names(engine);
    // The window shows the account's own Windows Update restriction too, as the reader of an account does.
    engine.form.c95.setValue(stored_one(engine, k::explorer, QStringLiteral("NoWindowsUpdate")) ? 1 : 0);
}

void settings_get_drives(Engine& engine)
{
    const auto boxes = engine.form.driveBoxes();
    for (int i = 0; i < 26; ++i) {
        const QString letter(QChar(u'A' + i));
        boxes[static_cast<std::size_t>(i)]->setValue(stored_one(engine, k::hide, letter) ? 1 : 0);
    }
}

} // namespace policy
