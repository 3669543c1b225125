#include "temp_machine.h"

#include "platform/is_admin.h"

#include <gtest/gtest.h>

TEST(IsAdmin, OverTheTokenGroups)
{
    const QStringList users{"S-1-5-21-1-2-3-513", "S-1-1-0", "S-1-5-32-545", "S-1-5-4", "S-1-5-11"};
    QStringList admin = users;
    admin.insert(2, "S-1-5-32-544");
    QStringList twenty(20, "S-1-5-32-545");
    struct Row {
        const char* name;
        QStringList groups;
        bool admin;
    } rows[] = {
        {"administrator", admin, true},
        {"users only", users, false},
        {"no groups", {}, false},
        {"21st entry", twenty + QStringList{"S-1-5-32-544"}, true},
        {"22nd entry is beyond the record", twenty + QStringList{"S-1-1-0", "S-1-5-32-544"}, false},
        {"a malformed entry is passed over", {"S-1-5-32-544-", "S-1-5-32-544"}, true},
        {"a longer SID is another group", {"S-1-5-32-544-1"}, false},
    };
    for (const Row& r : rows)
        EXPECT_EQ(platform::is_admin_token(r.groups), r.admin) << r.name;
}

TEST(IsAdmin, SampleMachineAdministrator)
{
    TempMachine t;
    EXPECT_TRUE(platform::IsAdmin(*t.machine));
}
