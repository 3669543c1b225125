// Hives of every shape the format allows: the validator must accept each, and hivex must read from it exactly
// the content it was built from. Guards the validator against false alarms and the builder against faults.
#include "sample_hives.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

namespace {

using namespace testhive;

struct Shape {
    std::string name;
    Key tree;
    Options options;
    friend void PrintTo(const Shape& s, std::ostream* out) { *out << s.name; }
};

Options with_minor(std::uint32_t minor, std::size_t leaf_limit = 0)
{
    Options o;
    o.minor = minor;
    o.leaf_limit = leaf_limit;
    return o;
}

// The sample tree uses two descriptors.
Options sample_options(std::uint32_t minor, std::size_t leaf_limit = 0)
{
    Options o = two_descriptors(minor);
    o.leaf_limit = leaf_limit;
    return o;
}

Key big_values()
{
    Key root{u"ROOT", {}, {}, {}, 0};
    root.values = {{u"Exact", 3, filled(16344)}, {u"OneMore", 3, filled(16345)}, {u"Large", 3, filled(40000)}};
    return root;
}

Key small_values()
{
    Key root{u"ROOT", {}, {}, {}, 0};
    root.values = {{u"", 1, utf16z(u"default")}, {u"None", 3, {}},         {u"One", 3, {9}},
                   {u"Four", 4, {1, 2, 3, 4}},   {u"Five", 3, {1, 2, 3, 4, 5}}, {u"Odd", 0x12345678, {7, 7, 7, 7, 7, 7}}};
    return root;
}

Key wide_names()
{
    Key root{u"ROOT", {}, {}, {}, 0};
    for (const char16_t* n : {u"apple", u"Zed", u"_under", u"\u00FFes", u"\u0416\u0443\u043A", u"ab\u0416", u"\u00E9t\u00E9"})
        root.subkeys.push_back(Key{n, {}, {}, {}, 0});
    root.values = {{u"\u0416", 1, utf16z(u"\u0416")}, {u"caf\u00E9", 3, {1}}};
    return root;
}

Key classes()
{
    Key root = sample_tree();
    root.class_name = u"RootClass";
    root.subkeys[3].class_name = u"LongerClassName";
    return root;
}

std::vector<Shape> shapes()
{
    return {
        {"v1_5_sample", sample_tree(), sample_options(5)},
        {"v1_6_sample", sample_tree(), sample_options(6)},
        {"v1_4_sample", sample_tree(), sample_options(4)},
        {"v1_3_sample", sample_tree(), sample_options(3)},
        {"v1_5_index_root", sample_tree(), sample_options(5, 2)},
        {"v1_3_index_root", sample_tree(), sample_options(3, 3)},
        {"v1_5_list_split_at_1012", many_subkeys(1013), with_minor(5)},
        {"v1_3_list_split_at_506", many_subkeys(507), with_minor(3)},
        {"v1_5_big_data_segments", big_values(), with_minor(5)},
        {"v1_4_big_data_segments", big_values(), with_minor(4)},
        {"v1_3_big_data_one_cell", big_values(), with_minor(3)},
        {"v1_5_small_values", small_values(), with_minor(5)},
        {"v1_5_wide_names", wide_names(), with_minor(5)},
        {"v1_3_wide_names", wide_names(), with_minor(3)},
        {"v1_5_class_names", classes(), sample_options(5)},
        {"v1_5_depth_512", chain(512), with_minor(5)},
    };
}

class BuiltHive : public testing::TestWithParam<Shape> {};

TEST_P(BuiltHive, ValidatesCleanAndHivexReadsItsContent)
{
    const Shape& s = GetParam();
    const auto built = build(s.tree, s.options);
    EXPECT_EQ(regf_checks::validate(built.bytes), std::vector<std::string>{});

    TempDir dir;
    std::string error;
    const auto tree = regf_checks::hivex_read(dir.write("hive", built.bytes), &error);
    ASSERT_TRUE(tree) << error;
    EXPECT_EQ(*tree, expected_content(s.tree));
}

INSTANTIATE_TEST_SUITE_P(Shapes, BuiltHive, testing::ValuesIn(shapes()),
                         [](const auto& p) { return p.param.name; });

} // namespace
