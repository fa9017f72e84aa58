// torches_test.cpp -- flame motion and respawn, flicker bounds and the two lighting set-ups
#include <gtest/gtest.h>

#include <cmath>

#include "common/gl.h"
#include "common/random.h"
#include "host/game_clock.h"
#include "render/torches.h"
#include "settings/settings_store.h"
#include "tests/support/gl_state_contract.h"
#include "tests/support/scene_harness.h"

namespace {

class Torches : public ::testing::Test {
protected:
    void SetUp() override {
        TestSceneOptions options;
        options.width = 64;
        options.height = 48;
        options.lightingFx = 1;
        ASSERT_TRUE(OpenTestScene(options));
        dt = 0.02f;
    }
    void TearDown() override { CloseTestScene(); }
};

// Parity of the next draw, without consuming it.
bool NextDrawIsOdd() {
    const uint32_t state = RandomState();
    const bool odd = Random() & 1;
    SeedRandom(state);
    return odd;
}

}  // namespace

TEST(Flames, SpawnDrawsRiseThenSideThenFadeWithinTheirRanges) {
    for (uint32_t seed : {1u, 77u, 123456u, 0xFFFFFFFFu}) {
        SeedRandom(seed);
        const int rise = Random(), side = Random(), fade = Random();
        SeedRandom(seed);
        FlameParticle flame;
        ResetFlame(flame);
        flame.position = Vec3{0.3f, 0.2f, 0.1f};
        SpawnFlame(flame);
        EXPECT_FLOAT_EQ(flame.velocity.y, (rise % 300) * 0.001f + 0.1f);
        EXPECT_FLOAT_EQ(flame.velocity.x, (side % 500 - 250) * 0.001f);
        EXPECT_FLOAT_EQ(flame.fadeRate, static_cast<float>(fade % 80 + 50));
        EXPECT_EQ(flame.velocity.z, 0.0f);
        EXPECT_FLOAT_EQ(flame.sway.x, -2.0f * flame.velocity.x);
        EXPECT_EQ(flame.position.x, 0.0f);
        EXPECT_EQ(flame.position.y, 0.0f);
        EXPECT_TRUE(flame.active);
        EXPECT_EQ(flame.life, 100.0f);
        EXPECT_GE(flame.velocity.y, 0.1f);
        EXPECT_LE(flame.velocity.y, 0.3995f);
        EXPECT_GE(flame.velocity.x, -0.25f);
        EXPECT_LE(flame.velocity.x, 0.2495f);
    }
}

TEST(Flames, SwayTurnsBackOnlyAfterCrossingTheAxis) {
    dt = 0.1f;
    FlameParticle flame;
    ResetFlame(flame);
    flame.active = 1;
    flame.velocity = Vec3{0.2f, 0.3f, 0.0f};
    flame.sway = Vec3{-0.4f, 0.0f, 0.0f};
    flame.position = Vec3{0.0f, 0.5f, 0.0f};  // exactly on the axis: sway kept
    UpdateFlame(flame);
    EXPECT_FLOAT_EQ(flame.sway.x, -0.4f);
    EXPECT_FLOAT_EQ(flame.velocity.x, 0.2f - 0.04f);
    EXPECT_FLOAT_EQ(flame.position.x, 0.1f * 0.16f);  // moved with the new speed
    EXPECT_FLOAT_EQ(flame.position.y, 0.5f + 0.03f);

    flame.position.x = 0.1f;  // right of the axis, pulled left: kept
    UpdateFlame(flame);
    EXPECT_FLOAT_EQ(flame.sway.x, -0.4f);
    flame.sway.x = 0.4f;  // right of the axis, pushed further right: turned
    flame.velocity.x = 0.05f;
    UpdateFlame(flame);
    EXPECT_FLOAT_EQ(flame.sway.x, -0.05f);
    flame.position.x = -0.1f;  // left, pushed further left: turned
    flame.sway.x = -0.3f;
    flame.velocity.x = -0.2f;
    UpdateFlame(flame);
    EXPECT_FLOAT_EQ(flame.sway.x, 0.2f);
}

TEST_F(Torches, ConstructionLeavesLiveFlamesAndStartsEveryUpdateByDimming) {
    for (uint32_t seed : {1u, 2u, 99u}) {
        ConstructTorches();
        for (const Torch &torch : torches) {
            EXPECT_EQ(torch.flicker, 1.5f);
            for (const FlameParticle &flame : torch.flames) {
                EXPECT_TRUE(flame.active);
                EXPECT_EQ(flame.life, 100.0f);
            }
        }
        SeedRandom(seed);
        for (Torch &torch : torches) {
            UpdateTorch(torch);
            EXPECT_FLOAT_EQ(torch.flicker, 1.5f - 5.0f * dt) << "seed " << seed;
        }
    }
}

TEST_F(Torches, FlickerBoundsAreStrictAndOverrideTheDraw) {
    Torch &torch = torches[3];
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        SeedRandom(seed);
        for (float start : {0.25f, 1.25f, 0.7f}) {
            torch.flicker = start;
            const float expected = start + dt * (NextDrawIsOdd() ? -5.0f : 5.0f);
            UpdateTorch(torch);
            EXPECT_FLOAT_EQ(torch.flicker, expected) << "at " << start;
        }
        torch.flicker = 0.2499f;
        UpdateTorch(torch);
        EXPECT_FLOAT_EQ(torch.flicker, 0.2499f + 5.0f * dt);
        torch.flicker = 1.2501f;
        UpdateTorch(torch);
        EXPECT_FLOAT_EQ(torch.flicker, 1.2501f - 5.0f * dt);
    }
}

