#include "temp_dir.h"
#include "testsupport/regf/regf_checks.h"

#include <gtest/gtest.h>

namespace {

class MinimalHive : public testing::TestWithParam<std::uint32_t> {};

TEST_P(MinimalHive, ValidatesCleanAndOpensInHivex)
{
    const auto bytes = regf_checks::minimal_hive(GetParam());
    EXPECT_EQ(regf_checks::validate(bytes), std::vector<std::string>{});

    TempDir dir;
    const std::string path = dir.write("minimal", bytes);
    std::string error;
    const auto tree = regf_checks::hivex_read(path, &error);
    ASSERT_TRUE(tree) << error;
    regf_checks::OracleTree just_root;
    just_root.keys[""];
    EXPECT_EQ(*tree, just_root);
}

TEST_P(MinimalHive, KeepsItsMinorVersion)
{
    const auto bytes = regf_checks::minimal_hive(GetParam());
    ASSERT_GE(bytes.size(), 28u);
    EXPECT_EQ(bytes[24], GetParam());
}

INSTANTIATE_TEST_SUITE_P(Versions, MinimalHive, testing::Values(3u, 4u, 5u, 6u),
                         [](const auto& p) { return "v1_" + std::to_string(p.param); });

TEST(ValidateFile, ReportsAFileThatCannotBeRead)
{
    TempDir dir;
    const auto lines = regf_checks::validate_file(dir.file("missing"));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("cannot be read"), std::string::npos);
}

} // namespace
