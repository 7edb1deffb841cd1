#include <gtest/gtest.h>

#include <cstdlib>

#include "game/random.h"

namespace {

TEST(Random, SeedOneGivesTheWindowsRuntimeSequence) {
    Random random;
    SeedRandom(random, 1);
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int value : expected) EXPECT_EQ(NextRandom(random), value);
}

TEST(Random, RandBelowScalesFifteenBits) {
    Random random;
    SeedRandom(random, 1);
    // 41, 18467, 6334, 26500 scaled to 7: 0, 3, 1, 5.
    EXPECT_EQ(rand_below(random, 7), 0);
    EXPECT_EQ(rand_below(random, 7), 3);
    EXPECT_EQ(rand_below(random, 7), 1);
    EXPECT_EQ(rand_below(random, 7), 5);
}

TEST(Random, RandBelowStaysInRange) {
    Random random;
    SeedRandom(random, 0xFFFFFFFFu);
    for (int i = 0; i < 100000; ++i) {
        const int n = 1 + i % 11;
        const int v = rand_below(random, n);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, n);
    }
}

#ifdef _WIN32
// The generator must replay what the Windows C runtime's rand() gives.
TEST(Random, EqualsTheRuntimeRandForSeveralSeeds) {
    for (unsigned seed : {0u, 1u, 2u, 42u, 1700000000u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        std::srand(seed);
        Random random;
        SeedRandom(random, seed);
        for (int i = 0; i < 1000; ++i) ASSERT_EQ(NextRandom(random), std::rand()) << "seed " << seed << " draw " << i;
    }
}
#endif

}  // namespace
