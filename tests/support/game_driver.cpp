// game_driver.cpp -- the game's test fixture and the player-like frame drivers
#include "tests/support/game_driver.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

#include "common/frame_input.h"
#include "game/ape.h"
#include "game/player.h"
#include "host/game_calls.h"
#include "host/offscreen_context.h"
#include "host/replay.h"

static const int TEST_WIDTH = 160;
static const int TEST_HEIGHT = 120;

void GameTest::SetUp() {
    ASSERT_TRUE(CreateOffscreenContext(TEST_WIDTH, TEST_HEIGHT));
    GameStartup(TEST_WIDTH, TEST_HEIGHT, 12345u);
}

void GameTest::TearDown() {
    GameShutdown();
    DestroyOffscreenContext();
}

// Read the clock as a replay does, at the precision the tests' expected numbers were worked out with.
void Frames(int count, double frameSeconds) { ReplayFrames(count, frameSeconds); }

void Seconds(double seconds, double frameSeconds) { Frames(std::max(1, static_cast<int>(seconds / frameSeconds + 0.5)), frameSeconds); }

void Hold(int key) { KeyGoesDown(static_cast<unsigned int>(key)); }
void Release(int key) { KeyGoesUp(static_cast<unsigned int>(key)); }

void Tap(int key) {
    Hold(key);
    Frames(1);
    Release(key);
}

Vec3 PlayerPosition() { return WorldPosition(*playerController.character); }

bool Running(const CharacterRecord &record, int slot) {
    return record.animation.entries == record.animationSet->slots[slot].entries &&
           record.animation.next == record.animationSet->slots[slot].next;
}

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

void PlayScript(const char *name, ReplayShotCallback checkpoint, const std::string &firstLines) {
    const std::string file = __FILE__;
    std::ifstream in(file.substr(0, file.rfind("/tests/support/")) + "/tests/scripts/" + name);
    ASSERT_TRUE(in.good()) << name;
    std::stringstream script;
    script << firstLines << in.rdbuf();
    int failedLine = 0;
    EXPECT_TRUE(RunReplayScript(script.str().c_str(), checkpoint, &failedLine)) << name << ":" << failedLine;
}
