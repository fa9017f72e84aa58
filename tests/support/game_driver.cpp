// game_driver.cpp -- the game's test fixture and the player-like frame drivers
#include "tests/support/game_driver.h"

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

static void ReleaseAllKeys() {
    std::memset(keyDown, 0, sizeof keyDown);
    std::memset(keyPressed, 0, sizeof keyPressed);
}

void GameTest::SetUp() {
    ASSERT_TRUE(CreateOffscreenContext(TEST_WIDTH, TEST_HEIGHT));
    ReleaseAllKeys();
    ConstructProgramRecords();
    GameStartup(TEST_WIDTH, TEST_HEIGHT, 12345u);
    SetScriptedClock(0.0);
    ResetFrameClockForTests();
    SeedRandom(12345u);
    gameState = STATE_TITLE;
    stateStartTime = 0.0f;
    selectedCharacter = 0;
    nameLength = 0;
    overviewFactor = 0.0f;
    overviewRate = 0.25f;
    highScore = 0;
    highScoreCharacter = 0;
    std::memset(highScoreName, 0, sizeof highScoreName);
    InitObjectPool();
    AssignRoles(0);
    CageReset();
    gameMessage.active = 0;
    gameMessage.count = 0;
    idleShown = 0;
}

// Leaves the program-wide records as the start-up left them, for whatever test runs next.
void GameTest::TearDown() {
    ReleaseAllKeys();
    gameState = STATE_TITLE;
    stateStartTime = 0.0f;
    gameMessage.active = 0;
    gameMessage.count = 0;
    InitObjectPool();
    AssignRoles(0);
    CageReset();
    overviewFactor = 0.0f;
    overviewRate = 0.25f;
    GameShutdown();
    DestroyOffscreenContext();
}

void Frames(int count, double frameSeconds) {
    for (int i = 0; i < count; ++i) {
        AdvanceScriptedClock(frameSeconds);
        RunFrame();
    }
}

void Seconds(double seconds, double frameSeconds) {
    const int count = static_cast<int>(seconds / frameSeconds + 0.5);
    Frames(count < 1 ? 1 : count, frameSeconds);
}

void Hold(int key) { KeyGoesDown(static_cast<unsigned int>(key)); }
void Release(int key) { KeyGoesUp(static_cast<unsigned int>(key)); }

void Tap(int key) {
    Hold(key);
    Frames(1);
    Release(key);
}

Vec3 PlayerPosition() { return WorldPosition(*playerController.character); }

void StartPlaying() {
    Tap(KEY_SPACE);  // title -> select
    Frames(1);
    Tap(KEY_SPACE);  // select -> intro
    Frames(1);
    Tap(KEY_SPACE);  // intro -> play
    Frames(1);
}

bool WalkTo(float x) {
    const bool right = PlayerPosition().x < x;
    const int key = right ? KEY_RIGHT : KEY_LEFT;
    Hold(key);
    for (int i = 0; i < 1000; ++i) {
        const float px = PlayerPosition().x;
        if (right ? px >= x : px <= x) break;
        Frames(1);
    }
    Release(key);
    const float px = PlayerPosition().x;
    return right ? px >= x : px <= x;
}

void QuietApe() {
    for (ThrownObject &object : thrownObjects) object.active = 0;
    InitApe(apeController, *apeController.character);
    apeController.throwTimer = -1.0e9f;
}
