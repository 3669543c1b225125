#include "policy/boot_options.h"
#include "policy/click_reactions.h"
#include "policy/operations.h"
#include "policy/policy_keys.h"
#include "policy/restriction_boxes.h"
#include "policy/user_root.h"
#include "policy/value_names.h"
#include "policy/value_tests.h"

#include "platform/profile_strings.h"
#include "platform/registry/number_text.h"
#include "platform/system_queries.h"

#include <cmath>
#include <initializer_list>

namespace policy {

namespace {

class Load {
public:
    Load(Engine& e, UserRoot root) : e_(e), f_(e.form), reg_(e.ctx.registry), root_(std::move(root)) {}

    void run();

private:
    platform::Variant value(const QString& key, const QString& name) const
    {
        return platform::REG_GetValue(reg_, root_.root, root_.key(key), name);
    }
    QString text(const QString& key, const QString& name) const
    {
        return platform::REG_GetString(reg_, root_.root, root_.key(key), name);
    }
    void set(controls::CheckBox& box, bool on) { box.setValue(on ? 1 : 0); }
    // Restriction n decides box `box_number` by the equals-one test.
    void entry(int n, int box_number)
    {
        set(*restriction_box(f_, box_number),
            equals_one(value(e_.KP[static_cast<std::size_t>(n)], e_.VN[static_cast<std::size_t>(n)])));
    }
    void entries(std::initializer_list<int> numbers)
    {
        for (int n : numbers)
            entry(n, n);
    }

    void applets();
    void tick_applet(int row);
    void wallpaper();
    void censor_list();

    Engine& e_;
    mainwindow::MainForm& f_;
    platform::Registry& reg_;
    UserRoot root_;
    bool nt_ = platform::is_nt(e_.ctx.machine);
};

void Load::tick_applet(int row)
{
    controls::ListView& list = f_.lv1;
    const QString& label = e_.CplName[static_cast<std::size_t>(row)];
    for (int j = 1; j <= std::min(e_.CplCount, list.count()); ++j)
        if (list.text(j) == label)
            list.setChecked(j, true);
}

void Load::applets()
{
    controls::ListView& list = f_.lv1;
    for (int i = 1; i <= std::min(e_.CplCount, list.count()); ++i)
        list.setChecked(i, false);
    for (int row = 1; row <= e_.CplCount; ++row) {
        const QString& file = e_.CplFile[static_cast<std::size_t>(row)];
        bool hidden = false;
        if (nt_) {
            hidden = upper_case_no(text(keys::dont_load, file));
        } else {
            QString out;
            hidden = e_.ctx.profile_strings.get(QStringLiteral("don't load"), file, QString(), &out, 255,
                                                QStringLiteral("CONTROL.INI")) != 0;
        }
        if (hidden)
            tick_applet(row);
    }
}

void Load::wallpaper()
{
    f_.t31.setText(text(keys::desktop, QStringLiteral("Wallpaper")));
    const QString file = f_.t31.text();
    if (!platform::file_exists(e_.ctx.files, file))
        return;
    // A file that is no picture leaves the preview as it was.
    const platform::HostPath host = e_.ctx.machine.to_host(e_.ctx.files.full_path(file));
    if (host.ok())
        f_.pic31.loadPicture(host.path);
}

void Load::censor_list()
{
    controls::ListBox& list = f_.List1;
    const QString own = own_program_file;
    list.clear();
    list.addItem(own);
    const std::optional<double> counted = platform::val_of_text(text(keys::restrict_run, QStringLiteral("Gesamt")));
    // The stored count is only a claim: a damaged or hostile one must not run the list past what it can hold.
    const double room = static_cast<double>(controls::maxListEntries - 1);
    const int n = counted && *counted > 0 ? static_cast<int>(std::floor(std::min(*counted, room))) : 0;
    for (int i = 0; i < n; ++i) {
        const QString entry = text(keys::restrict_run, numbered_value_name(i));
        if (entry != own)
            list.addItem(entry);
    }
}

void Load::run()
{
    applets();

    entries({11, 12, 13, 14, 15, 16});
    entry(161, 16);
    entry(162, 16);
    entries({17, 18, 19, 110, 21, 22, 23, 24, 25, 26, 27, 28, 29, 210, 31, 32, 33, 34, 35, 36, 37});
    wallpaper();
    entries({38, 39});
    f_.t32.setText(text(e_.KP[39], QStringLiteral("FixedLNKUrl")));

    censor_list();
    set(f_.c41, equals_one(value(keys::explorer, QStringLiteral("RestrictRun"))));

    const auto boxes = f_.driveBoxes();
    for (int i = 0; i < drive_letter_count; ++i)
        set(*boxes[static_cast<std::size_t>(i)], equals_one(value(keys::hide, drive_value_name(i))));

    set(f_.c61, false);
    set(f_.c62, false);
    const BootOptions boot = read_boot_options(e_.ctx);
    if (boot.autoscan)
        set(f_.c61, true);
    if (boot.bootkeys)
        set(f_.c62, true);

    entries({63, 64, 65, 66, 67, 68, 69, 610});
    set(f_.c90, exact_no(text(e_.KP[90], e_.VN[90])));
    entries({91, 93, 94, 95});
    if (nt_)
        set(f_.c96, equals_one(value(keys::windows_system, e_.VN[96])));
    else
        set(f_.c96, equals_one(value(keys::win_old_app, QStringLiteral("Disabled"))));
    entries({98, 99});
}

} // namespace

void REG_Load32(Engine& e)
{
    Load(e, account_user_root(e.ctx.machine, e.form.Combo_user.text())).run();
}

} // namespace policy
