// Our hives against the strict validator and against hivex, an independent reader and writer: every hive we
// write must be valid and read by hivex as the same keys and values; what hivex writes we must read the same.

#include "hive_bytes.h"
#include "platform/hive/access.h"
#include "platform/hive/hive.h"
#include "platform/hive/names.h"
#include "testsupport/regf/regf_checks.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <functional>

namespace {

using hive::Hive;
using hive::Key;
using hive_test::joined;
using hive_test::pattern;
using regf_checks::OracleTree;
using regf_checks::OracleValue;

constexpr hive::FileTime kT1 = 0x01D5000000000000ull;

// A file in the test's temporary folder, removed when the test is done with it.
class TempFile {
public:
    TempFile()
    {
        static std::atomic<int> counter{0};
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(test->test_suite_name()) + "_" + test->name();
        for (char& c : name)
            if (c == '/')
                c = '_';
        path_ = testing::TempDir() + name + "_" + std::to_string(counter++) + ".hiv";
    }
    ~TempFile() { std::remove(path_.c_str()); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

void write_file(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void add_tree(const Key& key, const std::string& path, OracleTree& tree)
{
    auto& values = tree.keys[path];
    for (const hive::Value& v : key.values())
        values[hive::to_utf8(v.name)] = OracleValue{v.type, v.data};
    for (const auto& child : key.subkeys())
        add_tree(*child, (path.empty() ? "" : path + "\\") + hive::to_utf8(child->name()), tree);
}

OracleTree tree_of(const Hive& h)
{
    OracleTree tree;
    add_tree(h.root(), "", tree);
    return tree;
}

// Valid, and hivex reads the same content.
void expect_valid_and_read_by_hivex(const std::vector<std::uint8_t>& bytes, const OracleTree& expected)
{
    EXPECT_EQ(joined(regf_checks::validate(bytes)), "");
    const TempFile file;
    write_file(file.path(), bytes);
    std::string error;
    const auto read = regf_checks::hivex_read(file.path(), &error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(*read, expected);
}

struct Builder {
    const char* label;
    std::function<void(Hive&)> build;
};

const Builder kBuilders[] = {
    {"empty", [](Hive&) {}},
    {"values_of_every_size",
     [](Hive& h) {
         Key* k = h.root().add_subkey(u"Values");
         std::uint8_t seed = 1;
         for (std::size_t size : {0, 1, 3, 4, 5, 100, 4090, 16344, 16345, 40000, 70000})
             k->set_value(hive_test::numbered(u"size", size), 3, pattern(size, seed++));
         k->set_value(u"", 1, {'x', 0, 0, 0});
         k->set_value(u"Odd type", 0x12345678, pattern(7));
         k->set_value(u"\u0416\u00E9rt", 7, pattern(12));
         h.root().set_value(u"OnRoot", 4, {1, 2, 3, 4});
     }},
    {"tricky_names",
     [](Hive& h) {
         for (const char16_t* n : {u"_under", u"Zeta", u"alpha", u"\u00FF", u"\u041A\u043B\u044E\u0447",
                                   u"Stra\u00DFe", u"STRASSE", u"MixedCase", u"Run", u"RunOnce", u"a b c"})
             h.root().add_subkey(n)->add_subkey(u"Child")->set_value(u"v", 1, {});
     }},
    {"many_subkeys",
     [](Hive& h) {
         Key* k = h.root().add_subkey(u"Many");
         for (std::size_t i = 0; i < 2100; ++i)
             k->add_subkey(hive_test::numbered(u"Key", i * 37 % 5003));
     }},
    {"shared_security_and_class_names",
     [](Hive& h) {
         std::vector<std::uint8_t> other = *h.root().security();
         other.back() ^= 1;
         for (const char16_t* n : {u"A", u"B", u"C"}) {
             Key* k = h.root().add_subkey(n);
             hive::Access::security(*k) = std::make_shared<const std::vector<std::uint8_t>>(other);
             hive::Access::class_name(*k) = u"Class of " + std::u16string(n);
             k->add_subkey(u"Inherits");
         }
     }},
    {"deepest_tree",
     [](Hive& h) {
         Key* k = &h.root();
         while (Key* child = k->add_subkey(u"Level"))
             k = child;
         k->set_value(u"Bottom", 4, {1, 0, 0, 0});
     }},
};

void PrintTo(const Builder& b, std::ostream* os) { *os << b.label; }

class Oracle : public testing::TestWithParam<std::tuple<Builder, std::uint32_t>> {};

TEST_P(Oracle, WrittenHivesAreValidAndReadTheSameByHivex)
{
    const auto& [builder, minor] = GetParam();
    Hive h = Hive::create(minor, kT1);
    builder.build(h);
    const std::vector<std::uint8_t> bytes = h.serialize(kT1);
    expect_valid_and_read_by_hivex(bytes, tree_of(h));

    // And once more after reading it back and editing it.
    auto read = Hive::parse(bytes);
    ASSERT_TRUE(read);
    read->root().add_subkey(u"Added later")->set_value(u"v", 4, {9, 0, 0, 0});
    if (!read->root().subkeys().empty())
        read->root().remove_subkey(read->root().subkeys().front()->name());
    read->root().set_value(u"", 1, pattern(30));
    expect_valid_and_read_by_hivex(read->serialize(kT1 + 1), tree_of(*read));
}

INSTANTIATE_TEST_SUITE_P(Builders, Oracle, testing::Combine(testing::ValuesIn(kBuilders), testing::Values(3u, 5u)),
                         [](const auto& row) {
                             return std::string(std::get<0>(row.param).label) + "_v1_" +
                                    std::to_string(std::get<1>(row.param));
                         });

class HivexWrites : public testing::TestWithParam<std::uint32_t> {};

TEST_P(HivexWrites, WeReadWhatHivexWroteAndWriteItBackValid)
{
    Hive h = Hive::create(GetParam(), kT1);
    Key* software = h.root().add_subkey(u"Software");
    software->add_subkey(u"Existing")->set_value(u"Old", 4, {1, 0, 0, 0});
    software->set_value(u"Kept", 1, pattern(10));
    const TempFile file;
    const std::string& path = file.path();
    write_file(path, h.serialize(kT1));

    OracleTree set;
    set.keys["Software\\Existing"] = {{"New", {3, pattern(9)}}, {"Dword", {4, {4, 3, 2, 1}}}};
    set.keys["Software\\_under"] = {{"", {1, {'u', 0, 0, 0}}}};
    set.keys["Software\\Zeta\\Deeper"] = {{"Empty", {3, {}}}};
    set.keys["Software\\Big"] = {{"Blob", {3, pattern(20000)}}, {"Small", {4, {7, 0, 0, 0}}}};
    set.keys["Gr\xC3\xB6\xC3\x9F" "e"] = {{"Wert", {11, pattern(8)}}};
    std::string error;
    ASSERT_TRUE(regf_checks::hivex_write(path, set, &error)) << error;

    const auto expected = regf_checks::hivex_read(path, &error);
    ASSERT_TRUE(expected) << error;
    auto ours = Hive::parse(read_file(path), &error);
    ASSERT_TRUE(ours) << error;
    EXPECT_TRUE(ours->clean());
    EXPECT_EQ(tree_of(*ours), *expected);
    ASSERT_NE(ours->root().subkey(u"GR\u00D6\u00DFE"), nullptr);

    // hivex leaves its own layout (and its own sub-key order); ours is compact and in Windows' order again.
    ours->root().subkey(u"Software")->set_value(u"After", 4, {5, 0, 0, 0});
    const std::vector<std::uint8_t> rewritten = ours->serialize(kT1 + 1);
    expect_valid_and_read_by_hivex(rewritten, tree_of(*ours));
    EXPECT_LE(rewritten.size(), read_file(path).size());
}

INSTANTIATE_TEST_SUITE_P(Versions, HivexWrites, testing::Values(3u, 5u),
                         [](const auto& row) { return "v1_" + std::to_string(row.param); });

} // namespace
