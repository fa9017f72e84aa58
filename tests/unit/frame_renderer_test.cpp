// frame_renderer_test.cpp -- the camera glide, the overview factor and the message's end
#include <gtest/gtest.h>

#include "assets/flying_text.h"
#include "common/frame_input.h"
#include "game/player.h"
#include "render/frame_renderer.h"
#include "tests/support/gl_state_contract.h"
#include "tests/support/scene_harness.h"

TEST(Camera, TargetDropsTenMoreForAnyOverviewAboveZero) {
    const Vec3 player{2.0f, 6.0f, -1.5f};
    for (float factor : {0.0f, 1e-6f, 1.0f}) {
        view.overviewFactor = factor;
        EXPECT_FLOAT_EQ(CameraTarget(player).y, factor > 0.0f ? -19.5f : -9.5f) << factor;
        EXPECT_FLOAT_EQ(CameraTarget(player).z, -17.25f) << factor;
    }
}

TEST(Camera, GlidesAtThreeUnitsASecondAndSettlesExactlyOnTheTarget) {
    CharacterRecord figure{};
    figure.pivot[1] = Vec2{1.0f / CHARACTER_SCALE, 9.0f / CHARACTER_SCALE};
    figure.z = -3.5f / CHARACTER_SCALE;
    playerController.character = &figure;
    view.overviewFactor = 0.0f;
    view.cameraPos = Vec3{0.0f, -5.0f, -19.25f};
    view.cameraVel = Vec2{0.0f, 0.0f};
    const Vec3 target = CameraTarget(WorldPosition(figure));
    frameInput.dt = 0.1f;
    MoveCamera();
    EXPECT_NEAR(view.cameraPos.y, -5.3f, 1e-5f);
    EXPECT_EQ(view.cameraVel.x, -3.0f);
    EXPECT_EQ(view.cameraVel.y, 3.0f);
    const auto ExpectSettled = [&](const char *when) {
        EXPECT_EQ(view.cameraPos.x, 0.0f) << when;
        EXPECT_EQ(view.cameraPos.y, target.y) << when;
        EXPECT_EQ(view.cameraPos.z, target.z) << when;
        EXPECT_EQ(view.cameraVel.x, 0.0f) << when;
        EXPECT_EQ(view.cameraVel.y, 0.0f) << when;
    };
    for (int frame = 0; frame < 200; ++frame) MoveCamera();
    ExpectSettled("after gliding");
    view.cameraVel.x = 3.0f;  // on the target with a speed left over: one step past, snapped back
    MoveCamera();
    ExpectSettled("with a speed left over");
    view.cameraPos.y = target.y + 1.0f;  // a long frame that would carry it far beyond
    frameInput.dt = 5.0f;
    MoveCamera();
    ExpectSettled("after a long frame");
    playerController.character = nullptr;
}

TEST(Camera, OverviewFactorStaysWithinZeroAndOne) {
    const struct {
        float rate, dt, factor;
    } steps[] = {
        // rate  dt    factor after
        {0.25f,  3.0f, 0.75f},
        {0.25f,  3.0f, 1.0f},
        {-0.5f,  1.0f, 0.5f},
        {-0.5f,  1e6f, 0.0f},
    };
    view.overviewFactor = 0.0f;
    for (const auto &step : steps) {
        view.overviewRate = step.rate;
        frameInput.dt = step.dt;
        AdvanceOverview();
        EXPECT_FLOAT_EQ(view.overviewFactor, step.factor);
    }
}

TEST(FrameRenderer, MessageIsDrawnUntilTwelveSecondsAndTheFrameKeepsTheContract) {
    ASSERT_TRUE(OpenTestScene(TestSceneOptions{80, 60, 1, -1, -1}));
    view.overviewRate = 0.25f;
    view.overviewFactor = 0.0f;
    gameMessage.active = 1;
    gameMessage.startTime = 0.0f;
    RenderTestFrame(11.9f, 0.1f);
    EXPECT_EQ(gameMessage.active, 1);
    EXPECT_FLOAT_EQ(view.overviewFactor, 0.025f);
    EXPECT_TRUE(GlStateContractHolds()) << "after a frame";
    RenderTestFrame(12.05f, 0.15f);
    EXPECT_EQ(gameMessage.active, 0);
    EXPECT_TRUE(GlStateContractHolds()) << "after a frame";
    CloseTestScene();
}
