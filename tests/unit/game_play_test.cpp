// game_play_test.cpp -- climbing, barrels, the ape and the rope, played through the frame function
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

bool Running(const CharacterRecord &record, int slot) {
    return record.animation.entries == record.animationSet->slots[slot].entries &&
           record.animation.next == record.animationSet->slots[slot].next;
}

// A barrel already rolling on a floor, 0.9 below its height and 0.5 in front of its depth.
ThrownObject &PlaceBarrel(int index, float x, int floor, float vx) {
    ThrownObject &object = thrownObjects[index];
    InitObject(object);
    object.active = 1;
    object.rolling = 1;
    object.position = Vec3{x, 3.0f * floor - 0.9f, FloorDepth(3.0f * floor) + 0.5f};
    object.targetY = object.position.y;
    object.targetZ = object.position.z;
    object.velocity = Vec3{vx, 0.0f, 0.0f};
    return object;
}

// Walks to the foot of the flight that leaves the player's floor, turns to face
// it and holds up until the player is off the flight again.
bool ClimbOneFloor() {
    const float y = PlayerPosition().y;
    const int floor = static_cast<int>(std::floor(y / 3.0f + 0.5f));
    const bool rightEnd = floor % 2 == 0;  // flights 1 and 3 start at the right end
    if (!WalkTo(rightEnd ? 5.9f : -5.9f)) return false;
    Tap(rightEnd ? KEY_LEFT : KEY_RIGHT);
    Hold(KEY_UP);
    bool climbed = false;
    for (int i = 0; i < 300 && !climbed; ++i) {
        Frames(1);
        climbed = Player().stairDirection == 0 && PlayerPosition().y > y + 2.5f;
    }
    Release(KEY_UP);
    Frames(1);
    return climbed;
}

void ExpectAtTheStart() {
    const Vec3 p = PlayerPosition();
    EXPECT_FLOAT_EQ(p.x, -7.0f);
    EXPECT_FLOAT_EQ(p.y, 0.0f);
    EXPECT_FLOAT_EQ(p.z, 2.5f);
}

// A rope jump on the top floor already under way at x, with the rope hanging still.
void MidJumpAt(float x) {
    CharacterRecord &player = Player();
    SetWorldPosition(player, x, 12.0f, -5.5f);
    player.jumping = 1;
    StartAnimation(player, SLOT_ROPE_JUMP);
    ropeCage.swingAngle = 0.0f;
    ropeCage.swingSpeed = 0.0f;
    ropeCage.swingAccel = 0.0f;
}

}  // namespace

// ---------------------------------------------------------------- climbing

TEST_F(GameTest, ClimbingFromTheStartToTheTopFloor) {
    StartPlaying();
    QuietApe();
    ExpectAtTheStart();
    const float depths[5] = {2.5f, 0.5f, -1.5f, -3.5f, -5.5f};
    for (int floor = 1; floor <= 4; ++floor) {
        ASSERT_TRUE(ClimbOneFloor()) << "flight " << floor;
        EXPECT_NEAR(PlayerPosition().y, 3.0f * floor, 1e-3f) << "leaves the flight on the upper floor";
        WalkTo(0.0f);  // walking on the floor brings the depth to the floor's lane
        EXPECT_NEAR(PlayerPosition().z, depths[floor], 0.05f) << "floor " << floor;
        EXPECT_NEAR(PlayerPosition().y, 3.0f * floor, 1e-3f);
    }
    EXPECT_EQ(playerController.lives, 3);
}

