// frame_renderer_test.cpp -- the camera glide, the overview factor and the message's end
#include <gtest/gtest.h>

#include "assets/flying_text.h"
#include "game/player.h"
#include "host/game_clock.h"
#include "render/frame_renderer.h"
#include "tests/support/gl_state_contract.h"
#include "tests/support/scene_harness.h"

TEST(Camera, TargetDropsTenMoreForAnyOverviewAboveZero) {
    const Vec3 player{2.0f, 6.0f, -1.5f};
    overviewFactor = 0.0f;
    const Vec3 play = CameraTarget(player);
    EXPECT_FLOAT_EQ(play.y, -9.5f);
    EXPECT_FLOAT_EQ(play.z, -17.25f);
    for (float factor : {1e-6f, 1.0f}) {
        overviewFactor = factor;
        EXPECT_FLOAT_EQ(CameraTarget(player).y, play.y - 10.0f) << factor;
        EXPECT_FLOAT_EQ(CameraTarget(player).z, play.z) << factor;
    }
}

TEST(Camera, GlidesAtThreeUnitsASecondAndSettlesExactlyOnTheTarget) {
    CharacterRecord figure{};
    figure.pivot[1] = Vec2{1.0f / CHARACTER_SCALE, 9.0f / CHARACTER_SCALE};
    figure.z = -3.5f / CHARACTER_SCALE;
    playerController.character = &figure;
    overviewFactor = 0.0f;
    cameraPos = Vec3{0.0f, -5.0f, -19.25f};
    cameraVel = Vec2{0.0f, 0.0f};
    const Vec3 target = CameraTarget(WorldPosition(figure));
    dt = 0.1f;
    MoveCamera();
    EXPECT_NEAR(cameraPos.y, -5.3f, 1e-5f);
    EXPECT_EQ(cameraVel.x, -3.0f);
    EXPECT_EQ(cameraVel.y, 3.0f);
    for (int frame = 0; frame < 200; ++frame) MoveCamera();
    EXPECT_EQ(cameraPos.y, target.y);
    EXPECT_EQ(cameraPos.z, target.z);
    EXPECT_EQ(cameraVel.x, 0.0f);
    EXPECT_EQ(cameraVel.y, 0.0f);
    EXPECT_EQ(cameraPos.x, 0.0f);
    // On the target with a speed left over: one step past, snapped back.
    cameraVel.x = 3.0f;
    MoveCamera();
    EXPECT_EQ(cameraPos.y, target.y);
    EXPECT_EQ(cameraVel.x, 0.0f);
    // A long frame that would carry it far beyond: snapped onto the target.
    cameraPos.y = target.y + 1.0f;
    dt = 5.0f;
    MoveCamera();
    EXPECT_EQ(cameraPos.y, target.y);
    playerController.character = nullptr;
}

TEST(Camera, OverviewFactorStaysWithinZeroAndOne) {
    overviewFactor = 0.0f;
    overviewRate = 0.25f;
    dt = 3.0f;
    AdvanceOverview();
    EXPECT_FLOAT_EQ(overviewFactor, 0.75f);
    AdvanceOverview();
    EXPECT_EQ(overviewFactor, 1.0f);
    overviewRate = -0.5f;
    dt = 1.0f;
    AdvanceOverview();
    EXPECT_FLOAT_EQ(overviewFactor, 0.5f);
    dt = 1e6f;
    AdvanceOverview();
    EXPECT_EQ(overviewFactor, 0.0f);
}

TEST(FrameRenderer, MessageIsDrawnUntilTwelveSecondsAndTheFrameKeepsTheContract) {
    ASSERT_TRUE(OpenTestScene(TestSceneOptions{80, 60, 1, -1, -1}));
    overviewRate = 0.25f;
    overviewFactor = 0.0f;
    gameMessage.active = 1;
    gameMessage.startTime = 0.0f;
    RenderTestFrame(11.9f, 0.1f);
    EXPECT_EQ(gameMessage.active, 1);
    EXPECT_FLOAT_EQ(overviewFactor, 0.025f);
    EXPECT_TRUE(GlStateContractHolds()) << "after a frame";
    RenderTestFrame(12.05f, 0.15f);
    EXPECT_EQ(gameMessage.active, 0);
    EXPECT_TRUE(GlStateContractHolds()) << "after a frame";
    CloseTestScene();
}
