// particle_field_test.cpp -- where sparks respawn, how their glow runs, and their colour
#include <gtest/gtest.h>

#include <cmath>

#include "assets/particle_field.h"
#include "assets/slide_show.h"
#include "common/frame_input.h"
#include "common/gl.h"
#include "common/random.h"
#include "tests/support/scene_harness.h"

namespace {

// A random place on the backdrop (20 units up and down, 27.8 across) and a fresh life.
bool AtARandomPlaceWithAFreshLife(const Particle &s) {
    return std::fabs(s.y) <= 20.0f && std::fabs(s.x) <= 27.8f && s.glow == 0.0f && s.speed > 0.0f && s.accel > 0.0f;
}

TEST(ParticleField, SparksNumberedWithinThePointMapTakeTheirPoints) {
    const int n = 37;
    slideShow.active = 1;
    slideShow.lastPointIndex = n - 1;
    for (int i = 0; i < n; ++i) slideShow.points[i] = SlidePoint{float(i) - 18.0f, float(2 * i) - 40.0f};
    for (int i = 0; i < PARTICLE_COUNT; ++i) {
        Particle spark{0.0f, 0.0f, 0.0f, 0.0f, 0.0f, i};
        SpawnParticle(spark);
        if (i < n)  // map y runs down
            EXPECT_TRUE(spark.x == slideShow.points[i].x * 0.1f && spark.y == slideShow.points[i].y * -0.1f) << i;
        else
            EXPECT_TRUE(AtARandomPlaceWithAFreshLife(spark)) << i;
    }
    // Once the still has ended, or when its map has no points, spark 0 goes to a random place.
    for (int lastPoint : {n - 1, -1}) {
        slideShow.active = lastPoint < 0;
        slideShow.lastPointIndex = lastPoint;
        slideShow.points[0] = SlidePoint{999.0f, 999.0f};
        Particle spark{};
        SpawnParticle(spark);
        EXPECT_TRUE(AtARandomPlaceWithAFreshLife(spark)) << lastPoint;
    }
}

TEST(ParticleField, OnlyAGlowAboveOneTurnsTheSparkToFading) {
    frameInput.dt = 0.02f;
    Particle spark{1.0f, 2.0f, 1.0f, 0.1f, 0.5f, 3};
    StepParticle(spark);
    EXPECT_EQ(spark.accel, 0.5f);  // exactly 1.0 is not above 1.0

    Particle bright{1.0f, 2.0f, 1.0001f, 0.1f, 0.5f, 3};
    StepParticle(bright);
    EXPECT_EQ(bright.accel, -1.0f);
    // The speed of this frame still used the old acceleration.
    EXPECT_FLOAT_EQ(bright.speed, 0.1f + 0.02f * 0.5f);
}

TEST(ParticleField, AGlowReachingExactlyZeroRespawnsInTheSameFrame) {
    frameInput.dt = 0.5f;
    Particle spark{7.0f, 7.0f, 0.5f, -1.0f, 0.0f, 9};
    StepParticle(spark);
    EXPECT_GT(spark.speed, 0.0f);  // a fresh life

    Particle alive{7.0f, 7.0f, 0.6f, -1.0f, 0.0f, 9};
    StepParticle(alive);
    EXPECT_EQ(alive.speed, -1.0f);  // glow 0.1 left: the same life
}

TEST(ParticleDrawing, ASparkGlowsBluishWhite) {
    ASSERT_TRUE(OpenTestScene(TestSceneOptions{64, 48, 1, -1, -1}));
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glTranslatef(0.0f, 0.0f, -1.0f);
    glScalef(4.0f, 4.0f, 1.0f);  // the sprite over the middle of the view
    const Particle spark{0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0};
    DrawParticles(&spark, 1);
    const uint8_t *middle = TestPixels() + (24 * 64 + 32) * 4;
    EXPECT_GT(middle[2], 100);
    EXPECT_NEAR(middle[0], 0.75 * middle[2], 3.0);
    EXPECT_NEAR(middle[1], 0.75 * middle[2], 3.0);
    CloseTestScene();
}

}  // namespace
