#include "temp_machine.h"

#include "platform/program_info.h"
#include "platform/tray.h"

#include <gtest/gtest.h>

TEST(ProgramInfo, FactsOfTheInstalledProgram)
{
    TempMachine t;
    const platform::ProgramInfo info = platform::program_info(*t.machine, {"/icon"});
    EXPECT_EQ(info.folder, "C:\\Programme\\Gatrisk 2002");
    EXPECT_EQ(info.file_name, "GATR2002");
    EXPECT_EQ(platform::version_text(info), QStringLiteral("%1.%2.%3")
                                                .arg(GATRISK_VERSION_MAJOR)
                                                .arg(GATRISK_VERSION_MINOR)
                                                .arg(GATRISK_VERSION_REVISION));
    EXPECT_EQ(info.command_line, "/icon");
    EXPECT_EQ(platform::program_info(*t.machine, {"zav", "", "x"}).command_line, "zav  x");
    EXPECT_EQ(platform::program_info(*t.machine, {}).command_line, "");
}

namespace {

struct RecordingSink : platform::TraySink {
    bool notify_icon(std::uint32_t message, const platform::NotifyIconData& data) override
    {
        calls.push_back({message, data});
        return true;
    }
    std::vector<std::pair<std::uint32_t, platform::NotifyIconData>> calls;
};

} // namespace

TEST(Tray, AddFillsTheRecord)
{
    RecordingSink sink;
    platform::Tray tray(sink);
    tray.tray_add(0x1234, QString::fromUtf8("Gatrisk ä"), 0x99);
    ASSERT_EQ(sink.calls.size(), 1u);
    EXPECT_EQ(sink.calls[0].first, platform::nim_add);
    const platform::NotifyIconData& d = tray.tray_nid();
    EXPECT_EQ(d.size, 88u);
    EXPECT_EQ(d.window, 0x1234u);
    EXPECT_EQ(d.icon_id, 2u);
    EXPECT_EQ(d.flags, 7u);
    EXPECT_EQ(d.callback_message, 512u);
    EXPECT_EQ(d.icon, 0x99u);
    const std::string tip(d.tip.begin(), d.tip.end());
    EXPECT_EQ(tip, std::string("Gatrisk \xE4") + '\0' + std::string(54, ' '));

    tray.tray_add(1, QString(80, 'x'), 2);
    const std::string cut(tray.tray_nid().tip.begin(), tray.tray_nid().tip.end());
    EXPECT_EQ(cut, std::string(63, 'x') + '\0');
}
