#include "policy/boot_options.h"

#include "platform/profile_strings.h"
#include "platform/vb_files.h"

#include <optional>

namespace policy {

namespace {

const QString& path()
{
    static const QString p = QString::fromLatin1(msdos_sys_path);
    return p;
}

std::optional<QString> entry_value(bool set)
{
    return set ? std::optional<QString>(QStringLiteral("0")) : std::nullopt;
}

} // namespace

bool write_boot_options(platform::Context& ctx, const BootOptions& options)
{
    const int attr = ctx.files.set_attr(path(), 0);
    // The profile-string writer would create a missing file, and a system without MSDOS.SYS must not get one.
    if (attr == platform::vb::file_not_found || attr == platform::vb::path_not_found)
        return false;
    const QString section = QStringLiteral("Options");
    const bool autoscan = ctx.profile_strings.write(section, QStringLiteral("Autoscan"), entry_value(options.autoscan), path());
    const bool bootkeys = ctx.profile_strings.write(section, QStringLiteral("Bootkeys"), entry_value(options.bootkeys), path());
    return autoscan && bootkeys;
}

BootOptions read_boot_options(platform::Context& ctx)
{
    BootOptions options;
    ctx.files.set_attr(path(), 0);
    const int number = ctx.files.free_file();
    if (number == 0 || ctx.files.open(path(), platform::FileMode::input, number) != platform::vb::ok)
        return options;
    for (;;) {
        const platform::VbResult<bool> at_end = ctx.files.eof(number);
        if (!at_end.ok() || at_end.value)
            break;
        const platform::VbResult<QString> item = ctx.files.input_item(number);
        if (!item.ok())
            break;
        const QString head = item.value.left(8);
        if (head == QLatin1String("Autoscan"))
            options.autoscan = true;
        else if (head == QLatin1String("Bootkeys"))
            options.bootkeys = true;
    }
    ctx.files.close(number);
    return options;
}

} // namespace policy
