// The validator reads whatever bytes a faulty writer left: it must never read out of bounds or loop, and a
// damaged hive must never pass as clean.
#include "sample_hives.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace testhive;

TEST(ValidateRobustness, EveryTruncationIsReported)
{
    const auto bytes = build(sample_tree(), two_descriptors()).bytes;
    for (std::size_t size = 0; size < bytes.size(); size += 7) {
        const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + std::ptrdiff_t(size));
        EXPECT_FALSE(regf_checks::validate(cut).empty()) << "cut at " << size;
    }
}

TEST(ValidateRobustness, SurvivesRandomDamage)
{
    Options split = two_descriptors();
    split.leaf_limit = 2;
    Key big{u"ROOT", {}, {{u"Big", 3, filled(40000)}, {u"Small", 3, filled(6)}}, {}, 0};
    const std::vector<std::vector<std::uint8_t>> bases = {
        build(sample_tree(), two_descriptors()).bytes, build(sample_tree(), split).bytes, build(big).bytes};
    std::mt19937 rng(2002);
    for (int i = 0; i < 3000; ++i) {
        auto b = bases[std::size_t(i) % bases.size()];
        const int flips = 1 + int(rng() % 8);
        for (int k = 0; k < flips; ++k)
            b[4096 + rng() % (b.size() - 4096)] = std::uint8_t(rng());
        reseal(b);
        // Only that it returns; most flips land in data and are legal.
        (void)regf_checks::check(b);
    }
}

} // namespace