TEST_F(GameTest, ClimbingXStaysOnTheTowerAndUpAwayFromAFlightOnlyStops) {
    StartPlaying();
    QuietApe();
    Hold(KEY_LEFT);
    Seconds(2.0);
    EXPECT_FLOAT_EQ(PlayerPosition().x, -8.0f);
    Release(KEY_LEFT);
    Hold(KEY_RIGHT);
    Seconds(8.0);
    EXPECT_FLOAT_EQ(PlayerPosition().x, 8.0f);
    Release(KEY_RIGHT);

    WalkTo(0.0f);
    Hold(KEY_RIGHT);
    Seconds(1.0);
    Release(KEY_RIGHT);
    Hold(KEY_UP);
    Frames(1);
    const float x = PlayerPosition().x;
    Frames(5);
    EXPECT_EQ(Player().velocity.x, 0.0f);
    EXPECT_EQ(Player().stairDirection, 0);
    EXPECT_FLOAT_EQ(PlayerPosition().x, x);
    EXPECT_TRUE(Running(Player(), SLOT_RUN_CYCLE)) << "the walk animation is left alone";
    Release(KEY_UP);

    // Facing away from flight 1 at its foot, up does not climb; facing it, up climbs along the diagonal.
    WalkTo(5.9f);
    Hold(KEY_UP);
    Frames(10);
    EXPECT_EQ(Player().stairDirection, 0);
    EXPECT_FLOAT_EQ(PlayerPosition().y, 0.0f);
    Release(KEY_UP);
    Tap(KEY_LEFT);
    Hold(KEY_UP);
    Seconds(1.0);
    const Vec3 p = PlayerPosition();
    EXPECT_EQ(Player().stairDirection, -1);
    EXPECT_GT(p.y, 1.0f);
    EXPECT_NEAR(p.x, 6.0f - p.y, 0.1f) << "on the diagonal";
    EXPECT_LT(p.z, 2.0f) << "behind the floor's lane";
    Release(KEY_UP);
}

// ---------------------------------------------------------------- barrels

TEST_F(GameTest, BarrelsHitAStandingPlayerAndSpaceRespawns) {
    StartPlaying();
    QuietApe();
    Hold(KEY_RIGHT);
    Seconds(0.5);
    Release(KEY_RIGHT);
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
    ExpectAtTheStart();
    EXPECT_FALSE(thrownObjects[0].active || thrownObjects[2].active);
    EXPECT_TRUE(thrownObjects[1].active);
    Frames(5);
    EXPECT_EQ(Player().jumping, 0);
    EXPECT_EQ(playerController.lives, 2);
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
    // 100 points a second while above the barrel within reach: a fraction of a second.
    EXPECT_GT(playerController.score, 10.0);
    EXPECT_LT(playerController.score, 100.0);
}

// ---------------------------------------------------------------- the ape

TEST_F(GameTest, ApeFetchesAtOnceWalksAndThrows) {
    StartPlaying();
    CharacterRecord &ape = *apeController.character;
    // The timer starts at 1000: the fetch starts within the first random thresholds.
    for (int frames = 0; apeController.state == 0 && frames < 60; ++frames) Frames(1);
    ASSERT_EQ(apeController.state, 1);
    EXPECT_FLOAT_EQ(ape.velocity.x, 190.0f);

    while (apeController.state == 1) Frames(1);
    EXPECT_GT(WorldPosition(ape).x, 5.0f);
    const float pickUp = frameInput.now;
    while (!ape.holdingObject) Frames(1);
    EXPECT_GE(frameInput.now - pickUp, 0.25f);
    EXPECT_LE(frameInput.now - pickUp, 0.25f + 2 * FRAME_SECONDS);

    while (apeController.state == 2) Frames(1);
    EXPECT_FLOAT_EQ(ape.velocity.x, -190.0f);
    while (apeController.state == 3) Frames(1);
    ASSERT_NE(apeController.currentObject, nullptr);
    const ThrownObject &object = *apeController.currentObject;
    EXPECT_EQ(object.inFlight, 1);
    EXPECT_EQ(ape.holdingObject, 0);
    // vx one of -0.4 .. -1.6 in tenths; up at 3 less one frame of gravity; toward the floor's lane.
    const float tenths = -object.velocity.x * 10.0f;
    EXPECT_NEAR(tenths, std::round(tenths), 1e-4f);
    EXPECT_GE(tenths, 4.0f - 1e-4f);
    EXPECT_LE(tenths, 16.0f + 1e-4f);
    EXPECT_NEAR(object.velocity.y, 3.0f - 4.0f * FRAME_SECONDS, 1e-4f);
    EXPECT_FLOAT_EQ(object.velocity.z, 1.0f);
    EXPECT_FLOAT_EQ(object.spin.y, 120.0f);
    EXPECT_FLOAT_EQ(object.spin.z, -45.0f);

    // At level 10 the walk is 180 + 10 x 10.
    playerController.level = 10;
    while (apeController.state != 1) Frames(1);
    EXPECT_FLOAT_EQ(ape.velocity.x, 280.0f);
}

