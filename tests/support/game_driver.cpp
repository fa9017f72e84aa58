// game_driver.cpp -- the game's test fixture and the player-like frame drivers
#include "tests/support/game_driver.h"

#include <algorithm>
#include <cstring>

#include "assets/flying_text.h"
#include "common/random.h"
#include "game/ape.h"
#include "game/game_state.h"
#include "game/levels.h"
#include "game/player.h"
#include "game/rope_cage.h"
#include "host/frame.h"
#include "host/game_clock.h"
#include "host/game_window.h"
#include "host/keyboard.h"
#include "host/native_clock.h"
#include "host/offscreen_context.h"
#include "render/frame_renderer.h"
#include "settings/settings_store.h"

static const int TEST_WIDTH = 160;
static const int TEST_HEIGHT = 120;

// Puts the program-wide game records back to a fresh title screen, before a test and for whatever runs next.
static void ResetGame() {
    std::memset(keyDown, 0, sizeof keyDown);
    std::memset(keyPressed, 0, sizeof keyPressed);
    gameState = STATE_TITLE;
    stateStartTime = 0.0f;
    selectedCharacter = nameLength = idleShown = 0;
    overviewFactor = 0.0f;
    overviewRate = 0.25f;
    highScore = highScoreCharacter = 0;
    std::memset(highScoreName, 0, sizeof highScoreName);
    InitObjectPool();
    AssignRoles(0);
    CageReset();
    gameMessage.active = gameMessage.count = 0;
}

void GameTest::SetUp() {
    ASSERT_TRUE(CreateOffscreenContext(TEST_WIDTH, TEST_HEIGHT));
    ConstructProgramRecords();
    GameStartup(TEST_WIDTH, TEST_HEIGHT, 12345u);
    SetScriptedClock(0.0);
    ResetFrameClockForTests();
    SeedRandom(12345u);
    ResetGame();
}

void GameTest::TearDown() {
    ResetGame();
    GameShutdown();
    DestroyOffscreenContext();
}

void Frames(int count, double frameSeconds) {
    for (int i = 0; i < count; ++i) {
        AdvanceScriptedClock(frameSeconds);
        RunFrame();
    }
}

void Seconds(double seconds, double frameSeconds) { Frames(std::max(1, static_cast<int>(seconds / frameSeconds + 0.5)), frameSeconds); }

void Hold(int key) { KeyGoesDown(static_cast<unsigned int>(key)); }
void Release(int key) { KeyGoesUp(static_cast<unsigned int>(key)); }

void Tap(int key) {
    Hold(key);
    Frames(1);
    Release(key);
}

Vec3 PlayerPosition() { return WorldPosition(*playerController.character); }

void StartPlaying() {
    for (int i = 0; i < 3; ++i) {  // title -> select -> intro -> play
        Tap(KEY_SPACE);
        Frames(1);
    }
}

bool WalkTo(float x) {
    const bool right = PlayerPosition().x < x;
    auto arrived = [&] { return right ? PlayerPosition().x >= x : PlayerPosition().x <= x; };
    Hold(right ? KEY_RIGHT : KEY_LEFT);
    for (int i = 0; i < 1000 && !arrived(); ++i) Frames(1);
    Release(right ? KEY_RIGHT : KEY_LEFT);
    return arrived();
}

void QuietApe() {
    for (ThrownObject &object : thrownObjects) object.active = 0;
    InitApe(apeController, *apeController.character);
    apeController.throwTimer = -1.0e9f;
}
