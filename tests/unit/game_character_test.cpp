// game_character_test.cpp -- the animation engine and the flights' strict windows (walking and climbing: the replayed game)
#include <gtest/gtest.h>

#include <cmath>

#include "common/frame_input.h"
#include "game/character.h"
#include "game/character_tables.h"
#include "game/tower_motion.h"
#include "tests/support/game_driver.h"

namespace {

class CharacterTest : public ::testing::Test {
protected:
    void SetUp() override { frameInput.dt = 1.0f / 30.0f; }
    // Advances the clock frame by frame and steps the record's animation (then the other's, if given).
    void Step(CharacterRecord &record, int frames = 1, CharacterRecord *other = nullptr) {
        for (int i = 0; i < frames; ++i) {
            frameInput.now += frameInput.dt;
            UpdateAnimation(record);
            if (other) UpdateAnimation(*other);
        }
    }
};

}  // namespace

TEST_F(CharacterTest, AnimationJumpRisesAndFallsOverOnePointThreeSeconds) {
    CharacterRecord &b = characterB;
    frameInput.dt = 1.0f / 32.0f;  // exact in binary, so the frame times are too
    frameInput.now = 10.0f;
    b.jumping = 1;
    StartAnimation(b, SLOT_JUMP);
    float peak = 0.0f, landed = 0.0f;
    while (b.jumping && frameInput.now < 12.0f) {
        Step(b);
        peak = std::fmax(peak, b.value[0]);
        if (b.jumping) landed = b.value[0];
    }
    // Each of the two stages ends in the first frame after its time.
    EXPECT_GT(frameInput.now, 10.0f + 1.3f);
    EXPECT_LE(frameInput.now, 10.0f + 1.3f + 2 * frameInput.dt);
    EXPECT_NEAR(peak, 85.0f, 0.5f);
    EXPECT_NEAR(landed, 0.0f, 8.0f);
    EXPECT_TRUE(Running(b, SLOT_STAND));
}

TEST_F(CharacterTest, AnimationSnapsEveryPartBeforeChainingAlsoForASecondCharacterOnTheSameList) {
    CharacterRecord &b = characterB, &c = characterC;
    for (int part = 0; part < CHARACTER_PARTS; ++part) b.value[part] = 30.0f;
    c.value[7] = -50.0f;
    StartAnimation(b, SLOT_STAND);
    Step(b, 3);
    StartAnimation(c, SLOT_STAND);  // same list, started later
    Step(b, 4, &c);  // 0.233 s: still easing
    EXPECT_TRUE(Running(b, SLOT_STAND));
    EXPECT_GT(b.value[7], 0.0f);
    Step(b, 1, &c);  // 0.267 s: past the window and the chain at 0.25
    EXPECT_TRUE(Running(b, SLOT_STAND_CYCLE));
    for (int part : {7, 8, 9, 10, 3, 5, 4, 6, 2, 0}) EXPECT_EQ(b.value[part], 0.0f) << part;
    EXPECT_EQ(b.value[1], 30.0f) << "the body's turn is not in the list";
    Step(b, 11, &c);
    EXPECT_EQ(c.value[7], 0.0f);
}

TEST_F(CharacterTest, AnimationPickUpShowsTheObjectAndALongFrameStillLifts) {
    CharacterRecord &a = characterA;
    frameInput.now = 5.0f;
    StartAnimation(a, SLOT_PICK_UP);
    Step(a, 7);  // 0.233 s
    EXPECT_EQ(a.holdingObject, 0);
    Step(a);  // 0.267 s: the -4 window has ended
    EXPECT_EQ(a.holdingObject, 1);
    EXPECT_TRUE(Running(a, SLOT_LIFT));
    // One frame longer than the whole lift still leaves the arm at its target.
    frameInput.now += 0.5f;
    UpdateAnimation(a);
    EXPECT_EQ(a.value[3], 200.0f);
    EXPECT_EQ(a.value[5], 180.0f);
}

TEST_F(CharacterTest, TowerFlightWindowsAreStrictAndSetTheBounds) {
    CharacterRecord &b = characterB;
    SetWorldPosition(b, 6.0f, 0.0f, 2.5f);
    for (int facingLeft : {1, 0}) {
        b.facingLeft = facingLeft;
        b.flightTopY = b.flightBottomY = -1.0f;
        EXPECT_EQ(AtFootOfFlight(b), facingLeft ? -1 : 0);
        EXPECT_FLOAT_EQ(b.flightTopY, 3.0f) << "bounds are set whichever way the character faces";
        EXPECT_FLOAT_EQ(b.flightBottomY, 0.0f);
    }
    b.facingLeft = 1;
    const Vec2 outside[3] = {{5.5f, 0.0f}, {6.5f, 0.0f}, {6.0f, 3.0f}};  // y = 3 is the next floor
    for (const Vec2 &at : outside) {
        b.pivot[1] = Vec2{at.x / CHARACTER_SCALE, at.y / CHARACTER_SCALE};
        EXPECT_EQ(AtFootOfFlight(b), 0) << at.x << ", " << at.y;
    }
    // Top of flight 4, facing left, the way down.
    SetWorldPosition(b, -2.5f, 12.0f, -5.5f);
    EXPECT_EQ(AtTopOfFlight(b), 1);
    EXPECT_FLOAT_EQ(b.flightBottomY, 9.0f);
    EXPECT_FLOAT_EQ(FloorDepth(2.99f), 2.5f);  // a floor's band starts at its height
    EXPECT_FLOAT_EQ(FloorDepth(3.0f), 0.5f);
}
