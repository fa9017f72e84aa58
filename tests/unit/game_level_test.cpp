// game_level_test.cpp -- recorded games replayed through the real frame function: a whole game, and a tour of the screens
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "assets/texture_loader.h"
#include "game/ape.h"
#include "game/game_state.h"
#include "game/player.h"
#include "host/game_calls.h"
#include "host/offscreen_context.h"
#include "settings/settings_store.h"
#include "tests/support/game_allocation_counter.h"
#include "tests/support/game_driver.h"
#include "tests/support/scene_harness.h"

namespace {

// Where the player stands at each checkpoint ("shot" line) of the script, and what the game holds then.
const struct {
    const char *name;
    Vec3 p;  // z: the lane of the floor walked on
    double score;
    int state, lives, level, barrels;  // barrels: active ones
} CHECKPOINTS[] = {
    // name            x          y         z          score     phase                  lives level barrels
    {"floor_0",        {5.8421f,  0.0f,    2.465f},   0.0,      STATE_PLAY,            3,    1,    1},
    {"floor_1",        {-5.7984f, 3.0f,    0.4467f},  0.0,      STATE_PLAY,            3,    1,    2},
    {"floor_2",        {5.9925f,  6.0f,    -1.735f},  24.1667,  STATE_PLAY,            3,    1,    3},  // a barrel jumped
    {"floor_3",        {-5.8025f, 9.0f,    -3.555f},  24.1667,  STATE_PLAY,            3,    1,    3},
    {"floor_4",        {-3.0112f, 12.0f,   -4.99f},   24.1667,  STATE_PLAY,            3,    1,    4},
    {"on_rope",        {4.0f,     11.325f, -5.4917f}, 143.487,  STATE_PLAY,            3,    1,    4},
    {"level_complete", {4.0f,     9.0f,    -5.4917f}, 588.8412, STATE_LEVEL_COMPLETE,  3,    1,    4},  // on the rope's line
    {"level_two",      {-7.0f,    0.0f,    2.5f},     670.0844, STATE_PLAY,            3,    2,    3},  // the pull ran on to 3.5
    {"left_wall",      {-8.0f,    0.0f,    2.5f},     670.0844, STATE_PLAY,            3,    2,    3},
    {"hit",            {-8.0f,    0.0f,    2.5f},     670.0844, STATE_PLAY,            2,    2,    5},
    {"dying",          {-8.0f,    0.0f,    2.5f},     670.0844, STATE_PLAY,            2,    2,    4},  // arrows do nothing
    {"respawned",      {-7.0f,    0.0f,    2.5f},     670.0844, STATE_PLAY,            2,    2,    4},  // only the bottom floor cleared
    {"hit_again",      {-7.0f,    0.0f,    2.5f},     670.0844, STATE_PLAY,            1,    2,    5},
    {"name_entry",     {-7.0f,    0.0f,    2.5f},     670.0844, STATE_NAME_ENTRY,      0,    2,    6},  // 670 beats 0
    {"title",          {-7.0f,    0.0f,    2.5f},     670.0844, STATE_TITLE,           0,    2,    6},
    {"new_game",       {-7.0f,    0.0f,    2.5f},     0.0,      STATE_PLAY,            3,    1,    4},
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
        for (float Vec3::*axis : {&Vec3::x, &Vec3::y, &Vec3::z}) EXPECT_NEAR(p.*axis, expected.p.*axis, 1e-3f) << name;
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

// The screens tour's shots are named for the phase the game must be in.
void ShotForReview(const char *name) {
    const char *phases[] = {"title", "select", "intro", "play"};
    int phase = 0;
    while (phase < 3 && std::strcmp(name, phases[phase]) != 0) ++phase;
    EXPECT_EQ(flow.gameState, phase) << name;
    EXPECT_GT(LitPixelCount(), 800 * 600 / 20) << name;
    EXPECT_EQ(MagentaPixelCount(), 0) << name;  // no key colour filtered into an edge
    if (phase == STATE_SELECT) {
        // The captain's portrait, 64 x 128 texels on 80 x 160 pixels centred at (232, 430), upright where the
        // overlay's pixel units put it: texel (26, 39), amid texels like it, lands on pixel (225, 460); its
        // mirror image across the middle row is clear.
        std::vector<uint8_t> portrait(64 * 128 * 4);
        glBindTexture(GL_TEXTURE_2D, textures.slots[TEXTURE_PORTRAIT_CAPTAIN]);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, portrait.data());
        const uint8_t *texel = &portrait[(39 * 64 + 26) * 4];
        ASSERT_TRUE(texel[3] == 255 && portrait[(88 * 64 + 26) * 4 + 3] == 0) << "the portrait was repainted";
        const Rgba shown = PixelAt(225, 460);
        EXPECT_LE(std::abs(shown.r - texel[0]) + std::abs(shown.g - texel[1]) + std::abs(shown.b - texel[2]), 16);
    }
    if (phase == STATE_PLAY) {
        // The HUD's "Level 1" stands in the top row of the centred 626-pixel strip.
        int lit = 0;
        for (int y = 600 - 24; y < 600 - 8; ++y)
            for (int x = 87 + 40; x < 87 + 170; ++x) lit += !IsBlack(PixelAt(x, y));
        EXPECT_GT(lit, 50);
    }
    EXPECT_NE(SaveTestShot(("screens_" + std::string(name)).c_str()), nullptr);
}

// The saver window's start-up on a window large enough to look at.
class ScreensTour : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CreateOffscreenContext(800, 600));
        GameStartup(800, 600, 12345u);
    }
    void TearDown() override {
        GameShutdown();
        DestroyOffscreenContext();
    }
};

}  // namespace

TEST_F(ScreensTour, EveryScreenIsWrittenForReview) { PlayScript("screens_tour.txt", ShotForReview); }

TEST_F(GameTest, AWholeGameByKeysAloneWithoutAHeapAllocation) {
    PlayScript("whole_game.txt", Checkpoint);
    EXPECT_EQ(settings.highScore, 670);
    EXPECT_STREQ(settings.highScoreName, "KVR");
}
