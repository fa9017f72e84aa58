// frame_renderer_test.cpp -- the camera glide, the overview factor and the frame's message and state handling
#include <gtest/gtest.h>

#include "assets/flying_text.h"
#include "game/character.h"
#include "game/player.h"
#include "host/game_clock.h"
#include "render/frame_renderer.h"
#include "render/tower_geometry.h"
#include "tests/support/gl_state_contract.h"
#include "tests/support/scene_harness.h"

namespace {

// Stands the player's figure at a world position (model units are world / scale).
void PlacePlayer(CharacterRecord &record, float x, float y, float z) {
    playerController.character = &record;
    record.pivot[1] = Vec2{x / CHARACTER_SCALE, y / CHARACTER_SCALE};
    record.z = z / CHARACTER_SCALE;
}

class Camera : public ::testing::Test {
protected:
    CharacterRecord figure{};
    void SetUp() override {
        cameraPos = Vec3{0.0f, -5.0f, -19.25f};
        cameraVel = Vec2{0.0f, 0.0f};
        overviewFactor = 0.0f;
        overviewRate = 0.0f;
        dt = 1.0f / 30.0f;
    }
};

}  // namespace

TEST_F(Camera, OverviewAddsTenToTheDropForAnyFactorAboveZero) {
    const Vec3 player{2.0f, 6.0f, -1.5f};
    overviewFactor = 0.0f;
    const Vec3 play = CameraTarget(player);
    EXPECT_FLOAT_EQ(play.y, -5.0f - 0.75f * 6.0f);
    EXPECT_FLOAT_EQ(play.z, -18.0f + 0.75f);
    for (float factor : {1e-6f, 0.5f, 1.0f}) {
        overviewFactor = factor;
        const Vec3 over = CameraTarget(player);
        EXPECT_FLOAT_EQ(over.y, play.y - 10.0f) << factor;
        EXPECT_FLOAT_EQ(over.z, play.z) << factor;
    }
}

TEST_F(Camera, GlidesAtThreeUnitsASecondAndSettlesExactlyOnTheTarget) {
    PlacePlayer(figure, 1.0f, 9.0f, -3.5f);
    const Vec3 target = CameraTarget(WorldPosition(figure));
    const float startY = cameraPos.y;
    dt = 0.1f;
    MoveCamera();
    EXPECT_FLOAT_EQ(cameraVel.x, -3.0f);
    EXPECT_NEAR(cameraPos.y, startY - 0.3f, 1e-5f);
    EXPECT_FLOAT_EQ(cameraVel.y, 3.0f);  // z target -16.25 lies ahead
    for (int frame = 0; frame < 200; ++frame) MoveCamera();
    EXPECT_EQ(cameraPos.y, target.y);
    EXPECT_EQ(cameraPos.z, target.z);
    EXPECT_EQ(cameraVel.x, 0.0f);
    EXPECT_EQ(cameraVel.y, 0.0f);
    EXPECT_EQ(cameraPos.x, 0.0f);
    // Standing still keeps it there.
    MoveCamera();
    EXPECT_EQ(cameraPos.y, target.y);
    EXPECT_EQ(cameraVel.x, 0.0f);
}

TEST_F(Camera, OvershootAndARestingSpeedBothEndOnTheTarget) {
    PlacePlayer(figure, 0.0f, 0.0f, 2.5f);  // target (-5, -19.25), where the camera starts
    // A long frame that would carry it far past: snapped back.
    cameraPos.y = -4.0f;
    dt = 2.0f;
    MoveCamera();
    EXPECT_EQ(cameraPos.y, -5.0f);
    EXPECT_EQ(cameraVel.x, 0.0f);
    // Exactly on target with a speed left over: the speed is kept for one
    // step, which overshoots and is snapped back.
    cameraPos.y = -5.0f;
    cameraVel.x = 3.0f;
    dt = 0.1f;
    MoveCamera();
    EXPECT_EQ(cameraPos.y, -5.0f);
    EXPECT_EQ(cameraVel.x, 0.0f);
}

TEST_F(Camera, OverviewFactorStaysWithinZeroAndOne) {
    overviewRate = 0.25f;
    dt = 1.0f;
    for (int i = 0; i < 3; ++i) AdvanceOverview();
    EXPECT_FLOAT_EQ(overviewFactor, 0.75f);
    AdvanceOverview();
    AdvanceOverview();
    EXPECT_EQ(overviewFactor, 1.0f);
    overviewRate = -0.5f;
    dt = 1.5f;
    AdvanceOverview();
    EXPECT_FLOAT_EQ(overviewFactor, 0.25f);
    AdvanceOverview();
    EXPECT_EQ(overviewFactor, 0.0f);
    dt = 1e6f;
    AdvanceOverview();
    EXPECT_EQ(overviewFactor, 0.0f);
    overviewRate = 0.25f;
    AdvanceOverview();
    EXPECT_EQ(overviewFactor, 1.0f);
}

TEST(FrameRenderer, MessageEndsAfterTwelveSecondsAndTheContractHoldsAfterTheFrame) {
    TestSceneOptions options;
    options.width = 80;
    options.height = 60;
    ASSERT_TRUE(OpenTestScene(options));
    overviewRate = 0.25f;
    overviewFactor = 0.0f;
    gameMessage.active = 1;
    gameMessage.startTime = 0.0f;
    RenderTestFrame(11.9f, 0.1f);
    EXPECT_EQ(gameMessage.active, 1);
    EXPECT_FLOAT_EQ(overviewFactor, 0.025f);  // the frame advanced the overview by dt x rate
    EXPECT_TRUE(GlStateContractHolds()) << "after a frame";
    RenderTestFrame(12.05f, 0.15f);
    EXPECT_EQ(gameMessage.active, 0);
    EXPECT_TRUE(GlStateContractHolds()) << "after a frame";
    CloseTestScene();
}
