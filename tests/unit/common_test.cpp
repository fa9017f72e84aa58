// common_test.cpp -- RotatePoint and the shared random generator
#include <gtest/gtest.h>

#include "common/random.h"
#include "common/vec.h"

TEST(RandomGenerator, FirstValuesFromUnseededStateOne) {
    SeedRandom(1);
    // state 1 -> 2745024 -> ...: results are bits 16..30 of each new state
    EXPECT_EQ(Random(), 41);
    EXPECT_EQ(Random(), 18467);
    EXPECT_EQ(Random(), 6334);
    EXPECT_EQ(Random(), 26500);
}

TEST(RandomGenerator, GivenSeedFollowsTheRule) {
    SeedRandom(1700000000u);
    uint32_t state = 1700000000u;
    for (int i = 0; i < 1000; ++i) {
        state = state * 214013u + 2531011u;
        const int expected = static_cast<int>((state >> 16) & 0x7FFF);
        const int value = Random();
        ASSERT_EQ(value, expected);
        ASSERT_GE(value, 0);
        ASSERT_LE(value, RANDOM_MAX);
    }
}

TEST(RotatePoint, EachAxisTurnsCounterClockwise) {
    Vec3 p{0, 1, 0};
    RotatePoint(p, 90, 0, 0);  // about x: y goes to z
    EXPECT_NEAR(p.x, 0, 1e-6);
    EXPECT_NEAR(p.y, 0, 1e-6);
    EXPECT_NEAR(p.z, 1, 1e-6);

    Vec3 q{0, 0, 1};
    RotatePoint(q, 0, 90, 0);  // about y: z goes to x
    EXPECT_NEAR(q.x, 1, 1e-6);
    EXPECT_NEAR(q.z, 0, 1e-6);

    Vec3 r{1, 0, 0};
    RotatePoint(r, 0, 0, 90);  // about z: x goes to y
    EXPECT_NEAR(r.x, 0, 1e-6);
    EXPECT_NEAR(r.y, 1, 1e-6);
}

TEST(RotatePoint, StepsApplyInOrderXThenYThenZ) {
    Vec3 p{0, 1, 0};
    RotatePoint(p, 90, 90, 0);  // x: (0,1,0)->(0,0,1); y: (0,0,1)->(1,0,0)
    EXPECT_NEAR(p.x, 1, 1e-6);
    EXPECT_NEAR(p.y, 0, 1e-6);
    EXPECT_NEAR(p.z, 0, 1e-6);
}

TEST(RotatePoint, ZeroAnglesLeaveThePointBitForBit) {
    Vec3 p{0.1f, -3.7f, 1e-30f};
    RotatePoint(p, 0, 0, 0);
    EXPECT_EQ(p.x, 0.1f);
    EXPECT_EQ(p.y, -3.7f);
    EXPECT_EQ(p.z, 1e-30f);
    // a full turn is not skipped: it only comes back approximately
    Vec3 q{1, 2, 3};
    RotatePoint(q, 360, 0, 0);
    EXPECT_NEAR(q.y, 2, 1e-5);
}
