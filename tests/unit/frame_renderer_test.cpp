// frame_renderer_test.cpp -- the camera glide, the overview factor, the message's end and the OpenGL state every drawing routine hands back
#include <gtest/gtest.h>

#include "assets/bitmap_font.h"
#include "assets/display_lists.h"
#include "assets/flying_text.h"
#include "assets/slide_show.h"
#include "common/frame_input.h"
#include "common/gl.h"
#include "game/game_state.h"
#include "game/player.h"
#include "render/frame_renderer.h"
#include "render/screens_hud.h"
#include "render/torches.h"
#include "render/tower_geometry.h"
#include "tests/support/gl_state_contract.h"
#include "tests/support/scene_harness.h"

TEST(Camera, TargetDropsTenMoreForAnyOverviewAboveZero) {
    const Vec3 player{2.0f, 6.0f, -1.5f};
    for (float factor : {0.0f, 1e-6f, 1.0f}) {
        view.overviewFactor = factor;
        const Vec3 t = CameraTarget(player);
        EXPECT_TRUE(t.y == (factor > 0.0f ? -19.5f : -9.5f) && t.z == -17.25f) << factor << ": " << t.y << ", " << t.z;
    }
}

TEST(Camera, GlidesAtThreeUnitsASecondAndSettlesExactlyOnTheTarget) {
    CharacterRecord figure{};
    SetWorldPosition(figure, 1.0f, 9.0f, -3.5f);
    playerController.character = &figure;
    const Vec3 target = CameraTarget(WorldPosition(figure));
    frameInput.dt = 0.1f;
    MoveCamera();
    EXPECT_NEAR(view.cameraPos.y, -5.3f, 1e-5f);
    EXPECT_EQ(view.cameraVel.x, -3.0f);
    EXPECT_EQ(view.cameraVel.y, 3.0f);
    const auto ExpectSettled = [&](const char *when) {
        EXPECT_TRUE(view.cameraPos.y == target.y && view.cameraPos.z == target.z) << when;
        EXPECT_TRUE(view.cameraVel.x == 0.0f && view.cameraVel.y == 0.0f) << when;
    };
    for (int frame = 0; frame < 200; ++frame) MoveCamera();
    ExpectSettled("after gliding");
    view.cameraPos.y = target.y + 1.0f;  // a long frame that would carry it far beyond
    frameInput.dt = 5.0f;
    MoveCamera();
    ExpectSettled("after a long frame");
}

TEST(Camera, OverviewFactorStaysWithinZeroAndOne) {
    const struct { float rate, dt, factor; } steps[] = {  // the factor after each step
        {0.25f, 3.0f, 0.75f}, {0.25f, 3.0f, 1.0f}, {-0.5f, 1.0f, 0.5f}, {-0.5f, 1e6f, 0.0f}};
    for (const auto &step : steps) {
        view.overviewRate = step.rate;
        frameInput.dt = step.dt;
        AdvanceOverview();
        EXPECT_FLOAT_EQ(view.overviewFactor, step.factor);
    }
}

TEST(FrameRenderer, MessageIsDrawnUntilTwelveSeconds) {
    ASSERT_TRUE(OpenTestScene(TestSceneOptions{80, 60, 1, -1, -1}));
    gameMessage.active = 1;
    RenderTestFrame(11.9f, 0.1f);
    EXPECT_EQ(gameMessage.active, 1);
    EXPECT_FLOAT_EQ(view.overviewFactor, 0.025f);
    RenderTestFrame(12.05f, 0.15f);
    EXPECT_EQ(gameMessage.active, 0);
    CloseTestScene();
}

// From the usual state, each routine hands the usual state back: depth test and
// lighting on, blending and texturing off, no emission, the usual blend function.
TEST(FrameRenderer, EveryDrawingRoutineHandsBackTheUsualState) {
    const struct { const char *what; void (*draw)(); } routines[] = {
        {"a whole frame with a message, the title's overlay last", [] {
             SpawnFlyingText(gameMessage, "Level 1", -3.0f, 0.0f, -10.0f, 4.0f);
             RenderTestFrame(1.0f, 0.1f);
         }},
        {"the select screen", [] { flow.gameState = STATE_SELECT, DrawOverlay(); }},
        {"the intro overlay", [] { flow.gameState = STATE_INTRO, DrawOverlay(); }},
        {"the HUD of a dying player", [] { flow.gameState = STATE_PLAY, playerController.dying = 1, DrawOverlay(); }},
        {"the level-complete HUD", [] { flow.gameState = STATE_LEVEL_COMPLETE, DrawOverlay(); }},
        {"the name entry", [] { flow.gameState = STATE_NAME_ENTRY, DrawOverlay(); }},
        {"a character with a barrel in its hand", [] {
             characterA.holdingObject = 1;
             DrawCharacter(characterA);
         }},
        {"the tower", [] { glCallList(TOWER_LIST); }},
        {"the rope, cage and torches", [] { DrawRopeCageAndTorches(); }},
        {"the intro crawl", [] { DrawIntroCrawl(); }},
        {"the backdrop", [] { DrawBackdrop(view.cameraPos.z); }},
        {"a text", [] { DrawText3D("Score:   42", 16.0f, 0.5f); }},
    };
    for (const auto &routine : routines) {
        ASSERT_TRUE(OpenTestScene(TestSceneOptions{64, 48, 1, 1, 1}));
        frameInput.dt = 0.05f;
        EXPECT_TRUE(GlStateContractHolds()) << "before " << routine.what;
        routine.draw();
        EXPECT_TRUE(GlStateContractHolds()) << "after " << routine.what;
        CloseTestScene();
    }
}