TEST_F(GameTest, ApeBarrelRollsDownEveryFloorAndIsGone) {
    StartPlaying();
    while (!apeController.currentObject) Frames(1);
    ThrownObject &object = *apeController.currentObject;
    apeController.throwTimer = -1.0e9f;  // the pool keeps to this one barrel
    const float throwTime = frameInput.now;
    while (object.inFlight) Frames(1);
    EXPECT_NEAR(frameInput.now - throwTime, 2.8f, 0.15f);
    EXPECT_FLOAT_EQ(object.position.y, 11.1f);

    const float flips[4] = {270.0f, 90.0f, 270.0f, 90.0f};
    for (int floor = 0; floor < 5; ++floor) {
        const float height = 11.1f - 3.0f * floor;
        EXPECT_EQ(object.rolling, 1) << floor;
        EXPECT_FLOAT_EQ(object.velocity.x, floor % 2 == 0 ? -3.0f : 3.0f) << floor;
        EXPECT_NEAR(object.position.y, height, 1e-4f) << floor;
        while (object.rolling && object.active) Frames(1);
        // Two forward on every drop, reached while it rolls; it turns only past a floor's end.
        EXPECT_NEAR(object.position.z, -5.0f + 2.0f * floor, 1e-4f) << floor;
        EXPECT_GT(std::fabs(object.position.x), 8.0f) << floor;
        EXPECT_NEAR(object.targetY, height - 3.0f, 1e-4f);
        while (object.active && !object.rolling) Frames(1);
        if (floor < 4) {
            EXPECT_FLOAT_EQ(object.rotation.x, flips[floor]) << floor;
        }
    }
    EXPECT_FALSE(object.active) << "gone below -3";
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

// ---------------------------------------------------------------- the rope

TEST_F(GameTest, RopeAtRestCatchesOnlyBeyondItsReach) {
    StartPlaying();
    QuietApe();
    for (float x : {4.4f, 4.6f}) {
        MidJumpAt(x);
        RopeGrabCheck();
        EXPECT_EQ(Player().holdingRope, x > 4.5f ? 1 : 0) << x;
    }
}

TEST_F(GameTest, RopePullCompletesTheLevelAndTheNextOneStarts) {
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
    EXPECT_EQ(gameMessage.count, 10);
    // About 245 a second for 3.5 s (t is about 2 s into the level).
    EXPECT_NEAR(playerController.score - 1000.0, 3.0 * 240.0 + 0.5 * 250.0, 40.0);
    const double score = playerController.score;
    const float pullEnded = flow.stateStartTime;
    Frames(30);
    EXPECT_EQ(playerController.score, score) << "nothing more once the rope is fully pulled";

    while (flow.gameState == STATE_LEVEL_COMPLETE) Frames(1);
    EXPECT_GT(frameInput.now - pullEnded, 10.0f);
    EXPECT_LT(frameInput.now - pullEnded, 10.0f + 2 * FRAME_SECONDS);
    EXPECT_EQ(flow.gameState, STATE_PLAY);
    EXPECT_EQ(playerController.level, 2);
    EXPECT_EQ(playerController.lives, 2);
    EXPECT_EQ(playerController.score, score);
    EXPECT_FLOAT_EQ(ropeCage.ropeDrop, 0.0f);
    EXPECT_FLOAT_EQ(PlayerPosition().x, -7.0f);
    EXPECT_EQ(gameMessage.letters[6].character, '2') << "Level 2";
}
