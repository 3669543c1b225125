#include "policy/own_settings_write.h"

#include "platform/accounts/account_lookup.h"
#include "platform/codepage.h"
#include "platform/registry.h"
#include "platform/registry/number_text.h"
#include "platform/system_queries.h"
#include "policy/boot_options.h"
#include "policy/ie_restrictions.h"
#include "policy/policy_keys.h"

namespace policy {

namespace {

using platform::HKEY;
using platform::HKEY_CURRENT_USER;
using platform::HKEY_LOCAL_MACHINE;
using platform::HKEY_USERS;
using mainwindow::MainForm;
using Box = controls::CheckBox MainForm::*;
namespace k = keys;

const QString program_file = QStringLiteral("GATR2002.EXE");

struct BoxWrite {
    Box box;
    QLatin1String key; // empty: an Internet Explorer restriction
    const char* name;
};

const BoxWrite start_menu_head[] = {
    {&MainForm::c11, k::explorer, "NoClose"},
    {&MainForm::c12, k::explorer, "NoLogoff"},
    {&MainForm::c13, k::explorer, "NoRun"},
};

// c16 stands for the whole group of settings pages.
const BoxWrite settings_pages[] = {
    {&MainForm::c16, k::explorer, "NoControlPanel"},
    {&MainForm::c16, k::explorer, "NoSetFolders"},
    {&MainForm::c16, k::explorer, "NoSetTaskbar"},
    {&MainForm::c17, k::explorer, "NoRecentDocsMenu"},
    {&MainForm::c18, k::explorer, "NoFavoritesMenu"},
    {&MainForm::c19, k::explorer, "NoCommonGroups"},
    {&MainForm::c110, k::explorer, "NoChangeStartMenu"},
    {&MainForm::c21, {}, "NoSelectDownloadDir"},
    {&MainForm::c22, {}, "NoBrowserContextMenu"},
    {&MainForm::c23, {}, "NoBrowserOptions"},
    {&MainForm::c24, {}, "NoViewSource"},
    {&MainForm::c25, {}, "NoFavorites"},
    {&MainForm::c26, {}, "NoFileNew"},
    {&MainForm::c27, {}, "NoFileOpen"},
    {&MainForm::c28, {}, "NoBrowserSaveAs"},
    {&MainForm::c29, {}, "NoPrinting"},
    {&MainForm::c210, {}, "NoBrowserClose"},
    // After c16: c31 has the last word on "NoSetTaskbar".
    {&MainForm::c31, k::explorer, "NoSetTaskbar"},
    {&MainForm::c32, k::explorer, "NoDispCPL"},
    {&MainForm::c33, k::explorer, "NoDesktop"},
    {&MainForm::c34, k::explorer, "NoNetHood"},
    {&MainForm::c35, k::explorer, "NoStartBanner"},
    {&MainForm::c36, k::explorer, "NoSaveSettings"},
};

const BoxWrite network_and_shell[] = {
    {&MainForm::c63, k::explorer, "NoActiveDesktop"},     {&MainForm::c64, k::explorer, "ClassicShell"},
    {&MainForm::c65, k::network, "NoNetSetup"},           {&MainForm::c66, k::network, "NoEntireNetwork"},
    {&MainForm::c67, k::network, "NoWorkgroupContents"},  {&MainForm::c68, k::system, "NoPwdPage"},
    {&MainForm::c69, k::network, "NoFileSharingControl"}, {&MainForm::c610, k::network, "NoPrintSharingControl"},
};

QString one_or_zero(const controls::CheckBox& box) { return box.value() == 1 ? QStringLiteral("1") : QStringLiteral("0"); }

void set_dword(Engine& e, HKEY root, const QString& key, const QString& name, const QString& value)
{
    platform::REG_SetDWORD(e.ctx.registry, root, key, name, value);
}

template <std::size_t N>
void write_boxes(Engine& e, const BoxWrite (&rows)[N])
{
    for (const BoxWrite& r : rows) {
        const QString value = one_or_zero(e.form.*r.box);
        if (!r.key.isEmpty())
            set_dword(e, HKEY_CURRENT_USER, r.key, QLatin1String(r.name), value);
        else
            ie_set_restriction(e.ctx, QLatin1String(r.name), value);
    }
}

// The branch of the account chosen in the user chooser, by its security identifier on the NT family.
void create_account_keys(Engine& e)
{
    HKEY root = HKEY_CURRENT_USER;
    QString prefix;
    if (platform::is_nt(e.ctx.machine)) {
        root = HKEY_USERS;
        prefix = platform::NameToSID(e.ctx.ui, e.SidList, e.SidUser, e.form.Combo_user.text()) + QLatin1Char('\\');
    }
    const QString keys[] = {
        QString(),
        QStringLiteral("_Classes"),
        QStringLiteral("SOFTWARE"),
        QStringLiteral("SOFTWARE\\Microsoft"),
        QStringLiteral("SOFTWARE\\Microsoft\\Windows"),
        QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion"),
        QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies"),
        k::explorer,
        k::system,
        k::network,
    };
    for (const QString& key : keys)
        platform::REG_CreateKey(e.ctx.registry, root, prefix + key);
}

void write_no_find(Engine& e)
{
    const QString key = e.form.Combo_user.text() + QLatin1Char('\\') + k::explorer;
    if (e.form.c14.value() == 1)
        e.ctx.ui.msgBox(key + QStringLiteral("NoFind"), 64, QStringLiteral("Registry-Pfad"));
    set_dword(e, HKEY_USERS, key, QStringLiteral("NoFind"), one_or_zero(e.form.c14));
}

void write_wallpaper(Engine& e, platform::SystemParameters& system_parameters)
{
    if (e.form.c37.value() != 1) {
        set_dword(e, HKEY_CURRENT_USER, k::explorer, QStringLiteral("FixedWallpaper"),
                  QStringLiteral("0"));
        return;
    }
    const QString file = e.form.t31.text();
    set_dword(e, HKEY_CURRENT_USER, k::explorer, QStringLiteral("FixedWallpaper"), QStringLiteral("1"));
    platform::REG_SetString(e.ctx.registry, HKEY_CURRENT_USER, k::explorer,
                            QStringLiteral("WallpaperName"), file);
    platform::REG_SetString(e.ctx.registry, HKEY_CURRENT_USER, k::desktop, QStringLiteral("Wallpaper"),
                            file);
    // The running account's desktop shows it at once and keeps it.
    system_parameters.SystemParametersInfoA(platform::SPI_SETDESKWALLPAPER, 0, platform::to_cp1252(file),
                                            platform::SPIF_UPDATEINIFILE | platform::SPIF_SENDWININICHANGE);
}

void write_registered_names(Engine& e)
{
    const QString os = platform::get_os(e.ctx.machine);
    const bool nt = os == QLatin1String("WinXP") || os == QLatin1String("Win2K") || os == QLatin1String("WinNT");
    const QString key = nt ? k::nt_current_version : k::current_version;
    platform::REG_SetString(e.ctx.registry, HKEY_LOCAL_MACHINE, key, QStringLiteral("RegisteredOrganization"),
                            e.form.t81.text());
    platform::REG_SetString(e.ctx.registry, HKEY_LOCAL_MACHINE, key, QStringLiteral("RegisteredOwner"),
                            e.form.t82.text());
}

} // namespace

void settings_get_restrict(Engine& engine)
{
    auto& reg = engine.ctx.registry;
    auto& list = engine.form.List1;
    const QString key = k::restrict_run;
    platform::REG_CreateKey(reg, HKEY_CURRENT_USER, key);
    const auto parsed = platform::val_of_text(platform::REG_GetString(reg, HKEY_CURRENT_USER, key, QStringLiteral("Gesamt")));
    const double count = parsed.value_or(0.0);
    // A count beyond what the list holds stops where the list is full.
    for (int i = 0; i <= count - 1; ++i)
        if (list.addItem(platform::REG_GetString(reg, HKEY_CURRENT_USER, key, QLatin1Char(' ') + QString::number(i)))
            < 0)
            break;
    if (!list.entries().contains(program_file, Qt::CaseSensitive))
        list.addItem(program_file);

    // A REG_DWORD reads as its plain decimal text; a REG_SZ keeps its NUL and is no number to the box.
    const QString on =
        platform::REG_GetValue(reg, HKEY_CURRENT_USER, k::explorer, QStringLiteral("RestrictRun"))
            .to_text();
    bool number = false;
    const int state = on.toInt(&number);
    if (number && state >= 0 && state <= 2)
        engine.form.c41.setValue(state);
}

void settings_save(Engine& engine, platform::SystemParameters& system_parameters)
{
    create_account_keys(engine);
    write_boxes(engine, start_menu_head);
    write_no_find(engine);
    write_boxes(engine, settings_pages);
    write_wallpaper(engine, system_parameters);
    set_dword(engine, HKEY_CURRENT_USER, k::system, QStringLiteral("DisableRegistryTools"),
              one_or_zero(engine.form.c38));
    // No MSDOS.SYS (the NT family mostly), or one that can't be written: the rest is still saved.
    write_boot_options(engine.ctx, {engine.form.c61.value() == 1, engine.form.c62.value() == 1});
    write_boxes(engine, network_and_shell);
    write_registered_names(engine);
    // No control holds these three: the access password stays hidden, the tray icon off, and Windows Update
    // follows its own box.
    set_dword(engine, HKEY_LOCAL_MACHINE, k::program_machine, QStringLiteral("PWHide"), QStringLiteral("1"));
    set_dword(engine, HKEY_CURRENT_USER, k::explorer, QStringLiteral("NoWindowsUpdate"),
              one_or_zero(engine.form.c95));
    set_dword(engine, HKEY_LOCAL_MACHINE, k::program_machine, QStringLiteral("Trayicon"), QStringLiteral("0"));
}

void settings_save_drives(Engine& engine)
{
    const auto boxes = engine.form.driveBoxes();
    std::uint32_t mask = 0;
    for (int i = 0; i < 26; ++i) {
        const bool hidden = boxes[static_cast<std::size_t>(i)]->value() == 1;
        if (hidden)
            mask |= std::uint32_t{1} << i;
        set_dword(engine, HKEY_CURRENT_USER, k::hide, QString(QChar(u'A' + i)),
                  hidden ? QStringLiteral("1") : QStringLiteral("0"));
    }
    set_dword(engine, HKEY_CURRENT_USER, k::explorer, QStringLiteral("NoDrives"), QString::number(mask));
}

void settings_save_restrict(Engine& engine)
{
    auto& reg = engine.ctx.registry;
    const auto& list = engine.form.List1;
    const QString key = k::restrict_run;
    platform::REG_DeleteKey(reg, HKEY_CURRENT_USER, key);
    if (list.listCount() > 0) {
        platform::REG_CreateKey(reg, HKEY_CURRENT_USER, key);
        for (int i = 0; i < list.listCount(); ++i)
            platform::REG_SetString(reg, HKEY_CURRENT_USER, key, QLatin1Char(' ') + QString::number(i), list.list(i));
        platform::REG_SetString(reg, HKEY_CURRENT_USER, key, QStringLiteral("Gesamt"), QString::number(list.listCount()));
    }
    set_dword(engine, HKEY_CURRENT_USER, QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"),
              QStringLiteral("RestrictRun"), QString::number(engine.form.c41.value()));
}

} // namespace policy
