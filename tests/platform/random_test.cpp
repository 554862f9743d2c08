#include <gtest/gtest.h>

#include "platform/random.h"

using namespace platform;

// Worked by hand from seed * 1664525 + 1013904223 (mod 2^32), top 24 bits / 2^24:
// 1234 -> 3067928073 -> 0.7143077, then 889114580 -> 0.2070131.
TEST(Random, SequenceFromTheStartSeed) {
    SetSeed(StartSeed);
    EXPECT_NEAR(RandomFloat(), 0.7143077f, 1e-7);
    EXPECT_EQ(GetSeed(), 3067928073u);
    EXPECT_NEAR(RandomFloat(), 0.2070131f, 1e-7);
    EXPECT_EQ(GetSeed(), 889114580u);
    // Range 10: int of the draw is the index.
    EXPECT_EQ(RandomIndex(10), 7);
}

TEST(Random, EveryDrawAdvancesOnceEvenWhenUnused) {
    SetSeed(StartSeed);
    RandomIndex(0);
    EXPECT_EQ(GetSeed(), 3067928073u);
    RandomIndex(-5);
    EXPECT_EQ(GetSeed(), 889114580u);
    // Negative and wide seeds wrap to 32 bits.
    SetSeed(-1);
    EXPECT_EQ(GetSeed(), 0xFFFFFFFFu);
    SetSeed(0x100000005LL);
    EXPECT_EQ(GetSeed(), 5u);
    SetSeed(StartSeed);
}

TEST(Random, ValuesStayInsideTheRange) {
    SetSeed(42);
    for (int i = 0; i < 10000; ++i) {
        const float v = RandomFloat(3.0f);
        ASSERT_GE(v, 0.0f);
        ASSERT_LT(v, 3.0f);
        const int index = RandomIndex(7);
        ASSERT_GE(index, 0);
        ASSERT_LT(index, 7);
    }
    SetSeed(StartSeed);
}
