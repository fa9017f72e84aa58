// game_play_test.cpp -- the tower's walls and flights, barrels, the full pool and the rope, played through the frame function
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

// A barrel already rolling on a floor, 0.9 below its height and 0.5 in front of its depth.
void PlaceBarrel(int index, float x, int floor, float vx) {
    ThrownObject &object = thrownObjects[index];
    InitObject(object);
    object.active = object.rolling = 1;
    object.position = Vec3{x, 3.0f * floor - 0.9f, FloorDepth(3.0f * floor) + 0.5f};
    object.targetY = object.position.y;
    object.targetZ = object.position.z;
    object.velocity = Vec3{vx, 0.0f, 0.0f};
}

// A rope jump on the top floor already under way at x, with the rope hanging still.
void MidJumpAt(float x) {
    SetWorldPosition(Player(), x, 12.0f, -5.5f);
    Player().jumping = 1;
    StartAnimation(Player(), SLOT_ROPE_JUMP);
    ropeCage.swingAngle = ropeCage.swingSpeed = ropeCage.swingAccel = 0.0f;
}

}  // namespace

TEST_F(GameTest, WallsStopThePlayerAndUpClimbsOnlyAtAFlightsFoot) {
    StartPlaying();
    QuietApe();
    Hold(KEY_LEFT);
    Seconds(2.0);
    EXPECT_FLOAT_EQ(PlayerPosition().x, -8.0f);
    Release(KEY_LEFT);
    WalkTo(1.0f);
    Hold(KEY_UP);
    Frames(5);
    EXPECT_EQ(Player().velocity.x, 0.0f) << "up away from a flight only stops";
    EXPECT_EQ(Player().stairDirection, 0);
    EXPECT_TRUE(Running(Player(), SLOT_RUN_CYCLE)) << "the walk animation is left alone";
    Release(KEY_UP);

    // Facing away from flight 1 at its foot, up does not climb; facing it, up climbs along the diagonal.
    WalkTo(5.9f);
    Hold(KEY_UP);
    Frames(10);
    EXPECT_EQ(Player().stairDirection, 0);
    Release(KEY_UP);
    Tap(KEY_LEFT);
    Hold(KEY_UP);
    Seconds(1.0);
    const Vec3 p = PlayerPosition();
    EXPECT_EQ(Player().stairDirection, -1);
    EXPECT_GT(p.y, 1.0f);
    EXPECT_NEAR(p.x, 6.0f - p.y, 0.1f) << "on the diagonal";
}

TEST_F(GameTest, BarrelsHitAStandingPlayerAndSpaceRespawns) {
    StartPlaying();
    QuietApe();
    WalkTo(-5.0f);
    Frames(1);
    const float x = PlayerPosition().x;
    PlaceBarrel(0, x + 3.0f, 0, -3.0f);
    PlaceBarrel(1, 6.0f, 1, -3.0f);  // on the floor above: stays in play
    Seconds(1.5);
    EXPECT_EQ(playerController.lives, 2);
    EXPECT_EQ(playerController.dying, 1);
    EXPECT_EQ(overlay.tickerMessage, TICKER_PRESS_SPACE);
    EXPECT_TRUE(Running(Player(), SLOT_DEATH_HIT));

    // Dying: arrows do nothing, another barrel costs no further life.
    PlaceBarrel(2, x + 2.0f, 0, -3.0f);
    Hold(KEY_LEFT);
    Seconds(1.0);
    Release(KEY_LEFT);
    EXPECT_EQ(playerController.lives, 2);
    EXPECT_FLOAT_EQ(PlayerPosition().x, x);

    // Space respawns at the start, clears the bottom floor and does not jump.
    Tap(KEY_SPACE);
    EXPECT_EQ(playerController.dying, 0);
    EXPECT_FLOAT_EQ(PlayerPosition().x, -7.0f);
    EXPECT_FALSE(thrownObjects[0].active || thrownObjects[2].active);
    EXPECT_TRUE(thrownObjects[1].active);
    Frames(5);
    EXPECT_EQ(Player().jumping, 0);
}

TEST_F(GameTest, BarrelsAWellTimedJumpClearsOneAndEarnsTheBonus) {
    StartPlaying();
    QuietApe();
    Seconds(0.5);
    // The barrel reaches the player 7/3 s from now; the arc is highest 0.7 s after take-off.
    PlaceBarrel(0, 0.0f, 0, -3.0f);
    Seconds(7.0 / 3.0 - 0.7);
    Tap(KEY_SPACE);
    Seconds(1.5);
    EXPECT_EQ(playerController.lives, 3);
    EXPECT_LT(thrownObjects[0].position.x, -7.0f) << "the barrel rolled on past";
    // 100 points a second for the twelve frames the figure is above the barrel within reach.
    EXPECT_NEAR(playerController.score, 40.0, 0.01);
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

TEST_F(GameTest, RopeCatchesOnlyBeyondItsReachAndItsPullCompletesTheLevel) {
    StartPlaying();
    QuietApe();
    Seconds(2.0);
    MidJumpAt(4.6f);
    playerController.score = 1000.0;
    playerController.lives = 2;
    Frames(1);
    ASSERT_EQ(Player().holdingRope, 1);
    Seconds(3.0);
    EXPECT_FLOAT_EQ(PlayerPosition().x, 4.0f);
    while (ropeCage.ropeDrop < 3.5f) Frames(1);
    EXPECT_FLOAT_EQ(PlayerPosition().y, 9.0f);
    EXPECT_EQ(flow.gameState, STATE_LEVEL_COMPLETE);
    EXPECT_EQ(gameMessage.letters[0].character, 'W');
    // About 245 a second for 3.5 s (t is about 2 s into the level).
    EXPECT_NEAR(playerController.score - 1000.0, 3.0 * 240.0 + 0.5 * 250.0, 40.0);
    const double score = playerController.score;
    const float pullEnded = flow.stateStartTime;
    Frames(30);
    EXPECT_EQ(playerController.score, score) << "nothing more once the rope is fully pulled";

    while (flow.gameState == STATE_LEVEL_COMPLETE) Frames(1);
    EXPECT_GT(frameInput.now - pullEnded, 10.0f);
    EXPECT_LT(frameInput.now - pullEnded, 10.0f + 2 * FRAME_SECONDS);
    EXPECT_EQ(playerController.level, 2);
    EXPECT_EQ(playerController.lives, 2);
    EXPECT_EQ(playerController.score, score);
    EXPECT_FLOAT_EQ(ropeCage.ropeDrop, 0.0f);
    EXPECT_FLOAT_EQ(PlayerPosition().x, -7.0f);
    EXPECT_EQ(gameMessage.letters[6].character, '2') << "Level 2";
    for (float x : {4.4f, 4.6f}) {
        MidJumpAt(x);
        RopeGrabCheck();
        EXPECT_EQ(Player().holdingRope, x > 4.5f ? 1 : 0) << x;
    }
}
