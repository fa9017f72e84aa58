// torches_test.cpp -- flame spawn, sway and respawn, flicker bounds and rhythm, the two lighting set-ups
#include <gtest/gtest.h>

#include <algorithm>

#include "common/frame_input.h"
#include "common/gl.h"
#include "common/random.h"
#include "render/torches.h"
#include "tests/support/scene_harness.h"

namespace {

class Torches : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(OpenTestScene(TestSceneOptions{64, 48, 1, -1, 1}));
        frameInput.dt = 0.02f;
    }
    void TearDown() override { CloseTestScene(); }
};

bool NextDrawIsOdd() {  // without consuming it
    const uint32_t state = RandomState();
    const bool odd = Random() & 1;
    SeedRandom(state);
    return odd;
}

float Attenuation(const Torch &torch, GLenum which) {
    GLfloat value = 0.0f;
    glGetLightfv(torch.lightId, which, &value);
    return value;
}

}  // namespace

TEST(Flames, SpawnDrawsRiseThenSideThenFadeAndSwayTurnsOnlyPastTheAxis) {
    SeedRandom(77);
    const int rise = Random(), side = Random(), fade = Random();
    SeedRandom(77);
    FlameParticle flame;
    ResetFlame(flame);
    SpawnFlame(flame);
    EXPECT_FLOAT_EQ(flame.velocity.y, (rise % 300) * 0.001f + 0.1f);
    EXPECT_FLOAT_EQ(flame.velocity.x, (side % 500 - 250) * 0.001f);
    EXPECT_FLOAT_EQ(flame.fadeRate, static_cast<float>(fade % 80 + 50));
    EXPECT_FLOAT_EQ(flame.sway.x, -2.0f * flame.velocity.x);
    EXPECT_TRUE(flame.active);

    frameInput.dt = 0.1f;
    flame.velocity = Vec3{0.2f, 0.3f, 0.0f};
    flame.sway.x = -0.4f;
    flame.position = Vec3{0.0f, 0.5f, 0.0f};  // exactly on the axis: kept
    UpdateFlame(flame);
    EXPECT_FLOAT_EQ(flame.sway.x, -0.4f);
    EXPECT_FLOAT_EQ(flame.position.x, 0.1f * 0.16f);  // moved with the new speed
    flame.sway.x = 0.4f;  // right of the axis and pushed further right: turned
    flame.velocity.x = 0.05f;
    UpdateFlame(flame);
    EXPECT_FLOAT_EQ(flame.sway.x, -0.05f);
}

TEST_F(Torches, LitBeforeTheFirstFrameWhichDimsThemAndTheFlickerBoundsAreStrict) {
    for (Torch &torch : torches) {  // reach given before the first frame draws the tower
        EXPECT_FLOAT_EQ(Attenuation(torch, GL_LINEAR_ATTENUATION), 1.0f / 3.0f);
        EXPECT_TRUE(glIsEnabled(torch.lightId));
        UpdateTorch(torch);
        EXPECT_FLOAT_EQ(torch.flicker, 1.5f - 5.0f * frameInput.dt);
    }
    Torch &torch = torches[3];
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        SeedRandom(seed);
        // On a bound the draw decides; just past one the flicker turns back.
        for (float start : {0.25f, 1.25f, 0.2499f, 1.2501f}) {
            torch.flicker = start;
            torch.flickerWait = 0.0f;  // a turn is due
            const float speed = start == 0.2499f ? 5.0f : start == 1.2501f ? -5.0f : NextDrawIsOdd() ? -5.0f : 5.0f;
            UpdateTorch(torch);
            EXPECT_FLOAT_EQ(torch.flicker, start + frameInput.dt * speed) << start;
        }
    }
}

TEST_F(Torches, LightStaysOnTheTorchAndALongFrameNeverZeroesItsReach) {
    Torch &torch = torches[2];
    glPushMatrix();
    glTranslatef(1.0f, 2.0f, -20.0f);  // a camera
    torch.flicker = 0.8f;
    UpdateTorch(torch);
    glPopMatrix();
    GLfloat position[4];
    glGetLightfv(torch.lightId, GL_POSITION, position);  // kept in eye coordinates
    const float expected[3] = {-5.0f, 6.0f, -21.0f};
    for (int i = 0; i < 3; ++i) EXPECT_FLOAT_EQ(position[i], expected[i]) << i;
    EXPECT_FLOAT_EQ(Attenuation(torch, GL_LINEAR_ATTENUATION), 1.0f / (2.0f * torch.flicker));
    for (uint32_t seed = 1; seed <= 4; ++seed) {  // a stalled frame turns the flicker at its usual rhythm
        SeedRandom(seed);
        torch.flicker = 0.3f;
        frameInput.dt = 1.0f;
        UpdateTorch(torch);
        EXPECT_GE(torch.flicker, FLICKER_LOW - 5.0f / 30.0f) << seed;
        // GL keeps the old value when given a negative one
        EXPECT_FLOAT_EQ(Attenuation(torch, GL_LINEAR_ATTENUATION), 1.0f / (2.0f * torch.flicker)) << seed;
    }
}

// The light's reach swings as far within a second at 120 frames a second as at
// 30; a new direction every frame would make it swing about a third less.
TEST_F(Torches, FlickerSwingsAsFarAtAnyFrameRate) {
    double range[2] = {};
    for (int rate : {30, 120}) {
        frameInput.dt = 1.0f / static_cast<float>(rate);
        for (int second = 0; second < 200; ++second) {
            float low = 1e9f, high = 0.0f;
            for (int frame = 0; frame < rate; ++frame) {
                UpdateTorch(torches[0]);
                const float reach = 1.0f / (2.0f * Attenuation(torches[0], GL_LINEAR_ATTENUATION));
                low = std::min(low, reach), high = std::max(high, reach);
            }
            range[rate == 120] += second > 0 ? high - low : 0.0f;  // the first second starts above the band
        }
    }
    EXPECT_NEAR(range[1] / range[0], 1.0, 0.1) << "mean range " << range[0] / 199 << " at 30 fps";
}

TEST(TorchLights, WithoutTheLightingEffectOnlyTheFixedLightShines) {
    ASSERT_TRUE(OpenTestScene(TestSceneOptions{64, 48, 1, -1, 0}));
    for (int frame = 1; frame <= 10; ++frame) RenderTestFrame(frame * 0.05f, 0.05f);
    for (int light = 1; light < 8; ++light) EXPECT_FALSE(glIsEnabled(GL_LIGHT0 + light)) << light;
    for (const Torch &torch : torches) EXPECT_EQ(torch.flicker, 1.5f);
    GLfloat position[4];
    glGetLightfv(GL_LIGHT0, GL_POSITION, position);  // above and behind the eye, never moved
    EXPECT_FLOAT_EQ(position[1], 25.0f);
    EXPECT_FLOAT_EQ(position[2], 5.0f);
    CloseTestScene();
}
