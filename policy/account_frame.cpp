#include "policy/account_frame.h"

#include "platform/accounts/hive_loader.h"
#include "platform/registry.h"
#include "platform/registry/ansi_text.h"
#include "platform/system_queries.h"
#include "platform/ui_services.h"
#include "policy/operations.h"
#include "policy/user_root.h"

namespace policy {

namespace {

constexpr int progress_panel = 2;

bool is_logged_on_account(Engine& e)
{
    QString user = platform::get_username(e.ctx.machine);
    if (user.endsWith(QChar(0)))
        user.chop(1);
    return user.toLower() == e.form.Combo_user.text().toLower();
}

void refuse(platform::UiServices& ui, int language)
{
    if (language == 0)
        ui.msgBox(QStringLiteral("Für den angemeldeten Benutzer können aus Sicherheitsgründen keine Einschränkungen "
                                 "gesetzt werden. Bitte wählen Sie einen anderen Benutzer aus."),
                  16, QStringLiteral("Dieser Benutzer nicht beschränkbar !"));
    else
        ui.msgBox(QStringLiteral("You can not set restrictions for the user you are logged in. Please choose another "
                                 "one."),
                  16, QStringLiteral("Sorry.."));
}

QString progress_text(const QString& account, int language)
{
    return (language == 0 ? QStringLiteral("Lade Profil:") : QStringLiteral("Load Profile:")) + account;
}

// Built afresh for every call: the profiles field may change while the helper program runs.
QString hive_file(Engine& e)
{
    return e.form.t810.text() + e.form.Combo_user.text() + QStringLiteral("\\NTUSER.DAT");
}

std::int16_t load_unload(Engine& e, std::int16_t operation, int language)
{
    return platform::HIVE_LoadUnload(e.ctx, operation, hive_file(e), e.form.Combo_user.text(), e.deinstall_running,
                                     language);
}

void work(Engine& e, std::int16_t mode, int language)
{
    if (mode == hive_apply)
        REG_Save32(e, language);
    else
        REG_Load32(e);
}

// The end of a save: the branch it wrote goes to disk now, whole, so that what a crash or a dismount finds is
// the set and not the part of it that the key creations happened to flush.
platform::LSTATUS flush_written_branch(Engine& e)
{
    platform::Registry& reg = e.ctx.registry;
    const UserRoot written = writer_user_root(e.ctx.machine, e.form.Combo_user.text());
    QString path = written.prefix;
    if (path.endsWith(QLatin1Char('\\')))
        path.chop(1);
    platform::HKEY key = 0;
    if (const platform::LSTATUS opened = reg.RegOpenKeyExA(written.root, platform::to_ansi(path).c_str(), 0,
                                                           platform::KEY_QUERY_VALUE, &key))
        return opened; // the mount went away under the save: its edits went with it
    const platform::LSTATUS flushed = reg.RegFlushKey(key);
    // The handle was opened just above: closing it can only succeed.
    (void)reg.RegCloseKey(key);
    return flushed;
}

void tell_not_saved(platform::UiServices& ui, int language)
{
    if (language == 0)
        ui.msgBox(QStringLiteral("Die Einschränkungen konnten nicht in der Registry des Benutzers gespeichert werden."),
                  16);
    else
        ui.msgBox(QStringLiteral("The restrictions could not be saved to the user's registry."), 16);
}

void unlock(Engine& e)
{
    e.form.setMousePointer(platform::MousePointer::Default);
    e.form.Combo_user.setEnabled(true);
}

} // namespace

void hive(Engine& e, std::int16_t mode, int language)
{
    if (mode != hive_apply && mode != hive_read) {
        e.ctx.ui.msgBox(QStringLiteral("Interner Fehler bei Sub:HIVE"), 0);
        return;
    }
    // One Apply is one save: a lock that another process holds is waited for once in it, not at every flush.
    const platform::Registry::SaveScope save(e.ctx.registry);
    if (!platform::is_nt(e.ctx.machine)) {
        work(e, mode, language);
        if (mode == hive_apply && flush_written_branch(e) != platform::ERROR_SUCCESS)
            tell_not_saved(e.ctx.ui, language);
        return;
    }
    if (!e.deinstall_running && is_logged_on_account(e)) {
        if (mode == hive_read) {
            if (e.form.mm22.onClick)
                e.form.mm22.onClick(); // Unmark all
        } else {
            refuse(e.ctx.ui, language);
        }
        return;
    }

    e.form.setMousePointer(platform::MousePointer::Hourglass);
    e.form.Combo_user.setEnabled(false);
    auto& bar = e.form.StatusBar;
    const QString saved = bar.valid(progress_panel) ? bar.panel(progress_panel).text : QString();
    const QString progress = progress_text(e.form.Combo_user.text(), language);
    bar.setPanelText(progress_panel, progress);

    // A mount left behind by an earlier run that failed goes first.
    load_unload(e, platform::hive_unload, language);
    bar.setPanelText(progress_panel, progress);
    if (load_unload(e, platform::hive_load, language) != platform::hive_ok) {
        unlock(e);
        return; // the loader has told why; the progress text stays
    }
    work(e, mode, language);
    // Edits that can't be written before the dismount go with the hive. Whether they did is known only after
    // it (the start of the helper tries them once more), so that is when a failure is told: once, and true.
    const bool written = mode != hive_apply || flush_written_branch(e) == platform::ERROR_SUCCESS;
    load_unload(e, platform::hive_unload, language);
    if (!written && e.ctx.registry.flush_all() != platform::ERROR_SUCCESS)
        tell_not_saved(e.ctx.ui, language);

    unlock(e);
    bar.setPanelText(progress_panel, saved);
}

} // namespace policy
