#include "policy/boot_options.h"
#include "policy/make_regpaths.h"
#include "policy/operations.h"
#include "policy/policy_keys.h"
#include "policy/restriction_boxes.h"
#include "policy/save_refused.h"
#include "policy/user_branch.h"
#include "policy/value_names.h"

#include "platform/profile_strings.h"
#include "platform/system_queries.h"

#include <initializer_list>

namespace policy {

namespace {

const QString zero = QStringLiteral("0");
const QString one = QStringLiteral("1");

class Save {
public:
    Save(Engine& e, const UserRoot& root) : e_(e), f_(e.form), out_(e.ctx.registry, root) {}

    void run(int language);

private:
    const QString& vn(int n) const { return e_.VN[static_cast<std::size_t>(n)]; }
    const QString& kp(int n) const { return e_.KP[static_cast<std::size_t>(n)]; }
    platform::LSTATUS entry(int n, const QString& number) { return out_.dword(kp(n), vn(n), number); }
    void entries(std::initializer_list<int> numbers, const QString& number)
    {
        for (int n : numbers)
            entry(n, number);
    }
    // The box's own entry gets 1 when it is ticked; an unticked one keeps the 0 of the reset.
    void ticked_entries(std::initializer_list<int> numbers)
    {
        for (int n : numbers)
            if (ticked(*restriction_box(f_, n)))
                entry(n, one);
    }

    void reset();
    void command_prompt_keys();
    void applet_keys();
    void applets();
    void censor_list();
    void drives();

