// particle_field_test.cpp -- where sparks respawn, how their glow runs, and their start-up spread
#include <gtest/gtest.h>

#include <set>

#include "assets/particle_field.h"
#include "assets/slide_show.h"
#include "common/frame_input.h"
#include "common/random.h"
#include "tests/support/screens_fixture.h"

namespace {

class ParticleFieldTest : public ::testing::Test {
protected:
    void SetUp() override {
        slideShow.active = 0;
        slideShow.lastPointIndex = -1;
        frameInput.dt = 0.02f;
    }
};

void ExpectRandomPlaceAndFreshLife(const Particle &spark) {
    EXPECT_NEAR(spark.y, -0.02f, 19.98f + 1e-4f);
    EXPECT_NEAR(spark.x, -0.025f, 27.755f + 1e-4f);
    EXPECT_EQ(spark.glow, 0.0f);
    EXPECT_NEAR(spark.speed, 0.109f, 0.099f + 1e-6f);
    EXPECT_NEAR(spark.accel, 0.745f, 0.495f + 1e-6f);
}

TEST_F(ParticleFieldTest, WithoutAStillEveryRespawnIsRandomWithinTheRanges) {
    SeedRandom(12345);
    std::set<int> columns;
    for (int i = 0; i < 2000; ++i) {
        Particle spark{};
        spark.index = i % PARTICLE_COUNT;
        SpawnParticle(spark);
        ExpectRandomPlaceAndFreshLife(spark);
        columns.insert(static_cast<int>(spark.x));
    }
    EXPECT_GT(columns.size(), 40u);  // spread over the whole width, not one place
}

TEST_F(ParticleFieldTest, SparksNumberedWithinThePointMapTakeTheirPoints) {
    const int n = 37;
    slideShow.active = 1;
    slideShow.lastPointIndex = n - 1;
    for (int i = 0; i < n; ++i) slideShow.points[i] = SlidePoint{float(i) - 18.0f, float(2 * i) - 40.0f};
    for (int i = 0; i < PARTICLE_COUNT; ++i) {
        Particle spark{};
        spark.index = i;
        SpawnParticle(spark);
        if (i < n) {
            EXPECT_FLOAT_EQ(spark.x, slideShow.points[i].x * 0.1f) << i;
            EXPECT_FLOAT_EQ(spark.y, slideShow.points[i].y * -0.1f) << i;  // map y runs down
            EXPECT_EQ(spark.glow, 0.0f);
        } else {
            ExpectRandomPlaceAndFreshLife(spark);
        }
    }
    // Once the still has ended, or when its map has no points, spark 0 goes to a random place.
    for (int lastPoint : {n - 1, -1}) {
        slideShow.active = lastPoint < 0;
        slideShow.lastPointIndex = lastPoint;
        slideShow.points[0] = SlidePoint{999.0f, 999.0f};
        Particle spark{};
        SpawnParticle(spark);
        ExpectRandomPlaceAndFreshLife(spark);
    }
}

TEST_F(ParticleFieldTest, OnlyAGlowAboveOneTurnsTheSparkToFading) {
    Particle spark{1.0f, 2.0f, 1.0f, 0.1f, 0.5f, 3};
    StepParticle(spark);
    EXPECT_EQ(spark.accel, 0.5f);  // exactly 1.0 is not above 1.0
    EXPECT_FLOAT_EQ(spark.speed, 0.1f + 0.02f * 0.5f);
    EXPECT_FLOAT_EQ(spark.glow, 1.0f + 0.02f * spark.speed);

    Particle bright{1.0f, 2.0f, 1.0001f, 0.1f, 0.5f, 3};
    StepParticle(bright);
    EXPECT_EQ(bright.accel, -1.0f);
    // The speed of this frame still used the old acceleration.
    EXPECT_FLOAT_EQ(bright.speed, 0.1f + 0.02f * 0.5f);
}

TEST_F(ParticleFieldTest, AGlowReachingExactlyZeroRespawnsInTheSameFrame) {
    frameInput.dt = 0.5f;
    Particle spark{7.0f, 7.0f, 0.5f, -1.0f, 0.0f, 9};
    StepParticle(spark);
    EXPECT_EQ(spark.glow, 0.0f);
    EXPECT_GT(spark.speed, 0.0f);  // a fresh life
    EXPECT_GT(spark.accel, 0.0f);

    Particle alive{7.0f, 7.0f, 0.6f, -1.0f, 0.0f, 9};
    StepParticle(alive);
    EXPECT_EQ(alive.x, 7.0f);  // glow 0.1 left: same place, same life
    EXPECT_EQ(alive.speed, -1.0f);
}

TEST_F(ParticleFieldTest, ConstructionStaggersTheGlowsAndNumbersTheSparks) {
    ConstructParticleField();
    std::set<int> glows;
    for (int i = 0; i < PARTICLE_COUNT; ++i) {
        EXPECT_EQ(particleField[i].index, i);
        EXPECT_GE(particleField[i].glow, 0.0f);
        EXPECT_LE(particleField[i].glow, 0.99f + 1e-6f);
        glows.insert(static_cast<int>(particleField[i].glow * 100.0f + 0.5f));
    }
    EXPECT_GT(glows.size(), 50u);
}

}  // namespace
