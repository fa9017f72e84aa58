// game_play_test.cpp -- flights, the full pool, the rope and frame rates, played through the frame function (whole play: game_level_test)
#include <cmath>

#include "assets/flying_text.h"
#include "common/frame_input.h"
#include "game/ape.h"
#include "game/character_tables.h"
#include "game/game_state.h"
#include "game/player.h"
#include "game/rope_cage.h"
#include "game/tower_motion.h"
#include "render/screens_hud.h"
#include "tests/support/game_driver.h"

namespace {

CharacterRecord &Player() { return *playerController.character; }

// A rope jump on the top floor already under way at x, with the rope hanging still.
void MidJumpAt(float x) {
    SetWorldPosition(Player(), x, 12.0f, -5.5f);
    Player().jumping = 1;
    StartAnimation(Player(), SLOT_ROPE_JUMP);
    ropeCage.swingAngle = ropeCage.swingSpeed = ropeCage.swingAccel = 0.0f;
}

// The frame-rate script's shots as played at 30 frames a second: walked 2.45 a second, jumped 1.3 s at
// 0.8 of that, up flight 1 at 1.4 a second, half way down and off it; the ape's second barrel about 10 s in.
const struct {
    Vec3 p;
    int stairDirection, barrels;  // barrels: active ones
} SHOTS_AT_30[] = {
    {{-2.12f, 0.0f, 2.5f}, 0, 0}, {{0.8f, 0.0f, 2.5f}, 0, 1},     {{3.01f, 3.0f, 1.0f}, 0, 1},
    {{4.26f, 1.61f, 1.456f}, -1, 1}, {{5.99f, 0.0f, 2.0f}, 0, 2},
};
int shotsSeen = 0;

void CompareWithThirty(const char *name) {
    ASSERT_LT(shotsSeen, 5);
    const auto &expected = SHOTS_AT_30[shotsSeen++];
    const Vec3 p = PlayerPosition(), start = {-7.0f, 0.0f, 2.5f};
    for (float Vec3::*axis : {&Vec3::x, &Vec3::y, &Vec3::z})  // within 2% of the way from the start
        EXPECT_NEAR(p.*axis, expected.p.*axis, 0.02f * std::fabs(expected.p.*axis - start.*axis) + 1e-3f) << name;
    EXPECT_EQ(Player().stairDirection, expected.stairDirection) << name;
    int barrels = 0;
    for (const ThrownObject &object : thrownObjects) barrels += object.active;
    EXPECT_EQ(barrels, expected.barrels) << name;
}

class FrameRates : public GameTest, public ::testing::WithParamInterface<int> {};

}  // namespace

TEST_F(GameTest, UpClimbsOnlyAtAFlightsFootFacingIt) {
    StartPlaying();
    QuietApe();
    WalkTo(1.0f);
    Hold(KEY_UP);
    Frames(5);
    EXPECT_EQ(Player().velocity.x, 0.0f) << "up away from a flight only stops";
    EXPECT_TRUE(Running(Player(), SLOT_RUN_CYCLE)) << "the walk animation is left alone";
    Release(KEY_UP);
    WalkTo(5.9f);  // at flight 1's foot, facing away from it
    Hold(KEY_UP);
    Frames(10);
    EXPECT_EQ(Player().stairDirection, 0);
    Release(KEY_UP);
}

TEST_F(GameTest, ApeThrowsNothingWhileAllTwentyAreInPlay) {
    StartPlaying();
    for (ThrownObject &object : thrownObjects) {
        InitObject(object);
        object.active = 1;
        object.position = Vec3{0.0f, 50.0f, 0.0f};
        object.targetY = 50.0f;
    }
    int cycles = 0;
    for (int i = 0, lastState = apeController.state; i < 30 * 20; ++i, lastState = apeController.state) {
        Frames(1);
        if (lastState == 3 && apeController.state == 0) ++cycles;
    }
    EXPECT_GE(cycles, 2) << "the ape keeps fetching and carrying";
    EXPECT_EQ(apeController.currentObject, nullptr);
    for (const ThrownObject &object : thrownObjects) EXPECT_FLOAT_EQ(object.position.y, 50.0f);
}

TEST_F(GameTest, RopeCatchesOnlyBeyondItsReachAndItsPullEndsTheLevelForTenSeconds) {
    StartPlaying();
    QuietApe();
    for (float x : {4.4f, 4.6f}) {
        MidJumpAt(x);
        RopeGrabCheck();
        EXPECT_EQ(Player().holdingRope, x > 4.5f ? 1 : 0) << x;
    }
    Frames(1);
    ASSERT_EQ(Player().holdingRope, 1);
    while (ropeCage.ropeDrop < 3.5f) Frames(1);
    EXPECT_EQ(flow.gameState, STATE_LEVEL_COMPLETE);
    EXPECT_EQ(gameMessage.letters[0].character, 'W');
    // 3 s down the rope at 250 less 2.5 a second into the level (1.6 s on average),
    // then half a second at 250 while the level-complete phase restarts every frame.
    EXPECT_NEAR(playerController.score, 3.0 * (250.0 - 2.5 * 1.6) + 0.5 * 250.0, 1.0);
    const float pullEnded = flow.stateStartTime;
    while (flow.gameState == STATE_LEVEL_COMPLETE) Frames(1);
    EXPECT_GT(frameInput.now - pullEnded, 10.0f);
    EXPECT_LT(frameInput.now - pullEnded, 10.0f + 2 * FRAME_SECONDS);
    EXPECT_EQ(playerController.level, 2);
}

TEST_P(FrameRates, EveryRatePlaysTheSameGame) {
    shotsSeen = 0;
    PlayScript("frame_rates.txt", CompareWithThirty, "fps " + std::to_string(GetParam()) + "\n");
    EXPECT_EQ(shotsSeen, 5);
}

INSTANTIATE_TEST_SUITE_P(Fps, FrameRates, ::testing::Values(30, 60, 240));

TEST_F(GameTest, FramesOfTwoSecondsStillLandABarrelOnTheTopFloor) {
    StartPlaying();
    while (!apeController.currentObject) Frames(1);
    const ThrownObject &barrel = *apeController.currentObject;
    apeController.throwTimer = -1.0e9f;  // the pool keeps to this one barrel
    Frames(3, 2.0);
    EXPECT_EQ(barrel.rolling, 1);
    EXPECT_FLOAT_EQ(barrel.position.y, 11.1f);
}
