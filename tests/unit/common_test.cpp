// common_test.cpp -- RotatePoint and the shared random generator
#include <gtest/gtest.h>

#include <cmath>

#include "common/random.h"
#include "common/vec.h"

TEST(RandomGenerator, FirstValuesFromTheUnseededStateAndFromAWallClockSeed) {
    // Bits 16..30 of each new state: the values the Windows build draws too.
    const struct {
        uint32_t seed;
        int values[4];
    } cases[] = {{1u, {41, 18467, 6334, 26500}}, {1700000000u, {28462, 1027, 22663, 25444}}};
    for (const auto &c : cases) {
        SeedRandom(c.seed);
        for (int value : c.values) EXPECT_EQ(Random(), value) << c.seed;
    }
}

TEST(RotatePoint, TurnsCounterClockwiseAboutXThenYThenZAndSkipsZeroAngles) {
    const struct {
        Vec3 from;
        float ax, ay, az;
        Vec3 to;
    } cases[] = {
        {{0, 1, 1}, 90, 0, 0, {0, -1, 1}},  // about x: y goes to z, z to -y
        {{1, 0, 1}, 0, 90, 0, {1, 0, -1}},  // about y: z goes to x, x to -z
        {{1, 1, 0}, 0, 0, 90, {-1, 1, 0}},  // about z: x goes to y, y to -x
        {{0, 1, 0}, 90, 90, 0, {1, 0, 0}},  // x first: (0,1,0) -> (0,0,1), then y: -> (1,0,0)
        {{0, 1, 0}, 0, 90, 90, {-1, 0, 0}},  // y leaves it, then z: -> (-1,0,0)
    };
    for (const auto &c : cases) {
        Vec3 p = c.from;
        RotatePoint(p, c.ax, c.ay, c.az);
        EXPECT_LT(std::fabs(p.x - c.to.x) + std::fabs(p.y - c.to.y) + std::fabs(p.z - c.to.z), 3e-6)
            << c.ax << " " << c.ay << " " << c.az;
    }
    Vec3 p{0.1f, -3.7f, 1e-30f};
    RotatePoint(p, 0, 0, 0);  // no rotation at all: bit for bit
    EXPECT_TRUE(p.x == 0.1f && p.y == -3.7f && p.z == 1e-30f);
}
