// game_play_test.cpp -- up off a flight, the full pool, the rope and frame rates, played through the frame function (whole play: game_level_test)
#include <cmath>

#include "assets/flying_text.h"
#include "common/frame_input.h"
#include "game/ape.h"
#include "game/character_tables.h"
#include "game/game_state.h"
#include "game/player.h"
#include "game/rope_cage.h"
#include "game/tower_motion.h"
#include "settings/settings_store.h"
#include "tests/support/game_driver.h"

namespace {

CharacterRecord &Player() { return *playerController.character; }

// A rope jump on the top floor already under way at x, with the rope held still at the angle.
void MidJumpAt(float x, float angle = 0.0f) {
    SetWorldPosition(Player(), x, 12.0f, -5.5f);
    Player().jumping = 1;
    Player().holdingRope = 0;
    StartAnimation(Player(), SLOT_ROPE_JUMP);
    ropeCage.swingSpeed = ropeCage.swingAccel = 0.0f;
    ropeCage.swingAngle = angle;
}

// A barrel standing still at p (a rolling one is 0.9 below its floor and 0.5 in front of its lane).
ThrownObject &BarrelAt(int index, Vec3 p) {
    ThrownObject &object = thrownObjects[index];
    InitObject(object);
    object.active = 1;
    object.position = p;
    object.velocity = Vec3{0, 0, 0};
    object.targetY = p.y;
    object.targetZ = p.z;
    return object;
}

bool Runs() { return Running(Player(), SLOT_RUN) || Running(Player(), SLOT_RUN_CYCLE); }

// The frame-rate script's shots as played at 30 frames a second: walked 2.45 a second, jumped 1.3 s at
// 0.8 of that, up flight 1 at 1.4 a second, half way down and off it; the ape's second barrel about 10 s in.
const struct { Vec3 p; int stairDirection, barrels; } SHOTS_AT_30[] = {  // barrels: active ones
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

TEST_F(GameTest, UpAwayFromAFlightOnlyStops) {
    StartPlaying();
    QuietApe();
    WalkTo(1.0f);
    Hold(KEY_UP);
    Frames(5);
    EXPECT_EQ(Player().velocity.x, 0.0f);
    EXPECT_EQ(Player().stairDirection, 0);
    EXPECT_TRUE(Running(Player(), SLOT_RUN_CYCLE)) << "the walk animation is left alone";
}

TEST_F(GameTest, ApeThrowsNothingWhileAllTwentyAreInPlay) {
    StartPlaying();
    for (int i = 0; i < THROWN_OBJECT_COUNT; ++i) BarrelAt(i, {0.0f, 50.0f, 0.0f});
    int cycles = 0;
    for (int i = 0, lastState = apeController.state; i < 30 * 20; ++i, lastState = apeController.state) {
        Frames(1);
        if (lastState == 3 && apeController.state == 0) ++cycles;
    }
    EXPECT_GE(cycles, 2) << "the ape keeps fetching and carrying";
    EXPECT_EQ(apeController.currentObject, nullptr);
    for (const ThrownObject &object : thrownObjects) EXPECT_FLOAT_EQ(object.position.y, 50.0f);
}

TEST_F(GameTest, RopeCatchesOnlyBeyondItsReachAndItsPullEndsTheLevel) {
    StartPlaying();
    QuietApe();
    // At rest the reach is x 4.5; swung 10 degrees toward the ledge it is 2.33, but x must pass 3.
    const struct { float angle, x; int holds; } jumps[] = {{0, 4.4f, 0}, {0, 4.6f, 1}, {-10, 2.9f, 0}, {-10, 3.1f, 1}};
    for (const auto &jump : jumps) {
        MidJumpAt(jump.x, jump.angle);
        RopeGrabCheck();
        EXPECT_EQ(Player().holdingRope, jump.holds) << jump.x;
    }
    BarrelAt(0, {4.0f, 8.1f, -3.0f});  // in the floor-3 lane, under the rope
    Hold(KEY_RIGHT);  // held all through the pull: the hanging player stays on the rope's line
    Frames(1);
    ASSERT_EQ(Player().holdingRope, 1);
    const float angle = ropeCage.swingAngle;
    Seconds(0.2);
    EXPECT_NEAR(ropeCage.swingAngle - angle, 33.0f * 0.2f, 0.15f) << "the held rope swings back to vertical";
    EXPECT_FLOAT_EQ(Player().value[1], ropeCage.swingAngle) << "and the figure tilts with it";
    Frames(1, 0.6);  // a long frame does not stop the pull short of its end
    while (ropeCage.ropeDrop < 3.5f) Frames(1);
    Release(KEY_RIGHT);
    EXPECT_EQ(Player().velocity.x, 0.0f) << "nor does it walk";
    EXPECT_EQ(playerController.lives, 3);
    EXPECT_EQ(flow.gameState, STATE_LEVEL_COMPLETE);
    EXPECT_EQ(gameMessage.letters[0].character, 'W');
    // 3 s down the rope at 250 less 2.5 a second into the level (1.6 s on average),
    // then half a second at 250 while the level-complete phase restarts every frame.
    EXPECT_NEAR(playerController.score, 3.0 * (250.0 - 2.5 * 1.6) + 0.5 * 250.0, 1.0);
    const double score = playerController.score;
    BarrelAt(1, {4.0f, 6.75f, -5.5f});  // under the hanging figure, harmless now
    Seconds(1.0);
    EXPECT_EQ(playerController.score, score) << "nothing more once the rope is fully pulled, no jump bonus";
}

TEST_F(GameTest, RopeADeathWhileHangingLetsGoTheNextGrabEndsTheLevelTheLastEndsTheGame) {
    StartPlaying();
    QuietApe();
    auto dieOnTheRope = [] {
        MidJumpAt(4.6f);
        Seconds(1.5);
        ASSERT_EQ(Player().holdingRope, 1);
        BarrelAt(0, PlayerPosition()).position.y -= 1.25f;  // level with the hanging figure
        Frames(1);
        thrownObjects[0].active = 0;
        EXPECT_EQ(playerController.dying, 1);
        EXPECT_FLOAT_EQ(ropeCage.ropeDrop, 0.0f) << "the cage drops back";
    };
    dieOnTheRope();
    Tap(KEY_SPACE);
    EXPECT_EQ(playerController.dying, 0);
    // 100 s into the level the pull pays 75 a second; its last half second, at 9.0, about 250.
    flow.stateStartTime -= 100.0f;
    const double score = playerController.score;
    MidJumpAt(4.6f);
    while (ropeCage.ropeDrop < 3.5f) Frames(1);
    EXPECT_EQ(flow.gameState, STATE_LEVEL_COMPLETE);
    EXPECT_NEAR(playerController.score - score, 3.0 * 75.0 + 0.5 * 250.0, 15.0);

    Seconds(10.5);
    ASSERT_EQ(flow.gameState, STATE_PLAY);
    settings.highScore = 100;
    playerController.score = 1000.0;
    playerController.lives = 1;
    dieOnTheRope();
    Seconds(4.0);
    EXPECT_EQ(flow.gameState, STATE_NAME_ENTRY) << "the game over stands";
}

TEST_F(GameTest, ArrowsActOnlyInPlayAndAHeldOneRunsAfterALevelStartOrARespawn) {
    SetWorldPosition(Player(), 1.0f, 12.0f, -5.5f);  // on the title, near the top floor's edge
    Hold(KEY_RIGHT);
    Seconds(2.0);
    EXPECT_FLOAT_EQ(PlayerPosition().x, 1.0f) << "nor does it fall off the floor's end";
    for (int phase = 0; phase < 2; ++phase) {  // to the select screen, then to the intro
        Tap(KEY_SPACE);
        Frames(1);
    }
    Seconds(2.0);
    EXPECT_FLOAT_EQ(PlayerPosition().x, -7.0f);
    Tap(KEY_SPACE);
    QuietApe();
    Frames(5);
    EXPECT_TRUE(Runs());
    Hold(KEY_LEFT);
    Seconds(1.0);
    EXPECT_FLOAT_EQ(PlayerPosition().x, -8.0f) << "left wins over right";
    Release(KEY_RIGHT);
    // At the wall, left still held: a barrel reaches just under 0.6 away.
    BarrelAt(0, {-8.0f + 0.65f, -0.9f, 3.0f});
    BarrelAt(1, {0.0f, 1.9f, 3.0f});  // dropping to the bottom floor: a respawn clears it
    Frames(3);
    EXPECT_EQ(playerController.lives, 3);
    thrownObjects[0].position.x = -8.0f + 0.55f;
    Tap(KEY_SPACE);  // in the very frame of the hit: the death still plays
    Frames(3);
    EXPECT_EQ(playerController.lives, 2);
    EXPECT_TRUE(Running(Player(), SLOT_DEATH_HIT));
    Tap(KEY_SPACE);
    EXPECT_FALSE(playerController.dying || thrownObjects[0].active || thrownObjects[1].active);
    Frames(5);
    EXPECT_TRUE(Runs()) << "the arrow held through the respawn runs";
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
