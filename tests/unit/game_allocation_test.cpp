// game_allocation_test.cpp -- ten thousand frames of play without a heap allocation
#include "common/frame_input.h"
#include "game/game_state.h"
#include "game/player.h"
#include "settings/settings_store.h"
#include "tests/support/game_allocation_counter.h"
#include "tests/support/game_driver.h"

TEST_F(GameTest, NoHeapAllocationOverTenThousandFramesOfPlay) {
    settings.highScore = 2000000000;  // every game over goes back to the title (name entry saves to the registry)
    StartPlaying();
    Frames(30);  // anything a first frame sets up lazily is done by now
    const uint64_t before = HeapAllocationCount();
    // Walk back and forth, jump now and then, climb when at a flight, take
    // the hits and continue: levels, deaths, messages, the ticker and a game over.
    const int pattern[4] = {KEY_RIGHT, KEY_UP, KEY_LEFT, KEY_UP};
    int deaths = 0, newGames = 0;
    for (int frame = 0; frame < 10000; ++frame) {
        const int32_t lives = playerController.lives;
        // Twelve seconds of walking and jumping, then twelve of standing in
        // the barrels' way, so that deaths and game overs come whatever the throws.
        const bool walking = (frame / 360) % 2 == 0;
        if (frame % 90 == 0) {
            for (int key : pattern) Release(key);
            if (walking) Hold(pattern[(frame / 90) % 4]);
        }
        if (frame % 45 == 0 && (walking || playerController.dying)) Hold(KEY_SPACE);
        if (frame % 45 == 1) Release(KEY_SPACE);
        if (flow.gameState == STATE_TITLE && frame % 300 == 0) {
            // Back into a new game after a game over.
            Tap(KEY_SPACE);
            Tap(KEY_SPACE);
            Tap(KEY_SPACE);
            ++newGames;
        }
        Frames(1);
        if (playerController.lives < lives) ++deaths;
    }
    EXPECT_EQ(HeapAllocationCount() - before, 0u);
    EXPECT_GT(deaths, 3) << "deaths and a game over were part of the run";
    EXPECT_GT(newGames, 0);
}
