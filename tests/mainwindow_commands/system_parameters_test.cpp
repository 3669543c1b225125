#include "platform/registry.h"
#include "platform/shell/system_parameters.h"
#include "testsupport/context/test_program.h"

#include <gtest/gtest.h>

namespace {

QString wallpaper(testsupport::TestProgram& program)
{
    return platform::REG_GetString(program.registry(), platform::HKEY_CURRENT_USER, "Control Panel\\Desktop",
                                   "Wallpaper");
}

TEST(SystemParameters, StoresTheWallpaperOnlyWhenAskedToAndRecordsEveryCall)
{
    struct Row {
        const char* name;
        std::uint32_t action;
        QByteArray file;
        std::uint32_t flags;
        std::int32_t result;
        const char* stored; // nullptr: the sample's value stays
    } rows[] = {
        {"store and tell", platform::SPI_SETDESKWALLPAPER, "C:\\WINDOWS\\a.bmp", 3, 1, "C:\\WINDOWS\\a.bmp"},
        {"store only", platform::SPI_SETDESKWALLPAPER, "C:\\b.bmp", platform::SPIF_UPDATEINIFILE, 1, "C:\\b.bmp"},
        {"for this session", platform::SPI_SETDESKWALLPAPER, "C:\\c.bmp", platform::SPIF_SENDWININICHANGE, 1, nullptr},
        {"text ends at its NUL", platform::SPI_SETDESKWALLPAPER, QByteArray("C:\\d.bmp\0junk", 13), 1, 1, "C:\\d.bmp"},
        {"no wallpaper", platform::SPI_SETDESKWALLPAPER, "", 1, 1, ""},
        {"unknown action", 21, "C:\\e.bmp", 3, 0, nullptr},
    };
    for (const Row& r : rows) {
        testsupport::TestProgram program;
        const QString before = wallpaper(program);
        platform::SystemParameters parameters(program.registry());
        EXPECT_EQ(parameters.SystemParametersInfoA(r.action, 0, r.file, r.flags), r.result) << r.name;
        EXPECT_EQ(wallpaper(program), r.stored ? QString::fromLatin1(r.stored) : before) << r.name;
        EXPECT_FALSE(program.registry().pending()) << r.name;
        ASSERT_EQ(parameters.calls().size(), 1u) << r.name;
        const QByteArray text = r.file.left(r.file.indexOf('\0') < 0 ? r.file.size() : r.file.indexOf('\0'));
        EXPECT_EQ(parameters.calls()[0], (platform::SystemParametersCall{r.action, 0, text, r.flags})) << r.name;
    }
}

} // namespace
