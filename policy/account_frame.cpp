#include "policy/account_frame.h"

#include "platform/accounts/hive_loader.h"
#include "platform/registry.h"
#include "platform/registry/ansi_text.h"
#include "platform/system_queries.h"
#include "platform/ui_services.h"
#include "policy/operations.h"

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

// The writer's last edits are still in memory: written now, or the dismount would drop them without a word.
// An account that is not mounted holds nothing of the save.
bool account_written(Engine& e)
{
    platform::Registry& reg = e.ctx.registry;
    platform::HKEY key = 0;
    if (reg.RegOpenKeyExA(platform::HKEY_USERS, platform::to_ansi(e.form.Combo_user.text()).c_str(), 0,
                          platform::KEY_QUERY_VALUE, &key) != platform::ERROR_SUCCESS)
        return true;
    const platform::LSTATUS flushed = reg.RegFlushKey(key);
    reg.RegCloseKey(key);
    return flushed == platform::ERROR_SUCCESS;
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
    if (!platform::is_nt(e.ctx.machine)) {
        work(e, mode, language);
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
    if (mode == hive_apply && !account_written(e))
        tell_not_saved(e.ctx.ui, language);
    load_unload(e, platform::hive_unload, language);

    unlock(e);
    bar.setPanelText(progress_panel, saved);
}

} // namespace policy
