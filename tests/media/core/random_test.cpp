#include "media/core/random.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

// Expected values were worked out by hand (and checked in a calculator) from the generator:
// state := state x 48271 mod (2^31 - 1); r = ((s1 & 0x1FFFFFFC) + (s2 & 0x1FFFFFF8) / 2^27) / 2^29.
TEST(Random, FirstRealFromTheDefaultStateMatchesTheHandComputedValue)
{
    // From 0x1234 the steps are 224942860 and 539475828.
    SeedRandom(0);
    EXPECT_DOUBLE_EQ(RandomReal(0, 1), 0.4189887270692887);
    SeedRandom(0x7FFFFFFF);
    EXPECT_DOUBLE_EQ(RandomReal(1, 0), 0.4189887270692887);
    SeedRandom(0x1234);
    EXPECT_DOUBLE_EQ(RandomReal(0, 1), 0.4189887270692887);
}

TEST(Random, SeededSequencesAreFixed)
{
    SeedRandom(42);
    EXPECT_DOUBLE_EQ(RandomReal(2, -2), -1.9848948334022927);
    SeedRandom(42);
    const int expected[] = {1, 1, 4, 4, 2};
    for (int value : expected)
        EXPECT_EQ(RandomInt(1, 6), value);
}

TEST(Random, ItsStateSeedsTheSequenceOnFromWhereItWas)
{
    SeedRandom(42);
    RandomReal(0, 1);
    const int state = RandomState();
    std::vector<double> next;
    for (int i = 0; i < 5; ++i)
        next.push_back(RandomReal(0, 1));
    SeedRandom(state);
    for (const double value : next)
        EXPECT_DOUBLE_EQ(RandomReal(0, 1), value);
}

TEST(Random, SeedKeepsOnly31Bits)
{
    SeedRandom(static_cast<int>(0x80001234u));
    const double a = RandomReal(0, 1);
    SeedRandom(0x1234);
    EXPECT_DOUBLE_EQ(RandomReal(0, 1), a);
}

TEST(Random, RangesAreInclusiveForIntegersAndHalfOpenForReals)
{
    SeedRandom(7);
    std::set<int> seen;
    for (int i = 0; i < 1000; ++i) {
        const int n = RandomInt(3, 1);
        ASSERT_GE(n, 1);
        ASSERT_LE(n, 3);
        seen.insert(n);
        EXPECT_EQ(RandomInt(5, 5), 5);
        const double r = RandomReal(2, -2);
        ASSERT_GE(r, -2.0);
        ASSERT_LT(r, 2.0);
    }
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_EQ(RandomReal(-2, -2), -2.0);
}