    Engine& e_;
    mainwindow::MainForm& f_;
    UserBranch out_;
    bool nt_ = platform::is_nt(e_.ctx.machine);
    bool xp_ = nt_ && platform::get_os(e_.ctx.machine).mid(3, 2) == QLatin1String("XP");
    int xp_count_ = 0;
};

void Save::reset()
{
    entries({12, 13, 14, 15, 16, 161, 162, 17, 18, 19, 110, 21, 22, 23, 24, 25, 26, 27, 28, 29, 210,
             31, 32, 33, 34, 35, 36, 37, 38, 39}, zero);
    out_.dword(keys::explorer, QStringLiteral("RestrictRun"), zero);
    out_.dword(keys::explorer, QStringLiteral("NoDrives"), QStringLiteral(" 0"));
    entries({63, 64, 65, 66, 67, 68, 69, 610}, zero);
    out_.text(kp(90), vn(90), QStringLiteral("Yes"));
    entries({91, 92, 93, 94, 95, 96, 97, 98, 99}, zero);
}

void Save::command_prompt_keys()
{
    if (nt_) {
        for (const char* key : {"Software", "Software\\Policies", "Software\\Policies\\Microsoft",
                                "Software\\Policies\\Microsoft\\Windows"})
            out_.create_key(QString::fromLatin1(key));
        out_.create_key(keys::windows_system);
        out_.dword(keys::windows_system, vn(96), zero);
    } else {
        out_.create_key(keys::win_old_app);
        out_.dword(keys::win_old_app, QStringLiteral("Disabled"), zero);
    }
}

void Save::applet_keys()
{
    if (!nt_)
        return;
    out_.delete_key(keys::dont_load);
    out_.create_key(keys::dont_load);
    if (xp_) {
        out_.delete_key(keys::disallow_cpl);
        out_.create_key(keys::disallow_cpl);
    }
}

void Save::applets()
{
    const controls::ListView& list = f_.lv1;
    const QString section = QStringLiteral("don't load");
    const QString control_ini = QStringLiteral("control.ini");
    // A list shorter than the catalogue stops at its end.
    const int items = std::min(e_.CplCount, list.count());
    for (int i = 1; i <= items; ++i) {
        const bool hidden = list.checked(i);
        const QString label = list.text(i);
        for (int j = 1; j <= e_.CplCount; ++j) {
            if (e_.CplName[static_cast<std::size_t>(j)] != label)
                continue;
            const QString& file = e_.CplFile[static_cast<std::size_t>(j)];
            if (!nt_) {
                e_.ctx.profile_strings.write(section, file, hidden ? std::optional<QString>(QStringLiteral("no"))
                                                                  : std::nullopt, control_ini);
            } else if (hidden) {
                out_.text(keys::dont_load, file, QStringLiteral("No"));
                if (xp_)
                    out_.text(keys::disallow_cpl, numbered_value_name(++xp_count_), file);
            } else if (!xp_) {
                out_.text(keys::dont_load, file, QString());
            }
        }
    }
}

void Save::censor_list()
{
    out_.delete_key(keys::restrict_run);
    const controls::ListBox& list = f_.List1;
    if (list.listCount() < 1)
        return;
    out_.create_key(keys::restrict_run);
    for (int i = 0; i < list.listCount(); ++i)
        out_.text(keys::restrict_run, numbered_value_name(i), list.list(i));
    out_.dword(keys::restrict_run, QStringLiteral("Gesamt"), static_cast<std::uint32_t>(list.listCount()));
}

void Save::drives()
{
    const auto boxes = f_.driveBoxes();
    DriveFlags hidden{};
    for (int i = 0; i < drive_letter_count; ++i) {
        hidden[static_cast<std::size_t>(i)] = ticked(*boxes[static_cast<std::size_t>(i)]);
        out_.dword(keys::hide, drive_value_name(i), hidden[static_cast<std::size_t>(i)] ? one : zero);
    }
    out_.dword(keys::explorer, QStringLiteral("NoDrives"), drive_mask(hidden));
}

void Save::run(int language)
{
    make_regpaths(e_.ctx.registry, out_.root().root, out_.root().prefix);

    if (entry(11, zero) != platform::ERROR_SUCCESS) {
        show_save_refused(e_.ctx.ui, language);
        return;
    }
    reset();
    command_prompt_keys();
    applet_keys();
    applets();
    out_.dword(keys::explorer, QStringLiteral("ForceClassicControlPanel"), xp_ && xp_count_ != 0 ? one : zero);

    ticked_entries({11, 12, 13, 14, 15, 16});
    if (ticked(f_.c16))
        entries({161, 162}, one);
    ticked_entries({17, 18, 19, 110, 21, 22, 23, 24, 25, 26, 27, 28, 29, 210, 31, 32, 33, 34, 35, 36, 37});
    if (ticked(f_.c37)) {
        // Every user branch has the desktop key; one that lacks it would lose the fixed wallpaper silently.
        out_.create_key(keys::desktop);
        out_.text(keys::desktop, QStringLiteral("Wallpaper"), f_.t31.text());
    }
    ticked_entries({38, 39});

    if (!f_.t32.text().isEmpty())
        out_.text(kp(39), QStringLiteral("FixedLNKUrl"), f_.t32.text());
    if (ticked(f_.c39)) {
        out_.create_key(keys::run);
        out_.text(keys::run, QStringLiteral("System"), e_.ctx.program.folder + QStringLiteral("\\gatr2002.exe /icon"));
    } else {
        out_.delete_value(keys::run, QStringLiteral("System"));
    }

    censor_list();
    if (ticked(f_.c41))
        out_.dword(keys::explorer, QStringLiteral("RestrictRun"), one);
    drives();

    // No MSDOS.SYS (the NT family mostly), or one that can't be written: the rest of the set is still saved.
    write_boot_options(e_.ctx, {ticked(f_.c61), ticked(f_.c62)});

    ticked_entries({63, 64, 65, 66, 67, 68, 69, 610});
    // The program key is not made here: the value lands only where the branch has it already.
    entry(80, one);
    out_.text(kp(81), vn(81), f_.t81.text());
    out_.text(kp(82), vn(82), f_.t82.text());
    out_.text(kp(90), vn(90), ticked(f_.c90) ? QStringLiteral("No") : QStringLiteral("Yes"));
    ticked_entries({91, 93, 94, 95});
    if (ticked(f_.c96)) {
        if (nt_)
            out_.dword(keys::windows_system, vn(96), one);
        else
            out_.dword(keys::win_old_app, QStringLiteral("Disabled"), one);
    }
    ticked_entries({98, 99});
}

} // namespace

void REG_Save32(Engine& e, int language)
{
    Save(e, writer_user_root(e.ctx.machine, e.form.Combo_user.text())).run(language);
}

} // namespace policy
