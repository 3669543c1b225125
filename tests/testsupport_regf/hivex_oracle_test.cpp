// hivex as the independent reader (and, for these tests only, writer) of hive content.
#include "temp_dir.h"
#include "testsupport/regf/regf_checks.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using regf_checks::OracleTree;
using regf_checks::OracleValue;
using Bytes = std::vector<std::uint8_t>;

Bytes sz(const std::string& ascii)
{
    Bytes out;
    for (char c : ascii) {
        out.push_back(std::uint8_t(c));
        out.push_back(0);
    }
    out.insert(out.end(), {0, 0});
    return out;
}

Bytes pattern(std::size_t n)
{
    Bytes out(n);
    for (std::size_t i = 0; i < n; ++i)
        out[i] = std::uint8_t(i % 253);
    return out;
}

OracleTree sample_set()
{
    OracleTree set;
    set.keys[""] = {{"RootValue", {3, {0xDE, 0xAD}}}};
    set.keys["Software"] = {{"Dword", {4, {1, 0, 0, 0}}}, {"Text", {1, sz("hello")}}, {"Empty", {3, {}}}};
    set.keys["Software\\Classes\\.txt"] = {{"", {1, sz("txtfile")}}};
    set.keys["System"] = {};
    set.keys["Gr\xC3\xB6\xC3\x9F" "e"] = {{"Wert", {11, {1, 2, 3, 4, 5, 6, 7, 8}}}};
    set.keys["Software\\Big"] = {{"Blob", {3, pattern(5000)}}};
    return set;
}

// What the set reads back as: intermediate keys appear without values.
OracleTree with_parents(OracleTree set)
{
    std::vector<std::string> paths;
    for (const auto& [path, values] : set.keys)
        paths.push_back(path);
    for (const auto& path : paths)
        for (std::size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1))
            set.keys.try_emplace(path.substr(0, at));
    return set;
}

class HivexRoundTrip : public testing::TestWithParam<std::uint32_t> {};

TEST_P(HivexRoundTrip, ReadsBackWhatItWrote)
{
    TempDir dir;
    const std::string path = dir.write("hive", regf_checks::minimal_hive(GetParam()));
    std::string error;
    ASSERT_TRUE(regf_checks::hivex_write(path, sample_set(), &error)) << error;
    const auto tree = regf_checks::hivex_read(path, &error);
    ASSERT_TRUE(tree) << error;
    EXPECT_EQ(*tree, with_parents(sample_set()));
}

TEST_P(HivexRoundTrip, ReplacesAKeysValues)
{
    TempDir dir;
    const std::string path = dir.write("hive", regf_checks::minimal_hive(GetParam()));
    std::string error;
    ASSERT_TRUE(regf_checks::hivex_write(path, sample_set(), &error)) << error;
    OracleTree change;
    change.keys["software"] = {{"Other", {4, {9, 0, 0, 0}}}}; // found without regard to case
    ASSERT_TRUE(regf_checks::hivex_write(path, change, &error)) << error;

    OracleTree expected = with_parents(sample_set());
    expected.keys["Software"] = change.keys["software"];
    const auto tree = regf_checks::hivex_read(path, &error);
    ASSERT_TRUE(tree) << error;
    EXPECT_EQ(*tree, expected);
}

INSTANTIATE_TEST_SUITE_P(Versions, HivexRoundTrip, testing::Values(3u, 5u),
                         [](const auto& p) { return "v1_" + std::to_string(p.param); });

// hivex's writer is not what the validator is for, and its output is only required to read back (above). But it
// makes the mistakes the validator exists to catch in our own writer, so each is a real-world check of the
// validator: it appends on every change and never reuses space, writes lh leaves into 1.3 hives, keeps big values
// in one cell in 1.5 hives, and hashes Latin-1 names without Windows' upper-casing.
struct HivexFault {
    std::string name;
    std::uint32_t minor;
    std::vector<OracleTree> writes;
    std::string rule;
    friend void PrintTo(const HivexFault& f, std::ostream* out) { *out << f.name; }
};

OracleTree one_key(const std::string& path, std::map<std::string, OracleValue> values = {})
{
    OracleTree t;
    t.keys[path] = std::move(values);
    return t;
}

class HivexOutput : public testing::TestWithParam<HivexFault> {};

TEST_P(HivexOutput, ValidatorReportsTheWritersFault)
{
    const HivexFault& f = GetParam();
    TempDir dir;
    const std::string path = dir.write("hive", regf_checks::minimal_hive(f.minor));
    std::string error;
    for (const auto& w : f.writes)
        ASSERT_TRUE(regf_checks::hivex_write(path, w, &error)) << error;
    ASSERT_TRUE(regf_checks::hivex_read(path, &error)) << error;

    const auto problems = regf_checks::check(TempDir::read(path));
    std::string all;
    for (const auto& p : problems)
        all += "  " + regf_checks::to_string(p) + "\n";
    EXPECT_TRUE(std::any_of(problems.begin(), problems.end(), [&](const auto& p) { return p.rule == f.rule; }))
        << "expected \"" << f.rule << "\" among:\n" << all;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, HivexOutput,
    testing::Values(
        HivexFault{"space_never_reused", 5,
                   {one_key("Software", {{"Dword", {4, {1, 0, 0, 0}}}}), one_key("Software", {{"Dword", {4, {2, 0, 0, 0}}}})},
                   "free-cell"},
        HivexFault{"lh_leaf_in_1_3", 3, {one_key("Software")}, "leaf-kind"},
        HivexFault{"big_value_in_one_cell", 5, {one_key("Software", {{"Big", {3, pattern(20000)}}})}, "big-data"},
        HivexFault{"latin1_name_hashed_wrongly", 5, {one_key("\xC3\xBFx")}, "lh-hash"}),
    [](const auto& p) { return p.param.name; });

TEST(HivexRead, ReportsWhatIsNotAHive)
{
    TempDir dir;
    std::string error;
    EXPECT_FALSE(regf_checks::hivex_read(dir.write("junk", Bytes(8192, 0x41)), &error));
    EXPECT_FALSE(error.empty());

    error.clear();
    EXPECT_FALSE(regf_checks::hivex_read(dir.file("missing"), &error));
    EXPECT_NE(error.find("missing"), std::string::npos) << error;
}

TEST(HivexWrite, ReportsAMissingHive)
{
    TempDir dir;
    std::string error;
    EXPECT_FALSE(regf_checks::hivex_write(dir.file("missing"), sample_set(), &error));
    EXPECT_FALSE(error.empty());
}

} // namespace
