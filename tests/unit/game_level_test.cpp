// game_level_test.cpp -- a recorded game replayed through the real frame function, without a heap allocation in play
#include <cstring>

#include "game/ape.h"
#include "game/game_state.h"
#include "game/player.h"
#include "settings/settings_store.h"
#include "tests/support/game_allocation_counter.h"
#include "tests/support/game_driver.h"

namespace {

// Where the player stands at each checkpoint ("shot" line) of the script, and what the game holds then.
const struct {
    const char *name;
    float x, y, z;  // z: the lane of the floor walked on
    double score;
    int state, lives, level, barrels;  // barrels: active ones
} CHECKPOINTS[] = {
    // name            x         y         z         score     phase                  lives level barrels
    {"floor_0",        5.8217f,  0.0f,     2.5f,     0.0,      STATE_PLAY,            3,    1,    1},
    {"floor_1",        -5.7867f, 3.0f,     0.4933f,  0.0,      STATE_PLAY,            3,    1,    2},
    {"floor_2",        0.9217f,  6.0f,     -1.5133f, 0.0,      STATE_PLAY,            3,    1,    2},
    {"floor_3",        -5.7867f, 9.0f,     -3.52f,   80.0,     STATE_PLAY,            3,    1,    4},  // two barrels jumped
    {"floor_4",        -4.795f,  12.0f,    -5.5267f, 80.0,     STATE_PLAY,            3,    1,    4},
    {"on_rope",        3.1117f,  11.9667f, -5.48f,   402.5,    STATE_PLAY,            3,    1,    4},
    {"level_complete", 4.0f,     9.0f,     -4.7333f, 630.0,    STATE_LEVEL_COMPLETE,  3,    1,    4},
    {"level_two",      -7.0f,    0.0f,     2.5f,     738.2985, STATE_PLAY,            3,    2,    3},  // the pull ran on to 3.5
    {"left_wall",      -8.0f,    0.0f,     2.5f,     738.2985, STATE_PLAY,            3,    2,    3},
    {"hit",            -8.0f,    0.0f,     2.5f,     738.2985, STATE_PLAY,            2,    2,    5},
    {"dying",          -8.0f,    0.0f,     2.5f,     738.2985, STATE_PLAY,            2,    2,    4},  // arrows do nothing
    {"respawned",      -7.0f,    0.0f,     2.5f,     738.2985, STATE_PLAY,            2,    2,    4},  // only the bottom floor cleared
    {"hit_again",      -7.0f,    0.0f,     2.5f,     738.2985, STATE_PLAY,            1,    2,    5},
    {"name_entry",     -7.0f,    0.0f,     2.5f,     738.2985, STATE_NAME_ENTRY,      0,    2,    4},  // 738 beats 0
    {"title",          -7.0f,    0.0f,     2.5f,     738.2985, STATE_TITLE,           0,    2,    4},
    {"new_game",       -7.0f,    0.0f,     2.5f,     0.0,      STATE_PLAY,            3,    1,    3},
};

// Play makes no heap allocation: the count stays where it stood at the first checkpoint (the first
// frames may set things up lazily).
uint64_t allocationsAtFirstCheckpoint = 0;

void Checkpoint(const char *name) {
    if (std::strcmp(name, CHECKPOINTS[0].name) == 0) allocationsAtFirstCheckpoint = HeapAllocationCount();
    EXPECT_EQ(HeapAllocationCount(), allocationsAtFirstCheckpoint) << name;
    for (const auto &expected : CHECKPOINTS) {
        if (std::strcmp(name, expected.name) != 0) continue;
        const Vec3 p = PlayerPosition();
        EXPECT_NEAR(p.x, expected.x, 1e-3f) << name;
        EXPECT_NEAR(p.y, expected.y, 1e-3f) << name;
        EXPECT_NEAR(p.z, expected.z, 1e-3f) << name;
        EXPECT_NEAR(playerController.score, expected.score, 0.01) << name;
        EXPECT_EQ(flow.gameState, expected.state) << name;
        EXPECT_EQ(playerController.lives, expected.lives) << name;
        EXPECT_EQ(playerController.level, expected.level) << name;
        int barrels = 0;
        for (const ThrownObject &object : thrownObjects) barrels += object.active;
        EXPECT_EQ(barrels, expected.barrels) << name;
        return;
    }
    ADD_FAILURE() << "unknown checkpoint " << name;
}

}  // namespace

TEST_F(GameTest, AWholeGameByKeysAloneWithoutAHeapAllocation) {
    PlayScript("whole_game.txt", Checkpoint);
    EXPECT_EQ(settings.highScore, 738);
    EXPECT_STREQ(settings.highScoreName, "KVR");
}