TEST(TorchLights, SetUpGivesEveryLightItsReachBeforeTheFirstFrame) {
    ConstructTorches();
    TestSceneOptions options;
    options.width = 64;
    options.height = 48;
    options.lightingFx = 1;
    ASSERT_TRUE(OpenTestScene(options));
    for (int light = 0; light < 8; ++light) {
        GLfloat linear = 0, quadratic = 0;
        glGetLightfv(GL_LIGHT0 + light, GL_LINEAR_ATTENUATION, &linear);
        glGetLightfv(GL_LIGHT0 + light, GL_QUADRATIC_ATTENUATION, &quadratic);
        EXPECT_FLOAT_EQ(linear, 1.0f / 3.0f) << light;
        EXPECT_FLOAT_EQ(quadratic, 1.0f / 4.5f) << light;
    }
    CloseTestScene();
}

TEST_F(Torches, LightFollowsTheTorchWithReachFromTheFlicker) {
    Torch &torch = torches[2];
    glPushMatrix();
    glTranslatef(1.0f, 2.0f, -20.0f);  // a camera
    torch.flicker = 0.8f;
    UpdateTorch(torch);
    glPopMatrix();
    GLfloat position[4], linear = 0, quadratic = 0, constant = 0;
    glGetLightfv(GL_LIGHT2, GL_POSITION, position);  // stored in eye coordinates
    EXPECT_FLOAT_EQ(position[0], -6.0f + 1.0f);
    EXPECT_FLOAT_EQ(position[1], 4.0f + 2.0f);
    EXPECT_FLOAT_EQ(position[2], -1.0f - 20.0f);
    EXPECT_FLOAT_EQ(position[3], 1.0f);
    glGetLightfv(GL_LIGHT2, GL_CONSTANT_ATTENUATION, &constant);
    glGetLightfv(GL_LIGHT2, GL_LINEAR_ATTENUATION, &linear);
    glGetLightfv(GL_LIGHT2, GL_QUADRATIC_ATTENUATION, &quadratic);
    EXPECT_FLOAT_EQ(constant, 1.0f);
    EXPECT_FLOAT_EQ(linear, 1.0f / (2.0f * torch.flicker));
    EXPECT_FLOAT_EQ(quadratic, 1.0f / (2.0f * torch.flicker * torch.flicker));
    for (int light = 0; light < 8; ++light) EXPECT_TRUE(glIsEnabled(GL_LIGHT0 + light)) << light;
    EXPECT_TRUE(GlStateContractHolds());
}

TEST_F(Torches, ALongFrameNeverDrivesTheReachToZeroOrBelow) {
    Torch &torch = torches[0];
    for (uint32_t seed = 1; seed <= 4; ++seed) {
        SeedRandom(seed);
        torch.flicker = 0.3f;
        dt = 0.25f;  // a stalled frame: one step of 1.25
        const bool dims = NextDrawIsOdd();
        UpdateTorch(torch);
        EXPECT_GT(torch.flicker, 0.0f);
        EXPECT_FLOAT_EQ(torch.flicker, dims ? FLICKER_FLOOR : 1.55f);
        GLfloat linear = 0, quadratic = 0;
        glGetLightfv(torch.lightId, GL_LINEAR_ATTENUATION, &linear);
        glGetLightfv(torch.lightId, GL_QUADRATIC_ATTENUATION, &quadratic);
        EXPECT_TRUE(std::isfinite(linear) && linear > 0.0f);
        EXPECT_TRUE(std::isfinite(quadratic) && quadratic > 0.0f);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        // and it climbs back from there
        dt = 0.02f;
        UpdateTorch(torch);
        if (dims) {
            EXPECT_FLOAT_EQ(torch.flicker, FLICKER_FLOOR + 0.1f);
        }
    }
}

TEST_F(Torches, ADyingFlameIsDrawnOnceMoreThenRespawned) {
    Torch &torch = torches[5];
    FlameParticle &flame = torch.flames[2];
    flame.life = 1.0f;
    flame.fadeRate = 100.0f;
    UpdateTorch(torch);
    EXPECT_FALSE(flame.active);
    EXPECT_LT(flame.life, 0.0f);
    DrawTorch(torch);  // invisible this once, and the state is restored
    EXPECT_TRUE(GlStateContractHolds()) << "after DrawTorch";
    UpdateTorch(torch);
    EXPECT_TRUE(flame.active);
    EXPECT_EQ(flame.life, 100.0f);
}

TEST(FixedLight, WithoutLightingFxNoTorchLightsAndTheFlickerRests) {
    TestSceneOptions options;
    options.width = 64;
    options.height = 48;
    options.lightingFx = 0;
    ConstructTorches();
    ASSERT_TRUE(OpenTestScene(options));
    for (int light = 1; light < 8; ++light) EXPECT_FALSE(glIsEnabled(GL_LIGHT0 + light)) << light;
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));  // the one fixed light above the viewer
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    GLfloat position[4];
    glGetLightfv(GL_LIGHT0, GL_POSITION, position);
    EXPECT_FLOAT_EQ(position[0], 0.0f);
    EXPECT_FLOAT_EQ(position[1], 25.0f);
    EXPECT_FLOAT_EQ(position[2], 5.0f);
    for (int frame = 1; frame <= 20; ++frame) RenderTestFrame(frame * 0.05f, 0.05f);
    for (const Torch &torch : torches) EXPECT_EQ(torch.flicker, 1.5f);
    for (int light = 1; light < 8; ++light) EXPECT_FALSE(glIsEnabled(GL_LIGHT0 + light)) << light;
    glGetLightfv(GL_LIGHT0, GL_POSITION, position);
    EXPECT_FLOAT_EQ(position[1], 25.0f) << "the fixed light is never moved";
    EXPECT_TRUE(GlStateContractHolds());
    CloseTestScene();
}
